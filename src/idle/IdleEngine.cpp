#include "idle/IdleEngine.h"

#include "idle/Announcements.h"
#include "idle/DecoratedLine.h"

namespace snoozr::idle {

IdleEngine::IdleEngine(ChatSink& chat, ProfileSource& profile, TimerSwitch& timer,
                       MessageBoxService& messageBoxes, IdleView& view, const Clock& clock)
    : chat_(chat),
      profile_(profile),
      timer_(timer),
      messageBoxes_(messageBoxes),
      view_(view),
      clock_(clock) {}

void IdleEngine::SendDecorated(std::string_view body) {
    // The decorations are read anew for every line: the user may be editing them meanwhile.
    chat_.SendChat(DecoratedLine(profile_.FrontDecoration(), body, profile_.EndDecoration()));
}

void IdleEngine::SendLoadBanners() {
    chat_.SendChat(kBanner);
    chat_.SendChat(kLoadedLine);
    chat_.SendChat(LoadDownloadLine());
}

bool IdleEngine::ConfirmExit() {
    if (messageBoxes_.Show(kExitQuestion, kExitCaption, mb::kYesNo) != mb::kAnswerYes) {
        return false;
    }
    chat_.SendChat(kBanner);
    chat_.SendChat(kUnloadedLine);
    return true;
}

void IdleEngine::Start() {
    if (profile_.IdleReason() == kUntouchedReason) {
        messageBoxes_.Show(kEnterReasonBox, kAppTitle, mb::kOk);
        return;
    }
    // A new idle begins a fresh minute; a START while idling leaves the countdown and the
    // minute under way alone.
    if (!timer_.IsEnabled()) {
        countedUpTo_ = clock_.Now();
        timer_.Enable();
    }
    SendDecorated(kStartedBody);
    SendDecorated(kGoingIdleBody);
    SendDecorated(std::string(kStartReasonBody) + profile_.IdleReason());
}

void IdleEngine::Stop() {
    if (!timer_.IsEnabled()) {
        messageBoxes_.Show(kStopWithoutIdleBox, kAppTitle, mb::kOk);
        return;
    }
    // The idle goes on, ticks included, until the stop reason is confirmed.
    SendDecorated(kAttemptingStopBody);
    view_.HideMain();
    view_.ShowStopDialog();
}

void IdleEngine::ConfirmStop() {
    view_.HideStopDialog();
    view_.ShowMain();
    timer_.Disable();
    SendDecorated(kStoppedBody);
    SendDecorated(std::string(kStopReasonBody) + profile_.StopReason());
}

void IdleEngine::Tick() {
    // A tick already on its way when the idle ended has nothing to count.
    if (!timer_.IsEnabled())
        return;
    const std::chrono::minutes minutes = MinutesToCount(clock_.Now() - countedUpTo_);
    countedUpTo_ += minutes;
    AddMinutes(counters_, minutes);
    // State is complete before the first line goes out, so anything that runs while a line
    // is being sent sees the counters as shown.
    view_.ShowCounters(counters_);
    SendDecorated(StatsBody(counters_));
    SendDecorated(std::string(kTickReasonBody) + profile_.IdleReason());
}

void IdleEngine::BragStats() {
    if (!timer_.IsEnabled()) {
        messageBoxes_.Show(kBragWithoutIdleBox, kAppTitle, mb::kOk);
        return;
    }
    SendDecorated(kBragBody);
    SendDecorated(std::string(kBragReasonBody) + profile_.IdleReason());
    SendDecorated(StatsBodyWithoutDays(counters_));
}

void IdleEngine::Advertise() {
    chat_.SendChat(kAdvertisingLine);
    chat_.SendChat(AdvertisingDownloadLine());
}

void IdleEngine::AnnounceHandle() {
    SendDecorated(std::string(kHandleBody) + profile_.Handle());
}

}  // namespace snoozr::idle
