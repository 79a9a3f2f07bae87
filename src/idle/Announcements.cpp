#include "idle/Announcements.h"

namespace snoozr::idle {
namespace {

// The address is plain ASCII, so a byte-wise change of case is enough and needs no locale.
std::string InCapitals(std::string_view text) {
    std::string capitals(text);
    for (char& c : capitals) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return capitals;
}

}  // namespace

std::string LoadDownloadLine() {
    return "       Download At " + InCapitals(kDownloadSite) + " ";
}

std::string AdvertisingDownloadLine() {
    return " ~~~Download at " + std::string(kDownloadSite) + "~~~ ";
}

}  // namespace snoozr::idle
