#include "ui/win32/wiring/UploadWiring.h"

#include "client/win32/Win32WindowServices.h"

namespace snoozr::ui {

using upload::CompanionControl;

Label* Form12View::LabelFor(CompanionControl control) const {
    Form12& form = shell_.form12;
    switch (control) {
        case CompanionControl::Label1:
            return &form.Label1;
        case CompanionControl::Label2:
            return &form.Label2;
        case CompanionControl::Label3:
            return &form.Label3;
        case CompanionControl::Label4:
            return &form.Label4;
        case CompanionControl::Label5:
            return &form.Label5;
        case CompanionControl::Text1:
            break;
    }
    return nullptr;
}

std::string Form12View::Text(CompanionControl control) const {
    if (Label* label = LabelFor(control))
        return label->Caption();
    return shell_.form12.Text1.Text();
}

void Form12View::SetText(CompanionControl control, std::string_view text) {
    if (Label* label = LabelFor(control)) {
        label->SetCaption(text);
    } else {
        shell_.form12.Text1.SetText(text);
    }
}

std::int16_t Form12View::BarValue() const {
    return static_cast<std::int16_t>(shell_.form12.DogBar1.Value());
}

void Form12View::SetBarValue(std::int16_t value) {
    shell_.form12.DogBar1.SetValue(value);
}

UploadWiring::UploadWiring(Shell& shell, ClientLink& link, MessageBoxService& messageBoxes)
    : view_(shell), timer1_(shell.form12.Timer1), companion_(link, messageBoxes, timer1_, view_) {
    Form12& form12 = shell.form12;
    // UPCHAT: the companion stands in for the main window from here on.
    shell.form3.UpChatInfo_Click = [&shell] {
        shell.form1.Hide();
        shell.form12.Show();
    };
    form12.Label5_Click = [this] { companion_.Label5_Click(); };
    form12.Label6_Click = [this] { companion_.Label6_Click(); };
    form12.Label7_Click = [&form12] { form12.Minimize(); };
    // The drag's move loop returns once the button is released; only then is it made topmost.
    form12.Form_MouseDown = [&form12, &link] {
        const WindowHandle window = FromHwnd(form12.Hwnd());
        link.DragWindow(window);
        link.StayOnTop(window);
    };
    form12.Form_Unload = [this] { companion_.Form_Unload(); };
    form12.Timer1_Timer = [this] { companion_.Timer1_Timer(); };
    // Timer2, the chat status poster, is not offered: it stays off and unwired.
}

std::unique_ptr<UploadWiring> WireUpload(Shell& shell, ClientLink& link,
                                         MessageBoxService& messageBoxes) {
    return std::make_unique<UploadWiring>(shell, link, messageBoxes);
}

}  // namespace snoozr::ui
