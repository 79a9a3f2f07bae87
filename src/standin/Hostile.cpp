#include "Hostile.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "StandIn.h"

namespace standin {

namespace {

using std::chrono::milliseconds;

constexpr int kMegabyte = 1 << 20;
// The schedule's thread draws its own pauses, from a generator of its own.
constexpr unsigned kWakeScheduleMix = 0x9E3779B9u;

}  // namespace

void Hostile::Start(Client& client) {
    options_ = client.options.hostile;
    if (!options_.on)
        return;
    random_ = std::mt19937(options_.schedule);
    client.log.Write("hostile", "schedule", std::to_string(options_.schedule));
    client.log.Write("hostile", "behaviours", HostilityNames(options_.behaviours));
    const Time now = std::chrono::steady_clock::now();
    nextFreeze_ =
        now + milliseconds(Between(options_.meanFreezeGapMs / 2, options_.meanFreezeGapMs * 3 / 2));
    nextUpload_ = now;
    const HWND frame = client.frame;
    schedule_ = std::jthread(
        [frame, wakesNumber = options_.schedule ^ kWakeScheduleMix](std::stop_token stop) {
            std::mt19937 wakes(wakesNumber);
            std::uniform_int_distribution<int> pause(5, 20);
            while (!stop.stop_requested()) {
                Sleep(static_cast<DWORD>(pause(wakes)));
                PostMessageA(frame, kHostileTick, 0, 0);
            }
        });
}

bool Hostile::OneIn(int n) {
    return options_.on && Between(1, n) == 1;
}

int Hostile::Between(int low, int high) {
    return std::uniform_int_distribution<int>(low, std::max(low, high))(random_);
}

void Hostile::Tick(Client& client) {
    // Wakes queued up while the client was frozen count once.
    MSG queued;
    while (PeekMessageA(&queued, client.frame, kHostileTick, kHostileTick, PM_REMOVE)) {
    }
    const Time now = std::chrono::steady_clock::now();
    if (Has(kChurnRooms))
        ChurnRooms(client, *this);
    if (Has(kRestlessUpload))
        RestlessUpload(client, now);
    CloseDueBoxes(now);
    if (Has(kFreezes) && now >= nextFreeze_)
        Freeze(client, now);
}

void Hostile::Freeze(Client& client, Time now) {
    const int ms = Between(0, options_.maxFreezeMs);
    client.log.Write("hostile", "freeze", std::to_string(ms));
    Sleep(static_cast<DWORD>(ms));  // the thread busy: no message is answered meanwhile
    client.log.Write("hostile", "thawed", std::to_string(ms));
    nextFreeze_ =
        now + milliseconds(ms) +
        milliseconds(Between(options_.meanFreezeGapMs / 2, options_.meanFreezeGapMs * 3 / 2));
}

// An upload is always under way or about to start; now and then it closes before its end.
void Hostile::RestlessUpload(Client& client, Time now) {
    const HWND upload = FindWindowExA(nullptr, nullptr, "_AOL_Modal", nullptr);
    DWORD owner = 0;
    const bool ours = upload != nullptr && GetWindowThreadProcessId(upload, &owner) != 0 &&
                      owner == GetCurrentProcessId();
    if (ours) {
        nextUpload_ = now + milliseconds(Between(200, 3000));
        if (OneIn(400)) {
            client.log.Write("hostile", "upload", "closed");
            SendMessageA(upload, WM_CLOSE, 0, 0);
        }
        return;
    }
    if (now < nextUpload_)
        return;
    const std::string name = "hostile-" + std::to_string(++uploads_) + ".txt";
    client.log.Write("hostile", "upload", "start " + name);
    // Shown without the keyboard, like the boxes: the user's keys are meant for the program.
    StartUpload(client, name, SW_SHOWNOACTIVATE);
}

void Hostile::CloseDueBoxes(Time now) {
    std::erase_if(boxes_, [&](const std::pair<HWND, Time>& box) {
        if (now < box.second && IsWindow(box.first))
            return false;
        DestroyWindow(box.first);
        return true;
    });
}

void Hostile::OpenButtonlessBox(Client& client, const std::string& text) {
    const HWND box =
        CreateWindowExA(WS_EX_DLGMODALFRAME, "#32770", "America Online", WS_POPUP | WS_CAPTION, 700,
                        300, 300, 120, client.frame, nullptr, client.instance, nullptr);
    if (box == nullptr)
        return;
    CreateWindowExA(0, "Static", text.c_str(), WS_CHILD | WS_VISIBLE, 12, 20, 270, 40, box, nullptr,
                    client.instance, nullptr);
    ShowWindow(box, SW_SHOWNOACTIVATE);
    boxes_.emplace_back(box, std::chrono::steady_clock::now() + milliseconds(Between(1000, 20000)));
}

bool Hostile::AnswerText(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!Has(kLyingTexts) || (message != WM_GETTEXTLENGTH && message != WM_GETTEXT))
        return false;
    const int kind = Between(0, 7);
    if (kind >= 2)
        return false;  // mostly the truth, so that the lies come among real readings
    if (message == WM_GETTEXTLENGTH) {
        const int real = GetWindowTextLengthA(window);
        result = kind == 0 ? Between(real + 1, INT_MAX) : kMegabyte;
        TheClient().log.Write("hostile", "text length", std::to_string(result));
        return true;
    }
    // A megabyte of text, as much of it as the caller's buffer holds.
    if (wParam == 0)
        return false;
    const std::size_t copied = std::min<std::size_t>(wParam - 1, kMegabyte);
    char* buffer = reinterpret_cast<char*>(lParam);
    std::memset(buffer, kind == 0 ? 'x' : '%', copied);
    buffer[copied] = '\0';
    result = static_cast<LRESULT>(copied);
    TheClient().log.Write("hostile", "text", std::to_string(copied) + " bytes");
    return true;
}

}  // namespace standin
