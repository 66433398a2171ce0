#pragma once
// The two integers that survive between runs, in "Varnexa.Cfg" next to the executable (or, where
// that folder cannot be written, in the user's configuration folder).
#include <cstdint>
#include <string>

struct TKXSettings {
    int32_t SteamSelector = 1;  // stored and written back only
    int32_t UnitSystem = 0;     // 0 SI, 1 engineering
};

// Reads the file; any failure (no file, not a regular file, unreadable, a text that is not an
// integer) gives the defaults 1 and 0 together. The end of the file reads as 0. Never throws and
// never waits: a named pipe of that name is not opened.
TKXSettings ReadSettings(const std::string& path);
// Writes both values, each on its own CR LF line, into a new file in the same folder that then
// replaces the old one, so a failure leaves the old file whole. Through a symbolic link the file
// it points to is replaced, not the link. Something other than a regular file (a folder, a named
// pipe) is not written over. Returns false when the file cannot be written.
bool WriteSettings(const std::string& path, const TKXSettings& settings);
// "Varnexa.Cfg" in the folder of the running executable where a file can be made there (a build
// or a portable copy); otherwise, for an installed program, the same file in the user's
// configuration folder: $XDG_CONFIG_HOME/varnexa or ~/.config/varnexa (made when missing).
std::string DefaultSettingsPath();
// The same choice for a given executable folder and values of XDG_CONFIG_HOME and HOME (each may
// be null or empty).
std::string SettingsPathFor(const std::string& executableFolder, const char* xdgConfigHome,
                            const char* home);
