#include "KX_R152a_FE_Lib_Root.h"

#include <cmath>

// R152a residual part, 7 polynomial and 12 exponential terms: Tillner-Roth (1995).
static constexpr TResidualTerm R152aResidual[] = {
    {0.355226, 0.0, 1.0, 0},       // 1
    {-1.42566, 1.5, 1.0, 0},       // 2
    {-0.04631621, 3.0, 1.0, 0},    // 3
    {0.06903546, -0.5, 1.5, 0},    // 4
    {0.0197571, -0.5, 3.0, 0},     // 5
    {0.0007486977, -0.5, 6.0, 0},  // 6
    {0.0004642204, 1.5, 6.0, 0},   // 7
    {-0.2603396, 3.0, 1.0, 1},     // 8
    {-0.07624212, 4.0, 1.0, 1},    // 9
    {0.2233522, 3.0, 3.0, 1},      // 10
    {0.01992515, 2.0, 4.0, 1},     // 11
    {0.344904, 4.0, 1.0, 2},       // 12
    {-0.4963849, 5.0, 1.0, 2},     // 13
    {0.1290719, 6.0, 1.0, 2},      // 14
    {0.000976079, 5.0, 8.0, 2},    // 15
    {0.005066545, 12.5, 2.0, 3},   // 16
    {-0.0140202, 25.0, 3.0, 3},    // 17
    {0.005169918, 20.0, 5.0, 3},   // 18
    {0.0002679087, 25.0, 6.0, 3},  // 19
};
static_assert(ValidResidualTable(R152aResidual));

// R152a ideal-gas part, −ln τ + a_3 τ^(−1/4) + a_4 τ^(−2) + a_5 τ^(−4): Tillner-Roth (1995).
static constexpr TIdealPowerTerm R152aIdealPowers[] = {
    {-20.78887, -0.25},
    {-0.6539092, -2.0},
    {0.03342831, -4.0},
};
static constexpr TIdealGasPart R152aIdeal{10.87227, 6.839515, -1.0, R152aIdealPowers, {}};

TR152a_FE::TR152a_FE() : TRefrigerant_FE(R152aResidual, R152aIdeal) {
    Code = "KX_R152a_FE";
    MM_ = 66.051;
    R_ = 0.12587956;
    Ac_ = 0.2805;
    Tc_ = 113.26;
    Tcr_ = 113.26;
    Tc_Max_ = 113.17;
    Pc_ = 45.1652;
    Hc_ = 479.81;
    Pcr_ = 45.1652;
    Dcr_ = 368.0;
    Tt_ = -118.5;
    Pt_ = 0.00065991;
    Pmin = Pt_;
    Pmax = 300.0;
    Tmax = 161.85;
}

// Ancillary equations. The pressure equation has no straight-line branch; the densities switch
// to straight lines that meet at Tc_ from 113 °C, the temperature to a quadratic above 44 bar.

double TR152a_FE::Pse(double t) const {
    const double th = AncillaryTheta(t, Tcr_, dta);
    return 45.1681 * std::exp((-7.4284069 * th + 1.8245044 * FluidPower(th, 1.5) -
                               3.4110761 * FluidPower(th, 2.5) + 2.3252755 * FluidPower(th, 3.0) -
                               3.5077925 * FluidPower(th, 4.25)) /
                              (1.0 - th));
}

double TR152a_FE::tse(double p) const {
    if (p > 44.0) return -0.00301659 * p * p + 1.44848 * p + 53.9871;
    const double y = std::log(p / 45.1681);
    return (113.26 + dta) / (0.997312 - 0.151088 * y - 0.00146623 * y * y) - 273.15;
}

double TR152a_FE::dsle(double t) const {
    if (t >= 113.0) return 432.97 - 73.65 * (t - 113.0) / 0.26;
    const double th = AncillaryTheta(t, Tcr_, dta);
    return 392.236 + 358.397 * FluidPower(th, 1.0 / 3.0) + 594.808 * FluidPower(th, 0.5) +
           114.02 * FluidPower(th, 7.0 / 3.0);
}

double TR152a_FE::dsve(double t) const {
    if (t >= 113.0) return 299.38 + 59.94 * (t - 113.0) / 0.26;
    const double th = AncillaryTheta(t, Tcr_, dta);
    return 359.32 * std::exp(-3.030414 * FluidPower(th, 0.3333) + 5.775173 * FluidPower(th, 0.5) -
                             9.147946 * FluidPower(th, 0.6667) - 12.281872 * FluidPower(th, 2.25) -
                             51.012339 * FluidPower(th, 5.5));
}
