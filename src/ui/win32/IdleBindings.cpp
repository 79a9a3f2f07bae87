#include "ui/win32/IdleBindings.h"

#include <string>

namespace snoozr::ui {

void IdleBindings::ShowCounters(const idle::IdleCounters& counters) {
    windows_.form1.Label1.SetCaption(std::to_string(counters.minutes));
    windows_.form1.Label3.SetCaption(std::to_string(counters.hours));
    windows_.form1.Label12.SetCaption(std::to_string(counters.days));
}

}  // namespace snoozr::ui
