#pragma once

#include "client/MessageBoxService.h"

namespace snoozr {

// Modal message boxes owned by the program's active window, so they stay in front of the
// program's topmost windows.
class Win32MessageBoxes : public MessageBoxService {
  public:
    int Show(std::string_view text, std::string_view caption, unsigned style) override;
};

}  // namespace snoozr
