#include "ui/win32/wiring/UploadWiring.h"

namespace snoozr::ui {

using upload::CompanionControl;

Label* Form12View::LabelFor(CompanionControl control) const {
    switch (control) {
        case CompanionControl::Label1:
            return &form_.Label1;
        case CompanionControl::Label2:
            return &form_.Label2;
        case CompanionControl::Label3:
            return &form_.Label3;
        case CompanionControl::Label4:
            return &form_.Label4;
        case CompanionControl::Label5:
            return &form_.Label5;
        case CompanionControl::Text1:
            break;
    }
    return nullptr;
}

std::string Form12View::Text(CompanionControl control) const {
    if (Label* label = LabelFor(control))
        return label->Caption();
    return form_.Text1.Text();
}

void Form12View::SetText(CompanionControl control, std::string_view text) {
    if (Label* label = LabelFor(control)) {
        label->SetCaption(text);
    } else {
        form_.Text1.SetText(text);
    }
}

std::int16_t Form12View::BarValue() const {
    return static_cast<std::int16_t>(form_.DogBar1.Value());
}

void Form12View::SetBarValue(std::int16_t value) {
    form_.DogBar1.SetValue(value);
}

UploadWiring::UploadWiring(Form12& form12, Navigator& navigator, ClientLink& link,
                           MessageBoxService& messageBoxes)
    : view_(form12, navigator), companion_(link, messageBoxes, form12.Timer1, view_) {
    form12.Label5.Click = [this] { companion_.Label5_Click(); };
    form12.Label6.Click = [this] { companion_.Label6_Click(); };
    form12.Label7.Click = [&form12] { form12.Minimize(); };
    // The drag's move loop returns once the button is released; only then is it made topmost.
    form12.Form_MouseDown = [&form12] {
        form12.DragWindow();
        form12.StayOnTop();
    };
    form12.Form_Unload = [this] { companion_.Form_Unload(); };
    form12.Timer1.Tick = [this] { companion_.Timer1_Timer(); };
    // Timer2, the chat status poster, is not offered: it stays off and unwired.
}

}  // namespace snoozr::ui
