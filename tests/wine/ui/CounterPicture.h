#pragma once
// What a counter label of the main window looks like on screen. The labels are painted, not
// windows, so another program's caption is read by comparing its pixels with the same label
// painted, with a known caption, by a Form1 of the test's own process.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "client/win32/Win32EventLoop.h"
#include "ui/win32/ProgramWindows.h"
#include "wine/support/WineHarness.h"

namespace snoozr::ui::test {

// The pixels of a rectangle of the screen, row by row.
inline std::vector<COLORREF> ScreenPixels(const RECT& area) {
    std::vector<COLORREF> pixels;
    const HDC screen = GetDC(nullptr);
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x)
            pixels.push_back(GetPixel(screen, x, y));
    }
    ReleaseDC(nullptr, screen);
    return pixels;
}

class CounterPicture {
  public:
    // Out of the way of the program's own windows, on the right of the screen.
    static constexpr POINT kReferenceAt{900, 600};

    CounterPicture() {
        windows_.form1.Load();  // nothing wired: no start-up, no splash
        SetWindowPos(windows_.form1.Hwnd(), nullptr, kReferenceAt.x, kReferenceAt.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // A counter label of Form1: &Form1::Label1 (minutes), Label3 (hours), Label12 (days).
    using Counter = Label Form1::*;

    // The screen pixels of a counter label of another program's main window.
    std::vector<COLORREF> CounterOf(HWND main, Counter counter) {
        return ScreenPixels(OnScreen(main, windows_.form1.*counter));
    }

    // The counter label as this process paints it with `caption`.
    std::vector<COLORREF> CounterShowing(Counter counter, std::string_view caption) {
        Form1& form1 = windows_.form1;
        (form1.*counter).SetCaption(caption);
        form1.Show();
        UpdateWindow(form1.Hwnd());
        std::vector<COLORREF> pixels = ScreenPixels(OnScreen(form1.Hwnd(), form1.*counter));
        form1.Hide();
        events_.DispatchPending();
        return pixels;
    }

    std::vector<COLORREF> MinutesOf(HWND main) { return CounterOf(main, &Form1::Label1); }
    std::vector<COLORREF> MinutesShowing(std::string_view caption) {
        return CounterShowing(&Form1::Label1, caption);
    }

  private:
    RECT OnScreen(HWND window, Label& label) {
        RECT bounds = windows_.form1.PixelRect(label.Layout().rect);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&bounds), 2);
        return bounds;
    }

    Win32EventLoop events_;
    ProgramWindows windows_;
};

}  // namespace snoozr::ui::test
