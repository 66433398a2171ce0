// What each library states about itself through the C interface: the keys in their order, the
// numbers equal to what the library's constant functions answer, every library found by its full
// and its short name in any case, and the neutral answers to what does not exist.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

#include "KXTsv.h"
#include "varnexa.h"

namespace {

std::string Cased(std::string s, int (*change)(int)) {
    for (char& c : s) c = static_cast<char>(change(static_cast<unsigned char>(c)));
    return s;
}

double Constant(const std::string& name) {
    const varnexa_function* f = varnexa_find_function(name.c_str());
    EXPECT_NE(f, nullptr) << name;
    char text[VARNEXA_TEXT_CAPACITY + 1];
    int32_t code = -1;
    const double value = varnexa_call(f, nullptr, text, VARNEXA_TEXT_CAPACITY, &code);
    EXPECT_EQ(code, 0) << name << ": " << text;
    return value;
}

TEST(CApiLibraryInfo, KeysValuesAndShortNames) {
    const kxtsv::TTable keys = kxtsv::Read("library_info_keys.tsv", true);
    ASSERT_EQ(varnexa_library_info_count(), static_cast<int32_t>(keys.Lines.size()));
    for (int32_t k = 0; k < varnexa_library_info_count(); ++k)
        EXPECT_EQ(varnexa_library_info_key(k), keys.Lines[k].Fields.at(0)) << "key " << k;

    for (int32_t l = 0; l < varnexa_library_count(); ++l) {
        const std::string name = varnexa_library_name(l);
        SCOPED_TRACE(name);
        for (const kxtsv::TLine& line : keys.Lines) {
            const std::string& key = line.Fields.at(0);
            const std::string& kind = line.Fields.at(1);
            const char* value = varnexa_library_info(l, key.c_str());
            ASSERT_NE(value, nullptr) << key;
            if (kind == "number") {
                char* end = nullptr;
                const double number = std::strtod(value, &end);
                EXPECT_TRUE(*value && !*end && std::isfinite(number)) << key << " " << value;
                // The constant function answers the same number (water's triple point is
                // 273.16 K - 273.15 there, 0.01 °C here).
                // Humid air registers no constants (its critical and triple point are its
                // water's), a mixture only its molar mass (no critical or triple point), a
                // binary pair at a chosen composition none (its MM takes the composition).
                const std::string& function = line.Fields.at(2);
                const std::string libraryKind = varnexa_library_info(l, "kind");
                const varnexa_function* constant =
                    varnexa_find_function((name + "_" + function).c_str());
                const bool constants = libraryKind != "humid air" &&
                                       (libraryKind != "mixture" ||
                                        (function == "MM" && varnexa_arity(constant) == 0));
                if (!function.empty() && constants) {
                    EXPECT_NEAR(number, Constant(name + "_" + function),
                                1e-12 * std::max(1.0, std::fabs(number)))
                        << key;
                }
            } else if (kind == "flag") {
                EXPECT_TRUE(std::string(value) == "yes" || std::string(value) == "no") << value;
            }
        }
        const std::string shortName = varnexa_library_info(l, "display_name");
        ASSERT_FALSE(shortName.empty());
        for (const std::string& typed :
             {name, shortName, Cased(shortName, std::tolower), Cased(shortName, std::toupper)})
            EXPECT_EQ(varnexa_find_library(typed.c_str()), l) << typed;
    }
    EXPECT_EQ(varnexa_find_library("IF97"), 0);
}

TEST(CApiLibraryInfo, WhatDoesNotExistGivesNeutralAnswers) {
    EXPECT_EQ(varnexa_library_info_key(-1), nullptr);
    EXPECT_EQ(varnexa_library_info_key(varnexa_library_info_count()), nullptr);
    EXPECT_EQ(varnexa_library_info(-1, "kind"), nullptr);
    EXPECT_EQ(varnexa_library_info(varnexa_library_count(), "kind"), nullptr);
    EXPECT_EQ(varnexa_library_info(0, "no such key"), nullptr);
    EXPECT_EQ(varnexa_library_info(0, "name"), nullptr);  // the name is varnexa_library_name's
    EXPECT_EQ(varnexa_library_info(0, nullptr), nullptr);
    EXPECT_EQ(varnexa_find_library("no such fluid"), -1);
    EXPECT_EQ(varnexa_find_library(""), -1);
    EXPECT_EQ(varnexa_find_library(nullptr), -1);
    // The texts stay where they are: a second query gives the same pointer.
    EXPECT_EQ(varnexa_library_info(1, "cas"), varnexa_library_info(1, "cas"));
}

}  // namespace
