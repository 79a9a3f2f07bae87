#include "WineHarness.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

namespace snoozr::wine {

std::filesystem::path BinDir() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

std::filesystem::path FreshTempDir(const std::string& name) {
    static std::atomic<int> counter{0};
    const auto folder =
        BinDir() / "test-runs" /
        (name + "-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

Process::Process(const std::filesystem::path& exe, const std::string& arguments,
                 const std::filesystem::path& workDir) {
    std::string commandLine = "\"" + exe.string() + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    const std::string dir = workDir.string();
    if (CreateProcessA(exe.string().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                       nullptr, dir.c_str(), &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        id_ = info.dwProcessId;
    } else {
        startError_ = GetLastError();
    }
}

Process::~Process() {
    if (process_ == nullptr)
        return;
    if (Running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

bool Process::Running() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Process::WaitForExit(DWORD milliseconds) const {
    return process_ != nullptr && WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0;
}

std::string Process::State() const {
    if (process_ == nullptr)
        return "not started (error " + std::to_string(startError_) + ")";
    if (Running())
        return "running";
    return "exited with code " + std::to_string(ExitCode());
}

DWORD Process::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_ != nullptr)
        GetExitCodeProcess(process_, &code);
    return code;
}

unsigned long long MonotonicMs() {
    return static_cast<unsigned long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                               std::chrono::steady_clock::now().time_since_epoch())
                                               .count());
}

double CpuSecondsOf(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return -1;
    auto seconds = [](FILETIME t) {
        return ((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

HWND WaitFor(const std::function<HWND()>& find, DWORD milliseconds) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = find()) != nullptr; }, milliseconds);
    return found;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= end)
            return false;
        Sleep(20);
    }
}

std::vector<HWND> TopLevelWindows(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    // A plain function, not a lambda: the callback is CALLBACK (stdcall on 32-bit Windows).
    struct Collect {
        static BOOL CALLBACK Window(HWND window, LPARAM data) {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->processId)
                s->found.push_back(window);
            return TRUE;
        }
    };
    EnumWindows(&Collect::Window, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindProcessWindow(DWORD processId, const std::string& caption, const char* className,
                       bool visibleOnly) {
    for (HWND window : TopLevelWindows(processId)) {
        if (WindowText(window) != caption)
            continue;
        if (className != nullptr && ClassOf(window) != className)
            continue;
        if (visibleOnly && !IsWindowVisible(window))
            continue;
        return window;
    }
    return nullptr;
}

bool AnyWindowOf(DWORD processId) {
    return !TopLevelWindows(processId).empty();
}

std::string WindowText(HWND window) {
    // GetWindowText does not read a control of another program: ask the window itself.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length))
        return "";
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_NORMAL, 5000, &copied);
    text.resize(std::min<std::size_t>(copied, length));
    return text;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

RECT ClientRectOnScreen(HWND window) {
    RECT area{};
    GetClientRect(window, &area);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    OffsetRect(&area, origin.x, origin.y);
    return area;
}

namespace {

void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

// Each button's up flag is twice its down flag.
DWORD DownFlag(Button button) {
    switch (button) {
        case Button::kRight:
            return MOUSEEVENTF_RIGHTDOWN;
        case Button::kMiddle:
            return MOUSEEVENTF_MIDDLEDOWN;
        default:
            return MOUSEEVENTF_LEFTDOWN;
    }
}
static_assert(MOUSEEVENTF_LEFTUP == 2 * MOUSEEVENTF_LEFTDOWN &&
              MOUSEEVENTF_RIGHTUP == 2 * MOUSEEVENTF_RIGHTDOWN &&
              MOUSEEVENTF_MIDDLEUP == 2 * MOUSEEVENTF_MIDDLEDOWN);
DWORD UpFlag(Button button) {
    return 2 * DownFlag(button);
}

}  // namespace

void MoveTo(HWND window, POINT client) {
    POINT screen = client;
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    Sleep(30);
}

void Press(HWND window, POINT client, Button button) {
    MoveTo(window, client);
    SendMouse(DownFlag(button));
    Sleep(30);
}

void Release(Button button) {
    SendMouse(UpFlag(button));
    Sleep(30);
}

void Click(HWND window, POINT client, Button button) {
    Press(window, client, button);
    Release(button);
}

void DoubleClick(HWND window, POINT client) {
    MoveTo(window, client);
    for (int i = 0; i < 2; ++i) {
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        SendMouse(MOUSEEVENTF_LEFTUP);
    }
    Sleep(30);
}

void ClickCentre(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    Click(window, {client.right / 2, client.bottom / 2});
}

void PressKey(WORD virtualKey) {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    Sleep(30);
}

void PressKeyWith(WORD modifier, WORD virtualKey) {
    INPUT keys[4] = {};
    for (INPUT& key : keys)
        key.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[3].ki.wVk = modifier;
    keys[1].ki.wVk = keys[2].ki.wVk = virtualKey;
    keys[2].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, keys, sizeof(INPUT));
    Sleep(30);
}

void TypeText(std::string_view text) {
    // Unicode key events carry any character, whatever the keyboard layout has keys for.
    for (const char byte : text) {
        wchar_t character = 0;
        MultiByteToWideChar(1252, 0, &byte, 1, &character, 1);
        INPUT keys[2] = {};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wScan = keys[1].ki.wScan = character;
        keys[0].ki.dwFlags = KEYEVENTF_UNICODE;
        keys[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof(INPUT));
        Sleep(10);
    }
    Sleep(30);
}

void TypeOver(HWND textBox, std::string_view text) {
    ClickCentre(textBox);
    PressKey(VK_END);
    PressKeyWith(VK_SHIFT, VK_HOME);
    TypeText(text);
}

