#include "PropertyListObject.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

const TPropertyList& Catalogue() {
    static const TPropertyList catalogue;
    return catalogue;
}

TEST(PropertyList, HoldsEveryQuantityAndUnitInOrder) {
    const TPropertyList& list = Catalogue();
    ASSERT_EQ(list.Count(), 46);
    EXPECT_EQ(list.UnitCount(), 216);
    // Units per quantity, quantities 0 ... 41, then 48, then the humid-air quantities 49 ... 51.
    const int unitCounts[46] = {1, 16, 16, 16, 4, 2, 6, 5, 6, 2, 4,  2, 2,  8, 5, 5,
                                4, 7,  4,  2,  2, 4, 3, 3, 8, 3, 11, 8, 11, 3, 4, 5,
                                3, 4,  2,  2,  1, 3, 2, 2, 3, 2, 1,  4, 2,  3};
    for (int position = 0; position < list.Count(); ++position) {
        const TPropertyObject& property = list.Property(position);
        const int32_t expectedIndex = position < 42 ? position : 48 + (position - 42);
        EXPECT_EQ(property.PropertyIndex(), expectedIndex);
        EXPECT_EQ(list.GetIndexFromPropertyIndex(expectedIndex), position);
        ASSERT_EQ(property.UnitList().Count(), unitCounts[position]) << property.PropertyName();
        // The standard unit comes first.
        const TUnitObject& first = property.UnitList().Units().front();
        EXPECT_EQ(first.Factor(), 1.0) << property.PropertyName();
        EXPECT_EQ(first.Offset(), 0.0) << property.PropertyName();
        for (const TUnitObject& unit : property.UnitList().Units()) {
            EXPECT_EQ(unit.BaseProperty(), expectedIndex) << unit.Name();
        }
    }
    EXPECT_EQ(list.Property(42).PropertyName(), "Compressibility");
    EXPECT_EQ(list.GetIndexFromPropertyIndex(42), -1);
    EXPECT_EQ(list.GetIndexFromPropertyIndex(-1), -1);
    EXPECT_EQ(list.Property(43).PropertyName(), "Humidity Ratio");
    EXPECT_EQ(list.Property(45).PropertyName(), "Mole Fraction");
    EXPECT_EQ(list.Property(46).PropertyIndex(), -1);
    EXPECT_EQ(list.Property(-1).UnitList().Count(), 0);

    std::vector<std::string> names{"stale"};
    list.CreatePropertyList(names);
    ASSERT_EQ(names.size(), 46u);
    EXPECT_EQ(names[2], "Absolute Pressure");
    EXPECT_EQ(names[31], "Temperature");
}

