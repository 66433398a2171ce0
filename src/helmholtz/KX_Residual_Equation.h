#pragma once
// The one residual part of every fluid equation of this folder: a term table per term family,
// with one column naming for all fluids, evaluated by one evaluator that returns all derivatives
// at once, in double or in long double.
//
// Column names: n the coefficient, t the exponent of τ, d the exponent of δ, l the exponent of δ
// in exp(−δ^l); the Gaussian columns α, β, γ, ε and the non-analytic columns a, b, β, A, B, C, D
// are the names of the publications.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "HelmholzFluidObject.h"

// A polynomial (l = 0) or exponential term n δ^d τ^t exp(−δ^l).
struct TResidualTerm {
    double n;
    double t;
    double d;
    int l;
};

// A Gaussian bell-shaped term n δ^d τ^t exp(−α (δ − ε)² − β (τ − γ)²); d is a whole number.
struct TGaussianTerm {
    double n;
    double t;
    double d;
    double alpha;
    double beta;
    double gamma;
    double epsilon;
};

// A non-analytic term n Δ^b δ ψ with Δ = θ² + B ((δ − 1)²)^a,
// θ = (1 − τ) + A ((δ − 1)²)^(1/(2β)) and ψ = exp(−C (δ − 1)² − D (τ − 1)²).
struct TNonAnalyticTerm {
    double n;
    double a;
    double b;
    double beta;
    double A;
    double B;
    double C;
    double D;
};

// A double-exponential term n δ^d τ^t exp(−δ^l − τ^m) (Lemmon and Jacobsen's form for R125); d is
// a whole number, l ≥ 1, m need not be whole.
struct TDoubleExponentialTerm {
    double n;
    double t;
    double d;
    int l;
    double m;
};

// A term n τ^t (exp(−δ²) − 1), which vanishes at zero density.
struct TExpMinusOneTerm {
    double n;
    double t;
};

// Every quantity of one non-analytic term at one (τ, δ): θ, Δ and its δ-derivatives, Δ^b and its
// derivatives, ψ and its derivatives.
template <class Real>
struct TNonAnalyticQuantities {
    Real Theta, DDelta, DDeltad, DDeltadd;
    Real DDeltab, DDeltabid, DDeltabidd, DDeltabit, DDeltabitt, DDeltabidt;
    Real Psi, Psid, Psidd, Psit, Psitt, Psidt;
};
using TNonAnalyticParts = TNonAnalyticQuantities<double>;

// The quantities of one non-analytic term up to derivatives of the given order (0, 1 or 2; the
// higher ones stay 0). At δ = 1 the quotient (∂Δ/∂δ)/(δ − 1) of ∂²Δ/∂δ² is taken at its
// analytic limit; everywhere else it is formed by division.
TNonAnalyticParts NonAnalyticParts(const TNonAnalyticTerm& term, double Tau, double Delta,
                                   int order = 2);

// The term tables of one equation; a family the equation does not have stays empty.
struct TResidualTables {
    std::span<const TResidualTerm> terms;
    std::span<const TGaussianTerm> gaussians = {};
    std::span<const TNonAnalyticTerm> nonAnalytic = {};
    std::span<const TExpMinusOneTerm> expMinusOne = {};
    // When every non-integral t of the polynomial and exponential terms is a whole multiple of
    // 1/tauRoots (a power of two), τ^t is a whole power of τ^(1/tauRoots), taken by square roots
    // and multiplication instead of an exponential per exponent; 0 keeps exp(t ln τ).
    int tauRoots = 0;
    std::span<const TDoubleExponentialTerm> doubleExponentials = {};
};

// Largest l the evaluator accepts; the tables are checked against it at compile time.
inline constexpr int MaxResidualL = 15;

constexpr bool ValidResidualTable(std::span<const TResidualTerm> terms) {
    for (const TResidualTerm& term : terms)
        if (term.l < 0 || term.l > MaxResidualL) return false;
    return true;
}

