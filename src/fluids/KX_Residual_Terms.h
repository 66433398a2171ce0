#pragma once
// Pieces the fluid equations of this folder share: a factor of a residual term with its
// derivatives and the six sums a term adds to, the Gaussian bell factor, and the residual part
// prepared at compile time that nitrogen and argon evaluate (the ancillary-equation form is in
// KX_Ancillary_Equations.h).
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "HelmholtzMath.h"
#include "HelmholzFluidObject.h"
#include "KX_Ancillary_Equations.h"

// The term tables of every residual part, one column naming for all fluids: n the coefficient,
// t the exponent of τ, d the exponent of δ, l the exponent of δ in exp(−δ^l).

// A polynomial (l = 0) or exponential term n δ^d τ^t exp(−δ^l).
struct TResidualTerm {
    double n;
    double t;
    double d;
    int l;
};

// A Gaussian bell-shaped term n δ^d τ^t exp(−α (δ − ε)² − β (τ − γ)²).
struct TGaussianTerm {
    double n;
    double t;
    double d;
    double alpha;
    double beta;
    double gamma;
    double epsilon;
};

// One factor of a term, f(x), with its first and second derivative in x.
struct TFactor {
    double v;
    double d1;
    double d2;
};

// Adds n g(δ) h(τ) and its derivatives to r.
inline void AddTerm(THelmholzResidual& r, double n, const TFactor& g, const TFactor& h) {
    r.Phi += n * g.v * h.v;
    r.Phid += n * g.d1 * h.v;
    r.Phidd += n * g.d2 * h.v;
    r.Phit += n * g.v * h.d1;
    r.Phitt += n * g.v * h.d2;
    r.Phidt += n * g.d1 * h.d1;
}

// Adds every sum of a group of terms to r.
inline void AddResidual(THelmholzResidual& r, const THelmholzResidual& group) {
    r.Phi += group.Phi;
    r.Phid += group.Phid;
    r.Phidd += group.Phidd;
    r.Phit += group.Phit;
    r.Phitt += group.Phitt;
    r.Phidt += group.Phidt;
}

// The factor f(x) G(x) of a Gaussian bell term, G = exp(c y²) with y = x − x0, divided by G:
// since G' = 2c y G, it is f, f' + 2c y f and f'' + 4c y f' + (4c² y² + 2c) f. The caller
// multiplies the term by G once.
inline TFactor TimesGaussian(const TFactor& f, double c, double y) {
    return {f.v, f.d1 + 2.0 * c * y * f.v,
            f.d2 + 4.0 * c * y * f.d1 + (4.0 * c * c * y * y + 2.0 * c) * f.v};
}

// ---- A residual part prepared at compile time ----
//
// Polynomial and exponential terms n δ^d τ^t exp(−δ^l) (l = 0 for a polynomial term) and
// Gaussian terms n δ^d τ^t exp(−α (δ − ε)² − β (τ − γ)²), from tables whose rows have the
// members n, t, d, l and n, t, d, alpha, beta, gamma (and epsilon; 1 where a table has no such
// column), as TResidualTerm and TGaussianTerm have; d and l are whole numbers. Every t is a
// non-negative whole multiple of 1/TauDenominator, a power of two, so a non-integral τ^t is a whole
// power of τ^(1/TauDenominator), taken from a table of powers instead of an exponential per term.

