// The equations of state of R1234yf, R1233zd(E), R143a, R1336mzz(Z) and R125: the reduced Helmholtz
// energy and its derivatives at worked states, every printed value of the papers within half a
// unit of its last digit (tests/data/<fluid>_published.tsv), phase equilibrium, the saturation
// line's start at the triple point and the flash round trips.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "KX_R1233zdE_FE_Lib_Root.h"
#include "KX_R1234yf_FE_Lib_Root.h"
#include "KX_R125_FE_Lib_Root.h"
#include "KX_R1336mzzZ_FE_Lib_Root.h"
#include "KX_R143a_FE_Lib_Root.h"
#include "fluid_model_checks.h"
#include "fluid_test_support.h"

namespace {

using fluidtest::Number;
using fluidtest::TRow;

struct TFluidCase {
    const char* name;
    const char* table;
    std::function<const THelmholzFluid&()> fluid;
};

template <class Fluid>
const THelmholzFluid& Model() {
    static const Fluid fluid;
    return fluid;
}

const std::vector<TFluidCase>& Cases() {
    static const std::vector<TFluidCase> cases = {
        {"R1234yf", "r1234yf_published.tsv", Model<TR1234yf_FE>},
        {"R1233zd(E)", "r1233zde_published.tsv", Model<TR1233zdE_FE>},
        {"R143a", "r143a_published.tsv", Model<TR143a_FE>},
        {"R1336mzz(Z)", "r1336mzzz_published.tsv", Model<TR1336mzzZ_FE>},
        {"R125", "r125_published.tsv", Model<TR125_FE>},
    };
    return cases;
}

// The reduced Helmholtz energy or one of its derivatives at (δ, τ), by the table's name.
double Reduced(const THelmholzFluid& f, const std::string& quantity, double delta, double tau) {
    using TSlot = double (THelmholzFluid::*)(double, double) const;
    static const std::map<std::string, TSlot> slots = {
        {"phir", &THelmholzFluid::Phir},     {"phird", &THelmholzFluid::Phird},
        {"phirdd", &THelmholzFluid::Phirdd}, {"phirt", &THelmholzFluid::Phirt},
        {"phirtt", &THelmholzFluid::Phirtt}, {"phirdt", &THelmholzFluid::Phirdt},
        {"phio", &THelmholzFluid::Phio},     {"phiot", &THelmholzFluid::Phiot},
        {"phiott", &THelmholzFluid::Phiott}};
    const auto it = slots.find(quantity);
    if (it == slots.end()) {
        ADD_FAILURE() << "unknown quantity " << quantity;
        return NAN;
    }
    return (f.*(it->second))(delta, tau);
}

// A property of the state with density D (kg/m3) and temperature T (°C); u = h − p v.
double PropertyDT(const THelmholzFluid& f, const std::string& q, double D, double T) {
    if (q == "rho") return D;
    if (q == "p") return f.PDT(D, T);
    if (q == "h") return f.HDT(D, T);
    if (q == "s") return f.SDT(D, T);
    if (q == "u") return f.HDT(D, T) - 100.0 * f.PDT(D, T) / D;
    if (q == "cv") return f.CvDT(D, T);
    if (q == "cp") return f.CpDT(D, T);
    if (q == "w") return f.WDT(D, T);
    ADD_FAILURE() << "unknown quantity " << q;
    return NAN;
}

// A property at (P, T) through the fluid's functions of pressure and temperature; outside their
// range (the papers print their tables beyond it) through the density solver.
double PropertyPT(const THelmholzFluid& f, const std::string& q, double P, double T,
                  int32_t& code) {
    std::string text;
    if (P > f.Pmax || T > f.Tmax) return PropertyDT(f, q, f.Solve_DPT(P, T, text, code), T);
    if (q == "rho") return f.DPT(P, T, text, code);
    if (q == "h") return f.HPT(P, T, text, code);
    if (q == "s") return f.SPT(P, T, text, code);
    if (q == "u") return f.HPT(P, T, text, code) - 100.0 * P / f.DPT(P, T, text, code);
    if (q == "cv") return f.CvPT(P, T, text, code);
    if (q == "cp") return f.CpPT(P, T, text, code);
    if (q == "w") return f.WPT(P, T, text, code);
    ADD_FAILURE() << "unknown quantity " << q;
    return NAN;
}

// The model's value of one published row (program units, the model's reference state).
double ModelValue(const THelmholzFluid& f, const TRow& row, int32_t& code) {
    const std::string state = row.at("state"), q = row.at("quantity");
    double T = Number(row, "T");
    const double P = Number(row, "P");
    std::string text;
    code = 0;
    if (state == "TD") return PropertyDT(f, q, Number(row, "D"), T);
    if (state == "TP") return PropertyPT(f, q, P, T, code);
    if (state == "satT") return f.PsatT(T, text, code);
    if (state == "satP") return f.TsatP(P, text, code);
    // A saturated phase at T or P: its density from the saturation functions, the rest from it.
    if (state.back() == 'P') T = f.TsatP(P, text, code);
    if (code != 0) return NAN;
    const double X = state.rfind("liquid", 0) == 0 ? 0.0 : 1.0;
    const double D = f.DTX(T, X, text, code);
    return PropertyDT(f, q, D, T);
}

TEST(HfoHfcModel, ReproducesWorkedExamplesAndPublishedValues) {
    for (const TFluidCase& c : Cases()) {
        const THelmholzFluid& f = c.fluid();
        int published = 0;
        for (const TRow& row : fluidtest::ReadTable(c.table)) {
            SCOPED_TRACE(std::string(c.name) + ": " + fluidtest::Describe(row));
            double value = 0.0;
            if (row.at("kind") == "worked") {
                value = Reduced(f, row.at("quantity"), Number(row, "delta"), Number(row, "tau"));
            } else {
                int32_t code = -1;
                value = ModelValue(f, row, code) + Number(row, "offset");
                EXPECT_EQ(code, 0);
                ++published;
            }
            EXPECT_NEAR(value, Number(row, "value"), Number(row, "tolerance"));
        }
        EXPECT_GE(published, 23) << c.name;
    }
}

// Equal pressure and Gibbs energy of the saturated phases from the triple point to just below the
// critical point, and the saturation temperature of each saturation pressure.
TEST(HfoHfcModel, SaturatedPhasesAreInEquilibrium) {
    for (const TFluidCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        const THelmholzFluid& f = c.fluid();
        std::vector<double> temperatures;
        for (double x : {0.0, 0.2, 0.5, 0.8, 0.95, 1.0})
            temperatures.push_back(f.Tt_ + x * (f.Tc_Max_ - f.Tt_));
        fluidchecks::CheckPhaseEquilibrium(f, temperatures);
        temperatures.erase(temperatures.begin());  // TsatP(Pt_) is Tt_ by definition
        fluidchecks::CheckSaturationRoundTrips(f, temperatures);
    }
}

// The saturation line starts at (Tt_, Pt_): the equation's own saturation pressure at the triple
// point is the triple-point pressure, and just above Tt_ the pressure continues from it.
TEST(HfoHfcModel, SaturationLineStartsAtTheTriplePoint) {
    for (const TFluidCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        const THelmholzFluid& f = c.fluid();
        std::string text;
        int32_t code = -1;
        double Ps = 0, DL = 0, DV = 0;
        f.Maxwell_Criterion_Ps(f.Tt_, Ps, DL, DV, text, code);
        ASSERT_EQ(code, 0) << text;
        EXPECT_NEAR(Ps / f.Pt_, 1.0, 1e-8);
        const double above = f.PsatT(f.Tt_ + 1e-6, text, code);
        ASSERT_EQ(code, 0) << text;
        EXPECT_GT(above, f.Pt_);
        EXPECT_NEAR(above / f.Pt_, 1.0, 1e-6);
    }
}

// Above Tc_Max_ the saturation functions follow straight lines from the equation's saturated
// states there to its critical point: no step at Tc_Max_ nor at Tc_, and TsatP inverts PsatT in
// between.
TEST(HfoHfcModel, SaturationLineHasNoStepUpToTheCriticalPoint) {
    for (const TFluidCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        const THelmholzFluid& f = c.fluid();
        std::string text;
        int32_t code = -1;
        for (double T : {f.Tc_Max_, f.Tc_}) {
            SCOPED_TRACE(T);
            const double below = f.PsatT(T - 1e-7, text, code);
            EXPECT_EQ(code, 0) << text;
            EXPECT_NEAR(f.PsatT(T, text, code) / below, 1.0, 1e-6);
            EXPECT_NEAR(f.DTX(T - 1e-7, 0.0, text, code) / f.DTX(T, 0.0, text, code), 1.0, 1e-5);
            EXPECT_NEAR(f.DTX(T - 1e-7, 1.0, text, code) / f.DTX(T, 1.0, text, code), 1.0, 1e-5);
        }
        EXPECT_NEAR(f.PsatT(f.Tc_, text, code), f.Pc_, 1e-12 * f.Pc_);
        fluidchecks::CheckSaturationRoundTrips(f, {0.5 * (f.Tc_Max_ + f.Tc_)});
    }
}

// The flashes invert the functions of pressure and temperature in liquid, vapour and
// supercritical states.
TEST(HfoHfcModel, FlashesRoundTrip) {
    for (const TFluidCase& c : Cases()) {
        const THelmholzFluid& f = c.fluid();
        const double Tmid = 0.5 * (f.Tt_ + f.Tc_);
        std::string text;
        int32_t code = -1;
        const double Psat = f.PsatT(Tmid, text, code);
        ASSERT_EQ(code, 0) << text;
        fluidchecks::CheckFlashRoundTrips(
            f, {{2.0 * Psat, Tmid}, {0.5 * Psat, Tmid}, {2.0 * f.Pc_, 0.5 * (f.Tc_ + f.Tmax)}});
    }
}

}  // namespace
