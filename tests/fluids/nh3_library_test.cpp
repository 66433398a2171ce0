// The ammonia library "KX_NH3_FE" through its registered entry points: range checks and texts,
// placeholders, round trips through the flashes and the saturation functions,
// and the sweep over every function.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "KXSweep.h"
#include "KX_Fluid_Objects.h"
#include "KX_Function_Call.h"
#include "KX_NH3_FE_Lib.h"
#include "KX_NH3_FE_Lib_Root.h"
#include "fluid_test_support.h"

namespace {

// Result, code and text of one library call.
struct TCall {
    double Value;
    int32_t Code;
    std::string Text;
};

const TKXLibraryEntry* FindEntry(const std::string& shortName) {
    for (const auto& e : KX_NH3_FE_Entries())
        if (shortName == e.ShortName) return &e;
    return nullptr;
}

TCall Call(const std::string& shortName, double x1 = 0.0, double x2 = 0.0) {
    const TKXLibraryEntry* e = FindEntry(shortName);
    if (!e) {
        ADD_FAILURE() << "no function " << shortName;
        return {0.0, -1, ""};
    }
    char text[256] = "";
    int32_t code = -1;
    const double args[] = {x1, x2, 0.0};  // a third for any function of three
    const double value = KXCallFunction(e->Ptr, args, text, 255, &code);
    return {value, code, text};
}

// Value of a call that must succeed.
double Ok(const std::string& shortName, double x1 = 0.0, double x2 = 0.0) {
    const TCall c = Call(shortName, x1, x2);
    EXPECT_EQ(c.Code, 0) << shortName << "(" << x1 << ", " << x2 << "): " << c.Text;
    EXPECT_TRUE(c.Text.empty());
    return c.Value;
}

TEST(Nh3Library, LibraryNameIsTheFluidCode) {
    EXPECT_EQ(NH3Fluid().Code, "KX_NH3_FE");
}

// One program-wide object: creating the objects again changes nothing.
TEST(Nh3Library, TheFluidObjectIsCreatedOnce) {
    const TNH3_FE* first = &NH3Fluid();
    CreateFluidObjects();
    CreateFluidObjects();
    EXPECT_EQ(&NH3Fluid(), first);
}

TEST(Nh3Library, ConstantsReturnWithCodeZeroAndNoText) {
    struct TConstant {
        const char* Name;
        double Value;
    };
    for (TConstant c :
         {TConstant{"MM", 17.0305}, TConstant{"Pc", 113.6114}, TConstant{"Tc", 132.36},
          TConstant{"Pt", 0.060936569927454665}, TConstant{"Tt", -77.65}}) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Ok(c.Name), c.Value);
    }
}

TEST(Nh3Library, RangeChecksAndFailureTexts) {
    for (const auto& row : fluidtest::ReadTable("nh3_library_checks.tsv")) {
        const std::string function = row.at("function");
        SCOPED_TRACE(function + "(" + row.at("x1") + ", " + row.at("x2") + ")");
        const TCall c = Call(function, fluidtest::Number(row, "x1"), fluidtest::Number(row, "x2"));
        EXPECT_EQ(c.Code, static_cast<int32_t>(fluidtest::Number(row, "code")));
        EXPECT_EQ(c.Value, 0.0);
        const std::string& text = row.at("text");
        if (row.at("match") == "exact")
            EXPECT_EQ(c.Text, text);
        else
            EXPECT_EQ(c.Text.rfind(text, 0), 0u) << c.Text;
    }
}

// The text is cut at the capacity the caller passes, never past it.
TEST(Nh3Library, ErrorTextIsCutAtTheCapacity) {
    char text[16];
    std::memset(text, 'x', sizeof text);
    int32_t code = 0;
    KX_NH3_FE_DTX(-100.0, 0.5, text, 10, &code);
    EXPECT_EQ(code, 2);
    EXPECT_EQ(std::string(text), "KX_NH3_FE_");
}

