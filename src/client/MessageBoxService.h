#pragma once
// Modal message boxes, as a small interface so that handlers can be tested without windows.

#include <string_view>

namespace snoozr {

// Styles and answers, with their Windows values.
namespace mb {
constexpr unsigned kOk = 0x0;
constexpr unsigned kYesNo = 0x4;
constexpr unsigned kIconStop = 0x10;
constexpr int kAnswerOk = 1;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;
}  // namespace mb

// The caption of every message box without a title of its own.
constexpr std::string_view kAppTitle = "Snoozr 2.5";

class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;
    // Shows a modal box and returns the answer (mb::kAnswer...).
    virtual int Show(std::string_view text, std::string_view caption, unsigned style) = 0;
};

}  // namespace snoozr
