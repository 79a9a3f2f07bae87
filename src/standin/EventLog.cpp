#include "EventLog.h"

namespace standin {

EventLog::EventLog(const std::string& path) {
    if (!path.empty())
        file_.reset(std::fopen(path.c_str(), "ab"));
}

void EventLog::Write(std::string_view event, std::string_view where, std::string_view bytes) {
    if (!file_)
        return;
    std::string line;
    line.append(event).append("\t").append(where).append("\t").append(bytes).append("\n");
    std::fwrite(line.data(), 1, line.size(), file_.get());
    std::fflush(file_.get());
}

}  // namespace standin
