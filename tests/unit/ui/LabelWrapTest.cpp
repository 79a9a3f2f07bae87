// The labels' word wrap, with every character one unit wide.

#include <gtest/gtest.h>

#include <string>

#include "ui/layout/LabelWrap.h"

namespace snoozr::ui::layout {
namespace {

int Characters(std::string_view run) {
    return static_cast<int>(run.size());
}

struct Case {
    const char* what;
    std::string text;
    int width;
    std::string wrapped;
};

TEST(LabelWrapTest, BreaksBeforeTheWordThatDoesNotFit) {
    const Case cases[] = {
        {"fits", "Aol Screenname:", 15, "Aol Screenname:"},
        {"words share a line", "aa bb cc dd", 5, "aa bb\r\ncc dd"},
        {"a run of blanks pushes the next word down, not its own",
         "Aol Screenname:" + std::string(14, ' ') + "SnoozrBrix", 20,
         "Aol Screenname:\r\nSnoozrBrix"},
        {"blanks at a break begin no line", "ab" + std::string(9, ' ') + "cd", 4, "ab\r\ncd"},
        {"leading blanks stay on the first line", std::string(15, ' ') + "Newbie Help", 26,
         std::string(15, ' ') + "Newbie Help"},
        {"leading blanks count on the first line", "   ab cd", 6, "   ab\r\ncd"},
        {"a word wider than the line gets one of its own", "a verylongword b", 5,
         "a\r\nverylongword\r\nb"},
        {"line breaks of the text stay", "ab cd\r\nef\ngh", 3, "ab\r\ncd\r\nef\ngh"},
        {"an empty line stays", "ab\n\ncd", 5, "ab\n\ncd"},
        {"trailing blanks go", "ab   ", 10, "ab"},
        {"blanks only", "    ", 10, ""},
        {"empty", "", 10, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(WrapLabelText(c.text, c.width, Characters), c.wrapped);
    }
}

TEST(LabelWrapTest, ContactTextPutsEveryItemOnLinesOfItsOwn) {
    const std::string contact = "E-Mail: brix@example.com" + std::string(4, ' ') +
                                "Aol Screenname:" + std::string(14, ' ') + "SnoozrBrix" +
                                std::string(19, ' ') + "Aim Screenname:" + std::string(13, ' ') +
                                "BrixSnoozr";
    EXPECT_EQ(WrapLabelText(contact, 20, Characters),
              "E-Mail:\r\nbrix@example.com\r\nAol Screenname:\r\nSnoozrBrix\r\nAim "
              "Screenname:\r\nBrixSnoozr");
}

}  // namespace
}  // namespace snoozr::ui::layout
