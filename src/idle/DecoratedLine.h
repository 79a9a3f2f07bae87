#pragma once
// A decorated line: front decoration, body, end decoration, joined as they are. Every blank of
// an announcement comes from a literal or from the user's own texts, so nothing is trimmed.

#include <string>
#include <string_view>

namespace snoozr::idle {

inline std::string DecoratedLine(std::string_view front, std::string_view body,
                                 std::string_view end) {
    std::string line;
    line.reserve(front.size() + body.size() + end.size());
    line.append(front).append(body).append(end);
    return line;
}

}  // namespace snoozr::idle
