#pragma once
// A named event of a window (`Label7_Click`, `Timer1_Timer`, ...) that the program wires to
// its action in one line: `form1.Label7_Click = [&] { engine.Start(); };`. Raising an event
// nobody wired does nothing and gives a default answer.

#include <functional>
#include <utility>

namespace snoozr::ui {

template <typename Signature>
class Event;

template <typename Result, typename... Args>
class Event<Result(Args...)> {
  public:
    template <typename Handler>
    Event& operator=(Handler&& handler) {
        handler_ = std::forward<Handler>(handler);
        return *this;
    }

    Result operator()(Args... args) const {
        if (!handler_)
            return Result();
        return handler_(args...);
    }

  private:
    std::function<Result(Args...)> handler_;
};

}  // namespace snoozr::ui
