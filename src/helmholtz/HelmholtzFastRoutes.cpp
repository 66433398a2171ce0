// Faster routes to the saturation state and the single-phase density. The plain iterations
// (Maxwell_Criterion_Ps, Maxwell_Criterion_Ts, Solve_DPT) converge linearly, and Solve_DPT
// solves the whole saturation state for every density below the critical pressure; these routes
// converge quadratically, decide the phase from the ancillary vapour pressure where the state is
// clearly off saturation, and hand over to the plain iterations wherever they cannot vouch for
// their result.
#include <cmath>

#include "HelmholzFluidObject.h"
#include "KX_FloatingPoint.h"
#include "KX_Function_Types.h"
#include "SaturationCurves.h"

namespace {

constexpr int FastNewtonMaxPasses = 50;
constexpr int SaturationMaxPasses = 30;
// Relative step in both densities below which the saturation Newton iteration has converged.
constexpr double SaturationDensityTolerance = 1e-12;
// Relative pressure mismatch below which the saturation temperature has converged.
constexpr double SaturationPressureTolerance = 1e-10;
// Relative distance from the ancillary vapour pressure beyond which the phase is taken from
// it without solving the saturation state, and the relative band around the ancillary
// saturated densities that the density found must respect.
constexpr double AncillaryPressureMargin = 0.05;
constexpr double AncillaryDensityMargin = 0.05;
// Kelvin above the critical temperature from which an isotherm is taken to have a single root.
constexpr double SupercriticalMargin = 0.1;
constexpr int BracketedMaxPasses = 100;
// Kelvin below the critical temperature within which a saturation state that cannot be solved
// is taken between the state at the band's lower end and the critical point.
constexpr double NearCriticalBand = 1e-6;
// Passes and relative pressure tolerance of the saturation temperature found by inverting the
// saturation pressure.
constexpr int InverseSaturationPasses = 200;
constexpr double InverseSaturationTolerance = 1e-13;
// Relative margin by which a density may lie on the other side of a saturated density taken
// from the saturation curves (accurate to 1e-11) and still count as on its phase's side.
constexpr double SaturatedDensityTolerance = 1e-10;

// Newton iteration on the reduced pressure equation (the criterion of
// Newton_Raphson_Density). True when it converged to a positive density, with the slope of the
// reduced pressure equation there (positive for a mechanically stable state).
bool NewtonDensity(const THelmholzFluid& fluid, double P, double tau, double delta0, double& delta,
                   double& slope, double* startPhid = nullptr) {
    const double pressureTerm =
        100.0 * P * tau / (fluid.R_ * (fluid.Tcr_ + fluid.dta) * fluid.Dcr_);
    delta = delta0;
    if (!(delta > 0.0) || !std::isfinite(delta)) return false;
    for (int pass = 1; pass <= FastNewtonMaxPasses; ++pass) {
        THelmholzResidual r;
        fluid.PhirDeltaDerivatives(delta, tau, r);
        if (pass == 1 && startPhid) *startPhid = r.Phid;
        const double R = 1.0 + delta * r.Phid - pressureTerm / delta;
        const double Rd = delta * r.Phidd + r.Phid + pressureTerm / (delta * delta);
        const double deltaOld = delta;
        delta = delta - R / Rd;
        if (!std::isfinite(delta) || !(delta > 0.0)) return false;
        if (std::fabs(R) < 1e-6 && std::fabs((delta - deltaOld) / deltaOld) < 1e-10) {
            slope = Rd;
            return true;
        }
    }
    return false;
}

// The reduced pressure delta (1 + delta phir_d) and Gibbs function delta phir_d + phir + ln delta
// of one phase, with their delta derivatives.
struct TPhaseFunctions {
    double J, K, Jd, Kd;
};

TPhaseFunctions PhaseFunctions(const THelmholzFluid& fluid, double delta, double tau) {
    THelmholzResidual r;
    fluid.PhirAll(delta, tau, r);
    TPhaseFunctions p;
    p.J = delta * (1.0 + delta * r.Phid);
    p.K = delta * r.Phid + r.Phi + std::log(delta);
    p.Jd = 1.0 + 2.0 * delta * r.Phid + delta * delta * r.Phidd;
    p.Kd = 2.0 * r.Phid + delta * r.Phidd + 1.0 / delta;
    return p;
}

// Equal pressure and Gibbs energy in both reduced densities by Newton iteration (the method of
// Akasaka, J. Thermal Sci. Technol. 3 (2008) 442). True on convergence to two distinct stable
// phases.
bool SaturationNewton(const THelmholzFluid& fluid, double T, double& Ps, double& DL, double& DV) {
    const double tau = fluid.TauOf(T);
    double deltaL = DL / fluid.Dcr_;
    double deltaV = DV / fluid.Dcr_;
    for (int pass = 1; pass <= SaturationMaxPasses; ++pass) {
        const TPhaseFunctions L = PhaseFunctions(fluid, deltaL, tau);
        const TPhaseFunctions V = PhaseFunctions(fluid, deltaV, tau);
        const double det = V.Jd * L.Kd - L.Jd * V.Kd;
        const double stepL = ((V.K - L.K) * V.Jd - (V.J - L.J) * V.Kd) / det;
        const double stepV = ((V.K - L.K) * L.Jd - (V.J - L.J) * L.Kd) / det;
        deltaL += stepL;
        deltaV += stepV;
        if (!std::isfinite(deltaL) || !std::isfinite(deltaV) || !(deltaV > 0.0) ||
            !(deltaL > deltaV))
            return false;
        if (std::fabs(stepL) < SaturationDensityTolerance * deltaL &&
            std::fabs(stepV) < SaturationDensityTolerance * deltaV) {
            // The vapour side gives the pressure with the smaller rounding error, at the
            // densities after the last step (those before it differ by up to the tolerance).
            const TPhaseFunctions last = PhaseFunctions(fluid, deltaV, tau);
            Ps = last.J * fluid.Dcr_ * fluid.R_ * (T + fluid.dta) / 100.0;
            DL = deltaL * fluid.Dcr_;
            DV = deltaV * fluid.Dcr_;
            // Two stable phases, not one root found twice nor a pair at a spinodal (the slopes
            // belong to the densities one step before, which differ by rounding only).
            return std::isfinite(Ps) && Ps > 0.0 && DistinctPhasePair(deltaL, deltaV, L.Jd, V.Jd);
        }
    }
    return false;
}

// The single-phase root of the reduced pressure equation inside the bracket that Solve_DPT
// searches from D0 (the density steps of its table, towards the target pressure), by Newton
// steps that fall back to bisection when they leave the bracket. True with the root and the
// slope there, on a bracket and convergence.
bool BracketedDensity(const THelmholzFluid& fluid, double P, double T, double D0, double& delta,
                      double& slope) {
    const double tau = fluid.TauOf(T);
    const double pressureTerm =
        100.0 * P * tau / (fluid.R_ * (fluid.Tcr_ + fluid.dta) * fluid.Dcr_);
    auto reduced = [&](double d, double& derivative) {
        THelmholzResidual r;
        fluid.PhirAll(d, tau, r);
        derivative = d * r.Phidd + r.Phid + pressureTerm / (d * d);
        return 1.0 + d * r.Phid - pressureTerm / d;
    };
    static constexpr double Steps[] = {0.001, 0.002, 0.005, 0.01, 0.02, 0.05,
                                       0.1,   0.2,   0.3,   0.4,  0.5};
    const double d0 = D0 / fluid.Dcr_;
    double unused = 0.0;
    const double r0 = reduced(d0, unused);
    if (!std::isfinite(r0)) return false;
    // The reduced pressure equation has the sign of P(D) - P.
    const bool fall = r0 >= 0.0;
    double lo = d0, hi = d0;
    bool bracketed = false;
    for (double step : Steps) {
        const double d = fall ? (1.0 - step) * d0 : (1.0 + step) * d0;
        const double r = reduced(d, unused);
        if (!std::isfinite(r)) return false;
        if (fall ? r < 0.0 : r > 0.0) {
            (fall ? lo : hi) = d;
            bracketed = true;
            break;
        }
    }
    if (!bracketed) return false;
    double d = 0.5 * (lo + hi);
    for (int pass = 1; pass <= BracketedMaxPasses; ++pass) {
        double derivative = 0.0;
        const double r = reduced(d, derivative);
        if (!std::isfinite(r) || !std::isfinite(derivative)) return false;
        if (r < 0.0)
            lo = d;
        else
            hi = d;
        double next = d - r / derivative;
        if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        const bool converged = std::fabs(next - d) <= 1e-13 * d || hi - lo <= 1e-15 * d;
        d = next;
        if (converged) {
            reduced(d, slope);
            delta = d;
            return slope > 0.0;
        }
    }
    return false;
}

// A temperature above which the equation has no two-phase states: beyond the reducing
// temperature, the reported critical temperature and the critical temperature of the equation
// (which for some equations lies above both), with a margin.
double SupercriticalTemperature(const THelmholzFluid& fluid) {
    const TSaturationCurve* curve = fluid.SaturationCurve();
    const double Tc = std::fmax(fluid.Tcr_, fluid.Tc_);
    return (curve ? std::fmax(Tc, curve->TcrC) : Tc) + SupercriticalMargin;
}

}  // namespace

