// Every window the program has, opened and closed a thousand times as the user does (each one
// painted while up, the options popup opened and dismissed): the windows, USER and GDI objects
// and the memory end where they began. The windows are made once and only shown and hidden, so
// anything that grows is a leak of a paint, a popup or a show. Wine reports no USER or GDI
// counts (0); there the windows and the memory tell.

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "ProgramFixture.h"
#include "wine/support/ProcessFigures.h"

namespace snoozr::ui::test {
namespace {

struct Reading {
    wine::ProcessFigures figures;  // Wine reports no USER or GDI objects (0)
    long windows = 0;              // the thread's windows and their children
};

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<long*>(count);
    return TRUE;
}

BOOL CALLBACK CountWithChildren(HWND window, LPARAM count) {
    ++*reinterpret_cast<long*>(count);
    EnumChildWindows(window, &CountChild, count);
    return TRUE;
}

Reading Read() {
    Reading reading;
    reading.figures = wine::ReadProcessFigures(GetCurrentProcess());
    EnumThreadWindows(GetCurrentThreadId(), &CountWithChildren,
                      reinterpret_cast<LPARAM>(&reading.windows));
    return reading;
}

long Change(DWORD before, DWORD after) {
    return std::labs(static_cast<long>(after) - static_cast<long>(before));
}

// Dismisses the popup as soon as it is up.
void CALLBACK EndMenuWhenUp(HWND, UINT, UINT_PTR, DWORD) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetCurrentThreadId(), &info);
    if (info.flags & GUI_INMENUMODE)
        EndMenu();
}

constexpr int kWarmUp = 20;  // every window made, every font and the menu built, the heap grown
constexpr int kCycles = 1000;

class HandleCountWineTest : public ProgramFixture {
  protected:
    void Cycle() {
        for (Form* window : std::initializer_list<Form*>{
                 &windows.form2, &windows.form4, &windows.form5, &windows.form6, &windows.form7,
                 &windows.form9, &windows.form10, &windows.form11}) {
            navigator.OpenInsteadOfMain(*window);
            UpdateWindow(window->Hwnd());
            SendMessageA(window->Hwnd(), WM_CLOSE, 0, 0);  // back to the main window
            UpdateWindow(windows.form1.Hwnd());
        }
        // The companion has no way back (closing it ends the program): shown and hidden.
        navigator.OpenInsteadOfMain(windows.form12);
        UpdateWindow(windows.form12.Hwnd());
        navigator.BackToMain(windows.form12);
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, &EndMenuWhenUp);
        windows.form3.PopupFile(windows.form1.Hwnd());
        KillTimer(nullptr, timer);
        Settle();
    }
};

TEST_F(HandleCountWineTest, AThousandOpeningsOfEveryWindowLeaveTheCountsFlat) {
    windows.form1.Show();
    for (int i = 0; i < kWarmUp; ++i)
        Cycle();
    const Reading before = Read();
    for (int i = 0; i < kCycles; ++i)
        Cycle();
    const Reading after = Read();
    const wine::ProcessFigures& was = before.figures;
    const wine::ProcessFigures& is = after.figures;
    std::printf("%d cycles: USER %lu->%lu, GDI %lu->%lu, windows %ld->%ld, memory %.1f->%.1f MiB\n",
                kCycles, was.user, is.user, was.gdi, is.gdi, before.windows, after.windows,
                was.privateMiB, is.privateMiB);
    EXPECT_LE(Change(was.user, is.user), 2);
    EXPECT_LE(Change(was.gdi, is.gdi), 2);
    EXPECT_EQ(after.windows, before.windows);
    EXPECT_LT(is.privateMiB - was.privateMiB, 1.0);
    EXPECT_TRUE(IsWindowVisible(windows.form1.Handle()));
}

}  // namespace
}  // namespace snoozr::ui::test
