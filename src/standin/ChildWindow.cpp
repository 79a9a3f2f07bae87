#include "ChildWindow.h"
#include "WindowClass.h"

namespace standin {

namespace {

ChildWindow* Behaviour(HWND window) {
    return reinterpret_cast<ChildWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            auto* mdi = static_cast<MDICREATESTRUCTA*>(create->lpCreateParams);
            auto* behaviour = reinterpret_cast<ChildWindow*>(mdi->lParam);
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(behaviour));
            behaviour->Create(window);
            break;
        }
        case WM_SIZE:
            if (ChildWindow* behaviour = Behaviour(window))
                behaviour->Layout(LOWORD(lParam), HIWORD(lParam));
            break;  // DefMDIChildProc needs WM_SIZE too
        case WM_COMMAND:
            if (ChildWindow* behaviour = Behaviour(window)) {
                behaviour->Command(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
                return 0;
            }
            break;
        case WM_NCDESTROY: {
            std::unique_ptr<ChildWindow> owned(Behaviour(window));
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            break;
        }
        default:
            if (ChildWindow* behaviour = Behaviour(window);
                behaviour != nullptr && behaviour->Other(message, wParam, lParam)) {
                return 0;
            }
            break;
    }
    return DefMDIChildProcA(window, message, wParam, lParam);
}

}  // namespace

void RegisterChildClass(HINSTANCE instance) {
    RegisterWindowClass(instance, "AOL Child", ChildProc, GetSysColorBrush(COLOR_BTNFACE));
}

HWND OpenChild(HWND mdiArea, const char* caption, std::unique_ptr<ChildWindow> behaviour) {
    MDICREATESTRUCTA create{};
    create.szClass = "AOL Child";
    create.szTitle = caption;
    create.hOwner = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(mdiArea, GWLP_HINSTANCE));
    create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
    create.style = WS_VISIBLE;
    create.lParam = reinterpret_cast<LPARAM>(behaviour.get());
    HWND window = reinterpret_cast<HWND>(
        SendMessageA(mdiArea, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    if (window != nullptr)
        behaviour.release();  // the window owns it now
    return window;
}

}  // namespace standin
