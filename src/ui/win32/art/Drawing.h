#pragma once
// Small drawing helpers for the pictures: a DC switched to 96-DPI design pixels, and solid
// shapes and lettering in one call each.

#include <windows.h>

#include <initializer_list>
#include <string_view>

#include "ui/win32/GdiGuards.h"

namespace snoozr::ui::art {

namespace colour {
inline constexpr COLORREF kLightGrey = RGB(192, 192, 192);
inline constexpr COLORREF kDarkGrey = RGB(128, 128, 128);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kRed = RGB(255, 0, 0);
}  // namespace colour

// While it lives, coordinates and pen widths on `dc` are design pixels scaled to `dpi`.
class DesignUnits {
  public:
    DesignUnits(HDC dc, int dpi);

  private:
    SavedDcState saved_;
};

// Right and bottom exclusive, as everywhere in GDI.
void FillBox(HDC dc, const RECT& box, COLORREF fill);
void OutlinedRoundBox(HDC dc, const RECT& box, int cornerDiameter, COLORREF fill, COLORREF line);
void OutlinedEllipse(HDC dc, const RECT& box, COLORREF fill, COLORREF line);
void Stroke(HDC dc, const POINT* points, int count, int width, COLORREF line);

// The bold lettering of the pictures: not antialiased, so that they keep to their few colours.
// The largest height up to `maxHeight` at which each of `words` is at most `width` wide.
int FittingHeight(HDC dc, std::initializer_list<std::string_view> words, int width, int maxHeight);
void CentredWord(HDC dc, std::string_view word, const RECT& box, int height, COLORREF ink);

}  // namespace snoozr::ui::art
