#include "ui/win32/forms/Form7.h"

#include "ui/layout/Layouts.h"

namespace snoozr::ui {

Form7::Form7(Shell& shell) : Form(shell, layout::kForm7) {}

void Form7::OnLabelClick(Label& label) {
    if (&label == &Label1)
        Label1_Click();
}

void Form7::OnCommand(ChildControl& control, WORD code) {
    if (&control == &Command3 && code == BN_CLICKED) {
        Command3_Click();
    } else if (&control == &List1 && code == LBN_SELCHANGE) {
        List1_Click();
    } else if (&control == &List2 && code == LBN_SELCHANGE) {
        List2_Click();
    }
}

}  // namespace snoozr::ui
