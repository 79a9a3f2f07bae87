// A reliability run: snoozr.exe against the stand-in in hostile mode, driven as a user would
// for a given number of simulated idle minutes, then one summary line:
//   N actions, S simulated minutes, 0 crashes, 0 hangs over 5 s, counters exact, USER a->b,
//   GDI c->d, memory e->f MiB
// The minutes are simulated by sending the main window its idle timer's ticks (WM_TIMER for
// Timer1) besides the ones its own timer gives it each real minute; each tick counts one minute
// while the idle's count is ahead of real time. Exit status 1 on a crash, a hang or counters
// that differ from the idles' simulated time.
//
//   reliability_run.exe [--minutes N] [--schedule K] [--only rooms,input,...|none]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "Figures.h"
#include "User.h"

namespace {

using namespace snoozr;
using namespace snoozr::reliability;
namespace layout = snoozr::ui::layout;

constexpr unsigned long long kMinuteMs = 60000;
// Timer1, the main window's only timer, has the WM_TIMER id 1.
constexpr WPARAM kIdleTimerId = 1;

struct Args {
    unsigned long long minutes = 1440;
    unsigned schedule = 1;  // the hostile client's schedule number
    std::string only;       // the hostile behaviours, all when empty ("none": a calm client)
};

Args ParseArgs(int argc, char** argv) {
    Args args;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--minutes") == 0)
            args.minutes = std::strtoull(argv[i + 1], nullptr, 10);
        else if (std::strcmp(argv[i], "--schedule") == 0)
            args.schedule = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
        else if (std::strcmp(argv[i], "--only") == 0)
            args.only = argv[i + 1];
    }
    return args;
}

// The things a user does while an idle runs: every menu item (Exit answered No), START again.
struct Step {
    wine::MenuPath path;
    const layout::WindowLayout* opens;  // nullptr: the item opens no window
    const char* done;
};

const std::vector<Step>& Steps() {
    static const std::vector<Step> steps = {
        {{"Advertise"}, nullptr, nullptr},
        {{"Aol Options", "Idle Options", "Idle Reason"}, &layout::kForm2, "Command1"},
        {{"Aol Options", "Idle Options", "Brag Stats"}, nullptr, nullptr},
        {{"Aol Options", "Ascii", "Front Ascii Changer"}, &layout::kForm4, "Command1"},
        {{"Aol Options", "Ascii", "End Ascii Changer"}, &layout::kForm5, "Command1"},
        {{"Aol Options", "Ascii", "Ascii Editor"}, &layout::kForm7, "Command3"},
        {{"Aol Options", "Handle", "Change Handle"}, &layout::kForm6, "Command1"},
        {{"Aol Options", "Ims", "Ims Off"}, nullptr, nullptr},
        {{"Aol Options", "Ims", "Ims On"}, nullptr, nullptr},
        {{"About", "Contact Brix"}, &layout::kForm10, "Command1"},
        {{"About", "Help"}, &layout::kForm9, "Command1"},
        {{"Exit"}, nullptr, nullptr},
        {{}, nullptr, nullptr},  // START while the idle runs
    };
    return steps;
}

class Run {
  public:
    Run(User& user, wine::ProgramDriver& driver) : user_(user), driver_(driver) {}

    void Do(const Step& step) {
        user_.AnswerNotices();
        if (step.path.empty()) {
            ClickMain("START again", "Label7");
        } else if (step.opens != nullptr) {
            user_.OpenAndClose(step.path, *step.opens, step.done);
        } else if (step.path.front() == "Exit") {
            user_.ChooseItem(step.path);
            AnswerExit(IDNO);
        } else {
            user_.ChooseItem(step.path);
        }
    }

    void ClickMain(const char* what, const char* control) {
        user_.ClickAndWait(what, driver_.Main(), layout::kForm1, control,
                           [&] { return user_.Answers(); });
    }

    bool AnswerExit(int answer) {
        HWND box = nullptr;
        if (!user_.Act(
                "the exit question", [] {}, [&] { return (box = ExitQuestion()) != nullptr; }))
            return false;
        return user_.Act(
            "the exit question answered", [&] { wine::AnswerMessageBox(box, answer); },
            [&] { return !IsWindow(box); });
    }

