#include "ui/win32/wiring/MenuWiring.h"

#include <windows.h>

#include <string>
#include <string_view>

#include "client/win32/Win32WindowServices.h"
#include "ui/layout/DecorationPieces.h"

namespace snoozr::ui {

namespace {

void BackToMain(Shell& shell, Form& window) {
    window.Hide();
    shell.ShowMain();
}

// The entry goes at the end of the composition line. The caret follows it, so that the end of
// a line longer than the box stays in view.
void AppendEntry(ListBox& list, TextBox& line) {
    const int index = list.ListIndex();
    if (index < 0)
        return;
    const std::string text = line.Text() + list.List(index);
    line.SetText(text);
    const HWND box = line.Hwnd();
    SendMessageA(box, EM_SETSEL, text.size(), static_cast<LPARAM>(text.size()));
    SendMessageA(box, EM_SCROLLCARET, 0, 0);
}

void WireImSwitches(Form3& menu, ClientLink& link) {
    menu.ImOff_Click = [&link] { link.ImsOff(); };
    menu.ImOn_Click = [&link] { link.ImsOn(); };
}

void WireDecorationEditor(Shell& shell, ClientLink& link) {
    Form7& editor = shell.form7;
    // The load step runs once, on the first show: the lists are filled once for the whole run.
    editor.Form_Load = [&editor, &link] {
        link.StayOnTop(FromHwnd(editor.Hwnd()));
        for (const std::string_view piece : layout::kDecorationPieces)
            editor.List1.AddItem(piece);
        for (const std::string_view character : layout::kDecorationCharacters)
            editor.List2.AddItem(character);
    };
    editor.List1_Click = [&editor] { AppendEntry(editor.List1, editor.Text1); };
    editor.List2_Click = [&editor] { AppendEntry(editor.List2, editor.Text1); };
    editor.Label1_Click = [&shell] { BackToMain(shell, shell.form7); };
    editor.Command3_Click = [&shell] { BackToMain(shell, shell.form7); };
    shell.form3.EditAscii_Click = [&shell](int) {
        shell.form7.Show();
        shell.form1.Hide();
    };
}

// Their close boxes hide them and bring the main window back too (Form's own close).
void WireInfoWindows(Shell& shell) {
    shell.form3.Help_Click = [&shell] {
        shell.form9.Show();
        shell.form1.Hide();
    };
    shell.form3.Contact_Click = [&shell] {
        shell.form1.Hide();
        shell.form10.Show();
    };
    for (InfoWindow* window : {&shell.form9, &shell.form10})
        window->Command1_Click = [&shell, window] { BackToMain(shell, *window); };
}

}  // namespace

void WireMenuWindows(Shell& shell, ClientLink& link) {
    WireImSwitches(shell.form3, link);
    WireDecorationEditor(shell, link);
    WireInfoWindows(shell);
}

}  // namespace snoozr::ui
