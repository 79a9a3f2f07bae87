#pragma once
// A window of the program, built from its layout table: frame, caption, client size and
// position, backdrop, controls, lines and timers. A form is one instance for the whole run:
// its window is created on the first reference (a show, or a use of one of its controls) and
// afterwards only shown and hidden. Derived forms name their controls and map the events to
// their handlers (`Label4_Click`, `Timer1_Timer`, ...).

#include <windows.h>

#include <deque>
#include <memory>
#include <string_view>
#include <vector>

#include "ui/layout/Layout.h"
#include "ui/win32/Controls.h"
#include "ui/win32/Handle.h"
#include "ui/win32/Window.h"

namespace snoozr::ui {

class Shell;

class Form : public Window {
  public:
    Form(Shell& shell, const layout::WindowLayout& layout);

    const layout::WindowLayout& Layout() const { return layout_; }

    // Creates the window (hidden) and runs its load step, the first time only.
    void Load();
    bool Loaded() const { return Handle() != nullptr; }
    HWND Hwnd();

    void Show();
    void Hide();
    void Minimize();

    // Destroys the window at the end of the program.
    void Unload();

    // Has real child controls, which take the keyboard navigation of a dialog.
    bool HasControls() const { return !children_.empty(); }

    // The DPI the window is laid out at: the one of the monitor it is on, where the system
    // knows one for each monitor.
    int Dpi() const { return dpi_; }
    int Pixels(int twips) const;
    // The control rectangles in the client area's pixels.
    RECT PixelRect(const layout::TwipsRect& rect) const;
    void RepaintLabel(Label& label);

  protected:
    Label& LabelNamed(std::string_view name);
    TextBox& TextBoxNamed(std::string_view name);
    CommandButton& ButtonNamed(std::string_view name);
    ListBox& ListBoxNamed(std::string_view name);
    ProgressBar& ProgressBarNamed(std::string_view name);
    Timer& TimerNamed(std::string_view name);

    // Events, for the derived form to hand to its named handlers.
    virtual void OnLoad() {}
    virtual void OnMouseDown() {}  // any button pressed on the bare window, not on a label
    // The second left press of a double click on the bare window (it is no mouse-down).
    virtual void OnDoubleClick() {}
    virtual void OnLabelClick(Label&) {}
    virtual void OnCommand(ChildControl&, WORD) {}
    virtual void OnTimer(Timer&) {}
    // The close box, Alt+F4 or the taskbar's close: by default the window is hidden, keeping
    // its contents, and the main window comes back.
    virtual void OnClose();

    Shell& shell_;

  private:
    template <typename Kind>
    Kind& ChildNamed(std::string_view name);

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
    void OnActivate(WPARAM wParam);

    const layout::WindowLayout& layout_;
    int dpi_;
    std::deque<Label> labels_;  // table order: later ones lie on top
    std::vector<std::unique_ptr<ChildControl>> children_;
    std::deque<Timer> timers_;
    Bitmap picture_;  // the backdrop, painted once
    Label* pressed_ = nullptr;
    HWND lastFocus_ = nullptr;
};

}  // namespace snoozr::ui
