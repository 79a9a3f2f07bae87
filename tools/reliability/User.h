#pragma once
// A user at snoozr.exe for a whole reliability run: every action is real input through the
// program driver, followed by a wait, in real time, for the program's answer. An answer that
// takes over 5 s (or never comes) counts as a hang; the process gone counts as a crash.
//
// Every wait is measured on this process's own clock, and messages to the program are sent on a
// thread of their own without a timeout: a program that never answers holds that thread, not
// the run.

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

    // Whether an action is done again while it waits: never (a notice that comes up is only
    // answered), after a notice of the program's (a click the notice kept from its window), or
    // also when it has had no effect for a while although the program answers.
    enum class Again { kNever, kAfterNotice, kAfterNoticeOrSilence };

    // One action: `act`, then the wait until `answered` holds. False when the program has gone
    // or has not answered at all; a slow answer still counts as done.
    bool Act(const std::string& what, const std::function<void()>& act,
             const std::function<bool()>& answered, Again again = Again::kNever);
    // A click at a control (see Click) as one action.
    bool ClickAndWait(const std::string& what, HWND window, const ui::layout::WindowLayout& layout,
                      const char* control, const std::function<bool()>& answered,
                      Again again = Again::kAfterNotice);
    // The program's main window answers a message (its thread runs its message loop).
    bool Answers();
    // Sends the main window a message as an action of its own: true once it has been handled.
    bool Sends(const std::string& what, UINT message, WPARAM wParam, LPARAM lParam);

    // Real mouse input at a control of one of the program's windows; the window comes to the
    // front first when something else covers that spot, as a user would bring it there (the
    // client's windows come and go over it).
    static void Click(HWND window, const ui::layout::WindowLayout& layout, const char* control);
    // The window in front of the others and active, as a user's click on it would make it.
    static void BringToFront(HWND window);

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
    // All the notices answered so far, in actions or while they waited.
    int Notices() const { return notices_; }
    // The actions done again.
    int Repeated() const { return again_; }

    bool Alive() const { return program_.Proc().Running(); }
    int Actions() const { return actions_; }
    int Hangs() const { return hangs_; }
    // The slowest answer so far, in milliseconds, and what it answered.
    unsigned long long Slowest() const { return slowestMs_; }
    const std::string& SlowestAction() const { return slowest_; }

  private:
    // What the screen shows when an action goes wrong: whether the program answers, the
    // foreground window, the program's shown windows.
    void Report();
    // One of the program's notices on screen, or nullptr; answering one, true once it has gone.
    HWND Notice() const;
    bool AnswerNotice(HWND notice);

    wine::Snoozr& program_;
    wine::ProgramDriver& driver_;
    int actions_ = 0;
    int hangs_ = 0;
    int notices_ = 0;
    int again_ = 0;
    unsigned long long slowestMs_ = 0;
    std::string slowest_;
};

}  // namespace snoozr::reliability
