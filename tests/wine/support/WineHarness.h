#pragma once
// Support for tests that run the real programs under Wine: start the stand-in client and
// snoozr.exe, wait for their windows, act as a user would (real mouse input), answer message
// boxes, and read what the stand-in received.

#include <windows.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace snoozr::wine {

// The folder of the running test program; snoozr.exe and standin.exe are built beside it.
std::filesystem::path BinDir();
// A fresh empty folder for one test.
std::filesystem::path FreshTempDir(const std::string& name);

// A child process, terminated when this object goes away if it still runs.
class Process {
  public:
    Process(const std::filesystem::path& exe, const std::string& arguments,
            const std::filesystem::path& workDir);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    DWORD Id() const { return id_; }
    bool Running() const;
    bool WaitForExit(DWORD milliseconds) const;
    DWORD ExitCode() const;
    // "running", "exited with code N" or "not started (error N)": for failure messages.
    std::string State() const;

  private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
    DWORD startError_ = 0;
};

// Milliseconds on a monotonic clock, for measuring how long something took.
unsigned long long MonotonicMs();

// CPU seconds (user + kernel) a process has used so far; -1 when they cannot be read.
// GetCurrentProcess() gives the caller's own. Wine 8 reads 0 for any other process: sum the
// other process's thread times instead (GetThreadTimes).
double CpuSecondsOf(HANDLE process);

// Polls `find` every 20 ms until it gives a window or the time is up (then nullptr).
HWND WaitFor(const std::function<HWND()>& find, DWORD milliseconds);
// Polls `condition` every 20 ms; true when it held before the time was up.
bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds);

// Top-level windows of a process, top of the z-order first.
std::vector<HWND> TopLevelWindows(DWORD processId);
// The first top-level window of the process with that caption (and class, when given).
HWND FindProcessWindow(DWORD processId, const std::string& caption, const char* className = nullptr,
                       bool visibleOnly = false);
// Every window of the process (top-level ones and, below them, their children) still exists?
bool AnyWindowOf(DWORD processId);

std::string WindowText(HWND window);
std::string ClassOf(HWND window);
RECT ClientRectOnScreen(HWND window);

// Real mouse input at a point of a window's client area (the pointer moves there first).
enum class Button { kLeft, kRight, kMiddle };
void MoveTo(HWND window, POINT client);
void Press(HWND window, POINT client, Button button = Button::kLeft);
void Release(Button button = Button::kLeft);
void Click(HWND window, POINT client, Button button = Button::kLeft);
void DoubleClick(HWND window, POINT client);
// A click at the centre of a window's (a control's) client area.
void ClickCentre(HWND window);
void PressKey(WORD virtualKey);
// Presses a key while `modifier` (VK_SHIFT, VK_CONTROL, VK_MENU) is held down.
void PressKeyWith(WORD modifier, WORD virtualKey);
// Types text (code page 1252 bytes) into whatever has the keyboard focus, a key per character.
void TypeText(std::string_view text);
// Clicks into a text box, selects its whole text and types over it.
void TypeOver(HWND textBox, std::string_view text);

// Saves the whole screen as a 24-bit BMP file; false when it could not be written.
bool SaveScreenshot(const std::filesystem::path& bmpPath);

// The window is inside the system's move-or-size loop (a drag under way).
bool InMoveLoop(HWND window);

// Message boxes: class "#32770" of the process with the caption; its text; answer by button id.
HWND WaitForMessageBox(DWORD processId, const std::string& caption, DWORD milliseconds);
std::string MessageBoxText(HWND box);
void AnswerMessageBox(HWND box, int buttonId);

// One event the stand-in logged: what happened, where, and the raw bytes.
struct StandInEvent {
    std::string event;
    std::string where;
    std::string bytes;

    bool operator==(const StandInEvent&) const = default;
};

// {keyword, "", "aol://9293:$IM_OFF"}: how gtest shows an event.
void PrintTo(const StandInEvent& event, std::ostream* out);

// What the stand-in logs as the program's instant-message switches go out to these names
// ("$IM_OFF", "$IM_ON"), in order: each one's keyword, its "=)" and its window closed once sent.
std::vector<StandInEvent> SwitchImEvents(std::initializer_list<std::string_view> names);

// The stand-in chat client, started with its log in a fresh folder.
class StandIn {
  public:
    explicit StandIn(const std::string& arguments = "");
    DWORD ProcessId() const { return process_.Id(); }
    const std::filesystem::path& Folder() const { return folder_; }

    std::vector<StandInEvent> Events() const;
    // Every event but those of these kinds ("ready", "chat", ...), in order.
    std::vector<StandInEvent> EventsOtherThan(std::initializer_list<std::string_view> kinds) const;
    // It has logged an event of this kind.
    bool Logged(std::string_view event) const;
    // Its windows exist: it logged that it is ready.
    bool Ready() const { return Logged("ready"); }
    // The lines said in any room, in order (raw bytes).
    std::vector<std::string> ChatLines() const;
    bool WaitForChatLines(std::size_t count, DWORD milliseconds) const;
    bool WaitForEvents(std::size_t count, DWORD milliseconds) const;
    // The process's state and every event logged so far: for failure messages.
    std::string Report() const;

    HWND Frame() const;
    // Its frame answers a message within 100 ms, and the system does not count it hung.
    bool Answers() const;
    HWND MdiArea() const;
    HWND Room(int number) const;  // "Lobby N"
    void BringToFront(HWND room) const;
    std::string Transcript(HWND room) const;

  private:
    std::filesystem::path folder_;
    std::filesystem::path log_;
    Process process_;
};

// snoozr.exe, started in its own folder (where it writes its upload count file).
class Snoozr {
  public:
    explicit Snoozr(const std::filesystem::path& workDir);
    Process& Proc() { return process_; }
    const Process& Proc() const { return process_; }
    DWORD ProcessId() const { return process_.Id(); }
    // A window of the program by caption (visible ones only when asked).
    HWND Window(const std::string& caption, bool visibleOnly = false) const;
    HWND WaitForWindow(const std::string& caption, DWORD milliseconds,
                       bool visibleOnly = true) const;
    // The process's state and its top-level windows (class, caption, shown or hidden): for
    // failure messages.
    std::string Report() const;

  private:
    Process process_;
};

}  // namespace snoozr::wine
