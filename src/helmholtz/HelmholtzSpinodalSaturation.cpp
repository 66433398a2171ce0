// Saturation state from temperature without ancillary start values. Close to the critical
// temperature the ancillary densities can lie in the unstable part of the isotherm, from where
// the equal-area iteration runs to the trivial solution (one density for both phases) or fails.
// Between the spinodals (where the pressure has its local maximum and minimum along the
// isotherm) each pressure has exactly one vapour and one liquid root on the stable branches, and
// the difference of their Gibbs energies falls monotonically with the pressure: a bracketed
// search in the pressure then always ends on the two distinct phases.
#include <cmath>
#include <limits>

#include "HelmholzFluidObject.h"
#include "KX_FloatingPoint.h"
#include "KX_Function_Types.h"
#include "KX_Utils.h"

namespace {

// Lowest reduced temperature T / Tcr of the route. Close to the critical point every isotherm
// has a single loop; further from it, equations of many terms can have more loops inside the
// two-phase region, where the loop found first need not be the one between the stable branches.
constexpr double LowestReducedTemperature = 0.98;
// Bracket of reduced densities searched for the unstable part of a near-critical isotherm; the
// reducing density of every fluid lies close to its critical density.
constexpr double UnstableSearchLow = 0.3;
constexpr double UnstableSearchHigh = 2.0;
// Golden-section probes for the least slope of the isotherm (the bracket shrinks to 1e-12).
constexpr int UnstableSearchPasses = 60;
// Bisection passes for a spinodal, expansions of a bracket, safeguarded Newton passes.
constexpr int SpinodalPasses = 100;
constexpr int BracketExpansions = 60;
constexpr int BranchRootPasses = 100;
constexpr int EquilibriumPasses = 100;
// Relative widths at which the searches stop.
constexpr double SpinodalTolerance = 1e-12;
constexpr double DensityTolerance = 1e-14;
constexpr double PressureTolerance = 1e-13;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// One density on the isotherm: reduced pressure J = delta (1 + delta phir_d) = p / (Dcr R T),
// its slope dJ/ddelta and the reduced Gibbs energy K = delta phir_d + phir + ln delta (g / RT
// less terms that depend on tau only).
struct TIsothermPoint {
    double J;
    double Jd;
    double K;
};

TIsothermPoint Isotherm(const THelmholzFluid& fluid, double delta, double tau) {
    THelmholzResidual r;
    fluid.PhirAll(delta, tau, r);
    TIsothermPoint p;
    p.J = delta * (1.0 + delta * r.Phid);
    p.Jd = 1.0 + 2.0 * delta * r.Phid + delta * delta * r.Phidd;
    p.K = delta * r.Phid + r.Phi + std::log(delta);
    return p;
}

// A reduced density where the isotherm falls (slope below 0), by golden-section search for its
// least slope; 0 when the isotherm rises throughout.
double UnstableDensity(const THelmholzFluid& fluid, double tau) {
    const double ratio = 0.5 * (std::sqrt(5.0) - 1.0);
    double a = UnstableSearchLow;
    double b = UnstableSearchHigh;
    double x1 = b - ratio * (b - a);
    double x2 = a + ratio * (b - a);
    double s1 = Isotherm(fluid, x1, tau).Jd;
    double s2 = Isotherm(fluid, x2, tau).Jd;
    for (int pass = 1; pass <= UnstableSearchPasses; ++pass) {
        if (!std::isfinite(s1) || !std::isfinite(s2)) return 0.0;
        if (s1 < 0.0) return x1;
        if (s2 < 0.0) return x2;
        if (s1 < s2) {
            b = x2;
            x2 = x1;
            s2 = s1;
            x1 = b - ratio * (b - a);
            s1 = Isotherm(fluid, x1, tau).Jd;
        } else {
            a = x1;
            x1 = x2;
            s1 = s2;
            x2 = a + ratio * (b - a);
            s2 = Isotherm(fluid, x2, tau).Jd;
        }
    }
    return 0.0;
}

// The spinodal between a stable density and an unstable one, by bisection; returns the end of
// the final bracket that still lies on the unstable side, so the pressure there is inside the
// range of the stable branch beyond it.
double Spinodal(const THelmholzFluid& fluid, double tau, double stable, double unstable) {
    for (int pass = 1; pass <= SpinodalPasses; ++pass) {
        if (std::fabs(stable - unstable) <= SpinodalTolerance * unstable) break;
        const double middle = 0.5 * (stable + unstable);
        const double slope = Isotherm(fluid, middle, tau).Jd;
        if (!std::isfinite(slope)) return NaN;
        if (slope < 0.0)
            unstable = middle;
        else
            stable = middle;
    }
    return unstable;
}

// The root of J(delta) = target between lo (J below target; lo = 0 stands for the zero-density
// limit, J = 0) and hi (J above target), where J crosses the target once: Newton steps from
// start, bisection whenever a step leaves the bracket. The point found is returned in `at`.
bool BranchRoot(const THelmholzFluid& fluid, double tau, double target, double lo, double hi,
                double start, double& delta, TIsothermPoint& at) {
    delta = start > lo && start < hi ? start : 0.5 * (lo + hi);
    for (int pass = 1; pass <= BranchRootPasses; ++pass) {
        at = Isotherm(fluid, delta, tau);
        const double residual = at.J - target;
        if (!std::isfinite(residual) || !std::isfinite(at.Jd)) return false;
        if (residual == 0.0) return true;
        if (residual < 0.0)
            lo = delta;
        else
            hi = delta;
        double next = delta - residual / at.Jd;
        if (!(at.Jd > 0.0) || !(next > lo && next < hi)) next = 0.5 * (lo + hi);
        const bool converged = std::fabs(next - delta) <= DensityTolerance * delta;
        delta = next;
        if (converged) {
            at = Isotherm(fluid, delta, tau);
            return std::isfinite(at.J) && std::isfinite(at.K);
        }
    }
    return false;
}

// A stable density (slope above 0) reached from an unstable one by repeated factors.
double StableDensity(const THelmholzFluid& fluid, double tau, double unstable, double factor) {
    double delta = unstable;
    for (int pass = 1; pass <= BracketExpansions; ++pass) {
        delta *= factor;
        const double slope = Isotherm(fluid, delta, tau).Jd;
        if (!std::isfinite(slope)) return NaN;
        if (slope > 0.0) return delta;
    }
    return NaN;
}

// A density above `from` at which J exceeds target, by widening steps.
double DensityAbove(const THelmholzFluid& fluid, double tau, double from, double target) {
    double hi = from;
    for (int pass = 1; pass <= BracketExpansions; ++pass) {
        hi *= 1.1;
        const double J = Isotherm(fluid, hi, tau).J;
        if (!std::isfinite(J)) return NaN;
        if (J > target) return hi;
    }
    return NaN;
}

}  // namespace

