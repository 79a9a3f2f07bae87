#pragma once
// The upload companion window Form12 wired to its behaviour: the companion's view and poll
// timer over Form12's controls, its events handed to the companion, and the menu's UPCHAT.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "client/ClientLink.h"
#include "client/MessageBoxService.h"
#include "ui/win32/Shell.h"
#include "upload/CompanionView.h"
#include "upload/PollTimer.h"
#include "upload/UploadCompanion.h"

namespace snoozr::ui {

// Form12's lines, its hidden holders, DogBar1 and the end of the program.
class Form12View : public upload::CompanionView {
  public:
    explicit Form12View(Shell& shell) : shell_(shell) {}

    std::string Text(upload::CompanionControl control) const override;
    void SetText(upload::CompanionControl control, std::string_view text) override;
    std::int16_t BarValue() const override;
    void SetBarValue(std::int16_t value) override;
    void EndProgram() override { shell_.EndProgram(); }

  private:
    Label* LabelFor(upload::CompanionControl control) const;

    Shell& shell_;
};

// Form12's Timer1, the 200 ms progress poll.
class Form12Poll : public upload::PollTimer {
  public:
    explicit Form12Poll(Timer& timer1) : timer1_(timer1) {}
    void Enable() override { timer1_.Enable(); }
    void Disable() override { timer1_.Disable(); }
    bool IsEnabled() const override { return timer1_.IsEnabled(); }

  private:
    Timer& timer1_;
};

// Lives for the whole run: Form12's events call into it.
class UploadWiring {
  public:
    UploadWiring(Shell& shell, ClientLink& link, MessageBoxService& messageBoxes);
    UploadWiring(const UploadWiring&) = delete;
    UploadWiring& operator=(const UploadWiring&) = delete;

  private:
    Form12View view_;
    Form12Poll timer1_;
    upload::UploadCompanion companion_;
};

// Wires Form12 and the UPCHAT item; the result must outlive the program's main loop.
std::unique_ptr<UploadWiring> WireUpload(Shell& shell, ClientLink& link,
                                         MessageBoxService& messageBoxes);

}  // namespace snoozr::ui
