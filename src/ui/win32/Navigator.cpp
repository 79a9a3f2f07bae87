#include "ui/win32/Navigator.h"

namespace snoozr::ui {

void Navigator::OpenInsteadOfMain(Form& window, Order order) {
    if (order == Order::kHideMainFirst) {
        main_.Hide();
        window.Show();
    } else {
        window.Show();
        main_.Hide();
    }
}

void Navigator::BackToMain(Form& window) {
    window.Hide();
    main_.Show();
}

void Navigator::Exit() {
    // The question is modal, but messages still flow while it is up (a close from the taskbar,
    // say).
    if (askingExit_)
        return;
    askingExit_ = true;
    const bool confirmed = ConfirmExit();
    askingExit_ = false;
    if (confirmed)
        EndProgram();
}

void Navigator::EndProgram() {
    PostQuitMessage(0);
}

}  // namespace snoozr::ui
