#pragma once
// The base of the program's own windows: one window procedure for all of them, which finds the
// C++ object of a window and hands it the message.

#include <windows.h>

#include "ui/win32/Handle.h"

namespace snoozr::ui {

class Window {
  public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // nullptr until the window exists, and again once it has been destroyed.
    HWND Handle() const { return window_.Get(); }

    // The object of one of the program's windows; nullptr for any other window.
    static Window* Of(HWND window);

  protected:
    Window() = default;
    // Destroys a window still open, detached first: its messages must not reach an object
    // whose derived parts are already gone.
    virtual ~Window();

    // Registers the class once per process; its procedure is this base's.
    static void RegisterClassOnce(const char* className, UINT classStyle, HICON icon,
                                  HICON smallIcon);

    // CreateWindowExA with this object as the creation parameter. The handle is known from
    // WM_NCCREATE on, so handlers run during creation can use it.
    HWND CreateFor(DWORD exStyle, const char* className, const char* caption, DWORD style, int x,
                   int y, int width, int height);

    void DestroyNow() { window_.Reset(); }

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    OwnedWindow window_;
};

}  // namespace snoozr::ui
