#include "ui/win32/wiring/NavigationWiring.h"

#include <initializer_list>

namespace snoozr::ui {

namespace {

using Order = Navigator::Order;

void WireMainWindow(ProgramWindows& windows, Navigator& navigator) {
    Form1& form1 = windows.form1;
    form1.Label4.Click = [&navigator] { navigator.Exit(); };
    form1.Label8.Click = [&windows] { windows.form3.PopupFile(windows.form1.Hwnd()); };
    form1.Label9.Click = [&form1] { form1.Minimize(); };
    form1.Form_MouseDown = [&form1] { form1.DragWindow(); };
    // Closing the main window by the system (Alt+F4, the taskbar) asks the same exit question
    // as the exit hotspot; No keeps the program running.
    form1.Form_Unload = [&navigator] { navigator.Exit(); };
    windows.form3.Exit.Click = [&navigator] { navigator.Exit(); };
}

// The close box leads on to the main window as the double click does: closing the splash any
// other way would leave the program running with no window to reach it by.
void WireSplash(ProgramWindows& windows, Navigator& navigator) {
    Form& splash = windows.splash;
    splash.Form_DblClick = [&] { navigator.BackToMain(splash); };
    splash.Form_Unload = [&] { navigator.BackToMain(splash); };
}

void WireMenuWindows(ProgramWindows& windows, Navigator& navigator) {
    Form3& menu = windows.form3;
    const struct {
        Event<void()>& item;
        Form& window;
        Order order;
    } openings[] = {
        {menu.Reason.Click, windows.form2, Order::kShowFirst},
        {menu.FrontAscii.Click, windows.form4, Order::kShowFirst},
        {menu.ChangeHandle.Click, windows.form6, Order::kShowFirst},
        {menu.Help.Click, windows.form9, Order::kShowFirst},
        {menu.Contact.Click, windows.form10, Order::kHideMainFirst},
        {menu.UpChatInfo.Click, windows.form12, Order::kHideMainFirst},
    };
    for (const auto& opening : openings) {
        opening.item = [&navigator, &window = opening.window, order = opening.order] {
            navigator.OpenInsteadOfMain(window, order);
        };
    }
    // The two members of item arrays.
    menu.EndAscii.Click = [&](int) { navigator.OpenInsteadOfMain(windows.form5); };
    menu.EditAscii.Click = [&](int) { navigator.OpenInsteadOfMain(windows.form7); };

    // The close boxes of the windows the menu opens, and the done controls of those that only
    // lead back (Form6's and Form11's also act on the idle): the window keeps its contents.
    const std::initializer_list<Form*> opened = {
        &windows.form2, &windows.form4, &windows.form5,  &windows.form6,
        &windows.form7, &windows.form9, &windows.form10, &windows.form11,
    };
    for (Form* window : opened) {
        window->Form_Unload = [&navigator, window] { navigator.BackToMain(*window); };
    }
    const struct {
        Event<void()>& done;
        Form& window;
    } dones[] = {
        {windows.form2.Command1.Click, windows.form2},
        {windows.form4.Command1.Click, windows.form4},
        {windows.form5.Command1.Click, windows.form5},
        {windows.form7.Command3.Click, windows.form7},
        {windows.form7.Label1.Click, windows.form7},
        {windows.form9.Command1.Click, windows.form9},
        {windows.form10.Command1.Click, windows.form10},
    };
    for (const auto& done : dones) {
        done.done = [&navigator, &window = done.window] { navigator.BackToMain(window); };
    }
}

}  // namespace

void WireNavigation(ProgramWindows& windows, Navigator& navigator) {
    WireMainWindow(windows, navigator);
    WireSplash(windows, navigator);
    WireMenuWindows(windows, navigator);
}

}  // namespace snoozr::ui