double THelmholzFluid::SingleRootTemperature() const {
    return SupercriticalTemperature(*this);
}

const TSaturationCurve* THelmholzFluid::SaturationCurve() const {
    if (!curveLookedUp_.load(std::memory_order_acquire)) {
        // Two threads looking up at once store the same pointer.
        curve_.store(FindSaturationCurve(Code), std::memory_order_relaxed);
        curveLookedUp_.store(true, std::memory_order_release);
    }
    return curve_.load(std::memory_order_relaxed);
}

void THelmholzFluid::SaturationFromT(double T, double& Ps, double& DL, double& DV,
                                     std::string& ErrorText, int32_t& ErrorCode) const {
    // The curves end at Tc_Max_ (or just below the critical temperature), so above it the
    // ancillary state of Maxwell_Criterion_Ps still applies.
    // A fault of a failed attempt is no fault of a state found after it.
    const TFloatingPointSnapshot before;
    const TSaturationCurve* curve = SaturationCurve();
    if (curve && T <= Tc_Max_ && CurveSaturationT(*curve, T, Ps, DL, DV)) {
        ErrorText.clear();
        ErrorCode = KXErrorCode::Success;
        return;
    }
    SaturationFromTByEquation(T, Ps, DL, DV, ErrorText, ErrorCode);
    if (ErrorCode == KXErrorCode::Success) return;
    NearCriticalSaturationT(T, Ps, DL, DV, ErrorText, ErrorCode);
    if (ErrorCode == KXErrorCode::Success) before.Restore();
}

