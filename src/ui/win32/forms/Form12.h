#pragma once
// Form12, the skinned borderless upload companion: the START/STOP label over the white box,
// the file, minutes and percent lines, the progress bar, the two red-dot hotspots and the
// hidden holders Label4 and Text1 below the client area.

#include "ui/layout/Layouts.h"
#include "ui/win32/Form.h"

namespace snoozr::ui {

class Form12 : public Form {
  public:
    explicit Form12(FormResources& resources) : Form(resources, layout::kForm12) {}

    Label Label1{*this, layout::form12::Label1};  // "File:"
    Label Label2{*this, layout::form12::Label2};  // "Minutes Left: "
    Label Label3{*this, layout::form12::Label3};  // "%"
    Label Label4{*this, layout::form12::Label4};  // the last percentage, never seen
    Label Label5{*this, layout::form12::Label5};  // START / STOP
    Label Label6{*this, layout::form12::Label6};  // exit: the right red dot
    Label Label7{*this, layout::form12::Label7};  // minimize: the left red dot
    TextBox Text1{*this, layout::form12::Text1};  // the upload count, never seen
    ProgressBar DogBar1{*this, layout::form12::DogBar1};
    Timer Timer1{*this, layout::form12::Timer1};  // progress poll
    Timer Timer2{*this, layout::form12::Timer2};  // chat status poster
};

}  // namespace snoozr::ui
