// Temporary experiment: the residual part of the nitrogen equation of state evaluated in long
// double, so that the generator can be tried with a residual that is exact beyond double rounding
// before the fluids' own long-double evaluators exist. Remove once TN2_FE overrides
// PhirAllExtended itself.
#include "ExtendedPrecisionExperiment.h"

#include <cmath>

namespace {

struct TTerm {
    long double n, t;
    int d, l;
};
struct TGaussian {
    long double n, t;
    int d;
    long double alpha, beta, gamma, epsilon;
};

// The coefficients as the nitrogen equation of state publishes them (the same table as
// src/fluids/KX_N2_FE_Lib_Root.cpp).
// Residual polynomial and exponential terms 1-32 of the nitrogen equation of state,
// Span, Lemmon, Jacobsen, Wagner and Yokozeki, J. Phys. Chem. Ref. Data 29 (2000) 1361.
constexpr TTerm Terms[32] = {
    {0.924803575275, 0.25, 1, 0},     // 1
    {-0.492448489428, 0.875, 1, 0},   // 2
    {0.661883336938, 0.5, 2, 0},      // 3
    {-1.92902649201, 0.875, 2, 0},    // 4
    {-0.0622469309629, 0.375, 3, 0},  // 5
    {0.349943957581, 0.75, 3, 0},     // 6
    {0.564857472498, 0.5, 1, 1},      // 7
    {-1.61720005987, 0.75, 1, 1},     // 8
    {-0.481395031883, 2.0, 1, 1},     // 9
    {0.421150636384, 1.25, 3, 1},     // 10
    {-0.0161962230825, 3.5, 3, 1},    // 11
    {0.172100994165, 1.0, 4, 1},      // 12
    {0.00735448924933, 0.5, 6, 1},    // 13
    {0.0168077305479, 3.0, 6, 1},     // 14
    {-0.00107626664179, 0.0, 7, 1},   // 15
    {-0.0137318088513, 2.75, 7, 1},   // 16
    {0.000635466899859, 0.75, 8, 1},  // 17
    {0.00304432279419, 2.5, 8, 1},    // 18
    {-0.0435762336045, 4.0, 1, 2},    // 19
    {-0.0723174889316, 6.0, 2, 2},    // 20
    {0.0389644315272, 6.0, 3, 2},     // 21
    {-0.021220136391, 3.0, 4, 2},     // 22
    {0.00408822981509, 3.0, 5, 2},    // 23
    {-5.51990017984e-05, 6.0, 8, 2},  // 24
    {-0.0462016716479, 16.0, 4, 3},   // 25
    {-0.00300311716011, 11.0, 5, 3},  // 26
    {0.0368825891208, 15.0, 5, 3},    // 27
    {-0.0025585684622, 12.0, 8, 3},   // 28
    {0.00896915264558, 12.0, 3, 4},   // 29
    {-0.0044151337035, 7.0, 5, 4},    // 30
    {0.00133722924858, 4.0, 6, 4},    // 31
    {0.000264832491957, 16.0, 9, 4},  // 32
};

// Residual Gaussian terms 33-36 of the nitrogen equation of state, Span et al. (2000).
constexpr TGaussian Gaussians[4] = {
    {19.6688194015, 0.0, 1, 20.0, 325.0, 1.16, 1.0},    // 33
    {-20.911560073, 1.0, 1, 20.0, 325.0, 1.16, 1.0},    // 34
    {0.0167788306989, 2.0, 3, 15.0, 300.0, 1.13, 1.0},  // 35
    {2627.67566274, 3.0, 2, 25.0, 275.0, 1.25, 1.0},    // 36
};

}  // namespace

void TN2InLongDouble::PhirAllExtended(long double delta, long double tau,
                                      THelmholzResidualExtended& r) const {
    r = {};
    for (const TTerm& k : Terms) {
        // n delta^d tau^t exp(-delta^l): with g = d - l delta^l the delta derivatives are
        // delta^(d-1) g and delta^(d-2) (g (g - 1) - l^2 delta^l), times the rest.
        const long double dl = k.l == 0 ? 0.0L : std::pow(delta, k.l);
        const long double e = k.l == 0 ? 1.0L : std::exp(-dl);
        const long double g = k.d - k.l * dl;
        const long double base = k.n * std::pow(delta, k.d) * std::pow(tau, k.t) * e;
        r.Phi += base;
        r.Phid += base * g / delta;
        r.Phidd += base * (g * (g - 1.0L) - k.l * k.l * dl) / (delta * delta);
        r.Phit += base * k.t / tau;
        r.Phitt += base * k.t * (k.t - 1.0L) / (tau * tau);
        r.Phidt += base * g * k.t / (delta * tau);
    }
    for (const TGaussian& k : Gaussians) {
        const long double x = delta - k.epsilon, y = tau - k.gamma;
        const long double base = k.n * std::pow(delta, k.d) * std::pow(tau, k.t) *
                                 std::exp(-k.alpha * x * x - k.beta * y * y);
        const long double a = k.d / delta - 2.0L * k.alpha * x;
        const long double b = k.t / tau - 2.0L * k.beta * y;
        r.Phi += base;
        r.Phid += base * a;
        r.Phidd += base * (a * a - k.d / (delta * delta) - 2.0L * k.alpha);
        r.Phit += base * b;
        r.Phitt += base * (b * b - k.t / (tau * tau) - 2.0L * k.beta);
        r.Phidt += base * a * b;
    }
}