    // One idle of about `minutes` minutes: random steps and batches of the idle timer's ticks
    // sent to the main window, while the timer also ticks at its real pace; stopped in the
    // middle of a real minute, so that the minutes it counts are certain. The minutes it must
    // have counted: at least `low`, at most `high` (the same unless the program was slow).
    void Idle(unsigned long long minutes, std::mt19937& random, unsigned long long& low,
              unsigned long long& high) {
        const unsigned long long pressed = wine::MonotonicMs();
        ClickMain("START", "Label7");
        const unsigned long long started = wine::MonotonicMs();
        unsigned long long ticks = 0;
        const auto counted = [&] { return ticks + (wine::MonotonicMs() - started) / kMinuteMs; };
        const int mostTicks = static_cast<int>(std::max<unsigned long long>(60, minutes / 10));
        // Rounds of one random step and a batch of ticks.
        std::uniform_int_distribution<std::size_t> pick(0, Steps().size() - 1);
        while (user_.Alive() && counted() < minutes) {
            Do(Steps()[pick(random)]);
            const int batch = std::uniform_int_distribution<int>(1, mostTicks)(random);
            for (int i = 0; i < batch && user_.Alive() && counted() < minutes; ++i) {
                if (!user_.Sends("a minute's tick", WM_TIMER, kIdleTimerId, 0))
                    break;
                ++ticks;
            }
        }
        ticks_ += ticks;
        user_.AnswerNotices();
        const HWND main = driver_.Main();
        HWND stop = nullptr;
        user_.ClickAndWait("STOP", main, layout::kForm1, "Label6",
                           [&] { return (stop = driver_.Shown(layout::kForm11)) != nullptr; });
        if (stop == nullptr)
            return;
        const unsigned long long target =
            started + ((wine::MonotonicMs() - started) / kMinuteMs + 1) * kMinuteMs + kMinuteMs / 2;
        wine::WaitUntil([&] { return wine::MonotonicMs() >= target; }, 600000);
        const unsigned long long confirmed = wine::MonotonicMs();
        user_.ClickAndWait("the stop reason's K im done", stop, layout::kForm11, "Command1",
                           [&] { return IsWindowVisible(main) && !IsWindowVisible(stop); });
        low += ticks + (confirmed - started) / kMinuteMs;
        high += ticks + (wine::MonotonicMs() - pressed) / kMinuteMs;
    }

    unsigned long long TicksSent() const { return ticks_; }

    HWND ExitQuestion() const {
        for (const HWND window : wine::TopLevelWindows(driver_.ProcessId())) {
            if (wine::ClassOf(window) == "#32770" && IsWindowVisible(window) &&
                wine::WindowText(window) == "Exit?")
                return window;
        }
        return nullptr;
    }

  private:
    User& user_;
    wine::ProgramDriver& driver_;
    unsigned long long ticks_ = 0;
};

std::string CountersText(const ShownCounters& shown) {
    return std::to_string(shown.days) + " days " + std::to_string(shown.hours) + " hours " +
           std::to_string(shown.minutes) + " minutes";
}

}  // namespace

