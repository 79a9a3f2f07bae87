#pragma once
// The upload companion window's behaviour: START/STOP watching an upload, the exit question,
// the closing sequence and the progress poll. The Win32 window Form12 forwards its events here.

#include <cstdint>
#include <string>
#include <string_view>

#include "CompanionView.h"
#include "UploadProbe.h"
#include "client/ClientLink.h"
#include "client/MessageBoxService.h"
#include "client/TimerSwitch.h"

namespace snoozr::upload {

class UploadCompanion {
  public:
    // The count file is written into countFolder (empty: the current directory).
    UploadCompanion(const ClientLink& link, MessageBoxService& messageBoxes, TimerSwitch& timer1,
                    CompanionView& view, std::string countFolder = {});

    void Label5_Click();  // START / STOP
    void Label6_Click();  // the exit question
    void Form_Unload();   // the closing sequence; ends the program
    void Timer1_Timer();  // one tick of the progress poll

  private:
    void ResetDisplay();
    void EndWatch();
    void CompleteUpload();
    std::string CountFilePath(std::string_view name) const;

    const ClientLink& link_;
    MessageBoxService& messageBoxes_;
    TimerSwitch& timer1_;
    CompanionView& view_;
    std::string countFolder_;
    UploadProbe probe_;
    std::uint64_t uploadsCompleted_ = 0;
    // Set once the closing sequence has begun; its pause dispatches events, and a click or a
    // second close inside it must not hide the upload window again or close twice.
    bool closing_ = false;
};

}  // namespace snoozr::upload
