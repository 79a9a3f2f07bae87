#pragma once
// The DPI each window of the program is laid out for. The program declares itself
// per-monitor DPI-aware (v2): on Windows 10 and 11 every window follows the DPI of the
// monitor it is on and is laid out again when moved to a monitor of another DPI; Windows 8.1
// does the same with the first version of per-monitor awareness; Windows Vista to 8 give the
// system DPI; Windows XP has no DPI awareness at all and its programs draw at the system DPI
// as they are (96 unless the user has chosen larger fonts).

#include <windows.h>

namespace snoozr::ui {

// WM_DPICHANGED, which the XP headers do not name: wParam carries the new DPI, lParam the
// window rectangle the system suggests for it.
constexpr UINT kDpiChangedMessage = 0x02E0;

// The DPI of the screen as a whole.
int SystemDpi();

// The DPI of the monitor a window is on, where the system has per-monitor DPI; otherwise the
// system DPI.
int WindowDpi(HWND window);

}  // namespace snoozr::ui
