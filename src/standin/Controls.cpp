// The client's control classes. "RICHCNTL" is an edit control under the client's class name;
// a chat room's input box says its line when it receives a carriage return.

#include <string>

#include "ChildWindow.h"
#include "StandIn.h"
#include "WindowClass.h"

namespace standin {

namespace {

WNDPROC g_editProc = nullptr;
WNDPROC g_listProc = nullptr;
WNDPROC g_staticProc = nullptr;

// Registers `name` as a superclass of the system class `base`, returning the base procedure.
WNDPROC Superclass(HINSTANCE instance, const char* base, const char* name, WNDPROC proc) {
    WNDCLASSEXA info{};
    info.cbSize = sizeof(info);
    GetClassInfoExA(nullptr, base, &info);
    const WNDPROC baseProc = info.lpfnWndProc;
    info.hInstance = instance;
    info.lpszClassName = name;
    info.lpfnWndProc = proc;
    RegisterClassExA(&info);
    return baseProc;
}

// "input": the box goes while a line is being typed into it, before or after it has taken the
// text; its room makes a new one.
LRESULT Vanish(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Client& client = TheClient();
    const bool tookText = client.hostile.OneIn(2);
    const LRESULT result =
        tookText ? CallWindowProcA(g_editProc, window, message, wParam, lParam) : TRUE;
    client.log.Write("hostile", "input vanished", tookText ? "after the text" : "before the text");
    PostMessageA(GetParent(window), kRebuildInput, 0, 0);
    DestroyWindow(window);
    return result;
}

LRESULT CALLBACK RichProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool singleLine = (GetWindowLongA(window, GWL_STYLE) & ES_MULTILINE) == 0;
    Client& client = TheClient();
    if (message == WM_SETTEXT && singleLine && client.options.freezeMs > 0) {
        Sleep(static_cast<DWORD>(client.options.freezeMs));
        client.options.freezeMs = 0;
        client.log.Write("thawed", "", "");
    }
    if (message == WM_SETTEXT && singleLine && client.hostile.Has(kVanishingInput) &&
        client.hostile.OneIn(4)) {
        return Vanish(window, message, wParam, lParam);
    }
    if (message == WM_CHAR && wParam == '\r' && singleLine) {
        SendMessageA(GetParent(window), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(window), kReturnPressed),
                     reinterpret_cast<LPARAM>(window));
        return 0;
    }
    return CallWindowProcA(g_editProc, window, message, wParam, lParam);
}
LRESULT CALLBACK ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(g_listProc, window, message, wParam, lParam);
}
LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT lie = 0; TheClient().hostile.AnswerText(window, message, wParam, lParam, lie))
        return lie;
    return CallWindowProcA(g_staticProc, window, message, wParam, lParam);
}

// "_AOL_Icon": a flat clickable square; what a click does is up to its parent.
LRESULT CALLBACK IconProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            RECT area;
            GetClientRect(window, &area);
            FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
            DrawEdge(dc, &area, EDGE_RAISED, BF_RECT);
            char caption[64] = {};
            GetWindowTextA(window, caption, sizeof caption);
            SetBkMode(dc, TRANSPARENT);
            DrawTextA(dc, caption, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_LBUTTONUP:
            SendMessageA(GetParent(window), WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                         reinterpret_cast<LPARAM>(window));
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void RegisterControlClasses(HINSTANCE instance) {
    g_editProc = Superclass(instance, "EDIT", "RICHCNTL", RichProc);
    g_listProc = Superclass(instance, "LISTBOX", "_AOL_Listbox", ListProc);
    g_staticProc = Superclass(instance, "STATIC", "_AOL_Static", StaticProc);

    RegisterWindowClass(instance, "_AOL_Icon", IconProc, nullptr, IDC_HAND);
}

}  // namespace standin
