#include "ui/win32/wiring/IdleWiring.h"

namespace snoozr::ui {

void WireIdle(ProgramWindows& windows, Navigator& navigator, idle::IdleEngine& engine) {
    Form1& form1 = windows.form1;
    // The start-up: the banners reach the chat before any window of the program is visible.
    form1.Form_Load = [&] {
        engine.SendLoadBanners();
        navigator.OpenInsteadOfMain(windows.splash);
    };
    form1.Label7.Click = [&engine] { engine.Start(); };
    form1.Label6.Click = [&engine] { engine.Stop(); };
    form1.Timer1.Tick = [&engine] { engine.Tick(); };
    windows.form11.Command1.Click = [&engine] { engine.ConfirmStop(); };
    // The handle is announced once the dialog has gone and the main window is back.
    windows.form6.Command1.Click = [&] {
        navigator.BackToMain(windows.form6);
        engine.AnnounceHandle();
    };
    windows.form3.Adv.Click = [&engine] { engine.Advertise(); };
    windows.form3.BragStats.Click = [&engine] { engine.BragStats(); };
    navigator.ConfirmExit = [&engine] { return engine.ConfirmExit(); };
}

}  // namespace snoozr::ui
