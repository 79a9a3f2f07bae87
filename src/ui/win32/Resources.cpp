#include "ui/win32/Resources.h"

#include <algorithm>
#include <cstring>

#include "ui/win32/Dpi.h"

namespace snoozr::ui {

namespace {

constexpr int kProgramIconId = 1;

// The system's message font, which comes at the system DPI, scaled to `dpi`.
HFONT CreateMessageFont(int dpi) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        LOGFONTA stock{};
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(stock), &stock);
        metrics.lfMessageFont = stock;
    }
    LOGFONTA& logical = metrics.lfMessageFont;
    logical.lfHeight = MulDiv(logical.lfHeight, dpi, SystemDpi());
    return CreateFontIndirectA(&logical);
}

HFONT CreateLayoutFont(const layout::FontLayout& font, int dpi) {
    LOGFONTA logical{};
    logical.lfHeight = -MulDiv(font.centipoints, dpi, 7200);
    logical.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    logical.lfCharSet = ANSI_CHARSET;
    logical.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logical.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logical.lfQuality = DEFAULT_QUALITY;
    logical.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::size_t length = std::min(font.name.size(), sizeof(logical.lfFaceName) - 1);
    std::memcpy(logical.lfFaceName, font.name.data(), length);
    return CreateFontIndirectA(&logical);
}

Icon LoadProgramIcon(int widthMetric, int heightMetric) {
    return Icon(static_cast<HICON>(LoadImageA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kProgramIconId), IMAGE_ICON,
        GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR)));
}

}  // namespace

FormResources::FormResources()
    : icon_(LoadProgramIcon(SM_CXICON, SM_CYICON)),
      smallIcon_(LoadProgramIcon(SM_CXSMICON, SM_CYSMICON)) {}

HFONT FormResources::FontFor(const layout::FontLayout* font, int dpi) {
    for (const CachedFont& cached : fonts_) {
        if (cached.dpi != dpi || cached.isDefault != (font == nullptr))
            continue;
        if (font == nullptr ||
            (cached.name == font->name && cached.centipoints == font->centipoints &&
             cached.bold == font->bold)) {
            return cached.font.Get();
        }
    }
    if (font == nullptr) {
        fonts_.push_back({true, {}, 0, false, dpi, Font(CreateMessageFont(dpi))});
    } else {
        fonts_.push_back({false, std::string(font->name), font->centipoints, font->bold, dpi,
                          Font(CreateLayoutFont(*font, dpi))});
    }
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
