#pragma once
// What every window of the program shares: the DPI the layouts are scaled to, the fonts of
// the layouts (created once each) and the program's icon.

#include <windows.h>

#include <string>
#include <vector>

#include "ui/layout/Layout.h"
#include "ui/win32/Handle.h"

namespace snoozr::ui {

class FormResources {
  public:
    FormResources();

    // The system DPI: the program is DPI-aware, so twips scale to the real pixels.
    int Dpi() const { return dpi_; }
    int Pixels(int twips) const;
    RECT PixelRect(const layout::TwipsRect& rect) const;

    // The font of a layout entry; nullptr means the default font, the system's message font.
    HFONT FontFor(const layout::FontLayout* font);

    HICON ProgramIcon() const { return icon_.Get(); }
    HICON SmallProgramIcon() const { return smallIcon_.Get(); }

  private:
    struct CachedFont {
        std::string name;
        int centipoints;
        bool bold;
        Font font;
    };

    int dpi_;
    Font defaultFont_;
    std::vector<CachedFont> fonts_;
    Icon icon_;
    Icon smallIcon_;
};

// A layout colour as a COLORREF; `fallback` is the system colour used for the default.
COLORREF ColourRef(const layout::Colour& colour, int fallback);

}  // namespace snoozr::ui
