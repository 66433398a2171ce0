#pragma once
// The two integers that survive between runs, in "Varnexa.Cfg" next to the executable.
#include <cstdint>
#include <string>

struct TKXSettings {
    int32_t SteamSelector = 1;  // stored and written back only
    int32_t UnitSystem = 0;     // 0 SI, 1 engineering
};

// Reads the file; any failure (no file, unreadable, a text that is not an integer) gives the
// defaults 1 and 0 together. The end of the file reads as 0.
TKXSettings ReadSettings(const std::string& path);
// Writes both values, each on its own CR LF line. Returns false when the file cannot be written.
bool WriteSettings(const std::string& path, const TKXSettings& settings);
// "Varnexa.Cfg" in the folder of the running executable.
std::string DefaultSettingsPath();
