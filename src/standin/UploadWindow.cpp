// The client's upload progress window: a top-level "_AOL_Modal" owned by the frame, captioned
// "File Transfer - N%", with the file text and the time text as its first two "_AOL_Static"
// children and a progress bar below them. The upload runs on the clock, so it keeps advancing
// while another program has the window hidden or minimized; at 100 % the window closes.

#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <utility>

#include "StandIn.h"
#include "WindowClass.h"

namespace standin {

namespace {

constexpr char kUploadClass[] = "_AOL_Modal";
constexpr UINT_PTR kAdvanceTimer = 1;
constexpr UINT_PTR kCloseTimer = 2;
constexpr UINT kAdvanceMs = 50;
// How long 100 % stays up before the window closes, so that a watcher polling it sees it.
constexpr UINT kHoldMs = 1000;
constexpr int kWidth = 380;
constexpr int kHeight = 140;

// Whole minutes, rounded; under a minute the client stops counting.
std::string TimeText(ULONGLONG remainingMs) {
    if (remainingMs < 60000)
        return "Less than a minute remaining";
    return "About " + std::to_string((remainingMs + 30000) / 60000) + " minutes remaining";
}

class UploadWindow {
  public:
    UploadWindow(Client& client, std::string fileName)
        : client_(client),
          fileName_(std::move(fileName)),
          durationMs_(static_cast<ULONGLONG>(std::max(client.options.uploadSeconds, 0)) * 1000),
          start_(std::chrono::steady_clock::now()) {}

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // From now on every change of visibility is logged.
    void StartLogging() {
        visible_ = IsWindowVisible(window_) != FALSE;
        logVisibility_ = true;
    }

  private:
    void Create(HWND window);
    void Advance();
    void Finish();
    void Close();
    void NoteVisibility();
    void Restless();

