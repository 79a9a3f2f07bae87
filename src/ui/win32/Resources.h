#pragma once
// What every window of the program shares: the fonts of the layouts (created once for each
// DPI a window is laid out at) and the program's icon.

#include <windows.h>

#include <string>
#include <vector>

#include "ui/layout/Layout.h"
#include "ui/win32/Handle.h"

namespace snoozr::ui {

class FormResources {
  public:
    FormResources();

    // The font of a layout entry at `dpi`; nullptr means the default font, the system's
    // message font.
    HFONT FontFor(const layout::FontLayout* font, int dpi);

    HICON ProgramIcon() const { return icon_.Get(); }
    HICON SmallProgramIcon() const { return smallIcon_.Get(); }

  private:
    struct CachedFont {
        bool isDefault;
        std::string name;
        int centipoints;
        bool bold;
        int dpi;
        Font font;
    };

    std::vector<CachedFont> fonts_;
    Icon icon_;
    Icon smallIcon_;
};

// A layout colour as a COLORREF; `fallback` is the system colour used for the default.
COLORREF ColourRef(const layout::Colour& colour, int fallback);

}  // namespace snoozr::ui
