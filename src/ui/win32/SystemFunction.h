#pragma once
// Functions of newer Windows versions, found at run time so that the program still starts on
// Windows XP SP3, where they do not exist. Each caller has a fallback for a nullptr.

#include <windows.h>

namespace snoozr::ui {

template <typename Function>
Function* SystemFunction(const char* module, const char* name) {
    // LoadLibrary rather than GetModuleHandle: shcore.dll, for one, is not loaded by itself.
    const HMODULE library = LoadLibraryA(module);
    if (library == nullptr)
        return nullptr;
    // Through a generic function type: GetProcAddress's own type says nothing of the real one.
    using Generic = void (*)();
    return reinterpret_cast<Function*>(reinterpret_cast<Generic>(GetProcAddress(library, name)));
}

}  // namespace snoozr::ui