void THelmholzFluid::SaturationFromP(double P, double& Ts, double& DL, double& DV,
                                     std::string& ErrorText, int32_t& ErrorCode) const {
    const TFloatingPointSnapshot before;
    const TSaturationCurve* curve = SaturationCurve();
    if (curve && CurveSaturationP(*curve, P, Ts, DL, DV)) {
        ErrorText.clear();
        ErrorCode = KXErrorCode::Success;
        return;
    }
    SaturationFromPByEquation(P, Ts, DL, DV, ErrorText, ErrorCode);
    if (ErrorCode == KXErrorCode::Success) return;
    SaturationFromPByInverse(P, Ts, DL, DV, ErrorText, ErrorCode);
    if (ErrorCode == KXErrorCode::Success) before.Restore();
}

void THelmholzFluid::SaturatedEndsFromP(double P, double& TL, double& DL, double& TV, double& DV,
                                        std::string& ErrorText, int32_t& ErrorCode) const {
    SaturationFromP(P, TL, DL, DV, ErrorText, ErrorCode);
    TV = TL;
}

void THelmholzFluid::SaturatedEndsFromTX(double T, double, double& TL, double& DL, double& TV,
                                         double& DV, std::string& ErrorText,
                                         int32_t& ErrorCode) const {
    double Ps = 0.0;
    SaturationFromT(T, Ps, DL, DV, ErrorText, ErrorCode);
    TL = TV = T;
}

