#pragma once
// Checks shared by the tests of carbon dioxide and the five refrigerants: documented values read
// from tests/data by routine name, the saturation state's phase equilibrium, and the round trips
// of the flashes and the saturation functions.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "HelmholzFluidObject.h"
#include "nh3_tsv.h"

namespace fluidchecks {

// A routine of the fluid by the name the reference tables use: the ancillary equations (Pse,
// tse, dsle, dsve), the saturation state (MaxwellPs, MaxwellDL, MaxwellDV), the library-level
// methods (PsatT, TsatP, DPT, HTX, STX), pressure from density and temperature (PDT), the
// minimum temperatures (Tmin, Tmin_Dmax) and the ideal-gas enthalpy and entropy
// (IdealGasH at x1 °C, IdealGasS at x1 °C and x2 bar).
inline double Evaluate(const THelmholzFluid& f, const std::string& routine, double x1, double x2,
                       int32_t& code) {
    std::string text;
    code = 0;
    double Ps = 0, DL = 0, DV = 0;
    const double tK = x1 + f.dta;
    const double tau = f.TauOf(x1);
    const std::map<std::string, std::function<double()>> routines = {
        {"Pse", [&] { return f.Pse(x1); }},
        {"tse", [&] { return f.tse(x1); }},
        {"dsle", [&] { return f.dsle(x1); }},
        {"dsve", [&] { return f.dsve(x1); }},
        {"MaxwellPs",
         [&] {
             f.Maxwell_Criterion_Ps(x1, Ps, DL, DV, text, code);
             return Ps;
         }},
        {"MaxwellDL",
         [&] {
             f.Maxwell_Criterion_Ps(x1, Ps, DL, DV, text, code);
             return DL;
         }},
        {"MaxwellDV",
         [&] {
             f.Maxwell_Criterion_Ps(x1, Ps, DL, DV, text, code);
             return DV;
         }},
        {"PsatT", [&] { return f.PsatT(x1, text, code); }},
        {"TsatP", [&] { return f.TsatP(x1, text, code); }},
        {"DPT", [&] { return f.DPT(x1, x2, text, code); }},
        {"HTX", [&] { return f.HTX(x1, x2, text, code); }},
        {"STX", [&] { return f.STX(x1, x2, text, code); }},
        {"PDT", [&] { return f.PDT(x1, x2); }},
        {"Tmin", [&] { return f.Tmin(x1); }},
        {"Tmin_Dmax", [&] { return f.Tmin_Dmax(x1, 0); }},
        {"IdealGasH", [&] { return f.R_ * tK * (1.0 + tau * f.Phiot(1.0, tau)); }},
        {"IdealGasS",
         [&] {
             const double delta = 100.0 * x2 / (f.R_ * tK) / f.Dcr_;
             return f.R_ * (tau * f.Phiot(delta, tau) - f.Phio(delta, tau));
         }},
    };
    const auto it = routines.find(routine);
    if (it == routines.end()) {
        ADD_FAILURE() << "unknown routine " << routine;
        return 0.0;
    }
    return it->second();
}

// Every row of a table with the columns routine, x1, x2, value, tolerance.
inline void CheckReferenceTable(const THelmholzFluid& f, const std::string& fileName) {
    for (const auto& row : nh3tsv::ReadTable(fileName)) {
        const std::string routine = row.at("routine");
        SCOPED_TRACE(fileName + ": " + routine + "(" + row.at("x1") + ", " + row.at("x2") + ")");
        int32_t code = -1;
        const double value =
            Evaluate(f, routine, nh3tsv::Number(row, "x1"), nh3tsv::Number(row, "x2"), code);
        EXPECT_EQ(code, 0);
        EXPECT_NEAR(value, nh3tsv::Number(row, "value"), nh3tsv::Number(row, "tolerance"));
    }
}

// The saturated states have equal pressure and equal Gibbs energy, liquid denser than vapour. The
// density iteration stops at a reduced-pressure residual of 1e-6, a pressure error of up to
// 1e-6 D R T: large against the tiny saturation pressure of a liquid near its triple point.
inline void CheckPhaseEquilibrium(const THelmholzFluid& f,
                                  const std::vector<double>& temperatures) {
    for (double T : temperatures) {
        SCOPED_TRACE("T = " + std::to_string(T));
        std::string text;
        int32_t code = -1;
        double Ps = 0, DL = 0, DV = 0;
        f.Maxwell_Criterion_Ps(T, Ps, DL, DV, text, code);
        ASSERT_EQ(code, 0) << text;
        const double RT = f.R_ * (T + f.dta) / 100.0;
        EXPECT_NEAR(f.PDT(DL, T), Ps, 1e-8 * Ps + 1e-6 * DL * RT);
        EXPECT_NEAR(f.PDT(DV, T), Ps, 1e-8 * Ps + 1e-6 * DV * RT);
        const double gL = f.HDT(DL, T) - (T + f.dta) * f.SDT(DL, T);
        const double gV = f.HDT(DV, T) - (T + f.dta) * f.SDT(DV, T);
        EXPECT_NEAR(gL, gV, 1e-7 * (std::fabs(f.HDT(DV, T)) + 1.0));
        EXPECT_GT(DL, DV);
    }
}

struct TState {
    double P;  // bar
    double T;  // °C
};

// TPH(P, HPT(P, T)) and TPS(P, SPT(P, T)) give T back within 1e-5 K.
inline void CheckFlashRoundTrips(const THelmholzFluid& f, const std::vector<TState>& states) {
    for (const TState& s : states) {
        SCOPED_TRACE(std::to_string(s.P) + " bar, " + std::to_string(s.T) + " °C");
        std::string text;
        int32_t code = -1;
        const double H = f.HPT(s.P, s.T, text, code);
        ASSERT_EQ(code, 0) << text;
        EXPECT_NEAR(f.TPH(s.P, H, text, code), s.T, 1e-5);
        EXPECT_EQ(code, 0) << text;
        const double S = f.SPT(s.P, s.T, text, code);
        ASSERT_EQ(code, 0) << text;
        EXPECT_NEAR(f.TPS(s.P, S, text, code), s.T, 1e-5);
        EXPECT_EQ(code, 0) << text;
    }
}

// TsatP(PsatT(T)) gives T back within 1e-5 K.
inline void CheckSaturationRoundTrips(const THelmholzFluid& f,
                                      const std::vector<double>& temperatures) {
    for (double T : temperatures) {
        SCOPED_TRACE("T = " + std::to_string(T));
        std::string text;
        int32_t code = -1;
        const double P = f.PsatT(T, text, code);
        ASSERT_EQ(code, 0) << text;
        EXPECT_NEAR(f.TsatP(P, text, code), T, 1e-5);
        EXPECT_EQ(code, 0) << text;
    }
}

// One function the ancillary equations switch at: the value at the switch point, and whether
// the straight line (which starts there with exactly `lineValue`) must be in use.
struct TBranchCase {
    const char* Routine;
    double X;
    double LineValue;
    bool OnLine;
};

// At the switch point a line gives its start value exactly; the empirical equation gives a
// nearby value that differs from it.
inline void CheckBranches(const THelmholzFluid& f, const std::vector<TBranchCase>& cases) {
    for (const TBranchCase& c : cases) {
        SCOPED_TRACE(std::string(c.Routine) + "(" + std::to_string(c.X) + ")");
        int32_t code = -1;
        const double value = Evaluate(f, c.Routine, c.X, 0.0, code);
        if (c.OnLine) {
            EXPECT_EQ(value, c.LineValue);
        } else {
            EXPECT_NE(value, c.LineValue);
            EXPECT_NEAR(value, c.LineValue, 0.02 * std::fabs(c.LineValue));
        }
    }
}

}  // namespace fluidchecks
