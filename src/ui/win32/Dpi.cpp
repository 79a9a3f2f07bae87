#include "ui/win32/Dpi.h"

#include "ui/win32/GdiGuards.h"
#include "ui/win32/SystemFunction.h"

namespace snoozr::ui {

namespace {

// Windows 10 1607.
using GetDpiForWindowFunction = UINT WINAPI(HWND);
// Windows 8.1 (shcore.dll); 0 is MDT_EFFECTIVE_DPI.
using GetDpiForMonitorFunction = HRESULT WINAPI(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0;

}  // namespace

int SystemDpi() {
    const WindowDc screen(nullptr);
    return GetDeviceCaps(screen.Dc(), LOGPIXELSY);
}

int WindowDpi(HWND window) {
    // Each is looked up once, when first needed; nullptr where the system has none. Where
    // the first is found, shcore.dll is never loaded.
    static GetDpiForWindowFunction* const getDpiForWindow =
        SystemFunction<GetDpiForWindowFunction>("user32.dll", "GetDpiForWindow");
    if (getDpiForWindow != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0)
            return static_cast<int>(dpi);
    }
    static GetDpiForMonitorFunction* const getDpiForMonitor =
        SystemFunction<GetDpiForMonitorFunction>("shcore.dll", "GetDpiForMonitor");
    if (getDpiForMonitor != nullptr) {
        UINT x = 0;
        UINT y = 0;
        const HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
        if (SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &x, &y)) && y != 0)
            return static_cast<int>(y);
    }
    return SystemDpi();
}

}  // namespace snoozr::ui
