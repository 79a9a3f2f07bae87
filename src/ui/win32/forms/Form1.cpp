#include "ui/win32/forms/Form1.h"

#include "client/win32/Win32WindowServices.h"
#include "ui/layout/Layouts.h"
#include "ui/win32/Shell.h"

namespace snoozr::ui {

Form1::Form1(Shell& shell) : Form(shell, layout::kForm1) {}

void Form1::Form_Load() {
    // The start-up: the banners reach the chat before any window of the program is visible.
    shell_.Link().StayOnTop(FromHwnd(Handle()));
    shell_.SendLoadBanners();
    shell_.splash.Show();
    Hide();
}

void Form1::Form_MouseDown() {
    shell_.Link().DragWindow(FromHwnd(Handle()));
}

void Form1::Label4_Click() {
    shell_.ExitFlow();
}

void Form1::Label8_Click() {
    shell_.form3.PopupFile(Handle());
}

void Form1::Label9_Click() {
    Minimize();
}

void Form1::OnLabelClick(Label& label) {
    if (&label == &Label4) {
        Label4_Click();
    } else if (&label == &Label6) {
        Label6_Click();
    } else if (&label == &Label7) {
        Label7_Click();
    } else if (&label == &Label8) {
        Label8_Click();
    } else if (&label == &Label9) {
        Label9_Click();
    }
}

void Form1::OnTimer(Timer& timer) {
    if (&timer == &Timer1)
        Timer1_Timer();
}

// Closing the main window by the system (Alt+F4, the taskbar) asks the same exit question as
// the exit hotspot; No keeps the program running.
void Form1::OnClose() {
    shell_.ExitFlow();
}

}  // namespace snoozr::ui
