#pragma once
// A reading of the client's upload window, and how it is cut out of the window's three texts.

#include <string>
#include <string_view>

namespace snoozr::upload {

// Percent and MinutesLeft hold a number or "na"; FileName holds whatever follows the file
// text's "ing". All three are empty when no upload is in progress.
struct UploadStatus {
    std::string Percent;
    std::string MinutesLeft;
    std::string FileName;

    friend bool operator==(const UploadStatus&, const UploadStatus&) = default;
};

// Whether the upload window's caption shows an upload in progress: it contains " - ".
bool ShowsUpload(std::string_view caption);

// Cuts a reading out of the upload window's caption, file text and time text, each as read
// from its window: the text followed by one NUL, which counts as its last character. Any
// bytes are accepted. A caption that shows no upload gives the empty reading; a cut that
// falls outside its text gives "na" (or an empty FileName).
UploadStatus CutUploadStatus(std::string_view caption, std::string_view fileText,
                             std::string_view timeText);

}  // namespace snoozr::upload
