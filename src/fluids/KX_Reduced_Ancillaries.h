#pragma once
// The ancillary saturation equations in the reduced form published with the recent equations of
// state, ϑ = 1 − T/Tcr: vapour pressure ln(p/p_r) = (Tcr/T) Σ n ϑ^k, saturated-liquid density
// ρ'/ρ_r = 1 + Σ n ϑ^k, saturated-vapour density ln(ρ''/ρ_r) = Σ n ϑ^k, each with reducing
// values of its own (bar, kg/m3). From the top of the iterated saturation (Tc_Max_) on, straight
// lines continue them from the equation's saturated states there to its critical point, so that
// the saturation line has no step at either end. The saturation temperature is the inverse of
// the vapour pressure, so that tse(Pse(t)) = t.
#include <cmath>
#include <span>

#include "KX_Ancillary_Equations.h"

// One equation: its reducing value and the coefficients n and exponents k of Σ n ϑ^k; a
// reducing temperature of its own (K) where it was fitted with one, else (0) the equation's.
struct TReducedAncillary {
    double reducing;
    std::span<const double> n;
    std::span<const double> k;
    double ownTcrK = 0.0;

    double Sum(double theta) const {
        double sum = 0.0;
        for (std::size_t i = 0; i < n.size(); ++i) sum += n[i] * PowerOf(theta, k[i]);
        return sum;
    }
    double Theta(double t, double tcr, double dta) const {
        return ownTcrK > 0.0 ? 1.0 - (t + dta) / ownTcrK : AncillaryTheta(t, tcr, dta);
    }
    double TcrK(double tcr, double dta) const { return ownTcrK > 0.0 ? ownTcrK : tcr + dta; }
};

// The straight line from value at start to the critical value span kelvin later, so that it
// ends on the equation's critical point to rounding.
constexpr TStraightBranch StraightToCritical(double start, double value, double critical,
                                             double span) {
    return {start, value, critical - value, span};
}

struct TReducedAncillaries {
    TReducedAncillary pressure;
    TReducedAncillary liquid;
    TReducedAncillary vapour;
    TStraightBranch pressureBranch;
    TStraightBranch liquidBranch;
    TStraightBranch vapourBranch;
    // The vapour density in the form of the vapour pressure, ln(ρ''/ρ_r) = (T_r/T) Σ n ϑ^k.
    bool vapourOverT = false;

    // ln(p/p_r) at ϑ, T/Tcr = 1 − ϑ.
    double LogPressureRatio(double theta) const { return pressure.Sum(theta) / (1.0 - theta); }

    double Pressure(double t, double tcr, double dta) const {
        if (t >= pressureBranch.start) return pressureBranch.At(t);
        return pressure.reducing * std::exp(LogPressureRatio(pressure.Theta(t, tcr, dta)));
    }
    double LiquidDensity(double t, double tcr, double dta) const {
        if (t >= liquidBranch.start) return liquidBranch.At(t);
        return liquid.reducing * (1.0 + liquid.Sum(liquid.Theta(t, tcr, dta)));
    }
    double VapourDensity(double t, double tcr, double dta) const {
        if (t >= vapourBranch.start) return vapourBranch.At(t);
        const double theta = vapour.Theta(t, tcr, dta);
        const double sum = vapour.Sum(theta);
        return vapour.reducing * std::exp(vapourOverT ? sum / (1.0 - theta) : sum);
    }

    // The temperature (°C) at which Pressure gives p: ln(p/p_r) falls monotonically with ϑ, so
    // the root stays bracketed in [0, 1) while secant steps (bisection where a secant step
    // would hug one end of the bracket) close in on it. At and above p_r: the critical
    // temperature.
    double Temperature(double p, double tcr, double dta) const {
        const TStraightBranch& b = pressureBranch;
        if (p >= b.value) return b.start + (p - b.value) / b.rise * b.span;
        const double y = std::log(p / pressure.reducing);
        if (!(y < 0.0)) return tcr;
        double lo = 0.0, hi = 0.999;  // f(lo) = −y > 0, f(hi) < 0 for any pressure of the range
        double flo = -y, fhi = LogPressureRatio(hi) - y;
        double theta = hi;
        for (int pass = 0; pass < 100; ++pass) {
            theta = lo + flo / (flo - fhi) * (hi - lo);
            // Fall back to the midpoint when the secant hugs one end of the bracket.
            if (!(theta > lo + 0.01 * (hi - lo) && theta < hi - 0.01 * (hi - lo)))
                theta = 0.5 * (lo + hi);
            const double f = LogPressureRatio(theta) - y;
            if (std::fabs(f) < 1e-13) break;
            (f > 0.0 ? lo : hi) = theta;
            (f > 0.0 ? flo : fhi) = f;
        }
        return (1.0 - theta) * pressure.TcrK(tcr, dta) - dta;
    }
};
