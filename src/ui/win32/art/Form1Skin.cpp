// The main window's skin, 195 x 144 design pixels in five colours: light grey base, a white
// counter panel, the dark-grey tab with "-" and "X", the ">>>" ellipse and the START and STOP
// boxes. The hotspot labels of Form1 lie over these features.

#include "ui/win32/Handle.h"
#include "ui/win32/art/Drawing.h"
#include "ui/win32/art/Pictures.h"

namespace snoozr::ui::art {

namespace {

using namespace colour;

void PaintFrame(HDC dc) {
    FillBox(dc, {0, 0, 195, 144}, kLightGrey);
    // A raised plate: black edge, white light from the top left, dark grey shade below.
    const POINT light[] = {{1, 142}, {1, 1}, {193, 1}};
    const POINT shade[] = {{1, 142}, {193, 142}, {193, 1}};
    Stroke(dc, light, 3, 1, kWhite);
    Stroke(dc, shade, 3, 1, kDarkGrey);
    const Brush edge(CreateSolidBrush(kBlack));
    const RECT whole{0, 0, 195, 144};
    FrameRect(dc, &whole, edge.Get());
}

void PaintTab(HDC dc) {
    {
        // Square at the top, rounded at the bottom corners.
        const SavedDcState clip(dc);
        IntersectClipRect(dc, 152, 1, 193, 13);
        OutlinedRoundBox(dc, {152, -8, 193, 13}, 10, kDarkGrey, kDarkGrey);
    }
    const POINT groove[] = {{168, 3}, {168, 11}};
    Stroke(dc, groove, 2, 1, kLightGrey);
    FillBox(dc, {161, 6, 167, 8}, kBlack);  // "-"
    const POINT down[] = {{173, 3}, {180, 10}};
    const POINT up[] = {{180, 3}, {173, 10}};
    Stroke(dc, down, 2, 2, kBlack);  // "X"
    Stroke(dc, up, 2, 2, kBlack);
}

void PaintOptions(HDC dc) {
    OutlinedEllipse(dc, {122, 26, 160, 56}, kWhite, kBlack);
    for (int i = 0; i < 3; ++i) {
        const int x = 130 + 8 * i;
        const POINT chevron[] = {{x, 35}, {x + 5, 41}, {x, 47}};
        Stroke(dc, chevron, 3, 2, kRed);
    }
}

void PaintButtons(HDC dc) {
    constexpr RECT kStartBox{106, 66, 168, 96};
    constexpr RECT kStopBox{106, 106, 168, 136};
    constexpr int kMargin = 4;
    // One letter size for both words, whatever face the system gives for the lettering.
    const int height =
        FittingHeight(dc, {"START", "STOP"}, kStartBox.right - kStartBox.left - 2 * kMargin, 17);
    OutlinedRoundBox(dc, kStartBox, 12, kWhite, kBlack);
    CentredWord(dc, "START", kStartBox, height, kRed);
    OutlinedRoundBox(dc, kStopBox, 12, kWhite, kBlack);
    CentredWord(dc, "STOP", kStopBox, height, kRed);
}

void PaintConnectors(HDC dc) {
    const POINT toStart[] = {{80, 81}, {105, 81}};
    const POINT toStop[] = {{80, 121}, {105, 121}};
    Stroke(dc, toStart, 2, 1, kBlack);
    Stroke(dc, toStop, 2, 1, kBlack);
    // From the top of the START box up to the left of the ellipse.
    const LOGBRUSH ink{BS_SOLID, kBlack, 0};
    const Pen pen(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, 1, &ink, 0, nullptr));
    const Selection selected(dc, pen.Get());
    const POINT curve[] = {{116, 66}, {112, 54}, {110, 42}, {122, 41}};
    PolyBezier(dc, curve, 4);
}

void PaintEdgeStrip(HDC dc) {
    const POINT groove[] = {{180, 20}, {180, 133}};
    const POINT ridge[] = {{181, 20}, {181, 133}};
    Stroke(dc, groove, 2, 1, kDarkGrey);
    Stroke(dc, ridge, 2, 1, kWhite);
}

}  // namespace

void PaintForm1Skin(HDC dc, int dpi) {
    const DesignUnits units(dc, dpi);
    PaintFrame(dc);
    OutlinedRoundBox(dc, {15, 7, 80, 135}, 16, kWhite, kBlack);  // the counter panel
    PaintTab(dc);
    PaintOptions(dc);
    PaintButtons(dc);
    PaintConnectors(dc);
    PaintEdgeStrip(dc);
}

}  // namespace snoozr::ui::art
