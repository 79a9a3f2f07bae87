#pragma once

#include <windows.h>

namespace standin {

// Registers one of the stand-in's own window classes; false when it could not be registered.
inline bool RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC proc,
                                HBRUSH background, LPCSTR cursor = IDC_ARROW) {
    WNDCLASSEXA info{};
    info.cbSize = sizeof(info);
    info.lpfnWndProc = proc;
    info.hInstance = instance;
    info.hCursor = LoadCursor(nullptr, cursor);
    info.hbrBackground = background;
    info.lpszClassName = name;
    return RegisterClassExA(&info) != 0;
}

}  // namespace standin
