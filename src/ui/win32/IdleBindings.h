#pragma once
// The shell's side of the idle engine's interfaces: the chat goes through the client link, the
// profile texts are the dialogs' text boxes, the idle flag is Form1's Timer1 and the view is
// Form1, Form11 and the counter labels.

#include "client/ClientLink.h"
#include "idle/IdleEngine.h"
#include "ui/win32/Shell.h"

namespace snoozr::ui {

class IdleBindings : public idle::ChatSink,
                     public idle::ProfileSource,
                     public idle::IdleTimer,
                     public idle::IdleView {
  public:
    IdleBindings(Shell& shell, ClientLink& link) : shell_(shell), link_(link) {}

    // ChatSink
    void SendChat(std::string_view line) override { link_.SendChat(line); }

    // ProfileSource: reading a field creates its dialog, hidden, on first use.
    std::string Handle() override { return shell_.form6.Text1.Text(); }
    std::string FrontDecoration() override { return shell_.form4.Text1.Text(); }
    std::string EndDecoration() override { return shell_.form5.Text1.Text(); }
    std::string IdleReason() override { return shell_.form2.Text1.Text(); }
    std::string StopReason() override { return shell_.form11.Text1.Text(); }

    // IdleTimer
    void Enable() override { shell_.form1.Timer1.Enable(); }
    void Disable() override { shell_.form1.Timer1.Disable(); }
    bool IsEnabled() const override { return shell_.form1.Timer1.IsEnabled(); }

    // IdleView
    void ShowMain() override { shell_.form1.Show(); }
    void HideMain() override { shell_.form1.Hide(); }
    void ShowStopDialog() override { shell_.form11.Show(); }
    void HideStopDialog() override { shell_.form11.Hide(); }
    void ShowCounters(const idle::IdleCounters& counters) override;

  private:
    Shell& shell_;
    ClientLink& link_;
};

}  // namespace snoozr::ui
