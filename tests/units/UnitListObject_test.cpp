#include "UnitListObject.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

const TUnitObject Fahrenheit("°F", 31, 32.0, 1.8);
const TUnitObject Efficiency("eff%", 10, 0.0, 360000.0, TUnitKind::Reciprocal);
const TUnitObject Huge("huge", 1, 0.0, 1e10);

struct TUnitCase {
    const TUnitObject* Unit;
    double Value;
    bool Ok;
    double Expected;
};

TEST(UnitObject, ConvertsToStandardOrFailsWithZero) {
    const TUnitCase cases[] = {
        {&Fahrenheit, 212.0, true, 100.0},   {&Fahrenheit, -40.0, true, -40.0},
        {&Efficiency, 100.0, true, 3600.0},  {&Efficiency, 36.0, true, 10000.0},
        {&Efficiency, -50.0, true, -7200.0}, {&Efficiency, 0.0, false, 0.0},
        {&Efficiency, -0.0, false, 0.0},     {&Fahrenheit, NaN, false, 0.0},
        {&Fahrenheit, Inf, false, 0.0},      {&Efficiency, -Inf, false, 0.0},
        {&Efficiency, 1e-320, false, 0.0},  // quotient overflows
    };
    for (const TUnitCase& c : cases) {
        SCOPED_TRACE(c.Unit->Name() + " " + std::to_string(c.Value));
        double result = 99.0;
        EXPECT_EQ(c.Unit->TryConvertToBaseUnit(c.Value, result), c.Ok);
        EXPECT_DOUBLE_EQ(result, c.Expected);
        EXPECT_DOUBLE_EQ(c.Unit->ConvertToBaseUnit(c.Value), c.Expected);
    }
}

TEST(UnitObject, ConvertsFromStandardOrFailsWithZero) {
    const TUnitCase cases[] = {
        {&Fahrenheit, 100.0, true, 212.0},  {&Fahrenheit, 0.0, true, 32.0},
        {&Efficiency, 3600.0, true, 100.0}, {&Efficiency, 0.0, false, 0.0},
        {&Huge, 1e300, false, 0.0},         {&Huge, -1e300, false, 0.0},
        {&Fahrenheit, NaN, false, 0.0},     {&Efficiency, Inf, false, 0.0},
    };
    for (const TUnitCase& c : cases) {
        SCOPED_TRACE(c.Unit->Name() + " " + std::to_string(c.Value));
        double result = 99.0;
        EXPECT_EQ(c.Unit->TryConvertFromBaseUnit(c.Value, result), c.Ok);
        EXPECT_DOUBLE_EQ(result, c.Expected);
        EXPECT_DOUBLE_EQ(c.Unit->ConvertFromBaseUnit(c.Value), c.Expected);
    }
}

TUnitList TemperatureUnits() {
    TUnitList list;
    list.Add(TUnitObject("°C", 31, 0.0, 1.0));
    list.Add(TUnitObject("°F", 31, 32.0, 1.8));
    list.Add(TUnitObject("K", 31, 273.15, 1.0));
    list.Add(TUnitObject("kip ", 31, 0.0, 2.0));
    list.Add(TUnitObject("K", 31, 0.0, 5.0));  // a second "K" is never found by name
    return list;
}

TEST(UnitList, FindsTheFirstUnitByExactName) {
    const TUnitList list = TemperatureUnits();
    const struct {
        const char* Name;
        int Position;
    } cases[] = {{"°C", 0},  {"K", 2},   {"kip ", 3}, {"kip", -1}, {"k", -1},
                 {"°c", -1}, {" K", -1}, {"", -1},    {"C", -1}};
    for (const auto& c : cases) EXPECT_EQ(list.GetUnitIndex(c.Name), c.Position) << c.Name;
}

TEST(UnitList, ConvertsBetweenItsUnitsOrGivesZero) {
    const TUnitList list = TemperatureUnits();
    const struct {
        const char* From;
        const char* To;
        double Value;
        bool Ok;
        double Expected;
    } cases[] = {
        {"°C", "°F", 100.0, true, 212.0}, {"°F", "K", 32.0, true, 273.15},
        {"K", "°C", 0.0, true, -273.15},  {"°C", "kip ", 3.0, true, 6.0},
        {"°C", "bar", 10.0, false, 0.0},  {"bar", "°C", 10.0, false, 0.0},
        {"", "°C", 10.0, false, 0.0},     {"°C", "°F", NaN, false, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.From) + " -> " + c.To);
        double result = 99.0;
        EXPECT_EQ(list.TryConvert(c.From, c.To, c.Value, result), c.Ok);
        EXPECT_DOUBLE_EQ(result, c.Expected);
        EXPECT_DOUBLE_EQ(list.Convert(c.From, c.To, c.Value), c.Expected);
    }
    EXPECT_DOUBLE_EQ(list.ConvertToStandard("K", 373.15), 100.0);
    EXPECT_DOUBLE_EQ(list.ConvertFromStandard("°F", -40.0), -40.0);
    EXPECT_EQ(list.ConvertToStandard("kelvin", 373.15), 0.0);
    EXPECT_EQ(list.ConvertFromStandard("kelvin", 100.0), 0.0);
}

}  // namespace