bool SaveScreenshot(const std::filesystem::path& bmpPath) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;  // bottom-up, as BMP files store it
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    std::string pixels(static_cast<std::size_t>(stride) * height, '\0');
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(bmpPath, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out);
}

bool InMoveLoop(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    return GetGUIThreadInfo(thread, &info) && (info.flags & GUI_INMOVESIZE) != 0;
}

HWND WaitForMessageBox(DWORD processId, const std::string& caption, DWORD milliseconds) {
    return WaitFor([&] { return FindProcessWindow(processId, caption, "#32770", true); },
                   milliseconds);
}

std::string MessageBoxText(HWND box) {
    // The box's text is its one static control that is not the icon.
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (_stricmp(ClassOf(child).c_str(), "Static") != 0)
            continue;
        const std::string candidate = WindowText(child);
        if (candidate.size() > text.size())
            text = candidate;
    }
    return text;
}

void AnswerMessageBox(HWND box, int buttonId) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(GetDlgItem(box, buttonId), BM_CLICK, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

namespace {
std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
}  // namespace

StandIn::StandIn(const std::string& arguments)
    : folder_(FreshTempDir("standin")),
      log_(folder_ / "standin.log"),
      process_(BinDir() / "standin.exe", "--log \"" + log_.string() + "\" " + arguments, folder_) {
    WaitUntil([&] { return Ready(); }, 20000);
}

bool StandIn::Logged(std::string_view event) const {
    const auto events = Events();
    return std::any_of(events.begin(), events.end(),
                       [&](const StandInEvent& e) { return e.event == event; });
}

std::vector<StandInEvent> StandIn::Events() const {
    std::vector<StandInEvent> events;
    std::istringstream lines(ReadFile(log_));
    std::string line;
    while (std::getline(lines, line)) {
        const auto first = line.find('\t');
        const auto second = first == std::string::npos ? first : line.find('\t', first + 1);
        if (second == std::string::npos)
            continue;
        events.push_back({line.substr(0, first), line.substr(first + 1, second - first - 1),
                          line.substr(second + 1)});
    }
    return events;
}

std::vector<StandInEvent> StandIn::EventsOtherThan(
    std::initializer_list<std::string_view> kinds) const {
    std::vector<StandInEvent> events = Events();
    std::erase_if(events, [&](const StandInEvent& e) {
        return std::find(kinds.begin(), kinds.end(), e.event) != kinds.end();
    });
    return events;
}

std::vector<StandInEvent> SwitchImEvents(std::initializer_list<std::string_view> names) {
    std::vector<StandInEvent> events;
    for (const std::string_view name : names) {
        const std::string to(name);
        events.push_back({"keyword", "", "aol://9293:" + to});
        events.push_back({"im", to, "=)"});
        events.push_back({"im-closed", to, "sent"});
    }
    return events;
}

void PrintTo(const StandInEvent& event, std::ostream* out) {
    *out << '{' << event.event << ", \"" << event.where << "\", \"" << event.bytes << "\"}";
}

std::vector<std::string> StandIn::ChatLines() const {
    std::vector<std::string> lines;
    for (const auto& event : Events()) {
        if (event.event == "chat")
            lines.push_back(event.bytes);
    }
    return lines;
}

bool StandIn::WaitForChatLines(std::size_t count, DWORD milliseconds) const {
    return WaitUntil([&] { return ChatLines().size() >= count; }, milliseconds);
}

bool StandIn::WaitForEvents(std::size_t count, DWORD milliseconds) const {
    return WaitUntil([&] { return Events().size() >= count; }, milliseconds);
}

std::string StandIn::Report() const {
    std::string report = "stand-in " + process_.State() + "; its log:";
    for (const auto& event : Events())
        report += "\n  " + event.event + " | " + event.where + " | " + event.bytes;
    return report;
}

HWND StandIn::Frame() const {
    return FindProcessWindow(ProcessId(), "AOL Stand-in Client", "AOL Frame25");
}

bool StandIn::Answers() const {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(Frame(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 100, &ignored) != 0;
}

HWND StandIn::MdiArea() const {
    return FindWindowExA(Frame(), nullptr, "MDIClient", nullptr);
}

HWND StandIn::Room(int number) const {
    const std::string caption = "Lobby " + std::to_string(number);
    return FindWindowExA(MdiArea(), nullptr, "AOL Child", caption.c_str());
}

void StandIn::BringToFront(HWND room) const {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(MdiArea(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(room), 0, SMTO_NORMAL,
                        5000, &ignored);
}

std::string StandIn::Transcript(HWND room) const {
    return WindowText(FindWindowExA(room, nullptr, "RICHCNTL", nullptr));
}

Snoozr::Snoozr(const std::filesystem::path& workDir)
    : process_(BinDir() / "snoozr.exe", "", workDir) {}

HWND Snoozr::Window(const std::string& caption, bool visibleOnly) const {
    return FindProcessWindow(ProcessId(), caption, nullptr, visibleOnly);
}

std::string Snoozr::Report() const {
    std::string report = "snoozr.exe " + process_.State() + "; its windows:";
    for (const HWND window : TopLevelWindows(ProcessId())) {
        report += "\n  " + ClassOf(window) + " \"" + WindowText(window) + "\" " +
                  (IsWindowVisible(window) ? "shown" : "hidden");
    }
    return report;
}

HWND Snoozr::WaitForWindow(const std::string& caption, DWORD milliseconds, bool visibleOnly) const {
    return WaitFor([&] { return Window(caption, visibleOnly); }, milliseconds);
}

}  // namespace snoozr::wine
