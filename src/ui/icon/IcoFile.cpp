#include "ui/icon/IcoFile.h"

#include <cstdint>

namespace snoozr::ui::icon {

namespace {

void Put16(std::string& out, unsigned value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

std::uint32_t RowBytes(int width, int bitsPerPixel) {
    return ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

std::uint32_t ImageBytes(int size) {
    return 40 + (RowBytes(size, 24) + RowBytes(size, 1)) * static_cast<std::uint32_t>(size);
}

// BITMAPINFOHEADER of an icon image: the height counts the colour rows and the mask rows.
std::string Image(int size, const PixelFunction& pixel) {
    std::string out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(size));
    Put32(out, static_cast<std::uint32_t>(size) * 2);
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, ImageBytes(size) - 40);
    for (int i = 0; i < 4; ++i)
        Put32(out, 0);
    const std::uint32_t colourRow = RowBytes(size, 24);
    for (int y = size - 1; y >= 0; --y) {  // bottom-up
        std::uint32_t written = 0;
        for (int x = 0; x < size; ++x) {
            const Rgb rgb = pixel(x, y, size);
            out.push_back(static_cast<char>(rgb.blue));
            out.push_back(static_cast<char>(rgb.green));
            out.push_back(static_cast<char>(rgb.red));
            written += 3;
        }
        out.append(colourRow - written, '\0');
    }
    out.append(static_cast<std::size_t>(RowBytes(size, 1)) * size, '\0');  // all opaque
    return out;
}

}  // namespace

std::string IcoBytes(std::span<const int> sizes, const PixelFunction& pixel) {
    std::string out;
    Put16(out, 0);
    Put16(out, 1);  // icon
    Put16(out, static_cast<unsigned>(sizes.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(sizes.size());
    for (const int size : sizes) {
        out.push_back(static_cast<char>(size >= 256 ? 0 : size));
        out.push_back(static_cast<char>(size >= 256 ? 0 : size));
        out.push_back('\0');  // no palette
        out.push_back('\0');
        Put16(out, 1);
        Put16(out, 24);
        Put32(out, ImageBytes(size));
        Put32(out, offset);
        offset += ImageBytes(size);
    }
    for (const int size : sizes)
        out += Image(size, pixel);
    return out;
}

}  // namespace snoozr::ui::icon