// Grid of single-phase states from the triple point to Tmax and up to 5000 bar.
std::vector<std::pair<double, double>> SinglePhaseGrid() {
    std::vector<std::pair<double, double>> states;
    for (double P :
         {0.07, 0.5, 1.0, 5.0, 20.0, 62.0, 100.0, 113.5, 120.0, 200.0, 1000.0, 3000.0, 5000.0})
        for (double T : {-77.0, -60.0, -30.0, 0.0, 25.0, 60.0, 100.0, 125.0, 131.0, 132.3, 133.0,
                         140.0, 200.0, 300.0, 446.0})
            states.emplace_back(P, T);
    return states;
}

TEST(Nh3Library, TemperatureFromPressureAndEnthalpyReturnsTheTemperature) {
    int checked = 0;
    for (auto [P, T] : SinglePhaseGrid()) {
        const TCall h = Call("HPT", P, T);
        if (h.Code != 0) continue;  // denser than Dmax
        SCOPED_TRACE(std::to_string(P) + " bar, " + std::to_string(T) + " °C");
        EXPECT_NEAR(Ok("TPH", P, h.Value), T, 1e-5);
        ++checked;
    }
    EXPECT_GT(checked, 150);
}

TEST(Nh3Library, TemperatureFromPressureAndEntropyReturnsTheTemperature) {
    int checked = 0;
    for (auto [P, T] : SinglePhaseGrid()) {
        const TCall s = Call("SPT", P, T);
        if (s.Code != 0) continue;
        SCOPED_TRACE(std::to_string(P) + " bar, " + std::to_string(T) + " °C");
        EXPECT_NEAR(Ok("TPS", P, s.Value), T, 1e-5);
        ++checked;
    }
    EXPECT_GT(checked, 150);
}

// Properties through the flashes equal those from pressure and temperature.
TEST(Nh3Library, FlashFamiliesAgreeWithPressureTemperatureProperties) {
    struct TState {
        double P, T;
    };
    for (TState s : {TState{1.0, -50.0}, TState{1.0, 20.0}, TState{10.0, 80.0}, TState{50.0, 20.0},
                     TState{150.0, 140.0}, TState{4000.0, 100.0}}) {
        SCOPED_TRACE(std::to_string(s.P) + " bar, " + std::to_string(s.T) + " °C");
        const double D = Ok("DPT", s.P, s.T);
        const double H = Ok("HPT", s.P, s.T);
        const double S = Ok("SPT", s.P, s.T);
        EXPECT_NEAR(Ok("SPH", s.P, H), S, 1e-7 * std::fabs(S) + 1e-8);
        EXPECT_NEAR(Ok("DPH", s.P, H), D, 1e-6 * D);
        EXPECT_NEAR(Ok("VPH", s.P, H), 1.0 / D, 1e-6 / D);
        EXPECT_NEAR(Ok("HPS", s.P, S), H, 1e-6 * std::fabs(H) + 1e-6);
        EXPECT_NEAR(Ok("DPS", s.P, S), D, 1e-6 * D);
        EXPECT_NEAR(Ok("VPS", s.P, S), 1.0 / D, 1e-6 / D);
        EXPECT_NEAR(Ok("VPT", s.P, s.T), 1.0 / D, 1e-12 / D);
    }
}

TEST(Nh3Library, SaturationTemperatureInvertsSaturationPressure) {
    for (double T : {-77.65, -60.0, -33.0, 0.0, 24.9, 50.0, 100.0, 125.0, 132.0, 132.19}) {
        SCOPED_TRACE(T);
        EXPECT_NEAR(Ok("TsatP", Ok("PsatT", T)), T, 1e-6);
    }
}