void THelmholzFluid::NearCriticalSaturationT(double T, double& Ps, double& DL, double& DV,
                                             std::string& ErrorText, int32_t& ErrorCode) const {
    if (!(T >= Tc_ - NearCriticalBand && T <= Tc_)) return;
    // The critical point itself ends the saturation line: one density for both phases.
    if (T == Tc_) {
        ErrorText.clear();
        ErrorCode = KXErrorCode::Success;
        Ps = Pc_;
        DL = DV = Dcr_;
        return;
    }
    double ps = 0.0, dl = 0.0, dv = 0.0;
    std::string text;
    int32_t code = KXErrorCode::Success;
    SaturationFromTByEquation(Tc_ - NearCriticalBand, ps, dl, dv, text, code);
    if (code != KXErrorCode::Success) return;
    // Within the band the pressure is close to linear in T, the densities to the square root of
    // the distance from the critical temperature (the coexistence curve's shape).
    const double fraction = (Tc_ - T) / NearCriticalBand;
    const double root = std::sqrt(fraction);
    ErrorText.clear();
    ErrorCode = KXErrorCode::Success;
    Ps = Pc_ + (ps - Pc_) * fraction;
    DL = Dcr_ + (dl - Dcr_) * root;
    DV = Dcr_ + (dv - Dcr_) * root;
}

void THelmholzFluid::SaturationFromPByInverse(double P, double& Ts, double& DL, double& DV,
                                              std::string& ErrorText, int32_t& ErrorCode) const {
    if (!(P >= Pt_ && P <= Pc_)) return;
    // The saturation pressure rises with the temperature from (Tt_, Pt_) to (Tc_, Pc_): a
    // bracketed secant search (Illinois) on it finds the temperature wherever the saturation
    // state from temperature has a value.
    auto excess = [&](double T, double& dl, double& dv, bool& ok) {
        double ps = 0.0;
        std::string text;
        int32_t code = KXErrorCode::Success;
        SaturationFromT(T, ps, dl, dv, text, code);
        ok = code == KXErrorCode::Success;
        return ps - P;
    };
    auto found = [&](double T, double dl, double dv) {
        ErrorText.clear();
        ErrorCode = KXErrorCode::Success;
        Ts = T;
        DL = dl;
        DV = dv;
    };
    double dl = 0.0, dv = 0.0;
    bool ok = true;
    double lo = Tt_, hi = Tc_;
    // An end of the line is met exactly (the critical pressure itself).
    double fhi = excess(hi, dl, dv, ok);
    if (!ok) return;
    if (fhi == 0.0) return found(hi, dl, dv);
    double flo = excess(lo, dl, dv, ok);
    if (!ok) return;
    if (flo == 0.0) return found(lo, dl, dv);
    if (flo > 0.0 || fhi < 0.0) return;
    int side = 0;
    for (int pass = 1; pass <= InverseSaturationPasses; ++pass) {
        double T = (lo * fhi - hi * flo) / (fhi - flo);
        if (!(T > lo && T < hi)) T = 0.5 * (lo + hi);
        const double f = excess(T, dl, dv, ok);
        if (!ok) return;
        if (f == 0.0 || std::fabs(f) <= InverseSaturationTolerance * P ||
            hi - lo <= 1e-12 * (hi + dta))
            return found(T, dl, dv);
        if (f < 0.0) {
            lo = T;
            flo = f;
            if (side == -1) fhi *= 0.5;
            side = -1;
        } else {
            hi = T;
            fhi = f;
            if (side == 1) flo *= 0.5;
            side = 1;
        }
    }
}

void THelmholzFluid::SaturationFromTByEquation(double T, double& Ps, double& DL, double& DV,
                                               std::string& ErrorText, int32_t& ErrorCode) const {
    if (T <= Tc_Max_) {
        TFloatingPointScope scope;
        double ps = 0.0;
        double dl = dsle(T);
        double dv = dsve(T);
        if (std::isfinite(dl) && std::isfinite(dv) && dl > dv && dv > 0.0 &&
            SaturationNewton(*this, T, ps, dl, dv) && !scope.Raised()) {
            ErrorText.clear();
            ErrorCode = KXErrorCode::Success;
            Ps = ps;
            DL = dl;
            DV = dv;
            return;
        }
    }
    Maxwell_Criterion_Ps(T, Ps, DL, DV, ErrorText, ErrorCode);
}