TEST(PropertyList, LookupsOfUnknownNamesAndIndicesAreNeutral) {
    const TPropertyList& list = Catalogue();
    for (const std::string name : {"", "kip", "KG", "kg ", "bar(A)", "°c", "Pa\xC2"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(list.GetIndexFromUnitName(name), -1);
        EXPECT_EQ(list.PropertyIndexForUnit(name), -1);
        EXPECT_EQ(list.BasePropertyForUnit(name), -1);
        EXPECT_FALSE(list.UnitExists(name));
        EXPECT_EQ(list.ConvertToStandard(name, 5.0), 0.0);
        EXPECT_EQ(list.ConvertFromStandard(name, 5.0), 0.0);
        EXPECT_EQ(list.Convert(name, "bar(a)", 5.0), 0.0);
    }
    EXPECT_TRUE(list.UnitExists("kip "));
    EXPECT_EQ(list.GetIndexFromPropertyName("temperature"), -1);
    EXPECT_EQ(list.GetIndexFromPropertyName("Temperature"), 31);
    EXPECT_EQ(list.GetPropertyNameFromIndex(42), "");
    EXPECT_EQ(list.GetPropertyNameFromIndex(48), "Compressibility");

    std::vector<std::string> units{"stale"};
    list.CreateUnitListFromPropertyIndex(units, 42);
    EXPECT_TRUE(units.empty());
    units = {"stale"};
    list.CreateUnitListFromPropertyName(units, "Nothing");
    EXPECT_TRUE(units.empty());
    list.CreateUnitListFromPropertyName(units, "Undefined");
    EXPECT_EQ(units, std::vector<std::string>{"-"});
    list.CreateUnitListFromPropertyIndex(units, 31);
    EXPECT_EQ(units, (std::vector<std::string>{"°C", "°F", "K", "°R", "°Reaumur"}));
}

TEST(PropertyList, DefaultUnitsBySystem) {
    const TPropertyList& list = Catalogue();
    const struct {
        int32_t Index;
        int System;
        const char* Expected;
    } cases[] = {{31, 0, "°C"},         {31, 1, "°F"},      {31, 2, ""},    {31, -1, ""},
                 {2, 1, "psi(a)"},      {34, 1, "-"},       {48, 0, "-"},   {12, 0, "kW/m2K"},
                 {42, 0, ""},           {-1, 1, ""},        {21, 0, "rad"}, {18, 1, "ft2/s"},
                 {1, 1, "mm Hg(@0°C)"}, {35, 1, "BTU/hFft"}};
    for (const auto& c : cases) {
        EXPECT_EQ(list.GetPropertyStandardUnit(c.Index, c.System), c.Expected)
            << c.Index << " " << c.System;
    }
}

// Every unit list starts with a selection, in both unit systems, and the standard unit names
// the first unit.
TEST(PropertyList, EveryDefaultUnitIsAUnitOfItsQuantity) {
    const TPropertyList& list = Catalogue();
    for (int position = 0; position < list.Count(); ++position) {
        const TPropertyObject& property = list.Property(position);
        SCOPED_TRACE(property.PropertyName());
        for (const int system : {KXUnitSystemSI, KXUnitSystemEngineering}) {
            const std::string unit = list.GetPropertyStandardUnit(property.PropertyIndex(), system);
            EXPECT_GE(property.UnitList().GetUnitIndex(unit), 0)
                << "system " << system << ": " << unit;
        }
        EXPECT_EQ(property.StandardUnit(), property.UnitList().Units().front().Name());
    }
    // A kinematic viscosity in the engineering system is an area per time, not a mass per
    // length and time.
    EXPECT_EQ(list.GetPropertyStandardUnit(18, KXUnitSystemEngineering), "ft2/s");
}

TEST(PropertyList, UnitsSharedByQuantities) {
    const TPropertyList& list = Catalogue();
    const struct {
        const char* Unit;
        int32_t Index;
        bool Valid;
    } cases[] = {{"MW", 8, true},       {"MW", 7, false},      {"kW", 7, true},
                 {"kW", 8, true},       {"-", 34, true},       {"-", 48, true},
                 {"BTU/lbR", 30, true}, {"BTU/lbR", 5, false}, {"kW", 99, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(list.IsValidUnitForBaseProperty(c.Unit, c.Index), c.Valid) << c.Unit << c.Index;
    }
    // The quantity of a pair of names: the first quantity that has both.
    const struct {
        const char* From;
        const char* To;
        int Position;
    } pairs[] = {{"kW", "MW", 8},      {"kW", "HP", 7},           {"kW", "kW", 7},
                 {"-", "Dec [%]", 34}, {"kJ/kgK", "BTU/lbR", 30}, {"BTU/lbF", "kJ/kgK", 5},
                 {"°C", "bar(a)", -1}, {"MW", "HP", -1},          {"kW", "nothing", -1}};
    for (const auto& p : pairs)
        EXPECT_EQ(list.GetIndexFromUnitNames(p.From, p.To), p.Position) << p.From << " " << p.To;
    EXPECT_EQ(list.GetIndexFromUnitName("-"), 0);
    EXPECT_EQ(list.GetIndexFromUnitName("kJ/kgK"), 5);
    EXPECT_EQ(list.BasePropertyForUnit("Dec [%]"), 34);
    EXPECT_EQ(list.BasePropertyForUnit("kW"), 7);
}

struct TConversionCase {
    const char* From;
    const char* To;
    double Value;
    double Expected;
    bool Ok = true;
};

void ExpectConversions(const std::vector<TConversionCase>& cases) {
    for (const TConversionCase& c : cases) {
        SCOPED_TRACE(std::string(c.From) + " -> " + c.To);
        double result = 99.0;
        const bool ok = Catalogue().TryConvert(c.From, c.To, c.Value, result);
        EXPECT_EQ(ok, c.Ok);
        EXPECT_NEAR(result, c.Expected, 1e-14 * std::fabs(c.Expected));
        EXPECT_NEAR(Catalogue().Convert(c.From, c.To, c.Value), c.Expected,
                    1e-14 * std::fabs(c.Expected));
    }
}

// Expected values from the definitions: 1 BTU/(lb °F) = 4.1868 kJ/(kg K) exactly (the
// International Table Btu and calorie), 1 BTU = 1.05505585262 kJ, 1 ft = 0.3048 m.
TEST(PropertyList, ConvertsBetweenUnitsOfOneQuantity) {
    ExpectConversions({
        {"°C", "°F", 100.0, 212.0},
        {"°C", "°F", -40.0, -40.0},
        {"°C", "K", 0.0, 273.15},
        {"psi(a)", "bar(a)", 1.0, 0.45359237 * 9.80665 / (0.0254 * 0.0254) / 1e5},
        {"ft3/s", "m3/s", 1.0, 0.028316846592},
        {"m2/s", "ft2/s", 2.0, 2.0 / (0.3048 * 0.3048)},
        {"BTU/lbF", "kJ/kgK", 1.0, 4.1868},
        {"BTU/lbR", "kJ/kgK", 1.0, 4.1868},
        // A name in several quantities is read in the quantity of the other unit.
        {"kW", "MW", 1.0, 0.001},
        {"kW", "BTU/h", 1.0, 3600 / 1.05505585262},
        {"-", "Dec [%]", 0.5, 50.0},
        {"kJ/kgK", "BTU/lbR", 1.0, 1 / 4.1868},
        {"kJ/kgK", "kJ/kgK", 7.0, 7.0},
        // Units of different quantities do not convert.
        {"°C", "bar(a)", 10.0, 0.0, false},
        {"°C", "", 10.0, 0.0, false},
        {"mbar", "bar(a)", 10.0, 0.0, false},
    });
    EXPECT_NEAR(Catalogue().ConvertToStandard("psi(a)", 14.503773773020923), 1.0, 1e-15);
    EXPECT_EQ(Catalogue().ConvertToStandard("no such unit", 14.5), 0.0);
}

// Units whose meaning is not a plain factor, or was once taken wrongly: checked by what they
// convert to, each written as its definition.
TEST(PropertyList, MendedUnitsConvertSoundly) {
    const TPropertyList& list = Catalogue();
    for (const auto& [unit, index] :
         std::vector<std::pair<const char*, int32_t>>{{"mS/Inch", 39},
                                                      {"psi.ft3/lbR", 30},
                                                      {"Imp Pint", 26},
                                                      {"UK Barrel", 26},
                                                      {"US Barrel", 26},
                                                      {"PetrBarrel", 26},
                                                      {"bbl", 26},
                                                      {"Sm3", 29},
                                                      {"eff%", 10}}) {
        SCOPED_TRACE(unit);
        EXPECT_TRUE(list.IsValidUnitForBaseProperty(unit, index));
        EXPECT_EQ(list.BasePropertyForUnit(unit), index);
    }
    constexpr double usGallon = 231 * 0.0254 * 0.0254 * 0.0254;  // m3
    ExpectConversions({
        {"mS/cm", "mS/Inch", 1.0, 2.54},  // a conductivity per inch of path, not per cm
        {"mS/Inch", "mS/cm", 0.0, 0.0},
        {"m3", "Imp Pint", 1.0, 8 / 0.00454609},
        {"UK Barrel", "UKgal", 1.0, 36.0},
        {"US Barrel", "m3", 1.0, 31.5 * usGallon},
        {"PetrBarrel", "bbl", 1.0, 1.0},
        {"bbl", "m3", 1.0, 42 * usGallon},
        {"Sm3", "Nm3", 288.15, 273.15},  // 15 °C against 0 °C at one pressure
        // 1 psi ft3/(lb °R) in kJ/(kg K): one bar m3 is 100 kJ.
        {"psi.ft3/lbR", "kJ/kgK", 1.0,
         0.45359237 * 9.80665 / (0.0254 * 0.0254) * (0.3048 * 0.3048 * 0.3048) * 1.8 / 0.45359237 /
             1000},
        {"kJ/kWh", "eff%", 3600.0, 100.0},
        {"kJ/kWh", "eff%", 9000.0, 40.0},
        {"eff%", "kJ/kWh", 36.0, 10000.0},
        {"eff%", "BTU/kWh", 100.0, 3600.0 / 1.05505585262},
        {"eff%", "kJ/kWh", 0.0, 0.0, false},
        {"kJ/kWh", "eff%", 0.0, 0.0, false},
    });
    double result = 99.0;
    EXPECT_FALSE(list.TryConvert("eff%", "kJ/kWh", 0.0, result));
    EXPECT_FALSE(list.TryConvertFromStandard("eff%", 0.0, result));
    EXPECT_EQ(result, 0.0);
    EXPECT_DOUBLE_EQ(list.ConvertFromStandard("eff%", 7200.0), 50.0);
    EXPECT_DOUBLE_EQ(list.ConvertToStandard("eff%", 50.0), 7200.0);
}

TEST(PropertyList, NonFiniteResultsFailTheCheckedConversions) {
    const TPropertyList& list = Catalogue();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    double result = 99.0;
    EXPECT_FALSE(list.TryConvert("bar(a)", "Pa(a)", 1e308, result));
    EXPECT_EQ(result, 0.0);
    EXPECT_EQ(list.Convert("bar(a)", "Pa(a)", 1e308), 0.0);
    EXPECT_FALSE(list.TryConvertFromStandard("Pa(a)", 1e308, result));
    EXPECT_FALSE(list.TryConvertToStandard("bar(a)", nan, result));
    EXPECT_FALSE(list.TryConvertToStandard("no such unit", 1.0, result));
    EXPECT_TRUE(list.TryConvertToStandard("kPa(a)", 101.325, result));
    EXPECT_DOUBLE_EQ(result, 1.01325);
    EXPECT_TRUE(list.TryConvertFromStandard("°F", 100.0, result));
    EXPECT_DOUBLE_EQ(result, 212.0);
}

TEST(PropertyList, EveryUnitRoundTrips) {
    const TPropertyList& list = Catalogue();
    const double values[] = {-1234.5, -1.0, 1e-3, 0.1, 1.0, 37.5, 1e6};
    constexpr double eps = std::numeric_limits<double>::epsilon();
    int checked = 0;
    for (int position = 0; position < list.Count(); ++position) {
        for (const TUnitObject& unit : list.Property(position).UnitList().Units()) {
            for (const double x : values) {
                SCOPED_TRACE(unit.Name() + " " + std::to_string(x));
                const double back =
                    list.ConvertToStandard(unit.Name(), list.ConvertFromStandard(unit.Name(), x));
                // An offset cancels digits of small values: allow for its size.
                const double scale = std::fabs(x) + std::fabs(unit.Offset() / unit.Factor());
                EXPECT_NEAR(back, x, 4 * eps * scale);
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 216 * 7);
}

TEST(PropertyList, AddedUnitsKeepTheFirstQuantityInListOrder) {
    TPropertyList list;
    list.AddProperty("Test Quantity", 60, "t", "t", "t");
    list.AddUnit("t", 60, 0.0, 1.0);
    list.AddUnit("kW", 60, 0.0, 2.0);  // later quantity: "kW" still reads as Power
    list.AddUnit("shared", 60, 0.0, 3.0);
    list.AddUnit("shared", 1, 0.0, 4.0);   // earlier quantity added later wins
    list.AddUnit("orphan", 47, 0.0, 5.0);  // no quantity 47
    list.AddUnit("zero", 60, 0.0, 0.0);    // a factor of 0 is refused
    list.AddUnit("nan", 60, std::numeric_limits<double>::quiet_NaN(), 1.0);
    EXPECT_EQ(list.Count(), 47);
    EXPECT_EQ(list.UnitCount(), 216 + 4);
    EXPECT_EQ(list.GetIndexFromUnitName("kW"), 7);
    EXPECT_EQ(list.GetIndexFromUnitName("shared"), 1);
    EXPECT_DOUBLE_EQ(list.ConvertFromStandard("shared", 1.0), 4.0);
    EXPECT_DOUBLE_EQ(list.Convert("shared", "t", 3.0), 1.0);
    EXPECT_DOUBLE_EQ(list.Convert("t", "kW", 1.0), 2.0);
    EXPECT_FALSE(list.UnitExists("orphan"));
    EXPECT_FALSE(list.UnitExists("zero"));
    EXPECT_FALSE(list.UnitExists("nan"));
}

}  // namespace
