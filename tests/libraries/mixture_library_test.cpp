// The blends as mixture libraries, through the registry as every caller sees them: the pack's
// bubble and dew points with the incipient phases, the lines closing on themselves, the
// single-phase states against the mixture model's own pressure, the reference state, and wrong
// inputs refused with a code.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "KXTsv.h"
#include "KX_Function_Call.h"
#include "KX_Libraries_Catalogue.h"
#include "KX_Mixture_Blends.h"
#include "KX_Mixture_Pairs.h"

namespace {

constexpr double Kelvin = 273.15;
const double NaN = std::numeric_limits<double>::quiet_NaN();

struct TAnswer {
    double Value = 0.0;
    int32_t Code = -1;
    std::string Text;
};

TAnswer Call(const std::string& library, const std::string& shortName, double x1 = 0.0,
             double x2 = 0.0) {
    TAnswer a;
    int l = 0, f = 0;
    if (!KXRegistry().FindFunction(library + "_" + shortName, l, f)) {
        a.Text = "no function " + library + "_" + shortName;
        return a;
    }
    const double args[] = {x1, x2, 0.0};
    char text[256] = "";
    a.Value = KXCallFunction(KXRegistry().GetFunctionPtr(l, f), args, text, 255, &a.Code);
    a.Text = text;
    return a;
}

double Value(const std::string& library, const std::string& shortName, double x1 = 0.0,
             double x2 = 0.0) {
    const TAnswer a = Call(library, shortName, x1, x2);
    EXPECT_EQ(a.Code, 0) << library << "_" << shortName << "(" << x1 << ", " << x2
                         << "): " << a.Text;
    return a.Value;
}

double Value3(const std::string& library, const std::string& shortName, double x1, double x2,
              double x3) {
    int l = 0, f = 0;
    EXPECT_TRUE(KXRegistry().FindFunction(library + "_" + shortName, l, f)) << shortName;
    const double args[] = {x1, x2, x3};
    char text[256] = "";
    int32_t code = -1;
    const double value = KXCallFunction(KXRegistry().GetFunctionPtr(l, f), args, text, 255, &code);
    EXPECT_EQ(code, 0) << library << "_" << shortName << ": " << text;
    return value;
}

std::vector<std::string> MixtureLibraries() {
    std::vector<std::string> names;
    const TKXLibraries& registry = KXRegistry();
    for (int i = 0; i < registry.Count(); ++i)
        if (registry.Library(i)->Info.Kind == TKXLibraryKind::Mixture &&
            !registry.Library(i)->Info.CompositionArgument)
            names.push_back(registry.Library(i)->Library_Name);
    return names;
}

// "KX_R454B_MIX" -> "R-454B", the blend of the mixture model.
std::string BlendOf(const std::string& library) {
    const std::string code = library.substr(3, library.size() - 7);
    return code.substr(0, 1) + "-" + code.substr(1);
}

std::vector<double> Numbers(const std::string& field) {
    std::vector<double> v;
    std::istringstream in(field);
    for (double x; in >> x;) v.push_back(x);
    return v;
}

TEST(MixtureLibraries, ElevenInTheirOrderAfterEveryOtherLibrary) {
    const std::vector<std::string> expected = {"KX_R454B_MIX", "KX_R513A_MIX", "KX_R410A_MIX",
                                               "KX_R407C_MIX", "KX_R404A_MIX", "KX_R507A_MIX",
                                               "KX_R448A_MIX", "KX_R449A_MIX", "KX_R452B_MIX",
                                               "KX_R454A_MIX", "KX_R454C_MIX"};
    EXPECT_EQ(MixtureLibraries(), expected);
    const TKXLibraries& registry = KXRegistry();
    // Followed only by the binary pairs at a chosen composition.
    EXPECT_EQ(registry.FindLibrary("KX_R454B_MIX"),
              registry.Count() - 11 - static_cast<int>(MixturePairLibraryCount));
}

// The pack's bubble and dew pressures and incipient phases (computed with an independent
// implementation) through the library functions, in program units.
TEST(MixtureLibraries, MatchThePacksBubbleAndDewPoints) {
    const auto rows = kxtsv::ReadKeyed("mixture_library_checks.tsv");
    ASSERT_EQ(rows.size(), 33u);
    for (const auto& row : rows) {
        const std::string lib = row.at("library");
        const double T = std::stod(row.at("T_K")) - Kelvin;
        SCOPED_TRACE(lib + " at " + row.at("T_K") + " K");
        const double pb = std::stod(row.at("bubble_p_Pa")) / 1e5;
        const double pd = std::stod(row.at("dew_p_Pa")) / 1e5;
        EXPECT_NEAR(Value(lib, "PbubT", T), pb, 1e-8 * pb);
        EXPECT_NEAR(Value(lib, "PdewT", T), pd, 1e-8 * pd);
        EXPECT_EQ(Value(lib, "PsatT", T), Value(lib, "PbubT", T));
        const std::vector<double> y = Numbers(row.at("incipient_vapour_y"));
        const std::vector<double> x = Numbers(row.at("incipient_liquid_x"));
        for (std::size_t i = 0; i < y.size(); ++i) {
            EXPECT_NEAR(Value(lib, "YbubT", T, i + 1.0), y[i], 1e-8) << "component " << i + 1;
            EXPECT_NEAR(Value(lib, "XdewT", T, i + 1.0), x[i], 1e-8) << "component " << i + 1;
            // The same incipient phase from the line's pressure.
            EXPECT_NEAR(Value(lib, "YbubP", pb, i + 1.0), y[i], 1e-7) << "component " << i + 1;
            EXPECT_NEAR(Value(lib, "XdewP", pd, i + 1.0), x[i], 1e-7) << "component " << i + 1;
        }
        EXPECT_NE(Call(lib, "YbubT", T, y.size() + 1.0).Code, 0);
    }
}

class MixtureLibrary : public testing::TestWithParam<std::string> {};

// From the lowest temperature to 60 °C: each line at T is the line at its own pressure, the
// glide is positive, and the incipient phases' mole fractions sum to one.
TEST_P(MixtureLibrary, LinesCloseAndPhasesSumToOne) {
    const std::string lib = GetParam();
    const TMixture mix = MakeBlend(BlendOf(lib));
    for (double T : {-70.0, -40.0, 0.0, 30.0, 60.0}) {
        SCOPED_TRACE(T);
        const double pb = Value(lib, "PbubT", T), pd = Value(lib, "PdewT", T);
        EXPECT_NEAR(Value(lib, "TbubP", pb), T, 1e-7);
        EXPECT_NEAR(Value(lib, "TdewP", pd), T, 1e-7);
        EXPECT_EQ(Value(lib, "TsatP", pb), Value(lib, "TbubP", pb));
        EXPECT_GE(pb, pd);
        const double glide = Value(lib, "TglideP", pb);
        EXPECT_GT(glide, 0.0);
        EXPECT_NEAR(glide, Value(lib, "TdewP", pb) - Value(lib, "TbubP", pb), 1e-9);
        double ySum = 0.0, xSum = 0.0;
        for (std::size_t i = 1; i <= mix.Size(); ++i) {
            ySum += Value(lib, "YbubT", T, static_cast<double>(i));
            xSum += Value(lib, "XdewT", T, static_cast<double>(i));
        }
        EXPECT_NEAR(ySum, 1.0, 1e-12);
        EXPECT_NEAR(xSum, 1.0, 1e-12);
    }
}

// A single-phase state's density gives back its pressure through the mixture model; the phase
// follows the lines: liquid below the bubble, vapour above the dew temperature, refused between.
// The saturated liquid at 0 °C is the reference state.
TEST_P(MixtureLibrary, SinglePhaseStatesFollowTheLines) {
    const std::string lib = GetParam();
    const TMixture mix = MakeBlend(BlendOf(lib));
    const double M = Value(lib, "MM") / 1000.0;
    for (double P : {1.0, 5.0, 20.0}) {
        const double tb = Value(lib, "TbubP", P), td = Value(lib, "TdewP", P);
        // The liquid next to the bubble point is far denser than the vapour next to the dew point.
        EXPECT_GT(Value(lib, "DPT", P, tb - 0.1), 4.0 * Value(lib, "DPT", P, td + 0.1));
        for (double T : {tb - 20.0, tb - 0.1, td + 0.1, td + 40.0}) {
            SCOPED_TRACE(std::to_string(P) + " bar, " + std::to_string(T) + " °C");
            const double rho = Value(lib, "DPT", P, T);
            EXPECT_NEAR(mix.Pressure(T + Kelvin, rho / M, mix.Composition()), P * 1e5,
                        1e-9 * P * 1e5);
            EXPECT_NEAR(Value(lib, "VPT", P, T) * rho, 1.0, 1e-14);
            for (const char* f : {"CpPT", "CvPT", "WPT"}) EXPECT_GT(Value(lib, f, P, T), 0.0);
            EXPECT_GT(Value(lib, "CpPT", P, T), Value(lib, "CvPT", P, T));
        }
        const TAnswer twoPhase = Call(lib, "HPT", P, 0.5 * (tb + td));
        EXPECT_EQ(twoPhase.Code, 1) << twoPhase.Text;
        EXPECT_NE(twoPhase.Text.find("Two-phase"), std::string::npos) << twoPhase.Text;
    }
    // Between the lines' pressures at the lowest temperature the bubble temperature lies below
    // the range: still two-phase there.
    const double pLow = std::sqrt(Value(lib, "PbubT", -73.15) * Value(lib, "PdewT", -73.15));
    const TAnswer low = Call(lib, "DPT", pLow, -73.15);
    EXPECT_EQ(low.Code, 1) << low.Text;
    EXPECT_NE(low.Text.find("Two-phase"), std::string::npos) << low.Text;
    const double p0 = Value(lib, "PbubT", 0.0) * (1.0 + 1e-9);
    EXPECT_NEAR(Value(lib, "HPT", p0, 0.0), 200.0, 1e-5);
    EXPECT_NEAR(Value(lib, "SPT", p0, 0.0), 1.0, 1e-7);
}

// Two-phase states at a vapour fraction: the ends are the bubble and the dew point and meet the
// one-phase states there, enthalpy and entropy rise with the vapour fraction, the state at
// (p, x) is the state at its (T, x), and each phase's mole fractions sum to one.
TEST_P(MixtureLibrary, TwoPhaseStatesCloseOnTheLines) {
    const std::string lib = GetParam();
    const std::size_t n = MakeBlend(BlendOf(lib)).Size();
    for (double P : {2.0, 10.0}) {
        SCOPED_TRACE(P);
        const double tb = Value(lib, "TbubP", P), td = Value(lib, "TdewP", P);
        EXPECT_EQ(Value(lib, "TPX", P, 0.0), tb);
        EXPECT_EQ(Value(lib, "TPX", P, 1.0), td);
        const double dT = 1e-6;
        EXPECT_NEAR(Value(lib, "HPX", P, 0.0), Value(lib, "HPT", P, tb - dT), 1e-4);
        EXPECT_NEAR(Value(lib, "HPX", P, 1.0), Value(lib, "HPT", P, td + dT), 1e-4);
        EXPECT_NEAR(Value(lib, "DPX", P, 0.0), Value(lib, "DPT", P, tb - dT), 1e-3);
        double h = Value(lib, "HPX", P, 0.0), s = Value(lib, "SPX", P, 0.0), t = tb;
        for (double x : {0.25, 0.5, 0.75, 1.0}) {
            SCOPED_TRACE(x);
            const double hx = Value(lib, "HPX", P, x), sx = Value(lib, "SPX", P, x);
            const double tx = Value(lib, "TPX", P, x);
            EXPECT_GT(hx, h);
            EXPECT_GT(sx, s);
            EXPECT_GT(tx, t);
            h = hx, s = sx, t = tx;
            EXPECT_NEAR(Value(lib, "PTX", tx, x), P, 1e-9 * P);
            EXPECT_NEAR(Value(lib, "HTX", tx, x), hx, 1e-7);
            EXPECT_NEAR(Value(lib, "STX", tx, x), sx, 1e-9);
            EXPECT_NEAR(Value(lib, "DTX", tx, x) * Value(lib, "VPX", P, x), 1.0, 1e-9);
            double xSum = 0.0, ySum = 0.0;
            for (std::size_t i = 1; i <= n; ++i) {
                const double c = static_cast<double>(i);
                xSum += Value3(lib, "XLPX", P, x, c);
                ySum += Value3(lib, "YVPX", P, x, c);
                EXPECT_NEAR(Value3(lib, "XLTX", tx, x, c), Value3(lib, "XLPX", P, x, c), 1e-9);
            }
            EXPECT_NEAR(xSum, 1.0, 1e-12);
            EXPECT_NEAR(ySum, 1.0, 1e-12);
        }
        // At x = 0 the vapour is the first vapour at the bubble point.
        EXPECT_NEAR(Value3(lib, "YVPX", P, 0.0, 1.0), Value(lib, "YbubP", P, 1.0), 1e-12);
    }
}

// Flashes from (p, h) and (p, s) find the state whose h (s) was computed: a liquid, a vapour and
// two-phase states at each pressure, and one-phase states above the lines; the two-phase ends are
// the bubble and the dew point, and outside the range the code names the side.
TEST_P(MixtureLibrary, FlashesFromEnthalpyAndEntropyFindTheirState) {
    const std::string lib = GetParam();
    struct TState {
        double P, T, X;       // X < 0: one phase at (P, T)
        bool Beyond = false;  // at a pressure where the solver finds no dew point
    };
    std::vector<TState> states;
    for (double P : {2.0, 10.0, 25.0}) {
        const double tb = Value(lib, "TbubP", P), td = Value(lib, "TdewP", P);
        for (double x : {0.0, 1e-3, 0.3, 0.7, 0.999, 1.0}) states.push_back({P, 0.0, x});
        states.push_back({P, tb - 30.0, -1.0});
        states.push_back({P, tb - 1e-3, -1.0});
        states.push_back({P, td + 1e-3, -1.0});
        states.push_back({P, td + 40.0, -1.0});
    }
    // Above the lines: density falls and enthalpy rises along the isobar (a spurious root of the
    // equation at low temperature once gave a "vapour" of h = -2e5 kJ/kg here).
    double rho = 1e9, h = -1e9;
    for (double T : {-70.0, -50.0, -20.0, 0.0, 30.0, 60.0, 100.0, 130.0}) {
        states.push_back({150.0, T, -1.0, true});
        EXPECT_LT(Value(lib, "DPT", 150.0, T), rho) << T;
        EXPECT_GT(Value(lib, "HPT", 150.0, T), h) << T;
        rho = Value(lib, "DPT", 150.0, T), h = Value(lib, "HPT", 150.0, T);
    }
    // Near the critical pressure, where the dew point is not found: the liquid below a bubble
    // point that is, and the vapour well above the lines, are still answered.
    double near = 20.0;
    while (near < 100.0 && Call(lib, "TdewP", near).Code == 0) near += 1.0;
    ASSERT_EQ(Call(lib, "TdewP", near).Code, 26) << near;
    states.push_back({near, -20.0, -1.0, true});
    states.push_back({near, 130.0, -1.0, true});
    for (const TState& st : states) {
        const bool twoPhase = st.X >= 0.0;
        SCOPED_TRACE(std::to_string(st.P) + " bar, " +
                     (twoPhase ? "x " + std::to_string(st.X) : std::to_string(st.T) + " °C"));
        const double h = twoPhase ? Value(lib, "HPX", st.P, st.X) : Value(lib, "HPT", st.P, st.T);
        const double s = twoPhase ? Value(lib, "SPX", st.P, st.X) : Value(lib, "SPT", st.P, st.T);
        const double d = twoPhase ? Value(lib, "DPX", st.P, st.X) : Value(lib, "DPT", st.P, st.T);
        const double T = twoPhase ? Value(lib, "TPX", st.P, st.X) : st.T;
        // Above the lines: 0 well below, 1 well above the critical region (none checked between).
        const bool above = st.P > 100.0 || st.Beyond;
        const double x = twoPhase ? st.X
                         : above  ? (T <= 30.0    ? 0.0
                                     : T >= 100.0 ? 1.0
                                                  : NaN)
                                  : (T < Value(lib, "TbubP", st.P) ? 0.0 : 1.0);
        // The vapour fraction holds to 1e-9 (a near-azeotrope's split is ill-conditioned): what
        // that moves in h, s and v between the phases, besides their own 1e-10.
        const double dx = 1e-9, tol = 1e-10;
        const double dh = above ? 0.0 : Value(lib, "HPX", st.P, 1.0) - Value(lib, "HPX", st.P, 0.0);
        const double ds = above ? 0.0 : Value(lib, "SPX", st.P, 1.0) - Value(lib, "SPX", st.P, 0.0);
        const double dv = above ? 0.0 : Value(lib, "VPX", st.P, 1.0) - Value(lib, "VPX", st.P, 0.0);
        for (const bool fromH : {true, false}) {
            const double v = fromH ? h : s;
            const std::string k = fromH ? "PH" : "PS";
            EXPECT_NEAR(Value(lib, "T" + k, st.P, v), T, 1e-8);
            if (!std::isnan(x)) {
                EXPECT_NEAR(Value(lib, "X" + k, st.P, v), x, dx);
            }
            EXPECT_NEAR(1.0 / Value(lib, "D" + k, st.P, v), 1.0 / d, dx * dv + tol / d);
            EXPECT_NEAR(Value(lib, "V" + k, st.P, v), 1.0 / d, dx * dv + tol / d);
        }
        // The vapour fraction of the state's (p, T), where the glide lets (p, T) name it.
        if (!std::isnan(x)) {
            EXPECT_NEAR(Value(lib, "XPT", st.P, T), x, dx);
        }
        EXPECT_NEAR(Value(lib, "SPH", st.P, h), s, dx * ds + tol);
        EXPECT_NEAR(Value(lib, "HPS", st.P, s), h, dx * dh + tol * std::fabs(h));
    }
    const TAnswer high = Call(lib, "TPH", 10.0, 5000.0), low = Call(lib, "TPS", 10.0, -20.0);
    EXPECT_EQ(high.Code, 9) << high.Text;
    EXPECT_EQ(low.Code, 10) << low.Text;
    EXPECT_EQ(Call(lib, "DPH", 1e-6, 300.0).Code, 4);
    EXPECT_EQ(Call(lib, "XPS", NaN, 1.0).Code, 4);
    EXPECT_EQ(Call(lib, "HPS", 10.0, NaN).Code, 10);
}

// Wrong inputs answer a code and 0, never a number with code 0.
TEST_P(MixtureLibrary, WrongInputsGiveACode) {
    const std::string lib = GetParam();
    struct TCase {
        const char* Function;
        double X1, X2;
        int32_t Code;
    };
    const TCase cases[] = {
        {"PbubT", -80.0, 0, 2},  {"PdewT", 500.0, 0, 3},  {"PbubT", NaN, 0, 2},
        {"TbubP", 0.01, 0, 4},   {"TdewP", 1000.0, 0, 5}, {"TglideP", NaN, 0, 4},
        {"YbubT", 0.0, 0.0, 1},  {"XdewT", 0.0, 1.5, 1},  {"YbubP", 5.0, 9.0, 1},
        {"XdewP", 5.0, NaN, 1},  {"DPT", 0.0, 20.0, 4},   {"HPT", 1000.0, 20.0, 5},
        {"SPT", 1.0, -100.0, 2}, {"WPT", 1.0, 500.0, 3},  {"PbubT", 120.0, 0, 26},
        {"HPX", 10.0, 1.5, 7},   {"DTX", 20.0, -0.1, 6},  {"TPX", 0.01, 0.5, 4},
        {"STX", 120.0, 0.5, 26}, {"PTX", 20.0, NaN, 6},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Function) + "(" + std::to_string(c.X1) + ", " +
                     std::to_string(c.X2) + ")");
        const TAnswer a = Call(lib, c.Function, c.X1, c.X2);
        EXPECT_EQ(a.Code, c.Code) << a.Text;
        EXPECT_EQ(a.Value, 0.0);
        EXPECT_EQ(a.Text.rfind(lib + "_" + c.Function + "; ", 0), 0u) << a.Text;
    }
}

