// Tables: rows are the states of the State tab and the saturation functions, failed rows keep
// their text and the others still appear, CSV and TSV read back to the same numbers, units per
// key from the unit system.
#include <cmath>
#include <cstdlib>
#include <limits>
#include <sstream>

#include "KXExplorerTable.h"
#include "explorer_support.h"

using namespace kxexplorertest;

namespace {

const TPropertyList& Catalogue() {
    static const TPropertyList catalogue;
    return catalogue;
}

// Every digit a double needs, so a value read back is the value written.
std::string Exact(double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

// A CSV reader as a spreadsheet reads: quoted fields may hold separators and doubled quotes.
std::vector<std::vector<std::string>> ReadDelimited(const std::string& text, char separator) {
    std::vector<std::vector<std::string>> rows(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            rows.back().push_back(field);
            field.clear();
        } else if (c == '\n') {
            rows.back().push_back(field);
            field.clear();
            rows.emplace_back();
        } else {
            field += c;
        }
    }
    rows.pop_back();  // after the last newline
    return rows;
}

TEST(Range, StepsIncludeTheEndAndRejectBadSteps) {
    std::string error;
    EXPECT_EQ(RangeByStep(0, 1, 0.1, error).size(), 11u);
    EXPECT_EQ(RangeByStep(0, 1, 0.1, error).back(), 1.0);
    EXPECT_EQ(RangeByStep(10, 0, -2.5, error), (std::vector<double>{10, 7.5, 5, 2.5, 0}));
    EXPECT_EQ(RangeByStep(0, 1, 0.3, error).back(), 0.8999999999999999);
    for (double step : {0.0, -1.0}) {
        EXPECT_TRUE(RangeByStep(0, 1, step, error).empty());
        EXPECT_FALSE(error.empty());
    }
    EXPECT_TRUE(RangeByStep(0, 1e9, 1, error).empty());  // too many rows
    EXPECT_EQ(RangeByCount(0, 1, 5, error), (std::vector<double>{0, 0.25, 0.5, 0.75, 1}));
}

// Ranges at the edges of the doubles: a difference or step so small that their product
// underflows, a quotient that overflows, ends whose difference overflows. Each is refused with a
// reason (the window shows it), never a crash or a runaway allocation.
TEST(Range, TinyAndHugeStepsAreRefusedWithAReason) {
    const double inf = std::numeric_limits<double>::infinity();
    struct TCase {
        double From, To, Step;
    };
    for (const TCase c :
         {TCase{0, -1e-300, 1e-300}, TCase{1, 0.9999999999, 1e-320}, TCase{0, 1e-300, -1e-300},
          TCase{0.9999999999, 1, 1e-320}, TCase{0, 1, 5e-324}, TCase{-1e308, 1e308, 1e300},
          TCase{0, inf, 1}, TCase{0, 1, std::nan("")}, TCase{-inf, 0, 1}}) {
        std::string error;
        EXPECT_TRUE(RangeByStep(c.From, c.To, c.Step, error).empty())
            << c.From << " " << c.To << " " << c.Step;
        EXPECT_FALSE(error.empty()) << c.From << " " << c.To << " " << c.Step;
    }
    std::string error;
    EXPECT_TRUE(RangeByCount(-1e308, 1e308, 3, error).empty());
    EXPECT_FALSE(error.empty());
    // Tiny but sound ranges still count.
    EXPECT_EQ(RangeByStep(0, 1e-300, 1e-301, error).size(), 11u);
    EXPECT_EQ(RangeByStep(0, -1e-300, -1e-300, error), (std::vector<double>{0, -1e-300}));
    EXPECT_EQ(RangeByStep(5, 5, 1e-320, error), (std::vector<double>{5}));
}

class TablesOfEveryLibrary : public testing::TestWithParam<const char*> {};

TEST_P(TablesOfEveryLibrary, IsobarRowsAreTheStatesOfTheStateTab) {
    const std::string lib = GetParam();
    const TKXFluidFunctions fluid = Fluid(lib);
    const double tt = Direct(lib, "Tt").Value;
    const double tc = Direct(lib, "Tc").Value;
    const double p = 0.5 * Direct(lib, "PsatT", tt + 0.7 * (tc - tt)).Value;
    std::string error;
    const auto temperatures = RangeByCount(tt + 0.2 * (tc - tt), tc + 30.0, 15, error);
    const TKXTable table = ComputeTable(fluid, TKXTableKind::Isobar, p, temperatures);
    ASSERT_EQ(table.Rows.size(), temperatures.size());
    int crossings = 0;
    for (std::size_t i = 0; i < table.Rows.size(); ++i) {
        const TKXState state = ComputeState(fluid, TKXInputPair::PT, p, temperatures[i]);
        ASSERT_TRUE(state.Ok) << state.ErrorText;
        for (std::size_t k = 0; k < table.Keys.size(); ++k) {
            const TKXCell& cell = table.Rows[i].Cells[k];
            const TKXCell& expected = state.Row(table.Keys[k])->Mixture;
            EXPECT_EQ(cell.HasValue, expected.HasValue) << table.Keys[k];
            EXPECT_EQ(cell.Value, expected.Value) << table.Keys[k];
            EXPECT_EQ(cell.Text, expected.Text) << table.Keys[k];
        }
        if (i > 0 &&
            state.Phase != ComputeState(fluid, TKXInputPair::PT, p, temperatures[i - 1]).Phase)
            ++crossings;
    }
    EXPECT_EQ(crossings, 1) << "the isobar below the critical pressure crosses the dome once";
}

TEST_P(TablesOfEveryLibrary, SaturationRowsAreTheSaturationFunctions) {
    const std::string lib = GetParam();
    const double tt = Direct(lib, "Tt").Value;
    const double tc = Direct(lib, "Tc").Value;
    std::string error;
    const auto temperatures = RangeByCount(tt, tc, 7, error);
    const TKXTable byT = ComputeTable(Fluid(lib), TKXTableKind::SaturationByT, 0, temperatures);
    ASSERT_EQ(byT.Keys, SaturationKeys());
    for (std::size_t i = 0; i + 1 < temperatures.size(); ++i) {  // the critical row may differ
        const double t = temperatures[i];
        const auto& c = byT.Rows[i].Cells;
        EXPECT_EQ(c[1].Value, Direct(lib, "PsatT", t).Value);
        EXPECT_EQ(c[2].Value, Direct(lib, "DTX", t, 0).Value);
        EXPECT_EQ(c[3].Value, Direct(lib, "DTX", t, 1).Value);
        EXPECT_EQ(c[6].Value, Direct(lib, "HTX", t, 1).Value - Direct(lib, "HTX", t, 0).Value);
        EXPECT_EQ(c[8].Value, Direct(lib, "STX", t, 1).Value);
        EXPECT_TRUE(byT.Rows[i].Error.empty()) << byT.Rows[i].Error;
    }
    const double p = Direct(lib, "PsatT", temperatures[2]).Value;
    const TKXTable byP = ComputeTable(Fluid(lib), TKXTableKind::SaturationByP, 0, {p});
    EXPECT_EQ(byP.Rows[0].Cells[0].Value, Direct(lib, "TsatP", p).Value);
    EXPECT_EQ(byP.Rows[0].Cells[4].Value, Direct(lib, "HPX", p, 0).Value);
}

INSTANTIATE_TEST_SUITE_P(Libraries, TablesOfEveryLibrary, testing::ValuesIn(AllLibraries));

// A blend's saturation table has both lines: by temperature the liquid (bubble) and vapour (dew)
// pressures, by pressure their temperatures, each side's states, and the glide at the row's
// pressure (by temperature at the bubble pressure), always in K.
TEST(Tables, BlendSaturationRowsHaveBothLinesAndTheGlide) {
    for (const char* lib : {"KX_R410A_FE", "KX_R404A_FE", "KX_R407C_FE", "KX_R507A_FE"}) {
        SCOPED_TRACE(lib);
        const double t = -10.0, p = 8.0;
        const TKXTable byT = ComputeTable(Fluid(lib), TKXTableKind::SaturationByT, 0, {t});
        const TKXTable byP = ComputeTable(Fluid(lib), TKXTableKind::SaturationByP, 0, {p});
        ASSERT_EQ(byT.Keys, SaturationKeys(Fluid(lib), true));
        ASSERT_EQ(byP.Keys, SaturationKeys(Fluid(lib), false));
        ASSERT_EQ(byT.Keys.size(), 11u);
        EXPECT_EQ(byP.Keys[1], "T_liq");
        const double pBubble = Direct(lib, "PbubT", t).Value;
        const std::vector<double> expectedT = {
            t,
            pBubble,
            Direct(lib, "PdewT", t).Value,
            Direct(lib, "DTX", t, 0).Value,
            Direct(lib, "DTX", t, 1).Value,
            Direct(lib, "HTX", t, 0).Value,
            Direct(lib, "HTX", t, 1).Value,
            Direct(lib, "HTX", t, 1).Value - Direct(lib, "HTX", t, 0).Value,
            Direct(lib, "STX", t, 0).Value,
            Direct(lib, "STX", t, 1).Value,
            Direct(lib, "TglideP", pBubble).Value};
        const std::vector<double> expectedP = {
            p,
            Direct(lib, "TbubP", p).Value,
            Direct(lib, "TdewP", p).Value,
            Direct(lib, "DPX", p, 0).Value,
            Direct(lib, "DPX", p, 1).Value,
            Direct(lib, "HPX", p, 0).Value,
            Direct(lib, "HPX", p, 1).Value,
            Direct(lib, "HPX", p, 1).Value - Direct(lib, "HPX", p, 0).Value,
            Direct(lib, "SPX", p, 0).Value,
            Direct(lib, "SPX", p, 1).Value,
            Direct(lib, "TglideP", p).Value};
        for (const auto& [table, expected] : {std::pair{&byT, &expectedT}, {&byP, &expectedP}}) {
            const TKXTableRow& row = table->Rows.at(0);
            EXPECT_TRUE(row.Error.empty()) << row.Error;
            ASSERT_EQ(row.Cells.size(), expected->size());
            for (std::size_t i = 0; i < expected->size(); ++i)
                EXPECT_EQ(row.Cells[i].Value, (*expected)[i]) << table->Keys[i];
        }
        EXPECT_GT(byP.Rows[0].Cells[10].Value, 0.0);
        // The glide is a difference: in K whatever the temperatures are shown in.
        const TKXUnitChoice engineering(Catalogue(), 1);
        EXPECT_EQ(ColumnTitle("glide", engineering), "glide [K]");
        EXPECT_EQ(ColumnTitle("T_liq", engineering), "T_liq [°F]");
        EXPECT_EQ(CellText(byP.Rows[0].Cells[10], "glide", engineering,
                           [](double v) { return Exact(v); }),
                  Exact(expectedP[10]));
    }
}

TEST(Tables, FailedRowsKeepTheirTextAndTheOthersAppear) {
    // An isotherm of water at 500 °C from 1 bar past the 1000 bar limit.
    std::string error;
    const TKXTable t = ComputeTable(Fluid("KX_WS_IF97"), TKXTableKind::Isotherm, 500,
                                    RangeByStep(1, 1201, 240, error));
    ASSERT_EQ(t.Rows.size(), 6u);
    for (std::size_t i = 0; i < 5; ++i) EXPECT_TRUE(t.Rows[i].Error.empty()) << i;
    EXPECT_EQ(t.Rows[5].Error, Direct("KX_WS_IF97", "HPT", 1201, 500).Text);
    EXPECT_EQ(t.Rows[5].Cells[1].Value, 1201.0);
}

TEST(Export, CsvReadsBackToTheSameNumbersInTheChosenUnits) {
    TKXUnitChoice units(Catalogue(), KXUnitSystemSI);
    ASSERT_TRUE(units.Choose("p", "MPa(a)"));
    ASSERT_TRUE(units.Choose("T", "K"));
    std::string error;
    const TKXTable table = ComputeTable(Fluid("KX_WS_IF97"), TKXTableKind::Isobar, 10,
                                        RangeByStep(-20, 300, 40, error));
    for (char separator : {',', '\t'}) {
        const auto rows = ReadDelimited(ExportTable(table, units, Exact, separator), separator);
        ASSERT_EQ(rows.size(), table.Rows.size() + 1);
        EXPECT_EQ(rows[0][0], "T [K]");
        EXPECT_EQ(rows[0][1], "p [MPa(a)]");
        EXPECT_EQ(rows[0][2], "rho [kg/m3]");
        for (std::size_t r = 0; r < table.Rows.size(); ++r) {
            const TKXTableRow& row = table.Rows[r];
            for (std::size_t k = 0; k < row.Cells.size(); ++k) {
                const std::string& field = rows[r + 1][k];
                if (!row.Cells[k].HasValue) {
                    EXPECT_EQ(field, row.Cells[k].Text);
                    continue;
                }
                double shown = 0;
                ASSERT_TRUE(units.FromStandard(table.Keys[k], row.Cells[k].Value, shown));
                EXPECT_EQ(std::strtod(field.c_str(), nullptr), shown) << table.Keys[k];
            }
            if (!row.Error.empty()) {
                EXPECT_EQ(rows[r + 1].back(), "error: " + row.Error);
            }
        }
        // The first row (-20 °C) failed and still shows its temperature and pressure.
        EXPECT_NEAR(std::strtod(rows[1][0].c_str(), nullptr), 253.15, 1e-9);
        EXPECT_NEAR(std::strtod(rows[1][1].c_str(), nullptr), 1.0, 1e-15);
        EXPECT_EQ(rows[1].size(), 3u);
    }
    // Quoting: a field with the separator survives.
    TKXTable odd{{"phase"}, {{{TKXCell::Words("a, \"b\"")}, ""}}};
    EXPECT_EQ(ReadDelimited(ExportTable(odd, units, Exact, ','), ',')[1][0], "a, \"b\"");
}

TEST(Export, StateTsvHasUnitsInTheHeaderAndTheSaturatedRowsOnTheDome) {
    const TKXUnitChoice units(Catalogue(), KXUnitSystemSI);
    const TKXState s = ComputeState(Fluid("KX_WS_IF97"), TKXInputPair::TX, 100, 0.25);
    const auto rows = ReadDelimited(ExportState(s, units, Exact, '\t'), '\t');
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0][1], "T [°C]");
    EXPECT_EQ(rows[1][0], "mixture");
    EXPECT_EQ(rows[2][0], "saturated liquid");
    EXPECT_EQ(rows[3][0], "saturated vapour");
    const std::size_t h = 5;  // state, T, p, rho, v, h
    EXPECT_EQ(rows[0][h], "h [kJ/kg]");
    EXPECT_EQ(std::strtod(rows[2][h].c_str(), nullptr), Direct("KX_WS_IF97", "HTX", 100, 0).Value);
}

