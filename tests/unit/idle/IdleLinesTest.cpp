#include <gtest/gtest.h>

#include "IdleRig.h"

namespace snoozr::idle::test {
namespace {

using Lines = std::vector<std::string>;

const std::string kBannerBytes =
    " `\xB7.\xB8\xB8.\xB7\xB4\xB4\xAF`\xB7\xB7._.\xB7 \xBF Snoozr 2.5 "
    "\xBF`\xB7.\xB8\xB8.\xB7\xB4\xB4\xAF`\xB7\xB7._.\xB7 ";

// Every line the idle engine sends, per occasion, with the default profile (and a reason, since
// START refuses the default one).
TEST(IdleLinesTest, EveryLineOfTheIndexByteForByte) {
    using Case = ActionCase<Lines>;
    const auto idling = [](IdleRig& rig) { rig.StartWith("gone fishing"); };
    const Case cases[] = {
        {"start-up",
         [](IdleRig&) {},
         [](IdleRig& rig) { rig.engine.SendLoadBanners(); },
         {kBannerBytes, std::string(25, ' ') + "[LOADED] ",
          "       Download At SNOOZR.EXAMPLE.COM "}},
        {"START",
         [](IdleRig& rig) { rig.profile.idleReason = "gone fishing"; },
         [](IdleRig& rig) { rig.engine.Start(); },
         {"O\xBA\xB0\x91  STARTED IDLE\xA8\xB0\xBAO",
          "O\xBA\xB0\x91   Going idle Because \xA8\xB0\xBAO",
          "O\xBA\xB0\x91   Reason: gone fishing\xA8\xB0\xBAO"}},
        {"STOP",
         idling,
         [](IdleRig& rig) { rig.engine.Stop(); },
         {"O\xBA\xB0\x91   Attempting To Stop Idle- \xA8\xB0\xBAO"}},
        {"stop confirmed",
         [](IdleRig& rig) {
             rig.StartWith("gone fishing");
             rig.engine.Stop();
         },
         [](IdleRig& rig) { rig.engine.ConfirmStop(); },
         {"O\xBA\xB0\x91  IDLE HAS BEEN STOPPED\xA8\xB0\xBAO",
          "O\xBA\xB0\x91   Reason For Idle Stop: iM BaCk\xA8\xB0\xBAO"}},
        {"clock tick",
         idling,
         [](IdleRig& rig) { rig.TickMinutes(1); },
         {"O\xBA\xB0\x91  Idle Stats-1 Minutes - 0 Hours 0 Days \xA8\xB0\xBAO",
          "O\xBA\xB0\x91   IDLE REASON: gone fishing\xA8\xB0\xBAO"}},
        {"handle dialog done",
         [](IdleRig&) {},
         [](IdleRig& rig) { rig.engine.AnnounceHandle(); },
         {"O\xBA\xB0\x91   iM NoW KNoWn As: Handle Here\xA8\xB0\xBAO"}},
        {"Brag Stats",
         [](IdleRig& rig) {
             rig.StartWith("gone fishing");
             rig.TickMinutes(2);
         },
         [](IdleRig& rig) { rig.engine.BragStats(); },
         {"O\xBA\xB0\x91   i FeEL i HaVe To Brag My Stats \xA8\xB0\xBAO",
          "O\xBA\xB0\x91  iM IDLe CuZ: gone fishing\xA8\xB0\xBAO",
          "O\xBA\xB0\x91  Idle Stats-2 Minutes - 0 Hours \xA8\xB0\xBAO"}},
        {"Advertise",
         [](IdleRig&) {},
         [](IdleRig& rig) { rig.engine.Advertise(); },
         {" ~~~Snoozr 2.5 By: Brix~~~ ", " ~~~Download at snoozr.example.com~~~ "}},
        {"exit confirmed",
         [](IdleRig& rig) { rig.boxes.Answer(mb::kAnswerYes); },
         [](IdleRig& rig) { EXPECT_TRUE(rig.engine.ConfirmExit()); },
         {kBannerBytes, std::string(24, ' ') + "[UNLOADED] "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        IdleRig rig;
        c.before(rig);
        EXPECT_EQ(rig.LinesOf([&] { c.action(rig); }), c.expected);
    }
}

TEST(IdleLinesTest, EmptyReasonLeavesTheLiteralsAsTheyAre) {
    IdleRig rig;
    rig.StartWith("");
    rig.TickMinutes(1);
    EXPECT_EQ(rig.chat.lines,
              (Lines{"O\xBA\xB0\x91  STARTED IDLE\xA8\xB0\xBAO",
                     "O\xBA\xB0\x91   Going idle Because \xA8\xB0\xBAO",
                     "O\xBA\xB0\x91   Reason: \xA8\xB0\xBAO",
                     "O\xBA\xB0\x91  Idle Stats-1 Minutes - 0 Hours 0 Days \xA8\xB0\xBAO",
                     "O\xBA\xB0\x91   IDLE REASON: \xA8\xB0\xBAO"}));
}

TEST(IdleLinesTest, WithEmptyDecorationsEveryDecoratedLineIsItsBody) {
    IdleRig rig;
    rig.ClearDecorations();
    rig.profile.handle = "Zed";
    rig.profile.stopReason = "";
    rig.StartWith("x");
    rig.TickMinutes(1);
    rig.engine.BragStats();
    rig.engine.AnnounceHandle();
    rig.StopIdle();
    EXPECT_EQ(rig.chat.lines, (Lines{"STARTED IDLE", " Going idle Because ", " Reason: x",
                                     "Idle Stats-1 Minutes - 0 Hours 0 Days ", " IDLE REASON: x",
                                     " i FeEL i HaVe To Brag My Stats ", "iM IDLe CuZ: x",
                                     "Idle Stats-1 Minutes - 0 Hours ", " iM NoW KNoWn As: Zed",
                                     " Attempting To Stop Idle- ", "IDLE HAS BEEN STOPPED",
                                     " Reason For Idle Stop: "}));
}

// The texts are read for every line, never kept: what the user types while one line goes out
// shows in the next one, and a new reason shows from the next tick on.
TEST(IdleLinesTest, ProfileTextsAreReadForEveryLine) {
    IdleRig rig;
    rig.chat.onSend = [&] {
        rig.profile.front = "<<";
        rig.profile.end = ">>";
        rig.profile.idleReason = "typing";
        rig.chat.onSend = nullptr;
    };
    rig.StartWith("first");
    rig.profile.idleReason = "second";
    rig.TickMinutes(1);
    EXPECT_EQ(rig.chat.lines,
              (Lines{"O\xBA\xB0\x91  STARTED IDLE\xA8\xB0\xBAO", "<< Going idle Because >>",
                     "<< Reason: typing>>", "<<Idle Stats-1 Minutes - 0 Hours 0 Days >>",
                     "<< IDLE REASON: second>>"}));
}

}  // namespace
}  // namespace snoozr::idle::test
