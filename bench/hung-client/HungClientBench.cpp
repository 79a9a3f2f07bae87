// How the program answers its user while the client is frozen (its thread busy for a minute
// from the first chat line it gets): the time from process start to the splash, with the
// start-up's banners going to the frozen client, and the time a click on the main window's
// minimize hotspot takes to be answered right after START, whose lines go there too.

#include <windows.h>

#include <chrono>
#include <cstdio>

#include "ui/layout/Layouts.h"
#include "wine/support/ProgramDriver.h"
#include "wine/support/WineHarness.h"

namespace {

using Clock = std::chrono::steady_clock;
using snoozr::ui::layout::kForm1;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main() {
    const snoozr::wine::StandIn client("--freeze-on-chat 60000");
    const auto started = Clock::now();
    const snoozr::wine::Process snoozr(snoozr::wine::BinDir() / "snoozr.exe", "",
                                       snoozr::wine::FreshTempDir("hung-client"));
    const snoozr::wine::ProgramDriver driver(snoozr.Id());
    if (driver.WaitForShown(snoozr::ui::layout::kFrmSplash, 30000) == nullptr) {
        std::fprintf(stderr, "no splash\n");
        return 1;
    }
    std::printf("process start to splash, banners into a frozen client: %.0f ms\n",
                MsSince(started));
    const HWND main = driver.OpenMainFromSplash();
    if (main == nullptr) {
        std::fprintf(stderr, "no main window\n");
        return 1;
    }
    snoozr::wine::ClickControl(main, kForm1, "Label7");  // START: its lines go to the client
    const auto clicked = Clock::now();
    snoozr::wine::ClickControl(main, kForm1, "Label9");  // minimize
    const bool answered = snoozr::wine::WaitUntil([&] { return IsIconic(main) != FALSE; }, 30000);
    std::printf("click on minimize right after START, client frozen: %s after %.0f ms\n",
                answered ? "answered" : "not answered", MsSince(clicked));
    return answered ? 0 : 1;
}