void THelmholzFluid::SaturationFromPByEquation(double P, double& Ts, double& DL, double& DV,
                                               std::string& ErrorText, int32_t& ErrorCode) const {
    {
        TFloatingPointScope scope;
        double t = tse(P);
        // Each pass starts the densities from those of the pass before.
        double dl = std::isfinite(t) ? dsle(t) : 0.0;
        double dv = std::isfinite(t) ? dsve(t) : 0.0;
        for (int pass = 1; pass <= SaturationMaxPasses; ++pass) {
            double ps = 0.0;
            if (!std::isfinite(t) || t > Tc_Max_ || !std::isfinite(dl) || !std::isfinite(dv) ||
                !(dl > dv && dv > 0.0) || !SaturationNewton(*this, t, ps, dl, dv))
                break;
            // Clapeyron: dPs/dT = (s'' - s') / (v'' - v'), kJ/m3 K = kPa/K, over 100 for bar/K.
            const double slope = (SDT(dv, t) - SDT(dl, t)) / (1.0 / dv - 1.0 / dl) / 100.0;
            const double next = t + (P - ps) / slope;
            if (!std::isfinite(next)) break;
            // The pressure criterion of Maxwell_Criterion_Ts; the temperature is corrected once
            // more and, converging quadratically, lands well within its tolerance.
            if (std::fabs(ps - P) < SaturationPressureTolerance * P) {
                if (scope.Raised()) break;
                ErrorText.clear();
                ErrorCode = KXErrorCode::Success;
                Ts = next;
                DL = dl;
                DV = dv;
                return;
            }
            t = next;
        }
    }
    Maxwell_Criterion_Ts(P, Ts, DL, DV, ErrorText, ErrorCode);
}

