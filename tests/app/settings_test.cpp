// The settings file: every way it can be found on disk, and what is written back.
#include <errno.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <string>

#include "SettingsFile.h"

namespace {

namespace fs = std::filesystem;

// Each test works in a folder of its own, removed afterwards.
class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "varnexa_settings_XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        Folder = pattern;
        Path = (Folder / "Varnexa.Cfg").string();
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(Folder, ignored);
    }

    void WriteFile(const std::string& content, const std::string& path = "") const {
        std::ofstream f(path.empty() ? Path : path, std::ios::binary);
        f << content;
    }
    static std::string ReadFile(const std::string& path) {
        std::ifstream f(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    std::string ReadFile() const { return ReadFile(Path); }

    fs::path Folder;
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
        {"0\n1\n", 0, 1},  // LF-only lines
        {"0\n1", 0, 1},    // no final line end
        {"", 0, 0},        // the end of the file reads as 0
        {"1\r\n", 1, 0},
        {"  \t\r\n 0 trailing words\r\n\r\n  1 more", 0, 1},  // blanks and rests of lines
        {"0\r\nx\r\n", 1, 0},  // a second value that is not a number: both defaults
        {"abc\r\n1\r\n", 1, 0},
        {"1\r\n7\r\n", 1, 7},
        {"-3\r\n+2\r\n", -3, 2},
        {"1.5\r\n0\r\n", 1, 0},
        {"+\r\n0\r\n", 1, 0},
        {"1\r\n2147483648\r\n", 1, 0},  // outside a 32-bit integer
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
    EXPECT_FALSE(
        WriteSettings((Folder / "no such folder" / "Varnexa.Cfg").string(), TKXSettings{}));
}

// Runs call on its own thread and waits at most a few seconds. A call stuck opening a named
// pipe is released by opening the pipe from this side, so a failing test does not hang.
template <class TCall>
bool FinishesPromptly(TCall call, const std::string& fifo) {
    auto done = std::async(std::launch::async, call);
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) return true;
    for (const int mode : {O_WRONLY | O_NONBLOCK, O_RDONLY | O_NONBLOCK}) {
        const int fd = ::open(fifo.c_str(), mode);
        if (fd >= 0) ::close(fd);
    }
    done.wait();
    return false;
}

TEST_F(SettingsFileTest, SomethingOtherThanAFileGivesTheDefaultsAndIsNotWrittenOver) {
    // A folder of that name: reading it fails inside the stream.
    ASSERT_TRUE(fs::create_directory(Path));
    TKXSettings s{5, 5};
    EXPECT_NO_THROW(s = ReadSettings(Path));
    EXPECT_EQ(s.SteamSelector, 1);
    EXPECT_EQ(s.UnitSystem, 0);
    EXPECT_FALSE(WriteSettings(Path, TKXSettings{0, 1}));
    EXPECT_TRUE(fs::is_directory(Path));
    fs::remove(Path);

    // A named pipe: opening it would wait for a writer (or, to write, for a reader).
    ASSERT_EQ(::mkfifo(Path.c_str(), 0600), 0);
    s = TKXSettings{5, 5};
    EXPECT_TRUE(FinishesPromptly([&] { s = ReadSettings(Path); }, Path));
    EXPECT_EQ(s.SteamSelector, 1);
    EXPECT_EQ(s.UnitSystem, 0);
    bool written = true;
    std::signal(SIGPIPE, SIG_IGN);  // a write released by closing the pipe must not end the test
    EXPECT_TRUE(FinishesPromptly([&] { written = WriteSettings(Path, TKXSettings{0, 1}); }, Path));
    EXPECT_FALSE(written);
    EXPECT_TRUE(fs::is_fifo(Path));
}

TEST_F(SettingsFileTest, WritingReplacesTheFileWholeAndLeavesNothingElse) {
    WriteFile("1\r\n0\r\n");
    // A second name of the old file keeps the old text: the new text went into a new file that
    // took the name, the old one was never truncated and rewritten in place.
    const fs::path second = Folder / "second name";
    fs::create_hard_link(Path, second);
    ASSERT_TRUE(WriteSettings(Path, TKXSettings{0, 1}));
    EXPECT_EQ(ReadFile(), "0\r\n1\r\n");
    EXPECT_EQ(ReadFile(second.string()), "1\r\n0\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder), fs::directory_iterator()), 2);
}

TEST_F(SettingsFileTest, ThroughASymbolicLinkTheFileItPointsToIsReplaced) {
    fs::create_directory(Folder / "real");
    const fs::path real = Folder / "real" / "settings.txt";
    WriteFile("1\r\n0\r\n", real.string());
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(fs::path("real") / "settings.txt", Path);
    EXPECT_EQ(ReadSettings(Path).SteamSelector, 1);
    ASSERT_TRUE(WriteSettings(Path, TKXSettings{0, 1}));
    EXPECT_TRUE(fs::is_symlink(Path));
    EXPECT_EQ(ReadFile(real.string()), "0\r\n1\r\n");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    const TKXSettings s = ReadSettings(Path);
    EXPECT_EQ(s.SteamSelector, 0);
    EXPECT_EQ(s.UnitSystem, 1);
}

TEST(SettingsPath, IsNextToTheExecutable) {
    const fs::path path = DefaultSettingsPath();
    EXPECT_EQ(path.filename(), "Varnexa.Cfg");
    // The folder holds the program that is running: this test.
    EXPECT_TRUE(fs::is_regular_file(path.parent_path() / program_invocation_short_name)) << path;
}

// An installed program's folder cannot be written: the same file goes to the user's
// configuration folder, XDG_CONFIG_HOME before ~/.config, and round-trips there. A folder that
// can be written keeps it beside the executable.
TEST(SettingsPath, AnUnwritableFolderFallsBackToTheConfigurationFolder) {
    const fs::path root = fs::path(testing::TempDir()) / "settings_fallback";
    fs::remove_all(root);
    fs::create_directories(root / "bin");
    EXPECT_EQ(SettingsPathFor((root / "bin").string(), nullptr, nullptr),
              (root / "bin" / "Varnexa.Cfg").string());
    // /proc takes no new file, not even from root.
    const std::string xdg = (root / "xdg").string(), home = (root / "home").string();
    const fs::path byXdg = SettingsPathFor("/proc", xdg.c_str(), home.c_str());
    EXPECT_EQ(byXdg, root / "xdg" / "varnexa" / "Varnexa.Cfg");
    EXPECT_TRUE(fs::is_directory(byXdg.parent_path()));
    EXPECT_EQ(SettingsPathFor("/proc", "", home.c_str()),
              (root / "home" / ".config" / "varnexa" / "Varnexa.Cfg").string());
    EXPECT_EQ(SettingsPathFor("/proc", "relative", home.c_str()),
              (root / "home" / ".config" / "varnexa" / "Varnexa.Cfg").string());
    ASSERT_TRUE(WriteSettings(byXdg.string(), TKXSettings{0, 1}));
    EXPECT_EQ(ReadSettings(byXdg.string()).UnitSystem, 1);
    // No configuration folder at all: the path beside the executable, which reads as defaults.
    EXPECT_EQ(SettingsPathFor("/proc", nullptr, nullptr), "/proc/Varnexa.Cfg");
}

}  // namespace
