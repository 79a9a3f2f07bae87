#include <gtest/gtest.h>

#include "client/ClientLink.h"
#include "support/FakeEventLoop.h"
#include "support/InMemoryDesktop.h"
#include "support/RecordingMessageBoxes.h"

namespace snoozr {
namespace {

// The pause starts at the time of day rounded to a whole second (halves to even) and ends
// when n seconds have passed from there.
TEST(PauseTest, RoundingOfTheStart) {
    struct Case {
        double startedAt;  // seconds since midnight
        int seconds;
        double expectedLength;
    };
    const Case cases[] = {
        {10.2, 0, 0.0},                       // early in a second: returns at once
        {10.7, 0, 0.3},                       // late in a second: waits for the next whole second
        {10.5, 0, 0.0},                       // a half goes to the even neighbour, 10
        {11.5, 0, 0.5},                       // and here to 12
        {10.2, -5, 0.0},                      // negative: at once
        {10.2, 59, 58.8},                     // start is 10, ends when the clock reads 69.0
        {10.0, 1, 1.0},   {86399.8, 1, 1.2},  // across midnight it still ends on time
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("started at " + std::to_string(c.startedAt) + " for " +
                     std::to_string(c.seconds));
        test::FakeEventLoop events(c.startedAt);
        test::InMemoryDesktop desktop;
        test::RecordingMessageBoxes boxes;
        ClientLink link(desktop, events, boxes);
        link.Pause(c.seconds);
        EXPECT_NEAR(events.Elapsed(), c.expectedLength, 1e-6);
    }
}

TEST(PauseTest, EventsRunInsideThePauseAndItSleepsBetweenThem) {
    test::FakeEventLoop events(100.0);
    test::InMemoryDesktop desktop;
    test::RecordingMessageBoxes boxes;
    ClientLink link(desktop, events, boxes);
    std::vector<double> ran;
    for (double at : {0.25, 1.0, 2.5})
        events.After(std::chrono::duration<double>(at), [&] { ran.push_back(events.Elapsed()); });
    link.Pause(3);
    EXPECT_EQ(ran, (std::vector<double>{0.25, 1.0, 2.5}));
    EXPECT_DOUBLE_EQ(events.Elapsed(), 3.0);
    EXPECT_LE(events.Sleeps(), 4);  // one sleep per event and one to the deadline: no spinning
}

TEST(PauseTest, NestedPauseInsideAnEventEnds) {
    test::FakeEventLoop events(0.0);
    test::InMemoryDesktop desktop;
    test::RecordingMessageBoxes boxes;
    ClientLink link(desktop, events, boxes);
    bool innerDone = false;
    events.After(std::chrono::duration<double>(0.5), [&] {
        link.Pause(2);
        innerDone = true;
    });
    link.Pause(1);
    EXPECT_TRUE(innerDone);
    // The inner pause began at 0.5 s, rounded to 0, so it ended at 2.0 s, holding the outer
    // one up past its own deadline.
    EXPECT_NEAR(events.Elapsed(), 2.0, 1e-6);
}

}  // namespace
}  // namespace snoozr
