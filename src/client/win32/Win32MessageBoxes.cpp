#include "Win32MessageBoxes.h"

#include <windows.h>

#include <string>

namespace snoozr {

int Win32MessageBoxes::Show(std::string_view text, std::string_view caption, unsigned style) {
    const std::string body(text);
    const std::string title(caption);
    HWND owner = GetActiveWindow();
    // Without an active window of ours the box could open behind our topmost windows.
    const UINT placement = owner == nullptr ? MB_TOPMOST | MB_SETFOREGROUND | MB_TASKMODAL : 0;
    return MessageBoxA(owner, body.c_str(), title.c_str(), style | placement);
}

}  // namespace snoozr
