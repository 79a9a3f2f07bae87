// Snoozr's entry point: the Win32 adapters, the client link, the windows and the idle engine,
// wired together; then the start-up and the main loop. The program ends when the main loop
// does: everything made here is destroyed in the reverse order, the windows with their owner.

#include <windows.h>

#include "client/ClientLink.h"
#include "client/win32/Win32EventLoop.h"
#include "client/win32/Win32MessageBoxes.h"
#include "client/win32/Win32WindowServices.h"
#include "idle/IdleEngine.h"
#include "ui/win32/IdleBindings.h"
#include "ui/win32/Navigator.h"
#include "ui/win32/ProgramWindows.h"
#include "ui/win32/wiring/ClientWiring.h"
#include "ui/win32/wiring/EditorWiring.h"
#include "ui/win32/wiring/IdleWiring.h"
#include "ui/win32/wiring/NavigationWiring.h"
#include "ui/win32/wiring/UploadWiring.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace snoozr;
    Win32WindowServices windowServices;
    Win32EventLoop events;
    Win32MessageBoxes messageBoxes;
    ClientLink link(windowServices, events, messageBoxes);

    ui::ProgramWindows windows;
    ui::Navigator navigator(windows.form1);
    ui::IdleBindings bindings(windows, link);
    idle::IdleEngine engine(bindings, bindings, windows.form1.Timer1, messageBoxes, bindings,
                            events);
    ui::WireNavigation(windows, navigator);
    ui::WireIdle(windows, navigator, engine);
    ui::WireEditor(windows.form7);
    ui::WireImSwitches(windows.form3, link);
    const ui::UploadWiring upload(windows.form12, navigator, link, messageBoxes);
    events.SetMessageFilter(&ui::Form::HandleDialogKeys);

    // Form1's load step is the start-up.
    windows.form1.Load();
    return events.Run();
}
