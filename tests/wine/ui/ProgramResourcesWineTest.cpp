// snoozr.exe's resources: the icon, a red glowing ball on black at every size Windows asks
// for, and the manifest that makes the program per-monitor DPI-aware with Common Controls 6 and
// names the Windows versions it supports.

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
    EXPECT_NE(manifest.find(">true/PM</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
    for (const char* os : {"e2011457-1546-43c5-a5fe-008deee3d3f0",   // Vista
                           "35138b9a-5d96-4fbd-8e2d-a2440225f93a",   // 7
                           "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",   // 8
                           "1f676c76-80e1-4239-95bb-83d0f6d0da78",   // 8.1
                           "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})  // 10 and 11
        EXPECT_NE(manifest.find(std::string("<supportedOS Id=\"{") + os + "}\"/>"),
                  std::string::npos)
            << os;
}

}  // namespace
