#include "SettingsFile.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

namespace {

constexpr std::size_t MaxTokenLength = 32;

bool IsBreak(unsigned char c) { return c <= ' ' || c == 0x7F; }  // blank, control, line end

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

}  // namespace

TKXSettings ReadSettings(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return TKXSettings{};
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) return TKXSettings{};
    std::size_t pos = 0;
    const auto steam = ReadInteger(text, pos);
    const auto units = steam ? ReadInteger(text, pos) : std::nullopt;
    if (!steam || !units) return TKXSettings{};
    return TKXSettings{*steam, *units};
}

bool WriteSettings(const std::string& path, const TKXSettings& settings) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file << settings.SteamSelector << "\r\n" << settings.UnitSystem << "\r\n";
    file.close();
    return !file.fail();
}

std::string DefaultSettingsPath() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    const auto folder = error ? std::filesystem::current_path(error) : exe.parent_path();
    return (folder / "Varnexa.Cfg").string();
}
