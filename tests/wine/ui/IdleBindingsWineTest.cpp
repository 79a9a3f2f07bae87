// The shell as the idle engine sees it: each profile text is its own dialog's text box (the
// dialog created hidden on the first read), the idle flag is Form1's Timer1, and the counters
// are the captions of Label1, Label3 and Label12.

#include "ShellFixture.h"
#include "ui/win32/IdleBindings.h"

namespace snoozr::ui::test {
namespace {

class IdleBindingsWineTest : public ShellFixture {
  protected:
    IdleBindings bindings{shell, link};
};

TEST_F(IdleBindingsWineTest, ProfileTextsAreReadFromTheirOwnDialogs) {
    struct Field {
        const char* what;
        std::string (IdleBindings::*read)();
        OneFieldDialog& dialog;
        const char* defaultText;
    };
    const Field fields[] = {
        {"handle", &IdleBindings::Handle, shell.form6, "Handle Here"},
        {"front decoration", &IdleBindings::FrontDecoration, shell.form4, "O\xBA\xB0\x91  "},
        {"end decoration", &IdleBindings::EndDecoration, shell.form5,
         "\xA8\xB0\xBA"
         "O"},
        {"idle reason", &IdleBindings::IdleReason, shell.form2, "REASON HERE"},
        {"stop reason", &IdleBindings::StopReason, shell.form11, "iM BaCk"},
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

TEST_F(IdleBindingsWineTest, IdleFlagIsTimer1AndCountersAreTheLabels) {
    idle::IdleTimer& timer = bindings;
    EXPECT_FALSE(timer.IsEnabled());
    timer.Enable();
    EXPECT_TRUE(shell.form1.Timer1.IsEnabled());
    timer.Disable();
    EXPECT_FALSE(shell.form1.Timer1.IsEnabled());

    bindings.ShowCounters({59, 23, 123});
    EXPECT_EQ(shell.form1.Label1.Caption(), "59");
    EXPECT_EQ(shell.form1.Label3.Caption(), "23");
    EXPECT_EQ(shell.form1.Label12.Caption(), "123");
}

}  // namespace
}  // namespace snoozr::ui::test
