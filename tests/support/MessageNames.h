#pragma once
// Window messages by name, for test output: one table of the messages the program and the
// tests send, so that a failed comparison of recorded messages reads "WM_CHAR 13" and
// "WM_KEYDOWN VK_RETURN" rather than numbers.

#include <cstdint>
#include <string>
#include <string_view>

namespace snoozr::test {

// "WM_SETTEXT", "LB_GETTEXT", ...; "message 0x1234" for one the table lacks.
std::string MessageName(unsigned message);

// A virtual-key code by name ("VK_RETURN", "'A'"), or its number.
std::string KeyName(std::uintptr_t key);

// Bytes as a quoted C string: printable ASCII as it is, every other byte as \xNN.
std::string Quoted(std::string_view bytes);

// A message with its parameters as a reader wants them: the key of a key message by name, the
// character of WM_CHAR as its code, the text of WM_SETTEXT quoted; lParam only when set.
std::string DescribeMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                            std::string_view text = {});

}  // namespace snoozr::test
