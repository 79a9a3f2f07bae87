#pragma once
// Form1, the skinned borderless main window: the counters, the hotspots over the skin's
// buttons (exit, minimize, OPTIONS, START, STOP) and the idle clock's timer.

#include "ui/Event.h"
#include "ui/win32/Form.h"

namespace snoozr::ui {

class Form1 : public Form {
  public:
    explicit Form1(Shell& shell);

    // The counters (minutes, hours, days) and their unit words.
    Label& Label1 = LabelNamed("Label1");
    Label& Label2 = LabelNamed("Label2");
    Label& Label3 = LabelNamed("Label3");
    Label& Label5 = LabelNamed("Label5");
    Label& Label12 = LabelNamed("Label12");
    Label& Label13 = LabelNamed("Label13");
    // The hotspots: exit, STOP, START, OPTIONS, minimize, and the strip along the right edge.
    Label& Label4 = LabelNamed("Label4");
    Label& Label6 = LabelNamed("Label6");
    Label& Label7 = LabelNamed("Label7");
    Label& Label8 = LabelNamed("Label8");
    Label& Label9 = LabelNamed("Label9");
    Label& Label11 = LabelNamed("Label11");
    Timer& Timer1 = TimerNamed("Timer1");

    // Wired by the program to the idle engine.
    Event<void()> Label7_Click;  // START
    Event<void()> Label6_Click;  // STOP
    Event<void()> Timer1_Timer;  // one tick a minute while an idle runs

    void Form_Load();
    void Form_MouseDown();
    void Label4_Click();
    void Label8_Click();
    void Label9_Click();

  private:
    void OnLoad() override { Form_Load(); }
    void OnMouseDown() override { Form_MouseDown(); }
    void OnLabelClick(Label& label) override;
    void OnTimer(Timer& timer) override;
    void OnClose() override;
};

}  // namespace snoozr::ui
