#pragma once
// A window of the program, built from its layout table: frame, caption, client size and
// position, backdrop, controls, lines and timers. A form is one instance for the whole run:
// its window is created on the first reference (a show, or a use of one of its controls) and
// afterwards only shown and hidden. A form class names its controls as typed members; the
// form raises their events and its own (`Form_Load`, `Form_MouseDown`, ...), which the
// program wires to its actions.

#include <windows.h>

#include <vector>

#include "ui/Event.h"
#include "ui/layout/Layout.h"
#include "ui/win32/Controls.h"
#include "ui/win32/Handle.h"
#include "ui/win32/Resources.h"
#include "ui/win32/Window.h"

namespace snoozr::ui {

class Form : public Window {
  public:
    Form(FormResources& resources, const layout::WindowLayout& layout);

    const layout::WindowLayout& Layout() const { return layout_; }

    // Creates the window (hidden) and runs its load step, the first time only.
    void Load();
    bool Loaded() const { return Handle() != nullptr; }
    HWND Hwnd();

    void Show();
    void Hide();
    void Minimize();
    // Keeps the window above all ordinary windows.
    void StayOnTop();
    // Lets the user move the window with the mouse from a press anywhere on it; returns once
    // the move has ended.
    void DragWindow();

    // The DPI the window is laid out at: the one of the monitor it is on, where the system
    // knows one for each monitor.
    int Dpi() const { return dpi_; }
    int Pixels(int twips) const;
    // The control rectangles in the client area's pixels.
    RECT PixelRect(const layout::TwipsRect& rect) const;
    void RepaintLabel(Label& label);

    // Keyboard navigation (Tab, arrow keys) inside the program's windows that have controls;
    // true when the message has been handled.
    static bool HandleDialogKeys(MSG& message);

    Event<void()> Form_Load;
    Event<void()> Form_MouseDown;  // any button pressed on the bare window, not on a label
    // The second left press of a double click on the bare window (it is no mouse-down).
    Event<void()> Form_DblClick;
    // The close box, Alt+F4 or the taskbar's close; unwired, the window is hidden.
    Event<void()> Form_Unload;

  private:
    friend class Label;
    friend class ChildControl;
    friend class Timer;
    void Adopt(Label& label);
    void Adopt(ChildControl& child);
    void Adopt(Timer& timer);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Create();
    void CreateChildren();
    // The window's rectangle for its layout at the current DPI, placed at its start position.
    RECT FrameBounds() const;
    // Lays the window out again at `dpi`, its top-left corner at `topLeft`.
    void ApplyDpi(int dpi, POINT topLeft);
    void Paint();
    void PaintContent(HDC dc, const RECT& client);
    void PaintPicture(HDC dc);
    void PaintLabel(HDC dc, const Label& label);
    Label* LabelAt(POINT point);
    void OnPress(UINT message, POINT point);
    void OnRelease(POINT point);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnTimer(WPARAM id);
    void OnActivate(WPARAM wParam);

    FormResources& resources_;
    const layout::WindowLayout& layout_;
    int dpi_;
    std::vector<Label*> labels_;           // z-order: later ones lie on top
    std::vector<ChildControl*> children_;  // tab order
    std::vector<Timer*> timers_;
    Bitmap picture_;  // the backdrop, painted once
    Label* pressed_ = nullptr;
    HWND lastFocus_ = nullptr;
};

}  // namespace snoozr::ui
