#include "ui/win32/Resources.h"

#include <algorithm>
#include <cstring>

#include "ui/layout/Units.h"
#include "ui/win32/GdiGuards.h"

namespace snoozr::ui {

namespace {

constexpr int kProgramIconId = 1;

int SystemDpi() {
    const WindowDc screen(nullptr);
    return GetDeviceCaps(screen.Dc(), LOGPIXELSY);
}

Font MessageFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        return Font(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    }
    return Font(CreateFontIndirectA(&metrics.lfMessageFont));
}

Icon LoadProgramIcon(int widthMetric, int heightMetric) {
    return Icon(static_cast<HICON>(LoadImageA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kProgramIconId), IMAGE_ICON,
        GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR)));
}

}  // namespace

FormResources::FormResources()
    : dpi_(SystemDpi()),
      defaultFont_(MessageFont()),
      icon_(LoadProgramIcon(SM_CXICON, SM_CYICON)),
      smallIcon_(LoadProgramIcon(SM_CXSMICON, SM_CYSMICON)) {}

int FormResources::Pixels(int twips) const {
    return layout::TwipsToPixels(twips, dpi_);
}

RECT FormResources::PixelRect(const layout::TwipsRect& rect) const {
    const int left = Pixels(rect.left);
    const int top = Pixels(rect.top);
    return {left, top, left + Pixels(rect.width), top + Pixels(rect.height)};
}

HFONT FormResources::FontFor(const layout::FontLayout* font) {
    if (font == nullptr)
        return defaultFont_.Get();
    for (const CachedFont& cached : fonts_) {
        if (cached.name == font->name && cached.centipoints == font->centipoints &&
            cached.bold == font->bold) {
            return cached.font.Get();
        }
    }
    LOGFONTA logical{};
    logical.lfHeight = -MulDiv(font->centipoints, dpi_, 7200);
    logical.lfWeight = font->bold ? FW_BOLD : FW_NORMAL;
    logical.lfCharSet = ANSI_CHARSET;
    logical.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logical.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logical.lfQuality = DEFAULT_QUALITY;
    logical.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::size_t length = std::min(font->name.size(), sizeof(logical.lfFaceName) - 1);
    std::memcpy(logical.lfFaceName, font->name.data(), length);
    fonts_.push_back({std::string(font->name), font->centipoints, font->bold,
                      Font(CreateFontIndirectA(&logical))});
    return fonts_.back().font.Get();
}

COLORREF ColourRef(const layout::Colour& colour, int fallback) {
    using Kind = layout::Colour::Kind;
    using layout::SystemColour;
    switch (colour.kind) {
        case Kind::kRgb:
            return RGB(colour.red, colour.green, colour.blue);
        case Kind::kSystem:
            switch (colour.system) {
                case SystemColour::kButtonFace:
                    return GetSysColor(COLOR_BTNFACE);
                case SystemColour::kButtonText:
                    return GetSysColor(COLOR_BTNTEXT);
                case SystemColour::kDarkShadow3d:
                    return GetSysColor(COLOR_3DDKSHADOW);
            }
            break;
        case Kind::kDefault:
            break;
    }
    return GetSysColor(fallback);
}

}  // namespace snoozr::ui
