// The client frame: a toolbar with the keyword box on top ("AOL Toolbar" > "_AOL_Toolbar" >
// "_AOL_Combobox" > "Edit") and the MDI area below it.

#include <string>

#include "StandIn.h"
#include "WindowClass.h"
#include "WindowText.h"

namespace standin {

namespace {

constexpr int kToolbarHeight = 32;
WNDPROC g_keywordEditProc = nullptr;

// Containers of the toolbar chain: each fills its parent, with a margin for the look.
LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) {
        if (HWND child = GetWindow(window, GW_CHILD))
            MoveWindow(child, 2, 2, LOWORD(lParam) - 4, HIWORD(lParam) - 4, TRUE);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The keyword box runs its text on a carriage return; blanks around the keyword (a typed space
// lands at the caret) do not count.
LRESULT CALLBACK KeywordEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR && wParam == '\r') {
        std::string keyword = WindowText(window);
        const auto first = keyword.find_first_not_of(' ');
        const auto last = keyword.find_last_not_of(' ');
        keyword = first == std::string::npos ? "" : keyword.substr(first, last - first + 1);
        SetWindowTextA(window, "");
        RunKeyword(TheClient(), keyword);
        return 0;
    }
    return CallWindowProcA(g_keywordEditProc, window, message, wParam, lParam);
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Client& client = TheClient();
    switch (message) {
        case WM_SIZE: {
            const int width = LOWORD(lParam);
            const int height = HIWORD(lParam);
            if (HWND toolbar = FindWindowExA(window, nullptr, "AOL Toolbar", nullptr))
                MoveWindow(toolbar, 0, 0, width, kToolbarHeight, TRUE);
            if (client.mdiArea)
                MoveWindow(client.mdiArea, 0, kToolbarHeight, width, height - kToolbarHeight, TRUE);
            return 0;
        }
        case kHostileTick:
            client.hostile.Tick(client);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefFrameProcA(window, client.mdiArea, message, wParam, lParam);
}

}  // namespace

void RegisterFrameClasses(HINSTANCE instance) {
    RegisterWindowClass(instance, "AOL Frame25", FrameProc, GetSysColorBrush(COLOR_APPWORKSPACE));
    RegisterWindowClass(instance, "AOL Toolbar", ContainerProc, GetSysColorBrush(COLOR_BTNFACE));
    RegisterWindowClass(instance, "_AOL_Toolbar", ContainerProc, GetSysColorBrush(COLOR_BTNSHADOW));
    RegisterWindowClass(instance, "_AOL_Combobox", ContainerProc, GetSysColorBrush(COLOR_WINDOW));
}

HWND CreateFrame(Client& client) {
    const HINSTANCE instance = client.instance;
    client.frame = CreateWindowExA(0, "AOL Frame25", "AOL Stand-in Client",
                                   WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 640, 40, 620, 560,
                                   nullptr, nullptr, instance, nullptr);
    auto inside = [&](HWND parent, const char* cls, int x, int width) {
        return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE, x, 0, width, kToolbarHeight,
                               parent, nullptr, instance, nullptr);
    };
    HWND toolbar = inside(client.frame, "AOL Toolbar", 0, 760);
    HWND bar = inside(toolbar, "_AOL_Toolbar", 0, 400);
    HWND combo = inside(bar, "_AOL_Combobox", 0, 300);
    client.keywordBox = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0,
                                        300, 24, combo, nullptr, instance, nullptr);
    SendMessageA(client.keywordBox, WM_SETFONT,
                 reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    g_keywordEditProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        client.keywordBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(KeywordEditProc)));

    CLIENTCREATESTRUCT mdi{};
    mdi.idFirstChild = 1000;
    client.mdiArea =
        CreateWindowExA(WS_EX_CLIENTEDGE, "MDIClient", nullptr,
                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0,
                        kToolbarHeight, 760, 500, client.frame, nullptr, instance, &mdi);
    return client.frame;
}

}  // namespace standin
