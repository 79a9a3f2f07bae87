#include "ui/win32/wiring/IdleWiring.h"

namespace snoozr::ui {

namespace {

// A profile dialog opened from the menu takes the main window's place on screen.
void OpenInsteadOfMain(Shell& shell, OneFieldDialog& dialog) {
    dialog.Show();
    shell.form1.Hide();
}

// "K im done" of a profile dialog: the text stays in the box, the main window comes back.
void DoneBackToMain(Shell& shell, OneFieldDialog& dialog) {
    dialog.Hide();
    shell.ShowMain();
}

}  // namespace

void WireIdle(Shell& shell, idle::IdleEngine& engine) {
    Form1& form1 = shell.form1;
    form1.Label7_Click = [&engine] { engine.Start(); };
    form1.Label6_Click = [&engine] { engine.Stop(); };
    form1.Timer1_Timer = [&engine] { engine.Tick(); };
    shell.form11.Command1_Click = [&engine] { engine.ConfirmStop(); };

    for (OneFieldDialog* dialog : {&shell.form2, &shell.form4, &shell.form5}) {
        dialog->Command1_Click = [&shell, dialog] { DoneBackToMain(shell, *dialog); };
    }
    shell.form6.Command1_Click = [&shell, &engine] {
        DoneBackToMain(shell, shell.form6);
        engine.AnnounceHandle();
    };

    Form3& menu = shell.form3;
    menu.Adv_Click = [&engine] { engine.Advertise(); };
    menu.BragStats_Click = [&engine] { engine.BragStats(); };
    menu.Reason_Click = [&shell] { OpenInsteadOfMain(shell, shell.form2); };
    menu.FrontAscii_Click = [&shell] { OpenInsteadOfMain(shell, shell.form4); };
    menu.EndAscii_Click = [&shell](int) { OpenInsteadOfMain(shell, shell.form5); };
    menu.ChangeHandle_Click = [&shell] { OpenInsteadOfMain(shell, shell.form6); };
}

}  // namespace snoozr::ui