bool THelmholzFluid::AreDistinctPhases(double T, double DL, double DV) const {
    const double tau = TauOf(T);
    const double deltaL = DeltaOf(DL);
    const double deltaV = DeltaOf(DV);
    if (!(deltaV > 0.0) || !(deltaL > 0.0)) return false;
    return DistinctPhasePair(deltaL, deltaV, Isotherm(*this, deltaL, tau).Jd,
                             Isotherm(*this, deltaV, tau).Jd);
}

void THelmholzFluid::SaturationFromSpinodals(double T, double& Ps, double& DL, double& DV,
                                             std::string& ErrorText, int32_t& ErrorCode) const {
    Ps = DL = DV = 0.0;
    ErrorText.clear();
    ErrorCode = KXErrorCode::Success;
    auto fail = [&]() {
        Ps = DL = DV = 0.0;
        ErrorText = NoDistinctPhasesText;
        ErrorCode = KXErrorCode::Failure;
    };
    TFloatingPointScope scope;
    const double tau = TauOf(T);
    if (!std::isfinite(tau) || !(tau > 0.0) || !(tau <= 1.0 / LowestReducedTemperature))
        return fail();

    const double unstable = UnstableDensity(*this, tau);
    if (!(unstable > 0.0)) return fail();
    // The vapour spinodal lies between the zero-density limit, where the slope is 1, and the
    // unstable density; the liquid spinodal above it.
    const double stableVapour = StableDensity(*this, tau, unstable, 0.5);
    const double stableLiquid = StableDensity(*this, tau, unstable, 1.25);
    if (!std::isfinite(stableVapour) || !std::isfinite(stableLiquid)) return fail();
    const double vapourEnd = Spinodal(*this, tau, stableVapour, unstable);
    const double liquidEnd = Spinodal(*this, tau, stableLiquid, unstable);
    if (!std::isfinite(vapourEnd) || !std::isfinite(liquidEnd)) return fail();

    // The equilibrium pressure lies below the vapour spinodal's and above the liquid spinodal's
    // (or above zero where that is negative).
    double Jhi = Isotherm(*this, vapourEnd, tau).J;
    double Jlo = std::fmax(Isotherm(*this, liquidEnd, tau).J, 0.0);
    if (!std::isfinite(Jhi) || !std::isfinite(Jlo) || !(Jhi > Jlo)) return fail();

    // Newton iteration in J on the Gibbs-energy difference F = K_L - K_V, whose derivative along
    // both branches is 1/delta_L - 1/delta_V (< 0); bisection whenever a step leaves the bracket.
    // Every liquid root lies below the density at which J first exceeds the top pressure.
    const double liquidTop = DensityAbove(*this, tau, liquidEnd, Jhi);
    if (!std::isfinite(liquidTop)) return fail();
    double J = 0.5 * (Jlo + Jhi);
    double deltaL = 0.0;
    double deltaV = 0.0;
    bool converged = false;
    for (int pass = 1; pass <= EquilibriumPasses && !converged; ++pass) {
        TIsothermPoint L{}, V{};
        if (!BranchRoot(*this, tau, J, 0.0, vapourEnd, deltaV, deltaV, V) ||
            !BranchRoot(*this, tau, J, liquidEnd, liquidTop, deltaL, deltaL, L))
            return fail();
        const double F = L.K - V.K;
        if (!std::isfinite(F)) return fail();
        if (F == 0.0) {
            converged = true;
            break;
        }
        if (F > 0.0)
            Jlo = J;
        else
            Jhi = J;
        double next = J - F / (1.0 / deltaL - 1.0 / deltaV);
        if (!(next > Jlo && next < Jhi)) next = 0.5 * (Jlo + Jhi);
        converged =
            std::fabs(next - J) <= PressureTolerance * J || Jhi - Jlo <= PressureTolerance * J;
        J = next;
    }
    if (!converged) return fail();
    // The branch densities at the final pressure.
    TIsothermPoint L{}, V{};
    if (!BranchRoot(*this, tau, J, 0.0, vapourEnd, deltaV, deltaV, V) ||
        !BranchRoot(*this, tau, J, liquidEnd, liquidTop, deltaL, deltaL, L) ||
        !DistinctPhasePair(deltaL, deltaV, L.Jd, V.Jd))
        return fail();
    const double ps = J * Dcr_ * R_ * (T + dta) / 100.0;
    if (scope.Faulted(ps) || !(ps > 0.0)) return fail();
    Ps = ps;
    DL = deltaL * Dcr_;
    DV = deltaV * Dcr_;
}
