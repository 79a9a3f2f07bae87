// Build tool: writes the program's icon file, drawn by GlowBallPixel at the sizes Windows
// asks for at 100 % to 200 % scaling.

#include <array>
#include <cstdio>
#include <fstream>

#include "ui/icon/IcoFile.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.ico\n", argv[0]);
        return 2;
    }
    constexpr std::array kSizes{16, 20, 24, 32, 40, 48, 64};
    const std::string bytes = snoozr::ui::icon::IcoBytes(kSizes, snoozr::ui::icon::GlowBallPixel);
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file ? 0 : 1;
}
