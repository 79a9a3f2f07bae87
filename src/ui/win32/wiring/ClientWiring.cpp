#include "ui/win32/wiring/ClientWiring.h"

namespace snoozr::ui {

void WireImSwitches(Form3& menu, ClientLink& link) {
    menu.ImOff.Click = [&link] { link.ImsOff(); };
    menu.ImOn.Click = [&link] { link.ImsOn(); };
}

}  // namespace snoozr::ui
