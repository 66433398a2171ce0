// The pseudo-pure blends R-410A, R-404A, R-407C and R-507A: every value of Lemmon's (2003) Table V
// within half a unit of its printed digit, worked bubble and dew states with their transport
// properties and reduced Helmholtz energy, the IIR reference state, the bubble- and dew-pressure
// ancillaries (tests/data/<blend>_published.tsv), and the saturation lines they define: round
// trips T -> p -> T, exact ends, a positive glide and the range checks.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "KX_R404A_FE_Lib_Root.h"
#include "KX_R407C_FE_Lib_Root.h"
#include "KX_R410A_FE_Lib_Root.h"
#include "KX_R507A_FE_Lib_Root.h"
#include "fluid_test_support.h"
#include "transport/KX_Transport_Fluids.h"

namespace {

using fluidtest::Number;
using fluidtest::TRow;
namespace kt = kxtransport;

struct TBlendCase {
    const char* name;
    const char* table;
    const TPseudoPureBlend& fluid;
    const kt::TViscosityCorrelation& viscosity;
    const kt::TConductivityCorrelation& conductivity;
    const kt::TSurfaceTensionSum& surfaceTension;
};

template <class Fluid>
const TPseudoPureBlend& Model() {
    static const Fluid fluid;
    return fluid;
}

const std::vector<TBlendCase>& Cases() {
    static const std::vector<TBlendCase> cases = {
        {"R410A", "r410a_published.tsv", Model<TR410A_FE>(), kt::R410AViscosity,
         kt::R410AConductivity, kt::R410ASurfaceTension},
        {"R404A", "r404a_published.tsv", Model<TR404A_FE>(), kt::R404AViscosity,
         kt::R404AConductivity, kt::R404ASurfaceTension},
        {"R407C", "r407c_published.tsv", Model<TR407C_FE>(), kt::R407CViscosity,
         kt::R407CConductivity, kt::R407CSurfaceTension},
        {"R507A", "r507a_published.tsv", Model<TR507A_FE>(), kt::R507AViscosity,
         kt::R507AConductivity, kt::R507ASurfaceTension},
    };
    return cases;
}

// The reduced Helmholtz energy or one of its derivatives at (δ, τ), by the table's name.
double Reduced(const THelmholzFluid& f, const std::string& q, double delta, double tau) {
    using TSlot = double (THelmholzFluid::*)(double, double) const;
    static const std::map<std::string, TSlot> slots = {
        {"phir", &THelmholzFluid::Phir},     {"phird", &THelmholzFluid::Phird},
        {"phirdd", &THelmholzFluid::Phirdd}, {"phirt", &THelmholzFluid::Phirt},
        {"phirtt", &THelmholzFluid::Phirtt}, {"phirdt", &THelmholzFluid::Phirdt},
        {"phio", &THelmholzFluid::Phio},     {"phiot", &THelmholzFluid::Phiot},
        {"phiott", &THelmholzFluid::Phiott}};
    return (f.*slots.at(q))(delta, tau);
}

// The ideal gas at T: p (0 at zero density), cv0, cp0 and w0 from the ideal-gas part alone.
double IdealGas(const THelmholzFluid& f, const std::string& q, double T) {
    const double tau = f.TauOf(T);
    const double cv0 = -f.R_ * tau * tau * f.Phiott(1.0, tau);
    if (q == "p") return f.PDT(0.0, T);
    if (q == "cv") return cv0;
    if (q == "cp") return cv0 + f.R_;
    if (q == "w") return std::sqrt(1000.0 * f.R_ * (T + f.dta) * (cv0 + f.R_) / cv0);
    ADD_FAILURE() << "unknown quantity " << q;
    return NAN;
}

// A property of the state at density D (kg/m3) and temperature T (°C), transport included.
double PropertyDT(const TBlendCase& c, const std::string& q, double D, double T) {
    const THelmholzFluid& f = c.fluid;
    const kt::TTransportState state = kt::DensityState(f, D, T);
    const kt::TViscosityParts eta = kt::Evaluate(c.viscosity, state);
    const kt::TConductivityParts lambda = kt::Evaluate(c.conductivity, state);
    const std::map<std::string, double> values = {
        {"p", f.PDT(D, T)},
        {"rho", D},
        {"h", f.HDT(D, T)},
        {"s", f.SDT(D, T)},
        {"cv", f.CvDT(D, T)},
        {"cp", f.CpDT(D, T)},
        {"w", f.WDT(D, T)},
        {"eta", eta.Total()},
        {"eta0", eta.dilute},
        {"eta_r", eta.initialDensity + eta.residual},
        {"lambda", lambda.Total()},
        {"lambda0", lambda.dilute},
        {"lambda_r", lambda.residual + lambda.critical},
        {"sigma", kt::Evaluate(c.surfaceTension, T + f.dta)}};
    return values.at(q);
}

// The model's value of one row: a saturated state is the liquid root at the bubble pressure or
// the vapour root at the dew pressure, its pressure that of the ancillary.
double ModelValue(const TBlendCase& c, const TRow& row, int32_t& code) {
    const TPseudoPureBlend& f = c.fluid;
    const std::string state = row.at("state"), q = row.at("quantity");
    const double T = Number(row, "T");
    std::string text;
    code = 0;
    if (state == "reduced") return Reduced(f, q, Number(row, "delta"), Number(row, "tau"));
    if (state == "ideal") return IdealGas(f, q, T);
    if (state == "TD") return PropertyDT(c, q, Number(row, "D"), T);
    const bool bubble = state == "bubble";
    if (q == "p") return bubble ? f.BubblePressure(T, text, code) : f.DewPressure(T, text, code);
    const double D =
        bubble ? f.BubbleLiquidDensity(T, text, code) : f.DewVapourDensity(T, text, code);
    return PropertyDT(c, q, D, T);
}

TEST(PseudoPureBlend, ReproducesPublishedAndWorkedValues) {
    for (const TBlendCase& c : Cases()) {
        std::map<std::string, int> kinds;
        for (const TRow& row : fluidtest::ReadTable(c.table)) {
            SCOPED_TRACE(std::string(c.name) + ": " + fluidtest::Describe(row));
            int32_t code = -1;
            const double value = ModelValue(c, row, code);
            EXPECT_EQ(code, 0);
            EXPECT_NEAR(value, Number(row, "value"), Number(row, "tolerance"));
            ++kinds[row.at("kind")];
        }
        // Table V has 18 values per blend; the reference state is h and s.
        EXPECT_EQ(kinds["published"], 18) << c.name;
        EXPECT_EQ(kinds["reference"], 2) << c.name;
        EXPECT_GE(kinds["worked"], 80) << c.name;
        EXPECT_GE(kinds["ancillary"], 10) << c.name;
    }
}

// Bubble and dew temperature invert the pressures to machine precision along each whole line
// and meet its ends exactly; the dew point lies above the bubble point at every pressure below the
// tops, where the lines meet or (R-404A, R-407C) the bubble line ends at its pressure maximum.
TEST(PseudoPureBlend, SaturationLinesInvertAndHaveAGlide) {
    using TPressure = double (TPseudoPureBlend::*)(double, std::string&, int32_t&) const;
    struct TLine {
        const char* name;
        TPressure pressure, temperature;
        const TPseudoPureBlend::TLineEnds TPseudoPureBlend::*ends;
    };
    const TLine lines[] = {{"bubble", &TPseudoPureBlend::BubblePressure,
                            &TPseudoPureBlend::BubbleTemperature, &TPseudoPureBlend::BubbleLine},
                           {"dew", &TPseudoPureBlend::DewPressure,
                            &TPseudoPureBlend::DewTemperature, &TPseudoPureBlend::DewLine}};
    for (const TBlendCase& c : Cases()) {
        const TPseudoPureBlend& f = c.fluid;
        std::string text;
        int32_t code = -1;
        for (const TLine& line : lines) {
            SCOPED_TRACE(std::string(c.name) + " " + line.name);
            const TPseudoPureBlend::TLineEnds& ends = f.*line.ends;
            EXPECT_EQ(ends.Tbottom, f.Tt_);
            EXPECT_LE(ends.Ttop, f.Tcr_);
            EXPECT_GT(ends.Ttop, f.Tcr_ - 0.2);
            for (double x : {1e-9, 0.1, 0.4, 0.7, 0.9, 0.99, 0.999999}) {
                const double T = ends.Tbottom + x * (ends.Ttop - ends.Tbottom);
                SCOPED_TRACE(T);
                const double p = (f.*line.pressure)(T, text, code);
                ASSERT_EQ(code, 0) << text;
                EXPECT_NEAR((f.*line.temperature)(p, text, code), T, 1e-12 * (T + f.dta));
                EXPECT_EQ(code, 0) << text;
            }
            // The ends of the line are its constants, both ways.
            EXPECT_EQ((f.*line.pressure)(ends.Tbottom, text, code), ends.Pbottom);
            EXPECT_EQ((f.*line.pressure)(ends.Ttop, text, code), ends.Ptop);
            EXPECT_EQ((f.*line.temperature)(ends.Pbottom, text, code), ends.Tbottom);
            EXPECT_EQ((f.*line.temperature)(ends.Ptop, text, code), ends.Ttop);
            EXPECT_GE(ends.Ptop, f.Pcr_);
        }
        EXPECT_EQ(f.BubbleLine.Pbottom, f.Pt_);
        EXPECT_EQ(f.DewLine.Pbottom, f.Pmin);
        for (double x : {0.0, 0.3, 0.6, 0.9, 0.999, 1.0}) {
            const double P = f.Pt_ + x * (f.Pcr_ - f.Pt_);
            SCOPED_TRACE(std::string(c.name) + " glide at " + std::to_string(P));
            const double glide = f.Glide(P, text, code);
            EXPECT_EQ(code, 0) << text;
            EXPECT_NEAR(glide, f.DewTemperature(P, text, code) - f.BubbleTemperature(P, text, code),
                        1e-12);
            // The lines meet at the reducing point where neither has a maximum.
            if (x < 1.0 || f.BubbleLine.Ttop < f.Tcr_)
                EXPECT_GT(glide, 0.0);
            else
                EXPECT_EQ(glide, 0.0);
        }
        for (double x : {0.0, 0.5, 0.99}) {
            // The saturated liquid is denser than the saturated vapour of the same T.
            const double T = f.Tt_ + x * (f.Tcr_ - f.Tt_);
            EXPECT_GT(f.BubbleLiquidDensity(T, text, code), f.DewVapourDensity(T, text, code));
        }
        // The ancillary slots answer the bubble point.
        EXPECT_EQ(f.Pse(0.0), f.BubblePressure(0.0, text, code));
        EXPECT_EQ(f.tse(f.Pse(0.0)), f.BubbleTemperature(f.Pse(0.0), text, code));
    }
}

// Outside the lines the functions refuse with the range codes and the library's text.
TEST(PseudoPureBlend, SaturationFunctionsCheckTheirRange) {
    const TPseudoPureBlend& f = Model<TR410A_FE>();
    struct TCase {
        const char* function;
        double value;
        int32_t code;
        const char* text;
    };
    const double below = std::nextafter(f.Pt_, 0.0);
    EXPECT_EQ(f.BubbleLine.Ttop, f.Tcr_);  // the limits below are the reducing point's
    const TCase cases[] = {
        {"BubblePressure", f.Tt_ - 1e-9, 2,
         "KX_R410A_FE_BubblePressure; Temperature lower than minimum value of -73.150 °C."},
        {"DewPressure", f.Tcr_ + 1e-9, 3,
         "KX_R410A_FE_DewPressure; Temperature higher than maximum value of 71.344 °C."},
        {"BubbleTemperature", below, 4, "KX_R410A_FE_BubbleTemperature; Pressure lower"},
        {"DewTemperature", f.DewLine.Pbottom * 0.999, 4,
         "KX_R410A_FE_DewTemperature; Pressure lower"},
        {"DewTemperature", f.Pcr_ * 1.001, 5,
         "KX_R410A_FE_DewTemperature; Pressure higher than maximum value of 49.012 bar(a)."},
        {"Glide", below, 4, "KX_R410A_FE_Glide; Pressure lower"},
        {"BubbleLiquidDensity", f.Tcr_ + 1.0, 3, "KX_R410A_FE_BubbleLiquidDensity; Temp"},
        {"DewVapourDensity", NAN, 2,
         "KX_R410A_FE_DewVapourDensity; Unknown error during Range Checking."}};
    using TFunction = double (TPseudoPureBlend::*)(double, std::string&, int32_t&) const;
    const std::map<std::string, TFunction> functions = {
        {"BubblePressure", &TPseudoPureBlend::BubblePressure},
        {"DewPressure", &TPseudoPureBlend::DewPressure},
        {"BubbleTemperature", &TPseudoPureBlend::BubbleTemperature},
        {"DewTemperature", &TPseudoPureBlend::DewTemperature},
        {"Glide", &TPseudoPureBlend::Glide},
        {"BubbleLiquidDensity", &TPseudoPureBlend::BubbleLiquidDensity},
        {"DewVapourDensity", &TPseudoPureBlend::DewVapourDensity}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.function) + " " + std::to_string(c.value));
        std::string text;
        int32_t code = 0;
        EXPECT_EQ((f.*functions.at(c.function))(c.value, text, code), 0.0);
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(text.rfind(c.text, 0), 0u) << text;
    }
}

