#pragma once
// Window layouts as data: each of the program's windows is built from one of these tables.
// Geometry is in twips (1/1440 inch) from the top-left corner of the client area; text is held
// as code page 1252 bytes. Every control and timer is a named row of its own, which the form
// class takes as a typed member; the window's table lists the rows in z-order.

#include <optional>
#include <span>
#include <string_view>

namespace snoozr::ui::layout {

struct TwipsPoint {
    int x = 0;
    int y = 0;
};

struct TwipsSize {
    int width = 0;
    int height = 0;
};

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class Frame {
    kNone,         // no frame, no title bar
    kFixedSingle,  // thin frame, title bar and close box, not resizable
    kSizable,      // resizable frame with minimize, maximize and close boxes
};

// The platform's named colours.
enum class SystemColour { kButtonFace, kButtonText, kDarkShadow3d };

struct Colour {
    enum class Kind { kDefault, kSystem, kRgb };
    Kind kind = Kind::kDefault;
    SystemColour system = SystemColour::kButtonFace;
    unsigned char red = 0;
    unsigned char green = 0;
    unsigned char blue = 0;

    static constexpr Colour System(SystemColour colour) { return {Kind::kSystem, colour}; }
    static constexpr Colour Rgb(unsigned char r, unsigned char g, unsigned char b) {
        return {Kind::kRgb, SystemColour::kButtonFace, r, g, b};
    }
};

inline constexpr Colour kRed = Colour::Rgb(255, 0, 0);

// Size in hundredths of a point (12 pt is 1200, 8.25 pt is 825).
struct FontLayout {
    std::string_view name{};
    int centipoints = 0;
    bool bold = false;
};

enum class ControlKind { kLabel, kTextBox, kButton, kListBox, kProgressBar };

inline constexpr int kNoTabStop = -1;

struct ControlLayout {
    ControlKind kind = ControlKind::kLabel;
    std::string_view name{};
    std::string_view text{};
    TwipsRect rect{};
    const FontLayout* font = nullptr;  // nullptr: the program's default font
    Colour foreColour{};               // text colour (labels)
    bool transparent = false;          // labels only: drawn over the window's backdrop
    int tab = kNoTabStop;
};

struct LineLayout {
    std::string_view name{};
    TwipsPoint from{};
    TwipsPoint to{};
};

struct TimerLayout {
    std::string_view name{};
    bool enabled = false;
    unsigned intervalMs = 0;
};

// The pictures the program paints itself.
enum class Picture { kNone, kForm1Skin, kSplash, kForm12Skin };

struct WindowLayout {
    std::string_view name{};
    std::string_view caption{};
    Frame frame = Frame::kNone;
    bool minMaxButtons = false;  // fixed single windows: minimize and maximize boxes
    TwipsSize client{};
    std::optional<TwipsPoint> start{};  // client area's top-left on screen; none: platform's
    Picture picture = Picture::kNone;
    Colour back{};           // shows where no picture covers the client area
    bool stayOnTop = false;  // made topmost when loaded
    std::span<const ControlLayout* const> controls{};  // bottom of the z-order first
    std::span<const LineLayout> lines{};
    std::span<const TimerLayout* const> timers{};
};

// The menu tree of Form3. An item with children opens a submenu; `index` is set for the
// members of an item array.
struct MenuItem {
    std::string_view name{};
    std::string_view caption{};
    std::optional<int> index{};
    std::span<const MenuItem> children{};
};

}  // namespace snoozr::ui::layout
