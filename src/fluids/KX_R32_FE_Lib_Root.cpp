#include "KX_R32_FE_Lib_Root.h"

#include <cmath>

// R32 residual part, 8 polynomial and 11 exponential terms: Tillner-Roth and Yokozeki (1997).
static constexpr TResidualTerm R32Residual[] = {
    {1.046634, 0.25, 1.0, 0},       // 1
    {-0.5451165, 1.0, 2.0, 0},      // 2
    {-0.002448595, -0.25, 5.0, 0},  // 3
    {-0.04877002, -1.0, 1.0, 0},    // 4
    {0.03520158, 2.0, 1.0, 0},      // 5
    {0.00162275, 2.0, 3.0, 0},      // 6
    {2.377225e-05, 0.75, 8.0, 0},   // 7
    {0.029149, 0.25, 4.0, 0},       // 8
    {0.003386203, 18.0, 4.0, 4},    // 9
    {-0.004202444, 26.0, 4.0, 3},   // 10
    {0.0004782025, -1.0, 8.0, 1},   // 11
    {-0.005504323, 25.0, 3.0, 4},   // 12
    {-0.02418396, 1.75, 5.0, 1},    // 13
    {0.4209034, 4.0, 1.0, 2},       // 14
    {-0.4616537, 5.0, 1.0, 2},      // 15
    {-1.200513, 1.0, 3.0, 1},       // 16
    {-2.59155, 1.5, 1.0, 1},        // 17
    {-1.400145, 1.0, 2.0, 1},       // 18
    {0.8263017, 0.5, 3.0, 1},       // 19
};
static_assert(ValidResidualTable(R32Residual));

// R32 ideal-gas part, Planck-Einstein terms: Tillner-Roth and Yokozeki (1997).
static constexpr TIdealPlanckTerm R32IdealPlanck[] = {
    {1.160761, 2.2718538},
    {2.645151, 11.914421},
    {5.794987, 5.1415638},
    {1.129475, 32.768217},
};
static constexpr TIdealGasPart R32Ideal{-8.258096, 6.353098, 3.004486, {}, R32IdealPlanck};

TR32_FE::TR32_FE() : TRefrigerant_FE(R32Residual, R32Ideal) {
    Code = "KX_R32_FE";
    MM_ = 52.024;
    R_ = 0.15981991;
    Ac_ = 0.271;
    Tc_ = 78.105;
    Tcr_ = 78.105;
    Tc_Max_ = 77.9;
    Pc_ = 57.826;
    Hc_ = 414.15;
    Pcr_ = 57.82;
    Dcr_ = 424.0;
    Tt_ = -136.81;
    Pt_ = 0.00048;
    Pmin = Pt_;
    Pmax = 700.0;
    Tmax = 161.85;
}

// Ancillary equations: empirical below 75.73 °C; from there straight lines that reach the
// critical pressure and density at Tc_.

double TR32_FE::Pse(double t) const {
    if (t >= 75.73) return 55.0 + 2.826 * (t - 75.73) / 2.375;
    const double th = AncillaryTheta(t, Tcr_, dta);
    return 57.8116 * std::exp((-7.44892 * th + 1.6886 * FluidPower(th, 1.5) -
                               1.908 * FluidPower(th, 2.5) - 2.81 * FluidPower(th, 5.0)) /
                              (1.0 - th));
}

double TR32_FE::tse(double p) const {
    const double y = std::log(p / 57.826);
    return (78.105 + dta) / (0.997389 - 0.150585 * y - 0.00133953 * y * y) - 273.15;
}

double TR32_FE::dsle(double t) const {
    if (t >= 75.73) return 590.01 - 166.01 * (t - 75.73) / 2.375;
    const double th = AncillaryTheta(t, Tcr_, dta);
    return 424.0 + 434.55 * FluidPower(th, 1.0 / 4.0) + 1296.53 * FluidPower(th, 2.0 / 3.0) -
           777.49 * th + 366.84 * FluidPower(th, 5.0 / 3.0);
}

double TR32_FE::dsve(double t) const {
    if (t >= 75.73) return 269.17 + 154.83 * (t - 75.73) / 2.375;
    // Below -50 °C the vapour is dilute enough to be taken as an ideal gas.
    if (t < -50.0) return Pse(t) * 100.0 / (R_ * (t + dta));
    const double th = AncillaryTheta(t, Tcr_, dta);
    return 424.0 *
           std::exp(-1.969 * FluidPower(th, 1.0 / 3.0) - 2.0222 * FluidPower(th, 2.0 / 3.0) -
                    6.7409 * FluidPower(th, 4.0 / 3.0) - 27.479 * FluidPower(th, 11.0 / 3.0));
}

double TR32_FE::Tmin(double P) const {
    return P >= Pc_ ? -109.0 : Tt_;
}
