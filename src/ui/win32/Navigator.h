#pragma once
// Which of the program's windows is up: a window opened from the menu takes the main window's
// place and leads back to it; the exit question; the end of the program.

#include "ui/Event.h"
#include "ui/win32/Form.h"

namespace snoozr::ui {

class Navigator {
  public:
    explicit Navigator(Form& main) : main_(main) {}
    Navigator(const Navigator&) = delete;
    Navigator& operator=(const Navigator&) = delete;

    // Most windows are shown before the main window goes; some hide it first.
    enum class Order { kShowFirst, kHideMainFirst };

    // Shows `window` and hides the main window, in that order or the other.
    void OpenInsteadOfMain(Form& window, Order order = Order::kShowFirst);
    // Hides `window`, keeping its contents, and brings the main window back.
    void BackToMain(Form& window);

    // The "Exit?" question, wired by the program; true: the program ends.
    Event<bool()> ConfirmExit;
    // Asks, and ends the program on Yes. A second request while the question is up is the
    // same question, already being asked.
    void Exit();
    // Ends the program once the handlers under way have unwound: the main loop returns and
    // every window is destroyed with its owner. Waits return at once from here on.
    void EndProgram();

  private:
    Form& main_;
    bool askingExit_ = false;
};

}  // namespace snoozr::ui
