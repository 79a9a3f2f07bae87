// The 32-bit program's own GetTickCount64: calls through the import slot reach the system's
// where it has one (as on Wine), and the fallback for Windows XP counts milliseconds as the
// system's does.

#include <gtest/gtest.h>

#include <cstdlib>

#include "ui/win32/SystemFunction.h"
#include "ui/win32/main/TickCount64.h"

#if defined(__MINGW32__) && defined(__i386__)

// Declared here as the C++ runtime sees it: the XP headers do not name it.
extern "C" __declspec(dllimport) ULONGLONG WINAPI GetTickCount64();

namespace snoozr::ui {
namespace {

using TickCount64 = ULONGLONG WINAPI();

long long Difference(ULONGLONG a, ULONGLONG b) {
    return static_cast<long long>(a) - static_cast<long long>(b);
}

TEST(TickCount64WineTest, ImportSlotCallsTheSystemsFunctionWhereThereIsOne) {
    TickCount64* system = SystemFunction<TickCount64>("kernel32.dll", "GetTickCount64");
    ASSERT_NE(system, nullptr);
    for (int call = 0; call < 2; ++call) {  // the first call looks it up, the second goes direct
        SCOPED_TRACE(call);
        EXPECT_LE(std::abs(Difference(GetTickCount64(), system())), 50);
    }
}

TEST(TickCount64WineTest, FallbackCountsMillisecondsSinceTheSystemStarted) {
    TickCount64* system = SystemFunction<TickCount64>("kernel32.dll", "GetTickCount64");
    ASSERT_NE(system, nullptr);
    // Both count from about the system's start: a wrong unit would be far off.
    EXPECT_LE(std::abs(Difference(TickCountFromPerformanceCounter(), system())), 60000);
    const ULONGLONG before = TickCountFromPerformanceCounter();
    Sleep(200);
    const long long elapsed = Difference(TickCountFromPerformanceCounter(), before);
    EXPECT_GE(elapsed, 190);
    EXPECT_LE(elapsed, 2000);
}

}  // namespace
}  // namespace snoozr::ui

#endif
