#pragma once
// The twelve window tables and Form3's menu tree.

#include "ui/layout/Layout.h"

namespace snoozr::ui::layout {

extern const WindowLayout kForm1;
extern const WindowLayout kFrmSplash;
extern const WindowLayout kForm2;
extern const WindowLayout kForm3;
extern const WindowLayout kForm4;
extern const WindowLayout kForm5;
extern const WindowLayout kForm6;
extern const WindowLayout kForm7;
extern const WindowLayout kForm9;
extern const WindowLayout kForm10;
extern const WindowLayout kForm11;
extern const WindowLayout kForm12;

// The root `File` of Form3's menu; only its children are ever popped up.
extern const MenuItem kForm3File;

// Looks up a control of a window by name; nullptr when the window has none of that name.
const ControlLayout* FindControl(const WindowLayout& window, std::string_view name);

}  // namespace snoozr::ui::layout
