#pragma once
// UploadProbe: finds the client's upload window, reads the upload's status out of its texts,
// and hides or shows it. Keeps nothing between calls: every call searches the windows anew.

#include <cstddef>
#include <optional>
#include <string>

#include "UploadStatus.h"
#include "client/MessageBoxService.h"
#include "client/TimerSwitch.h"
#include "client/WindowServices.h"

namespace snoozr::upload {

class UploadProbe {
  public:
    UploadProbe(WindowServices& windows, MessageBoxService& messageBoxes, TimerSwitch& poll)
        : windows_(windows), messageBoxes_(messageBoxes), poll_(poll) {}

    // The window's text followed by one NUL: the whole buffer of the reported length plus
    // one, whatever the window wrote into it; read again when the length has changed by the
    // time the text is in. Handle 0 gives a single NUL.
    std::string ReadWindowText(WindowHandle window) const;

    // The upload's reading; all fields empty when there is no upload window or its caption
    // lacks " - ".
    UploadStatus ReadUploadStatus() const;

    // As ReadUploadStatus, but nothing at all when there is no upload window, so that a
    // caller can tell a vanished window from one that shows no upload.
    std::optional<UploadStatus> ReadUploadWindow() const;

    // START: switches the poll on and hides the upload window; without one, the notice box.
    void HideUploadWindow() const;

    // STOP: brings the upload window back, if there is one.
    void ShowUploadWindow() const;

  private:
    WindowServices& windows_;
    MessageBoxService& messageBoxes_;
    TimerSwitch& poll_;
};

}  // namespace snoozr::upload
