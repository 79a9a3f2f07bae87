#include "UploadProbe.h"

#include <algorithm>

#include "client/ClientLink.h"

namespace snoozr::upload {

namespace {
// Reading searches the class as "_AOL_Modal"; hiding and showing write it "_AOL_MODAL".
// Classes match without regard to case, so both find the same window.
constexpr std::string_view kUploadClassToShow = "_AOL_MODAL";
constexpr std::string_view kNoticeText =
    "Please do not activate the upchat unless you are uploading!";
constexpr std::string_view kNoticeCaption = "Notice";
// How often a text that keeps changing its length while it is read is read at most.
constexpr int kTextReadAttempts = 3;
}  // namespace

std::string UploadProbe::ReadWindowText(WindowHandle window) const {
    if (window == kNoWindow)
        return std::string(1, '\0');
    const auto lengthOf = [&] { return std::min(windows_.GetTextLength(window), kMaxWindowText); };
    // The other program may change its text between the two messages: a caption going from
    // "9%" to "10%" would be read as "File Transfer - 10" and cut to 1 %. When the length
    // asked for afterwards differs, the text is read again, a few times at most.
    std::size_t length = lengthOf();
    std::string text;
    for (int attempt = 1;; ++attempt) {
        text = windows_.GetText(window, length + 1);
        const std::size_t lengthAfter = lengthOf();
        if (lengthAfter == length || attempt == kTextReadAttempts)
            break;
        length = lengthAfter;
    }
    // An adapter may hand back any size: keep exactly the buffer asked for, NUL last.
    text.resize(length + 1, '\0');
    text.back() = '\0';
    return text;
}

std::optional<UploadStatus> UploadProbe::ReadUploadWindow() const {
    const WindowHandle upload = windows_.FindTopLevel(client::kUploadClass, std::nullopt);
    if (upload == kNoWindow)
        return std::nullopt;
    const WindowHandle fileText =
        windows_.FindChild(upload, kNoWindow, client::kStaticClass, std::nullopt);
    const WindowHandle timeText =
        fileText == kNoWindow
            ? kNoWindow
            : windows_.FindChild(upload, fileText, client::kStaticClass, std::nullopt);
    const std::string caption = ReadWindowText(upload);
    // The statics are only read for a caption that shows an upload.
    if (!ShowsUpload(caption))
        return UploadStatus{};
    return CutUploadStatus(caption, ReadWindowText(fileText), ReadWindowText(timeText));
}

UploadStatus UploadProbe::ReadUploadStatus() const {
    return ReadUploadWindow().value_or(UploadStatus{});
}

void UploadProbe::HideUploadWindow() const {
    const WindowHandle upload = windows_.FindTopLevel(kUploadClassToShow, std::nullopt);
    if (upload == kNoWindow) {
        messageBoxes_.Show(kNoticeText, kNoticeCaption, mb::kOk | mb::kIconStop);
        return;
    }
    poll_.Enable();
    windows_.Show(upload, show::kHide);
    windows_.Show(upload, show::kMinimize);
}

void UploadProbe::ShowUploadWindow() const {
    const WindowHandle upload = windows_.FindTopLevel(kUploadClassToShow, std::nullopt);
    if (upload == kNoWindow)
        return;
    windows_.Show(upload, show::kHide);
    windows_.Show(upload, show::kRestore);
}

}  // namespace snoozr::upload
