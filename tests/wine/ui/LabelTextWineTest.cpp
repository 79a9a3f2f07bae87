// A label's caption as the windows paint it, in the companion's line font: a rectangle with
// room for one line shows the whole caption on it, a NUL ends the painted text, a taller
// rectangle wraps as before.

#include <windows.h>

#include <string>
#include <string_view>

#include "Pixels.h"
#include "ProgramFixture.h"
#include "ui/layout/Layouts.h"
#include "ui/win32/LabelText.h"

namespace snoozr::ui::test {
namespace {

using namespace std::string_literals;

class LabelTextWineTest : public ProgramFixture {
  protected:
    // The caption painted black on white in a box of that size, from its top-left corner.
    Pixels Painted(std::string_view caption, SIZE box, bool plainWrap = false) {
        const HFONT font = windows.Resources().FontFor(
            layout::FindControl(layout::kForm12, "Label2")->font, Dpi());
        return Pixels(box.cx + kMargin, box.cy + kMargin, [&](HDC dc) {
            const RECT all{0, 0, box.cx + kMargin, box.cy + kMargin};
            FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            const Selection selected(dc, font);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, RGB(0, 0, 0));
            RECT bounds{0, 0, box.cx, box.cy};
            if (plainWrap) {
                DrawTextA(dc, caption.data(), static_cast<int>(caption.size()), &bounds,
                          DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
            } else {
                DrawLabelCaption(dc, caption, bounds);
            }
        });
    }

    // Room around the box, where nothing may be painted.
    static constexpr int kMargin = 8;
};

bool Same(const Pixels& a, const Pixels& b) {
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            if (a.At(x, y) != b.At(x, y))
                return false;
        }
    }
    return true;
}

// The rightmost column with ink, or -1.
int InkRight(const Pixels& p) {
    for (int x = p.Width() - 1; x >= 0; --x) {
        for (int y = 0; y < p.Height(); ++y) {
            if (p.At(x, y) != RGB(255, 255, 255))
                return x;
        }
    }
    return -1;
}

int InkBottom(const Pixels& p) {
    for (int y = p.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < p.Width(); ++x) {
            if (p.At(x, y) != RGB(255, 255, 255))
                return y;
        }
    }
    return -1;
}

TEST_F(LabelTextWineTest, OneLineBoxShowsEveryWordOfACaptionTooWideForIt) {
    // Label2's rectangle; "Minutes Left: 12" is wider than it in most substitute fonts.
    const RECT label =
        windows.form12.PixelRect(layout::FindControl(layout::kForm12, "Label2")->rect);
    const SIZE box{label.right - label.left, label.bottom - label.top};
    for (const char* caption : {"Minutes Left: 12", "Minutes Left: 999", "Minutes Left: na"}) {
        SCOPED_TRACE(caption);
        const Pixels whole = Painted(caption, box);
        const std::string shorter(caption, std::string_view(caption).rfind(' '));
        EXPECT_FALSE(Same(whole, Painted(shorter, box))) << "the last word shows";
        EXPECT_LT(InkRight(whole), box.cx);
        EXPECT_LT(InkBottom(whole), box.cy);
    }
}

TEST_F(LabelTextWineTest, ANulEndsThePaintedText) {
    const SIZE box{137, 17};
    EXPECT_TRUE(Same(Painted("File:  report.txt\0"s, box), Painted("File:  report.txt", box)));
    EXPECT_TRUE(Same(Painted("File:\0 report.txt"s, box), Painted("File:", box)));
}

TEST_F(LabelTextWineTest, FittingCaptionsAndTallBoxesPaintAsBefore) {
    const struct {
        const char* caption;
        SIZE box;
    } cases[] = {
        {"43%", {33, 17}},
        {"START", {49, 17}},
        {"Minutes Left: 12", {81, 60}},  // room for several lines: wrapped
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_TRUE(Same(Painted(c.caption, c.box), Painted(c.caption, c.box, true)));
    }
}

}  // namespace
}  // namespace snoozr::ui::test
