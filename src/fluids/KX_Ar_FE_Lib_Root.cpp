#include "KX_Ar_FE_Lib_Root.h"

#include <cmath>

#include "KX_Ideal_Gas.h"

namespace {

// ---- Coefficient tables ----

// Ideal-gas part of the argon equation of state, Tegeler, Span and Wagner (1999).
constexpr TIdealGasPart ArIdeal{8.31666243, -4.94651164, 1.5, {}, {}};

// Residual polynomial (1-12) and exponential (13-37) terms of the argon equation of state,
// Tegeler, Span and Wagner, J. Phys. Chem. Ref. Data 28 (1999) 779.
constexpr TResidualTerm ArTerms[37] = {
    {0.088722304990011, 0.0, 1, 0},      // 1
    {0.70514805167298, 0.25, 1, 0},      // 2
    {-1.682011565409, 1.0, 1, 0},        // 3
    {-0.14909014431486, 2.75, 1, 0},     // 4
    {-0.1202480460094, 4.0, 1, 0},       // 5
    {-0.12164978798599, 0.0, 2, 0},      // 6
    {0.40035933626752, 0.25, 2, 0},      // 7
    {-0.27136062699129, 0.75, 2, 0},     // 8
    {0.24211924579645, 2.75, 2, 0},      // 9
    {0.005788958318557, 0.0, 3, 0},      // 10
    {-0.041097335615341, 2.0, 3, 0},     // 11
    {0.024710761541614, 0.75, 4, 0},     // 12
    {-0.32181391750702, 3.0, 1, 1},      // 13
    {0.33230017695794, 3.5, 1, 1},       // 14
    {0.031019986287345, 1.0, 3, 1},      // 15
    {-0.030777086002437, 2.0, 4, 1},     // 16
    {0.093891137419581, 4.0, 4, 1},      // 17
    {-0.090643210682031, 3.0, 5, 1},     // 18
    {-0.00045778349276654, 0.0, 7, 1},   // 19
    {-8.2659729025197e-05, 0.5, 10, 1},  // 20
    {0.00013013415603147, 1.0, 10, 1},   // 21
    {-0.011397840001996, 1.0, 2, 2},     // 22
    {-0.024455169960535, 7.0, 2, 2},     // 23
    {-0.064324067175955, 5.0, 4, 2},     // 24
    {0.058889471093674, 6.0, 4, 2},      // 25
    {-0.00064933552112965, 6.0, 8, 2},   // 26
    {-0.013889862158435, 10.0, 3, 3},    // 27
    {0.4048983929691, 13.0, 5, 3},       // 28
    {-0.38612519594749, 14.0, 5, 3},     // 29
    {-0.18817142332233, 11.0, 6, 3},     // 30
    {0.15977647596482, 14.0, 6, 3},      // 31
    {0.053985518513856, 8.0, 7, 3},      // 32
    {-0.028953417958014, 14.0, 7, 3},    // 33
    {-0.013025413381384, 6.0, 8, 3},     // 34
    {0.0028948696775778, 7.0, 9, 3},     // 35
    {-0.0022647134304796, 24.0, 5, 4},   // 36
    {0.0017616456196368, 22.0, 6, 4},    // 37
};

// Residual Gaussian terms 38-41 of the argon equation of state, Tegeler, Span and Wagner (1999).
constexpr TGaussianTerm ArGaussianTerms[4] = {
    {0.0058552454482774, 3.0, 2, 20, 250, 1.11, 1},   // 38
    {-0.69251908270028, 1.0, 1, 20, 375, 1.14, 1},    // 39
    {1.5315490030516, 0.0, 2, 20, 300, 1.17, 1},      // 40
    {-0.0027380447449783, 0.0, 3, 20, 225, 1.11, 1},  // 41
};

// Ancillary saturation equations of Tegeler, Span and Wagner (1999): vapour pressure,
// saturated-liquid and saturated-vapour density; and the inverse vapour-pressure fit in
// ln(p/pc).
constexpr double PseN[4] = {-5.9409785, 1.35538888, -0.46497607, -1.5399043};
constexpr double PseK[4] = {1.0, 1.5, 2.0, 4.5};
constexpr double DsleN[4] = {1.5004262, -0.3138129, 0.086461622, -0.041477525};
constexpr double DsleK[4] = {0.334, 2.0 / 3.0, 7.0 / 3.0, 4.0};
constexpr double DsveN[4] = {-1.70695656, -4.02739448, 1.55177558, -2.30683228};
constexpr double DsveK[4] = {0.345, 5.0 / 6.0, 1.0, 13.0 / 3.0};
constexpr double TseC[4] = {0.00028431, 0.176003, 0.0230555, 0.00146448};

}  // namespace

TAr_FE::TAr_FE()
    : TEquationFluid(
          THelmholzConstants{
              .Code = "KX_Ar_FE",
              .MM_ = 39.948,
              .R_ = 0.2081333,
              .Ac_ = 0.001,
              .Tc_ = -122.463,
              .Tcr_ = -122.463,
              .Tc_Max_ = -122.47,
              .Pc_ = 48.63,
              .Hc_ = -159.46,
              .Pcr_ = 48.63,
              .Dcr_ = 535.6,
              .Tt_ = -189.3442,
              .Pt_ = 0.68890880644319474,
              .Pmin = 1e-100,  // positive: the density solution fails towards 1e-300 bar
              .Pmax = 10000.0,
              .Tmax = 700.0 - KelvinOffset},
          {ArTerms, ArGaussianTerms, {}, {}, 4}, ArIdeal) {}

// ---- Ancillary equations; ϑ = 1 − T/Tc ----

double TAr_FE::Pse(double t) const {
    const double theta = AncillaryTheta(t, Tcr_, dta);
    return Pcr_ * std::exp(AncillarySum(PseN, PseK, theta) / (1.0 - theta));
}

double TAr_FE::tse(double p) const {
    const double y = std::log(p / Pcr_);
    const double fit = TseC[0] + y * (TseC[1] + y * (TseC[2] + y * TseC[3]));
    return (Tcr_ + dta) * (1.0 + fit) - 273.15;
}

double TAr_FE::dsle(double t) const {
    const double theta = AncillaryTheta(t, Tcr_, dta);
    return Dcr_ * std::exp(AncillarySum(DsleN, DsleK, theta));
}

double TAr_FE::dsve(double t) const {
    const double theta = AncillaryTheta(t, Tcr_, dta);
    return Dcr_ * std::exp((Tcr_ + dta) / (t + dta) * AncillarySum(DsveN, DsveK, theta));
}
