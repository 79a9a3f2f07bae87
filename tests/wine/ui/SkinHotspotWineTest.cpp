// The painted skins against the layout: every hotspot label lies over the feature it stands
// for, and the features sit where the layout's description puts them, at 100 %, 150 % and
// 200 % scaling. The pictures are rendered with the windows' own painting code.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <set>

#include "Pixels.h"
#include "ui/layout/Layouts.h"
#include "ui/layout/Units.h"
#include "ui/win32/art/Pictures.h"

namespace snoozr::ui {
namespace {

using layout::Picture;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kDarkGrey = RGB(128, 128, 128);
constexpr COLORREF kLightGrey = RGB(192, 192, 192);

class Rendering : public test::Pixels {
  public:
    Rendering(Picture picture, int dpi)
        : Pixels(art::PictureSize(picture, dpi).cx, art::PictureSize(picture, dpi).cy,
                 [&](HDC dc) { art::PaintPicture(picture, dc, dpi); }),
          dpi_(dpi) {}

    // A design pixel's colour (its top-left device pixel).
    COLORREF AtDesign(int x, int y) const { return At(Scale(x), Scale(y)); }
    int Scale(int designPixels) const { return layout::DesignToPixels(designPixels, dpi_); }
    RECT ScaleRect(const RECT& design) const {
        return {Scale(design.left), Scale(design.top), Scale(design.right), Scale(design.bottom)};
    }

    // Pixels of `colour` inside `area`, split by whether they also lie inside `hotspot`.
    struct Count {
        int inside = 0;
        int outside = 0;
    };
    Count CountColour(const RECT& area, COLORREF colour, const RECT& hotspot) const {
        Count count;
        for (int y = std::max(0L, area.top); y < std::min<long>(Height(), area.bottom); ++y) {
            for (int x = std::max(0L, area.left); x < std::min<long>(Width(), area.right); ++x) {
                if (At(x, y) != colour)
                    continue;
                const POINT point{x, y};
                ++(PtInRect(&hotspot, point) ? count.inside : count.outside);
            }
        }
        return count;
    }

