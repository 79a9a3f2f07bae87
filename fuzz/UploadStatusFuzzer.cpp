// Feeds arbitrary window texts to the upload status cutting and aborts when a reading breaks
// what the companion window relies on.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "upload/UploadNumber.h"
#include "upload/UploadStatus.h"

namespace {

using snoozr::upload::UploadStatus;

bool NumberOrNa(const std::string& text) {
    return text == "na" || snoozr::upload::IsUploadNumber(text);
}

bool EndsWith(const std::string& text, const std::string& suffix) {
    return suffix.size() <= text.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::string caption = provider.ConsumeRandomLengthString();
    const std::string fileText = provider.ConsumeRandomLengthString();
    const std::string timeText = provider.ConsumeRemainingBytesAsString();

    const UploadStatus status = snoozr::upload::CutUploadStatus(caption, fileText, timeText);
    if (!snoozr::upload::ShowsUpload(caption)) {
        if (!(status == UploadStatus{}))
            std::abort();
        return 0;
    }
    if (!NumberOrNa(status.Percent) || !NumberOrNa(status.MinutesLeft))
        std::abort();
    if (!EndsWith(fileText, status.FileName))
        std::abort();
    const auto bar = snoozr::upload::BarValueOf(status.Percent);
    if (bar && (*bar < 0 || *bar > 100))
        std::abort();
    return 0;
}
