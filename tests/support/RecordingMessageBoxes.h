#pragma once
// Message boxes for tests: records every box shown and answers from a script (OK, or the
// next scripted answer).

#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "client/MessageBoxService.h"

namespace snoozr::test {

struct ShownBox {
    std::string text;
    std::string caption;
    unsigned style;

    bool operator==(const ShownBox&) const = default;
};

// Boxes print by their three fields, so whole lists of them can be expected.
inline void PrintTo(const ShownBox& box, std::ostream* out) {
    *out << '[' << box.caption << "] \"" << box.text << "\" style " << box.style;
}

class RecordingMessageBoxes : public MessageBoxService {
  public:
    void Answer(int answer) { answers_.push_back(answer); }
    const std::vector<ShownBox>& Shown() const { return shown_; }

    int Show(std::string_view text, std::string_view caption, unsigned style) override {
        shown_.push_back({std::string(text), std::string(caption), style});
        if (answers_.empty())
            return (style & 0xF) == mb::kYesNo ? mb::kAnswerNo : mb::kAnswerOk;
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

  private:
    std::deque<int> answers_;
    std::vector<ShownBox> shown_;
};

}  // namespace snoozr::test
