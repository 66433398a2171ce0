#include "KX_Mixture_Equilibrium.h"

#include <algorithm>
#include <cmath>

#include "KX_Function_Types.h"

namespace {

constexpr int MaxSubstitutionSteps = 40;
constexpr int MaxNewtonSteps = 30;
// Substitution hands over to Newton when a step shrinks the error by less than this factor.
constexpr double SlowRatio = 0.25;
constexpr double Tolerance = 1e-12;  // on ln K and ln S
// Phases whose densities differ by less than this (relative) are taken as one: the trivial
// solution and, near the critical point, solutions of nearly the feed's composition on the two
// sides of a tiny loop of its isotherm, which lie off the saturation line. A true saturation
// state is this close to the critical point only within about 0.01 K of it.
constexpr double TrivialDensityGap = 0.02;

// The iteration's state: T, p and ln Kᵢ = ln(yᵢ/xᵢ); from them the two phases.
struct TPoint {
    double T = 0.0, P = 0.0;
    TComposition LnK{};
};

struct TPhases {
    TEquilibriumStatus Status = TEquilibriumStatus::Converged;
    TComposition X{}, Y{};
    double RhoL = 0.0, RhoV = 0.0;
    TComposition LnKNew{};  // ln φᵢ^L − ln φᵢ^V
    double LnS = 0.0;       // ln Σ Kz (bubble) or ln Σ z/K (dew) with the new K
};

class TSolver {
  public:
    TSolver(const TMixture& m, TSaturationKind kind, bool atT, std::span<const double> z)
        : m_(m), n_(m.Size()), bubble_(kind == TSaturationKind::Bubble), atT_(atT) {
        const std::span<const double> feed = z.empty() ? m.Composition() : z;
        for (std::size_t i = 0; i < n_; ++i) z_[i] = feed[i];
    }

    TEquilibrium SolveAtT(double T) {
        TPoint s;
        s.T = T;
        // Wilson: pᵢ = p_c,i exp(5.373 (1 + ω)(1 − T_c,i/T)), Kᵢ = pᵢ/p.
        TComposition ps{};
        double sum = 0.0;
        for (std::size_t i = 0; i < n_; ++i) {
            ps[i] = WilsonPressure(i, T);
            sum += bubble_ ? z_[i] * ps[i] : z_[i] / ps[i];
        }
        s.P = bubble_ ? sum : 1.0 / sum;
        for (std::size_t i = 0; i < n_; ++i) s.LnK[i] = std::log(ps[i] / s.P);
        return Solve(s);
    }

    TEquilibrium SolveAtP(double p) {
        TPoint s;
        s.P = p;
        // Start from the z-weighted Wilson saturation temperatures, then Newton on the Wilson
        // sum in T.
        double T = 0.0;
        for (std::size_t i = 0; i < n_; ++i) {
            const TMixtureComponent& c = m_.Component(i);
            T += z_[i] * c.Tc / (1.0 - std::log(p / c.Pc) / (5.373 * (1.0 + c.Omega)));
        }
        for (int it = 0; it < 50; ++it) {
            double sum = 0.0, dsum = 0.0;
            for (std::size_t i = 0; i < n_; ++i) {
                const double K = WilsonPressure(i, T) / p;
                const double dlnK = WilsonSlope(i, T);
                sum += bubble_ ? z_[i] * K : z_[i] / K;
                dsum += bubble_ ? z_[i] * K * dlnK : -z_[i] / K * dlnK;
            }
            const double step = std::log(sum) * sum / dsum;
            T -= std::clamp(step, -0.2 * T, 0.2 * T);
            if (std::fabs(step) < 1e-10 * T) break;
        }
        s.T = T;
        for (std::size_t i = 0; i < n_; ++i) s.LnK[i] = std::log(WilsonPressure(i, T) / p);
        return Solve(s);
    }

  private:
    double WilsonPressure(std::size_t i, double T) const {
        const TMixtureComponent& c = m_.Component(i);
        return c.Pc * std::exp(5.373 * (1.0 + c.Omega) * (1.0 - c.Tc / T));
    }
    // d ln Kᵢ / dT of Wilson's equation: the slope used for the temperature step.
    double WilsonSlope(std::size_t i, double T) const {
        const TMixtureComponent& c = m_.Component(i);
        return 5.373 * (1.0 + c.Omega) * c.Tc / (T * T);
    }

