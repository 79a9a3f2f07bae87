// The decoration editor's pieces. Piece 11 starts with a no-break space (A0), not a blank.

#include "ui/layout/DecorationPieces.h"

namespace snoozr::ui::layout {

const std::array<std::string_view, 30> kDecorationPieces{
    "\xBA\xB0\x91\xA8\xA8`-.-^v^->",                    // 1
    ",.-~*'\xA8\xAF\xA8\x98'*\xB7~-.\xB8-(_",           // 2
    "\xAF\xA8\x98'*\xB7~-.\xB8\xB8,.-~*'\xA8-(",        // 3
    "\x95\xB7\xB7^v\xB4\xAF`\xD7)\x95",                 // 4
    "\x95^v\xB4\xAF`\xB7\x88)",                         // 5
    "O\xBA\xB0\x91\xA8",                                // 6
    "\xAB\xD7\x95\xB4\xAF\xAF`\xB7\x96\xB7\xB4|[",      // 7
    "\xD7\xBA\xB0\x94\x98`\x94\xB0\xBA\xD7",            // 8
    "\xD7\xF7\xB7.\xB7\xB4\xAF`\xB7\x95)\xBB",          // 9
    "\x95\x96\xB7\xB4\xAF`\xB7._.\xB7\x95",             // 10
    "\xA0\x95\xB7\xB7 \xF7 \xB7\xB7\x95",               // 11
    "\xB4\xAF\xAF`\xB7^--[",                            // 12
    "\x95  \x95 \x95\xA4^v^(\x95",                      // 13
    "\x95\xB7\xB7 \xF7 \xB7\xB7\x95",                   // 14
    "\xAF`\xB7._.\xB7\x95",                             // 15
    "(\xAF`\xB7\x95(_.\xB7\x95",                        // 16
    "`\xB7.\xB8\xB8.\xB7\xB4\xB4\xAF`\xB7\xB7._.\xB7",  // 17
    "\x94\x98`\xB4\xAF\xAF\xAF`\xB7._)",                // 18
    "(\xAF`\xB7._)",                                    // 19
    "^v^v^v^v^v^v^v^v^v^v^v-{",                         // 20
    "\x95v^v^v\xB7\xB4`\xB7|[",                         // 21
    "\xBA\xB0\x91\xA8\xA8'-._.->",                      // 22
    "\xB7\x95\xB7",                                     // 23
    "\x95-^v^-\x95",                                    // 24
    "- ----\x95[",                                      // 25
    "]\x95---- -",                                      // 26
    ",.\xB7\xB4`\xB7\xB4",                              // 27
    "\x95\xB7\x88\\.\xB7\x88\xB7\x95",                  // 28
    "\x95\xB7\xB7\x95\x88)",                            // 29
    "\xB7\xF7\xB1\xA6[",                                // 30
};

const std::array<std::string_view, 12> kDecorationCharacters{
    "\xBF", "\xE2", "\xE5", "\xE4", "b", "\xE7", "d", "\xEB", "\xEA", "\xE9", "\xEE", "\xD8",
};

}  // namespace snoozr::ui::layout
