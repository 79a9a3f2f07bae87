#include "Figures.h"

#include <optional>
#include <vector>

namespace snoozr::reliability {

namespace {

using Counter = ui::test::CounterPicture::Counter;

// The caption among `first`, then 0..last, whose painting matches the label on screen.
std::optional<std::uint64_t> Shown(ui::test::CounterPicture& picture, HWND main, Counter counter,
                                   std::uint64_t first, std::uint64_t last) {
    const std::vector<COLORREF> onScreen = picture.CounterOf(main, counter);
    if (picture.CounterShowing(counter, std::to_string(first)) == onScreen)
        return first;
    for (std::uint64_t value = 0; value <= last; ++value) {
        if (value != first && picture.CounterShowing(counter, std::to_string(value)) == onScreen)
            return value;
    }
    return std::nullopt;
}

}  // namespace

wine::ProcessFigures ReadFigures(DWORD processId) {
    const HANDLE process =
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (process == nullptr)
        return {};
    const wine::ProcessFigures figures = wine::ReadProcessFigures(process);
    CloseHandle(process);
    return figures;
}

ShownCounters ReadCounters(ui::test::CounterPicture& picture, HWND main,
                           std::uint64_t expectedMinutes, std::uint64_t mostDays) {
    using ui::Form1;
    const auto minutes = Shown(picture, main, &Form1::Label1, expectedMinutes % 60, 59);
    const auto hours = Shown(picture, main, &Form1::Label3, expectedMinutes / 60 % 24, 23);
    const auto days = Shown(picture, main, &Form1::Label12, expectedMinutes / 1440, mostDays);
    ShownCounters shown;
    shown.read = minutes && hours && days;
    shown.minutes = minutes.value_or(0);
    shown.hours = hours.value_or(0);
    shown.days = days.value_or(0);
    return shown;
}

}  // namespace snoozr::reliability