namespace preparedresidual {

// The whole exponents of a row: d, and l of exp(−δ^l) (a table of the tests' own still names it
// c).
template <class Term>
constexpr int DeltaExponent(const Term& term) {
    return static_cast<int>(term.d);
}
template <class Term>
constexpr int ExpExponent(const Term& term) {
    if constexpr (requires { term.l; })
        return term.l;
    else
        return term.c;
}

template <class Terms, class Gaussians>
constexpr bool TauExponentsFit(const Terms& terms, const Gaussians& gaussians, int denominator) {
    for (const auto& term : terms)
        if (term.t < 0.0 || static_cast<int>(term.t * denominator) != term.t * denominator)
            return false;
    for (const auto& term : gaussians)
        if (term.t < 0.0 || static_cast<int>(term.t * denominator) != term.t * denominator)
            return false;
    return true;
}

// Highest whole exponent of τ.
template <class Terms, class Gaussians>
constexpr int HighestWholeTauPower(const Terms& terms, const Gaussians& gaussians) {
    int highest = 0;
    for (const auto& term : terms)
        if (term.t == static_cast<int>(term.t))
            highest = std::max(highest, static_cast<int>(term.t));
    for (const auto& term : gaussians)
        if (term.t == static_cast<int>(term.t))
            highest = std::max(highest, static_cast<int>(term.t));
    return highest;
}

// Highest non-integral exponent of τ in units of 1/denominator.
template <class Terms, class Gaussians>
constexpr int HighestFractionalTauUnits(const Terms& terms, const Gaussians& gaussians,
                                        int denominator) {
    int highest = 0;
    for (const auto& term : terms)
        if (term.t != static_cast<int>(term.t))
            highest = std::max(highest, static_cast<int>(term.t * denominator));
    for (const auto& term : gaussians)
        if (term.t != static_cast<int>(term.t))
            highest = std::max(highest, static_cast<int>(term.t * denominator));
    return highest;
}

// Highest power of δ the derivatives need, d + 2c − 2 over the table.
template <class Terms>
constexpr int HighestDeltaPower(const Terms& terms) {
    int highest = 1;
    for (const auto& term : terms)
        highest = std::max(highest, DeltaExponent(term) + 2 * ExpExponent(term) - 2);
    return highest;
}

template <class Terms>
constexpr int HighestC(const Terms& terms) {
    int highest = 0;
    for (const auto& term : terms) highest = std::max(highest, ExpExponent(term));
    return highest;
}

// Every term has δ to at least the first power, so δ^(d − 1) is a whole power.
template <class Terms>
constexpr bool DensityExponentsAtLeastOne(const Terms& terms) {
    for (const auto& term : terms)
        if (DeltaExponent(term) < 1 || ExpExponent(term) < 0) return false;
    return true;
}

// The Gaussian terms need no power of δ beyond the table's.
template <class Gaussians>
constexpr bool GaussianDensityExponentsFit(const Gaussians& gaussians, int maxDeltaPower) {
    for (const auto& term : gaussians)
        if (DeltaExponent(term) < 1 || DeltaExponent(term) > maxDeltaPower) return false;
    return true;
}

// Place of τ^t in the table of powers: whole powers first, then the fractional ones.
constexpr int TauIndex(double t, int wholeTauPowers, int denominator) {
    return t == static_cast<int>(t) ? static_cast<int>(t)
                                    : wholeTauPowers + 1 + static_cast<int>(t * denominator);
}

// A polynomial or exponential term prepared for a loop without branches: the products its
// derivatives use, and where its powers sit in the tables. The derivatives in δ are written as
// sums of whole powers of δ; a product that does not occur has coefficient 0 and power index 0,
// so δ = 0 never meets a negative power.
struct TPreparedTerm {
    double n;
    double t;
    double tt1;  // t (t − 1)
    int tauIndex;
    int d;
    double dd1;  // d (d − 1)
    int c;
    double c1;  // c (2d + c − 1)
    double c2;  // c²
    int iD1;    // d − 1
    int iD2;    // d − 2
    int iC1;    // d + c − 1
    int iC2;    // d + c − 2
    int iCC;    // d + 2c − 2
};

template <std::size_t N, class Terms>
constexpr std::array<TPreparedTerm, N> PrepareTerms(const Terms& terms, int wholeTauPowers,
                                                    int denominator) {
    std::array<TPreparedTerm, N> out{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto& s = terms[i];
        const int d = DeltaExponent(s);
        const int c = ExpExponent(s);
        out[i] = {s.n,
                  s.t,
                  s.t * (s.t - 1.0),
                  TauIndex(s.t, wholeTauPowers, denominator),
                  d,
                  d * (d - 1.0),
                  c,
                  c * (2.0 * d + c - 1.0),
                  static_cast<double>(c * c),
                  d - 1,
                  d >= 2 ? d - 2 : 0,
                  d + c - 1,
                  d + c >= 2 ? d + c - 2 : 0,
                  d + 2 * c >= 2 ? d + 2 * c - 2 : 0};
    }
    return out;
}

// ε of a Gaussian term: 1 where the table has no column for it.
template <class Gaussian>
constexpr double Epsilon(const Gaussian& term) {
    if constexpr (requires { term.epsilon; })
        return term.epsilon;
    else
        return 1.0;
}

}  // namespace preparedresidual

template <const auto& Terms, const auto& GaussianTerms, int TauDenominator>
class TPreparedResidual {
    static_assert(TauDenominator >= 1 && (TauDenominator & (TauDenominator - 1)) == 0,
                  "τ^(1/TauDenominator) is taken by repeated square roots");
    static_assert(preparedresidual::TauExponentsFit(Terms, GaussianTerms, TauDenominator));
    static_assert(preparedresidual::DensityExponentsAtLeastOne(Terms));

