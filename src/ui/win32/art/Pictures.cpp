#include "ui/win32/art/Pictures.h"

#include "ui/layout/Units.h"

namespace snoozr::ui::art {

using layout::Picture;

namespace {

// The size at 96 DPI.
SIZE DesignSize(Picture picture) {
    switch (picture) {
        case Picture::kForm1Skin:
            return {195, 144};
        case Picture::kSplash:
            return {504, 360};
        case Picture::kForm12Skin:
            return {175, 103};
        case Picture::kNone:
            break;
    }
    return {0, 0};
}

}  // namespace

SIZE PictureSize(Picture picture, int dpi) {
    const SIZE design = DesignSize(picture);
    return {layout::DesignToPixels(design.cx, dpi), layout::DesignToPixels(design.cy, dpi)};
}

void PaintPicture(Picture picture, HDC dc, int dpi) {
    switch (picture) {
        case Picture::kForm1Skin:
            PaintForm1Skin(dc, dpi);
            break;
        case Picture::kSplash:
            PaintSplash(dc, dpi);
            break;
        case Picture::kForm12Skin:
            PaintForm12Skin(dc, dpi);
            break;
        case Picture::kNone:
            break;
    }
}

}  // namespace snoozr::ui::art
