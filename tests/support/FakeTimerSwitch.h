#pragma once
// A window timer that only remembers whether it is switched on.

#include "client/TimerSwitch.h"

namespace snoozr::test {

class FakeTimerSwitch : public TimerSwitch {
  public:
    void Enable() override { enabled_ = true; }
    void Disable() override { enabled_ = false; }
    bool IsEnabled() const override { return enabled_; }

  private:
    bool enabled_ = false;
};

}  // namespace snoozr::test
