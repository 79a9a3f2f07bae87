#pragma once
// The options menu's instant-message switches, straight to the client link.

#include "client/ClientLink.h"
#include "ui/win32/forms/Form3.h"

namespace snoozr::ui {

// The link must outlive the program's main loop: the menu's events use it.
void WireImSwitches(Form3& menu, ClientLink& link);

}  // namespace snoozr::ui
