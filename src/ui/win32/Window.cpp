#include "ui/win32/Window.h"

namespace snoozr::ui {

Window::~Window() {
    if (const HWND window = window_.Release()) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
}

void Window::RegisterClassOnce(const char* className, UINT classStyle, HICON icon,
                               HICON smallIcon) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExA(instance, className, &existing))
        return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = &Window::Procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);
}

HWND Window::CreateFor(DWORD exStyle, const char* className, const char* caption, DWORD style,
                       int x, int y, int width, int height) {
    CreateWindowExA(exStyle, className, caption, style, x, y, width, height, nullptr, nullptr,
                    GetModuleHandleA(nullptr), this);
    return window_.Get();
}

Window* Window::Of(HWND window) {
    // Another class's window keeps its own data where ours keep the object: only a window
    // with our procedure is asked.
    if (window == nullptr ||
        GetWindowLongPtrA(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Procedure)) {
        return nullptr;
    }
    return reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window_.Get(), message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_.Reset(window);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    // Messages such as WM_GETMINMAXINFO arrive before WM_NCCREATE: no object yet.
    if (self == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The system destroys the window now; the object must not destroy it a second time.
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_.Release();
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

}  // namespace snoozr::ui
