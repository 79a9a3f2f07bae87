#include "Options.h"

#include <sstream>
#include <vector>

namespace standin {

std::vector<std::string> CommandWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool any = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (any)
                words.push_back(word);
            word.clear();
            any = false;
        } else {
            word += c;
            any = true;
        }
    }
    if (any)
        words.push_back(word);
    return words;
}

namespace {

int Number(const std::string& text, int fallback) {
    try {
        return std::stoi(text);
    } catch (...) {
        return fallback;
    }
}

}  // namespace

Options ParseOptions(const std::string& commandLine) {
    Options options;
    const auto words = CommandWords(commandLine);
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        const std::string& name = words[i];
        const std::string& value = words[i + 1];
        if (name == "--log") {
            options.logPath = value;
        } else if (name == "--rooms") {
            options.rooms = Number(value, options.rooms);
        } else if (name == "--front") {
            options.frontRoom = Number(value, options.frontRoom);
        } else if (name == "--freeze-on-chat") {
            options.freezeMs = Number(value, options.freezeMs);
        } else if (name == "--im-reply") {
            options.imReply = value == "msgbox" ? ImReply::kMessageBox : ImReply::kSend;
        } else if (name == "--im-delay") {
            options.imDelayMs = Number(value, options.imDelayMs);
        } else if (name == "--im-icons-slowly") {
            options.imIconsSlowlyMs = Number(value, options.imIconsSlowlyMs);
        } else if (name == "--upload") {
            options.uploadName = value;
        } else if (name == "--upload-seconds") {
            options.uploadSeconds = Number(value, options.uploadSeconds);
        } else {
            continue;
        }
        ++i;
    }
    for (const auto& word : words) {
        if (word == "--upload-close-at-once")
            options.uploadCloseAtOnce = true;
        if (word == "--no-im")
            options.noIm = true;
    }
    options.hostile = ParseHostileOptions(words);
    return options;
}

}  // namespace standin
