// Conversions of the catalogue checked against a table of values worked out from the exact
// unit definitions (tests/data/unit_conversions.tsv names its sources).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "KXTsv.h"
#include "PropertyListObject.h"

namespace {

struct TGoldenRow {
    int Line;
    double Value;
    std::string From;
    std::string To;
    double Expected;
    double Tolerance;
};

double ParseNumber(const std::string& text, int line) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    EXPECT_TRUE(!text.empty() && *end == '\0') << "line " << line << ": '" << text << "'";
    return value;
}

std::vector<TGoldenRow> ReadGoldenTable() {
    std::vector<TGoldenRow> rows;
    // Split on tabs only: unit names may hold blanks, even trailing ones ("kip ").
    for (const auto& [line, fields] : kxtsv::Read("unit_conversions.tsv", false).Lines) {
        if (fields.size() != 5) {
            ADD_FAILURE() << "line " << line << " has " << fields.size() << " fields";
            continue;
        }
        rows.push_back({line, ParseNumber(fields[0], line), fields[1], fields[2],
                        ParseNumber(fields[3], line), ParseNumber(fields[4], line)});
    }
    return rows;
}

// Each unit of the catalogue is checked against its definition at least once: a unit added to
// the catalogue without a row in the table fails here.
TEST(UnitConversions, TheTableCoversEveryUnit) {
    const TPropertyList catalogue;
    std::set<std::pair<int, std::string>> covered;
    for (const TGoldenRow& row : ReadGoldenTable()) {
        const int quantity = catalogue.GetIndexFromUnitNames(row.From, row.To);
        covered.insert({quantity, row.From});
        covered.insert({quantity, row.To});
    }
    for (int position = 0; position < catalogue.Count(); ++position) {
        const TPropertyObject& property = catalogue.Property(position);
        for (const TUnitObject& unit : property.UnitList().Units()) {
            // A quantity of one unit ("-") has nothing to convert to.
            if (property.UnitList().Count() == 1) continue;
            if (covered.count({position, unit.Name()})) continue;
            // Heat capacity shares all its unit names with entropy, which every pair of names
            // reaches first: such a unit must mean the same as the one that is checked.
            const int first = catalogue.GetIndexFromUnitName(unit.Name());
            const TUnitList& firstUnits = catalogue.Property(first).UnitList();
            const int at = firstUnits.GetUnitIndex(unit.Name());
            EXPECT_TRUE(first < position && covered.count({first, unit.Name()}) &&
                        firstUnits.Units()[at].Factor() == unit.Factor() &&
                        firstUnits.Units()[at].Offset() == unit.Offset())
                << "no row for \"" << unit.Name() << "\" of " << property.PropertyName();
        }
    }
}

TEST(UnitConversions, MatchTheGoldenTable) {
    const TPropertyList catalogue;
    const std::vector<TGoldenRow> rows = ReadGoldenTable();
    EXPECT_GE(rows.size(), 100u);
    for (const TGoldenRow& row : rows) {
        SCOPED_TRACE("line " + std::to_string(row.Line) + ": " + row.From + " -> " + row.To);
        double result = 0.0;
        EXPECT_TRUE(catalogue.TryConvert(row.From, row.To, row.Value, result));
        const double allowed =
            row.Expected == 0.0 ? row.Tolerance : row.Tolerance * std::fabs(row.Expected);
        EXPECT_NEAR(result, row.Expected, allowed);
        // The way back gives the starting value.
        double back = 0.0;
        EXPECT_TRUE(catalogue.TryConvert(row.To, row.From, result, back));
        EXPECT_NEAR(back, row.Value, 1e-13 * std::fmax(1.0, std::fabs(row.Value)));
    }
}

}  // namespace
