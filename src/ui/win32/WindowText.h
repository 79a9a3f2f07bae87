#pragma once
// Where the program's text crosses into its own windows and back: ANSI code page bytes, as
// everywhere else in the program.

#include <windows.h>

#include <string>
#include <string_view>

namespace snoozr::ui {

std::string ReadWindowText(HWND window);
void WriteWindowText(HWND window, std::string_view text);

}  // namespace snoozr::ui
