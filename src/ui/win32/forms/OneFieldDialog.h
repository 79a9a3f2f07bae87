#pragma once
// The five one-field dialogs (Form2, Form4, Form5, Form6, Form11): a text box that holds one
// profile text for the whole run, and a "K im done" button.

#include "ui/Event.h"
#include "ui/win32/Form.h"

namespace snoozr::ui {

class OneFieldDialog : public Form {
  public:
    // Form11 is the one dialog that does not make itself topmost when loaded.
    OneFieldDialog(Shell& shell, const layout::WindowLayout& layout, bool topmostOnLoad);

    TextBox& Text1 = TextBoxNamed("Text1");
    CommandButton& Command1 = ButtonNamed("Command1");

    Event<void()> Command1_Click;  // "K im done", wired by the program

    void Form_Load();

  private:
    void OnLoad() override { Form_Load(); }
    void OnCommand(ChildControl& control, WORD code) override;

    bool topmostOnLoad_;
};

}  // namespace snoozr::ui
