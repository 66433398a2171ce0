#pragma once
// Checks every fluid test shares: reading the tab-separated reference tables, the routines of a
// fluid by the names those tables use, comparing a table's rows with them, and the flash round
// trips.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "HelmholzFluidObject.h"
#include "KXTsv.h"

namespace fluidtest {

// ---- Tab-separated tables: "#" lines are comments, the first other line names the columns ----

using TRow = kxtsv::TKeyedRow;

inline std::vector<TRow> ReadTable(const std::string& fileName) {
    return kxtsv::ReadKeyed(fileName);
}

inline double Number(const TRow& row, const std::string& column) {
    const auto it = row.find(column);
    return it == row.end() || it->second.empty() ? 0.0 : std::stod(it->second);
}

inline std::string Describe(const TRow& row) {
    std::string text;
    for (const auto& [column, value] : row) text += column + "=" + value + " ";
    return text;
}

// ---- Ideal-gas properties from the ideal-gas part alone ----

// Enthalpy (kJ/kg) of the ideal gas at T (°C), on the scale of the equation's reference state.
inline double IdealGasEnthalpy(const THelmholzFluid& f, double T) {
    const double tau = f.TauOf(T);
    return f.R_ * (T + f.dta) * (1.0 + tau * f.Phiot(1.0, tau));
}

// Entropy (kJ/(kg K)) of the ideal gas at T (°C) and P (bar).
inline double IdealGasEntropy(const THelmholzFluid& f, double T, double P) {
    const double tau = f.TauOf(T);
    const double delta = f.DeltaOf(100.0 * P / (f.R_ * (T + f.dta)));
    return f.R_ * (tau * f.Phiot(delta, tau) - f.Phio(delta, tau));
}

// The same per mole: isobaric heat capacity (J/(mol K)), enthalpy (kJ/mol), entropy (J/(mol K)).
inline double IdealGasMolarHeatCapacity(const THelmholzFluid& f, double T) {
    const double tau = f.TauOf(T);
    return f.R_ * f.MM_ * (1.0 - tau * tau * f.Phiott(1.0, tau));
}
inline double IdealGasMolarEnthalpy(const THelmholzFluid& f, double T) {
    return IdealGasEnthalpy(f, T) * f.MM_ / 1000.0;
}
inline double IdealGasMolarEntropy(const THelmholzFluid& f, double T, double P) {
    return IdealGasEntropy(f, T, P) * f.MM_;
}

// ---- Routines of a fluid by the names the reference tables use ----

// A routine of a fluid evaluated at (x1, x2); it reports failures through text and code.
using TRoutine =
    std::function<double(const THelmholzFluid&, double, double, std::string&, int32_t&)>;
using TRoutines = std::map<std::string, TRoutine>;

// The routines every Helmholtz fluid has: the ancillary equations (Pse, tse, dsle, dsve), the
// saturation state (MaxwellPs, MaxwellDL, MaxwellDV), the solvers and library-level methods,
// pressure from density and temperature (PDT), the minimum temperatures, the constants Tc and
// Pc, and the ideal-gas properties (IdealGasH at x1 °C, IdealGasS at x1 °C and x2 bar, per kg;
// IdealCpMolar, IdealHMolar and IdealSMolar the same per mole).
inline TRoutines SharedRoutines() {
    using F = const THelmholzFluid&;
    auto maxwell = [](int which) {
        return [which](F f, double T, double, std::string& text, int32_t& code) {
            double ps = 0.0, dl = 0.0, dv = 0.0;
            f.Maxwell_Criterion_Ps(T, ps, dl, dv, text, code);
            return which == 0 ? ps : which == 1 ? dl : dv;
        };
    };
    auto noError = [](double (THelmholzFluid::*routine)(double) const) {
        return [routine](F f, double x, double, std::string&, int32_t&) { return (f.*routine)(x); };
    };
    using TPair = double (THelmholzFluid::*)(double, double, std::string&, int32_t&) const;
    auto pair = [](TPair routine) {
        return [routine](F f, double x1, double x2, std::string& text, int32_t& code) {
            return (f.*routine)(x1, x2, text, code);
        };
    };
    return {
        {"Pse", noError(&THelmholzFluid::Pse)},
        {"tse", noError(&THelmholzFluid::tse)},
        {"dsle", noError(&THelmholzFluid::dsle)},
        {"dsve", noError(&THelmholzFluid::dsve)},
        {"MaxwellPs", maxwell(0)},
        {"MaxwellDL", maxwell(1)},
        {"MaxwellDV", maxwell(2)},
        {"PsatT", [](F f, double T, double, std::string& text,
                     int32_t& code) { return f.PsatT(T, text, code); }},
        {"TsatP", [](F f, double P, double, std::string& text,
                     int32_t& code) { return f.TsatP(P, text, code); }},
        {"Solve_DPT", pair(&THelmholzFluid::Solve_DPT)},
        {"DPT", pair(&THelmholzFluid::DPT)},
        {"HTX", pair(&THelmholzFluid::HTX)},
        {"STX", pair(&THelmholzFluid::STX)},
        {"HPX", pair(&THelmholzFluid::HPX)},
        {"SPX", pair(&THelmholzFluid::SPX)},
        {"PDT", [](F f, double D, double T, std::string&, int32_t&) { return f.PDT(D, T); }},
        {"Tmin", noError(&THelmholzFluid::Tmin)},
        {"Tmin_Dmax",
         [](F f, double P, double, std::string&, int32_t&) { return f.Tmin_Dmax(P, 0); }},
        {"Tc",
         [](F f, double, double, std::string& text, int32_t& code) { return f.Tc(text, code); }},
        {"Pc",
         [](F f, double, double, std::string& text, int32_t& code) { return f.Pc(text, code); }},
        {"IdealGasH",
         [](F f, double T, double, std::string&, int32_t&) { return IdealGasEnthalpy(f, T); }},
        {"IdealGasS",
         [](F f, double T, double P, std::string&, int32_t&) { return IdealGasEntropy(f, T, P); }},
        {"IdealCpMolar", [](F f, double T, double, std::string&,
                            int32_t&) { return IdealGasMolarHeatCapacity(f, T); }},
        {"IdealHMolar",
         [](F f, double T, double, std::string&, int32_t&) { return IdealGasMolarEnthalpy(f, T); }},
        {"IdealSMolar", [](F f, double T, double P, std::string&,
                           int32_t&) { return IdealGasMolarEntropy(f, T, P); }},
    };
}

// Evaluates every row of a reference table (routine, x1, x2, value, tolerance) on the fluid
// fluidOf picks for the row: the routine must succeed with code 0 and give the value within the
// tolerance. Routines not shared by all fluids come from extra.
inline void CheckReferenceTable(const std::string& fileName,
                                const std::function<const THelmholzFluid*(const TRow&)>& fluidOf,
                                const TRoutines& extra = {}) {
    TRoutines routines = SharedRoutines();
    routines.insert(extra.begin(), extra.end());
    for (const TRow& row : ReadTable(fileName)) {
        SCOPED_TRACE(fileName + ": " + Describe(row));
        const THelmholzFluid* fluid = fluidOf(row);
        ASSERT_NE(fluid, nullptr) << "no fluid for this row";
        const auto routine = routines.find(row.at("routine"));
        ASSERT_NE(routine, routines.end()) << "no routine " << row.at("routine");
        std::string text;
        int32_t code = 0;
        const double value =
            routine->second(*fluid, Number(row, "x1"), Number(row, "x2"), text, code);
        EXPECT_EQ(code, 0) << text;
        EXPECT_NEAR(value, Number(row, "value"), Number(row, "tolerance"));
    }
}

// ---- Round trips ----

struct TState {
    double P;  // bar(a)
    double T;  // °C
};

// TPH(P, HPT(P, T)) and TPS(P, SPT(P, T)) give T back within 1e-5 K.
inline void CheckFlashRoundTrips(const THelmholzFluid& fluid, const std::vector<TState>& states) {
    for (const TState& s : states) {
        SCOPED_TRACE(fluid.Code + " at " + std::to_string(s.P) + " bar, " + std::to_string(s.T) +
                     " °C");
        std::string text;
        int32_t code = -1;
        const double h = fluid.HPT(s.P, s.T, text, code);
        ASSERT_EQ(code, 0) << text;
        EXPECT_NEAR(fluid.TPH(s.P, h, text, code), s.T, 1e-5);
        EXPECT_EQ(code, 0) << text;
        const double entropy = fluid.SPT(s.P, s.T, text, code);
        ASSERT_EQ(code, 0) << text;
        EXPECT_NEAR(fluid.TPS(s.P, entropy, text, code), s.T, 1e-5);
        EXPECT_EQ(code, 0) << text;
    }
}

}  // namespace fluidtest
