#pragma once
// The twelve window tables, their controls' rows and Form3's menu tree.

#include "ui/layout/Layout.h"

namespace snoozr::ui::layout {

extern const WindowLayout kForm1;
namespace form1 {
// The counters (minutes, hours, days) and their unit words.
extern const ControlLayout Label1, Label2, Label3, Label5, Label12, Label13;
// The hotspots: exit, STOP, START, OPTIONS, minimize, and the strip along the right edge.
extern const ControlLayout Label4, Label6, Label7, Label8, Label9, Label11;
extern const TimerLayout Timer1;
}  // namespace form1

extern const WindowLayout kFrmSplash;

// The rows of a one-field dialog: its text box and its "K im done" button.
struct OneFieldRows {
    const ControlLayout& Text1;
    const ControlLayout& Command1;
};
extern const WindowLayout kForm2, kForm4, kForm5, kForm6, kForm11;
extern const OneFieldRows kForm2Rows, kForm4Rows, kForm5Rows, kForm6Rows, kForm11Rows;

extern const WindowLayout kForm3;
// The root `File` of Form3's menu; only its children are ever popped up.
extern const MenuItem kForm3File;

extern const WindowLayout kForm7;
namespace form7 {
extern const ControlLayout List1, List2, Text1, Command3, Label1;
}  // namespace form7

// The rows of an information window: two fixed labels and the button back.
struct InfoRows {
    const ControlLayout& Label1;
    const ControlLayout& Label2;
    const ControlLayout& Command1;
};
extern const WindowLayout kForm9, kForm10;
extern const InfoRows kForm9Rows, kForm10Rows;

extern const WindowLayout kForm12;
namespace form12 {
extern const ControlLayout Label1, Label2, Label3, Label4, Label5, Label6, Label7, Text1, DogBar1;
extern const TimerLayout Timer1, Timer2;
}  // namespace form12

// Looks up a control of a window by name; nullptr when the window has none of that name.
const ControlLayout* FindControl(const WindowLayout& window, std::string_view name);

}  // namespace snoozr::ui::layout
