#include "ui/win32/wiring/EditorWiring.h"

#include <string>
#include <string_view>

#include "ui/layout/DecorationPieces.h"

namespace snoozr::ui {

namespace {

// The entry goes at the end of the composition line. The caret follows it, so that the end of
// a line longer than the box stays in view.
void AppendEntry(ListBox& list, TextBox& line) {
    const int index = list.ListIndex();
    if (index < 0)
        return;
    line.SetText(line.Text() + list.List(index));
    line.ShowEnd();
}

}  // namespace

void WireEditor(Form7& editor) {
    // The load step runs once, on the first show: the lists are filled once for the whole run.
    editor.Form_Load = [&editor] {
        for (const std::string_view piece : layout::kDecorationPieces)
            editor.List1.AddItem(piece);
        for (const std::string_view character : layout::kDecorationCharacters)
            editor.List2.AddItem(character);
    };
    editor.List1.Click = [&editor] { AppendEntry(editor.List1, editor.Text1); };
    editor.List2.Click = [&editor] { AppendEntry(editor.List2, editor.Text1); };
}

}  // namespace snoozr::ui
