#pragma once
// The decoration editor's lists: filled once with the preset pieces, each entry clicked goes
// at the end of the composition line.

#include "ui/win32/forms/Form7.h"

namespace snoozr::ui {

void WireEditor(Form7& editor);

}  // namespace snoozr::ui