    static constexpr int MaxDeltaPower = preparedresidual::HighestDeltaPower(Terms);
    static constexpr int MaxC = preparedresidual::HighestC(Terms);
    static_assert(MaxC <= MaxDeltaPower);
    static_assert(preparedresidual::GaussianDensityExponentsFit(GaussianTerms, MaxDeltaPower));
    static constexpr int WholeTauPowers =
        preparedresidual::HighestWholeTauPower(Terms, GaussianTerms);
    static constexpr int FractionalTauUnits =
        preparedresidual::HighestFractionalTauUnits(Terms, GaussianTerms, TauDenominator);
    static constexpr auto PreparedTerms =
        preparedresidual::PrepareTerms<std::size(Terms)>(Terms, WholeTauPowers, TauDenominator);

    // Powers of τ shared by every term of one evaluation, by successive multiplication: τ^k for
    // whole k, then τ^(k/TauDenominator) for the non-integral exponents; τ > 0.
    struct TTauPowers {
        double tau;
        double inverse;  // 1/τ
        double values[WholeTauPowers + FractionalTauUnits + 2];

        explicit TTauPowers(double t) : tau(t), inverse(1.0 / t) {
            double* whole = values;
            whole[0] = 1.0;
            for (int k = 1; k <= WholeTauPowers; ++k) whole[k] = whole[k - 1] * t;
            double unit = t;
            for (int root = TauDenominator; root > 1; root /= 2) unit = std::sqrt(unit);
            double* fractional = values + WholeTauPowers + 1;
            fractional[0] = 1.0;
            for (int k = 1; k <= FractionalTauUnits; ++k) fractional[k] = fractional[k - 1] * unit;
        }
    };

    // A Gaussian term n δ^d τ^t G with G = exp(−α (δ − ε)² − β (τ − γ)²): since
    // ∂G/∂δ = −2α (δ − ε) G and ∂G/∂τ = −2β (τ − γ) G, it is n G times a δ factor and a τ factor
    // without exponentials.
    template <class Gaussian>
    static void AddGaussianTerm(THelmholzResidual& r, const Gaussian& term, const double* pow,
                                const TTauPowers& tp) {
        const int d = preparedresidual::DeltaExponent(term);
        const double x = pow[1] - preparedresidual::Epsilon(term);
        const double y = tp.tau - term.gamma;
        const double a = term.alpha;
        const double b = term.beta;
        const TFactor delta = {pow[d], d * pow[d - 1] - 2.0 * a * x * pow[d],
                               (d >= 2 ? d * (d - 1.0) * pow[d - 2] : 0.0) -
                                   4.0 * a * d * x * pow[d - 1] +
                                   (4.0 * a * a * x * x - 2.0 * a) * pow[d]};
        const double v =
            tp.values[preparedresidual::TauIndex(term.t, WholeTauPowers, TauDenominator)];
        const TFactor p = {v, term.t * v * tp.inverse,
                           term.t * (term.t - 1.0) * v * tp.inverse * tp.inverse};
        AddTerm(r, term.n * std::exp(-a * x * x - b * y * y), delta, TimesGaussian(p, -b, y));
    }

  public:
    // The residual part and all its derivatives at (δ, τ).
    static THelmholzResidual Evaluate(double delta, double tau) {
        double pow[MaxDeltaPower + 1];
        pow[0] = 1.0;
        for (int k = 1; k <= MaxDeltaPower; ++k) pow[k] = pow[k - 1] * delta;
        double expC[MaxC + 1];
        expC[0] = 1.0;
        for (int c = 1; c <= MaxC; ++c) expC[c] = std::exp(-pow[c]);
        const TTauPowers tp(tau);

        const double inverse2 = tp.inverse * tp.inverse;

        THelmholzResidual r;
        for (const preparedresidual::TPreparedTerm& p : PreparedTerms) {
            const double e = expC[p.c];
            const TFactor g = {pow[p.d] * e, (p.d * pow[p.iD1] - p.c * pow[p.iC1]) * e,
                               (p.dd1 * pow[p.iD2] - p.c1 * pow[p.iC2] + p.c2 * pow[p.iCC]) * e};
            const double v = tp.values[p.tauIndex];
            AddTerm(r, p.n, g, {v, p.t * v * tp.inverse, p.tt1 * v * inverse2});
        }
        for (const auto& term : GaussianTerms) AddGaussianTerm(r, term, pow, tp);
        return r;
    }
};
