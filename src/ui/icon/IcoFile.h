#pragma once
// Writes an .ico file holding one 24-bit image per size, every pixel opaque.

#include <functional>
#include <span>
#include <string>

#include "ui/icon/GlowBall.h"

namespace snoozr::ui::icon {

using PixelFunction = std::function<Rgb(int x, int y, int size)>;

// The file's bytes: the icon directory, then each image as a DIB with its AND mask.
std::string IcoBytes(std::span<const int> sizes, const PixelFunction& pixel);

}  // namespace snoozr::ui::icon
