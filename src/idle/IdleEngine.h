#pragma once
// The idle engine: start and stop an idle, count the time away, and say every idle line in the
// chat room. Plain C++ against small interfaces; the Win32 windows are thin views over it.

#include <string>
#include <string_view>

#include "client/Clock.h"
#include "client/MessageBoxService.h"
#include "client/TimerSwitch.h"
#include "idle/IdleClock.h"

namespace snoozr::idle {

// Where chat lines go (ClientLink::SendChat in the program).
class ChatSink {
  public:
    virtual ~ChatSink() = default;
    virtual void SendChat(std::string_view line) = 0;
};

// The five profile texts, read from their dialogs' text boxes at the moment a line is built.
// Reading a field of a dialog that does not exist yet creates it, hidden, with its default.
class ProfileSource {
  public:
    virtual ~ProfileSource() = default;
    virtual std::string Handle() = 0;           // Form6.Text1
    virtual std::string FrontDecoration() = 0;  // Form4.Text1
    virtual std::string EndDecoration() = 0;    // Form5.Text1
    virtual std::string IdleReason() = 0;       // Form2.Text1
    virtual std::string StopReason() = 0;       // Form11.Text1
};

// The windows the engine shows and hides, and the counter labels it fills.
class IdleView {
  public:
    virtual ~IdleView() = default;
    virtual void ShowMain() = 0;  // Form1
    virtual void HideMain() = 0;
    virtual void ShowStopDialog() = 0;  // Form11
    virtual void HideStopDialog() = 0;
    virtual void ShowCounters(const IdleCounters& counters) = 0;  // Label1, Label3, Label12
};

class IdleEngine {
  public:
    // `timer` is Timer1 of Form1: one tick a minute, switched on exactly while an idle runs.
    IdleEngine(ChatSink& chat, ProfileSource& profile, TimerSwitch& timer,
               MessageBoxService& messageBoxes, IdleView& view, const Clock& clock);

    void SendLoadBanners();  // Form_Load of Form1
    bool ConfirmExit();      // the "Exit?" question; on Yes sends the two unload lines, true
    void Start();            // Label7_Click (START); a START while idling keeps the minute
                             // under way
    void Stop();             // Label6_Click (STOP)
    void ConfirmStop();      // Command1_Click of Form11
    void Tick();             // Timer1_Timer: counts every whole minute since the last counted
                             // one (at least one), so ticks missed while asleep are not lost
    void BragStats();        // BragStats_Click
    void Advertise();        // Adv_Click
    void AnnounceHandle();   // after Form6's "K im done" has hidden it and shown Form1

    const IdleCounters& Counters() const { return counters_; }

  private:
    void SendDecorated(std::string_view body);

    ChatSink& chat_;
    ProfileSource& profile_;
    TimerSwitch& timer_;
    MessageBoxService& messageBoxes_;
    IdleView& view_;
    const Clock& clock_;
    IdleCounters counters_;
    MonoTime countedUpTo_{};  // the idle's minutes are counted up to this moment
};

}  // namespace snoozr::idle
