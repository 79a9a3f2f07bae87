#pragma once
// Form7, the borderless decoration editor: two lists of preset pieces, the composition line,
// a done button and the "X" close mark.

#include "ui/layout/Layouts.h"
#include "ui/win32/Form.h"

namespace snoozr::ui {

class Form7 : public Form {
  public:
    explicit Form7(FormResources& resources) : Form(resources, layout::kForm7) {}

    ListBox List1{*this, layout::form7::List1};
    ListBox List2{*this, layout::form7::List2};
    TextBox Text1{*this, layout::form7::Text1};
    CommandButton Command3{*this, layout::form7::Command3};
    Label Label1{*this, layout::form7::Label1};
};

}  // namespace snoozr::ui
