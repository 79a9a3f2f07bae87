// The "Send Instant Message" window the client opens for "aol://9293:NAME": the message box
// first, the "To:" line, a row of formatting icons, then Send (the ninth icon) and Available?.
// A click on Send sends the IM and closes the window, or, with --im-reply msgbox, brings up the
// client's message box instead and leaves the window open.

#include <iterator>
#include <string>
#include <vector>

#include "ChildWindow.h"
#include "StandIn.h"
#include "WindowText.h"

namespace standin {

namespace {

constexpr UINT_PTR kIconTimer = 1;
constexpr UINT kShowReply = WM_APP + 1;  // the message box comes after the click has returned

const char* const kIconCaptions[] = {"A",  "A", "B",  "I",    "U",
                                     "a-", "a", "a+", "Send", "Available?"};
constexpr std::size_t kIconCount = std::size(kIconCaptions);
constexpr std::size_t kSendIcon = 8;
constexpr std::size_t kFormatIcons = 8;

class InstantMessageWindow : public ChildWindow {
  public:
    InstantMessageWindow(Client& client, std::string screenName)
        : client_(client), screenName_(std::move(screenName)) {}

    void Create(HWND window) override {
        window_ = window;
        text_ = Control("RICHCNTL", "", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER);
        toLabel_ = Control("_AOL_Static", "To:", 0);
        to_ = Control("Edit", screenName_.c_str(), ES_AUTOHSCROLL | WS_BORDER);
        if (client_.hostile.Has(kNoSendIcon) && client_.hostile.OneIn(3)) {
            iconLimit_ = kSendIcon;  // the window is never finished
            client_.log.Write("hostile", "im without send icon", screenName_);
        }
        if (client_.options.imIconsSlowlyMs > 0) {
            SetTimer(window, kIconTimer, static_cast<UINT>(client_.options.imIconsSlowlyMs),
                     nullptr);
        } else {
            while (AddIcon()) {
            }
        }
    }

    void Layout(int width, int height) override {
        width_ = width;
        height_ = height;
        MoveWindow(toLabel_, 6, 8, 24, 18, TRUE);
        MoveWindow(to_, 32, 4, width - 36, 22, TRUE);
        MoveWindow(text_, 4, 60, width - 8, height - 100, TRUE);
        for (std::size_t i = 0; i < icons_.size(); ++i)
            Place(i);
    }

    void Command(HWND control, WORD code) override {
        if (code == BN_CLICKED && icons_.size() > kSendIcon && control == icons_[kSendIcon])
            Send();
    }

    bool Other(UINT message, WPARAM wParam, LPARAM) override {
        switch (message) {
            case WM_TIMER:
                if (wParam != kIconTimer)
                    return false;
                if (!AddIcon())
                    KillTimer(window_, kIconTimer);
                return true;
            case kShowReply:
                ShowReply(wParam != 0);
                return true;
            case WM_DESTROY:
                client_.log.Write("im-closed", screenName_, closedBy_);
                return false;
        }
        return false;
    }

  private:
    HWND Control(const char* cls, const char* text, DWORD style) {
        HWND control = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10,
                                       window_, nullptr, client_.instance, nullptr);
        SendMessageA(control, WM_SETFONT,
                     reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        return control;
    }

    // Adds the next icon; false once all are there.
    bool AddIcon() {
        if (icons_.size() == iconLimit_)
            return false;
        icons_.push_back(Control("_AOL_Icon", kIconCaptions[icons_.size()], 0));
        Place(icons_.size() - 1);
        return true;
    }

    // Formatting icons in a row above the message; Send and Available? at the bottom right.
    void Place(std::size_t i) {
        if (i < kFormatIcons) {
            MoveWindow(icons_[i], 4 + static_cast<int>(i) * 30, 32, 28, 24, TRUE);
        } else {
            const int fromRight = static_cast<int>(kIconCount - i) * 80;
            MoveWindow(icons_[i], width_ - fromRight, height_ - 34, 76, 28, TRUE);
        }
    }

    void Send() {
        const bool buttonless = client_.hostile.Has(kButtonlessBox) && client_.hostile.OneIn(2);
        if (client_.options.imReply == ImReply::kMessageBox || buttonless) {
            PostMessageA(window_, kShowReply, buttonless ? 1 : 0, 0);
            return;
        }
        const std::string text = WindowText(text_);
        client_.log.Write("im", screenName_, text);
        ShowInFrontRoom(client_, "IM to " + screenName_ + ": " + text);
        closedBy_ = "sent";
        SendMessageA(client_.mdiArea, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window_), 0);
        // This object is gone now.
    }

    void ShowReply(bool buttonless) {
        // The window may be closed while the box is up, and this object with it: only copies
        // are used once the box has returned.
        Client& client = client_;
        const std::string name = screenName_;
        const std::string text = name + " is not currently signed on.";
        if (buttonless) {
            client.log.Write("msgbox-shown", name, text + " (no button)");
            client.hostile.OpenButtonlessBox(client, text);
            return;
        }
        client.log.Write("msgbox-shown", name, text);
        const int answer = MessageBoxA(client.frame, text.c_str(), "America Online", MB_OK);
        client.log.Write("msgbox-answered", name, std::to_string(answer));
    }

    Client& client_;
    const std::string screenName_;
    std::string closedBy_ = "closed";
    HWND window_ = nullptr;
    HWND text_ = nullptr;
    HWND toLabel_ = nullptr;
    HWND to_ = nullptr;
    std::vector<HWND> icons_;
    std::size_t iconLimit_ = kIconCount;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace

HWND OpenInstantMessage(Client& client, const std::string& screenName) {
    return OpenChild(client.mdiArea, "Send Instant Message",
                     std::make_unique<InstantMessageWindow>(client, screenName));
}

}  // namespace standin
