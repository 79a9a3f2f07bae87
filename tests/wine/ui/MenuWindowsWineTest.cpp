// The options menu's instant-message switches and the windows it opens (the decoration editor,
// the help and the contact windows), used as a new user would: the menu through the keyboard,
// the windows with the real mouse, against the stand-in client.

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "EndToEnd.h"

namespace snoozr::ui::test {
namespace {

using wine::MenuPath;
const MenuPath kImsOff{"Aol Options", "Ims", "Ims Off"};
const MenuPath kImsOn{"Aol Options", "Ims", "Ims On"};
const MenuPath kAsciiEditor{"Aol Options", "Ascii", "Ascii Editor"};
const MenuPath kContact{"About", "Contact Brix"};
const MenuPath kHelp{"About", "Help"};

using Logged = wine::StandInEvent;

// The keys for the items, against the walks the tests pressed by hand before the driver
// derived them: Down from the top where those went Up from the bottom, to the same item.
TEST(MenuKeysTest, PathsGiveTheKeysOfTheirItems) {
    constexpr WORD D = VK_DOWN, R = VK_RIGHT, E = VK_RETURN;
    const struct {
        MenuPath path;
        std::vector<WORD> keys;
    } cases[] = {
        {{"Advertise"}, {D, E}},
        {{"Aol Options", "Idle Options", "Idle Reason"}, {D, D, R, R, E}},
        {{"Aol Options", "Idle Options", "Brag Stats"}, {D, D, R, R, D, E}},
        {{"Aol Options", "Ascii", "Front Ascii Changer"}, {D, D, R, D, R, E}},
        {{"Aol Options", "Ascii", "End Ascii Changer"}, {D, D, R, D, R, D, E}},
        {{"Aol Options", "Ascii", "Ascii Editor"}, {D, D, R, D, R, D, D, E}},
        {{"Aol Options", "Handle", "Change Handle"}, {D, D, R, D, D, R, E}},
        {{"Aol Options", "Ims", "Ims Off"}, {D, D, R, D, D, D, R, E}},  // was D D R U U R E
        {{"Aol Options", "Ims", "Ims On"}, {D, D, R, D, D, D, R, D, E}},
        {{"Aol Options", "UPCHAT"}, {D, D, R, D, D, D, D, E}},  // was D D R U E
        {{"About", "Contact Brix"}, {D, D, D, R, E}},           // was U U R E
        {{"About", "Help"}, {D, D, D, R, D, E}},
        {{"Exit"}, {D, D, D, D, E}},  // was U E
        {{"Aol", "IdleOpts", "Reason"}, {D, D, R, R, E}},
        {{"Aol Options", "Idle Options"}, {}},  // a submenu is no item to choose
        {{"Aol Options", "Idle Reason"}, {}},
        {{}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.path));
        EXPECT_EQ(wine::MenuKeys(c.path), c.keys);
    }
}

bool IsTopmost(HWND window) {
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

class MenuWindowsWineTest : public EndToEnd {
  protected:
    MenuWindowsWineTest() = default;
    explicit MenuWindowsWineTest(const std::string& standInArguments)
        : EndToEnd(standInArguments) {}

    bool ShownInsteadOfMain(HWND window) const {
        return wine::WaitUntil([&] { return IsWindowVisible(window) && !IsWindowVisible(Main()); },
                               kWindowWait);
    }
    bool MainBackInsteadOf(HWND window) const {
        return wine::WaitUntil([&] { return IsWindowVisible(Main()) && !IsWindowVisible(window); },
                               kWindowWait);
    }
    HWND WaitForShown(const layout::WindowLayout& window) const {
        return Driver().WaitForShown(window);
    }
    // A message box of the program's own ("Snoozr 2.5"), which these items must never show.
    bool ProgramMessageBox() const {
        return wine::FindProcessWindow(Pid(), "Snoozr 2.5", "#32770", true) != nullptr;
    }

    // The stand-in's keyword, instant-message and message-box events.
    std::vector<Logged> ImEvents() const { return standIn.EventsOtherThan({"ready", "chat"}); }
    // Once the events have come, with time for any more to show: all of them.
    std::vector<Logged> ImEventsOnceThere(std::size_t count) const {
        wine::WaitUntil([&] { return ImEvents().size() >= count; }, kWindowWait);
        Sleep(500);
        return ImEvents();
    }
};

TEST_F(MenuWindowsWineTest, ImsOffAndImsOnReachTheClientWithoutAMessageOfTheirOwn) {
    ASSERT_NO_FATAL_FAILURE(StartAndOpenMain());
    Choose(kImsOff);
    ASSERT_EQ(ImEventsOnceThere(3).size(), 3u) << ::testing::PrintToString(ImEvents());
    Choose(kImsOn);
    EXPECT_EQ(ImEventsOnceThere(6), wine::SwitchImEvents({"$IM_OFF", "$IM_ON"}));
    EXPECT_FALSE(ProgramMessageBox());
    EXPECT_TRUE(IsWindowVisible(Main())) << "the switches neither hide nor show the main window";
    EXPECT_EQ(standIn.ChatLines().size(), 3u);
}

class ImReplyMessageBoxWineTest : public MenuWindowsWineTest {
  protected:
    ImReplyMessageBoxWineTest() : MenuWindowsWineTest("--im-reply msgbox") {}
};

TEST_F(ImReplyMessageBoxWineTest, ClientsMessageBoxIsAnsweredAndTheImWindowClosed) {
    ASSERT_NO_FATAL_FAILURE(StartAndOpenMain());
    Choose(kImsOff);
    EXPECT_EQ(ImEventsOnceThere(4),
              (std::vector<Logged>{
                  {"keyword", "", "aol://9293:$IM_OFF"},
                  {"msgbox-shown", "$IM_OFF", "$IM_OFF is not currently signed on."},
                  {"msgbox-answered", "$IM_OFF", "1"},
                  {"im-closed", "$IM_OFF", "closed"},
              }));
    EXPECT_EQ(wine::FindProcessWindow(standIn.ProcessId(), "America Online", "#32770"), nullptr);
    EXPECT_FALSE(ProgramMessageBox());
    EXPECT_TRUE(IsWindowVisible(Main()));
}

// Form7's controls, found as a user sees them: the lists left and right, the line, the button.
struct Editor {
    HWND window = nullptr;
    HWND list1 = nullptr;
    HWND list2 = nullptr;
    HWND text1 = nullptr;
    HWND command3 = nullptr;
};

std::vector<HWND> ChildrenOfClass(HWND parent, const char* className) {
    std::vector<HWND> found;
    for (HWND child = FindWindowExA(parent, nullptr, className, nullptr); child != nullptr;
         child = FindWindowExA(parent, child, className, nullptr)) {
        found.push_back(child);
    }
    std::sort(found.begin(), found.end(), [](HWND a, HWND b) {
        return wine::ClientRectOnScreen(a).left < wine::ClientRectOnScreen(b).left;
    });
    return found;
}

Editor FindEditor(HWND window) {
    Editor editor{window};
    const auto lists = ChildrenOfClass(window, "ListBox");
    const auto lines = ChildrenOfClass(window, "Edit");
    const auto buttons = ChildrenOfClass(window, "Button");
    if (lists.size() != 2 || lines.size() != 1 || buttons.size() != 1)
        return editor;
    return {window, lists[0], lists[1], lines[0], buttons[0]};
}

// Read as UTF-16 and converted here: an ANSI LB_GETTEXT from another process gets UTF-16 back
// under Wine.
std::vector<std::string> Entries(HWND list) {
    std::vector<std::string> entries;
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (WPARAM i = 0; i < static_cast<WPARAM>(std::max<LRESULT>(count, 0)); ++i) {
        const auto length = SendMessageW(list, LB_GETTEXTLEN, i, 0);
        std::wstring wide(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
        wide.resize(static_cast<std::size_t>(std::max<LRESULT>(
            SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide.data())), 0)));
        std::string text(wide.size() * 2, '\0');
        text.resize(static_cast<std::size_t>(
            WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                                static_cast<int>(text.size()), nullptr, nullptr)));
        entries.push_back(text);
    }
    return entries;
}

