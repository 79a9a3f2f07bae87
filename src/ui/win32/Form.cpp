#include "ui/win32/Form.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "ui/layout/Units.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/GdiGuards.h"
#include "ui/win32/LabelText.h"
#include "ui/win32/art/Pictures.h"

namespace snoozr::ui {

using layout::Frame;

namespace {

// Child ids start above IDOK and IDCANCEL, which keyboard navigation sends for Enter and Esc.
constexpr int kFirstChildId = 100;

DWORD FrameStyle(const layout::WindowLayout& layout) {
    switch (layout.frame) {
        case Frame::kNone:
            // No caption or border; the system menu and minimize box only serve the taskbar.
            return WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX;
        case Frame::kFixedSingle:
            return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU |
                   (layout.minMaxButtons ? WS_MINIMIZEBOX | WS_MAXIMIZEBOX : 0);
        case Frame::kSizable:
            return WS_OVERLAPPEDWINDOW;
    }
    return WS_OVERLAPPEDWINDOW;
}

DWORD WindowStyle(const layout::WindowLayout& layout) {
    return FrameStyle(layout) | WS_CLIPCHILDREN;
}

DWORD FrameExStyle(const layout::WindowLayout& layout) {
    // Borderless windows are listed in the taskbar with their captions, so a minimized one
    // can be restored.
    return WS_EX_CONTROLPARENT | (layout.frame == Frame::kNone ? WS_EX_APPWINDOW : 0);
}

// Where a control lies in the z-order: its row's place in the window's table.
std::size_t RowIndex(const layout::WindowLayout& window, const layout::ControlLayout& row) {
    const auto& rows = window.controls;
    return static_cast<std::size_t>(std::find(rows.begin(), rows.end(), &row) - rows.begin());
}

}  // namespace

Form::Form(FormResources& resources, const layout::WindowLayout& layout)
    : resources_(resources), layout_(layout), dpi_(SystemDpi()) {}

void Form::Adopt(Label& label) {
    labels_.push_back(&label);
}

void Form::Adopt(ChildControl& child) {
    child.id_ = kFirstChildId + static_cast<int>(children_.size());
    children_.push_back(&child);
}

void Form::Adopt(Timer& timer) {
    timers_.push_back(&timer);
    timer.id_ = timers_.size();
}

void Form::Load() {
    if (Loaded())
        return;
    Create();
    if (!Loaded())
        return;
    CreateChildren();
    for (const Timer* timer : timers_) {
        if (timer->IsEnabled())
            timer->Start();
    }
    if (layout_.stayOnTop)
        StayOnTop();
    Form_Load();
}

HWND Form::Hwnd() {
    Load();
    return Handle();
}

void Form::Show() {
    ShowWindow(Hwnd(), SW_SHOW);
}

void Form::Hide() {
    ShowWindow(Hwnd(), SW_HIDE);
}

void Form::Minimize() {
    ShowWindow(Hwnd(), SW_MINIMIZE);
}

void Form::StayOnTop() {
    SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Form::DragWindow() {
    // The press gave the window the capture; the system's move loop needs it released.
    ReleaseCapture();
    SendMessageA(Hwnd(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

int Form::Pixels(int twips) const {
    return layout::TwipsToPixels(twips, dpi_);
}

RECT Form::PixelRect(const layout::TwipsRect& rect) const {
    const int left = Pixels(rect.left);
    const int top = Pixels(rect.top);
    return {left, top, left + Pixels(rect.width), top + Pixels(rect.height)};
}

void Form::RepaintLabel(Label& label) {
    if (!Loaded())
        return;
    const RECT bounds = PixelRect(label.Layout().rect);
    // Transparent labels show the backdrop through: it is repainted under the new text.
    InvalidateRect(Handle(), &bounds, FALSE);
}

RECT Form::FrameBounds() const {
    // The layout gives the client area; the frame goes around it.
    RECT bounds{0, 0, Pixels(layout_.client.width), Pixels(layout_.client.height)};
    if (layout_.start)
        OffsetRect(&bounds, Pixels(layout_.start->x), Pixels(layout_.start->y));
    AdjustWindowRectEx(&bounds, WindowStyle(layout_), FALSE, FrameExStyle(layout_));
    return bounds;
}

void Form::Create() {
    // Every row of the table must have its member in the form class: a row without one would
    // be neither painted nor hit.
    if (labels_.size() + children_.size() != layout_.controls.size() ||
        timers_.size() != layout_.timers.size()) {
        throw std::logic_error("the form class of " + std::string(layout_.name) +
                               " does not name every control and timer of its layout");
    }
    std::sort(labels_.begin(), labels_.end(), [this](const Label* a, const Label* b) {
        return RowIndex(layout_, a->Layout()) < RowIndex(layout_, b->Layout());
    });
    // Children are created in tab order, which is also the order keyboard navigation takes.
    std::stable_sort(children_.begin(), children_.end(), [](const auto* a, const auto* b) {
        return a->Layout().tab < b->Layout().tab;
    });
    const std::string className = "Snoozr." + std::string(layout_.name);
    // Every form tells a double click from two clicks, as the original toolkit did.
    RegisterClassOnce(className.c_str(), CS_DBLCLKS, resources_.ProgramIcon(),
                      resources_.SmallProgramIcon());
    const RECT bounds = FrameBounds();
    const int x = layout_.start ? bounds.left : CW_USEDEFAULT;
    const int y = layout_.start ? bounds.top : CW_USEDEFAULT;
    const std::string caption(layout_.caption);
    CreateFor(FrameExStyle(layout_), className.c_str(), caption.c_str(), WindowStyle(layout_), x, y,
              bounds.right - bounds.left, bounds.bottom - bounds.top);
}

void Form::CreateChildren() {
    for (ChildControl* child : children_) {
        const std::string text(child->Layout().text);
        child->LoadClass();
        child->window_ = CreateWindowExA(child->ExStyle(), child->ClassName(), text.c_str(),
                                         child->Style(), 0, 0, 0, 0, Handle(),
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(child->id_)),
                                         GetModuleHandleA(nullptr), nullptr);
        child->Created();
    }
    // Made at the system DPI; the monitor the window is on may have another.
    RECT bounds;
    GetWindowRect(Handle(), &bounds);
    ApplyDpi(WindowDpi(Handle()), {bounds.left, bounds.top});
}

void Form::ApplyDpi(int dpi, POINT topLeft) {
    if (dpi != dpi_)
        picture_.Reset();
    dpi_ = dpi;
    const RECT bounds = FrameBounds();
    SetWindowPos(Handle(), nullptr, topLeft.x, topLeft.y, bounds.right - bounds.left,
                 bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // The frame was sized with the system's metrics, which may not be those the window is
    // given at this DPI: the client area is made exact by what it came out as.
    RECT client;
    GetClientRect(Handle(), &client);
    const int wider = Pixels(layout_.client.width) - client.right;
    const int taller = Pixels(layout_.client.height) - client.bottom;
    if (wider != 0 || taller != 0) {
        SetWindowPos(Handle(), nullptr, 0, 0, bounds.right - bounds.left + wider,
                     bounds.bottom - bounds.top + taller,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
    for (ChildControl* child : children_) {
        const layout::ControlLayout& control = child->Layout();
        const RECT place = PixelRect(control.rect);
        MoveWindow(child->window_, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, FALSE);
        SendMessageA(child->window_, WM_SETFONT,
                     reinterpret_cast<WPARAM>(resources_.FontFor(control.font, dpi_)), FALSE);
    }
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

bool Form::HandleDialogKeys(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST)
        return false;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    const auto* form = dynamic_cast<const Form*>(Window::Of(root));
    if (form == nullptr || form->children_.empty())
        return false;
    return IsDialogMessageA(root, &message) != FALSE;
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT paints everything, off screen first
        case WM_PAINT:
            Paint();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        // Only the left button double-clicks: a quick second press of another is a press.
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            OnPress(message, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_LBUTTONUP:
            OnRelease({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_CAPTURECHANGED:
            pressed_ = nullptr;
            return 0;
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return 0;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_ACTIVATE:
            OnActivate(wParam);
            return 0;
        case WM_CLOSE:
            if (Form_Unload) {
                Form_Unload();
            } else {
                Hide();
            }
            return 0;
        case kDpiChangedMessage: {
            // Moved to a monitor of another DPI: laid out again from the layout table, where
            // the system suggests.
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            ApplyDpi(HIWORD(wParam), {suggested->left, suggested->top});
            return 0;
        }
        default:
            return Window::HandleMessage(message, wParam, lParam);
    }
}

void Form::Paint() {
    const PaintSession session(Handle());
    RECT client;
    GetClientRect(Handle(), &client);
    if (IsRectEmpty(&client))
        return;
    const MemoryDc buffer(CreateCompatibleDC(session.Dc()));
    const Bitmap canvas(CreateCompatibleBitmap(session.Dc(), client.right, client.bottom));
    const Selection selected(buffer.Get(), canvas.Get());
    PaintContent(buffer.Get(), client);
    const RECT& dirty = session.Dirty();
    BitBlt(session.Dc(), dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top,
           buffer.Get(), dirty.left, dirty.top, SRCCOPY);
}

void Form::PaintContent(HDC dc, const RECT& client) {
    const Brush back(CreateSolidBrush(ColourRef(layout_.back, COLOR_BTNFACE)));
    FillRect(dc, &client, back.Get());
    PaintPicture(dc);

    const Pen linePen(CreatePen(PS_SOLID, std::max(1, layout::DesignToPixels(1, dpi_)),
                                GetSysColor(COLOR_WINDOWTEXT)));
    {
        const Selection pen(dc, linePen.Get());
        for (const layout::LineLayout& line : layout_.lines) {
            MoveToEx(dc, Pixels(line.from.x), Pixels(line.from.y), nullptr);
            LineTo(dc, Pixels(line.to.x), Pixels(line.to.y));
        }
    }
    for (const Label* label : labels_)
        PaintLabel(dc, *label);
}

void Form::PaintPicture(HDC dc) {
    if (layout_.picture == layout::Picture::kNone)
        return;
    const SIZE size = art::PictureSize(layout_.picture, dpi_);
    const MemoryDc pictureDc(CreateCompatibleDC(dc));
    if (!picture_) {
        picture_.Reset(CreateCompatibleBitmap(dc, size.cx, size.cy));
        const Selection selected(pictureDc.Get(), picture_.Get());
        art::PaintPicture(layout_.picture, pictureDc.Get(), dpi_);
    }
    // Drawn unscaled from the top-left corner; what is larger than the client area is cut off.
    const Selection selected(pictureDc.Get(), picture_.Get());
    BitBlt(dc, 0, 0, size.cx, size.cy, pictureDc.Get(), 0, 0, SRCCOPY);
}

void Form::PaintLabel(HDC dc, const Label& label) {
    const layout::ControlLayout& control = label.Layout();
    RECT bounds = PixelRect(control.rect);
    if (!control.transparent) {
        const Brush back(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
        FillRect(dc, &bounds, back.Get());
    }
    if (label.caption_.empty())
        return;
    const Selection font(dc, resources_.FontFor(control.font, dpi_));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColourRef(control.foreColour, COLOR_BTNTEXT));
    DrawLabelCaption(dc, label.caption_, bounds);
}

Label* Form::LabelAt(POINT point) {
    for (auto it = labels_.rbegin(); it != labels_.rend(); ++it) {
        const RECT bounds = PixelRect((*it)->Layout().rect);
        if (PtInRect(&bounds, point))
            return *it;
    }
    return nullptr;
}

void Form::OnPress(UINT message, POINT point) {
    if (Label* label = LabelAt(point)) {
        // A press on a label belongs to the label: it never reaches the window's own handler.
        // Labels click with the left button, on its release over the same label. The second
        // press of a double click is the label's double click, not another click; no label
        // of the program has a double-click handler.
        if (message == WM_LBUTTONDOWN) {
            pressed_ = label;
            SetCapture(Handle());
        }
        return;
    }
    if (message == WM_LBUTTONDBLCLK) {
        Form_DblClick();
    } else {
        Form_MouseDown();
    }
}

void Form::OnRelease(POINT point) {
    Label* const pressed = pressed_;
    if (pressed == nullptr)
        return;
    // Cleared first: a click handler that waits and dispatches (a message box, a pause) can
    // see the next press on this window start afresh.
    pressed_ = nullptr;
    ReleaseCapture();
    if (LabelAt(point) == pressed)
        pressed->Click();
}

void Form::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0)
        return;  // from a menu or an accelerator: the form has neither
    for (ChildControl* child : children_) {
        if (child->id_ == LOWORD(wParam)) {
            child->Notified(HIWORD(wParam));
            return;
        }
    }
}

void Form::OnTimer(WPARAM id) {
    for (Timer* timer : timers_) {
        if (timer->id_ == id && timer->IsEnabled()) {
            timer->Tick();
            return;
        }
    }
}

void Form::OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(Handle(), focus))
            lastFocus_ = focus;
        return;
    }
    if (HIWORD(wParam) != 0)
        return;  // minimized
    // The focus goes back where it was, or to the first control in tab order.
    HWND target = lastFocus_ != nullptr && IsChild(Handle(), lastFocus_) ? lastFocus_ : nullptr;
    if (target == nullptr)
        target = GetNextDlgTabItem(Handle(), nullptr, FALSE);
    SetFocus(target != nullptr ? target : Handle());
}

}  // namespace snoozr::ui
