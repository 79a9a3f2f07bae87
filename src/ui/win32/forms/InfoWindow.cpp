#include "ui/win32/forms/InfoWindow.h"

#include "client/win32/Win32WindowServices.h"
#include "ui/win32/Shell.h"

namespace snoozr::ui {

InfoWindow::InfoWindow(Shell& shell, const layout::WindowLayout& layout) : Form(shell, layout) {}

void InfoWindow::Form_Load() {
    shell_.Link().StayOnTop(FromHwnd(Handle()));
}

void InfoWindow::OnCommand(ChildControl& control, WORD code) {
    if (&control == &Command1 && code == BN_CLICKED)
        Command1_Click();
}

}  // namespace snoozr::ui
