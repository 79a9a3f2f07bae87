#pragma once
// What the upload companion window Form12 shows: its text controls, its progress bar, and
// the end of the program, which closing this window brings.

#include <cstdint>
#include <string>
#include <string_view>

namespace snoozr::upload {

enum class CompanionControl {
    Label1,  // file line
    Label2,  // minutes line
    Label3,  // percent line
    Label4,  // the last percentage as a bare number (not visible)
    Label5,  // the START/STOP control
    Text1,   // the upload count (not visible)
};

class CompanionView {
  public:
    virtual ~CompanionView() = default;

    virtual std::string Text(CompanionControl control) const = 0;
    virtual void SetText(CompanionControl control, std::string_view text) = 0;

    // DogBar1's value, a 16-bit integer that reads back as the value last set.
    virtual std::int16_t BarValue() const = 0;
    virtual void SetBarValue(std::int16_t value) = 0;

    // Ends the program at once: every window closes without its own closing handling.
    virtual void EndProgram() = 0;
};

}  // namespace snoozr::upload
