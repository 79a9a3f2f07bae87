#pragma once
// A timer that is only switched on and off, for any of the program's timer interfaces (the
// idle clock's, the upload poll's): tests and benchmarks tick the code themselves.

namespace snoozr::test {

template <class TimerInterface>
class OnOffTimer final : public TimerInterface {
  public:
    void Enable() override { enabled_ = true; }
    void Disable() override { enabled_ = false; }
    bool IsEnabled() const override { return enabled_; }

  private:
    bool enabled_ = false;
};

}  // namespace snoozr::test
