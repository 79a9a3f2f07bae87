#include "ui/win32/art/Drawing.h"

#include "ui/layout/Units.h"
#include "ui/win32/Handle.h"

namespace snoozr::ui::art {

DesignUnits::DesignUnits(HDC dc, int dpi) : saved_(dc) {
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, layout::kDesignDpi, layout::kDesignDpi, nullptr);
    SetViewportExtEx(dc, dpi, dpi, nullptr);
}

void FillBox(HDC dc, const RECT& box, COLORREF fill) {
    const Brush brush(CreateSolidBrush(fill));
    FillRect(dc, &box, brush.Get());
}

void OutlinedRoundBox(HDC dc, const RECT& box, int cornerDiameter, COLORREF fill, COLORREF line) {
    const Brush brush(CreateSolidBrush(fill));
    const Pen pen(CreatePen(PS_INSIDEFRAME, 1, line));
    const Selection selectedBrush(dc, brush.Get());
    const Selection selectedPen(dc, pen.Get());
    RoundRect(dc, box.left, box.top, box.right, box.bottom, cornerDiameter, cornerDiameter);
}

void OutlinedEllipse(HDC dc, const RECT& box, COLORREF fill, COLORREF line) {
    const Brush brush(CreateSolidBrush(fill));
    const Pen pen(CreatePen(PS_INSIDEFRAME, 1, line));
    const Selection selectedBrush(dc, brush.Get());
    const Selection selectedPen(dc, pen.Get());
    Ellipse(dc, box.left, box.top, box.right, box.bottom);
}

void Stroke(HDC dc, const POINT* points, int count, int width, COLORREF line) {
    const LOGBRUSH ink{BS_SOLID, line, 0};
    const Pen pen(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_SQUARE | PS_JOIN_MITER,
                               static_cast<DWORD>(width), &ink, 0, nullptr));
    const Selection selectedPen(dc, pen.Get());
    Polyline(dc, points, count);
}

namespace {

Font Lettering(int height) {
    return Font(CreateFontA(-height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                            OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                            VARIABLE_PITCH | FF_SWISS, "Arial"));
}

}  // namespace

int FittingHeight(HDC dc, std::initializer_list<std::string_view> words, int width, int maxHeight) {
    constexpr int kSmallest = 6;
    for (int height = maxHeight; height > kSmallest; --height) {
        const Font font = Lettering(height);
        const Selection selected(dc, font.Get());
        bool fits = true;
        for (const std::string_view word : words) {
            SIZE extent{};
            GetTextExtentPoint32A(dc, word.data(), static_cast<int>(word.size()), &extent);
            fits = fits && extent.cx <= width;
        }
        if (fits)
            return height;
    }
    return kSmallest;
}

void CentredWord(HDC dc, std::string_view word, const RECT& box, int height, COLORREF ink) {
    const Font font = Lettering(height);
    const Selection selected(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    RECT area = box;
    DrawTextA(dc, word.data(), static_cast<int>(word.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace snoozr::ui::art
