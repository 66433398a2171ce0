// The equations of state of the nine refrigerants added last (R1234yf, R1234ze(E), R1233zd(E),
// propane, isobutane, R125, R143a, R245fa, R1336mzz(Z)), one parameterised suite: every printed
// check value of the papers within half a unit of its last digit and the worked examples of the
// reduced Helmholtz energy (tests/data/<fluid>_published.tsv, in one of two layouts: rows by
// routine name, or rows by state and quantity), phase equilibrium along the saturation line, its
// start at the triple point and its end at the critical point without a step, the saturation and
// flash round trips.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "KXTsv.h"
#include "KX_R1233zdE_FE_Lib_Root.h"
#include "KX_R1234yf_FE_Lib_Root.h"
#include "KX_R1234zeE_FE_Lib_Root.h"
#include "KX_R125_FE_Lib_Root.h"
#include "KX_R1336mzzZ_FE_Lib_Root.h"
#include "KX_R143a_FE_Lib_Root.h"
#include "KX_R245fa_FE_Lib_Root.h"
#include "KX_R290_FE_Lib_Root.h"
#include "KX_R600a_FE_Lib_Root.h"
#include "fluid_model_checks.h"
#include "fluid_test_support.h"

namespace {

using fluidtest::Number;
using fluidtest::TRow;

template <class T>
const THelmholzFluid& Own() {
    static const T fluid;
    return fluid;
}

struct TFluidCase {
    const char* Name;   // as the test names it
    const char* Table;  // its published values in tests/data
    const THelmholzFluid& (*Fluid)();
};

void PrintTo(const TFluidCase& c, std::ostream* os) {
    *os << c.Name;
}

const TFluidCase Fluids[] = {
    {"R1234yf", "r1234yf_published.tsv", Own<TR1234yf_FE>},
    {"R1234zeE", "r1234zee_published.tsv", Own<TR1234zeE_FE>},
    {"R1233zdE", "r1233zde_published.tsv", Own<TR1233zdE_FE>},
    {"R290", "r290_published.tsv", Own<TR290_FE>},
    {"R600a", "r600a_published.tsv", Own<TR600a_FE>},
    {"R125", "r125_published.tsv", Own<TR125_FE>},
    {"R143a", "r143a_published.tsv", Own<TR143a_FE>},
    {"R245fa", "r245fa_published.tsv", Own<TR245fa_FE>},
    {"R1336mzzZ", "r1336mzzz_published.tsv", Own<TR1336mzzZ_FE>},
};

using F = const THelmholzFluid&;

// A property of density and temperature (kg/m3, °C) as a table routine.
fluidtest::TRoutine OfDensity(double (THelmholzFluid::*property)(double, double) const) {
    return
        [property](F f, double D, double T, std::string&, int32_t&) { return (f.*property)(D, T); };
}

// The same property of the saturated liquid (X = 0) or vapour (X = 1) at T.
fluidtest::TRoutine OfSaturated(double (THelmholzFluid::*property)(double, double) const) {
    return [property](F f, double T, double X, std::string& text, int32_t& code) {
        const double D = f.DTX(T, X, text, code);
        return (f.*property)(D, T);
    };
}

// A reduced Helmholtz-energy slot at (δ, τ).
fluidtest::TRoutine OfReduced(double (THelmholzFluid::*slot)(double, double) const) {
    return [slot](F f, double delta, double tau, std::string&, int32_t&) {
        return (f.*slot)(delta, tau);
    };
}

using TPair = double (THelmholzFluid::*)(double, double, std::string&, int32_t&) const;
fluidtest::TRoutine Pair(TPair routine) {
    return [routine](F f, double x1, double x2, std::string& text, int32_t& code) {
        return (f.*routine)(x1, x2, text, code);
    };
}

// The routines of the published tables beyond the shared ones.
fluidtest::TRoutines PublishedRoutines() {
    return {
        {"HDT", OfDensity(&THelmholzFluid::HDT)},
        {"SDT", OfDensity(&THelmholzFluid::SDT)},
        {"CvDT", OfDensity(&THelmholzFluid::CvDT)},
        {"CpDT", OfDensity(&THelmholzFluid::CpDT)},
        {"WDT", OfDensity(&THelmholzFluid::WDT)},
        {"DTX", Pair(&THelmholzFluid::DTX)},
        {"CvTX", OfSaturated(&THelmholzFluid::CvDT)},
        {"CpTX", OfSaturated(&THelmholzFluid::CpDT)},
        {"WTX", OfSaturated(&THelmholzFluid::WDT)},
        {"HPT", Pair(&THelmholzFluid::HPT)},
        {"SPT", Pair(&THelmholzFluid::SPT)},
        {"CvPT", Pair(&THelmholzFluid::CvPT)},
        {"CpPT", Pair(&THelmholzFluid::CpPT)},
        {"WPT", Pair(&THelmholzFluid::WPT)},
        // Internal energy h − p/ρ (bar·100 = kPa, kPa/(kg/m3) = kJ/kg).
        {"UPT",
         [](F f, double P, double T, std::string& text, int32_t& code) {
             const double D = f.DPT(P, T, text, code);
             return f.HPT(P, T, text, code) - 100.0 * P / D;
         }},
        {"Phir", OfReduced(&THelmholzFluid::Phir)},
        {"Phird", OfReduced(&THelmholzFluid::Phird)},
        {"Phirdd", OfReduced(&THelmholzFluid::Phirdd)},
        {"Phirt", OfReduced(&THelmholzFluid::Phirt)},
        {"Phirtt", OfReduced(&THelmholzFluid::Phirtt)},
        {"Phirdt", OfReduced(&THelmholzFluid::Phirdt)},
        {"Phio", OfReduced(&THelmholzFluid::Phio)},
        {"Phiot", OfReduced(&THelmholzFluid::Phiot)},
        {"Phiott", OfReduced(&THelmholzFluid::Phiott)},
    };
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

// A table whose rows name a routine of the model ("routine, x1, x2, value, tolerance").
bool RowsByRoutine(const std::string& table) {
    const kxtsv::TTable t = kxtsv::Read(table, true);
    return !t.Columns.empty() && t.Columns.front() == "routine";
}

// Rows by state and quantity ("kind, state, T, P, D, tau, delta, quantity, value, tolerance,
// offset"): the worked examples, then the printed values on the table's reference state.
void CheckRowsByState(const THelmholzFluid& f, const std::string& table) {
    int published = 0;
    for (const TRow& row : fluidtest::ReadTable(table)) {
        SCOPED_TRACE(fluidtest::Describe(row));
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
    EXPECT_GE(published, 23);
}

class NewRefrigerantModel : public ::testing::TestWithParam<TFluidCase> {
  protected:
    const THelmholzFluid& Fluid() const { return GetParam().Fluid(); }
};

TEST_P(NewRefrigerantModel, PublishedValuesAndWorkedExamples) {
    const std::string table = GetParam().Table;
    if (RowsByRoutine(table))
        fluidchecks::CheckReferenceTable(Fluid(), table, PublishedRoutines());
    else
        CheckRowsByState(Fluid(), table);
}

// Equal pressure and Gibbs energy of the saturated phases from the triple point to the top of
// the iterated saturation, and the saturation temperature of each saturation pressure up to the
// critical point.
TEST_P(NewRefrigerantModel, SaturatedPhasesAreInEquilibrium) {
    const THelmholzFluid& f = Fluid();
    std::vector<double> temperatures;
    for (double x : {0.0, 0.02, 0.2, 0.5, 0.8, 0.95, 1.0})
        temperatures.push_back(f.Tt_ + x * (f.Tc_Max_ - f.Tt_));
    fluidchecks::CheckPhaseEquilibrium(f, temperatures);
    temperatures.erase(temperatures.begin());  // TsatP(Pt_) is Tt_ by definition
    temperatures.push_back(0.5 * (f.Tc_Max_ + f.Tc_));
    fluidchecks::CheckSaturationRoundTrips(f, temperatures);
}

// The saturation line starts at (Tt_, Pt_): the equation's own saturation pressure at the triple
// point is the triple-point pressure (PsatT itself stops at Pt_ there), and just above Tt_ the
// pressure continues from it.
TEST_P(NewRefrigerantModel, SaturationLineStartsAtTheTriplePoint) {
    const THelmholzFluid& f = Fluid();
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

// Above Tc_Max_ the saturation functions follow straight lines from the equation's saturated
// states there to its critical point: no step at Tc_Max_ nor at Tc_, the line ends on the
// critical pressure of the equation, and TsatP inverts PsatT in between.
TEST_P(NewRefrigerantModel, SaturationLineHasNoStepUpToTheCriticalPoint) {
    const THelmholzFluid& f = Fluid();
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
    EXPECT_NEAR(f.PDT(f.Dcr_, f.Tcr_), f.Pcr_, 1e-8);
}

// The flashes invert the functions of pressure and temperature in liquid, vapour and
// supercritical states, up to the top of the range.
TEST_P(NewRefrigerantModel, FlashesRoundTrip) {
    const THelmholzFluid& f = Fluid();
    const double Tmid = 0.5 * (f.Tt_ + f.Tc_);
    std::string text;
    int32_t code = -1;
    const double Psat = f.PsatT(Tmid, text, code);
    ASSERT_EQ(code, 0) << text;
    fluidchecks::CheckFlashRoundTrips(f, {{2.0 * Psat, Tmid},
                                          {0.5 * Psat, Tmid},
                                          {0.5 * f.Pc_, 0.5 * (f.Tc_ + f.Tmax)},
                                          {2.0 * f.Pc_, f.Tc_ + 5.0},
                                          {2.0 * f.Pc_, 0.5 * (f.Tc_ + f.Tmax)},
                                          {0.9 * f.Pmax, f.Tmax - 1.0}});
}

INSTANTIATE_TEST_SUITE_P(Fluids, NewRefrigerantModel, ::testing::ValuesIn(Fluids),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
