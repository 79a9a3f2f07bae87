#include "UploadCompanion.h"

#include <optional>
#include <string>
#include <utility>

#include "UploadNumber.h"

namespace snoozr::upload {

namespace {
constexpr std::string_view kStart = "START";
constexpr std::string_view kStop = "STOP";
constexpr std::string_view kExitQuestion = "Are you sure you want to exit?";
constexpr std::string_view kExitCaption = "Exit?";
constexpr std::string_view kCreditLine = "UpChAt By: Brix";
constexpr std::string_view kUnloadedLine = "Snoozr 1.0 [Unloaded]";
// One file on Windows, whose file system ignores case; the two writers spell it differently.
constexpr std::string_view kCountFileOnComplete = "UpLog";
constexpr std::string_view kCountFileOnClose = "upLog";
constexpr std::int16_t kComplete = 100;
}  // namespace

UploadCompanion::UploadCompanion(const ClientLink& link, MessageBoxService& messageBoxes,
                                 TimerSwitch& timer1, CompanionView& view, std::string countFolder)
    : link_(link),
      messageBoxes_(messageBoxes),
      timer1_(timer1),
      view_(view),
      countFolder_(std::move(countFolder)),
      probe_(link.Windows(), messageBoxes, timer1) {}

void UploadCompanion::Label5_Click() {
    if (closing_)
        return;
    if (view_.Text(CompanionControl::Label5) == kStart) {
        view_.SetText(CompanionControl::Label5, kStop);
        probe_.HideUploadWindow();
        return;
    }
    view_.SetText(CompanionControl::Label5, kStart);
    probe_.ShowUploadWindow();
    timer1_.Disable();
    ResetDisplay();
}

void UploadCompanion::Label6_Click() {
    if (closing_)
        return;
    if (messageBoxes_.Show(kExitQuestion, kExitCaption, mb::kYesNo) == mb::kAnswerYes) {
        Form_Unload();
    }
}

void UploadCompanion::Form_Unload() {
    if (closing_)
        return;
    closing_ = true;
    // While the control reads STOP the client's upload window may be hidden by us; bring it
    // back as STOP would, or it stays hidden after the program has ended.
    if (view_.Text(CompanionControl::Label5) == kStop)
        probe_.ShowUploadWindow();
    ClientLink::SaveTextBox(view_.Text(CompanionControl::Text1), CountFilePath(kCountFileOnClose));
    link_.SendChat(kCreditLine);
    link_.Pause(1);
    link_.SendChat(kUnloadedLine);
    view_.EndProgram();
}

void UploadCompanion::Timer1_Timer() {
    // Each line takes a reading of its own, so one tick's values can come from different
    // moments of the upload.
    view_.SetText(CompanionControl::Label1, "File: " + probe_.ReadUploadStatus().FileName);
    view_.SetText(CompanionControl::Label2,
                  "Minutes Left: " + probe_.ReadUploadStatus().MinutesLeft);
    view_.SetText(CompanionControl::Label3, probe_.ReadUploadStatus().Percent + "%");
    view_.SetText(CompanionControl::Label4, probe_.ReadUploadStatus().Percent);

    const std::optional<UploadStatus> reading = probe_.ReadUploadWindow();
    if (!reading) {
        EndWatch();
        return;
    }
    // No number (no upload shown yet, or "na"): the bar keeps its value and the poll goes on.
    const std::optional<std::int16_t> value = BarValueOf(reading->Percent);
    if (!value)
        return;
    view_.SetBarValue(*value);
    if (view_.BarValue() == kComplete)
        CompleteUpload();
}

void UploadCompanion::ResetDisplay() {
    view_.SetText(CompanionControl::Label1, "File: ");
    view_.SetText(CompanionControl::Label2, "Minutes Left: na");
    view_.SetText(CompanionControl::Label3, "na%");
    view_.SetText(CompanionControl::Label4, "0");
    view_.SetBarValue(0);
}

// The upload window has gone: nothing more to watch. The control keeps reading STOP.
void UploadCompanion::EndWatch() {
    timer1_.Disable();
    ResetDisplay();
}

void UploadCompanion::CompleteUpload() {
    ++uploadsCompleted_;
    view_.SetText(CompanionControl::Text1, std::to_string(uploadsCompleted_));
    ClientLink::SaveTextBox(view_.Text(CompanionControl::Text1),
                            CountFilePath(kCountFileOnComplete));
    EndWatch();
}

std::string UploadCompanion::CountFilePath(std::string_view name) const {
    if (countFolder_.empty())
        return std::string(name);
    return countFolder_ + "/" + std::string(name);
}

}  // namespace snoozr::upload
