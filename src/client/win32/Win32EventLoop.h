#pragma once
// The program's one event loop: the main loop and every wait inside a handler dispatch through
// here, so modeless dialogs get their keyboard handling everywhere. The program ends with
// WM_QUIT (PostQuitMessage): a wait that meets it puts it back for the loop below it and
// returns, so it reaches the main loop however deeply the handlers were nested.

#include <windows.h>

#include <functional>

#include "client/EventLoop.h"

namespace snoozr {

class Win32EventLoop : public EventLoop {
  public:
    // Returns true when it has handled the message itself (for instance IsDialogMessage).
    using MessageFilter = std::function<bool(MSG&)>;

    void SetMessageFilter(MessageFilter filter) { filter_ = std::move(filter); }

    // The main loop, until WM_QUIT; returns its exit code.
    int Run();

    MonoTime Now() const override { return MonoClock::now(); }
    double SecondsSinceMidnight() const override;
    void DispatchPending() override;
    void WaitForEvents(MonoTime deadline) override;
    bool Ending() const override { return ending_; }

  private:
    void Dispatch(MSG& message);

    MessageFilter filter_;
    bool ending_ = false;
};

}  // namespace snoozr
