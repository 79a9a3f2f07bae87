#pragma once
// The five one-field dialogs (Form2, Form4, Form5, Form6, Form11): a text box that holds one
// profile text for the whole run, and a "K im done" button.

#include "ui/layout/Layouts.h"
#include "ui/win32/Form.h"

namespace snoozr::ui {

class OneFieldDialog : public Form {
  public:
    OneFieldDialog(FormResources& resources, const layout::WindowLayout& window,
                   const layout::OneFieldRows& rows)
        : Form(resources, window), Text1(*this, rows.Text1), Command1(*this, rows.Command1) {}

    TextBox Text1;
    CommandButton Command1;  // "K im done"
};

}  // namespace snoozr::ui
