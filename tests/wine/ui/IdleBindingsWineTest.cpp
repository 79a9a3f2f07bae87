// The windows as the idle engine sees them: each profile text is its own dialog's text box
// (the dialog created hidden on the first read), the idle flag is Form1's Timer1, and the
// counters are the captions of Label1, Label3 and Label12.

#include "ProgramFixture.h"

namespace snoozr::ui::test {
namespace {

using IdleBindingsWineTest = ProgramFixture;

TEST_F(IdleBindingsWineTest, ProfileTextsAreReadFromTheirOwnDialogs) {
    struct Field {
        const char* what;
        std::string (IdleBindings::*read)();
        OneFieldDialog& dialog;
        const char* defaultText;
    };
    const Field fields[] = {
        {"handle", &IdleBindings::Handle, windows.form6, "Handle Here"},
        {"front decoration", &IdleBindings::FrontDecoration, windows.form4, "O\xBA\xB0\x91  "},
        {"end decoration", &IdleBindings::EndDecoration, windows.form5,
         "\xA8\xB0\xBA"
         "O"},
        {"idle reason", &IdleBindings::IdleReason, windows.form2, "REASON HERE"},
        {"stop reason", &IdleBindings::StopReason, windows.form11, "iM BaCk"},
    };
    for (const Field& field : fields) {
        SCOPED_TRACE(field.what);
        EXPECT_FALSE(field.dialog.Loaded());
        EXPECT_EQ((bindings.*field.read)(), field.defaultText);
        EXPECT_TRUE(field.dialog.Loaded());
        EXPECT_FALSE(IsWindowVisible(field.dialog.Handle()));
        field.dialog.Text1.SetText(std::string("typed ") + field.what);
        EXPECT_EQ((bindings.*field.read)(), std::string("typed ") + field.what);
    }
}

// What the user puts into a dialog is read as the code page allows: a character outside code
// page 1252 becomes its closest letter or "?", a text of a megabyte comes back whole.
TEST_F(IdleBindingsWineTest, ProfileTextsAreReadAsTheCodePageAllowsAndWhole) {
    const HWND box = windows.form2.Text1.Hwnd();
    windows.form2.Text1.SetText("");
    for (const wchar_t typed :
         {L'a', L'\x03A9', L'\x00E9', L'\x2603'})  // a, Omega, e-acute, snowman
        SendMessageW(box, WM_CHAR, typed, 0);
    EXPECT_EQ(bindings.IdleReason(), "aO\xE9?");

    const std::string megabyte(1 << 20, 'z');
    windows.form2.Text1.SetText(megabyte);
    EXPECT_EQ(bindings.IdleReason(), megabyte);
}

TEST_F(IdleBindingsWineTest, CountersAreTheLabels) {
    bindings.ShowCounters({59, 23, 123});
    EXPECT_EQ(windows.form1.Label1.Caption(), "59");
    EXPECT_EQ(windows.form1.Label3.Caption(), "23");
    EXPECT_EQ(windows.form1.Label12.Caption(), "123");
}

}  // namespace
}  // namespace snoozr::ui::test
