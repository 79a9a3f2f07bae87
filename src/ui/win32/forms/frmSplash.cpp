#include "ui/win32/forms/frmSplash.h"

#include "client/win32/Win32WindowServices.h"
#include "ui/layout/Layouts.h"
#include "ui/win32/Shell.h"

namespace snoozr::ui {

frmSplash::frmSplash(Shell& shell) : Form(shell, layout::kFrmSplash) {}

void frmSplash::Form_Load() {
    shell_.Link().StayOnTop(FromHwnd(Handle()));
}

void frmSplash::Form_DblClick() {
    Hide();
    shell_.form1.Show();
}

// The close box leads on to the main window as the double click does: closing the splash
// any other way would leave the program running with no window to reach it by.
void frmSplash::OnClose() {
    Form_DblClick();
}

}  // namespace snoozr::ui