    double LiquidReducingDensity(const TPhases& ph) const {
        TReducingValues red;
        m_.Reducing({ph.X.data(), n_}, red);
        return red.RhoR;
    }

    // Both phases at the point: compositions, densities and the substituted K.
    TPhases Evaluate(const TPoint& s) const {
        TPhases ph;
        double sum = 0.0;
        for (std::size_t i = 0; i < n_; ++i) {
            const double K = std::exp(s.LnK[i]);
            if (bubble_) {
                ph.X[i] = z_[i];
                sum += ph.Y[i] = z_[i] * K;
            } else {
                ph.Y[i] = z_[i];
                sum += ph.X[i] = z_[i] / K;
            }
        }
        TComposition& w = bubble_ ? ph.Y : ph.X;
        for (std::size_t i = 0; i < n_; ++i) w[i] /= sum;
        const std::span<const double> x{ph.X.data(), n_}, y{ph.Y.data(), n_};
        // Each phase's density and fugacities one after the other: the component equations
        // keep what depends on τ alone for the last τ, and each phase has a τ of its own.
        TComposition lnL{}, lnV{};
        ph.RhoL = m_.Density(s.T, s.P, x, TMixturePhase::Liquid, lastRhoL_);
        if (ph.RhoL > 0.0) m_.LnFugacityCoefficients(s.T, ph.RhoL, x, {lnL.data(), n_}, s.P);
        ph.RhoV = m_.Density(s.T, s.P, y, TMixturePhase::Vapour, lastRhoV_);
        if (ph.RhoL <= 0.0 || ph.RhoV <= 0.0) {
            ph.Status = TEquilibriumStatus::NoDensity;
            return ph;
        }
        if (ph.RhoL - ph.RhoV <= TrivialDensityGap * ph.RhoL) {
            ph.Status = TEquilibriumStatus::TrivialSolution;
            return ph;
        }
        lastRhoL_ = ph.RhoL;
        lastRhoV_ = ph.RhoV;
        m_.LnFugacityCoefficients(s.T, ph.RhoV, y, {lnV.data(), n_}, s.P);
        double S = 0.0;
        for (std::size_t i = 0; i < n_; ++i) {
            ph.LnKNew[i] = lnL[i] - lnV[i];
            S += bubble_ ? z_[i] * std::exp(ph.LnKNew[i]) : z_[i] * std::exp(-ph.LnKNew[i]);
        }
        ph.LnS = std::log(S);
        if (!std::isfinite(ph.LnS)) ph.Status = TEquilibriumStatus::NoConvergence;
        return ph;
    }

    // The Newton residuals: ln Kᵢ − (ln φᵢ^L − ln φᵢ^V), and the sum condition ln S.
    bool Residuals(const TPoint& s, double* F, TPhases& ph) const {
        ph = Evaluate(s);
        if (ph.Status != TEquilibriumStatus::Converged) return false;
        double sum = 0.0;
        for (std::size_t i = 0; i < n_; ++i) {
            F[i] = s.LnK[i] - ph.LnKNew[i];
            sum += bubble_ ? z_[i] * std::exp(s.LnK[i]) : z_[i] * std::exp(-s.LnK[i]);
        }
        F[n_] = std::log(sum);
        return true;
    }

    // Substitution converges linearly with one dominant eigenvalue λ; every third step
    // extrapolates the step just taken by λ/(1 − λ), λ estimated from the last two steps.
    void Accelerate(const TPoint& before, TPoint& after, int step) {
        double d[MaxMixtureComponents + 1];
        for (std::size_t i = 0; i < n_; ++i) d[i] = after.LnK[i] - before.LnK[i];
        d[n_] = atT_ ? std::log(after.P / before.P) : std::log(after.T / before.T);
        double dot = 0.0, norm = 0.0;
        for (std::size_t i = 0; i <= n_; ++i) {
            dot += d[i] * lastStep_[i];
            norm += lastStep_[i] * lastStep_[i];
        }
        std::copy(d, d + n_ + 1, lastStep_);
        if (step % 3 != 2 || norm == 0.0) return;
        const double lambda = dot / norm;
        if (!(lambda > 0.0 && lambda < 0.9)) return;
        after = Moved(after, d, lambda / (1.0 - lambda));
    }

