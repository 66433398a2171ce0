#pragma once
// Fitting a fluid's saturation curves (ln psat, ln rho', ln rho'' as piecewise Chebyshev series
// in u = sqrt((Tcr - T) / Tcr), see SaturationCurves.h) to the phase equilibrium solved from
// its equation of state, writing them as C++ source, and checking built-in curves against the
// equation.
#include <string>
#include <vector>

class THelmholzFluid;
struct TSaturationCurve;

struct TFittedCurve {
    std::string Code;
    double TcrC = 0.0, TcrK = 0.0, UMin = 0.0, UMax = 0.0;
    int Terms = 0;
    std::vector<double> Breaks, LnPBreaks, LnP, LnDL, LnDV;
    // Largest differences from the equation found at the test points of the pieces.
    double WorstLnP = 0.0, WorstLnD = 0.0;
    // The inverse series of ln psat per piece (u^2 of ln psat) and their largest error in x.
    int InverseTerms = 0;
    std::vector<double> InverseX;
    double WorstInverseX = 0.0;
};

// Terms per piece and the fit tolerances (absolute in the logarithms) at the test points.
inline constexpr int FitTerms = 14;
inline constexpr double FitToleranceLnP = 4e-13;
inline constexpr double FitToleranceLnD = 4e-12;
// Terms of the inverse series (u^2 of ln psat) per piece.
inline constexpr int InverseTerms = 12;

// The critical point of the fluid's equation (temperature in °C, reduced density), where the
// least pressure slope along the isotherm is zero. False where no such point is found near the
// reducing point.
bool SolveCriticalPoint(const THelmholzFluid& fluid, double& TcC, double& deltaC);

// The phase equilibrium of a fluid's equation solved to the rounding of its residual evaluation
// (extended precision where the fluid offers it): Newton steps on equal pressure and Gibbs
// energy from the solvers' state, or next to the critical point from a state scaled in u.
class TEquationSaturation {
  public:
    explicit TEquationSaturation(const THelmholzFluid& fluid);
    // Critical temperature of the equation (°C), where the coexistence curve ends; u is formed
    // with it so that the curves are smooth in u up to their hot end.
    double CriticalTemperature() const { return TcC_; }
    // The top of the curves (°C): the top of the iterated saturation range, but no closer than
    // 1e-6 K to the critical temperature.
    double HotEnd() const { return hotEnd_; }
    // The saturation state at T (°C); false where the equation gives none.
    bool At(long double T, double& Ps, double& DL, double& DV) const;

  private:
    bool FromSolvers(long double T, double& Ps, double& DL, double& DV) const;
    bool Polish(long double T, bool fromSolvers, long double& deltaL, long double& deltaV,
                double& Ps) const;

    // The start of the Newton steps at a distance (K) below the critical temperature.
    void ScaledStart(double distance, long double& deltaL, long double& deltaV) const;

    const THelmholzFluid& fluid_;
    double TcC_ = 0.0, deltaC_ = 1.0, hotEnd_ = 0.0;
    // States of the equation at falling distances below the critical temperature, from which
    // the states closer to it start.
    struct TRung {
        double Distance, DeltaL, DeltaV;
    };
    std::vector<TRung> ladder_;
};

double CurveHotEnd(const THelmholzFluid& fluid);
double CriticalTemperatureOfEquation(const THelmholzFluid& fluid);

// Fits the curves of one fluid. maxPieces limits the pieces fitted, in the order they are
// produced (0: all); a partial fit serves a test that compares the first pieces. False, with a
// message, when the equation gives no saturation state where one is needed.
bool FitSaturationCurve(const THelmholzFluid& fluid, TFittedCurve& out, std::string& message,
                        int maxPieces = 0);

// The generated source file of one fluid's curves and of the index of all of them.
std::string CurveSourceText(const TFittedCurve& curve);
std::string CurveIndexText(const std::vector<std::string>& codes);
std::string CurveFileName(const std::string& code);

// Worst differences of built-in curves from the equation on random temperatures: uniform over
// the whole range, and uniform in the logarithm of the distance from the critical temperature
// over the last NearCriticalCheck K below the hot end.
inline constexpr double NearCriticalCheck = 0.1;
struct TCurveBand {
    double WorstP = 0.0, WorstDL = 0.0, WorstDV = 0.0;       // relative
    double WorstTsat = 0.0;                                  // K
    double AtP = 0.0, AtDL = 0.0, AtDV = 0.0, AtTsat = 0.0;  // temperatures (°C) of the worst
    int Samples = 0, Failures = 0;
};
// ByDecade[k]: distances from the critical temperature of 1e-6 10^k K up to ten times that.
inline constexpr int CheckDecades = 5;
struct TCurveCheck {
    TCurveBand Whole, NearCritical, ByDecade[CheckDecades];
};
TCurveCheck CheckSaturationCurve(const THelmholzFluid& fluid, const TSaturationCurve& curve,
                                 int samples, unsigned seed);