    Client& client_;
    const std::string fileName_;
    const ULONGLONG durationMs_;
    const std::chrono::steady_clock::time_point start_;
    HWND window_ = nullptr;
    HWND fileText_ = nullptr;
    HWND timeText_ = nullptr;
    HWND bar_ = nullptr;
    int percent_ = 0;
    std::string timeShown_;
    // Logging of visibility changes: on once the window is first shown, off again once it starts
    // closing, whose hiding is no change another program asked for.
    bool logVisibility_ = false;
    bool visible_ = false;  // as last logged
};

void UploadWindow::Create(HWND window) {
    window_ = window;
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    auto child = [&](const char* cls, const char* text, int y) {
        HWND control = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE, 12, y, kWidth - 36, 18,
                                       window, nullptr, client_.instance, nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return control;
    };
    fileText_ = child("_AOL_Static", ("Uploading " + fileName_).c_str(), 12);
    timeShown_ = TimeText(durationMs_);
    timeText_ = child("_AOL_Static", timeShown_.c_str(), 36);
    bar_ = child(PROGRESS_CLASSA, "", 66);
    SendMessageA(bar_, PBM_SETRANGE32, 0, 100);
    // The first tick moves it on; finishing here, inside WM_CREATE, could destroy the window
    // while it is still being made.
    SetTimer(window, kAdvanceTimer, kAdvanceMs, nullptr);
}

void UploadWindow::Advance() {
    const auto elapsed =
        static_cast<ULONGLONG>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now() - start_)
                                   .count());
    const int percent =
        elapsed >= durationMs_ ? 100 : static_cast<int>(elapsed * 100 / durationMs_);
    const std::string time = TimeText(elapsed >= durationMs_ ? 0 : durationMs_ - elapsed);
    if (time != timeShown_) {
        timeShown_ = time;
        SetWindowTextA(timeText_, time.c_str());
    }
    if (percent == percent_)
        return;
    percent_ = percent;
    const std::string caption = "File Transfer - " + std::to_string(percent) + "%";
    SetWindowTextA(window_, caption.c_str());
    SendMessageA(bar_, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    if (percent == 100)
        Finish();
}

// "upload-done" is logged while 100 % is on screen, or, when closing at once, after the window
// has gone: a watcher that sees the event knows which state the window is in.
void UploadWindow::Finish() {
    KillTimer(window_, kAdvanceTimer);
    if (!client_.options.uploadCloseAtOnce) {
        client_.log.Write("upload-done", "", fileName_);
        SetTimer(window_, kCloseTimer, kHoldMs, nullptr);
        return;
    }
    Client& client = client_;
    const std::string fileName = fileName_;
    Close();  // this object is gone from here on
    client.log.Write("upload-done", "", fileName);
}

void UploadWindow::Close() {
    logVisibility_ = false;
    DestroyWindow(window_);  // frees this object
}

// "upload": every reading finds another caption, a percentage or something else altogether.
void UploadWindow::Restless() {
    Hostile& hostile = client_.hostile;
    std::string caption;
    switch (hostile.Between(0, 3)) {
        case 0:
            caption = "File Transfer";
            break;
        case 1:
            caption = "File Transfer - " +
                      std::string(static_cast<std::size_t>(hostile.Between(0, 300)), '9') + "%";
            break;
        default:
            caption = "File Transfer - " + std::to_string(hostile.Between(0, 100)) + "%";
            break;
    }
    DefWindowProcA(window_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
}

// "where" tells how the window came back: as an icon or as a normal window.
void UploadWindow::NoteVisibility() {
    const bool visible = IsWindowVisible(window_) != FALSE;
    if (!logVisibility_ || visible == visible_)
        return;
    visible_ = visible;
    const char* state = !visible ? "" : IsIconic(window_) ? "minimized" : "normal";
    client_.log.Write(visible ? "upload-shown" : "upload-hidden", state, fileName_);
}

LRESULT CALLBACK UploadWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // The window owns its object from here on; it is freed on WM_NCDESTROY.
        auto* owner = static_cast<std::unique_ptr<UploadWindow>*>(
            reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner->release()));
    }
    auto* self = reinterpret_cast<UploadWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
        case WM_CREATE:
            self->Create(window);
            return 0;
        case WM_TIMER:
            if (wParam == kAdvanceTimer)
                self->Advance();
            else if (wParam == kCloseTimer)
                self->Close();
            return 0;
        case WM_GETTEXTLENGTH:
        case WM_GETTEXT:
            if (self->client_.hostile.Has(kRestlessUpload))
                self->Restless();
            if (LRESULT lie = 0;
                self->client_.hostile.AnswerText(window, message, wParam, lParam, lie))
                return lie;
            break;
        case WM_WINDOWPOSCHANGED:
            self->NoteVisibility();
            break;  // DefWindowProc still sends WM_SIZE and WM_MOVE
        case WM_CLOSE:
            self->Close();
            return 0;
        case WM_NCDESTROY: {
            std::unique_ptr<UploadWindow> owned(self);
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            break;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterUploadClass(HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    return RegisterWindowClass(instance, kUploadClass, UploadWindow::Proc,
                               GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace

void StartUpload(Client& client, const std::string& fileName, int show) {
    [[maybe_unused]] static const bool registered = RegisterUploadClass(client.instance);
    RECT frame{};
    GetWindowRect(client.frame, &frame);
    const int x = (frame.left + frame.right - kWidth) / 2;
    const int y = (frame.top + frame.bottom - kHeight) / 2;
    auto upload = std::make_unique<UploadWindow>(client, fileName);
    UploadWindow* self = upload.get();
    HWND window = CreateWindowExA(0, kUploadClass, "File Transfer - 0%",
                                  WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, x, y, kWidth,
                                  kHeight, client.frame, nullptr, client.instance, &upload);
    if (window == nullptr)
        return;
    ShowWindow(window, show);
    UpdateWindow(window);
    self->StartLogging();
    client.log.Write("upload-start", "", fileName);
}

}  // namespace standin