INSTANTIATE_TEST_SUITE_P(Blends, MixtureLibrary, testing::ValuesIn(MixtureLibraries()),
                         [](const auto& info) { return info.param; });

// The four blends as mixtures and as the pseudo-pure equations fitted to the same mixture model:
// bubble and dew pressures and one-phase densities within the pseudo-pure equations' stated 0.1 %
// (they agree within 0.03 %), enthalpies on the same reference state within 0.2 kJ/kg.
TEST(MixtureLibraries, AgreeWithThePseudoPureEquations) {
    for (const char* blend : {"R410A", "R404A", "R407C", "R507A"}) {
        const std::string mix = std::string("KX_") + blend + "_MIX";
        const std::string fe = std::string("KX_") + blend + "_FE";
        SCOPED_TRACE(blend);
        for (double T = -70.0; T <= 60.0; T += 10.0)
            for (const char* f : {"PbubT", "PdewT"}) {
                const double a = Value(mix, f, T), b = Value(fe, f, T);
                EXPECT_NEAR(a, b, 1e-3 * b) << f << " at " << T;
            }
        const std::pair<double, double> states[] = {
            {30.0, -20.0}, {1.0, 0.0}, {10.0, 60.0}, {20.0, 120.0}, {50.0, 20.0}};
        for (const auto& [P, T] : states) {
            const double a = Value(mix, "DPT", P, T), b = Value(fe, "DPT", P, T);
            EXPECT_NEAR(a, b, 1e-3 * b) << P << " bar, " << T << " °C";
            EXPECT_NEAR(Value(mix, "HPT", P, T), Value(fe, "HPT", P, T), 0.2);
        }
    }
}

}  // namespace
