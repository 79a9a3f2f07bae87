#pragma once
// The pictures the program paints with GDI instead of storing bitmaps: the main window's skin,
// the splash and the upload companion's skin. Each is drawn in 96-DPI design pixels and scaled
// to the DPI it is painted at.

#include <windows.h>

#include "ui/layout/Layout.h"

namespace snoozr::ui::art {

// Size in device pixels at `dpi`.
SIZE PictureSize(layout::Picture picture, int dpi);

// Paints the whole picture from (0, 0) of `dc`, which must hold PictureSize pixels.
void PaintPicture(layout::Picture picture, HDC dc, int dpi);

void PaintForm1Skin(HDC dc, int dpi);
void PaintSplash(HDC dc, int dpi);
void PaintForm12Skin(HDC dc, int dpi);

}  // namespace snoozr::ui::art
