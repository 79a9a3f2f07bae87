#include <gtest/gtest.h>

#include "IdleRig.h"
#include "support/Cases.h"

namespace snoozr::idle::test {
namespace {

using Lines = std::vector<std::string>;

TEST(IdleClockTest, RollsOverAtSixtyMinutesAndTwentyFourHours) {
    struct Case {
        const char* name;
        int ticks;
        std::uint32_t minutes, hours;
        std::uint64_t days;
        const char* stats;
    };
    const Case cases[] = {
        {"a minute short of the hour", 59, 59, 0, 0, "Idle Stats-59 Minutes - 0 Hours 0 Days "},
        {"the hour", 60, 0, 1, 0, "Idle Stats-0 Minutes - 1 Hours 0 Days "},
        {"a minute past the hour", 61, 1, 1, 0, "Idle Stats-1 Minutes - 1 Hours 0 Days "},
        {"a minute short of the day", 1439, 59, 23, 0, "Idle Stats-59 Minutes - 23 Hours 0 Days "},
        {"the day", 1440, 0, 0, 1, "Idle Stats-0 Minutes - 0 Hours 1 Days "},
        {"a minute past the day", 1441, 1, 0, 1, "Idle Stats-1 Minutes - 0 Hours 1 Days "},
    };
    snoozr::test::ForEachCase(cases, [](const Case& c) {
        IdleRig rig;
        rig.ClearDecorations();
        rig.StartWith("r");
        rig.TickMinutes(c.ticks);
        const IdleCounters& counters = rig.engine.Counters();
        EXPECT_EQ(counters.minutes, c.minutes);
        EXPECT_EQ(counters.hours, c.hours);
        EXPECT_EQ(counters.days, c.days);
        ASSERT_GE(rig.chat.lines.size(), 2u);
        EXPECT_EQ(rig.chat.lines[rig.chat.lines.size() - 2], c.stats);
        // The view is told once a tick and never sees "60" or "24".
        ASSERT_EQ(rig.view.shown.size(), static_cast<std::size_t>(c.ticks));
        for (const IdleCounters& shown : rig.view.shown) {
            ASSERT_LT(shown.minutes, 60u);
            ASSERT_LT(shown.hours, 24u);
        }
    });
}

TEST(IdleClockTest, CountersContinueAcrossIdles) {
    IdleRig rig;
    rig.StartWith("r");
    rig.TickMinutes(3);
    rig.StopIdle();
    rig.At(rig.clock.Elapsed() + 600.0);  // ten minutes off idle do not count
    rig.engine.Start();
    rig.TickMinutes(2);
    EXPECT_EQ(rig.engine.Counters().minutes, 5u);
    EXPECT_EQ(rig.chat.lines[rig.chat.lines.size() - 2],
              "O\xBA\xB0\x91  Idle Stats-5 Minutes - 0 Hours 0 Days \xA8\xB0\xBAO");
}

// Ticks come at these times, in seconds after START; after each, the idle has counted this many
// minutes in all. The timer firing means at least one minute; beyond that the clock counts every
// whole minute since the last counted one, and keeps the part of a minute left over.
TEST(IdleClockTest, CountsWholeMinutesPassedAndToleratesJitter) {
    struct Case {
        const char* what;
        std::vector<double> tickTimes;
        std::vector<std::uint64_t> totals;
    };
    const Case cases[] = {
        {"on time", {60, 120, 180}, {1, 2, 3}},
        {"jitter around the minute", {59.6, 120.4, 179.6, 240.4, 299.9}, {1, 2, 3, 4, 5}},
        {"a timer that always fires early", {59.5, 119.0, 178.5, 238.0}, {1, 2, 3, 4}},
        {"a tick late by almost a minute", {119.9, 120, 180}, {1, 2, 3}},
        {"asleep through two ticks", {60, 240, 300}, {1, 4, 5}},
        {"the part of a minute is kept", {150, 180}, {2, 3}},
        {"asleep a day, two hours and five minutes", {93900, 93960}, {1565, 1566}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        IdleRig rig;
        rig.StartWith("r");
        std::vector<std::uint64_t> totals;
        for (double at : c.tickTimes) {
            const std::size_t before = rig.chat.lines.size();
            rig.TickAt(at);
            totals.push_back(TotalMinutes(rig.engine.Counters()));
            EXPECT_EQ(rig.chat.lines.size(), before + 2) << "two lines a tick, at " << at;
        }
        EXPECT_EQ(totals, c.totals);
        EXPECT_EQ(rig.view.shown.size(), c.tickTimes.size());
    }
}

TEST(IdleClockTest, ALongSleepRollsOverInOneTick) {
    IdleRig rig;
    rig.ClearDecorations();
    rig.StartWith("r");
    rig.TickAt(93900);  // 1 day, 2 hours and 5 minutes
    EXPECT_EQ(rig.chat.lines.back(), " IDLE REASON: r");
    EXPECT_EQ(rig.chat.lines[rig.chat.lines.size() - 2], "Idle Stats-5 Minutes - 2 Hours 1 Days ");
}

// A stop drops the part of a minute under way; the next idle starts a minute of its own.
TEST(IdleClockTest, ANewIdleStartsAFreshMinute) {
    IdleRig rig;
    rig.StartWith("r");
    rig.TickAt(60);
    rig.At(90);
    rig.StopIdle();
    rig.At(200);
    rig.engine.Start();
    rig.TickAt(260);
    EXPECT_EQ(TotalMinutes(rig.engine.Counters()), 2u);
}

TEST(IdleClockTest, ATickAfterTheIdleEndedCountsNothing) {
    IdleRig rig;
    rig.StartWith("r");
    rig.TickAt(60);
    rig.StopIdle();
    rig.journal.clear();
    rig.TickAt(120);
    EXPECT_EQ(TotalMinutes(rig.engine.Counters()), 1u);
    EXPECT_TRUE(rig.journal.empty());
}

// Brag Stats reads the counters as they stand and never shows the days.
TEST(IdleClockTest, BragStatsReportsMinutesAndHoursOnly) {
    struct Case {
        int ticks;
        const char* stats;
    };
    const Case cases[] = {
        {0, "O\xBA\xB0\x91  Idle Stats-0 Minutes - 0 Hours \xA8\xB0\xBAO"},
        {1440 + 125, "O\xBA\xB0\x91  Idle Stats-5 Minutes - 2 Hours \xA8\xB0\xBAO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.ticks) + " ticks");
        IdleRig rig;
        rig.StartWith("");
        rig.TickMinutes(c.ticks);
        const IdleCounters before = rig.engine.Counters();
        EXPECT_EQ(rig.LinesOf([&] { rig.engine.BragStats(); }),
                  (Lines{"O\xBA\xB0\x91   i FeEL i HaVe To Brag My Stats \xA8\xB0\xBAO",
                         "O\xBA\xB0\x91  iM IDLe CuZ: \xA8\xB0\xBAO", c.stats}));
        EXPECT_EQ(TotalMinutes(rig.engine.Counters()), TotalMinutes(before));
    }
}

}  // namespace
}  // namespace snoozr::idle::test