// Clicks the list's scroll arrows until the entry is in view, then clicks the entry.
void ClickEntry(HWND list, int index) {
    const RECT client = wine::ClientRectOnScreen(list);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const int arrowX = width + GetSystemMetrics(SM_CXVSCROLL) / 2;
    const int arrowHeight = GetSystemMetrics(SM_CYVSCROLL);
    const int rowHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    ASSERT_GT(rowHeight, 0);
    for (int tries = 0; tries < 64; ++tries) {
        const int row = index - static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
        if (row < 0 || (row + 1) * rowHeight > height) {
            wine::Click(list, {arrowX, row < 0 ? arrowHeight / 2 : height - arrowHeight / 2});
            Sleep(50);  // the list scrolls once the click has reached it
        } else {
            wine::Click(list, {width / 2, row * rowHeight + rowHeight / 2});
            // Apart by more than the double-click time: two clicks, not one double click.
            Sleep(GetDoubleClickTime() + 100);
            return;
        }
    }
    FAIL() << "entry " << index << " never came into view";
}

// Clears the line by hand: a click into it, End, then Backspace until it is empty.
void ClearLine(HWND line) {
    const RECT client = wine::ClientRectOnScreen(line);
    wine::Click(line, {(client.right - client.left) / 2, (client.bottom - client.top) / 2});
    wine::PressKey(VK_END);
    for (int tries = 0; tries < 64 && !wine::WindowText(line).empty(); ++tries)
        wine::PressKey(VK_BACK);
    ASSERT_EQ(wine::WindowText(line), "");
}