TEST(Nh3Library, SaturatedMixtureFromPressureMatchesMixtureFromTemperature) {
    for (double P : {0.07, 1.0, 10.0, 50.0, 100.0, 113.0})
        for (double X : {0.0, 0.3, 1.0}) {
            SCOPED_TRACE(std::to_string(P) + " bar, x " + std::to_string(X));
            const double Ts = Ok("TsatP", P);
            EXPECT_NEAR(Ok("HPX", P, X), Ok("HTX", Ts, X), 1e-6);
            EXPECT_NEAR(Ok("SPX", P, X), Ok("STX", Ts, X), 1e-8);
            EXPECT_NEAR(Ok("DPX", P, X), Ok("DTX", Ts, X), 1e-7 * Ok("DTX", Ts, X));
            EXPECT_NEAR(Ok("VPX", P, X), 1.0 / Ok("DPX", P, X), 1e-12 * Ok("VPX", P, X));
        }
}

TEST(Nh3Library, MixtureEndsAreTheSaturatedPhases) {
    const TNH3_FE& f = NH3Fluid();
    for (double T : {-50.0, 0.0, 100.0}) {
        std::string text;
        int32_t code = -1;
        double Ps = 0, DL = 0, DV = 0;
        f.Maxwell_Criterion_Ps(T, Ps, DL, DV, text, code);
        ASSERT_EQ(code, 0);
        EXPECT_NEAR(Ok("DTX", T, 0.0), DL, 1e-9 * DL);
        EXPECT_NEAR(Ok("DTX", T, 1.0), DV, 1e-9 * DV);
        EXPECT_NEAR(Ok("VTX", T, 0.5), 0.5 / DL + 0.5 / DV, 1e-9 * (0.5 / DL + 0.5 / DV));
    }
}

// Inside the two-phase range the flashes interpolate between the saturated enthalpies (or
// entropies) and return the saturation temperature.
TEST(Nh3Library, TwoPhaseFlashesReturnTheVapourFraction) {
    for (double P : {0.5, 1.0, 10.0, 50.0, 100.0})
        for (double X : {0.001, 0.25, 0.5, 0.999}) {
            SCOPED_TRACE(std::to_string(P) + " bar, x " + std::to_string(X));
            const double HL = Ok("HPX", P, 0.0), HV = Ok("HPX", P, 1.0);
            const double SL = Ok("SPX", P, 0.0), SV = Ok("SPX", P, 1.0);
            const double H = HL + X * (HV - HL);
            const double S = SL + X * (SV - SL);
            EXPECT_NEAR(Ok("XPH", P, H), X, 1e-12);
            EXPECT_NEAR(Ok("XPS", P, S), X, 1e-12);
            EXPECT_DOUBLE_EQ(Ok("TPH", P, H), Ok("TsatP", P));
            EXPECT_DOUBLE_EQ(Ok("TPS", P, S), Ok("TsatP", P));
            EXPECT_NEAR(Ok("SPH", P, H), S, 1e-9);
            EXPECT_NEAR(Ok("HPS", P, S), H, 1e-7);
            EXPECT_NEAR(Ok("VPH", P, H), Ok("VPX", P, X), 1e-12 * Ok("VPX", P, X));
            EXPECT_NEAR(Ok("DPS", P, S), Ok("DPX", P, X), 1e-9 * Ok("DPX", P, X));
        }
}

TEST(Nh3Library, FractionFromTemperatureAndEnthalpyOrEntropy) {
    const TNH3_FE& f = NH3Fluid();
    for (double T : {-70.0, 0.0, 120.0}) {
        SCOPED_TRACE(T);
        const double HL = Ok("HTX", T, 0.0), HV = Ok("HTX", T, 1.0);
        const double SL = Ok("STX", T, 0.0), SV = Ok("STX", T, 1.0);
        EXPECT_NEAR(Ok("XTH", T, HL + 0.4 * (HV - HL)), 0.4, 1e-12);
        EXPECT_NEAR(Ok("XTS", T, SL + 0.4 * (SV - SL)), 0.4, 1e-12);
        // Accepted within the tolerance outside the saturated range, slightly above 1.
        const double x = Ok("XTH", T, HV + f.dH_XTH / 2.0);
        EXPECT_GT(x, 1.0);
        EXPECT_LT(x, 1.0 + 1e-8);
        EXPECT_EQ(Call("XTH", T, HV + 2.0 * f.dH_XTH).Code, 9);
        EXPECT_EQ(Call("XTS", T, SL - 2.0 * f.dS_XTS).Code, 10);
    }
}