// Which sums an evaluation forms; any combination may be asked for, and a sum has the same value
// whichever others are asked for with it.
namespace ResidualPart {
inline constexpr unsigned Phi = 1, Phid = 2, Phidd = 4, Phit = 8, Phitt = 16, Phidt = 32;
inline constexpr unsigned All = 63;
}  // namespace ResidualPart

// The residual part of one equation. Integral powers of δ come from a per-call table built by
// repeated multiplication, the distinct integral powers of τ by repeated squaring, and each
// exp(−δ^l) is taken once per call, so the polynomial and exponential sums cost little more than
// their exponentials; the Gaussian, non-analytic, exp(−δ²) − 1 and double-exponential families
// follow them.
class TResidualEquation {
  public:
    explicit TResidualEquation(const TResidualTables& tables);

    // Sets r to the sums selected by `parts` (ResidualPart bits) at δ = Delta, τ = Tau; the sums
    // not selected are 0. Real is double or long double.
    template <class Real>
    void Evaluate(Real Delta, Real Tau, unsigned parts, TResidualDerivatives<Real>& r) const;

    static constexpr int MaxTableExponent = 64;
    static constexpr std::size_t MaxDistinctTauPowers = 64;

  private:
    // Everything of one evaluation that depends on τ alone: ln τ, the table's τ powers and the
    // Gaussian terms' τ^t. A density iteration holds τ fixed, so each thread keeps the last set
    // per equation and reuses it for the same τ (the same arithmetic: results are unchanged).
    static constexpr std::size_t MaxCachedGaussians = 32;
    template <class Real>
    struct TTauPowers {
        std::uint64_t owner = 0;
        Real tau = 0;
        Real lnTau = 0;
        std::array<Real, MaxDistinctTauPowers> pow{};
        std::array<Real, MaxCachedGaussians> gaussianPow{};
    };
    template <class Real>
    const TTauPowers<Real>& TauPowers(Real Tau) const;

    template <class Real>
    void AddPolynomialAndExponential(Real Delta, Real Tau, unsigned parts,
                                     TResidualDerivatives<Real>& r) const;
    template <class Real>
    void AddNearCritical(Real Delta, Real Tau, unsigned parts, TResidualDerivatives<Real>& r) const;

    // A term with its exponents sorted out once: τ^t is looked up by the index of t among the
    // table's distinct exponents, each formed once per call; an integral d within the table
    // range is looked up directly, any other raised through the logarithm.
    struct TSumTerm {
        double n, t, tt1, d, dd1, lSum;  // tt1 = t (t − 1), dd1 = d (d − 1), lSum = 2d + l − 1
        int l;
        bool tFromTable, dFromTable;
        int tk, dk;
    };
    std::vector<TSumTerm> terms_;
    std::vector<double> tPowers_;   // the distinct τ exponents of the table
    std::vector<int> tRootPowers_;  // t tauRoots for those taken through τ^(1/tauRoots), else 0
    int tauRoots_ = 0;
    std::size_t rootSquares_ = 0;  // (τ^(1/tauRoots_))^(2^j) needed, j < rootSquares_
    std::size_t tSquares_ = 1;     // τ^(2^j) needed for them, j < tSquares_
    int maxDk_ = 0;
    bool needLnDelta_ = false;   // some d is raised through the logarithm
    bool needLnTau_ = false;     // some t is raised through the logarithm
    bool allFromTables_ = true;  // every τ^t and δ^d comes from the per-call tables
    unsigned lMask_ = 0;         // bit l set when some term has exp(−δ^l)
    // a Gaussian t is not integral, exp(−δ²) − 1 terms, or double-exponential terms
    bool nearCriticalNeedsLnTau_ = false;
    std::uint64_t id_ = 0;  // names this equation's entries in the τ caches
    TResidualTables tables_;
};
