#include "MessageNames.h"

#include <cstdio>

#include "client/WindowServices.h"

namespace snoozr::test {

namespace {

struct Named {
    unsigned value;
    const char* name;
};

// Values as on Windows: the portable tests have no windows.h.
constexpr Named kMessages[] = {
    {msg::kSetText, "WM_SETTEXT"},
    {msg::kGetText, "WM_GETTEXT"},
    {msg::kGetTextLength, "WM_GETTEXTLENGTH"},
    {msg::kClose, "WM_CLOSE"},
    {0x0002, "WM_DESTROY"},
    {0x0005, "WM_SIZE"},
    {0x0006, "WM_ACTIVATE"},
    {0x000F, "WM_PAINT"},
    {0x0018, "WM_SHOWWINDOW"},
    {0x004A, "WM_COPYDATA"},
    {0x00A1, "WM_NCLBUTTONDOWN"},
    {0x00A2, "WM_NCLBUTTONUP"},
    {0x00C2, "EM_REPLACESEL"},
    {0x00B0, "EM_GETSEL"},
    {0x00B1, "EM_SETSEL"},
    {0x00F5, "BM_CLICK"},
    {msg::kKeyDown, "WM_KEYDOWN"},
    {msg::kKeyUp, "WM_KEYUP"},
    {msg::kChar, "WM_CHAR"},
    {0x0104, "WM_SYSKEYDOWN"},
    {0x0105, "WM_SYSKEYUP"},
    {0x0111, "WM_COMMAND"},
    {0x0112, "WM_SYSCOMMAND"},
    {0x0113, "WM_TIMER"},
    {0x0200, "WM_MOUSEMOVE"},
    {msg::kLButtonDown, "WM_LBUTTONDOWN"},
    {msg::kLButtonUp, "WM_LBUTTONUP"},
    {0x0203, "WM_LBUTTONDBLCLK"},
    {0x0204, "WM_RBUTTONDOWN"},
    {0x0205, "WM_RBUTTONUP"},
    {0x0222, "WM_MDIACTIVATE"},
    {0x0180, "LB_ADDSTRING"},
    {0x0184, "LB_RESETCONTENT"},
    {0x0186, "LB_SETCURSEL"},
    {0x0188, "LB_GETCURSEL"},
    {0x0189, "LB_GETTEXT"},
    {0x018A, "LB_GETTEXTLEN"},
    {0x018B, "LB_GETCOUNT"},
    {0x018E, "LB_GETTOPINDEX"},
    {0x01A1, "LB_GETITEMHEIGHT"},
    {0x0408, "PBM_GETPOS"},
};

constexpr Named kKeys[] = {
    {0x08, "VK_BACK"},    {0x09, "VK_TAB"},  {0x0D, "VK_RETURN"}, {0x10, "VK_SHIFT"},
    {0x11, "VK_CONTROL"}, {0x12, "VK_MENU"}, {0x1B, "VK_ESCAPE"}, {0x20, "VK_SPACE"},
    {0x23, "VK_END"},     {0x24, "VK_HOME"}, {0x25, "VK_LEFT"},   {0x26, "VK_UP"},
    {0x27, "VK_RIGHT"},   {0x28, "VK_DOWN"}, {0x73, "VK_F4"},
};

bool IsKeyMessage(unsigned message) {
    return message == msg::kKeyDown || message == msg::kKeyUp || message == 0x0104 ||
           message == 0x0105;
}

std::string Hex(unsigned long long value) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "0x%llX", value);
    return buffer;
}

}  // namespace

std::string MessageName(unsigned message) {
    for (const Named& named : kMessages) {
        if (named.value == message)
            return named.name;
    }
    return "message " + Hex(message);
}

std::string KeyName(std::uintptr_t key) {
    for (const Named& named : kKeys) {
        if (named.value == key)
            return named.name;
    }
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string{'\'', static_cast<char>(key), '\''};
    return std::to_string(key);
}

std::string Quoted(std::string_view bytes) {
    std::string quoted = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte >= 0x20 && byte < 0x7F) {
            quoted += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            quoted += escaped;
        }
    }
    return quoted + '"';
}

std::string DescribeMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                            std::string_view text) {
    std::string described = MessageName(message);
    if (message == msg::kSetText) {
        described += " " + Quoted(text);
        if (wParam != 0)
            described += " wParam " + std::to_string(wParam);
    } else if (IsKeyMessage(message)) {
        described += " " + KeyName(wParam);
    } else if (wParam != 0 || message == msg::kChar) {
        described += " " + std::to_string(wParam);
    }
    if (lParam != 0)
        described += " lParam " + std::to_string(lParam);
    return described;
}

}  // namespace snoozr::test
