#pragma once
// Form12, the skinned borderless upload companion: the START/STOP label over the white box,
// the file, minutes and percent lines, the progress bar, the two red-dot hotspots and the
// hidden holders Label4 and Text1 below the client area.

#include "ui/Event.h"
#include "ui/win32/Form.h"

namespace snoozr::ui {

class Form12 : public Form {
  public:
    explicit Form12(Shell& shell);

    Label& Label1 = LabelNamed("Label1");    // "File:"
    Label& Label2 = LabelNamed("Label2");    // "Minutes Left: "
    Label& Label3 = LabelNamed("Label3");    // "%"
    Label& Label4 = LabelNamed("Label4");    // the last percentage, never seen
    Label& Label5 = LabelNamed("Label5");    // START / STOP
    Label& Label6 = LabelNamed("Label6");    // exit: the right red dot
    Label& Label7 = LabelNamed("Label7");    // minimize: the left red dot
    TextBox& Text1 = TextBoxNamed("Text1");  // the upload count, never seen
    ProgressBar& DogBar1 = ProgressBarNamed("DogBar1");
    Timer& Timer1 = TimerNamed("Timer1");  // progress poll
    Timer& Timer2 = TimerNamed("Timer2");  // chat status poster

    // Wired by the program to the upload companion.
    Event<void()> Label5_Click;
    Event<void()> Label6_Click;
    Event<void()> Label7_Click;
    Event<void()> Form_MouseDown;
    Event<void()> Form_Unload;  // whatever closes the window
    Event<void()> Timer1_Timer;
    Event<void()> Timer2_Timer;

  private:
    void OnMouseDown() override { Form_MouseDown(); }
    void OnLabelClick(Label& label) override;
    void OnTimer(Timer& timer) override;
    void OnClose() override { Form_Unload(); }
};

}  // namespace snoozr::ui
