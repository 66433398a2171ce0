// The water and steam library functions: registration order, range checks and their texts,
// computed limits, reference values, and failures that must never pass as results.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <set>
#include <string>

#include "KX_Function_Call.h"
#include "KX_Function_List.h"
#include "KX_Function_Shapes.h"
#include "KX_Utils.h"
#include "KX_WS_IF97_Lib.h"
#include "KX_WS_IF97_Lib_Root.h"
#include "library_tsv.h"

using if97test::ReadTable;

namespace {

struct TCallResult {
    double Value;
    int32_t Code;
    std::string Text;
};

const TKXLibraryEntry& Entry(const std::string& shortName) {
    static const std::map<std::string, const TKXLibraryEntry*> byName = [] {
        std::map<std::string, const TKXLibraryEntry*> m;
        for (const auto& e : KX_WS_IF97_Entries()) m[e.ShortName] = &e;
        return m;
    }();
    const auto it = byName.find(shortName);
    if (it == byName.end()) throw std::runtime_error("no function " + shortName);
    return *it->second;
}

// Calls a function by short name with its arguments in standard units. The outputs are preset
// to garbage so a function that forgets to clear them shows up.
TCallResult Call(const std::string& shortName, double x1 = 0.0, double x2 = 0.0) {
    const TKXLibraryEntry& e = Entry(shortName);
    char text[256];
    std::strcpy(text, "stale");
    int32_t code = -99;
    const double args[] = {x1, x2, 0.0};  // a third for any function of three
    const double value = KXCallFunction(e.Ptr, args, text, 255, &code);
    return {value, code, text};
}

double ParseOrZero(const std::string& field) {
    return field.empty() ? 0.0 : std::stod(field);
}

TEST(Library, RegistersItsFortyFunctionsInTheCatalogueOrder) {
    const auto entries = KX_WS_IF97_Entries();
    ASSERT_EQ(entries.size(), 40u);
    // Water registers every shared shape except the compressibility of the hydrogen libraries
    // and the bubble and dew lines of the blends.
#define KX_BLEND_SHORT_NAME(LIB, NAME, ...) #NAME
    const std::set<std::string> notWater = {
        "ZPT", KX_FUNCTIONS_BLEND(KX_BLEND_SHORT_NAME, , KX_FUNCTION_SEP_COMMA)};
#undef KX_BLEND_SHORT_NAME
    std::size_t i = 0;
    for (const auto& shape : KXFunctionShapes()) {
        if (notWater.count(shape.ShortName)) continue;
        ASSERT_LT(i, entries.size());
        EXPECT_STREQ(entries[i].ShortName, shape.ShortName) << "position " << i;
        const int arity = entries[i].Ptr.Constant ? 0 : entries[i].Ptr.Unary ? 1 : 2;
        EXPECT_EQ(arity, shape.Arity) << shape.ShortName;
        EXPECT_FALSE(entries[i].Ptr.Ternary) << shape.ShortName;
        ++i;
    }
    EXPECT_EQ(i, entries.size());
}

TEST(Library, RangeChecksGiveTheirCodeAndText) {
    for (const auto& row : ReadTable("if97_library_checks.tsv")) {
        ASSERT_EQ(row.size(), 5u);
        SCOPED_TRACE(row[0] + "(" + row[1] + ", " + row[2] + ")");
        const TCallResult r = Call(row[0], ParseOrZero(row[1]), ParseOrZero(row[2]));
        EXPECT_EQ(r.Code, std::stoi(row[3]));
        EXPECT_EQ(r.Text, row[4]);
        if (r.Code != 0) {
            EXPECT_EQ(r.Value, 0.0);
        } else {
            EXPECT_TRUE(std::isfinite(r.Value));
        }
    }
}

TEST(Library, DocumentedValues) {
    for (const auto& row : ReadTable("if97_library_reference.tsv")) {
        SCOPED_TRACE(row[0] + "(" + row[1] + ", " + row[2] + ")");
        const TCallResult r = Call(row[0], ParseOrZero(row[1]), ParseOrZero(row[2]));
        EXPECT_EQ(r.Code, 0) << r.Text;
        EXPECT_NEAR(r.Value, std::stod(row[3]), std::stod(row[4]));
    }
}

TEST(Library, VerificationValuesOfTheFormulation) {
    for (const auto& row : ReadTable("if97_library_verification.tsv")) {
        SCOPED_TRACE(row[0] + "(" + row[1] + ", " + row[2] + ")");
        const TCallResult r = Call(row[0], ParseOrZero(row[1]), ParseOrZero(row[2]));
        EXPECT_EQ(r.Code, 0) << r.Text;
        const double expected = std::stod(row[3]);
        EXPECT_NEAR(r.Value, expected, std::fabs(expected) * std::stod(row[4]));
    }
}

// The enthalpy and entropy limits of the (p,h) and (p,s) families are the values at 0 °C and
// at 2000 °C (800 °C from 100 bar up) at the given pressure: the limit itself passes, the next
// double outside fails with the limit in the text. The temperature from (p,h) is found there.
TEST(Library, ComputedLimitsOfThePressureEnthalpyAndEntropyFamilies) {
    const double down = -std::numeric_limits<double>::infinity();
    const double up = std::numeric_limits<double>::infinity();
    const struct {
        const char* Function;
        const char* Limits;  // the (p,T) function giving the limits
        const char* Quantity;
        const char* Unit;
        int32_t LowCode;
    } families[] = {
        {"TPH", "HPT", "Enthalpy", "kJ/kg", 8},  {"SPH", "HPT", "Enthalpy", "kJ/kg", 8},
        {"DPH", "HPT", "Enthalpy", "kJ/kg", 8},  {"TPS", "SPT", "Entropy", "kJ/kgK", 10},
        {"HPS", "SPT", "Entropy", "kJ/kgK", 10}, {"XPS", "SPT", "Entropy", "kJ/kgK", 10},
    };
    for (const auto& f : families) {
        for (double p : {0.001, 0.00611, 1.0, 50.0, 99.99, 100.0, 220.64, 500.0, 1000.0}) {
            SCOPED_TRACE(std::string(f.Function) + " at " + std::to_string(p) + " bar");
            const double low = Call(f.Limits, p, 0.0).Value;
            const double high = Call(f.Limits, p, p < 100.0 ? 2000.0 : 800.0).Value;
            const std::string prefix = std::string("KX_WS_IF97_") + f.Function + "; " + f.Quantity;
            if (std::string(f.Function) == "TPH") {
                EXPECT_NEAR(Call("TPH", p, low).Value, 0.0, 1e-6);
                EXPECT_NEAR(Call("TPH", p, high).Value, p < 100.0 ? 2000.0 : 800.0, 1e-6);
            }
            const TCallResult below = Call(f.Function, p, std::nextafter(low, down));
            EXPECT_EQ(below.Code, f.LowCode);
            EXPECT_EQ(below.Text, prefix + " lower than minimum value of " + FormatLimit(low) +
                                      " " + f.Unit + ".");
            const TCallResult above = Call(f.Function, p, std::nextafter(high, up));
            EXPECT_EQ(above.Code, f.LowCode + 1);
            EXPECT_EQ(above.Text, prefix + " higher than maximum value of " + FormatLimit(high) +
                                      " " + f.Unit + ".");
            // The limits themselves pass the check and are computed: the state a limit was
            // computed from is in the formulation's range.
            for (double limit : {low, high}) {
                const TCallResult r = Call(f.Function, p, limit);
                EXPECT_EQ(r.Code, 0) << limit << ": " << r.Text;
            }
        }
    }
}

// XTH and XTS accept exactly the saturated-liquid and saturated-vapour values of their
// temperature and reject anything outside.
TEST(Library, TwoPhaseLimitsByTemperature) {
    const double down = -std::numeric_limits<double>::infinity();
    const double up = std::numeric_limits<double>::infinity();
    const struct {
        const char* Function;
        const char* Saturated;
        int32_t LowCode;
    } families[] = {{"XTH", "HTX", 8}, {"XTS", "STX", 10}};
    for (const auto& f : families) {
        for (double t : {0.01, 100.0, 300.0, 360.0, 373.9}) {
            SCOPED_TRACE(std::string(f.Function) + " at " + std::to_string(t) + " °C");
            const double liquid = Call(f.Saturated, t, 0.0).Value;
            const double vapour = Call(f.Saturated, t, 1.0).Value;
            const TCallResult atLiquid = Call(f.Function, t, liquid);
            const TCallResult atVapour = Call(f.Function, t, vapour);
            EXPECT_EQ(atLiquid.Code, 0) << atLiquid.Text;
            EXPECT_EQ(atVapour.Code, 0) << atVapour.Text;
            EXPECT_NEAR(atLiquid.Value, 0.0, 1e-9);
            EXPECT_NEAR(atVapour.Value, 1.0, 1e-9);
            EXPECT_EQ(Call(f.Function, t, std::nextafter(liquid, down)).Code, f.LowCode);
            EXPECT_EQ(Call(f.Function, t, std::nextafter(vapour, up)).Code, f.LowCode + 1);
        }
    }
}

// The region-5 limit of the (p,T) functions: 2000 °C below 100 bar only.
TEST(Library, HighTemperatureVapourBelowOneHundredBar) {
    const TCallResult at50 = Call("HPT", 50.0, 1500.0);
    EXPECT_EQ(at50.Code, 0);
    EXPECT_GT(at50.Value, 5000.0);
    EXPECT_EQ(Call("HPT", 99.99, 1500.0).Code, 0);
    EXPECT_EQ(Call("HPT", 100.0, 1500.0).Code, 3);
}

TEST(Library, IsentropicExponentIsUndefinedOnTheSaturationLine) {
    // Pressures whose bar value converts back to the exact saturation pressure of t.
    int onLine = 0;
    for (double t = 1.0; t < 350.0; t += 7.3) {
        const double p = if97::Psat(t + 273.15) / 100000.0;
        if (if97::RegionPT(p * 100000.0, t + 273.15) != 4) continue;
        ++onLine;
        const TCallResult r = Call("KPT", p, t);
        EXPECT_EQ(r.Code, 1) << t;
        EXPECT_EQ(r.Text, "KX_WS_IF97_KPT; Undefined on the saturation line.");
        EXPECT_EQ(r.Value, 0.0);
        // Just off the line the exponent is an ordinary number.
        EXPECT_EQ(Call("KPT", p * (1.0 + 1e-9), t).Code, 0);
        EXPECT_EQ(Call("KPT", p * (1.0 - 1e-9), t).Code, 0);
    }
    EXPECT_GT(onLine, 5);
}

// The transport functions and the isentropic exponent answer everywhere in their range: the
// numerical derivatives find their roots from the cold liquid at low pressure to 1000 bar.
TEST(Library, TransportAnswersThroughoutItsRange) {
    const char* functions[] = {"TCPT", "DVPT", "KVPT", "PrPT", "KPT"};
    int calls = 0;
    for (double logP = -3.0; logP <= 3.0; logP += 0.125) {
        const double p = std::min(std::pow(10.0, logP), 1000.0);
        for (double t = 0.0; t <= 800.0; t += 12.5) {
            for (const char* f : functions) {
                const TCallResult r = Call(f, p, t);
                EXPECT_EQ(r.Code, 0) << f << "(" << p << ", " << t << "): " << r.Text;
                EXPECT_GT(r.Value, 0.0) << f << "(" << p << ", " << t << ")";
                ++calls;
            }
        }
    }
    EXPECT_GT(calls, 10000);
}

// A NaN argument is never a value with code 0.
TEST(Library, NotANumberNeverPasses) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // A valid argument pair for each family, so only the NaN can make the call fail.
    const std::map<std::string, std::pair<double, double>> valid = {
        {"PsatT", {100, 0}}, {"TsatP", {1, 0}},    {"STT", {100, 0}},   {"DTX", {100, 0.5}},
        {"VTX", {100, 0.5}}, {"HTX", {100, 0.5}},  {"STX", {100, 0.5}}, {"DPX", {1, 0.5}},
        {"VPX", {1, 0.5}},   {"HPX", {1, 0.5}},    {"SPX", {1, 0.5}},   {"TPH", {1, 1000}},
        {"XPH", {1, 1000}},  {"SPH", {1, 1000}},   {"VPH", {1, 1000}},  {"DPH", {1, 1000}},
        {"TPS", {1, 3}},     {"XPS", {1, 3}},      {"HPS", {1, 3}},     {"VPS", {1, 3}},
        {"DPS", {1, 3}},     {"XTH", {100, 1000}}, {"XTS", {100, 3}},
    };
    for (const auto& e : KX_WS_IF97_Entries()) {
        if (e.Ptr.Constant) continue;
        const auto it = valid.find(e.ShortName);
        const auto args = it != valid.end() ? it->second : std::pair<double, double>{1.0, 20.0};
        SCOPED_TRACE(e.ShortName);
        ASSERT_EQ(Call(e.ShortName, args.first, args.second).Code, 0);
        EXPECT_NE(Call(e.ShortName, nan, args.second).Code, 0);
        if (e.Ptr.Binary) {
            EXPECT_NE(Call(e.ShortName, args.first, nan).Code, 0);
        }
    }
}

// The outputs are written within the caller's capacity and never split the degree sign.
TEST(Library, ErrorTextIsCutAtTheCapacity) {
    char text[80];
    std::memset(text, 'x', sizeof text);
    int32_t code = 0;
    // In "KX_WS_IF97_PsatT; Temperature lower than minimum value of 0.010 °C." the two bytes
    // of "°" are bytes 65 and 66: a capacity of 65 must stop before the character.
    KX_WS_IF97_PsatT(-5.0, text, 65, &code);
    EXPECT_EQ(code, 2);
    EXPECT_STREQ(text, "KX_WS_IF97_PsatT; Temperature lower than minimum value of 0.010 ");
    KX_WS_IF97_PsatT(100.0, text, 65, &code);
    EXPECT_EQ(code, 0);
    EXPECT_STREQ(text, "");
}

}  // namespace
