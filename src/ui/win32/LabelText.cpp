#include "ui/win32/LabelText.h"

#include <cstdlib>

#include "ui/layout/LabelWrap.h"
#include "ui/win32/GdiGuards.h"
#include "ui/win32/Handle.h"

namespace snoozr::ui {

namespace {

constexpr UINT kWrapped = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;
constexpr UINT kOneLine = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;

int TextWidth(HDC dc, std::string_view text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void Draw(HDC dc, std::string_view text, RECT box, UINT format) {
    DrawTextA(dc, text.data(), static_cast<int>(text.size()), &box, format);
}

// The caption on one line in the largest smaller size of the selected font that fits, its
// baseline where the full size would have put it. Below two thirds of the size, lettering
// stops reading well: what still does not fit ends in "...".
void DrawShrunk(HDC dc, std::string_view text, const RECT& bounds, const TEXTMETRICA& full) {
    LOGFONTA logical{};
    Font font;
    if (GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof(logical), &logical) != 0) {
        const int fullHeight = std::abs(logical.lfHeight);
        const int sign = logical.lfHeight < 0 ? -1 : 1;
        const int room = bounds.right - bounds.left;
        for (int height = fullHeight - 1; height >= (fullHeight * 2 + 2) / 3; --height) {
            logical.lfHeight = sign * height;
            logical.lfWidth = 0;
            font = Font(CreateFontIndirectA(&logical));
            const Selection selected(dc, font.Get());
            if (TextWidth(dc, text) <= room)
                break;
        }
    }
    if (!font) {
        Draw(dc, text, bounds, kOneLine | DT_END_ELLIPSIS);
        return;
    }
    const Selection selected(dc, font.Get());
    TEXTMETRICA shrunk{};
    GetTextMetricsA(dc, &shrunk);
    RECT box = bounds;
    box.top += full.tmAscent - shrunk.tmAscent;
    Draw(dc, text, box, kOneLine | DT_END_ELLIPSIS);
}

}  // namespace

void DrawLabelCaption(HDC dc, std::string_view caption, const RECT& bounds) {
    const std::string_view shown = caption.substr(0, caption.find('\0'));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const bool oneLine = bounds.bottom - bounds.top < 2 * metrics.tmHeight &&
                         shown.find_first_of("\r\n") == std::string_view::npos;
    if (!oneLine) {
        // Wrapped here: the platform's own wrap may glue a run of blanks to the word before it.
        const auto measure = [dc](std::string_view run) { return TextWidth(dc, run); };
        Draw(dc, layout::WrapLabelText(shown, bounds.right - bounds.left, measure), bounds,
             kWrapped);
    } else if (TextWidth(dc, shown) <= bounds.right - bounds.left) {
        Draw(dc, shown, bounds, kOneLine);
    } else {
        DrawShrunk(dc, shown, bounds, metrics);
    }
}

}  // namespace snoozr::ui
