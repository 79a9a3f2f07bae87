#pragma once
// Paints into a 32-bit bitmap of its own and keeps the pixels for the test to read.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "ui/win32/GdiGuards.h"
#include "ui/win32/Handle.h"

namespace snoozr::ui::test {

class Pixels {
  public:
    Pixels(int width, int height, const std::function<void(HDC)>& paint)
        : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        const MemoryDc dc(CreateCompatibleDC(nullptr));
        const Bitmap bitmap(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!bitmap)
            return;
        {
            const Selection selected(dc.Get(), bitmap.Get());
            paint(dc.Get());
            GdiFlush();
        }
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        pixels_.assign(pixels, pixels + static_cast<std::size_t>(width) * height);
    }

    // What the screen shows in `area` (screen coordinates).
    static Pixels OfScreen(const RECT& area) {
        return Pixels(area.right - area.left, area.bottom - area.top, [&](HDC dc) {
            const WindowDc screen(nullptr);
            BitBlt(dc, 0, 0, area.right - area.left, area.bottom - area.top, screen.Dc(), area.left,
                   area.top, SRCCOPY);
        });
    }

    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF At(int x, int y) const {
        const std::uint32_t bgra = pixels_.at(static_cast<std::size_t>(y) * width_ + x);
        return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }

  private:
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace snoozr::ui::test
