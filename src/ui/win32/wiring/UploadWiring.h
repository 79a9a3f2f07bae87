#pragma once
// The upload companion window Form12 wired to its behaviour: the companion's view over
// Form12's controls, its poll on Form12's Timer1, and Form12's events handed to it.

#include <cstdint>
#include <string>
#include <string_view>

#include "client/ClientLink.h"
#include "client/MessageBoxService.h"
#include "ui/win32/Navigator.h"
#include "ui/win32/forms/Form12.h"
#include "upload/CompanionView.h"
#include "upload/UploadCompanion.h"

namespace snoozr::ui {

// Form12's lines, its hidden holders, DogBar1 and the end of the program.
class Form12View : public upload::CompanionView {
  public:
    Form12View(Form12& form, Navigator& navigator) : form_(form), navigator_(navigator) {}

    std::string Text(upload::CompanionControl control) const override;
    void SetText(upload::CompanionControl control, std::string_view text) override;
    std::int16_t BarValue() const override;
    void SetBarValue(std::int16_t value) override;
    void EndProgram() override { navigator_.EndProgram(); }

  private:
    Label* LabelFor(upload::CompanionControl control) const;

    Form12& form_;
    Navigator& navigator_;
};

// Lives for the whole run: Form12's events call into it.
class UploadWiring {
  public:
    UploadWiring(Form12& form12, Navigator& navigator, ClientLink& link,
                 MessageBoxService& messageBoxes);
    UploadWiring(const UploadWiring&) = delete;
    UploadWiring& operator=(const UploadWiring&) = delete;

  private:
    Form12View view_;
    upload::UploadCompanion companion_;
};

}  // namespace snoozr::ui