double THelmholzFluid::DensityPT(double P, double T, std::string& ErrorText,
                                 int32_t& ErrorCode) const {
    {
        TFloatingPointScope scope;
        const double tau = TauOf(T);
        double delta = 0.0;
        double slope = 0.0;
        bool found = false;
        // Start of the bracketing search in Solve_DPT: the saturated liquid density for a liquid
        // below the critical pressure (searching upward), the Peng-Robinson estimate otherwise
        // (searching toward the target pressure). The search reaches only half that density
        // away, so a root beyond it, or on the other side, is left to it: it fails there, and
        // so must this route.
        double searchStart = 0.0;
        bool searchUpward = true;
        bool fromEstimate = false;
        // The side of the estimate the search goes to follows from the pressure there, which
        // the Newton iteration started from the estimate forms on its first step: taken from it
        // where it did, by PDT otherwise, and only once the answer is needed.
        double estimate = 0.0;
        bool sidePending = false;
        double estimatePhid = 0.0;
        bool haveEstimatePhid = false;
        auto estimateStart = [&]() {
            estimate = PengRobinsonDensity(*this, P, T);
            sidePending = true;
            fromEstimate = true;
            return estimate;
        };
        auto newtonFromSearchStart = [&]() {
            if (!(searchStart > 0.0)) return false;
            const bool fromTheEstimate = fromEstimate && searchStart == estimate;
            const bool converged = NewtonDensity(*this, P, tau, searchStart / Dcr_, delta, slope,
                                                 fromTheEstimate ? &estimatePhid : nullptr);
            haveEstimatePhid = fromTheEstimate && std::isfinite(estimatePhid);
            return converged;
        };
        if (T <= Tc_Max_) {
            // Below the critical temperature the equation can have further roots inside the
            // two-phase dome, even above the critical pressure: start from the phase's
            // saturated density and demand a density on that phase's side of it.
            // The phase is decided from the saturation curve where it reaches: an ancillary
            // vapour pressure can be off by more than the margin (R22 near its triple point),
            // which would put a compressed liquid on the vapour side.
            double ps = 0.0;
            const TSaturationCurve* curve = SaturationCurve();
            if (!curve || !CurvePsatT(*curve, T, ps)) ps = Pse(T);
            const double dl = dsle(T);
            const double dv = dsve(T);
            if (std::isfinite(ps) && std::isfinite(dl) && std::isfinite(dv) && ps > 0.0 &&
                dl > dv && dv > 0.0) {
                if (P > ps * (1.0 + AncillaryPressureMargin)) {
                    // Clearly compressed liquid: denser than the saturated liquid.
                    found = NewtonDensity(*this, P, tau, dl / Dcr_, delta, slope) &&
                            delta * Dcr_ > dl * (1.0 - AncillaryDensityMargin);
                    // The ancillary liquid density, less its margin, stands in for the saturated
                    // one.
                    searchStart = P >= Pcr_ ? estimateStart() : dl * (1.0 - AncillaryDensityMargin);
                } else if (P < ps * (1.0 - AncillaryPressureMargin)) {
                    // Clearly superheated vapour: thinner than the saturated vapour; start from
                    // the ideal gas.
                    const double ideal = 100.0 * P / (R_ * (T + dta)) / Dcr_;
                    found = NewtonDensity(*this, P, tau, ideal, delta, slope) &&
                            delta * Dcr_ < dv * (1.0 + AncillaryDensityMargin);
                    searchStart = estimateStart();
                } else {
                    // Close to saturation: the phase follows the saturation pressure itself, and
                    // the density lies on that phase's side of its saturated density.
                    double psat = 0.0, DL = 0.0, DV = 0.0;
                    std::string text;
                    int32_t code = KXErrorCode::Success;
                    SaturationFromT(T, psat, DL, DV, text, code);
                    if (code == KXErrorCode::Success) {
                        if (P >= psat) {
                            found = NewtonDensity(*this, P, tau, DL / Dcr_, delta, slope) &&
                                    delta * Dcr_ >= DL * (1.0 - SaturatedDensityTolerance);
                            searchStart = P >= Pcr_ ? estimateStart() : DL;
                        } else {
                            found = NewtonDensity(*this, P, tau, DV / Dcr_, delta, slope) &&
                                    delta * Dcr_ <= DV * (1.0 + SaturatedDensityTolerance);
                            searchStart = estimateStart();
                        }
                    }
                }
            }
        } else if (P >= Pcr_) {
            // From the top of the saturation iteration upward and above the critical pressure
            // the isotherm has a single stable root.
            searchStart = estimateStart();
            found = newtonFromSearchStart();
        } else if (T > SupercriticalTemperature(*this)) {
            // Above the critical temperature the isotherm has a single root at every pressure.
            // Solve_DPT searches for it from the ancillary liquid density when P lies above the
            // ancillary vapour pressure (the saturation state Maxwell_Criterion_Ps gives above
            // Tc_Max_), from the estimate otherwise.
            double ps = 0.0, dl = 0.0, dv = 0.0;
            {
                // Up here the ancillary equations may have no value (a power of a negative
                // number); as in Solve_DPT, that only means no liquid start and is no fault of
                // the density found.
                TFloatingPointScope ancillaryScope;
                ps = Pse(T);
                dl = dsle(T);
                dv = dsve(T);
            }
            const bool ancillary = std::isfinite(ps) && std::isfinite(dl) && std::isfinite(dv) &&
                                   ps > 0.0 && dl > 0.0 && dv > 0.0;
            if (ancillary && P > ps)
                searchStart = dl;
            else if (!ancillary || P < ps)
                searchStart = estimateStart();
            found = newtonFromSearchStart();
        }
        // Near the critical point the isotherm is flat and Newton's method from the estimate
        // can overshoot. Above the critical temperature the search of Solve_DPT brackets the
        // only root; find it there by Newton steps kept inside the bracket.
        if (!found && fromEstimate && searchStart > 0.0 && T > SupercriticalTemperature(*this))
            found = BracketedDensity(*this, P, T, searchStart, delta, slope);
        if (sidePending) {
            const double pressure =
                haveEstimatePhid ? PressureFromPhird(estimate, T, estimatePhid) : PDT(estimate, T);
            searchUpward = !(pressure >= P);
        }
        const double D = delta * Dcr_;
        const bool withinSearch =
            searchStart > 0.0 && (searchUpward ? D >= searchStart && D < 1.49 * searchStart
                                               : D <= searchStart && D > 0.51 * searchStart);
        if (found && slope > 0.0 && withinSearch && !scope.Raised()) {
            ErrorText.clear();
            ErrorCode = KXErrorCode::Success;
            return D;
        }
    }
    return Solve_DPT(P, T, ErrorText, ErrorCode);
}
