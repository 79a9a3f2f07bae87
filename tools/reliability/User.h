#pragma once
// A user at snoozr.exe for a whole reliability run: every action is real input through the
// program driver, followed by a wait, in real time, for the program's answer. An answer that
// takes over 5 s (or never comes) counts as a hang; the process gone counts as a crash.
//
// Wine's own timeouts (waits, SendMessageTimeout) follow the wineserver's clock, which the run
// speeds up; so every wait here is measured on this process's own clock, and the question
// "does the main window answer" is asked on a thread of its own without a timeout.

#include <windows.h>

#include <functional>
#include <string>

#include "ui/layout/Layouts.h"
#include "wine/support/ProgramDriver.h"
#include "wine/support/WineHarness.h"

namespace snoozr::reliability {

class User {
  public:
    User(wine::Snoozr& program, wine::ProgramDriver& driver) : program_(program), driver_(driver) {}

    // One action: `act`, then the wait until `answered` holds. False when the program has gone
    // or has not answered at all; a slow answer still counts as done.
    bool Act(const std::string& what, const std::function<void()>& act,
             const std::function<bool()>& answered);
    // The program's main window answers a message (its thread runs its message loop).
    bool Answers();

    // A window shown in the main window's place, `fill` done in it (when given), and back
    // through its done control.
    bool OpenAndClose(const wine::MenuPath& path, const ui::layout::WindowLayout& window,
                      const char* done, const std::function<void(HWND)>& fill = {});
    // A menu item that opens no window of its own.
    bool ChooseItem(const wine::MenuPath& path);
    // Types over the text in a dialog's text box.
    static void TypeInto(HWND dialog, const ui::layout::WindowLayout& layout,
                         const std::string& text);

    // Answers the program's notices ("Snoozr 2.5", "Notice") with OK; how many there were.
    int AnswerNotices();

    bool Alive() const { return program_.Proc().Running(); }
    int Actions() const { return actions_; }
    int Hangs() const { return hangs_; }
    // The slowest answer so far, in milliseconds, and what it answered.
    unsigned long long Slowest() const { return slowestMs_; }
    const std::string& SlowestAction() const { return slowest_; }

  private:
    wine::Snoozr& program_;
    wine::ProgramDriver& driver_;
    int actions_ = 0;
    int hangs_ = 0;
    unsigned long long slowestMs_ = 0;
    std::string slowest_;
};

}  // namespace snoozr::reliability