    // Moves the point by dv in (ln K, ln p or ln T).
    TPoint Moved(const TPoint& s, const double* dv, double scale) const {
        TPoint t = s;
        for (std::size_t i = 0; i < n_; ++i) t.LnK[i] += scale * dv[i];
        (atT_ ? t.P : t.T) *= std::exp(scale * dv[n_]);
        return t;
    }

    TEquilibrium Result(const TPoint& s, const TPhases& ph, TEquilibriumStatus status,
                        int iterations) const {
        TEquilibrium e;
        e.Status = status;
        e.T = s.T;
        e.P = s.P;
        e.RhoLiquid = ph.RhoL;
        e.RhoVapour = ph.RhoV;
        e.X = ph.X;
        e.Y = ph.Y;
        e.Iterations = iterations;
        return e;
    }

    TEquilibrium Solve(TPoint s) {
        double lastError = 0.0;
        int steps = 0;
        TPhases ph;
        // Successive substitution: K from the fugacity ratio, then p (or T) from the sum.
        for (; steps < MaxSubstitutionSteps; ++steps) {
            ph = Evaluate(s);
            // Near the critical point the start can lie where a phase has no density root:
            // towards higher pressure or lower temperature for the liquid, the other way for
            // the vapour.
            for (int move = 0; steps == 0 && move < 8 && ph.Status != TEquilibriumStatus::Converged;
                 ++move) {
                // A missing liquid root, or a trivial pair of vapour-like roots.
                const bool up = ph.RhoL <= 0.0 || ph.RhoL < LiquidReducingDensity(ph);
                if (atT_)
                    s.P *= up ? 1.05 : 1.0 / 1.05;
                else
                    s.T *= up ? 0.995 : 1.0 / 0.995;
                ph = Evaluate(s);
            }
            if (ph.Status != TEquilibriumStatus::Converged) return Result(s, ph, ph.Status, steps);
            double error = std::fabs(ph.LnS);
            for (std::size_t i = 0; i < n_; ++i)
                error = std::max(error, std::fabs(ph.LnKNew[i] - s.LnK[i]));
            if (error < Tolerance) return Result(s, ph, TEquilibriumStatus::Converged, steps);
            const TPoint before = s;
            s.LnK = ph.LnKNew;
            if (atT_) {
                s.P *= std::exp(bubble_ ? ph.LnS : -ph.LnS);
            } else {
                // One Newton step on ln S in T with Wilson's slope of ln K.
                double slope = 0.0;
                for (std::size_t i = 0; i < n_; ++i)
                    slope += (bubble_ ? ph.Y[i] : -ph.X[i]) * WilsonSlope(i, s.T);
                s.T -= std::clamp(ph.LnS / slope, -0.1 * s.T, 0.1 * s.T);
            }
            Accelerate(before, s, steps);
            if (steps >= 3 && error > SlowRatio * lastError) {
                ++steps;
                break;
            }
            lastError = error;
        }
        // Newton in (ln K, ln p or ln T) with a forward-difference Jacobian.
        lastError = HUGE_VAL;
        const std::size_t m = n_ + 1;
        double F[MaxMixtureComponents + 1], Ft[MaxMixtureComponents + 1];
        double J[MaxMixtureComponents + 1][MaxMixtureComponents + 2];
        TPhases trial;
        for (int it = 0; it < MaxNewtonSteps; ++it, ++steps) {
            if (!Residuals(s, F, ph)) return Result(s, ph, ph.Status, steps);
            double error = 0.0;
            for (std::size_t i = 0; i < m; ++i) error = std::max(error, std::fabs(F[i]));
            // Converged, or no longer improving at a residual of the order of its rounding.
            if (error < Tolerance || (error < 1e3 * Tolerance && error > 0.5 * lastError))
                return Result(s, ph, TEquilibriumStatus::Converged, steps);
            lastError = error;
            for (std::size_t k = 0; k < m; ++k) {
                double dv[MaxMixtureComponents + 1] = {};
                const double h = 1e-7;
                dv[k] = h;
                if (!Residuals(Moved(s, dv, 1.0), Ft, trial))
                    return Result(s, trial, trial.Status, steps);
                for (std::size_t i = 0; i < m; ++i) J[i][k] = (Ft[i] - F[i]) / h;
            }
            for (std::size_t i = 0; i < m; ++i) J[i][m] = -F[i];
            double dv[MaxMixtureComponents + 1];
            if (!SolveLinear(J, m, dv)) break;
            // Keep a step within a factor e of each variable.
            double largest = 0.0;
            for (std::size_t i = 0; i < m; ++i) largest = std::max(largest, std::fabs(dv[i]));
            s = Moved(s, dv, largest > 1.0 ? 1.0 / largest : 1.0);
            // A step at rounding level ends the iteration even where the residuals' own
            // rounding keeps them just above the tolerance.
            if (largest < 1e-13 && error < 1e3 * Tolerance) {
                if (!Residuals(s, F, ph)) return Result(s, ph, ph.Status, steps);
                return Result(s, ph, TEquilibriumStatus::Converged, steps + 1);
            }
        }
        return Result(s, ph, TEquilibriumStatus::NoConvergence, steps);
    }

