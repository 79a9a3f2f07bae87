#include "ui/win32/forms/Form7.h"

#include "ui/layout/Layouts.h"

namespace snoozr::ui {

namespace {

// A list reports each click on an entry with a selection change, also on the entry already
// selected, except the second click of a double click, which it reports as a double click.
bool IsEntryClick(WORD code) {
    return code == LBN_SELCHANGE || code == LBN_DBLCLK;
}

}  // namespace

Form7::Form7(Shell& shell) : Form(shell, layout::kForm7) {}

void Form7::OnLabelClick(Label& label) {
    if (&label == &Label1)
        Label1_Click();
}

void Form7::OnCommand(ChildControl& control, WORD code) {
    if (&control == &Command3 && code == BN_CLICKED) {
        Command3_Click();
    } else if (&control == &List1 && IsEntryClick(code)) {
        List1_Click();
    } else if (&control == &List2 && IsEntryClick(code)) {
        List2_Click();
    }
}

}  // namespace snoozr::ui