// Above the critical pressure there is no two-phase state: the label follows Hc_.
TEST(Nh3Library, FractionAboveTheCriticalPressureFollowsTheCriticalEnthalpy) {
    const TNH3_FE& f = NH3Fluid();
    const double P = 150.0;
    const double Hcold = Ok("HPT", P, 100.0);
    const double Hhot = Ok("HPT", P, 300.0);
    ASSERT_LT(Hcold, f.Hc_);
    ASSERT_GT(Hhot, f.Hc_);
    EXPECT_EQ(Ok("XPH", P, Hcold), 0.0);
    EXPECT_EQ(Ok("XPH", P, Hhot), 1.0);
    EXPECT_EQ(Ok("XPS", P, Ok("SPT", P, 100.0)), 0.0);
    EXPECT_EQ(Ok("XPS", P, Ok("SPT", P, 300.0)), 1.0);
}

// Just off saturation the density stays on its own side of the saturated densities.
TEST(Nh3Library, DensityNextToSaturationStaysOnItsSide) {
    const TNH3_FE& f = NH3Fluid();
    for (double T : {-70.0, -20.0, 30.0, 90.0, 130.0}) {
        SCOPED_TRACE(T);
        std::string text;
        int32_t code = -1;
        double Ps = 0, DL = 0, DV = 0;
        f.Maxwell_Criterion_Ps(T, Ps, DL, DV, text, code);
        ASSERT_EQ(code, 0);
        EXPECT_GE(Ok("DPT", Ps * (1 + 1e-7), T), DL);
        EXPECT_LE(Ok("DPT", Ps * (1 - 1e-7), T), DV);
        // A liquid enthalpy just below H' gives a liquid density, no lower than D'.
        const double HL = f.HDT(DL, T);
        EXPECT_GE(Ok("DPH", Ps, HL - 1e-3), DL * (1 - 1e-12));
        EXPECT_NEAR(Ok("TPH", Ps, HL - 1e-3), T, 1e-3);
    }
}

// The pressure-enthalpy flash starts from the Dmax isochore above Pmax_Dmax.
TEST(Nh3Library, HighPressureFlashStartsOnTheDensityLimit) {
    const TNH3_FE& f = NH3Fluid();
    const double P = 5000.0;
    const double Tlo = f.Tmin_Dmax(P, 0);
    const double Hlo = f.HDT(f.Dmax, Tlo);
    EXPECT_EQ(Call("TPH", P, Hlo - 1.0).Code, 8);
    const double T = Ok("TPH", P, Hlo + 1.0);
    EXPECT_GT(T, Tlo);
    EXPECT_NEAR(Ok("HPT", P, T), Hlo + 1.0, 1e-4);
    EXPECT_LE(Ok("DPH", P, Hlo + 1.0), f.Dmax);
}

TEST(Nh3Library, IsentropicExponentOfADiluteGasIsTheHeatCapacityRatio) {
    // The deviation shrinks with the pressure, as the real-gas terms do.
    for (double T : {50.0, 200.0, 400.0}) {
        SCOPED_TRACE(T);
        auto deviation = [&](double P) {
            return std::fabs(Ok("KPT", P, T) / (Ok("CpPT", P, T) / Ok("CvPT", P, T)) - 1.0);
        };
        EXPECT_LT(deviation(0.07), 1e-3);
        EXPECT_LT(deviation(0.07), deviation(1.0) / 5.0);
    }
}

TEST(Nh3Library, SweepKeepsTheLibraryContract) {
    kxsweep::SweepLibrary("KX_NH3_FE", KX_NH3_FE_Entries());
}

}  // namespace
