#pragma once
// The controls of a form, each a typed member of its form class made from its layout row, and
// each carrying its own events: `form1.Label7.Click = ...`, `form12.Timer1.Tick = ...`. Labels
// are windowless: the form paints them and hit-tests presses on them. Text boxes, buttons,
// list boxes and the progress bar are real child windows. Reading or changing any control
// creates its form first, so a form is created on the first reference to one of its controls.

#include <windows.h>

#include <string>
#include <string_view>

#include "client/TimerSwitch.h"
#include "ui/Event.h"
#include "ui/layout/Layout.h"

namespace snoozr::ui {

class Form;

class Label {
  public:
    Label(Form& form, const layout::ControlLayout& layout);
    Label(const Label&) = delete;
    Label& operator=(const Label&) = delete;

    const layout::ControlLayout& Layout() const { return layout_; }
    const std::string& Caption();
    void SetCaption(std::string_view caption);

    // A left press and release over the label; the second press of a double click is not one.
    Event<void()> Click;

  private:
    friend class Form;  // paints the caption without creating anything

    Form& form_;
    const layout::ControlLayout& layout_;
    std::string caption_;
};

class ChildControl {
  public:
    ChildControl(Form& form, const layout::ControlLayout& layout);
    virtual ~ChildControl() = default;
    ChildControl(const ChildControl&) = delete;
    ChildControl& operator=(const ChildControl&) = delete;

    const layout::ControlLayout& Layout() const { return layout_; }
    HWND Hwnd();

  protected:
    friend class Form;
    // Window class and styles for the child window of this kind.
    virtual const char* ClassName() const = 0;
    virtual DWORD Style() const = 0;
    virtual DWORD ExStyle() const { return 0; }
    // Called before the child window is made, for a class that must be registered first.
    virtual void LoadClass() const {}
    // Called once the child window exists, to give it its starting state.
    virtual void Created() {}
    // A notification of the child window (WM_COMMAND's code).
    virtual void Notified(WORD) {}

    Form& form_;
    const layout::ControlLayout& layout_;
    int id_ = 0;             // given by the form
    HWND window_ = nullptr;  // owned by the form's window, destroyed with it
};

class TextBox : public ChildControl {
  public:
    using ChildControl::ChildControl;
    std::string Text();
    void SetText(std::string_view text);
    // Puts the caret at the end of the text and scrolls it into view.
    void ShowEnd();

  protected:
    const char* ClassName() const override { return "EDIT"; }
    DWORD Style() const override;
    DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
};

class CommandButton : public ChildControl {
  public:
    using ChildControl::ChildControl;

    Event<void()> Click;

  protected:
    const char* ClassName() const override { return "BUTTON"; }
    DWORD Style() const override;
    void Notified(WORD code) override;
};

class ListBox : public ChildControl {
  public:
    using ChildControl::ChildControl;
    void AddItem(std::string_view text);
    int ListCount();
    int ListIndex();  // -1 when nothing is selected
    std::string List(int index);

    // A click on an entry, or the selection moved by the keyboard.
    Event<void()> Click;

  protected:
    const char* ClassName() const override { return "LISTBOX"; }
    DWORD Style() const override;
    DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
    void Notified(WORD code) override;
};

// Range 0 to 100, a red bar on black.
class ProgressBar : public ChildControl {
  public:
    using ChildControl::ChildControl;
    void SetValue(int value);
    int Value();

  protected:
    const char* ClassName() const override;
    DWORD Style() const override;
    void LoadClass() const override;
    void Created() override;
};

class Timer : public TimerSwitch {
  public:
    Timer(Form& form, const layout::TimerLayout& layout);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const layout::TimerLayout& Layout() const { return layout_; }
    UINT_PTR Id() const { return id_; }  // the window's WM_TIMER id
    void Enable() override;
    void Disable() override;
    bool IsEnabled() const override { return enabled_; }

    // One interval has passed while the timer is on.
    Event<void()> Tick;

  private:
    friend class Form;
    void Start() const;

    Form& form_;
    const layout::TimerLayout& layout_;
    UINT_PTR id_ = 0;  // given by the form
    bool enabled_;
};

}  // namespace snoozr::ui
