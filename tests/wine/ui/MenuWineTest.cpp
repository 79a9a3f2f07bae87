// Form3's options menu: the whole tree, captions and order, and the items chosen from the
// popup reaching their handlers (the item arrays with their index).

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

#include "ProgramFixture.h"

namespace snoozr::ui::test {
namespace {

// Captions of a menu and its submenus, a level of nesting shown as two blanks.
void Flatten(HMENU menu, const std::string& indent, std::vector<std::string>& out) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char caption[128] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), caption, sizeof(caption), MF_BYPOSITION);
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        std::string entry = indent + caption;
        if (state & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR))
            entry += " [state]";
        out.push_back(entry);
        if (const HMENU sub = GetSubMenu(menu, i))
            Flatten(sub, indent + "  ", out);
    }
}

using MenuWineTest = ProgramFixture;

TEST_F(MenuWineTest, FileHoldsTheWholeTreeInDisplayOrder) {
    std::vector<std::string> tree;
    Flatten(windows.form3.FileMenu(), "", tree);
    const std::vector<std::string> expected{
        "Advertise",
        "Aol Options",
        "  Idle Options",
        "    Idle Reason",
        "    Brag Stats",
        "  Ascii",
        "    Front Ascii Changer",
        "    End Ascii Changer",
        "    Ascii Editor",
        "  Handle",
        "    Change Handle",
        "  Ims",
        "    Ims Off",
        "    Ims On",
        "  UPCHAT",
        "About",
        "  Contact Brix",
        "  Help",
        "Exit",
    };
    EXPECT_EQ(tree, expected);  // with the root File, twenty items
    EXPECT_FALSE(IsWindowVisible(windows.form3.Hwnd())) << "Form3 is never shown";
}

// Types keys into the popup from inside its modal loop, one per tick.
class MenuKeys {
  public:
    explicit MenuKeys(HWND owner, std::vector<WORD> keys) {
        owner_ = owner;
        keys_.assign(keys.begin(), keys.end());
        timer_ = SetTimer(nullptr, 0, 60, &MenuKeys::Tick);
    }
    ~MenuKeys() { KillTimer(nullptr, timer_); }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(GetCurrentThreadId(), &info);
        if (!(info.flags & GUI_INMENUMODE))
            return;
        if (keys_.empty()) {
            EndMenu();
            return;
        }
        PostMessageA(owner_, WM_KEYDOWN, keys_.front(), 0);
        PostMessageA(owner_, WM_KEYUP, keys_.front(), 0xC0000000);
        keys_.pop_front();
    }

    static inline HWND owner_ = nullptr;
    static inline std::deque<WORD> keys_;
    UINT_PTR timer_;
};

struct Choice {
    const char* what;
    std::vector<WORD> keys;
    std::vector<std::string> expected;
};

TEST_F(MenuWineTest, ChosenItemRunsItsHandlerBeforeThePopupReturns) {
    Form3& menu = windows.form3;
    const auto record = [this](const char* name) { return [this, name] { log.push_back(name); }; };
    menu.Adv.Click = record("Adv_Click");
    menu.Reason.Click = record("Reason_Click");
    menu.BragStats.Click = record("BragStats_Click");
    menu.FrontAscii.Click = record("FrontAscii_Click");
    menu.EndAscii.Click = [this](int index) {
        log.push_back("EndAscii_Click " + std::to_string(index));
    };
    menu.EditAscii.Click = [this](int index) {
        log.push_back("EditAscii_Click " + std::to_string(index));
    };
    menu.ChangeHandle.Click = record("ChangeHandle_Click");
    menu.ImOff.Click = record("ImOff_Click");
    menu.ImOn.Click = record("ImOn_Click");
    menu.UpChatInfo.Click = record("UpChatInfo_Click");
    menu.Contact.Click = record("Contact_Click");
    menu.Help.Click = record("Help_Click");
    navigator.ConfirmExit = [this] {
        log.push_back("exit question");
        return false;
    };

    constexpr WORD D = VK_DOWN, U = VK_UP, R = VK_RIGHT, E = VK_RETURN;
    const Choice choices[] = {
        {"Advertise", {D, E}, {"Adv_Click"}},
        {"Idle Reason", {D, D, R, R, E}, {"Reason_Click"}},
        {"Brag Stats", {D, D, R, R, D, E}, {"BragStats_Click"}},
        {"Front Ascii Changer", {D, D, R, D, R, E}, {"FrontAscii_Click"}},
        {"End Ascii Changer", {D, D, R, D, R, D, E}, {"EndAscii_Click 2"}},
        {"Ascii Editor", {D, D, R, D, R, D, D, E}, {"EditAscii_Click 3"}},
        {"Change Handle", {D, D, R, D, D, R, E}, {"ChangeHandle_Click"}},
        {"Ims Off", {D, D, R, U, U, R, E}, {"ImOff_Click"}},
        {"Ims On", {D, D, R, U, U, R, D, E}, {"ImOn_Click"}},
        {"UPCHAT", {D, D, R, U, E}, {"UpChatInfo_Click"}},
        {"Contact Brix", {U, U, R, E}, {"Contact_Click"}},
        {"Help", {U, U, R, D, E}, {"Help_Click"}},
        {"Exit", {U, E}, {"exit question"}},
        {"a submenu only opens", {D, D, E}, {}},
        {"dismissed", {VK_ESCAPE, VK_ESCAPE}, {}},
    };
    windows.form1.Show();
    for (const Choice& choice : choices) {
        log.clear();
        {
            const MenuKeys keys(windows.form1.Hwnd(), choice.keys);
            menu.PopupFile(windows.form1.Hwnd());
        }
        EXPECT_EQ(log, choice.expected) << choice.what;
    }
}

}  // namespace
}  // namespace snoozr::ui::test
