#pragma once
// snoozr.exe against the stand-in client, driven with real mouse and keyboard input, as a new
// user would.

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "ui/layout/Layouts.h"
#include "wine/support/ProgramDriver.h"
#include "wine/support/WineHarness.h"

namespace snoozr::ui::test {

using wine::kWindowWait;

// The lines the stand-in receives while the program loads and unloads.
inline const std::string kBanner =
    " `\xB7.\xB8\xB8.\xB7\xB4\xB4\xAF`\xB7\xB7._.\xB7 \xBF Snoozr 2.5 \xBF"
    "`\xB7.\xB8\xB8.\xB7\xB4\xB4\xAF`\xB7\xB7._.\xB7 ";
inline const std::string kLoaded = std::string(25, ' ') + "[LOADED] ";
inline const std::string kUnloaded = std::string(24, ' ') + "[UNLOADED] ";
inline const std::string kDownloadStart = std::string(7, ' ') + "Download At ";

// The screen, saved beside the test programs in screenshots/NAME.bmp, to be looked at.
inline void Screenshot(const std::string& name) {
    const std::filesystem::path folder = wine::BinDir() / "screenshots";
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(wine::SaveScreenshot(folder / (name + ".bmp")));
}

// The ways a user asks the main window's exit question.
struct ExitTrigger {
    const char* name;
    void (*ask)(const wine::ProgramDriver& driver);
};
inline void PrintTo(const ExitTrigger& trigger, std::ostream* out) {
    *out << trigger.name;
}
inline const ExitTrigger kExitByHotspot{"X on the tab", [](const wine::ProgramDriver& driver) {
                                            wine::ClickControl(driver.Main(), layout::kForm1,
                                                               "Label4");
                                        }};

class EndToEnd : public ::testing::Test {
  protected:
    EndToEnd() = default;
    // The stand-in started with these options (an upload in progress, say).
    explicit EndToEnd(const std::string& standInArguments) : standIn(standInArguments) {}

    void TearDown() override { program.reset(); }

    DWORD Pid() const { return program->ProcessId(); }
    wine::ProgramDriver Driver() const { return wine::ProgramDriver(Pid()); }

    HWND ProgramWindow(const layout::WindowLayout& window) const { return Driver().Window(window); }
    HWND Splash() const { return Driver().Splash(); }
    HWND Main() const { return Driver().Main(); }
    HWND VisibleMenu() const { return Driver().Menu(); }

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
        ASSERT_NE(Driver().OpenMainFromSplash(), nullptr) << Report();
    }

    // The menu item chosen; the test stops when the popup did not come and go.
    void Choose(const wine::MenuPath& path) const {
        ASSERT_TRUE(Driver().Choose(path)) << ::testing::PrintToString(path) << "\n" << Report();
    }

    wine::StandIn standIn;
    std::filesystem::path workDir;  // the program's current folder
    std::optional<wine::Snoozr> program;
};

}  // namespace snoozr::ui::test
