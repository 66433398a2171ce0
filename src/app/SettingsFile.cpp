#include "SettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t MaxTokenLength = 32;
constexpr int MaxSymbolicLinks = 40;  // as the kernel's own limit when it follows links

bool IsBreak(unsigned char c) {
    return c <= ' ' || c == 0x7F;
}  // blank, control, line end

// Reads one integer from text at pos: skips blanks and line ends; the end of the text reads as
// 0; otherwise takes at most 32 characters up to the next blank or control character, converts
// them as a decimal integer and skips the rest of the line. nullopt when it is not an integer.
std::optional<int32_t> ReadInteger(const std::string& text, std::size_t& pos) {
    while (pos < text.size() && IsBreak(static_cast<unsigned char>(text[pos]))) ++pos;
    if (pos >= text.size()) return 0;
    const std::size_t start = pos;
    while (pos < text.size() && pos - start < MaxTokenLength &&
           !IsBreak(static_cast<unsigned char>(text[pos])))
        ++pos;
    std::string token = text.substr(start, pos - start);
    while (pos < text.size() && text[pos] != '\n') ++pos;
    if (pos < text.size()) ++pos;

    // Optional sign, then one or more decimal digits, nothing else.
    std::size_t digits = (token[0] == '+' || token[0] == '-') ? 1 : 0;
    if (digits == token.size()) return std::nullopt;
    for (std::size_t i = digits; i < token.size(); ++i)
        if (token[i] < '0' || token[i] > '9') return std::nullopt;
    const char* first = token.data() + (token[0] == '+' ? 1 : 0);  // from_chars takes no "+"
    int32_t value = 0;
    const auto [end, error] = std::from_chars(first, token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size()) return std::nullopt;
    return value;
}

// Only a regular file (also through symbolic links) is read or replaced: opening a named pipe
// waits for a writer, and a folder or device is no settings file.
bool IsRegularFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(fs::status(path, error)) && !error;
}

// The file a chain of symbolic links ends at (the path itself when it is no link), so that
// writing replaces that file and leaves the links in place.
std::optional<fs::path> FinalTarget(fs::path path) {
    for (int links = 0; links < MaxSymbolicLinks; ++links) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)) || error) return path;
        const fs::path target = fs::read_symlink(path, error);
        if (error) return std::nullopt;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

TKXSettings ReadSettings(const std::string& path) {
    if (!IsRegularFile(path)) return TKXSettings{};
    std::string text;
    try {
        // The stream reports a read error by throwing from inside the buffer, whatever its
        // exception mask: any failure gives the defaults.
        std::ifstream file(path, std::ios::binary);
        if (!file) return TKXSettings{};
        text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        if (file.bad()) return TKXSettings{};
    } catch (const std::exception&) {
        return TKXSettings{};
    }
    std::size_t pos = 0;
    const auto steam = ReadInteger(text, pos);
    const auto units = steam ? ReadInteger(text, pos) : std::nullopt;
    if (!steam || !units) return TKXSettings{};
    return TKXSettings{*steam, *units};
}

bool WriteSettings(const std::string& path, const TKXSettings& settings) {
    const std::optional<fs::path> target = FinalTarget(path);
    if (!target) return false;
    std::error_code error;
    const fs::file_status status = fs::status(*target, error);
    const bool exists = fs::exists(status);
    if (exists && !fs::is_regular_file(status)) return false;  // never written over

    // A new file in the same folder, renamed over the old one once it is complete: a failure
    // on the way leaves the old file as it was.
    std::string temporary =
        (target->parent_path() / (target->filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;
    struct stat old {};
    const mode_t mode = exists && ::stat(target->c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    const std::string text = std::to_string(settings.SteamSelector) + "\r\n" +
                             std::to_string(settings.UnitSystem) + "\r\n";
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, text) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && std::rename(temporary.c_str(), target->c_str()) == 0;
    if (!ok) ::unlink(temporary.c_str());
    return ok;
}

namespace {

// Whether a new file can be made in the folder: a file is made and removed again (a permission
// check alone says yes to root on a read-only file system).
bool FolderWritable(const fs::path& folder) {
    std::string probe = (folder / ".Varnexa.Cfg.XXXXXX").string();
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

}  // namespace

std::string SettingsPathFor(const std::string& executableFolder, const char* xdgConfigHome,
                            const char* home) {
    const fs::path beside = fs::path(executableFolder) / "Varnexa.Cfg";
    if (FolderWritable(executableFolder)) return beside.string();
    // The configuration folder of the XDG base directories: an absolute XDG_CONFIG_HOME, else
    // ~/.config.
    fs::path config;
    if (xdgConfigHome && xdgConfigHome[0] == '/')
        config = xdgConfigHome;
    else if (home && home[0] == '/')
        config = fs::path(home) / ".config";
    else
        return beside.string();  // nowhere else to go: reading still works, writing fails
    const fs::path folder = config / "varnexa";
    std::error_code error;
    fs::create_directories(folder, error);
    return (folder / "Varnexa.Cfg").string();
}

std::string DefaultSettingsPath() {
    std::error_code error;
    const auto exe = fs::read_symlink("/proc/self/exe", error);
    const auto folder = error ? fs::current_path(error) : exe.parent_path();
    return SettingsPathFor(folder.string(), std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}
