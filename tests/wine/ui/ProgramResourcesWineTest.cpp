// snoozr.exe's resources: the icon, a red glowing ball on black at every size Windows asks
// for, and the manifest that makes the program DPI-aware with Common Controls 6.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "Pixels.h"
#include "wine/support/WineHarness.h"

namespace {

class ProgramResourcesWineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string exe = (snoozr::wine::BinDir() / "snoozr.exe").string();
        module = LoadLibraryExA(exe.c_str(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module, nullptr);
    }
    void TearDown() override { FreeLibrary(module); }

    HMODULE module = nullptr;
};

TEST_F(ProgramResourcesWineTest, IconIsARedBallOnBlackAtEverySize) {
    for (const int size : {16, 24, 32, 48}) {
        SCOPED_TRACE(size);
        const snoozr::ui::Icon icon(static_cast<HICON>(
            LoadImageA(module, MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
        ASSERT_TRUE(icon);
        const snoozr::ui::test::Pixels drawn(size, size, [&](HDC dc) {
            DrawIconEx(dc, 0, 0, icon.Get(), size, size, 0, nullptr, DI_NORMAL);
        });
        const COLORREF centre = drawn.At(size / 2, size / 2);
        const COLORREF corner = drawn.At(0, 0);
        EXPECT_GT(GetRValue(centre), 200);
        EXPECT_LT(GetGValue(centre), 100);
        EXPECT_LT(GetBValue(centre), 100);
        EXPECT_LT(GetRValue(corner) + GetGValue(corner) + GetBValue(corner), 30);
    }
}

TEST_F(ProgramResourcesWineTest, ManifestAsksForCommonControls6AndDpiAwareness) {
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr);
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    const std::string manifest(bytes, SizeofResource(module, found));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("<dpiAware"), std::string::npos);
}

}  // namespace
