// The registry as the window sees it: every library in order, with the names, arities and
// quantities of its functions.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "KX_Libraries_Catalogue.h"

namespace {

struct ExpectedLibrary {
    int Index;
    std::string Name;
    int Count;
    std::vector<std::string> Absent;
    bool AddsZPT;
    std::vector<std::string> Appended;
};

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> parts;
    if (text == "-") return parts;
    std::istringstream s(text);
    for (std::string p; std::getline(s, p, ',');) parts.push_back(p);
    return parts;
}

std::vector<ExpectedLibrary> ReadCatalogue() {
    std::ifstream file(std::string(VARNEXA_TEST_DATA_DIR) + "/library_catalogue.tsv");
    std::vector<ExpectedLibrary> rows;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream s(line);
        ExpectedLibrary row;
        std::string absent, added, appended;
        s >> row.Index >> row.Name >> row.Count >> absent >> added >> appended;
        row.Absent = Split(absent);
        row.AddsZPT = added == "ZPT";
        row.Appended = Split(appended);
        rows.push_back(row);
    }
    return rows;
}

// The full function set in its order, with each function's arity, result and arguments.
struct FullRow {
    const char* ShortName;
    int Arity;
    const char* Result;
    int ResultQuantity;
    const char* X1;
    int X1Quantity;
    const char* X2;
    int X2Quantity;
};

const FullRow FullSet[] = {
    {"PsatT", 1, "Pressure", 2, "Temperature", 31, "", 0},
    {"TsatP", 1, "Temperature", 31, "Pressure", 2, "", 0},
    {"DTX", 2, "Density", 15, "Temperature", 31, "Vapor Fraction", 34},
    {"VTX", 2, "Volume", 16, "Temperature", 31, "Vapor Fraction", 34},
    {"HTX", 2, "Enthalpy", 4, "Temperature", 31, "Vapor Fraction", 34},
    {"STX", 2, "Entropy", 5, "Temperature", 31, "Vapor Fraction", 34},
    {"DPX", 2, "Density", 15, "Pressure", 2, "Vapor Fraction", 34},
    {"VPX", 2, "Volume", 16, "Pressure", 2, "Vapor Fraction", 34},
    {"HPX", 2, "Enthalpy", 4, "Pressure", 2, "Vapor Fraction", 34},
    {"SPX", 2, "Entropy", 5, "Pressure", 2, "Vapor Fraction", 34},
    {"DPT", 2, "Density", 15, "Pressure", 2, "Temperature", 31},
    {"VPT", 2, "Volume", 16, "Pressure", 2, "Temperature", 31},
    {"HPT", 2, "Enthalpy", 4, "Pressure", 2, "Temperature", 31},
    {"SPT", 2, "Entropy", 5, "Pressure", 2, "Temperature", 31},
    {"TPH", 2, "Temperature", 31, "Pressure", 2, "Enthalpy", 4},
    {"XPH", 2, "Vapor Fraction", 34, "Pressure", 2, "Enthalpy", 4},
    {"SPH", 2, "Entropy", 5, "Pressure", 2, "Enthalpy", 4},
    {"VPH", 2, "Volume", 16, "Pressure", 2, "Enthalpy", 4},
    {"DPH", 2, "Density", 15, "Pressure", 2, "Enthalpy", 4},
    {"TPS", 2, "Temperature", 31, "Pressure", 2, "Entropy", 5},
    {"XPS", 2, "Vapor Fraction", 34, "Pressure", 2, "Entropy", 5},
    {"HPS", 2, "Enthalpy", 4, "Pressure", 2, "Entropy", 5},
    {"VPS", 2, "Volume", 16, "Pressure", 2, "Entropy", 5},
    {"DPS", 2, "Density", 15, "Pressure", 2, "Entropy", 5},
    {"XTH", 2, "Vapor Fraction", 34, "Temperature", 31, "Enthalpy", 4},
    {"XTS", 2, "Vapor Fraction", 34, "Temperature", 31, "Entropy", 5},
    {"CpPT", 2, "IsobarHeatCap", 11, "Pressure", 2, "Temperature", 31},
    {"CvPT", 2, "IsochorHeatCap", 11, "Pressure", 2, "Temperature", 31},
    {"KPT", 2, "IsentrExp", 0, "Pressure", 2, "Temperature", 31},
    {"WPT", 2, "Sonic Velocity", 27, "Pressure", 2, "Temperature", 31},
    {"STT", 1, "SurfaceTension", 37, "Temperature", 31, "", 0},
    {"TCPT", 2, "ThermalCond", 35, "Pressure", 2, "Temperature", 31},
    {"DVPT", 2, "DynVisc", 17, "Pressure", 2, "Temperature", 31},
    {"KVPT", 2, "KinVisc", 18, "Pressure", 2, "Temperature", 31},
    {"PrPT", 2, "Prandtl", 36, "Pressure", 2, "Temperature", 31},
    {"MM", 0, "Molar Mass", 38, "", 0, "", 0},
    {"Pc", 0, "Pressure", 2, "", 0, "", 0},
    {"Tc", 0, "Temperature", 31, "", 0, "", 0},
    {"Pt", 0, "Pressure", 2, "", 0, "", 0},
    {"Tt", 0, "Temperature", 31, "", 0, "", 0},
};
const FullRow ZPT = {"ZPT", 2, "Compressibility", 48, "Pressure", 2, "Temperature", 31};

