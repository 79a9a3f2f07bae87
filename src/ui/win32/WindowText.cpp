#include "ui/win32/WindowText.h"

namespace snoozr::ui {

std::string ReadWindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0)
        return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

void WriteWindowText(HWND window, std::string_view text) {
    const std::string terminated(text);
    SetWindowTextA(window, terminated.c_str());
}

}  // namespace snoozr::ui
