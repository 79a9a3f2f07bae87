#pragma once
// An event of a window or control (a label's click, a timer's tick, a form's load) that the
// program wires to its action in one line: `form1.Label7.Click = [&] { engine.Start(); };`.
// Raising an event nobody wired does nothing and gives a default answer.

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

    // Whether anything is wired, for an owner with a default of its own.
    explicit operator bool() const { return static_cast<bool>(handler_); }

    Result operator()(Args... args) const {
        if (!handler_)
            return Result();
        return handler_(args...);
    }

  private:
    std::function<Result(Args...)> handler_;
};

}  // namespace snoozr::ui
