#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "client/ClientLink.h"

namespace snoozr {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class SaveTextBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder =
            std::filesystem::temp_directory_path() /
            ("snoozr-save-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
};

TEST_F(SaveTextBoxTest, WritesTextAndOneLineEnd) {
    const struct {
        const char* name;
        std::vector<std::string> writes;
        std::string expected;
    } cases[] = {
        {"a digit", {"0"}, "0\r\n"},
        {"nothing", {""}, "\r\n"},
        {"emptied, not appended to", {"first, longer text", "2"}, "2\r\n"},
        {"bytes pass unchanged", {"\xBA\xB0\x91"}, "\xBA\xB0\x91\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = folder / "UpLog";
        for (const auto& text : c.writes)
            ClientLink::SaveTextBox(text, path.string());
        EXPECT_EQ(ReadAll(path), c.expected);
        std::filesystem::remove(path);
    }
}

TEST_F(SaveTextBoxTest, MissingFolderIsSwallowed) {
    const auto path = folder / "no such folder" / "UpLog";
    EXPECT_NO_THROW(ClientLink::SaveTextBox("0", path.string()));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(std::filesystem::exists(path.parent_path()));
}

}  // namespace
}  // namespace snoozr
