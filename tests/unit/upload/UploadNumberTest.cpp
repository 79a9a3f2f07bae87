#include <gtest/gtest.h>

#include "upload/UploadNumber.h"

namespace snoozr::upload {
namespace {

using namespace std::string_literals;

TEST(UploadNumberTest, NumbersAndTheBarValueTheyGive) {
    const struct {
        std::string text;
        int bar;  // -1: not a number
    } cases[] = {
        {"43", 43},
        {"0", 0},
        {"100", 100},
        {"  43  ", 43},
        {"+7", 7},
        {"007", 7},
        {"-3", 0},
        {"-0.4", 0},
        {"99.5", 100},  // halves to even
        {"98.5", 98},
        {"0.5", 0},
        {"1.5", 2},
        {"42.51", 43},
        {"42.50000000000000000001", 43},  // above the half, beyond a double's digits
        {"99.49999999999999999999", 99},
        {"100.4", 100},
        {"250", 100},
        {"99999999999999999999999", 100},
        {"0000000000000000000042", 42},
        {"", -1},
        {"na", -1},
        {"   ", -1},
        {"+", -1},
        {"4 3", -1},
        {"- 3", -1},
        {"1e3", -1},
        {".5", -1},
        {"5.", -1},
        {"5..0", -1},
        {"\t43", -1},
        {"43%", -1},
        {"43\0"s, -1},
        {"4\0"s
         "3",
         -1},
        {"\xBD", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.text));
        const auto bar = BarValueOf(c.text);
        EXPECT_EQ(IsUploadNumber(c.text), c.bar >= 0);
        EXPECT_EQ(bar ? int{*bar} : -1, c.bar);
    }
}

}  // namespace
}  // namespace snoozr::upload
