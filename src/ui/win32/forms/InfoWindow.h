#pragma once
// The information windows Form9 (newbie help) and Form10 (contact): two fixed labels and a
// button that leads back to the main window.

#include "ui/Event.h"
#include "ui/win32/Form.h"

namespace snoozr::ui {

class InfoWindow : public Form {
  public:
    InfoWindow(Shell& shell, const layout::WindowLayout& layout);

    Label& Label1 = LabelNamed("Label1");
    Label& Label2 = LabelNamed("Label2");
    CommandButton& Command1 = ButtonNamed("Command1");

    Event<void()> Command1_Click;  // wired by the program

    void Form_Load();

  private:
    void OnLoad() override { Form_Load(); }
    void OnCommand(ChildControl& control, WORD code) override;
};

}  // namespace snoozr::ui
