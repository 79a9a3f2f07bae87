#include "ui/win32/Controls.h"

#include <commctrl.h>

#include "ui/win32/Form.h"
#include "ui/win32/SystemFunction.h"
#include "ui/win32/WindowText.h"

namespace snoozr::ui {

Label::Label(Form& form, const layout::ControlLayout& layout)
    : form_(form), layout_(layout), caption_(layout.text) {
    form.Adopt(*this);
}

const std::string& Label::Caption() {
    form_.Load();
    return caption_;
}

void Label::SetCaption(std::string_view caption) {
    form_.Load();
    if (caption_ == caption)
        return;
    caption_ = caption;
    form_.RepaintLabel(*this);
}

ChildControl::ChildControl(Form& form, const layout::ControlLayout& layout)
    : form_(form), layout_(layout) {
    form.Adopt(*this);
}

HWND ChildControl::Hwnd() {
    form_.Load();
    return window_;
}

namespace {
constexpr DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;
}  // namespace

std::string TextBox::Text() {
    return ReadWindowText(Hwnd());
}

void TextBox::SetText(std::string_view text) {
    WriteWindowText(Hwnd(), text);
}

void TextBox::ShowEnd() {
    const HWND box = Hwnd();
    const LRESULT length = SendMessageA(box, WM_GETTEXTLENGTH, 0, 0);
    SendMessageA(box, EM_SETSEL, static_cast<WPARAM>(length), length);
    SendMessageA(box, EM_SCROLLCARET, 0, 0);
}

DWORD TextBox::Style() const {
    return kVisibleChild | WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT;
}

DWORD CommandButton::Style() const {
    return kVisibleChild | WS_TABSTOP | BS_PUSHBUTTON;
}

void CommandButton::Notified(WORD code) {
    if (code == BN_CLICKED)
        Click();
}

DWORD ListBox::Style() const {
    // Keeps exactly the layout's height instead of a whole number of rows.
    return kVisibleChild | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
}

// A list reports each click on an entry with a selection change, also on the entry already
// selected, except the second click of a double click, which it reports as a double click.
void ListBox::Notified(WORD code) {
    if (code == LBN_SELCHANGE || code == LBN_DBLCLK)
        Click();
}

void ListBox::AddItem(std::string_view text) {
    const std::string item(text);
    SendMessageA(Hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int ListBox::ListCount() {
    return static_cast<int>(SendMessageA(Hwnd(), LB_GETCOUNT, 0, 0));
}

int ListBox::ListIndex() {
    const LRESULT index = SendMessageA(Hwnd(), LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

std::string ListBox::List(int index) {
    const HWND list = Hwnd();
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR)
        return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

const char* ProgressBar::ClassName() const {
    return PROGRESS_CLASSA;
}

DWORD ProgressBar::Style() const {
    return kVisibleChild | PBS_SMOOTH;
}

void ProgressBar::LoadClass() const {
    // Common Controls, which has the class, is loaded with the first progress bar rather than
    // at start-up, which then does without its memory.
    static const bool loaded = [] {
        using InitCommonControlsExFunction = BOOL WINAPI(const INITCOMMONCONTROLSEX*);
        auto* init =
            SystemFunction<InitCommonControlsExFunction>("comctl32.dll", "InitCommonControlsEx");
        const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PROGRESS_CLASS};
        return init != nullptr && init(&controls) != FALSE;
    }();
    (void)loaded;
}

void ProgressBar::Created() {
    // With visual styles the theme would draw its own colours; red on black needs it off. A
    // class list that names no theme class switches it off (an empty one is refused by some
    // implementations). Without the themes library (uxtheme.dll) there is no theme to stop.
    using SetWindowThemeFunction = HRESULT WINAPI(HWND, LPCWSTR, LPCWSTR);
    static auto* const setWindowTheme =
        SystemFunction<SetWindowThemeFunction>("uxtheme.dll", "SetWindowTheme");
    if (setWindowTheme != nullptr)
        setWindowTheme(window_, L" ", L" ");
    SendMessageA(window_, PBM_SETRANGE32, 0, 100);
    SendMessageA(window_, PBM_SETBARCOLOR, 0, RGB(255, 0, 0));
    SendMessageA(window_, PBM_SETBKCOLOR, 0, RGB(0, 0, 0));
}

void ProgressBar::SetValue(int value) {
    SendMessageA(Hwnd(), PBM_SETPOS, value, 0);
}

int ProgressBar::Value() {
    return static_cast<int>(SendMessageA(Hwnd(), PBM_GETPOS, 0, 0));
}

Timer::Timer(Form& form, const layout::TimerLayout& layout)
    : form_(form), layout_(layout), enabled_(layout.enabled) {
    form.Adopt(*this);
}

void Timer::Enable() {
    if (enabled_)
        return;
    enabled_ = true;
    Start();
}

void Timer::Disable() {
    if (!enabled_)
        return;
    enabled_ = false;
    if (const HWND window = form_.Hwnd())
        KillTimer(window, id_);
}

void Timer::Start() const {
    if (const HWND window = form_.Hwnd())
        SetTimer(window, id_, layout_.intervalMs, nullptr);
}

}  // namespace snoozr::ui
