#include "KX_R123_FE_Lib_Root.h"

#include <cfenv>
#include <cmath>

#include "KX_FloatingPoint.h"

// R123 residual part, the modified Benedict-Webb-Rubin equation of Younglove and McLinden (1994)
// in reduced Helmholtz form: rows 1-19 n δ^d τ^t and rows 23-37 n δ^d τ^t exp(−δ²) (l = 2 of
// the shared form); rows 20-22 follow in R123ExpMinusOne.
static constexpr TResidualTerm R123Residual[] = {
    {-0.28437940866, 0.0, 1.0, 0},     // 1
    {5.9392806273, 0.5, 1.0, 0},       // 2
    {-9.3656031448, 1.0, 1.0, 0},      // 3
    {4.1666076029, 2.0, 1.0, 0},       // 4
    {-1.7402327901, 3.0, 1.0, 0},      // 5
    {0.17701988347, 0.0, 2.0, 0},      // 6
    {-1.5472167313, 1.0, 2.0, 0},      // 7
    {1.6182047558, 2.0, 2.0, 0},       // 8
    {2.8890349365, 3.0, 2.0, 0},       // 9
    {-0.11849385247, 0.0, 3.0, 0},     // 10
    {1.3095224158, 1.0, 3.0, 0},       // 11
    {-1.1730808165, 2.0, 3.0, 0},      // 12
    {-0.12812510167, 1.0, 4.0, 0},     // 13
    {-0.078608704212, 2.0, 5.0, 0},    // 14
    {-0.081600014077, 3.0, 5.0, 0},    // 15
    {0.053645082587, 2.0, 6.0, 0},     // 16
    {-0.0068007783859, 2.0, 7.0, 0},   // 17
    {0.0070126369723, 3.0, 7.0, 0},    // 18
    {-0.00090176179589, 3.0, 8.0, 0},  // 19
    {7.9892347527, 3.0, 2.0, 2},       // 23
    {-0.54797182413, 4.0, 2.0, 2},     // 24
    {-0.020681663555, 5.0, 2.0, 2},    // 25
    {2.4914256043, 3.0, 4.0, 2},       // 26
    {-0.27398591206, 4.0, 4.0, 2},     // 27
    {0.23600169709, 5.0, 4.0, 2},      // 28
    {0.54052783233, 3.0, 6.0, 2},      // 29
    {-0.060045729028, 4.0, 6.0, 2},    // 30
    {0.078667232362, 5.0, 6.0, 2},     // 31
    {0.070808526299, 3.0, 8.0, 2},     // 32
    {-0.015011432257, 4.0, 8.0, 2},    // 33
    {0.0018220502133, 5.0, 8.0, 2},    // 34
    {0.0031497826875, 3.0, 10.0, 2},   // 35
    {0.0078445481067, 4.0, 10.0, 2},   // 36
    {0.00036441004265, 5.0, 10.0, 2},  // 37
};
static_assert(ValidResidualTable(R123Residual));

// R123 residual rows 20-22, n τ^t (exp(−δ²) − 1): Younglove and McLinden (1994).
static constexpr TExpMinusOneTerm R123ExpMinusOne[] = {
    {10.024260419, 3.0},     // 20
    {0.28060780091, 4.0},    // 21
    {-0.020681663555, 5.0},  // 22
};

// R123 ideal-gas part, a_4 τ^(−1) + a_5 τ^(−2) + a_6 τ^(−3): Younglove and McLinden (1994).
static constexpr TIdealPowerTerm R123IdealPowers[] = {
    {-11.1159955, -1.0},
    {1.94308183, -2.0},
    {-0.22430542, -3.0},
};
static constexpr TIdealGasPart R123Ideal{-13.23249393, 10.94800494, 1.046009, R123IdealPowers, {}};

// R123 ancillary equations, the empirical fits of this model (start values of the saturation
// solver), ϑ = 1 − T/Tcr: vapour pressure p = p_ref exp(Σ n ϑ^k / (1 − ϑ)); saturated-liquid
// density Dcr Σ n ϑ^k; saturation temperature fit in ln(p/p_ref) (with the reported 183.68 °C);
// from 182 °C on, straight lines for pressure and liquid density. The vapour density follows from
// the ancillary pressure with the compressibility correction
// B = 1 + (1 − Tr)^0.355 (c0 + c1 Tr + c2 Tr² + c3 Tr³).
static constexpr double R123PseRef = 36.618;
static constexpr double R123PseN[] = {-7.44755268, 2.22205828, -1.90007722, -3.19471827,
                                      -1.29982316};