TEST(Units, DefaultsFollowTheUnitSystemAndChoicesStayWithinTheQuantity) {
    const TKXUnitChoice si(Catalogue(), KXUnitSystemSI);
    TKXUnitChoice eng(Catalogue(), KXUnitSystemEngineering);
    EXPECT_EQ(si.UnitFor("T"), "°C");
    EXPECT_EQ(eng.UnitFor("T"), "°F");
    EXPECT_EQ(eng.UnitFor("p"), "psi(a)");
    EXPECT_EQ(eng.UnitFor("h_liq"), "BTU/lb");
    EXPECT_EQ(si.UnitFor("phase"), "");
    EXPECT_FALSE(eng.Choose("T", "bar(a)"));
    EXPECT_TRUE(eng.Choose("h", "kJ/kg"));
    EXPECT_EQ(eng.UnitFor("hvap"), "kJ/kg");  // the saturated columns follow their row
    double f = 0;
    ASSERT_TRUE(eng.FromStandard("T", 100, f));
    EXPECT_DOUBLE_EQ(f, 212.0);  // by the definition of the Fahrenheit scale
    double c = 0;
    ASSERT_TRUE(eng.ToStandard("T", 32, c));
    EXPECT_NEAR(c, 0.0, 1e-12);
}

}  // namespace
