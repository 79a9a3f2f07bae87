#pragma once
// The user interface shell: every window of the program, each a single instance created on
// its first reference, plus the start-up and the end of the program.

#include <windows.h>

#include <array>

#include "client/ClientLink.h"
#include "ui/Event.h"
#include "ui/win32/Resources.h"
#include "ui/win32/forms/Form1.h"
#include "ui/win32/forms/Form12.h"
#include "ui/win32/forms/Form3.h"
#include "ui/win32/forms/Form7.h"
#include "ui/win32/forms/InfoWindow.h"
#include "ui/win32/forms/OneFieldDialog.h"
#include "ui/win32/forms/frmSplash.h"

namespace snoozr::ui {

class Shell {
  public:
    explicit Shell(ClientLink& link);
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    ClientLink& Link() { return link_; }
    FormResources& Resources() { return resources_; }

  private:
    // Declared before the windows, which use them from their creation on.
    ClientLink& link_;
    FormResources resources_;

  public:
    Form1 form1;
    frmSplash splash;
    OneFieldDialog form2;   // idle reason
    Form3 form3;            // the options menu
    OneFieldDialog form4;   // front decoration
    OneFieldDialog form5;   // end decoration
    OneFieldDialog form6;   // handle
    Form7 form7;            // decoration editor
    InfoWindow form9;       // newbie help
    InfoWindow form10;      // contact
    OneFieldDialog form11;  // stop reason
    Form12 form12;          // upload companion

    // The idle engine's part of the start-up and of the exit, wired by the program.
    Event<void()> SendLoadBanners;
    Event<bool()> ConfirmExit;  // the "Exit?" question; true: the program ends

    // Creates Form1, whose load step is the start-up.
    void Start();
    void ShowMain() { form1.Show(); }

    // The exit hotspot, the menu's "Exit" and the system's close of the main window.
    void ExitFlow();
    // Destroys every window of the program and ends the process. It may be reached inside a
    // nested wait or modal loop, where a WM_QUIT would never get back to the main loop.
    [[noreturn]] void EndProgram();

    // Keyboard navigation (Tab, arrow keys) inside the windows with controls; true when the
    // message has been handled.
    bool PreTranslate(MSG& message);

  private:
    std::array<Form*, 12> Forms();

    bool askingExit_ = false;
};

}  // namespace snoozr::ui