static constexpr double R123PseK[] = {1.0, 1.5, 2.0, 4.0, 6.5};
static constexpr double R123DsleN[] = {1.0, 2.03212541, 0.615138615, -0.780309375, 0.953698023};
static constexpr double R123DsleK[] = {0.0, 0.355, 2.0 / 3.0, 1.0, 4.0 / 3.0};
static constexpr double R123DsveBExponent = 0.355;
static constexpr double R123DsveB[] = {19.3645723, -61.8013768, 68.0458573, -26.4760176};
static constexpr TSaturationTemperatureFit R123Tse{
    36.6178, 183.68, {0.998336, -0.149934, -0.00161615}};
static constexpr TStraightBranch R123PseBranch{182.0, 35.6327, 0.9851, 1.68};
static constexpr TStraightBranch R123DsleBranch{182.0, 712.6, -162.6, 1.68};

TR123_FE::TR123_FE()
    : TEquationFluid(
          THelmholzConstants{.Code = "KX_R123_FE",
                             .MM_ = 152.931,
                             .R_ = 0.05436782,
                             .Ac_ = 0.28192,
                             .Tc_ = 183.68,
                             .Tcr_ = 183.681,
                             .Tc_Max_ = 182.0,
                             .Pc_ = 36.6178,
                             .Hc_ = 437.39,
                             .Pcr_ = 36.6178,
                             .Dcr_ = 550.0,
                             .Tt_ = -107.15,
                             .Pt_ = 4.2028513744164761e-05,
                             .Pmin = 4.2028513744164761e-05,  // the triple-point pressure
                             .Pmax = 400.0,
                             .Tmax = 251.85,
                             .Dmax = 1774.0,
                             .Pmax_Dmax = 32.112497},
          {R123Residual, {}, {}, R123ExpMinusOne}, R123Ideal) {}

// Ancillary equations: empirical up to 182 °C, then straight lines for pressure and liquid
// density; the vapour density follows from the ancillary pressure with a compressibility
// correction.

double TR123_FE::Pse(double t) const {
    if (t > R123PseBranch.start) return R123PseBranch.At(t);
    const double th = AncillaryTheta(t, Tcr_, dta);
    return R123PseRef * std::exp(AncillarySum<FluidPowerRule>(R123PseN, R123PseK, th) / (1.0 - th));
}

double TR123_FE::tse(double p) const {
    return R123Tse.At(p, dta);
}

double TR123_FE::dsle(double t) const {
    if (t >= R123DsleBranch.start) return R123DsleBranch.At(t);
    const double th = AncillaryTheta(t, Tcr_, dta);
    return Dcr_ * AncillarySum<FluidPowerRule>(R123DsleN, R123DsleK, th);
}

double TR123_FE::dsve(double t) const {
    const double ps = Pse(t);
    const double tK = t + dta;
    const double tcK = Tcr_ + dta;
    const double tr = tK / tcK;
    const double zc = Pcr_ * 100.0 / (R_ * tcK * Dcr_);
    const double* c = R123DsveB;
    const double b = 1.0 + FluidPower(1.0 - tr, R123DsveBExponent) *
                               (c[0] + c[1] * tr + c[2] * tr * tr + c[3] * tr * tr * tr);
    return (ps * 100.0 / (R_ * tK)) / (1.0 + (ps / Pcr_) * (tcK / tK) * (zc - 1.0) * b);
}

double TR123_FE::Tmin_Dmax(double P, int32_t) const {
    // A fault inside this search only means "no temperature found"; the caller's own flags are
    // kept as they were.
    TFloatingPointScope scope;

    constexpr int MaxCorrections = 11;
    constexpr int LastAcceptedCorrection = 10;
    const double deltaM = Dmax / Dcr_;
    double T = 7.46484e-06 * P * P + 0.0410857 * P - 108.483;
    double p = PDT(Dmax, T);
    double result = 0.0;
    for (int i = 1; i <= MaxCorrections; ++i) {
        const double tau = TauOf(T);
        const double slope =
            (1.0 + deltaM * Phird(deltaM, tau) - deltaM * tau * Phirdt(deltaM, tau)) * R_ * Dmax /
            100.0;
        T += (P - p) / slope;
        p = PDT(Dmax, T);
        const double deviation = std::fabs((p - P) / P);
        if (!std::isfinite(deviation)) break;  // a NaN ends the search at once
        if (deviation < 1e-06) {
            if (i <= LastAcceptedCorrection) result = T;
            break;
        }
    }
    if (scope.Raised() || !std::isfinite(result)) result = 0.0;
    return result;
}
