#pragma once
// snoozr.exe against the stand-in client, driven with real mouse and keyboard input, as a new
// user would.

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

#include "wine/support/WineHarness.h"

namespace snoozr::ui::test {

// The lines the stand-in receives while the program loads and unloads.
inline const std::string kBanner =
    " `\xB7.\xB8\xB8.\xB7\xB4\xB4\xAF`\xB7\xB7._.\xB7 \xBF Snoozr 2.5 \xBF"
    "`\xB7.\xB8\xB8.\xB7\xB4\xB4\xAF`\xB7\xB7._.\xB7 ";
inline const std::string kLoaded = std::string(25, ' ') + "[LOADED] ";
inline const std::string kUnloaded = std::string(24, ' ') + "[UNLOADED] ";
inline const std::string kDownloadStart = std::string(7, ' ') + "Download At ";

// Hiding a framed window takes Wine up to two seconds without a window manager.
constexpr DWORD kWindowWait = 10000;

// The screen, saved beside the test programs in screenshots/NAME.bmp, to be looked at.
inline void Screenshot(const std::string& name) {
    const std::filesystem::path folder = wine::BinDir() / "screenshots";
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(wine::SaveScreenshot(folder / (name + ".bmp")));
}

class EndToEnd : public ::testing::Test {
  protected:
    EndToEnd() = default;
    // The stand-in started with these options (an upload in progress, say).
    explicit EndToEnd(const std::string& standInArguments) : standIn(standInArguments) {}

    void TearDown() override { program.reset(); }

    DWORD Pid() const { return program->ProcessId(); }

    HWND ProgramWindow(const char* className) const {
        for (const HWND window : wine::TopLevelWindows(Pid())) {
            if (wine::ClassOf(window) == className)
                return window;
        }
        return nullptr;
    }
    HWND Splash() const { return ProgramWindow("Snoozr.frmSplash"); }
    HWND Main() const { return ProgramWindow("Snoozr.Form1"); }
    HWND VisibleMenu() const {
        for (const HWND window : wine::TopLevelWindows(Pid())) {
            if (wine::ClassOf(window) == "#32768" && IsWindowVisible(window))
                return window;
        }
        return nullptr;
    }

    // Waits for the "Exit?" question, checks its text and buttons, answers it and waits
    // for it to go.
    void AnswerExitQuestion(int answer) const {
        const HWND box = wine::WaitForMessageBox(Pid(), "Exit?", kWindowWait);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(wine::MessageBoxText(box), "Are you sure you want to exit?");
        EXPECT_NE(GetDlgItem(box, IDYES), nullptr);
        wine::AnswerMessageBox(box, answer);
        ASSERT_TRUE(wine::WaitUntil([&] { return !IsWindow(box); }, kWindowWait));
    }

    // What both programs are doing: for failure messages.
    std::string Report() const {
        return (program ? program->Report() : "snoozr.exe not started") + "\n" + standIn.Report();
    }

    void Start() {
        ASSERT_TRUE(standIn.Ready()) << standIn.Report();
        workDir = wine::FreshTempDir("snoozr");
        program.emplace(workDir);
    }

    // Start-up, then the double click on the splash that brings the main window.
    void StartAndOpenMain() {
        ASSERT_NO_FATAL_FAILURE(Start());
        const HWND splash = wine::WaitFor(
            [&] { return IsWindowVisible(Splash()) ? Splash() : nullptr; }, kWindowWait);
        ASSERT_NE(splash, nullptr) << Report();
        wine::DoubleClick(splash, {246, 176});
        ASSERT_TRUE(wine::WaitUntil([&] { return IsWindowVisible(Main()) != FALSE; }, kWindowWait))
            << Report();
    }

    wine::StandIn standIn;
    std::filesystem::path workDir;  // the program's current folder
    std::optional<wine::Snoozr> program;
};

}  // namespace snoozr::ui::test
