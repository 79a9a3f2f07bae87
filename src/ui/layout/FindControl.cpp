#include "ui/layout/Layouts.h"

namespace snoozr::ui::layout {

const ControlLayout* FindControl(const WindowLayout& window, std::string_view name) {
    for (const ControlLayout* control : window.controls) {
        if (control->name == name)
            return control;
    }
    return nullptr;
}

}  // namespace snoozr::ui::layout
