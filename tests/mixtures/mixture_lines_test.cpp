// The bubble and dew lines of every mixture library, answered from their tables, against the
// equilibrium solver itself: dense sweeps off the tables' nodes, the round trip T(p(T)), and the
// edges (the lowest temperature, the top of a table, above it where the solver answers, inputs
// out of range).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "KX_Mixture_Blends.h"
#include "KX_Mixture_Lib.h"
#include "KX_Mixture_Lines.h"

namespace {

constexpr double Kelvin = 273.15;
constexpr double PascalPerBar = 1e5;
constexpr double Tlow = -73.15 + Kelvin;
// What the tables promise: p within 1e-11 (relative) and T within 1e-9 K of the solver.
constexpr double PTolerance = 1e-11;
constexpr double TTolerance = 1e-9;

struct TAnswer {
    double Value = 0.0;
    int32_t Code = -1;
    std::string Text;
};

constexpr TSaturationKind Bubble = TSaturationKind::Bubble;
constexpr TSaturationKind Dew = TSaturationKind::Dew;

class MixtureLines : public testing::TestWithParam<std::size_t> {
  protected:
    std::string Library() const { return MixtureLibraryName(GetParam()); }
    TAnswer Call(const std::string& shortName, double x) const {
        TAnswer a;
        for (const TKXLibraryEntry& e : MixtureLibraryEntries(GetParam()))
            if (shortName == e.ShortName) {
                char text[256] = "";
                a.Value = e.Ptr.Unary(x, text, 255, &a.Code);
                a.Text = text;
            }
        return a;
    }
    // The value of a call that must succeed.
    double Value(const std::string& shortName, double x) const {
        const TAnswer a = Call(shortName, x);
        EXPECT_EQ(a.Code, 0) << Library() << "_" << shortName << "(" << x << "): " << a.Text;
        return a.Value;
    }
    TMixture Mix() const { return MakeBlend(MixtureLibraryInfo(GetParam()).Ashrae); }
    // The table the library builds for a line.
    TMixtureLine Table(const TMixture& mix, TSaturationKind kind) const {
        return TMixtureLine(mix, kind, Tlow,
                            MixtureLibraryInfo(GetParam()).MaxTemperature + Kelvin);
    }
};

const char* Name(TSaturationKind kind, bool atT) {
    if (atT) return kind == Bubble ? "PbubT" : "PdewT";
    return kind == Bubble ? "TbubP" : "TdewP";
}

TEST_P(MixtureLines, DenseSweepsMatchTheSolver) {
    const TMixture mix = Mix();
    for (const TSaturationKind kind : {Bubble, Dew}) {
        const TMixtureLine line = Table(mix, kind);
        SCOPED_TRACE(Name(kind, true));
        // Every table covers the working range of a heat pump and more.
        ASSERT_FALSE(line.Empty());
        EXPECT_GT(line.Ttop(), 335.0);
        std::mt19937_64 random(GetParam() + 11 * (kind == Dew));
        std::uniform_real_distribution<double> t(line.Tlow(), line.Ttop());
        double worstP = 0.0, worstT = 0.0, worstPAtP = 0.0;
        for (int i = 0; i < 1000; ++i) {
            const double T = t(random) - Kelvin;
            const double p = Value(Name(kind, true), T);
            const TEquilibrium e = SaturationAtT(mix, kind, T + Kelvin);
            ASSERT_TRUE(e.Ok()) << T;
            worstP = std::max(worstP, std::fabs(p * PascalPerBar / e.P - 1.0));
        }
        std::uniform_real_distribution<double> lnP(std::log(line.Plow()), std::log(line.Ptop()));
        double lowestMiss = HUGE_VAL;  // K, the lowest temperature where the solver at p fails
        for (int i = 0; i < 1000; ++i) {
            const double p = std::exp(lnP(random)) / PascalPerBar;
            const double T = Value(Name(kind, false), p) + Kelvin;
            // The temperature lies on the line as the solver at T finds it ...
            const TEquilibrium atT = SaturationAtT(mix, kind, T);
            ASSERT_TRUE(atT.Ok()) << T;
            worstPAtP = std::max(worstPAtP, std::fabs(p * PascalPerBar / atT.P - 1.0));
            // ... and is the solver's answer at p, where that converges.
            const TEquilibrium atP = SaturationAtP(mix, kind, p * PascalPerBar);
            if (atP.Ok())
                worstT = std::max(worstT, std::fabs(T - atP.T));
            else
                lowestMiss = std::min(lowestMiss, T);
        }
        EXPECT_LE(worstP, PTolerance);
        EXPECT_LE(worstPAtP, PTolerance);
        EXPECT_LE(worstT, TTolerance);
        // The solver at p gives up only within the last few kelvin below the table's top.
        EXPECT_GT(lowestMiss, line.Ttop() - 5.0);
    }
    // The glide is the two tables' difference, as the solver's.
    for (const double p : {0.5, 2.0, 10.0, 25.0}) {
        const TEquilibrium b = SaturationAtP(mix, Bubble, p * PascalPerBar);
        const TEquilibrium d = SaturationAtP(mix, Dew, p * PascalPerBar);
        ASSERT_TRUE(b.Ok() && d.Ok()) << p;
        EXPECT_NEAR(Value("TglideP", p), d.T - b.T, 2.0 * TTolerance) << p;
    }
}

TEST_P(MixtureLines, TemperatureOfThePressureIsTheTemperature) {
    const TMixture mix = Mix();
    for (const TSaturationKind kind : {Bubble, Dew}) {
        SCOPED_TRACE(Name(kind, true));
        const double top = Table(mix, kind).Ttop();
        // From the lowest temperature, where the table gives the solver's own pressure (the end
        // of the range at p), through the table and above it until the solver gives up.
        const double bottom = Value(Name(kind, true), Tlow - Kelvin);
        EXPECT_EQ(bottom, SaturationAtT(mix, kind, Tlow).P / PascalPerBar);
        for (double T = Tlow; T < top + 10.0; T += 0.173) {
            const TAnswer p = Call(Name(kind, true), T - Kelvin);
            if (p.Code != 0) {
                EXPECT_GT(T, top) << p.Text;
                break;
            }
            if (T <= top) {
                EXPECT_NEAR(Value(Name(kind, false), p.Value) + Kelvin, T, 1e-11) << T;
                continue;
            }
            // Above the table the solver at p may give up where the one at T still answers.
            const TAnswer back = Call(Name(kind, false), p.Value);
            EXPECT_TRUE(back.Code == 0 || back.Code == 26) << back.Text;
            if (back.Code == 0) {
                EXPECT_NEAR(back.Value + Kelvin, T, TTolerance) << T;
            }
        }
    }
}

// Above a table's top (a temperature or pressure it does not reach), the solver answers, with
// its own value or its failure.
TEST_P(MixtureLines, AboveTheTableTheSolverAnswers) {
    const TMixture mix = Mix();
    for (const TSaturationKind kind : {Bubble, Dew}) {
        SCOPED_TRACE(Name(kind, true));
        const TMixtureLine line = Table(mix, kind);
        bool failed = false;
        for (double dT = 0.01; dT < 20.0 && !failed; dT *= 1.5) {
            const double T = line.Ttop() + dT - Kelvin;
            const TEquilibrium e = SaturationAtT(mix, kind, T + Kelvin);
            const TAnswer p = Call(Name(kind, true), T);
            if (e.Ok()) {
                EXPECT_EQ(p.Code, 0) << p.Text;
                EXPECT_EQ(p.Value, e.P / PascalPerBar) << T;
            } else {
                failed = true;
                EXPECT_EQ(p.Code, 26);
                EXPECT_EQ(p.Text, Library() + "_" + Name(kind, true) + "; No convergence.");
            }
        }
        EXPECT_TRUE(failed) << "the solver answers 20 K above the table";
        for (const double f : {1.0001, 1.001, 1.01}) {
            const double p = line.Ptop() * f / PascalPerBar;
            const TEquilibrium e = SaturationAtP(mix, kind, p * PascalPerBar);
            const TAnswer T = Call(Name(kind, false), p);
            EXPECT_EQ(T.Code, e.Ok() ? 0 : 26) << T.Text;
            if (e.Ok()) {
                EXPECT_EQ(T.Value, e.T - Kelvin) << p;
            }
        }
    }
}

TEST_P(MixtureLines, OutOfRangeInputsKeepTheirCodesAndTexts) {
    const std::string lib = Library();
    const TKXLibraryInfo info = MixtureLibraryInfo(GetParam());
    struct TCase {
        const char* Function;
        double X;
        int32_t Code;
        std::string Text;  // after "<library>_<function>; "
    };
    char tmax[64];
    std::snprintf(tmax, sizeof tmax, "%.3f", info.MaxTemperature);
    const double pbub = Value("PbubT", -73.15), pdew = Value("PdewT", -73.15);
    const double NaN = std::numeric_limits<double>::quiet_NaN();
    const TCase cases[] = {
        {"PbubT", -73.16, 2, "Temperature lower than minimum value of -73.150 °C."},
        {"PdewT", -100.0, 2, "Temperature lower than minimum value of -73.150 °C."},
        {"PsatT", info.MaxTemperature + 1.0, 3,
         std::string("Temperature higher than maximum value of ") + tmax + " °C."},
        {"PbubT", NaN, 2, "Unknown error during Range Checking."},
        {"TbubP", pbub * (1.0 - 1e-12), 4, "Pressure lower than minimum value of "},
        {"TsatP", pbub * 0.5, 4, "Pressure lower than minimum value of "},
        {"TglideP", pbub * 0.999, 4, "Pressure lower than minimum value of "},
        {"TdewP", pdew * (1.0 - 1e-12), 4, "Pressure lower than minimum value of "},
        {"TdewP", info.MaxPressure * 1.01, 5, "Pressure higher than maximum value of "},
        {"TbubP", NaN, 4, "Unknown error during Range Checking."},
    };
    for (const TCase& c : cases) {
        const TAnswer a = Call(c.Function, c.X);
        SCOPED_TRACE(std::string(c.Function) + "(" + std::to_string(c.X) + ")");
        EXPECT_EQ(a.Code, c.Code) << a.Text;
        EXPECT_EQ(a.Value, 0.0);
        EXPECT_EQ(a.Text.rfind(lib + "_" + c.Function + "; " + c.Text, 0), 0u) << a.Text;
    }
    // The ends of the ranges at p are inside them.
    EXPECT_NEAR(Value("TbubP", pbub), -73.15, TTolerance);
    EXPECT_NEAR(Value("TdewP", pdew), -73.15, TTolerance);
}

std::string LibraryName(const testing::TestParamInfo<std::size_t>& info) {
    return MixtureLibraryName(info.param);
}

INSTANTIATE_TEST_SUITE_P(Blends, MixtureLines, testing::Range<std::size_t>(0, MixtureLibraryCount),
                         LibraryName);

// A fit that misses its tolerance is not used: no segment, and the caller runs the solver.
TEST(MixtureLineTable, AFitThatMissesItsToleranceIsNotUsed) {
    const TMixture mix = MakeBlend("R-410A");
    TLineTableSettings exact;
    exact.LnPTolerance = 0.0;
    const TMixtureLine line(mix, TSaturationKind::Bubble, Tlow, 400.0, exact);
    EXPECT_TRUE(line.Empty());
    EXPECT_FALSE(line.PressureAt(250.0).has_value());
    EXPECT_FALSE(line.TemperatureAt(5e5).has_value());
}

}  // namespace