TEST_F(MenuWindowsWineTest, DecorationEditorComposesAndKeepsItsLineAcrossReopening) {
    ASSERT_NO_FATAL_FAILURE(StartAndOpenMain());
    Choose(kAsciiEditor);
    const HWND window = WaitForShown(layout::kForm7);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(ShownInsteadOfMain(window));
    EXPECT_TRUE(IsTopmost(window));
    const Editor editor = FindEditor(window);
    ASSERT_NE(editor.list1, nullptr);
    EXPECT_EQ(wine::WindowText(editor.text1), "Ascii Editor By: Brix");
    EXPECT_EQ(wine::WindowText(editor.command3), "K iM DoNe");

    const auto pieces = Entries(editor.list1);
    const auto characters = Entries(editor.list2);
    ASSERT_EQ(pieces.size(), 30u);
    ASSERT_EQ(characters.size(), 12u);
    EXPECT_EQ(pieces.front(), "\xBA\xB0\x91\xA8\xA8`-.-^v^->");
    EXPECT_EQ(pieces[10], "\xA0\x95\xB7\xB7 \xF7 \xB7\xB7\x95");
    EXPECT_EQ(pieces[12], "\x95  \x95 \x95\xA4^v^(\x95");
    EXPECT_EQ(pieces.back(), "\xB7\xF7\xB1\xA6[");
    EXPECT_EQ(characters.front(), "\xBF");
    EXPECT_EQ(characters.back(), "\xD8");

    // The first click on a piece goes after the line's initial text.
    ClickEntry(editor.list1, 0);
    EXPECT_EQ(wine::WindowText(editor.text1), "Ascii Editor By: Brix" + pieces[0]);

    const std::string example = "\xB7\x95\xB7\xE2\x95-^v^-\x95";
    ClearLine(editor.text1);
    ClickEntry(editor.list1, 22);
    ClickEntry(editor.list2, 1);
    ClickEntry(editor.list1, 23);
    EXPECT_EQ(wine::WindowText(editor.text1), example);
    Screenshot("Form7");

    // Every click appends: again on the entry already selected, and both clicks of a double
    // click.
    ClickEntry(editor.list1, 23);
    EXPECT_EQ(wine::WindowText(editor.text1), example + pieces[23]);
    ClearLine(editor.text1);
    const int rowHeight = static_cast<int>(SendMessageA(editor.list2, LB_GETITEMHEIGHT, 0, 0));
    ASSERT_EQ(SendMessageA(editor.list2, LB_GETTOPINDEX, 0, 0), 0);
    wine::DoubleClick(editor.list2, {20, 4 * rowHeight + rowHeight / 2});  // "b"
    ASSERT_TRUE(
        wine::WaitUntil([&] { return wine::WindowText(editor.text1) == "bb"; }, kWindowWait))
        << wine::WindowText(editor.text1);
    ClickEntry(editor.list1, 22);
    ClickEntry(editor.list2, 1);
    ClickEntry(editor.list1, 23);
    const std::string composed = "bb" + example;
    ASSERT_EQ(wine::WindowText(editor.text1), composed);

    // "X" and "K iM DoNe" both bring the main window back; the editor keeps its line and lists.
    struct Closer {
        const char* what;
        void (*close)(const Editor& editor);
    };
    const Closer closers[] = {
        {"X", [](const Editor& e) { wine::ClickControl(e.window, layout::kForm7, "Label1"); }},
        {"K iM DoNe", [](const Editor& e) { wine::ClickCentre(e.command3); }},
    };
    for (const Closer& closer : closers) {
        SCOPED_TRACE(closer.what);
        closer.close(editor);
        ASSERT_TRUE(MainBackInsteadOf(window));
        EXPECT_TRUE(IsWindow(window)) << "hidden, not closed";
        Choose(kAsciiEditor);
        ASSERT_TRUE(ShownInsteadOfMain(window));
        EXPECT_EQ(ProgramWindow(layout::kForm7), window);
        EXPECT_EQ(wine::WindowText(editor.text1), composed);
        EXPECT_EQ(Entries(editor.list1), pieces) << "filled once";
        EXPECT_EQ(Entries(editor.list2), characters);
    }
    EXPECT_EQ(standIn.ChatLines().size(), 3u) << "the editor says nothing in the chat";
}