  private:
    int dpi_;
};

RECT HotspotPixels(const layout::WindowLayout& window, const char* label, int dpi) {
    const layout::ControlLayout* control = layout::FindControl(window, label);
    if (control == nullptr)
        return {};
    const int left = layout::TwipsToPixels(control->rect.left, dpi);
    const int top = layout::TwipsToPixels(control->rect.top, dpi);
    return {left, top, left + layout::TwipsToPixels(control->rect.width, dpi),
            top + layout::TwipsToPixels(control->rect.height, dpi)};
}

struct Hotspot {
    const char* feature;
    Picture picture;
    const layout::WindowLayout* window;
    const char* label;
    RECT area;        // design pixels around the feature, where only its ink has that colour
    COLORREF ink;     // the feature's lettering or mark
    COLORREF ground;  // what the mark is painted on
    bool inkWithin;   // all of the mark lies under the hotspot
};

const Hotspot kHotspots[] = {
    {"X on the tab",
     Picture::kForm1Skin,
     &layout::kForm1,
     "Label4",
     {169, 1, 193, 13},
     kBlack,
     kDarkGrey,
     true},
    {"- on the tab",
     Picture::kForm1Skin,
     &layout::kForm1,
     "Label9",
     {152, 1, 168, 13},
     kBlack,
     kDarkGrey,
     true},
    {">>> on the ellipse",
     Picture::kForm1Skin,
     &layout::kForm1,
     "Label8",
     {110, 18, 172, 64},
     kRed,
     kWhite,
     true},
    {"START box",
     Picture::kForm1Skin,
     &layout::kForm1,
     "Label7",
     {96, 60, 176, 100},
     kRed,
     kWhite,
     true},
    {"STOP box",
     Picture::kForm1Skin,
     &layout::kForm1,
     "Label6",
     {96, 100, 176, 142},
     kRed,
     kWhite,
     true},
    {"left red dot",
     Picture::kForm12Skin,
     &layout::kForm12,
     "Label7",
     {140, 0, 158, 16},
     kRed,
     kLightGrey,
     true},
    // Only the upper-left part of the right dot lies under its hotspot.
    {"right red dot",
     Picture::kForm12Skin,
     &layout::kForm12,
     "Label6",
     {158, 0, 175, 16},
     kRed,
     kLightGrey,
     false},
};

class SkinTest : public ::testing::TestWithParam<int> {};

TEST_P(SkinTest, EveryHotspotCoversItsPaintedFeature) {
    const int dpi = GetParam();
    for (const Hotspot& hotspot : kHotspots) {
        SCOPED_TRACE(hotspot.feature);
        const Rendering skin(hotspot.picture, dpi);
        const RECT area = skin.ScaleRect(hotspot.area);
        const RECT label = HotspotPixels(*hotspot.window, hotspot.label, dpi);
        const int scale2 = (dpi * dpi) / (96 * 96);
        const auto ink = skin.CountColour(area, hotspot.ink, label);
        EXPECT_GE(ink.inside, 6 * scale2) << "no mark under the hotspot";
        if (hotspot.inkWithin) {
            EXPECT_EQ(ink.outside, 0) << "part of the mark outside the hotspot";
        }
        RECT under{};
        IntersectRect(&under, &area, &label);
        const int underArea = (under.right - under.left) * (under.bottom - under.top);
        const auto ground = skin.CountColour(under, hotspot.ground, label);
        EXPECT_GE(ground.inside * 3, underArea) << "the hotspot is not over the feature";
    }
}

TEST_P(SkinTest, CompanionStartLabelLiesWhollyOnTheWhiteBox) {
    const int dpi = GetParam();
    const Rendering skin(Picture::kForm12Skin, dpi);
    const RECT label = HotspotPixels(layout::kForm12, "Label5", dpi);
    const auto white = skin.CountColour(label, kWhite, label);
    EXPECT_EQ(white.inside, (label.right - label.left) * (label.bottom - label.top));
}

struct Point {
    int x;
    int y;
    COLORREF colour;
    const char* what;
};

// Positions the layout's description gives in pixels: the panel 15..79 x 7..134, the tab
// 152..192 x 1..12, the dots 146..170 x 4..10, the white box 48..120 x 66..93.
const Point kForm1Points[] = {
    {47, 20, kWhite, "panel"},          {18, 70, kWhite, "panel"},
    {76, 70, kWhite, "panel"},          {47, 130, kWhite, "panel"},
    {15, 70, kBlack, "panel outline"},  {79, 70, kBlack, "panel outline"},
    {47, 7, kBlack, "panel outline"},   {47, 134, kBlack, "panel outline"},
    {152, 1, kDarkGrey, "tab corner"},  {192, 1, kDarkGrey, "tab corner"},
    {157, 12, kDarkGrey, "tab bottom"}, {187, 12, kDarkGrey, "tab bottom"},
    {141, 28, kWhite, "ellipse"},       {92, 70, kLightGrey, "base"},
};

const Point kForm12Points[] = {
    {149, 7, kRed, "left dot"},           {146, 7, kRed, "left dot"},
    {149, 4, kRed, "left dot"},           {167, 7, kRed, "right dot"},
    {170, 7, kRed, "right dot"},          {167, 10, kRed, "right dot"},
    {157, 7, kLightGrey, "between dots"}, {84, 80, kWhite, "white box"},
    {48, 80, kBlack, "white box edge"},   {120, 80, kBlack, "white box edge"},
    {84, 66, kBlack, "white box edge"},   {84, 93, kBlack, "white box edge"},
    {87, 0, kBlack, "outline"},           {0, 51, kBlack, "outline"},
    {174, 51, kBlack, "outline"},         {87, 102, kBlack, "outline"},
};

TEST_P(SkinTest, FeaturesSitWhereTheLayoutDescribesThem) {
    const int dpi = GetParam();
    const auto check = [dpi](Picture picture, const auto& points) {
        const Rendering skin(picture, dpi);
        for (const Point& point : points) {
            EXPECT_EQ(skin.AtDesign(point.x, point.y), point.colour)
                << point.what << " at " << point.x << ", " << point.y;
        }
    };
    check(Picture::kForm1Skin, kForm1Points);
    check(Picture::kForm12Skin, kForm12Points);
}

TEST_P(SkinTest, SkinsKeepToTheirFiveColours) {
    const int dpi = GetParam();
    const std::set<COLORREF> allowed{kBlack, kWhite, kRed, kDarkGrey, kLightGrey};
    for (const Picture picture : {Picture::kForm1Skin, Picture::kForm12Skin}) {
        const Rendering skin(picture, dpi);
        std::set<COLORREF> strays;
        for (int y = 0; y < skin.Height(); ++y) {
            for (int x = 0; x < skin.Width(); ++x) {
                if (!allowed.count(skin.At(x, y)))
                    strays.insert(skin.At(x, y));
            }
        }
        EXPECT_TRUE(strays.empty()) << strays.size() << " other colours";
    }
}

TEST_P(SkinTest, SplashIsBlackWithLightGreyLetteringAndRedGlow) {
    const int dpi = GetParam();
    const Rendering splash(Picture::kSplash, dpi);
    ASSERT_EQ(splash.Width(), layout::DesignToPixels(504, dpi));
    ASSERT_EQ(splash.Height(), layout::DesignToPixels(360, dpi));
    int lightGrey = 0;
    int reddish = 0;
    int black = 0;
    for (int y = 0; y < splash.Height(); ++y) {
        for (int x = 0; x < splash.Width(); ++x) {
            const COLORREF c = splash.At(x, y);
            lightGrey += c == kLightGrey;
            black += c == kBlack;
            reddish += GetRValue(c) > 150 && GetGValue(c) < GetRValue(c) / 2;
        }
    }
    const int all = splash.Width() * splash.Height();
    EXPECT_GT(black, all / 3);
    EXPECT_GT(lightGrey, all / 30);
    EXPECT_GT(reddish, all / 100);
}

INSTANTIATE_TEST_SUITE_P(Scalings, SkinTest, ::testing::Values(96, 144, 192));

}  // namespace
}  // namespace snoozr::ui
