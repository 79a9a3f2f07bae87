#pragma once
// Timer1 of Form12: the upload progress poll, one tick every 200 ms while switched on.

namespace snoozr::upload {

class PollTimer {
  public:
    virtual ~PollTimer() = default;
    virtual void Enable() = 0;
    virtual void Disable() = 0;
    virtual bool IsEnabled() const = 0;
};

}  // namespace snoozr::upload
