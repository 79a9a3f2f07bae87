// The splash, 504 x 360 design pixels: glowing red rings scattered over black, the product
// name and "2.5" in large light-grey wavy letters, and a small dark-blue credit line in the
// bottom right corner (kept inside the part the 492 x 353 client area shows).

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

#include "ui/win32/Handle.h"
#include "ui/win32/art/Drawing.h"
#include "ui/win32/art/Pictures.h"

namespace snoozr::ui::art {

namespace {

using namespace colour;

struct Ring {
    double x;
    double y;
    double radius;
};

constexpr Ring kRings[] = {
    {58, 62, 30},   {446, 58, 36}, {262, 30, 12},  {112, 298, 32}, {404, 292, 24},
    {470, 180, 15}, {30, 190, 13}, {212, 326, 10}, {286, 322, 17}, {176, 176, 7},
    {356, 40, 8},   {140, 30, 6},  {250, 250, 6},  {470, 118, 7},
};

std::uint8_t Channel(double value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

// Each ring is a bright thin circle with a soft halo on both sides.
double GlowAt(double x, double y) {
    double glow = 0;
    for (const Ring& ring : kRings) {
        const double distance = std::hypot(x - ring.x, y - ring.y) - ring.radius;
        const double core = 1.4 + ring.radius * 0.05;
        const double halo = core * 4.0;
        glow += std::exp(-(distance * distance) / (core * core)) +
                0.35 * std::exp(-(distance * distance) / (halo * halo));
    }
    return glow;
}

void PaintRings(HDC dc, int dpi) {
    const SIZE size = PictureSize(layout::Picture::kSplash, dpi);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const Bitmap rings(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!rings)
        return;
    auto* pixels = static_cast<std::uint8_t*>(bits);
    const double designPerPixel = 96.0 / dpi;
    for (int row = 0; row < size.cy; ++row) {
        for (int column = 0; column < size.cx; ++column) {
            const double glow =
                GlowAt((column + 0.5) * designPerPixel, (row + 0.5) * designPerPixel);
            std::uint8_t* pixel = pixels + (static_cast<std::size_t>(row) * size.cx + column) * 4;
            pixel[0] = Channel((glow - 0.85) * 0.5);  // blue: only in the hottest spots
            pixel[1] = Channel((glow - 0.6) * 0.55);  // green: orange-white cores
            pixel[2] = Channel(glow);                 // red
            pixel[3] = 0;
        }
    }
    const MemoryDc source(CreateCompatibleDC(dc));
    const Selection selected(source.Get(), rings.Get());
    BitBlt(dc, 0, 0, size.cx, size.cy, source.Get(), 0, 0, SRCCOPY);
}

Font LetterFont(int height, int tenthsOfDegree) {
    return Font(CreateFontA(-height, 0, tenthsOfDegree, tenthsOfDegree, FW_BLACK, FALSE, FALSE,
                            FALSE, ANSI_CHARSET, OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS,
                            ANTIALIASED_QUALITY, VARIABLE_PITCH | FF_SWISS, "Comic Sans MS"));
}

// The letter height at which `word` is at most `width` wide, `maxHeight` at most: whatever
// face the system substitutes, the word stays inside the part of the splash that is shown.
int FittingHeight(HDC dc, std::string_view word, int width, int maxHeight) {
    const Font font = LetterFont(maxHeight, 0);
    const Selection selected(dc, font.Get());
    SIZE extent{};
    GetTextExtentPoint32A(dc, word.data(), static_cast<int>(word.size()), &extent);
    if (extent.cx <= width)
        return maxHeight;
    return std::max(8, static_cast<int>(static_cast<long long>(maxHeight) * width / extent.cx));
}

// Letters on a wave, centred on `centreX`: each one sits on the curve and leans with it.
void WavyWord(HDC dc, std::string_view word, int centreX, int baseline, int width, int maxHeight,
              double phase) {
    const int height = FittingHeight(dc, word, width, maxHeight);
    const double amplitude = height * 0.1;
    constexpr double kStep = 0.95;  // radians per letter
    int wordWidth = 0;
    {
        const Font font = LetterFont(height, 0);
        const Selection selected(dc, font.Get());
        SIZE extent{};
        GetTextExtentPoint32A(dc, word.data(), static_cast<int>(word.size()), &extent);
        wordWidth = extent.cx;
    }
    BeginPath(dc);
    int x = centreX - wordWidth / 2;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const double angle = phase + kStep * static_cast<double>(i);
        const int y = baseline + static_cast<int>(std::lround(amplitude * std::sin(angle)));
        const double lean = -std::atan(amplitude * kStep * std::cos(angle) / height * 0.9);
        const Font font =
            LetterFont(height, static_cast<int>(std::lround(lean * 1800 / std::numbers::pi)));
        const Selection selected(dc, font.Get());
        const char letter = word[i];
        TextOutA(dc, x, y, &letter, 1);
        SIZE extent{};
        GetTextExtentPoint32A(dc, &letter, 1, &extent);
        x += extent.cx;
    }
    EndPath(dc);
    const LOGBRUSH edge{BS_SOLID, kDarkGrey, 0};
    const Pen pen(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_JOIN_ROUND, 3, &edge, 0, nullptr));
    const Brush fill(CreateSolidBrush(kLightGrey));
    const Selection selectedPen(dc, pen.Get());
    const Selection selectedBrush(dc, fill.Get());
    StrokeAndFillPath(dc);
}

void CreditLine(HDC dc) {
    const Font font(CreateFontA(-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                VARIABLE_PITCH | FF_SWISS, "Tahoma"));
    const Selection selected(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(24, 40, 150));
    RECT area{300, 326, 484, 346};
    DrawTextA(dc, "By: Brix", -1, &area, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

void PaintSplash(HDC dc, int dpi) {
    PaintRings(dc, dpi);
    const DesignUnits units(dc, dpi);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    WavyWord(dc, "Snoozr", 240, 170, 400, 124, 0.2);
    WavyWord(dc, "2.5", 330, 290, 170, 100, 1.4);
    SetTextAlign(dc, TA_TOP | TA_LEFT);
    CreditLine(dc);
}

}  // namespace snoozr::ui::art
