#include "HostileOptions.h"

#include <iterator>

namespace standin {

namespace {

constexpr struct {
    const char* name;
    Hostility behaviour;
} kNames[] = {
    {"rooms", kChurnRooms},      {"input", kVanishingInput}, {"texts", kLyingTexts},
    {"upload", kRestlessUpload}, {"im", kNoSendIcon},        {"msgbox", kButtonlessBox},
    {"freeze", kFreezes},
};

unsigned BehavioursNamed(const std::string& list) {
    unsigned behaviours = 0;
    std::size_t from = 0;
    while (from <= list.size()) {
        const std::size_t comma = std::min(list.find(',', from), list.size());
        const std::string name = list.substr(from, comma - from);
        for (const auto& known : kNames) {
            if (name == known.name)
                behaviours |= known.behaviour;
        }
        from = comma + 1;
    }
    return behaviours;
}

bool ReadNumber(const std::string& text, unsigned long& value) {
    try {
        std::size_t used = 0;
        value = std::stoul(text, &used);
        return used == text.size();
    } catch (...) {
        return false;
    }
}

}  // namespace

HostileOptions ParseHostileOptions(const std::vector<std::string>& words) {
    HostileOptions options;
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        const std::string& name = words[i];
        const std::string& value = words[i + 1];
        unsigned long number = 0;
        if (name == "--hostile" && ReadNumber(value, number)) {
            options.on = true;
            options.schedule = static_cast<unsigned>(number);
        } else if (name == "--hostile-only") {
            options.behaviours = BehavioursNamed(value);
        } else if (name == "--hostile-freeze-max" && ReadNumber(value, number)) {
            options.maxFreezeMs = static_cast<int>(number);
        } else if (name == "--hostile-freeze-gap" && ReadNumber(value, number) && number > 0) {
            options.meanFreezeGapMs = static_cast<int>(number);
        }
    }
    return options;
}

std::string HostilityNames(unsigned behaviours) {
    std::string names;
    for (const auto& known : kNames) {
        if ((behaviours & known.behaviour) == 0)
            continue;
        if (!names.empty())
            names += ",";
        names += known.name;
    }
    return names;
}

}  // namespace standin
