// The settings file: every way it can be found on disk, and what is written back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "SettingsFile.h"

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        Path = (std::filesystem::temp_directory_path() /
                ("varnexa_settings_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".Cfg"))
                   .string();
        std::filesystem::remove(Path);
    }
    void TearDown() override { std::filesystem::remove(Path); }

    void WriteFile(const std::string& content) {
        std::ofstream f(Path, std::ios::binary);
        f << content;
    }
    std::string ReadFile() const {
        std::ifstream f(Path, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }

    std::string Path;
};

TEST_F(SettingsFileTest, ContentsAndTheSettingsTheyGive) {
    struct Case {
        const char* Content;
        int32_t Steam;
        int32_t Units;
    };
    const Case cases[] = {
        {"0\r\n1\r\n", 0, 1},
        {"0\n1\n", 0, 1},                 // LF-only lines
        {"0\n1", 0, 1},                   // no final line end
        {"", 0, 0},                       // the end of the file reads as 0
        {"1\r\n", 1, 0},
        {"  \t\r\n 0 trailing words\r\n\r\n  1 more", 0, 1},  // blanks and rests of lines
        {"0\r\nx\r\n", 1, 0},             // a second value that is not a number: both defaults
        {"abc\r\n1\r\n", 1, 0},
        {"1\r\n7\r\n", 1, 7},
        {"-3\r\n+2\r\n", -3, 2},
        {"1.5\r\n0\r\n", 1, 0},
        {"+\r\n0\r\n", 1, 0},
        {"1\r\n2147483648\r\n", 1, 0},    // outside a 32-bit integer
        {"1\r\n-2147483648\r\n", 1, -2147483648},
        // At most 32 characters form the number; the 33rd starts nothing new on that line.
        {"00000000000000000000000000000001X\r\n5\r\n", 1, 5},
        {"0000000000000000000000000000000X1\r\n5\r\n", 1, 0},
    };
    for (const auto& c : cases) {
        WriteFile(c.Content);
        const TKXSettings s = ReadSettings(Path);
        EXPECT_EQ(s.SteamSelector, c.Steam) << "content: " << c.Content;
        EXPECT_EQ(s.UnitSystem, c.Units) << "content: " << c.Content;
    }
}

TEST_F(SettingsFileTest, AMissingFileGivesTheDefaults) {
    const TKXSettings s = ReadSettings(Path);
    EXPECT_EQ(s.SteamSelector, 1);
    EXPECT_EQ(s.UnitSystem, 0);
}

TEST_F(SettingsFileTest, WritesTwoCrLfLinesAndReadsThemBack) {
    ASSERT_TRUE(WriteSettings(Path, TKXSettings{1, 0}));
    EXPECT_EQ(ReadFile(), "1\r\n0\r\n");
    ASSERT_TRUE(WriteSettings(Path, TKXSettings{-7, 12}));
    EXPECT_EQ(ReadFile(), "-7\r\n12\r\n");
    const TKXSettings s = ReadSettings(Path);
    EXPECT_EQ(s.SteamSelector, -7);
    EXPECT_EQ(s.UnitSystem, 12);
}

TEST_F(SettingsFileTest, AWriteFailureIsReportedNotThrown) {
    EXPECT_FALSE(WriteSettings("/nonexistent-folder/Varnexa.Cfg", TKXSettings{}));
}

TEST(SettingsPath, IsNextToTheExecutable) {
    const std::filesystem::path path = DefaultSettingsPath();
    EXPECT_EQ(path.filename(), "Varnexa.Cfg");
    EXPECT_EQ(path.parent_path(), std::filesystem::read_symlink("/proc/self/exe").parent_path());
}

}  // namespace
