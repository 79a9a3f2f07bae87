#include "ui/win32/Shell.h"

#include <cstdlib>

#include "ui/layout/Layouts.h"

namespace snoozr::ui {

Shell::Shell(ClientLink& link)
    : link_(link),
      form1(*this),
      splash(*this),
      form2(*this, layout::kForm2, true),
      form3(*this),
      form4(*this, layout::kForm4, true),
      form5(*this, layout::kForm5, true),
      form6(*this, layout::kForm6, true),
      form7(*this),
      form9(*this, layout::kForm9),
      form10(*this, layout::kForm10),
      form11(*this, layout::kForm11, false),
      form12(*this) {}

std::array<Form*, 12> Shell::Forms() {
    return {&form1, &splash, &form2, &form3,  &form4,  &form5,
            &form6, &form7,  &form9, &form10, &form11, &form12};
}

void Shell::Start() {
    form1.Load();
}

void Shell::ExitFlow() {
    // The question is modal, but messages still flow while it is up (a close from the taskbar,
    // say): a second request meanwhile is the same question, already being asked.
    if (askingExit_)
        return;
    askingExit_ = true;
    const bool confirmed = ConfirmExit();
    askingExit_ = false;
    if (confirmed)
        EndProgram();
}

void Shell::EndProgram() {
    const auto forms = Forms();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it)
        (*it)->Unload();
    std::exit(0);
}

bool Shell::PreTranslate(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST)
        return false;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root == nullptr)
        return false;
    for (Form* form : Forms()) {
        if (form->Handle() == root && form->HasControls())
            return IsDialogMessageA(root, &message) != FALSE;
    }
    return false;
}

}  // namespace snoozr::ui
