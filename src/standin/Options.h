#pragma once
// Command-line options of the stand-in client.

#include <string>
#include <vector>

#include "HostileOptions.h"

namespace standin {

// What a click on an IM window's Send button does.
enum class ImReply {
    kSend,        // the IM goes out and its window closes
    kMessageBox,  // the client answers with its message box instead; the window stays open
};

struct Options {
    std::string logPath;  // --log PATH: every event appended as one line of raw bytes
    int rooms = 1;        // --rooms N: chat rooms opened at start ("Lobby 1" ... "Lobby N")
    int frontRoom = 0;    // --front K: room K (1-based) brought to the front after opening
    int freezeMs = 0;     // --freeze-on-chat MS: the first line typed into a room hangs the
                          // client for that long (a hung client, for tests)

    ImReply imReply = ImReply::kSend;  // --im-reply send|msgbox
    int imDelayMs = 0;        // --im-delay MS: an IM window opens that long after its keyword
    int imIconsSlowlyMs = 0;  // --im-icons-slowly MS: an IM window's icons come one at a time,
                              // that long apart (a window still being built)
    bool noIm = false;        // --no-im: the IM keyword opens nothing (an unanswering client)

    std::string uploadName;          // --upload NAME: an upload of that file starts at start-up
    int uploadSeconds = 10;          // --upload-seconds S: how long it takes to reach 100 %
    bool uploadCloseAtOnce = false;  // --upload-close-at-once: no pause at 100 % before closing

    HostileOptions hostile;  // --hostile N and its companions (HostileOptions.h)
};

// The command line's words: split on blanks, a word in double quotes may hold blanks.
std::vector<std::string> CommandWords(const std::string& commandLine);

// Parses the command line; unknown words are ignored so older tests keep running.
Options ParseOptions(const std::string& commandLine);

}  // namespace standin
