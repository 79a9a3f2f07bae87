// The fixed texts of the decoration editor and the information windows, byte for byte.

#include <gtest/gtest.h>

#include <string>

#include "ui/layout/Layouts.h"

namespace snoozr::ui::layout {
namespace {

std::string TextOf(const WindowLayout& window, std::string_view control) {
    const ControlLayout* found = FindControl(window, control);
    return found != nullptr ? std::string(found->text) : "<no " + std::string(control) + ">";
}

TEST(InfoTextsTest, WindowsHoldTheirTexts) {
    struct Case {
        const WindowLayout& window;
        const char* control;  // nullptr: the window's caption
        std::string text;
    };
    const Case cases[] = {
        {kForm7, nullptr, "Ascii Editor By: Brix"},
        {kForm7, "Text1", "Ascii Editor By: Brix"},
        {kForm7, "Label1", "X"},
        {kForm7, "Command3", "K iM DoNe"},
        {kForm9, nullptr, "i NeED HeLP iM A NeWBiE!"},
        {kForm9, "Label2", std::string(15, ' ') + "Newbie Help"},
        {kForm9, "Label1",
         "Welcome! If your a newbie then this is the write place to be. To Start idling, first "
         "you have to change your handle and the ascii's if you want and then make a reason to "
         "be idle. After That Simply Click the Start button found on the program! There are more "
         "options in the popup menu and you can find this by clicking the OPTIONS text!"},
        {kForm9, "Command1", "K i GeT iT NoW!"},
        {kForm10, nullptr, "Contact info"},
        {kForm10, "Label1", "CONTACT INFO"},
        {kForm10, "Command1", "K iM DoNe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.window.name) + " " + (c.control ? c.control : "caption"));
        const std::string actual =
            c.control != nullptr ? TextOf(c.window, c.control) : std::string(c.window.caption);
        EXPECT_EQ(actual, c.text);
    }
    EXPECT_EQ(TextOf(kForm9, "Label1").size(), 334u);
    EXPECT_EQ(TextOf(kForm9, "Label2").size(), 26u);
}

// "E-Mail: " and the address; four blanks; "Aol Screenname:"; fourteen blanks; the screen name;
// nineteen blanks; "Aim Screenname:"; thirteen blanks; the messenger name.
TEST(InfoTextsTest, ContactTextIsMadeOfItsItemsAndBlankRuns) {
    const std::string text = TextOf(kForm10, "Label2");
    const std::string aol = std::string(4, ' ') + "Aol Screenname:" + std::string(14, ' ');
    const std::string aim = std::string(19, ' ') + "Aim Screenname:" + std::string(13, ' ');
    ASSERT_EQ(text.rfind("E-Mail: ", 0), 0u) << text;
    const std::size_t aolAt = text.find(aol);
    const std::size_t aimAt = text.find(aim);
    ASSERT_NE(aolAt, std::string::npos) << text;
    ASSERT_NE(aimAt, std::string::npos) << text;
    const std::string address = text.substr(8, aolAt - 8);
    const std::string screenName = text.substr(aolAt + aol.size(), aimAt - aolAt - aol.size());
    const std::string messengerName = text.substr(aimAt + aim.size());
    for (const std::string& value : {address, screenName, messengerName}) {
        EXPECT_FALSE(value.empty());
        EXPECT_EQ(value.find(' '), std::string::npos) << "'" << value << "'";
    }
    EXPECT_NE(address.find('@'), std::string::npos);
}

}  // namespace
}  // namespace snoozr::ui::layout
