#pragma once
// Form7, the borderless decoration editor: two lists of preset pieces, the composition line,
// a done button and the "X" close mark.

#include "ui/Event.h"
#include "ui/win32/Form.h"

namespace snoozr::ui {

class Form7 : public Form {
  public:
    explicit Form7(Shell& shell);

    ListBox& List1 = ListBoxNamed("List1");
    ListBox& List2 = ListBoxNamed("List2");
    TextBox& Text1 = TextBoxNamed("Text1");
    CommandButton& Command3 = ButtonNamed("Command3");
    Label& Label1 = LabelNamed("Label1");

    // Wired by the program.
    Event<void()> Form_Load;
    Event<void()> List1_Click;  // a click on an entry, or the selection moved by the keyboard
    Event<void()> List2_Click;
    Event<void()> Command3_Click;
    Event<void()> Label1_Click;

  private:
    void OnLoad() override { Form_Load(); }
    void OnLabelClick(Label& label) override;
    void OnCommand(ChildControl& control, WORD code) override;
};

}  // namespace snoozr::ui