// The shared saturation routines answer the blend's lines: PsatT and TsatP the bubble point, the
// saturated liquid the bubble state and the saturated vapour the dew state, and a two-phase state
// at P the mixture (mass basis) of the bubble and the dew state, each at its own temperature,
// which the pressure-enthalpy and pressure-entropy flashes invert.
TEST(PseudoPureBlend, SharedSaturationRoutinesFollowTheBubbleAndDewLines) {
    for (const TBlendCase& c : Cases()) {
        const TPseudoPureBlend& f = c.fluid;
        std::string text;
        int32_t code = -1;
        for (double T : {-50.0, 0.0, 40.0}) {
            SCOPED_TRACE(std::string(c.name) + " T " + std::to_string(T));
            EXPECT_EQ(f.PsatT(T, text, code), f.BubblePressure(T, text, code));
            EXPECT_DOUBLE_EQ(f.DTX(T, 0.0, text, code), f.BubbleLiquidDensity(T, text, code));
            EXPECT_DOUBLE_EQ(f.DTX(T, 1.0, text, code), f.DewVapourDensity(T, text, code));
            EXPECT_EQ(code, 0) << text;
        }
        for (double P : {1.0, 5.0, 20.0}) {
            SCOPED_TRACE(std::string(c.name) + " P " + std::to_string(P));
            const double TL = f.BubbleTemperature(P, text, code);
            const double TV = f.DewTemperature(P, text, code);
            EXPECT_EQ(f.TsatP(P, text, code), TL);
            const double DL = f.BubbleLiquidDensity(TL, text, code);
            const double DV = f.DewVapourDensity(TV, text, code);
            for (double X : {0.0, 0.3, 1.0}) {
                const double H = f.HPX(P, X, text, code);
                ASSERT_EQ(code, 0) << text;
                EXPECT_NEAR(H, (1.0 - X) * f.HDT(DL, TL) + X * f.HDT(DV, TV), 1e-9);
                const double S = f.SPX(P, X, text, code);
                EXPECT_NEAR(S, (1.0 - X) * f.SDT(DL, TL) + X * f.SDT(DV, TV), 1e-12);
                EXPECT_NEAR(f.VPX(P, X, text, code), (1.0 - X) / DL + X / DV, 1e-12);
                const double T = TL + X * (TV - TL);
                EXPECT_NEAR(f.XPH(P, H, text, code), X, 1e-9);
                EXPECT_NEAR(f.TPH(P, H, text, code), T, 1e-9);
                EXPECT_NEAR(f.XPS(P, S, text, code), X, 1e-9);
                EXPECT_NEAR(f.TPS(P, S, text, code), T, 1e-9);
                EXPECT_EQ(code, 0) << text;
            }
        }
    }
}

}  // namespace
