// Snoozr's entry point: the Win32 adapters, the client link, the windows and the idle engine,
// wired together; then the start-up and the main loop.

#include <windows.h>

#include "client/ClientLink.h"
#include "client/win32/Win32EventLoop.h"
#include "client/win32/Win32MessageBoxes.h"
#include "client/win32/Win32WindowServices.h"
#include "idle/IdleEngine.h"
#include "ui/win32/IdleBindings.h"
#include "ui/win32/Shell.h"
#include "ui/win32/wiring/IdleWiring.h"
#include "ui/win32/wiring/MenuWiring.h"
#include "ui/win32/wiring/UploadWiring.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace snoozr;
    Win32WindowServices windows;
    Win32EventLoop events;
    Win32MessageBoxes messageBoxes;
    ClientLink link(windows, events, messageBoxes);
    ui::Shell shell(link);
    ui::IdleBindings bindings(shell, link);
    idle::IdleEngine engine(bindings, bindings, bindings, messageBoxes, bindings, events);

    shell.SendLoadBanners = [&engine] { engine.SendLoadBanners(); };
    shell.ConfirmExit = [&engine] { return engine.ConfirmExit(); };
    ui::WireIdle(shell, engine);
    ui::WireMenuWindows(shell, link);
    events.SetMessageFilter([&shell](MSG& message) { return shell.PreTranslate(message); });

    const auto upload = ui::WireUpload(shell, link, messageBoxes);
    shell.Start();
    return events.Run();
}
