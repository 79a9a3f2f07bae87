#include "ui/win32/forms/Form12.h"

#include "ui/layout/Layouts.h"

namespace snoozr::ui {

Form12::Form12(Shell& shell) : Form(shell, layout::kForm12) {}

void Form12::OnLabelClick(Label& label) {
    if (&label == &Label5) {
        Label5_Click();
    } else if (&label == &Label6) {
        Label6_Click();
    } else if (&label == &Label7) {
        Label7_Click();
    }
}

void Form12::OnTimer(Timer& timer) {
    if (&timer == &Timer1) {
        Timer1_Timer();
    } else if (&timer == &Timer2) {
        Timer2_Timer();
    }
}

}  // namespace snoozr::ui
