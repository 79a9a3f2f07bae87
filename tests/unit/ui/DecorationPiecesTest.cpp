// The decoration editor's preset texts: counts, every piece's length (a misread escape joins or
// drops bytes) and the exact bytes of the entries that are easy to get wrong.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/layout/DecorationPieces.h"

namespace snoozr::ui::layout {
namespace {

std::string Bytes(std::initializer_list<unsigned char> bytes) {
    return std::string(bytes.begin(), bytes.end());
}

TEST(DecorationPiecesTest, EveryPieceHasItsLength) {
    const std::vector<std::size_t> lengths{14, 20, 20, 11, 9,  5,  13, 10, 12, 12, 10, 9, 12, 9, 8,
                                           10, 17, 12, 7,  24, 12, 12, 3,  7,  8,  8,  7, 9,  6, 5};
    ASSERT_EQ(kDecorationPieces.size(), lengths.size());
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        SCOPED_TRACE("piece " + std::to_string(i + 1));
        EXPECT_EQ(kDecorationPieces[i].size(), lengths[i]);
    }
}

TEST(DecorationPiecesTest, PiecesHoldTheirExactBytes) {
    struct Case {
        int number;
        std::string bytes;
    };
    const Case cases[] = {
        {1, Bytes({0xBA, 0xB0, 0x91, 0xA8, 0xA8, 0x60, 0x2D, 0x2E, 0x2D, 0x5E, 0x76, 0x5E, 0x2D,
                   0x3E})},
        // A no-break space first, then an ordinary blank on each side of the division sign.
        {11, Bytes({0xA0, 0x95, 0xB7, 0xB7, 0x20, 0xF7, 0x20, 0xB7, 0xB7, 0x95})},
        // Two ordinary blanks after the first bullet.
        {13, Bytes({0x95, 0x20, 0x20, 0x95, 0x20, 0x95, 0xA4, 0x5E, 0x76, 0x5E, 0x28, 0x95})},
        {14, Bytes({0x95, 0xB7, 0xB7, 0x20, 0xF7, 0x20, 0xB7, 0xB7, 0x95})},
        {28, Bytes({0x95, 0xB7, 0x88, 0x5C, 0x2E, 0xB7, 0x88, 0xB7, 0x95})},
        {30, Bytes({0xB7, 0xF7, 0xB1, 0xA6, 0x5B})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("piece " + std::to_string(c.number));
        EXPECT_EQ(kDecorationPieces[c.number - 1], c.bytes);
    }
}

TEST(DecorationPiecesTest, CharactersAreTwelveSingleBytesInOrder) {
    const std::string expected =
        Bytes({0xBF, 0xE2, 0xE5, 0xE4, 0x62, 0xE7, 0x64, 0xEB, 0xEA, 0xE9, 0xEE, 0xD8});
    ASSERT_EQ(kDecorationCharacters.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("character " + std::to_string(i + 1));
        EXPECT_EQ(kDecorationCharacters[i], std::string(1, expected[i]));
    }
}

TEST(DecorationPiecesTest, ExampleComposesFromPiece23Character2Piece24) {
    const std::string composed = std::string(kDecorationPieces[22]) +
                                 std::string(kDecorationCharacters[1]) +
                                 std::string(kDecorationPieces[23]);
    EXPECT_EQ(composed, Bytes({0xB7, 0x95, 0xB7, 0xE2, 0x95, 0x2D, 0x5E, 0x76, 0x5E, 0x2D, 0x95}));
}

}  // namespace
}  // namespace snoozr::ui::layout