struct InfoCase {
    const char* name;
    MenuPath item;
    const layout::WindowLayout& form;
    const char* caption;
    const char* button;
    bool byCloseBox;
};

void PrintTo(const InfoCase& info, std::ostream* out) {
    *out << info.name;
}

const InfoCase kInfoCases[] = {
    {"HelpByButton", kHelp, layout::kForm9, "i NeED HeLP iM A NeWBiE!", "K i GeT iT NoW!", false},
    {"HelpByCloseBox", kHelp, layout::kForm9, "i NeED HeLP iM A NeWBiE!", "K i GeT iT NoW!", true},
    {"ContactByButton", kContact, layout::kForm10, "Contact info", "K iM DoNe", false},
    {"ContactByCloseBox", kContact, layout::kForm10, "Contact info", "K iM DoNe", true},
};

class InfoWindowWineTest : public MenuWindowsWineTest,
                           public ::testing::WithParamInterface<InfoCase> {};

TEST_P(InfoWindowWineTest, ShowsInsteadOfTheMainWindowUntilClosed) {
    const InfoCase& info = GetParam();
    ASSERT_NO_FATAL_FAILURE(StartAndOpenMain());
    Choose(info.item);
    const HWND window = WaitForShown(info.form);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(ShownInsteadOfMain(window));
    EXPECT_EQ(wine::WindowText(window), info.caption);
    EXPECT_TRUE(IsTopmost(window));
    const auto buttons = ChildrenOfClass(window, "Button");
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(wine::WindowText(buttons[0]), info.button);
    Sleep(300);
    Screenshot(wine::WindowClass(info.form) + "." + info.name);

    for (int opening = 1; opening <= 2; ++opening) {
        SCOPED_TRACE(opening);
        if (info.byCloseBox) {
            // Without a window manager there is no title bar to click: the close box's command.
            PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        } else {
            wine::ClickCentre(buttons[0]);
        }
        ASSERT_TRUE(MainBackInsteadOf(window));
        EXPECT_TRUE(IsWindow(window)) << "hidden, not closed";
        Choose(info.item);
        ASSERT_TRUE(ShownInsteadOfMain(window));
        EXPECT_EQ(ProgramWindow(info.form), window) << "the same window, loaded once";
    }
    EXPECT_FALSE(ProgramMessageBox());
    EXPECT_EQ(standIn.ChatLines().size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Windows, InfoWindowWineTest, ::testing::ValuesIn(kInfoCases),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace snoozr::ui::test
