#pragma once
// The information windows Form9 (newbie help) and Form10 (contact): two fixed labels and a
// button that leads back to the main window.

#include "ui/layout/Layouts.h"
#include "ui/win32/Form.h"

namespace snoozr::ui {

class InfoWindow : public Form {
  public:
    InfoWindow(FormResources& resources, const layout::WindowLayout& window,
               const layout::InfoRows& rows)
        : Form(resources, window),
          Label1(*this, rows.Label1),
          Label2(*this, rows.Label2),
          Command1(*this, rows.Command1) {}

    Label Label1;
    Label Label2;
    CommandButton Command1;
};

}  // namespace snoozr::ui
