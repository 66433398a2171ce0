#pragma once
// Small fluids with closed-form Helmholtz energies, for testing the framework on its own:
// an ideal gas, and the van der Waals fluid in reduced form, whose saturation state, spinodals
// and critical point are known independently of the framework's iterations.
#include <cmath>
#include <limits>

#include "HelmholzFluidObject.h"

namespace testfluids {

// Ideal gas with constant heat capacity: phio = ln delta + k ln tau, phir = 0, so cv = k R.
class TIdealGas : public THelmholzFluid {
  public:
    static constexpr double k = 2.5;

    TIdealGas()
        : THelmholzFluid({.Code = "KX_IG_FE",
                          .MM_ = 16.6289,
                          .R_ = 0.5,
                          .Ac_ = 0.0,
                          .Tc_ = 126.85,
                          .Tcr_ = 126.85,
                          .Tc_Max_ = 124.85,
                          .Pc_ = 225.0,
                          .Hc_ = 350.0,
                          .Pcr_ = 225.0,
                          .Dcr_ = 300.0,
                          .Tt_ = -73.15,
                          .Pt_ = 6.25,
                          .Pmin = 0.5,
                          .Pmax = 2000.0,
                          .Tmax = 326.85}) {}
    double Pse(double) const override { return 1.0; }
    double tse(double) const override { return 0.0; }
    double dsle(double) const override { return 1.0; }
    double dsve(double) const override { return 1.0; }
    double Phio(double d, double t) const override { return std::log(d) + k * std::log(t); }
    double Phiot(double, double t) const override { return k / t; }
    double Phiott(double, double t) const override { return -k / (t * t); }
    double Phiod(double d, double) const override { return 1.0 / d; }
    double Phiodd(double d, double) const override { return -1.0 / (d * d); }
    double Phiodt(double, double) const override { return 0.0; }
    double Phir(double, double) const override { return 0.0; }
    double Phirt(double, double) const override { return 0.0; }
    double Phirtt(double, double) const override { return 0.0; }
    double Phird(double, double) const override { return 0.0; }
    double Phirdd(double, double) const override { return 0.0; }
    double Phirdt(double, double) const override { return 0.0; }
};

// Van der Waals fluid reduced at its critical point (delta = tau = 1): phir = -ln(1 - delta/3)
// - 9/8 delta tau, so P/Pc = 8 delta / (tau (3 - delta)) - 3 delta^2 with Pc = 3/8 Dc R Tc.
// Critical point 400 K, 300 kg/m3, 225 bar; triple point taken at Tr = 0.5 (6.2524 bar). The
// ancillary equations are rough fits, good enough as start values only. Above the critical
// pressure the Peng-Robinson start estimate of a cold or near-critical state lies beyond this
// fluid's co-volume (three times the critical density), where the density search cannot start:
// use it below the critical pressure, and above it only at supercritical temperatures.
class TVanDerWaals : public THelmholzFluid {
  public:
    static THelmholzConstants Constants() {
        return {.Code = "KX_VDW_FE",
                .MM_ = 16.6289,
                .R_ = 0.5,
                .Ac_ = -0.3,
                .Tc_ = 400.0 - KelvinOffset,
                .Tcr_ = 400.0 - KelvinOffset,
                .Tc_Max_ = 398.0 - KelvinOffset,
                .Pc_ = 225.0,
                .Hc_ = 350.0,  // h = 1.75 R Tc at the critical point
                .Pcr_ = 225.0,
                .Dcr_ = 300.0,
                .Tt_ = 200.0 - KelvinOffset,
                .Pt_ = 225.0 * 0.0277886950432097,
                .Pmin = 0.5,
                .Pmax = 2000.0,
                .Tmax = 800.0 - KelvinOffset,
                .dH = 1e-6,
                .dS = 1e-6,
                .dH_XTH = 1e-6,
                .dS_XTS = 1e-3};
    }
    // A variant passes the constants changed.
    explicit TVanDerWaals(const THelmholzConstants& constants = Constants())
        : THelmholzFluid(constants) {}
    double Theta(double t) const { return 1.0 - (t + dta) / (Tcr_ + dta); }
    double Pse(double t) const override {
        const double th = Theta(t);
        return Pc_ * std::exp((-4.0 + 0.835 * th) * th / (1.0 - th));
    }
    // The exact inverse of Pse: 0.835 theta^2 + (L - 4) theta - L = 0 with L = ln(p/Pc).
    double tse(double p) const override {
        const double L = std::log(p / Pc_);
        const double theta =
            ((4.0 - L) - std::sqrt((L - 4.0) * (L - 4.0) + 4.0 * 0.835 * L)) / (2.0 * 0.835);
        return (1.0 - theta) * (Tcr_ + dta) - dta;
    }
    double dsle(double t) const override { return Dcr_ * (1.0 + 2.08 * std::sqrt(Theta(t))); }
    // Ideal-gas density at the ancillary pressure.
    double dsve(double t) const override { return 100.0 * Pse(t) / (R_ * (t + dta)); }
    double Phio(double d, double t) const override { return std::log(d) + 2.5 * std::log(t); }
    double Phiot(double, double t) const override { return 2.5 / t; }
    double Phiott(double, double t) const override { return -2.5 / (t * t); }
    double Phiod(double d, double) const override { return 1.0 / d; }
    double Phiodd(double d, double) const override { return -1.0 / (d * d); }
    double Phiodt(double, double) const override { return 0.0; }
    double Phir(double d, double t) const override {
        return -std::log(1.0 - d / 3.0) - 9.0 / 8.0 * d * t;
    }
    double Phirt(double d, double) const override { return -9.0 / 8.0 * d; }
    double Phirtt(double, double) const override { return 0.0; }
    double Phird(double d, double t) const override { return 1.0 / (3.0 - d) - 9.0 / 8.0 * t; }
    double Phirdd(double d, double) const override { return 1.0 / ((3.0 - d) * (3.0 - d)); }
    double Phirdt(double, double) const override { return -9.0 / 8.0; }
};

}  // namespace testfluids