int main(int argc, char** argv) {
    const Args args = ParseArgs(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    wine::StandIn client("--hostile " + std::to_string(args.schedule) +
                         (args.only.empty() ? "" : " --hostile-only " + args.only) +
                         " --upload first.txt --upload-seconds 30");
    if (!client.Ready()) {
        std::printf("the stand-in did not start: %s\n", client.Report().c_str());
        return 1;
    }
    wine::Snoozr program(wine::FreshTempDir("reliability"));
    wine::ProgramDriver driver(program.ProcessId());
    User user(program, driver);
    Run run(user, driver);
    if (driver.OpenMainFromSplash() == nullptr) {
        std::printf("no main window: %s\n", program.Report().c_str());
        return 1;
    }
    const unsigned long long realStart = wine::MonotonicMs();
    const wine::ProcessFigures before = ReadFigures(program.ProcessId());

    user.OpenAndClose({"Aol Options", "Idle Options", "Idle Reason"}, layout::kForm2, "Command1",
                      [](HWND dialog) { User::TypeInto(dialog, layout::kForm2, "soak test"); });
    std::mt19937 random(args.schedule);
    unsigned long long low = 0;
    unsigned long long high = 0;
    int idles = 0;
    while (user.Alive() && low < args.minutes) {
        const unsigned long long left = args.minutes - low;
        // Idles of up to four hours, in a long run of up to a fifth of it: days roll over.
        const int longest = static_cast<int>(std::max<unsigned long long>(240, args.minutes / 5));
        const unsigned long long minutes = std::min<unsigned long long>(
            left, std::uniform_int_distribution<int>(5, longest)(random));
        run.Idle(minutes, random, low, high);
        ++idles;
    }

    // The counters, read while nothing changes them; then STOP and Brag without an idle.
    ShownCounters shown;
    if (user.Alive()) {
        // In front and painted: the idle's return lines may still be on their way to a frozen
        // client, the window's painting after them.
        const HWND main = driver.Main();
        User::BringToFront(main);
        ui::test::CounterPicture picture;
        wine::WaitUntil(
            [&] {
                shown = ReadCounters(picture, main, low, high / 1440 + 7);
                return shown.read || !user.Alive();
            },
            10000);
        run.ClickMain("STOP without an idle", "Label6");
        user.AnswerNotices();
        run.Do({{"Aol Options", "Idle Options", "Brag Stats"}, nullptr, nullptr});
        user.AnswerNotices();
    }

    // The upload companion, START and STOP a few times, then the end through its exit.
    wine::ProcessFigures after = before;
    bool ended = false;
    if (user.Alive()) {
        user.ChooseItem({"Aol Options", "UPCHAT"});
        HWND companion = nullptr;
        user.Act(
            "the upload companion shows", [] {},
            [&] { return (companion = driver.Shown(layout::kForm12)) != nullptr; });
        for (int i = 0; companion != nullptr && i < 4; ++i) {
            for (const char* what : {"companion START", "companion STOP"}) {
                user.ClickAndWait(what, companion, layout::kForm12, "Label5",
                                  [&] { return user.Answers(); });
                Sleep(1500);
                user.AnswerNotices();
            }
        }
        after = ReadFigures(program.ProcessId());
        if (companion != nullptr) {
            user.ClickAndWait("the companion's exit", companion, layout::kForm12, "Label6",
                              [&] { return run.ExitQuestion() != nullptr; });
            run.AnswerExit(IDYES);
            ended = wine::WaitUntil([&] { return !user.Alive(); }, 30000);
        }
    }
    const bool crashed = !ended && !user.Alive();
    const int hangs = user.Hangs() + (ended || crashed ? 0 : 1);

    const unsigned long long shownMinutes = shown.days * 1440 + shown.hours * 60 + shown.minutes;
    const bool exact = shown.read && shownMinutes == low && low == high;
    const unsigned long long realMs = wine::MonotonicMs() - realStart;
    std::printf(
        "%d idles over %.0f s, %llu ticks sent, %d notices answered, %d actions done again; "
        "slowest answer %llu ms (%s)\n",
        idles, realMs / 1000.0, run.TicksSent(), user.Notices(), user.Repeated(), user.Slowest(),
        user.SlowestAction().c_str());
    if (crashed)
        std::printf("snoozr.exe %s\n", program.Proc().State().c_str());
    std::string counters = "counters exact";
    if (!exact) {
        counters = "counters off: shown " +
                   (shown.read ? CountersText(shown) : std::string("unreadable")) + ", expected " +
                   std::to_string(low) + " minutes";
        if (low != high)
            counters += " (to " + std::to_string(high) + ")";
    }
    std::printf(
        "%d actions, %llu simulated minutes, %d crashes, %d hangs over 5 s, %s, USER %lu->%lu, "
        "GDI %lu->%lu, memory %.1f->%.1f MiB\n",
        user.Actions(), low, crashed ? 1 : 0, hangs, counters.c_str(), before.user, after.user,
        before.gdi, after.gdi, before.workingSetMiB, after.workingSetMiB);
    return crashed || hangs > 0 || !exact ? 1 : 0;
}
