#pragma once
// The stand-in's record of what it received: one line per event, fields separated by tabs, the
// last field the raw bytes as received (code page 1252). Flushed at once, so a test can read it
// while the stand-in runs.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace standin {

class EventLog {
  public:
    explicit EventLog(const std::string& path);
    void Write(std::string_view event, std::string_view where, std::string_view bytes);

  private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
};

}  // namespace standin
