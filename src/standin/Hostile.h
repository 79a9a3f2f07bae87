#pragma once
// The hostile client's schedule: a thread of its own wakes the client's thread every few
// milliseconds of real time (timer messages would follow a sped-up Wine clock), and each wake
// takes the next steps of a random schedule: one std::mt19937 started from the schedule's
// number. The number, the behaviours and every step go to the event log, so the run's own
// sequence of steps repeats with its number; how it interleaves with the other program's
// messages does not.

#include <windows.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "HostileOptions.h"

namespace standin {

struct Client;

// Posted to the frame by the schedule's thread.
constexpr UINT kHostileTick = WM_APP + 40;
// Posted to a room whose input box has gone: it makes a new one.
constexpr UINT kRebuildInput = WM_APP + 41;

class Hostile {
  public:
    using Time = std::chrono::steady_clock::time_point;

    // Logs the schedule's number and the behaviours and starts the schedule; nothing without
    // --hostile.
    void Start(Client& client);
    // The schedule's next steps, on the client's thread.
    void Tick(Client& client);

    bool Has(Hostility behaviour) const { return options_.Has(behaviour); }
    // True for one draw in `n`; false whenever the stand-in is not hostile.
    bool OneIn(int n);
    int Between(int low, int high);

    // WM_GETTEXTLENGTH and WM_GETTEXT with "texts": true when `result` holds a lie.
    bool AnswerText(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The client's "America Online" box without a button; it goes by itself a while later.
    void OpenButtonlessBox(Client& client, const std::string& text);

  private:
    void Freeze(Client& client, Time now);
    void RestlessUpload(Client& client, Time now);
    void CloseDueBoxes(Time now);

    HostileOptions options_;
    std::mt19937 random_;
    std::jthread schedule_;
    Time nextFreeze_{};
    Time nextUpload_{};
    int uploads_ = 0;
    std::vector<std::pair<HWND, Time>> boxes_;
};

// "rooms": one step of rooms opening, closing and changing places.
void ChurnRooms(Client& client, Hostile& hostile);

}  // namespace standin
