// The upload companion's skin, 175 x 103 design pixels: light grey with a rounded black
// outline, two red dots in the top right corner (minimize and exit) and a white box at the
// bottom centre under the START/STOP label.

#include "ui/win32/art/Drawing.h"
#include "ui/win32/art/Pictures.h"

namespace snoozr::ui::art {

using namespace colour;

void PaintForm12Skin(HDC dc, int dpi) {
    const DesignUnits units(dc, dpi);
    FillBox(dc, {0, 0, 175, 103}, kLightGrey);
    OutlinedRoundBox(dc, {0, 0, 175, 103}, 18, kLightGrey, kBlack);
    OutlinedEllipse(dc, {146, 4, 153, 11}, kRed, kRed);
    OutlinedEllipse(dc, {164, 4, 171, 11}, kRed, kRed);
    OutlinedRoundBox(dc, {48, 66, 121, 94}, 10, kWhite, kBlack);
}

}  // namespace snoozr::ui::art
