#include "ui/layout/LabelWrap.h"

#include <algorithm>

namespace snoozr::ui::layout {

namespace {

constexpr std::string_view kBreaks = "\r\n";
constexpr std::string_view kLineEnd = "\r\n";

// One paragraph, a text without line breaks; its trailing blanks are dropped.
void WrapParagraph(std::string_view paragraph, int width, const MeasureText& measure,
                   std::string& out) {
    std::size_t lineStart = 0;  // the first line keeps the paragraph's leading blanks
    std::size_t lineEnd = 0;    // after the line's last word; no word yet while at lineStart
    std::size_t word = paragraph.find_first_not_of(' ');
    while (word != std::string_view::npos) {
        const std::size_t wordEnd = std::min(paragraph.find(' ', word), paragraph.size());
        if (lineEnd > lineStart &&
            measure(paragraph.substr(lineStart, wordEnd - lineStart)) > width) {
            out.append(paragraph.substr(lineStart, lineEnd - lineStart)).append(kLineEnd);
            lineStart = word;
        }
        lineEnd = wordEnd;
        word = paragraph.find_first_not_of(' ', wordEnd);
    }
    out.append(paragraph.substr(lineStart, lineEnd - lineStart));
}

}  // namespace

std::string WrapLabelText(std::string_view text, int width, const MeasureText& measure) {
    std::string out;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of(kBreaks), text.size());
        WrapParagraph(text.substr(0, end), width, measure, out);
        if (end < text.size())
            out.push_back(text[end]);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return out;
}

}  // namespace snoozr::ui::layout
