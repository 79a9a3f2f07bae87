#pragma once
// The idle engine's fixed texts, as code page 1252 bytes: the undecorated banners, the bodies
// of the decorated lines and the message boxes.

#include <string>
#include <string_view>

namespace snoozr::idle {

constexpr std::string_view kDownloadSite = "snoozr.example.com";

// Undecorated lines.
constexpr std::string_view kBanner =
    " `\xB7.\xB8\xB8.\xB7\xB4\xB4\xAF`\xB7\xB7._.\xB7 \xBF Snoozr 2.5 "
    "\xBF`\xB7.\xB8\xB8.\xB7\xB4\xB4\xAF`\xB7\xB7._.\xB7 ";
constexpr std::string_view kLoadedLine = "                         [LOADED] ";
constexpr std::string_view kUnloadedLine = "                        [UNLOADED] ";
constexpr std::string_view kAdvertisingLine = " ~~~Snoozr 2.5 By: Brix~~~ ";
std::string LoadDownloadLine();         // the address in capitals
std::string AdvertisingDownloadLine();  // the address in lower case

// Bodies of decorated lines; a profile text or the counters follow those ending in a blank.
constexpr std::string_view kStartedBody = "STARTED IDLE";
constexpr std::string_view kGoingIdleBody = " Going idle Because ";
constexpr std::string_view kStartReasonBody = " Reason: ";
constexpr std::string_view kAttemptingStopBody = " Attempting To Stop Idle- ";
constexpr std::string_view kStoppedBody = "IDLE HAS BEEN STOPPED";
constexpr std::string_view kStopReasonBody = " Reason For Idle Stop: ";
constexpr std::string_view kTickReasonBody = " IDLE REASON: ";
constexpr std::string_view kHandleBody = " iM NoW KNoWn As: ";
constexpr std::string_view kBragBody = " i FeEL i HaVe To Brag My Stats ";
constexpr std::string_view kBragReasonBody = "iM IDLe CuZ: ";

// The one idle reason START refuses: the reason dialog's untouched default.
constexpr std::string_view kUntouchedReason = "REASON HERE";

// Message boxes.
constexpr std::string_view kEnterReasonBox = " PLEASE ENTER A REASON BEFORE STARTING IDLE ";
constexpr std::string_view kStopWithoutIdleBox = " You Need To Start The Idle To Stop It Dumbass ";
constexpr std::string_view kBragWithoutIdleBox = " You Have To Start The Idle First Retard ";
constexpr std::string_view kExitQuestion = "Are you sure you want to exit?";
constexpr std::string_view kExitCaption = "Exit?";

}  // namespace snoozr::idle
