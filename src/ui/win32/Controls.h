#pragma once
// The controls of a form, as its layout table describes them. Labels are windowless: the form
// paints them and hit-tests presses on them. Text boxes, buttons, list boxes and the progress
// bar are real child windows. Reading or changing any control creates its form first, so a
// form is created on the first reference to one of its controls.

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/layout/Layout.h"

namespace snoozr::ui {

class Form;

class Label {
  public:
    Label(Form& form, const layout::ControlLayout& layout)
        : form_(form), layout_(layout), caption_(layout.text) {}

    const layout::ControlLayout& Layout() const { return layout_; }
    const std::string& Caption();
    void SetCaption(std::string_view caption);

  private:
    friend class Form;  // paints the caption without creating anything

    Form& form_;
    const layout::ControlLayout& layout_;
    std::string caption_;
};

class ChildControl {
  public:
    ChildControl(Form& form, const layout::ControlLayout& layout, int id)
        : form_(form), layout_(layout), id_(id) {}
    virtual ~ChildControl() = default;
    ChildControl(const ChildControl&) = delete;
    ChildControl& operator=(const ChildControl&) = delete;

    const layout::ControlLayout& Layout() const { return layout_; }
    int Id() const { return id_; }
    HWND Hwnd();

    // Window class and styles for the child window of this kind.
    const char* ClassName() const;
    DWORD Style() const;
    DWORD ExStyle() const;

  protected:
    friend class Form;
    // Called before the child window is made, for a class that must be registered first.
    virtual void LoadClass() const {}
    // Called once the child window exists, to give it its starting state.
    virtual void Created() {}

    Form& form_;
    const layout::ControlLayout& layout_;
    int id_;
    HWND window_ = nullptr;  // owned by the form's window, destroyed with it
};

class TextBox : public ChildControl {
  public:
    using ChildControl::ChildControl;
    std::string Text();
    void SetText(std::string_view text);
};

class CommandButton : public ChildControl {
  public:
    using ChildControl::ChildControl;
};

class ListBox : public ChildControl {
  public:
    using ChildControl::ChildControl;
    void AddItem(std::string_view text);
    int ListCount();
    int ListIndex();  // -1 when nothing is selected
    std::string List(int index);
};

// Range 0 to 100, a red bar on black.
class ProgressBar : public ChildControl {
  public:
    using ChildControl::ChildControl;
    void SetValue(int value);
    int Value();

  protected:
    void LoadClass() const override;
    void Created() override;
};

class Timer {
  public:
    Timer(Form& form, const layout::TimerLayout& layout, UINT_PTR id)
        : form_(form), layout_(layout), id_(id), enabled_(layout.enabled) {}

    const layout::TimerLayout& Layout() const { return layout_; }
    UINT_PTR Id() const { return id_; }
    // Enabling a running timer leaves its countdown where it is.
    void Enable();
    void Disable();
    bool IsEnabled() const { return enabled_; }

  private:
    friend class Form;
    void Start(HWND window) const;

    Form& form_;
    const layout::TimerLayout& layout_;
    UINT_PTR id_;
    bool enabled_;
};

}  // namespace snoozr::ui
