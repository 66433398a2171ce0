// The humid-air libraries through the registry, as the window, the command line and the C
// interface call them: published values, rejected arguments with their codes and texts, and
// each inverse (RH, dew point, wet bulb, enthalpy) bringing its state back
// (tests/data/humid_air_registry.tsv).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "KXTsv.h"
#include "KX_Function_Call.h"
#include "KX_Libraries_Catalogue.h"
#include "VarnexaCli.h"

namespace {

struct TAnswer {
    double Value = 0.0;
    int32_t Code = -1;
    std::string Text;
};

TAnswer Call(const std::string& function, std::vector<double> args) {
    TAnswer a;
    int l = -1, f = -1;
    if (!KXRegistry().FindFunction(function, l, f)) {
        ADD_FAILURE() << "no function " << function;
        return a;
    }
    EXPECT_EQ(KXRegistry().GetNoOfArguments(l, f), static_cast<int>(args.size())) << function;
    args.resize(3, 0.0);
    char text[256] = "stale";
    a.Value = KXCallFunction(KXRegistry().GetFunctionPtr(l, f), args.data(), text, 255, &a.Code);
    a.Text = text;
    return a;
}

double Value(const std::string& function, const std::vector<double>& args) {
    const TAnswer a = Call(function, args);
    EXPECT_EQ(a.Code, 0) << function << ": " << a.Text;
    return a.Value;
}

std::vector<double> Arguments(const kxtsv::TKeyedRow& row) {
    std::vector<double> args;
    for (const char* column : {"x1", "x2", "x3"})
        if (!row.at(column).empty()) args.push_back(std::stod(row.at(column)));
    return args;
}

std::vector<kxtsv::TKeyedRow> Rows(const std::string& kind) {
    std::vector<kxtsv::TKeyedRow> rows;
    for (const kxtsv::TKeyedRow& row : kxtsv::ReadKeyed("humid_air_registry.tsv"))
        if (row.at("kind") == kind) rows.push_back(row);
    EXPECT_FALSE(rows.empty()) << kind;
    return rows;
}

TEST(HumidAirRegistry, PublishedValues) {
    for (const kxtsv::TKeyedRow& row : Rows("value")) {
        SCOPED_TRACE(row.at("function"));
        EXPECT_NEAR(Value(row.at("function"), Arguments(row)), std::stod(row.at("expected")),
                    std::stod(row.at("tolerance")));
    }
}

TEST(HumidAirRegistry, RejectedArgumentsGiveTheirCodeAndText) {
    for (const kxtsv::TKeyedRow& row : Rows("error")) {
        SCOPED_TRACE(row.at("function"));
        const TAnswer a = Call(row.at("function"), Arguments(row));
        EXPECT_EQ(a.Code, std::stoi(row.at("expected")));
        EXPECT_EQ(a.Text, row.at("tolerance"));
        EXPECT_EQ(a.Value, 0.0);
    }
}

TEST(HumidAirRegistry, EveryInverseBringsItsStateBack) {
    for (const kxtsv::TKeyedRow& row : Rows("roundtrip")) {
        const std::string lib = row.at("function") + "_";
        const double p = std::stod(row.at("x1")), T = std::stod(row.at("x2"));
        const double W = std::stod(row.at("x3"));
        SCOPED_TRACE(lib + " " + row.at("x1") + " " + row.at("x2") + " " + row.at("x3"));
        const double rh = Value(lib + "RPTW", {p, T, W});
        EXPECT_NEAR(Value(lib + "WPTR", {p, T, rh}), W, 1e-10 * W);
        const double td = Value(lib + "TdPW", {p, W});
        EXPECT_LT(td, T);
        EXPECT_NEAR(Value(lib + "WPTTd", {p, T, td}), W, 1e-9 * W);
        const double twb = Value(lib + "TwbPTW", {p, T, W});
        EXPECT_GE(twb, td);
        EXPECT_LE(twb, T);
        EXPECT_NEAR(Value(lib + "WPTTwb", {p, T, twb}), W, 1e-7 * W);
        const double h = Value(lib + "HPTW", {p, T, W});
        EXPECT_NEAR(Value(lib + "TPHW", {p, h, W}), T, 1e-7);
    }
}

// The command line calls a function of three arguments by name and prints what the registry
// answers.
TEST(HumidAirRegistry, CommandLineCall) {
    const char* argv[] = {"varnexa-cli", "call", "KX_HA_RP1485_HPTW", "1.01325", "25", "0.01"};
    std::istringstream in;
    std::ostringstream out, err;
    ASSERT_EQ(RunVarnexaCli(6, argv, in, out, err), 0) << err.str();
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.17g\t0\t\n",
                  Value("KX_HA_RP1485_HPTW", {1.01325, 25.0, 0.01}));
    EXPECT_EQ(out.str(), expected);
}

}  // namespace
