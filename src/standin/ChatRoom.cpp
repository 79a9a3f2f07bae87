// A chat room: the transcript (first "RICHCNTL"), the input box (second "RICHCNTL"), the people
// in the room, an icon and a status line. A carriage return in the input box says its line.

#include <string>

#include "ChildWindow.h"
#include "StandIn.h"
#include "WindowText.h"

namespace standin {

namespace {

void AppendLine(HWND transcript, const std::string& line) {
    const std::string shown = line + "\r\n";
    const int end = GetWindowTextLengthA(transcript);
    SendMessageA(transcript, EM_SETSEL, end, end);
    SendMessageA(transcript, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(shown.c_str()));
}

class ChatRoom : public ChildWindow {
  public:
    explicit ChatRoom(Client& client) : client_(client) {}

    void Create(HWND window) override {
        window_ = window;
        transcript_ = Child("RICHCNTL", "",
                            ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER);
        input_ = Child("RICHCNTL", "", kInputStyle);
        people_ = Child("_AOL_Listbox", "", WS_BORDER | LBS_NOINTEGRALHEIGHT);
        send_ = Child("_AOL_Icon", "Send", 0);
        status_ = Child("_AOL_Static", "3 people here", 0);
        for (const char* name : {"Guest", "Buddy", "Pal"})
            SendMessageA(people_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }

    // The input box has gone (a hostile client's "input"): a new one in its place, after the
    // transcript.
    bool Other(UINT message, WPARAM, LPARAM) override {
        if (message != kRebuildInput)
            return false;
        input_ = Child("RICHCNTL", "", kInputStyle);
        SetWindowPos(input_, transcript_, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        RECT area{};
        GetClientRect(window_, &area);
        Layout(area.right, area.bottom);
        return true;
    }

    void Layout(int width, int height) override {
        const int list = 110;
        const int row = 24;
        MoveWindow(transcript_, 4, 4, width - list - 12, height - row - 28, TRUE);
        MoveWindow(people_, width - list - 4, 4, list, height - row - 28, TRUE);
        MoveWindow(status_, 4, height - row - 20, width - 8, 16, TRUE);
        MoveWindow(input_, 4, height - row - 2, width - 70, row, TRUE);
        MoveWindow(send_, width - 62, height - row - 2, 58, row, TRUE);
    }

    void Command(HWND control, WORD code) override {
        if (control == input_ && code == kReturnPressed) {
            Say(WindowText(input_));
            SetWindowTextA(input_, "");
        } else if (control == send_ && code == BN_CLICKED) {
            Say(WindowText(input_));
            SetWindowTextA(input_, "");
        }
    }

  private:
    static constexpr DWORD kInputStyle = ES_AUTOHSCROLL | WS_BORDER;

    HWND Child(const char* cls, const char* text, DWORD style) const {
        const HWND control = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10,
                                             10, window_, nullptr, client_.instance, nullptr);
        SendMessageA(control, WM_SETFONT,
                     reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        return control;
    }

    void Say(const std::string& line) {
        client_.log.Write("chat", WindowText(window_), line);
        AppendLine(transcript_, "Guest: " + line);
    }

    Client& client_;
    HWND window_ = nullptr;
    HWND transcript_ = nullptr;
    HWND input_ = nullptr;
    HWND people_ = nullptr;
    HWND send_ = nullptr;
    HWND status_ = nullptr;
};

}  // namespace

void ShowInFrontRoom(Client& client, const std::string& line) {
    // Rooms are the MDI children with a people list; the first in z-order is in front.
    for (HWND child = FindWindowExA(client.mdiArea, nullptr, "AOL Child", nullptr);
         child != nullptr; child = FindWindowExA(client.mdiArea, child, "AOL Child", nullptr)) {
        if (FindWindowExA(child, nullptr, "_AOL_Listbox", nullptr) == nullptr)
            continue;
        AppendLine(FindWindowExA(child, nullptr, "RICHCNTL", nullptr), line);
        return;
    }
}

HWND OpenChatRoom(Client& client, const std::string& caption) {
    return OpenChild(client.mdiArea, caption.c_str(), std::make_unique<ChatRoom>(client));
}

}  // namespace standin
