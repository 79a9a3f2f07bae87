#pragma once
// Form1, the skinned borderless main window: the counters, the hotspots over the skin's
// buttons (exit, minimize, OPTIONS, START, STOP) and the idle clock's timer.

#include "ui/layout/Layouts.h"
#include "ui/win32/Form.h"

namespace snoozr::ui {

class Form1 : public Form {
  public:
    explicit Form1(FormResources& resources) : Form(resources, layout::kForm1) {}

    // The counters (minutes, hours, days) and their unit words.
    Label Label1{*this, layout::form1::Label1};
    Label Label2{*this, layout::form1::Label2};
    Label Label3{*this, layout::form1::Label3};
    Label Label5{*this, layout::form1::Label5};
    Label Label12{*this, layout::form1::Label12};
    Label Label13{*this, layout::form1::Label13};
    // The hotspots: exit, STOP, START, OPTIONS, minimize, and the strip along the right edge.
    Label Label4{*this, layout::form1::Label4};
    Label Label6{*this, layout::form1::Label6};
    Label Label7{*this, layout::form1::Label7};
    Label Label8{*this, layout::form1::Label8};
    Label Label9{*this, layout::form1::Label9};
    Label Label11{*this, layout::form1::Label11};
    Timer Timer1{*this, layout::form1::Timer1};  // one tick a minute while an idle runs
};

}  // namespace snoozr::ui
