#pragma once
// A timer of one of the program's windows as its owner sees it: switched on and off, its ticks
// going to the handler wired to it. Switching on a timer that runs leaves its countdown where
// it is.

namespace snoozr {

class TimerSwitch {
  public:
    virtual ~TimerSwitch() = default;
    virtual void Enable() = 0;
    virtual void Disable() = 0;
    virtual bool IsEnabled() const = 0;
};

}  // namespace snoozr
