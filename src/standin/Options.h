#pragma once
// Command-line options of the stand-in client.

#include <string>

namespace standin {

struct Options {
    std::string logPath;  // --log PATH: every event appended as one line of raw bytes
    int rooms = 1;        // --rooms N: chat rooms opened at start ("Lobby 1" ... "Lobby N")
    int frontRoom = 0;    // --front K: room K (1-based) brought to the front after opening
    int freezeMs = 0;     // --freeze-on-chat MS: the first line typed into a room hangs the
                          // client for that long (a hung client, for tests)
};

// Parses the command line; unknown words are ignored so older tests keep running.
Options ParseOptions(const std::string& commandLine);

}  // namespace standin
