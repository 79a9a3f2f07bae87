#include "ProgramDriver.h"

#include "WineHarness.h"
#include "ui/layout/Units.h"

namespace snoozr::wine {

namespace layout = ui::layout;

namespace {

// Functions of newer systems, looked up at run time: the tests start on Windows XP as well.
template <typename Function>
Function* UserFunction(const char* name) {
    // Through a generic function type: GetProcAddress's own type says nothing of the real one.
    using Generic = void (*)();
    return reinterpret_cast<Function*>(
        reinterpret_cast<Generic>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

const layout::MenuItem* ItemNamed(const layout::MenuItem& popup, std::string_view name,
                                  int& position) {
    position = 0;
    for (const layout::MenuItem& item : popup.children) {
        if (item.caption == name || item.name == name)
            return &item;
        ++position;
    }
    return nullptr;
}

}  // namespace

std::string WindowClass(const layout::WindowLayout& window) {
    return "Snoozr." + std::string(window.name);
}

std::vector<WORD> MenuKeys(const MenuPath& path) {
    std::vector<WORD> keys;
    const layout::MenuItem* popup = &layout::kForm3File;
    for (std::size_t i = 0; i < path.size(); ++i) {
        int position = 0;
        const layout::MenuItem* item = ItemNamed(*popup, path[i], position);
        const bool last = i + 1 == path.size();
        if (item == nullptr || item->children.empty() != last)
            return {};
        // The top level opens with nothing selected; a submenu opens on its first item.
        keys.insert(keys.end(), static_cast<std::size_t>(i == 0 ? position + 1 : position),
                    VK_DOWN);
        keys.push_back(last ? VK_RETURN : VK_RIGHT);
        popup = item;
    }
    return keys;
}

int WindowDpi(HWND window) {
    // Windows 10 1607 on; 2 is DPI_AWARENESS_PER_MONITOR_AWARE.
    using ThreadContext = void* WINAPI();
    using AwarenessOf = int WINAPI(void*);
    using DpiForWindow = UINT WINAPI(HWND);
    static ThreadContext* const threadContext =
        UserFunction<ThreadContext>("GetThreadDpiAwarenessContext");
    static AwarenessOf* const awarenessOf =
        UserFunction<AwarenessOf>("GetAwarenessFromDpiAwarenessContext");
    static DpiForWindow* const dpiForWindow = UserFunction<DpiForWindow>("GetDpiForWindow");
    if (threadContext != nullptr && awarenessOf != nullptr && dpiForWindow != nullptr &&
        awarenessOf(threadContext()) == 2) {
        return static_cast<int>(dpiForWindow(window));
    }
    // The screen's DPI as this process is told it: 96 where the system scales our coordinates,
    // the display's own where it does not (as under Wine).
    return ScreenDpi();
}

POINT ClientCentre(HWND window, const layout::WindowLayout& form) {
    const int dpi = WindowDpi(window);
    return {layout::TwipsToPixels(form.client.width / 2, dpi),
            layout::TwipsToPixels(form.client.height / 2, dpi)};
}

POINT ControlCentre(HWND window, const layout::WindowLayout& form, std::string_view control) {
    const layout::ControlLayout* found = layout::FindControl(form, control);
    if (found == nullptr)
        return {-1, -1};  // outside the window: a click there reaches nothing of it
    const int dpi = WindowDpi(window);
    return {layout::TwipsToPixels(found->rect.left + found->rect.width / 2, dpi),
            layout::TwipsToPixels(found->rect.top + found->rect.height / 2, dpi)};
}

void ClickControl(HWND window, const layout::WindowLayout& form, std::string_view control) {
    Click(window, ControlCentre(window, form, control));
}

void DoubleClickControl(HWND window, const layout::WindowLayout& form, std::string_view control) {
    DoubleClick(window, ControlCentre(window, form, control));
}

void PressControl(HWND window, const layout::WindowLayout& form, std::string_view control) {
    Press(window, ControlCentre(window, form, control));
}

HWND ProgramDriver::Window(const std::string& className) const {
    for (const HWND window : TopLevelWindows(processId_)) {
        if (ClassOf(window) == className)
            return window;
    }
    return nullptr;
}

HWND ProgramDriver::Shown(const std::string& className) const {
    for (const HWND window : TopLevelWindows(processId_)) {
        if (ClassOf(window) == className && IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

HWND ProgramDriver::WaitForShown(const std::string& className, DWORD milliseconds) const {
    return WaitFor([&] { return Shown(className); }, milliseconds);
}

HWND ProgramDriver::Window(const layout::WindowLayout& form) const {
    return Window(WindowClass(form));
}

HWND ProgramDriver::Shown(const layout::WindowLayout& form) const {
    return Shown(WindowClass(form));
}

HWND ProgramDriver::WaitForShown(const layout::WindowLayout& form, DWORD milliseconds) const {
    return WaitForShown(WindowClass(form), milliseconds);
}

HWND ProgramDriver::OpenMainFromSplash() const {
    const HWND splash = WaitForShown(layout::kFrmSplash);
    if (splash == nullptr)
        return nullptr;
    DoubleClick(splash, ClientCentre(splash, layout::kFrmSplash));
    return WaitForShown(layout::kForm1);
}

HWND ProgramDriver::OpenMenu() const {
    ClickControl(Main(), layout::kForm1, "Label8");
    return WaitFor([&] { return Menu(); }, kWindowWait);
}

bool ProgramDriver::Choose(const MenuPath& path) const {
    const std::vector<WORD> keys = MenuKeys(path);
    if (keys.empty() || OpenMenu() == nullptr)
        return false;
    for (const WORD key : keys) {
        PressKey(key);
        Sleep(60);  // the popup moves its selection once it has read the key
    }
    return WaitUntil([&] { return Menu() == nullptr; }, kWindowWait);
}

HWND ProgramDriver::OpenInsteadOfMain(const MenuPath& path,
                                      const layout::WindowLayout& form) const {
    const HWND main = Main();
    if (!Choose(path))
        return nullptr;
    return WaitFor([&] { return IsWindowVisible(main) ? nullptr : Shown(form); }, kWindowWait);
}

HWND ProgramDriver::OpenCompanion() const {
    return OpenInsteadOfMain({"Aol Options", "UPCHAT"}, layout::kForm12);
}

}  // namespace snoozr::wine
