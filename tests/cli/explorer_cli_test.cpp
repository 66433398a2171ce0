// varnexa-cli state and table: the line formats scripts read, the failure line, usage errors.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "VarnexaCli.h"

namespace {

std::vector<std::string> Split(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::string f;
    std::istringstream s(line);
    while (std::getline(s, f, separator)) fields.push_back(f);
    if (!line.empty() && line.back() == separator) fields.emplace_back();
    return fields;
}

// KEY -> {VALUE, UNIT} of a state's lines.
std::map<std::string, std::pair<std::string, std::string>> StateLines(const std::string& out) {
    std::map<std::string, std::pair<std::string, std::string>> lines;
    std::istringstream s(out);
    for (std::string line; std::getline(s, line);) {
        const auto f = Split(line, '\t');
        EXPECT_GE(f.size(), 3u) << line;
        if (f.size() >= 3) lines[f[0]] = {f[1], f[2]};
    }
    return lines;
}

std::string CallValue(const std::string& function, const std::string& x1, const std::string& x2) {
    return Split(Cli({"call", function, x1, x2}).Out, '\t')[0];
}

TEST(CliState, SeventeenDigitsAreTheValuesOfCall) {
    const CliRun r = Cli({"state", "KX_WS_IF97", "pT", "10", "250", "--digits", "17"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    const auto lines = StateLines(r.Out);
    const std::pair<const char*, const char*> keys[] = {
        {"rho", "DPT"}, {"h", "HPT"}, {"s", "SPT"}, {"cp", "CpPT"}, {"w", "WPT"}, {"eta", "DVPT"}};
    for (const auto& [key, fn] : keys) {
        ASSERT_TRUE(lines.count(key)) << key;
        EXPECT_EQ(
            std::strtod(lines.at(key).first.c_str(), nullptr),
            std::strtod(CallValue(std::string("KX_WS_IF97_") + fn, "10", "250").c_str(), nullptr))
            << key;
    }
    EXPECT_EQ(lines.at("phase").first, "superheated vapour (region 2)");
    EXPECT_EQ(lines.at("p").second, "bar(a)");
    EXPECT_EQ(lines.count("rho_liq"), 0u);
}

TEST(CliState, TwoPhaseStatesAddTheSaturatedLines) {
    const CliRun r = Cli({"state", "KX_R134a_FE", "Tx", "0", "0.4", "--unit", "p=kPa(a)"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    const auto lines = StateLines(r.Out);
    for (const char* key : {"rho_liq", "rho_vap", "h_liq", "h_vap", "s_liq", "s_vap"})
        EXPECT_TRUE(lines.count(key)) << key;
    // The IIR reference state: saturated liquid at 0 °C has h = 200 kJ/kg, s = 1 kJ/kgK.
    EXPECT_EQ(lines.at("h_liq").first, "200");
    EXPECT_EQ(lines.at("s_liq").first, "1");
    EXPECT_EQ(lines.at("p").second, "kPa(a)");
    EXPECT_EQ(lines.at("phase").first, "two-phase");
    EXPECT_EQ(lines.count("cp"), 0u);  // no heat capacity of the mixture
}

// On the dome the saturated liquid's and vapour's heat capacity, speed of sound and transport
// properties follow the six saturation lines: the (p, T) functions just inside each phase.
TEST(CliState, OnTheDomeTheSinglePhaseLimitsFollow) {
    const char* const added[] = {"cp_liq",  "cp_vap",     "w_liq",      "w_vap",  "eta_liq",
                                 "eta_vap", "lambda_liq", "lambda_vap", "Pr_liq", "Pr_vap"};
    const char* const functions[] = {"CpPT", "WPT", "DVPT", "TCPT", "PrPT"};
    for (const char* x : {"0", "0.5", "1"}) {
        const CliRun r = Cli({"state", "KX_WS_IF97", "Tx", "100", x, "--digits", "17"});
        ASSERT_EQ(r.Status, 0) << r.Err;
        std::vector<std::string> keys;
        std::istringstream s(r.Out);
        for (std::string line; std::getline(s, line);) keys.push_back(Split(line, '\t')[0]);
        const auto last = std::find(keys.begin(), keys.end(), "s_vap");
        ASSERT_NE(last, keys.end());
        EXPECT_EQ(std::vector<std::string>(last + 1, keys.end()),
                  std::vector<std::string>(std::begin(added), std::end(added)));
        const auto lines = StateLines(r.Out);
        const double p = std::strtod(lines.at("p").first.c_str(), nullptr);
        for (int i = 0; i < 10; ++i) {
            char pressure[40];
            std::snprintf(pressure, sizeof pressure, "%.17g", p * (i % 2 ? 1 - 1e-7 : 1 + 1e-7));
            const double expected = std::strtod(
                CallValue(std::string("KX_WS_IF97_") + functions[i / 2], pressure, "100").c_str(),
                nullptr);
            EXPECT_NEAR(std::strtod(lines.at(added[i]).first.c_str(), nullptr), expected,
                        1e-5 * expected)
                << added[i];
        }
        // Steam tables at 100 °C: cp' 4.22, cp'' 2.08 kJ/kgK.
        EXPECT_NEAR(std::strtod(lines.at("cp_liq").first.c_str(), nullptr), 4.22, 0.01);
        EXPECT_NEAR(std::strtod(lines.at("cp_vap").first.c_str(), nullptr), 2.08, 0.01);
        EXPECT_EQ(lines.at("eta_liq").second, "Pa.s");
        EXPECT_EQ(lines.count("cp"), 0u);
    }
}

TEST(CliState, AFailurePrintsTheLibraryTextAndExitsZero) {
    const CliRun r = Cli({"state", "KX_WS_IF97", "pT", "1", "-5"});
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out, "error\t" + Split(Cli({"call", "KX_WS_IF97_HPT", "1", "-5"}).Out, '\t')[2]);
}

// With --decimal-comma a CSV table separates its fields by ';' and reads back as the same
// numbers; an error text with ';' in it is quoted.
// A binary pair at a chosen composition has no state, table, diagram or cycle without its
// composition: each command refuses it with a usage error that names call, and call answers.
TEST(CliState, ALibraryWhoseFunctionsTakeACompositionIsCalledNotExplored) {
    const std::string refusal =
        "varnexa-cli: KX_MIX_R32_R1234yf: its functions take a composition (the mole fraction of "
        "the first component) as their last argument; call them with call, e.g. varnexa-cli call "
        "KX_MIX_R32_R1234yf_PbubT 0 0.5\n";
    const std::vector<std::vector<std::string>> commands = {
        {"state", "MIX_R32_R1234yf", "pT", "10", "20"},
        {"table", "KX_MIX_R32_R1234yf", "saturation", "--T", "0", "10", "5"},
        {"diagram", "R32/R1234yf", "ph", "--out", "never-written.svg"},
        {"cycle", "vapour-compression", "KX_MIX_R32_R1234yf", "--evap", "0", "--cond", "40"},
    };
    for (const auto& command : commands) {
        const CliRun r = Cli(command);
        EXPECT_EQ(r.Status, 2) << command[0];
        EXPECT_EQ(r.Err, refusal) << command[0];
        EXPECT_EQ(r.Out, "") << command[0];
    }
    const std::vector<std::string> call =
        Split(Cli({"call", "KX_MIX_R32_R1234yf_PbubT", "0", "0.5"}).Out, '\t');
    EXPECT_EQ(call.at(1), "0");
    EXPECT_GT(std::stod(call.at(0)), 1.0);
}

TEST(CliTable, DecimalCommaReadsBackAsTheSameNumbers) {
    const CliRun dot = Cli({"table", "KX_WS_IF97", "isobar", "--p", "1", "--T", "50", "650", "200",
                            "--csv", "--digits", "17"});
    const CliRun comma = Cli({"table", "KX_WS_IF97", "isobar", "--p", "1", "--T", "50", "650",
                              "200", "--csv", "--digits", "17", "--decimal-comma"});
    ASSERT_EQ(comma.Status, 0) << comma.Err;
    std::istringstream a(dot.Out), b(comma.Out);
    std::string lineA, lineB;
    int rows = 0;
    while (std::getline(a, lineA) && std::getline(b, lineB)) {
        if (rows++ == 0) continue;  // the header
        std::vector<std::string> fa = Split(lineA, ','), fb = Split(lineB, ';');
        ASSERT_EQ(fa.size(), fb.size()) << lineB;
        for (std::size_t i = 0; i < fa.size(); ++i) {
            std::string back = fb[i];
            for (char& c : back)
                if (c == ',') c = '.';
            EXPECT_EQ(back, fa[i]);
        }
    }
    EXPECT_EQ(rows, 5);
    // 2100 °C lies above IF97's range: the row's error text carries ';' and is quoted.
    const CliRun failed = Cli({"table", "KX_WS_IF97", "isobar", "--p", "1", "--T", "2100", "2100",
                               "1", "--csv", "--decimal-comma"});
    EXPECT_NE(failed.Out.find(";\"error: KX_WS_IF97_"), std::string::npos) << failed.Out;
}

TEST(CliTable, HeaderWithUnitsThenOneRowPerValue) {
    const CliRun r = Cli({"table", "KX_WS_IF97", "saturation", "--T", "20", "100", "20", "--csv"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    std::istringstream s(r.Out);
    std::vector<std::string> lines;
    for (std::string line; std::getline(s, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0],
              "T [°C],p [bar(a)],rho_liq [kg/m3],rho_vap [kg/m3],h_liq [kJ/kg],"
              "h_vap [kJ/kg],hvap [kJ/kg],s_liq [kJ/kgK],s_vap [kJ/kgK]");
    // 100 °C: 1.0142 bar(a) in five digits (IF97 saturation pressure 0.101418 MPa).
    EXPECT_EQ(Split(lines[5], ',')[1], "1.0142");

    const CliRun iso =
        Cli({"table", "KX_N2_FE", "isotherm", "--T", "-150", "--p", "1", "41", "20"});
    ASSERT_EQ(iso.Status, 0) << iso.Err;
    EXPECT_EQ(iso.Out.substr(0, iso.Out.find('\t')), "T [°C]");
    EXPECT_EQ(std::count(iso.Out.begin(), iso.Out.end(), '\n'), 4);
}

TEST(CliExplorer, UsageErrorsExitWithTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"state", "KX_NOPE", "pT", "1", "20"},
        {"state", "KX_WS_IF97", "pq", "1", "20"},
        {"state", "KX_WS_IF97", "pT", "abc", "20"},
        {"state", "KX_WS_IF97", "pT", "1", "20", "--unit", "T=bar(a)"},
        {"state", "KX_WS_IF97", "pT", "1", "20", "--digits", "18"},
        {"table", "KX_WS_IF97", "saturation", "--T", "0", "100", "0"},
        {"table", "KX_WS_IF97", "saturation"},
        {"table", "KX_WS_IF97", "isobar", "--p", "1", "--T", "0", "100"},
        {"table", "KX_WS_IF97", "isochore", "--p", "1"},
        // Steps whose sign test underflows, or whose count overflows.
        {"table", "KX_WS_IF97", "isobar", "--p", "1", "--T", "0", "-1e-300", "1e-300"},
        {"table", "KX_WS_IF97", "isobar", "--p", "1", "--T", "1", "0.9999999999", "1e-320"},
        {"table", "KX_WS_IF97", "isobar", "--p", "1", "--T", "0.9999999999", "1", "1e-320"}};
    for (const auto& c : cases) {
        const CliRun r = Cli(c);
        EXPECT_EQ(r.Status, 2) << c[0] << " " << c[2];
        EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << r.Err;
        EXPECT_TRUE(r.Out.empty()) << r.Out;
    }
}

}  // namespace

namespace {

TEST(CliDiagram, WritesNonEmptyPngAndSvgFiles) {
    const std::string dir = testing::TempDir();
    for (const auto& [kind, name] :
         {std::pair{"ph", "r134a_ph.png"}, std::pair{"hs", "water_hs.svg"},
          std::pair{"pT", "water_pt.svg"}}) {
        const std::string path = dir + "/" + name;
        std::remove(path.c_str());
        const CliRun r =
            Cli({"diagram", kind[0] == 'p' && kind[1] == 'h' ? "KX_R134a_FE" : "KX_WS_IF97", kind,
                 "--state", "pT", "10", "60", "--out", path, "--size", "640x480"});
        if (r.Status == 2 && r.Err.find("without Qt") != std::string::npos) GTEST_SKIP() << r.Err;
        ASSERT_EQ(r.Status, 0) << r.Err;
        EXPECT_TRUE(r.Out.empty()) << r.Out;
        std::ifstream file(path, std::ios::binary);
        const std::string content((std::istreambuf_iterator<char>(file)), {});
        EXPECT_GT(content.size(), 1000u) << path;
        if (path.ends_with(".svg"))
            EXPECT_NE(content.find("<svg"), std::string::npos);
        else
            EXPECT_EQ(content.substr(1, 3), "PNG");
    }
}

TEST(CliDiagram, UsageErrors) {
    for (const std::vector<std::string>& c :
         {std::vector<std::string>{"diagram", "KX_WS_IF97", "pv", "--out", "x.png"},
          std::vector<std::string>{"diagram", "KX_WS_IF97", "ph"},
          std::vector<std::string>{"diagram", "KX_WS_IF97", "ph", "--out", "x.png", "--size", "12"},
          std::vector<std::string>{"diagram", "KX_WS_IF97", "ph", "--out", "x.gif"}}) {
        const CliRun r = Cli(c);
        EXPECT_EQ(r.Status, 2) << c[2];
        EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << r.Err;
    }
}

}  // namespace

// The cycle command: a header, one line per state point with T p h s rho x, then KEY VALUE UNIT
// lines with the documented keys; an input the fluid does not allow prints one error line.
TEST(CliCycle, StateTableThenResultLines) {
    const CliRun r =
        Cli({"cycle", "vapour-compression", "R134a", "--evap", " -10", "--cond", "40",
             "--superheat", "5", "--subcool", "3", "--eta-s", "0.7", "--capacity", "10"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    std::istringstream s(r.Out);
    std::vector<std::vector<std::string>> lines;
    for (std::string line; std::getline(s, line);) lines.push_back(Split(line, '\t'));
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], (std::vector<std::string>{"point", "T [°C]", "p [bar(a)]", "h [kJ/kg]",
                                                  "s [kJ/kgK]", "rho [kg/m3]", "x [-]"}));
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(lines[i][0], std::to_string(i));
    EXPECT_EQ(lines[1][1], "-5");  // 5 K above the evaporating temperature
    std::map<std::string, std::string> units;
    for (std::size_t i = 5; i < lines.size(); ++i) units[lines[i][0]] = lines[i].at(2);
    for (const char* key : {"q_evap", "w_comp", "q_cond", "COP_cooling", "COP_heating",
                            "pressure_ratio", "T_discharge", "VRC", "m_dot", "P_comp"})
        EXPECT_TRUE(units.count(key)) << key;
    EXPECT_EQ(units["T_discharge"], "°C");
    EXPECT_EQ(units["COP_cooling"], "-");

    const CliRun bad = Cli(
        {"cycle", "rankine", "water", "--p-boiler", "80", "--T-live", "250", "--p-cond", "0.1"});
    EXPECT_EQ(bad.Status, 0);
    EXPECT_EQ(bad.Out.rfind("error\tThe live-steam temperature", 0), 0u) << bad.Out;
    EXPECT_NE(Cli({"cycle", "stirling", "R134a"}).Status, 0);

    // As CSV: the same lines with commas, or with ';' and decimal commas.
    std::vector<std::string> args(
        {"cycle", "vapour-compression", "R134a", "--evap", " -10", "--cond", "40", "--csv"});
    const std::string csv = Cli(args).Out;
    args.push_back("--decimal-comma");
    const std::string german = Cli(args).Out;
    std::string expected =
        Cli({"cycle", "vapour-compression", "R134a", "--evap", " -10", "--cond", "40"}).Out;
    std::replace(expected.begin(), expected.end(), '\t', ',');
    EXPECT_EQ(csv, expected);
    std::replace(expected.begin(), expected.end(), ',', ';');
    std::replace(expected.begin(), expected.end(), '.', ',');
    EXPECT_EQ(german, expected);
    const std::string refused =
        Cli({"cycle", "vapour-compression", "R134a", "--evap", "50", "--cond", "40", "--csv"}).Out;
    EXPECT_EQ(refused.rfind("error,The evaporating temperature", 0), 0u) << refused;
}
