#include "ui/win32/forms/Form3.h"

#include <string>
#include <utility>

#include "ui/layout/Layouts.h"
#include "ui/win32/Shell.h"

namespace snoozr::ui {

namespace {

using Plain = Event<void()> Form3::*;
using Indexed = Event<void(int)> Form3::*;

constexpr std::pair<std::string_view, Plain> kPlainItems[] = {
    {"Adv", &Form3::Adv_Click},
    {"Reason", &Form3::Reason_Click},
    {"BragStats", &Form3::BragStats_Click},
    {"FrontAscii", &Form3::FrontAscii_Click},
    {"ChangeHandle", &Form3::ChangeHandle_Click},
    {"ImOff", &Form3::ImOff_Click},
    {"ImOn", &Form3::ImOn_Click},
    {"UpChatInfo", &Form3::UpChatInfo_Click},
    {"Contact", &Form3::Contact_Click},
    {"Help", &Form3::Help_Click},
};

constexpr std::pair<std::string_view, Indexed> kIndexedItems[] = {
    {"EndAscii", &Form3::EndAscii_Click},
    {"EditAscii", &Form3::EditAscii_Click},
};

}  // namespace

Form3::Form3(Shell& shell) : Form(shell, layout::kForm3) {}

void Form3::OnLoad() {
    file_.Reset(Build(layout::kForm3File));
}

HMENU Form3::Build(const layout::MenuItem& parent) {
    const HMENU menu = CreatePopupMenu();
    for (const layout::MenuItem& item : parent.children) {
        const std::string caption(item.caption);
        if (!item.children.empty()) {
            // A submenu appended to its parent is destroyed with it.
            AppendMenuA(menu, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(Build(item)),
                        caption.c_str());
        } else {
            commands_.push_back(&item);
            AppendMenuA(menu, MF_STRING, commands_.size(), caption.c_str());
        }
    }
    return menu;
}

HMENU Form3::FileMenu() {
    Load();
    return file_.Get();
}

void Form3::PopupFile(HWND owner) {
    const HMENU file = FileMenu();
    POINT pointer{};
    GetCursorPos(&pointer);
    // The chosen command comes back here instead of as a posted WM_COMMAND, so that its
    // handler runs before the popup call returns. The menu has closed by then: a handler that
    // waits and dispatches (Ims Off) lets the user pop the menu up again meanwhile, and that
    // second popup and its handler run to their end inside the first handler's wait.
    const UINT flags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD;
    const BOOL chosen = TrackPopupMenu(file, flags, pointer.x, pointer.y, 0, owner, nullptr);
    if (chosen > 0 && static_cast<std::size_t>(chosen) <= commands_.size()) {
        Chosen(*commands_[static_cast<std::size_t>(chosen) - 1]);
    }
}

void Form3::Chosen(const layout::MenuItem& item) {
    if (item.name == "Exit") {
        Exit_Click();
        return;
    }
    for (const auto& [name, event] : kPlainItems) {
        if (item.name == name) {
            (this->*event)();
            return;
        }
    }
    for (const auto& [name, event] : kIndexedItems) {
        if (item.name == name) {
            (this->*event)(item.index.value_or(0));
            return;
        }
    }
}

void Form3::Exit_Click() {
    shell_.ExitFlow();
}

}  // namespace snoozr::ui
