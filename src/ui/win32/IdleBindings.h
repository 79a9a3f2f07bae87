#pragma once
// The windows' side of the idle engine's interfaces: the chat goes through the client link,
// the profile texts are the dialogs' text boxes and the view is Form1, Form11 and the counter
// labels. (The engine's timer is Form1's Timer1 itself.)

#include "client/ClientLink.h"
#include "idle/IdleEngine.h"
#include "ui/win32/ProgramWindows.h"

namespace snoozr::ui {

class IdleBindings : public idle::ChatSink, public idle::ProfileSource, public idle::IdleView {
  public:
    IdleBindings(ProgramWindows& windows, ClientLink& link) : windows_(windows), link_(link) {}

    // ChatSink
    void SendChat(std::string_view line) override { link_.SendChat(line); }

    // ProfileSource: reading a field creates its dialog, hidden, on first use.
    std::string Handle() override { return windows_.form6.Text1.Text(); }
    std::string FrontDecoration() override { return windows_.form4.Text1.Text(); }
    std::string EndDecoration() override { return windows_.form5.Text1.Text(); }
    std::string IdleReason() override { return windows_.form2.Text1.Text(); }
    std::string StopReason() override { return windows_.form11.Text1.Text(); }

    // IdleView
    void ShowMain() override { windows_.form1.Show(); }
    void HideMain() override { windows_.form1.Hide(); }
    void ShowStopDialog() override { windows_.form11.Show(); }
    void HideStopDialog() override { windows_.form11.Hide(); }
    void ShowCounters(const idle::IdleCounters& counters) override;

  private:
    ProgramWindows& windows_;
    ClientLink& link_;
};

}  // namespace snoozr::ui