std::vector<FullRow> ExpectedFunctions(const ExpectedLibrary& library) {
    std::vector<FullRow> rows;
    for (const FullRow& row : FullSet) {
        if (std::find(library.Absent.begin(), library.Absent.end(), row.ShortName) !=
            library.Absent.end())
            continue;
        rows.push_back(row);
        if (library.AddsZPT && std::string(row.ShortName) == "WPT") rows.push_back(ZPT);
    }
    for (const std::string& name : library.Appended) {
        const auto row = std::find_if(std::begin(FullSet), std::end(FullSet),
                                      [&](const FullRow& r) { return r.ShortName == name; });
        if (row != std::end(FullSet)) rows.push_back(*row);
    }
    return rows;
}

class CatalogueTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CreateKXLibraries(Registry); }
    static TKXLibraries Registry;
};
TKXLibraries CatalogueTest::Registry;

TEST_F(CatalogueTest, EveryRegisteredLibraryHasItsFunctionsInOrder) {
    const auto expected = ReadCatalogue();
    ASSERT_EQ(expected.size(), 14u);
    ASSERT_EQ(Registry.Count(), 14);
    for (int l = 0; l < Registry.Count(); ++l) {
        const ExpectedLibrary& lib = expected[l];
        SCOPED_TRACE(lib.Name);
        ASSERT_EQ(Registry.Library(l)->Library_Name, lib.Name);
        const auto rows = ExpectedFunctions(lib);
        ASSERT_EQ(static_cast<int>(rows.size()), lib.Count);
        ASSERT_EQ(Registry.Library(l)->Count(), lib.Count);
        for (int f = 0; f < lib.Count; ++f) {
            const FullRow& row = rows[f];
            SCOPED_TRACE(row.ShortName);
            EXPECT_EQ(Registry.Library(l)->Function(f)->FunctionName, lib.Name + "_" + row.ShortName);
            EXPECT_EQ(Registry.GetNoOfArguments(l, f), row.Arity);
            EXPECT_EQ(Registry.GetResultName(l, f), row.Result);
            EXPECT_EQ(Registry.GetResultUnitIndex(l, f), row.ResultQuantity);
            EXPECT_EQ(Registry.GetArgumentName(l, f, 1), row.X1);
            EXPECT_EQ(Registry.GetArgumentUnitIndex(l, f, 1), row.X1Quantity);
            EXPECT_EQ(Registry.GetArgumentName(l, f, 2), row.X2);
            EXPECT_EQ(Registry.GetArgumentUnitIndex(l, f, 2), row.X2Quantity);
            const TKXFunctionPtr p = Registry.GetFunctionPtr(l, f);
            EXPECT_EQ(p.Constant != nullptr, row.Arity == 0);
            EXPECT_EQ(p.Unary != nullptr, row.Arity == 1);
            EXPECT_EQ(p.Binary != nullptr, row.Arity == 2);
        }
    }
}

TEST_F(CatalogueTest, FiveHundredFiftyEightFunctionsByArity) {
    int byArity[3] = {0, 0, 0};
    for (int l = 0; l < Registry.Count(); ++l)
        for (int f = 0; f < Registry.Library(l)->Count(); ++f) ++byArity[Registry.GetNoOfArguments(l, f)];
    EXPECT_EQ(byArity[0], 70);
    EXPECT_EQ(byArity[1], 41);
    EXPECT_EQ(byArity[2], 447);
}

TEST_F(CatalogueTest, PositionsTheWindowReliesOn) {
    const auto name = [](int l, int f) { return Registry.Library(l)->Function(f)->FunctionName; };
    EXPECT_EQ(name(11, 30), "KX_H2_FE_ZPT");
    EXPECT_EQ(Registry.GetResultUnitIndex(11, 30), 48);
    EXPECT_EQ(name(10, 30), "KX_Ar_FE_MM");
    EXPECT_EQ(Registry.GetNoOfArguments(10, 30), 0);
    EXPECT_EQ(name(8, 30), "KX_O2_FE_DVPT");
    EXPECT_EQ(Registry.Library(12)->Library_Name, "KX_H2o_FE");
    EXPECT_EQ(Registry.Library(13)->Library_Name, "KX_H2p_FE");
    for (int l = 0; l < 14; ++l) {
        EXPECT_EQ(Registry.GetArgumentName(l, 0, 1), "Temperature");
        EXPECT_EQ(Registry.GetResultUnitIndex(l, 28), 0);
    }
}

TEST_F(CatalogueTest, WaterAndSteamComesFirst) {
    EXPECT_EQ(Registry.GetNoOfArguments(0, 0), 1);
    EXPECT_EQ(Registry.GetNoOfArguments(0, 40), -1);
    EXPECT_EQ(Registry.GetResultName(0, 28), "IsentrExp");
}

}  // namespace
