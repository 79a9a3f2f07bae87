#include <gtest/gtest.h>

#include "IdleRig.h"

namespace snoozr::idle::test {
namespace {

using snoozr::test::ShownBox;

// Only the untouched default, exactly as it stands, keeps START from starting.
TEST(IdleStartStopTest, StartRefusesOnlyTheUntouchedReason) {
    struct Case {
        const char* reason;  // also the case's name
        bool refused;
    };
    const Case cases[] = {
        {"REASON HERE", true},
        {"reason here", false},
        {"REASON HERE ", false},
        {" REASON HERE", false},
        {"", false},
        {"REASON", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE('"' + std::string(c.reason) + '"');
        IdleRig rig;
        rig.StartWith(c.reason);
        if (c.refused) {
            EXPECT_EQ(rig.boxes.Shown(),
                      (std::vector<ShownBox>{{" PLEASE ENTER A REASON BEFORE STARTING IDLE ",
                                              "Snoozr 2.5", mb::kOk}}));
            EXPECT_TRUE(rig.journal.empty()) << "a refused START changes nothing";
        } else {
            EXPECT_TRUE(rig.boxes.Shown().empty());
            EXPECT_TRUE(rig.timer.IsEnabled());
            EXPECT_EQ(rig.chat.lines,
                      (std::vector<std::string>{
                          "O\xBA\xB0\x91  STARTED IDLE\xA8\xB0\xBAO",
                          "O\xBA\xB0\x91   Going idle Because \xA8\xB0\xBAO",
                          "O\xBA\xB0\x91   Reason: " + std::string(c.reason) + "\xA8\xB0\xBAO"}));
        }
    }
}

// STOP and Brag Stats need a running idle, both before the first START and after an idle ended;
// without one they answer with their box and touch nothing else.
TEST(IdleStartStopTest, StopAndBragWithoutARunningIdleOnlyShowTheirBox) {
    struct Case {
        const char* what;
        std::function<void(IdleEngine&)> action;
        const char* box;
    };
    const Case cases[] = {
        {"STOP", [](IdleEngine& e) { e.Stop(); },
         " You Need To Start The Idle To Stop It Dumbass "},
        {"Brag Stats", [](IdleEngine& e) { e.BragStats(); },
         " You Have To Start The Idle First Retard "},
    };
    for (const Case& c : cases) {
        for (bool afterAnIdle : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (afterAnIdle ? " after an idle" : " before any"));
            IdleRig rig;
            if (afterAnIdle) {
                rig.StartWith("out");
                rig.TickMinutes(1);
                rig.StopIdle();
                rig.journal.clear();
            }
            c.action(rig.engine);
            EXPECT_EQ(rig.boxes.Shown(), (std::vector<ShownBox>{{c.box, "Snoozr 2.5", mb::kOk}}));
            EXPECT_TRUE(rig.journal.empty());
            EXPECT_FALSE(rig.timer.IsEnabled());
        }
    }
}

// The order of steps across the timer, the windows and the chat, per handler.
TEST(IdleStartStopTest, StepsComeInTheirOrder) {
    using Case = ActionCase<Journal>;
    const Case cases[] = {
        {"START",
         [](IdleRig&) {},
         [](IdleRig& rig) { rig.StartWith("r"); },
         {"timer Enable", "chat STARTED IDLE", "chat  Going idle Because ", "chat  Reason: r"}},
        {"STOP",
         [](IdleRig& rig) { rig.StartWith("r"); },
         [](IdleRig& rig) { rig.engine.Stop(); },
         {"chat  Attempting To Stop Idle- ", "HideMain", "ShowStopDialog"}},
        {"stop confirmed",
         [](IdleRig& rig) {
             rig.StartWith("r");
             rig.engine.Stop();
         },
         [](IdleRig& rig) { rig.engine.ConfirmStop(); },
         {"HideStopDialog", "ShowMain", "timer Disable", "chat IDLE HAS BEEN STOPPED",
          "chat  Reason For Idle Stop: back"}},
        {"tick",
         [](IdleRig& rig) { rig.StartWith("r"); },
         [](IdleRig& rig) { rig.TickMinutes(1); },
         {"ShowCounters 1:0:0", "chat Idle Stats-1 Minutes - 0 Hours 0 Days ",
          "chat  IDLE REASON: r"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        IdleRig rig;
        rig.ClearDecorations();
        rig.profile.stopReason = "back";
        c.before(rig);
        rig.journal.clear();
        c.action(rig);
        EXPECT_EQ(rig.journal, c.expected);
    }
}

// STOP only asks for the reason: the idle, and its clock, go on until the stop is confirmed.
TEST(IdleStartStopTest, TheIdleRunsOnWhileTheStopReasonIsAsked) {
    IdleRig rig;
    rig.StartWith("r");
    rig.engine.Stop();
    EXPECT_TRUE(rig.timer.IsEnabled());
    EXPECT_EQ(rig.LinesOf([&] { rig.TickMinutes(1); }).size(), 2u);
    EXPECT_EQ(rig.engine.Counters().minutes, 1u);
}

TEST(IdleStartStopTest, StartTwiceRepeatsTheLinesAndKeepsTheMinuteUnderWay) {
    IdleRig rig;
    rig.StartWith("r");
    rig.At(40.0);
    rig.engine.Start();
    ASSERT_EQ(rig.chat.lines.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(rig.chat.lines.begin(), rig.chat.lines.begin() + 3),
              std::vector<std::string>(rig.chat.lines.begin() + 3, rig.chat.lines.end()));
    EXPECT_EQ(rig.timer.enables, 1) << "enabling again would restart the countdown";
    EXPECT_TRUE(rig.view.shown.empty()) << "the counters are not touched";
    // Asleep from 40 s to 130 s: two whole minutes have passed since the first START, only one
    // since the second.
    rig.TickAt(130.0);
    EXPECT_EQ(TotalMinutes(rig.engine.Counters()), 2u);
}

TEST(IdleStartStopTest, ExitAsksAndOnYesSaysGoodbyeWithoutStoppingTheIdle) {
    struct Case {
        const char* name;
        int answer;
        bool exits;
        std::size_t lines;
    };
    for (const Case& c :
         {Case{"Yes", mb::kAnswerYes, true, 2}, Case{"No", mb::kAnswerNo, false, 0}}) {
        SCOPED_TRACE(c.name);
        IdleRig rig;
        rig.StartWith("r");
        rig.journal.clear();
        rig.boxes.Answer(c.answer);
        EXPECT_EQ(rig.engine.ConfirmExit(), c.exits);
        EXPECT_EQ(rig.boxes.Shown(),
                  (std::vector<ShownBox>{{"Are you sure you want to exit?", "Exit?", mb::kYesNo}}));
        EXPECT_EQ(rig.journal.size(), c.lines) << "nothing but the unload lines";
        EXPECT_EQ(rig.chat.lines.size(), 3 + c.lines);
    }
}

}  // namespace
}  // namespace snoozr::idle::test
