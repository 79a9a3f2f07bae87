#include "ui/win32/forms/OneFieldDialog.h"

#include "client/win32/Win32WindowServices.h"
#include "ui/win32/Shell.h"

namespace snoozr::ui {

OneFieldDialog::OneFieldDialog(Shell& shell, const layout::WindowLayout& layout, bool topmostOnLoad)
    : Form(shell, layout), topmostOnLoad_(topmostOnLoad) {}

void OneFieldDialog::Form_Load() {
    if (topmostOnLoad_)
        shell_.Link().StayOnTop(FromHwnd(Handle()));
}

void OneFieldDialog::OnCommand(ChildControl& control, WORD code) {
    if (&control == &Command1 && code == BN_CLICKED)
        Command1_Click();
}

}  // namespace snoozr::ui
