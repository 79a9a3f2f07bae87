#pragma once
// snoozr.exe driven as a user drives it, for the end-to-end tests, the benchmarks and the demo:
// its windows found by class, clicks at the centre of a named control of the window's layout
// (twips to pixels at the window's DPI) and menu items chosen by their names, with the keys a
// user presses in the popup.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/layout/Layouts.h"

namespace snoozr::wine {

// Hiding a framed window takes Wine up to two seconds without a window manager.
constexpr DWORD kWindowWait = 10000;

// The program's window class of a layout: "Snoozr.Form1", ...
std::string WindowClass(const ui::layout::WindowLayout& layout);

// A path of menu items from the popup's top level down, each by caption or by name:
// {"Aol Options", "Idle Options", "Idle Reason"} or {"Aol", "IdleOpts", "Reason"}.
using MenuPath = std::vector<std::string_view>;

// The keys that choose the item in the options popup just opened (no item selected): in each
// popup Down from the top to the item, Right to open a submenu (its first item selected), and
// Return on the last. Empty when the path names no item of the menu tree.
std::vector<WORD> MenuKeys(const MenuPath& path);

// The DPI at which this process sees the window: a per-monitor aware process at the window's
// own; any other at the screen's DPI as the system tells it (96 where the system scales the
// coordinates it hands over).
int WindowDpi(HWND window);
// The centre of the window's client area, from its layout; of a control of it, by name.
POINT ClientCentre(HWND window, const ui::layout::WindowLayout& layout);
POINT ControlCentre(HWND window, const ui::layout::WindowLayout& layout, std::string_view control);

// Real mouse input at a control's centre.
void ClickControl(HWND window, const ui::layout::WindowLayout& layout, std::string_view control);
void DoubleClickControl(HWND window, const ui::layout::WindowLayout& layout,
                        std::string_view control);
void PressControl(HWND window, const ui::layout::WindowLayout& layout, std::string_view control);

class ProgramDriver {
  public:
    explicit ProgramDriver(DWORD processId) : processId_(processId) {}

    DWORD ProcessId() const { return processId_; }

    // The program's first top-level window of the class; the same only while it is shown.
    HWND Window(const std::string& className) const;
    HWND Shown(const std::string& className) const;
    HWND WaitForShown(const std::string& className, DWORD milliseconds = kWindowWait) const;
    HWND Window(const ui::layout::WindowLayout& layout) const;
    HWND Shown(const ui::layout::WindowLayout& layout) const;
    HWND WaitForShown(const ui::layout::WindowLayout& layout,
                      DWORD milliseconds = kWindowWait) const;

    HWND Splash() const { return Window(ui::layout::kFrmSplash); }
    HWND Main() const { return Window(ui::layout::kForm1); }
    HWND Companion() const { return Window(ui::layout::kForm12); }
    // The popup menu on screen, or nullptr.
    HWND Menu() const { return Shown("#32768"); }

    // The double click on the splash once it shows; the main window once it shows, or nullptr.
    HWND OpenMainFromSplash() const;

    // OPTIONS on the main window; the popup once it shows, or nullptr.
    HWND OpenMenu() const;
    // Opens the popup and chooses the item; true once the popup has gone.
    bool Choose(const MenuPath& path) const;
    // Chooses `path` and waits for the window to show in the main window's place; the window,
    // or nullptr.
    HWND OpenInsteadOfMain(const MenuPath& path, const ui::layout::WindowLayout& layout) const;
    // "Aol Options" > "UPCHAT": the companion, or nullptr.
    HWND OpenCompanion() const;

  private:
    DWORD processId_;
};

}  // namespace snoozr::wine
