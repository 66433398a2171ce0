#pragma once
// The sweep every library goes through: each function is called with many arguments in and out
// of range, infinities and NaN included, and must keep the library function contract: no crash,
// code 0 only with a finite value and an empty text, a non-zero code only with a text of the form
// "<library>_<function>; <Reason>." of at most 255 bytes that does not end inside a UTF-8
// character.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "KX_Function_Call.h"
#include "KX_Function_Types.h"

namespace kxsweep {

// Arguments in standard units (bar, °C, kJ/kg, kJ/kgK, fractions) with the odd ones.
inline std::vector<double> SweepValues() {
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<double> v = {
        -inf, -1e300, -1000, -273.15, -100,    -1,  -1e-9,
        0,    1e-12,  1e-3,  0.006,   0.5,     1,   2,
        10,   25,     100,   220.64,  373.946, 374, 500,
        1000, 2000,   2500,  1e5,     1e300,   inf, std::numeric_limits<double>::quiet_NaN()};
    return v;
}

inline bool EndsOnCharacterBoundary(const std::string& text) {
    // Walk the UTF-8 sequence; a truncated multi-byte character at the end is a fault.
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        std::size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : 4;
        if (i + len > text.size()) return false;
        i += len;
    }
    return true;
}

// "<library>_<function>; <Reason>.": one blank after the only ";", a capital first letter, a
// full stop at the end (unless the text was cut at 255 bytes).
inline bool HasErrorTextForm(const std::string& fullName, const std::string& text) {
    const std::string prefix = fullName + "; ";
    if (text.rfind(prefix, 0) != 0 || text.size() <= prefix.size()) return false;
    const std::string reason = text.substr(prefix.size());
    const bool capital = reason[0] >= 'A' && reason[0] <= 'Z';
    const bool ended = reason.back() == '.' || text.size() == 255;
    return capital && ended && reason.find(';') == std::string::npos;
}

inline void CheckCall(const std::string& fullName, double value, const char* text, int32_t code,
                      const std::string& args) {
    const std::string t(text);
    SCOPED_TRACE(fullName + "(" + args + ")");
    if (code == 0) {
        EXPECT_TRUE(std::isfinite(value)) << "code 0 with " << value;
        EXPECT_TRUE(t.empty()) << t;
    } else {
        EXPECT_FALSE(t.empty());
        EXPECT_TRUE(HasErrorTextForm(fullName, t)) << t;
        EXPECT_LE(t.size(), 255u);
        EXPECT_TRUE(EndsOnCharacterBoundary(t)) << t;
    }
}

// Placeholder functions may leave the outputs untouched; the sweep presets them so a placeholder
// that does not write shows up as code 0 with the value it returned.
inline void SweepLibrary(const std::string& libraryName, std::span<const TKXLibraryEntry> entries,
                         const std::vector<double>& values = SweepValues()) {
    for (const auto& e : entries) {
        const std::string full = libraryName + "_" + e.ShortName;
        const int arity = KXArity(e.Ptr);
        if (arity < 0) {
            ADD_FAILURE() << full << " has no address";
            continue;
        }
        // Every combination of the values over the function's arguments.
        std::vector<double> args(static_cast<std::size_t>(arity));
        auto sweep = [&](auto&& self, std::size_t k) -> void {
            if (k == args.size()) {
                char text[256] = "";
                int32_t code = 0;
                const double r = KXCallFunction(e.Ptr, args.data(), text, 255, &code);
                std::string shown;
                for (std::size_t i = 0; i < args.size(); ++i)
                    shown += (i ? ", " : "") + std::to_string(args[i]);
                CheckCall(full, r, text, code, shown);
                return;
            }
            for (double x : values) {
                args[k] = x;
                self(self, k + 1);
            }
        };
        sweep(sweep, 0);
    }
}

}  // namespace kxsweep
