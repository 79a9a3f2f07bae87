#pragma once
// One move-only owner for every kind of Win32 and GDI handle. Never copyable: a copy would
// mean a second DestroyWindow or DeleteObject of the same handle.

#include <windows.h>

#include <utility>

namespace snoozr::ui {

template <typename Traits>
class UniqueHandle {
  public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Type Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Gives the handle up without closing it (for instance after the system destroyed it).
    Type Release() { return std::exchange(handle_, nullptr); }

    void Reset(Type handle = nullptr) {
        if (handle_ != nullptr && handle_ != handle)
            Traits::Close(handle_);
        handle_ = handle;
    }

  private:
    Type handle_ = nullptr;
};

struct WindowTraits {
    using Type = HWND;
    static void Close(HWND window) { DestroyWindow(window); }
};

template <typename T>
struct GdiObjectTraits {
    using Type = T;
    static void Close(T object) { DeleteObject(object); }
};

struct MemoryDcTraits {
    using Type = HDC;
    static void Close(HDC dc) { DeleteDC(dc); }
};

struct IconTraits {
    using Type = HICON;
    static void Close(HICON icon) { DestroyIcon(icon); }
};

struct MenuTraits {
    using Type = HMENU;
    static void Close(HMENU menu) { DestroyMenu(menu); }
};

using OwnedWindow = UniqueHandle<WindowTraits>;
using Font = UniqueHandle<GdiObjectTraits<HFONT>>;
using Brush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using Pen = UniqueHandle<GdiObjectTraits<HPEN>>;
using Bitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using MemoryDc = UniqueHandle<MemoryDcTraits>;
using Icon = UniqueHandle<IconTraits>;
using Menu = UniqueHandle<MenuTraits>;

}  // namespace snoozr::ui
