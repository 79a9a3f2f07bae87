#pragma once
// Stand-ins for the companion window's poll timer and controls.

#include <map>

#include "support/OnOffTimer.h"
#include "upload/CompanionView.h"
#include "upload/PollTimer.h"

namespace snoozr::upload::test {

using FakePollTimer = snoozr::test::OnOffTimer<PollTimer>;

// Opens with Form12's layout contents.
class FakeCompanionView : public CompanionView {
  public:
    std::string Text(CompanionControl control) const override { return texts_.at(control); }
    void SetText(CompanionControl control, std::string_view text) override {
        texts_[control] = std::string(text);
    }
    std::int16_t BarValue() const override { return bar_; }
    void SetBarValue(std::int16_t value) override { bar_ = value; }
    void EndProgram() override { ++programEnds_; }

    int ProgramEnds() const { return programEnds_; }

  private:
    std::map<CompanionControl, std::string> texts_ = {
        {CompanionControl::Label1, "File:"}, {CompanionControl::Label2, "Minutes Left: "},
        {CompanionControl::Label3, "%"},     {CompanionControl::Label4, "0"},
        {CompanionControl::Label5, "START"}, {CompanionControl::Text1, "0"},
    };
    std::int16_t bar_ = 0;
    int programEnds_ = 0;
};

}  // namespace snoozr::upload::test
