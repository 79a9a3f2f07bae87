#include "ui/win32/forms/Form3.h"

#include <string>
#include <utility>

namespace snoozr::ui {

namespace {

// The menu tree's item names to the items of this form.
constexpr std::pair<std::string_view, MenuCommand Form3::*> kCommands[] = {
    {"Adv", &Form3::Adv},
    {"Reason", &Form3::Reason},
    {"BragStats", &Form3::BragStats},
    {"FrontAscii", &Form3::FrontAscii},
    {"ChangeHandle", &Form3::ChangeHandle},
    {"ImOff", &Form3::ImOff},
    {"ImOn", &Form3::ImOn},
    {"UpChatInfo", &Form3::UpChatInfo},
    {"Contact", &Form3::Contact},
    {"Help", &Form3::Help},
    {"Exit", &Form3::Exit},
};

constexpr std::pair<std::string_view, MenuArrayCommand Form3::*> kArrayCommands[] = {
    {"EndAscii", &Form3::EndAscii},
    {"EditAscii", &Form3::EditAscii},
};

}  // namespace

Form3::Form3(FormResources& resources) : Form(resources, layout::kForm3) {}

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
    // Made with the window, on the first opening, for the rest of the run.
    Load();
    if (file_.Get() == nullptr)
        file_.Reset(Build(layout::kForm3File));
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
    for (const auto& [name, command] : kCommands) {
        if (item.name == name) {
            (this->*command).Click();
            return;
        }
    }
    for (const auto& [name, command] : kArrayCommands) {
        if (item.name == name) {
            (this->*command).Click(item.index.value_or(0));
            return;
        }
    }
}

}  // namespace snoozr::ui
