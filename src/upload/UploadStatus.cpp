#include "UploadStatus.h"

#include "UploadNumber.h"

namespace snoozr::upload {

namespace {

constexpr std::string_view kNotANumber = "na";
constexpr std::string_view kUploadMark = " - ";
constexpr std::string_view kPercentMark = "r - ";
constexpr std::string_view kFileMark = "ing";
constexpr std::size_t kTimeLeadIn = 6;

// The text from a 0-based index to its end; empty when the index is past the end.
std::string_view From(std::string_view text, std::size_t index) {
    return index < text.size() ? text.substr(index) : std::string_view{};
}

std::string NumberOrNa(std::string_view piece) {
    return std::string(IsUploadNumber(piece) ? piece : kNotANumber);
}

// After "r - " (or from the fourth character when it is absent) up to the percent sign and
// the NUL, which are the last two characters.
std::string CutPercent(std::string_view caption) {
    const std::size_t mark = caption.find(kPercentMark);
    std::string_view piece =
        From(caption, mark == std::string_view::npos ? 3 : mark + kPercentMark.size());
    if (piece.size() < 2)
        return std::string(kNotANumber);
    piece.remove_suffix(2);
    return NumberOrNa(piece);
}

// After the first "ing" (or from the third character when it is absent) to the end.
std::string_view CutFileName(std::string_view fileText) {
    const std::size_t mark = fileText.find(kFileMark);
    return From(fileText, mark == std::string_view::npos ? 2 : mark + kFileMark.size());
}

// The time text without its six-character lead-in, from the place of the file name's first
// blank, up to the next blank. The offset comes from the file name, not the time text: that
// is how the window's texts line up.
std::string CutMinutesLeft(std::string_view timeText, std::string_view fileName) {
    const std::size_t offset = fileName.find(' ');
    if (offset == std::string_view::npos)
        return std::string(kNotANumber);
    const std::string_view part = From(From(timeText, kTimeLeadIn), offset);
    const std::size_t end = part.find(' ');
    if (end == std::string_view::npos)
        return std::string(kNotANumber);
    return NumberOrNa(part.substr(0, end));
}

}  // namespace

bool ShowsUpload(std::string_view caption) {
    return caption.find(kUploadMark) != std::string_view::npos;
}

UploadStatus CutUploadStatus(std::string_view caption, std::string_view fileText,
                             std::string_view timeText) {
    if (!ShowsUpload(caption))
        return {};
    UploadStatus status;
    status.Percent = CutPercent(caption);
    status.FileName = std::string(CutFileName(fileText));
    status.MinutesLeft = CutMinutesLeft(timeText, status.FileName);
    return status;
}

}  // namespace snoozr::upload