    // Gaussian elimination with partial pivoting on the augmented matrix a (m rows).
    static bool SolveLinear(double a[][MaxMixtureComponents + 2], std::size_t m, double* v) {
        for (std::size_t c = 0; c < m; ++c) {
            std::size_t pivot = c;
            for (std::size_t r = c + 1; r < m; ++r)
                if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
            if (a[pivot][c] == 0.0 || !std::isfinite(a[pivot][c])) return false;
            if (pivot != c)
                for (std::size_t k = 0; k <= m; ++k) std::swap(a[c][k], a[pivot][k]);
            for (std::size_t r = c + 1; r < m; ++r) {
                const double f = a[r][c] / a[c][c];
                for (std::size_t k = c; k <= m; ++k) a[r][k] -= f * a[c][k];
            }
        }
        for (std::size_t c = m; c-- > 0;) {
            double s = a[c][m];
            for (std::size_t k = c + 1; k < m; ++k) s -= a[c][k] * v[k];
            v[c] = s / a[c][c];
        }
        return true;
    }

    const TMixture& m_;
    std::size_t n_;
    bool bubble_, atT_;
    TComposition z_{};
    // The densities of the last evaluation, start values of the next.
    mutable double lastRhoL_ = 0.0, lastRhoV_ = 0.0;
    double lastStep_[MaxMixtureComponents + 1] = {};  // the last substitution step
};

}  // namespace

namespace {

// A temperature or pressure that is no number or not positive, or a feed of the wrong size.
bool InvalidInput(const TMixture& mixture, double value, std::span<const double> z) {
    return !(value > 0.0) || !std::isfinite(value) || (!z.empty() && z.size() != mixture.Size());
}

TEquilibrium Invalid() {
    TEquilibrium e;
    e.Status = TEquilibriumStatus::NoConvergence;
    return e;
}

}  // namespace

TEquilibrium SaturationAtT(const TMixture& mixture, TSaturationKind kind, double T,
                           std::span<const double> z) {
    if (InvalidInput(mixture, T, z)) return Invalid();
    return TSolver(mixture, kind, true, z).SolveAtT(T);
}

TEquilibrium SaturationAtP(const TMixture& mixture, TSaturationKind kind, double p,
                           std::span<const double> z) {
    if (InvalidInput(mixture, p, z)) return Invalid();
    return TSolver(mixture, kind, false, z).SolveAtP(p);
}

int32_t ErrorCodeOf(TEquilibriumStatus status) {
    return status == TEquilibriumStatus::Converged ? KXErrorCode::Success
                                                   : KXErrorCode::NoConvergence;
}
