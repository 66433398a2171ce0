#pragma once
// The one form of the ancillary saturation equations of this folder: a sum Σ n_i ϑ^k_i over a
// table of coefficients and exponents (a constant term has k = 0), ϑ = 1 − T/Tc. A fluid's
// equation wraps the sum in its own outer shape (p_ref exp(Σ/(1 − ϑ)), D_ref exp(Σ), ...); near
// the critical point some fluids continue an equation by a straight line in T, and the
// saturation temperature is a fit in y = ln(p/p_ref). The sums are formed term by term in table
// order, so a table reproduces the written-out equation bit for bit.
#include <cmath>
#include <cstddef>

#include "HelmholtzMath.h"

// ϑ = 1 − T/Tc of the ancillary equations. Both temperatures become kelvin by the same
// addition, so ϑ is exactly 0 at t = tcr and fractional powers of it stay defined there.
inline double AncillaryTheta(double t, double tcr, double dta) {
    return 1.0 - (t + dta) / (tcr + dta);
}

// A power rule of HelmholtzMath.h, by value so a table can name it.
using TPowerRule = double (*)(double x, double y);
inline double FluidPowerRule(double x, double y) {
    return FluidPower(x, y);
}

// Σ N_i θ^k_i of an ancillary equation, with the fluid's power rule (std::pow unless given).
// The loop is unrolled so each exponent is a constant and an integral one folds to products, as
// in the written-out equation.
template <TPowerRule Power = PowerOf, std::size_t N>
double AncillarySum(const double (&n)[N], const double (&k)[N], double theta) {
    double sum = 0.0;
#pragma GCC unroll 16
    for (std::size_t i = 0; i < N; ++i) sum += n[i] * Power(theta, k[i]);
    return sum;
}

// The straight continuation of an ancillary equation from `start` (°C) to the reported critical
// point: value + rise (t − start) / span.
struct TStraightBranch {
    double start;
    double value;
    double rise;
    double span;
    double At(double t) const { return value + rise * (t - start) / span; }
};

// The saturation temperature fit (Tref + dta) / (b0 + b1 y + b2 y²) − 273.15 (°C), with
// y = ln(p/p_ref).
struct TSaturationTemperatureFit {
    double pRef;  // bar
    double tRef;  // °C
    double b[3];
    double At(double p, double dta) const {
        const double y = std::log(p / pRef);
        return (tRef + dta) / (b[0] + b[1] * y + b[2] * y * y) - 273.15;
    }
};
