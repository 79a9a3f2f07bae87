#pragma once
// The stand-in as a hostile client: what it does to the program beside it, chosen by a numbered
// random schedule so that a run can be repeated. Off unless --hostile N is given.

#include <string>
#include <vector>

namespace standin {

// One bit per behaviour; --hostile-only names them, comma-separated.
enum Hostility : unsigned {
    kChurnRooms = 1u << 0,      // "rooms": rooms open, close and change z-order all the time
    kVanishingInput = 1u << 1,  // "input": a room's input box goes away while being typed into
    kLyingTexts = 1u << 2,      // "texts": huge reported lengths (up to 2^31), 1 MB texts
    kRestlessUpload = 1u << 3,  // "upload": the caption changes on every read, closes at random
    kNoSendIcon = 1u << 4,      // "im": some IM windows never get their ninth icon
    kButtonlessBox = 1u << 5,   // "msgbox": the IM reply box "America Online" has no button
    kFreezes = 1u << 6,         // "freeze": the client stops answering, its thread busy
    kAllHostility = (1u << 7) - 1,
};

struct HostileOptions {
    bool on = false;                      // --hostile N
    unsigned schedule = 0;                // N, the schedule's number
    unsigned behaviours = kAllHostility;  // --hostile-only rooms,input,...
    int maxFreezeMs = 10000;              // --hostile-freeze-max MS: the longest freeze
    int meanFreezeGapMs = 20000;          // --hostile-freeze-gap MS: the mean time between freezes

    bool Has(Hostility behaviour) const { return on && (behaviours & behaviour) != 0; }
};

// Reads the --hostile options out of the command line's words; the others are left alone.
HostileOptions ParseHostileOptions(const std::vector<std::string>& words);

// The names of the behaviours chosen, comma-separated, for the event log.
std::string HostilityNames(unsigned behaviours);

}  // namespace standin
