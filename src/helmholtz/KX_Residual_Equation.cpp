#include "KX_Residual_Equation.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <type_traits>

#include "HelmholtzMath.h"

namespace {

bool IsPowerOfTwo(int n) {
    return n >= 1 && (n & (n - 1)) == 0;
}

// Equation ids for the per-thread τ caches: never reused, so a cache entry cannot outlive its
// equation into another one built at the same address.
std::atomic<std::uint64_t> NextEquationId{1};

}  // namespace

TResidualEquation::TResidualEquation(const TResidualTables& tables)
    : id_(NextEquationId.fetch_add(1, std::memory_order_relaxed)), tables_(tables) {
    terms_.reserve(tables.terms.size());
    tauRoots_ = IsPowerOfTwo(tables.tauRoots) && tables.tauRoots > 1 ? tables.tauRoots : 0;
    for (const TResidualTerm& term : tables.terms) {
        TSumTerm p{term.n,
                   term.t,
                   term.t * (term.t - 1.0),
                   term.d,
                   term.d * (term.d - 1.0),
                   2.0 * term.d + term.l - 1.0,
                   term.l,
                   false,
                   false,
                   0,
                   0};
        // Table exponents: integral t in [−MaxTableExponent, MaxTableExponent] or any
        // non-integral t; d in [1, MaxTableExponent] (δ^(d−1) and δ^(d−2) then stay in the
        // table too).
        const bool tIntegral = IsIntegralExponent(term.t);
        const auto at = std::find(tPowers_.begin(), tPowers_.end(), term.t);
        const bool room = at != tPowers_.end() || tPowers_.size() < MaxDistinctTauPowers;
        if (room && (!tIntegral || std::fabs(term.t) <= MaxTableExponent)) {
            p.tFromTable = true;
            p.tk = static_cast<int>(at - tPowers_.begin());
            if (at == tPowers_.end()) {
                tPowers_.push_back(term.t);
                const double k = term.t * tauRoots_;
                const bool byRoots = !tIntegral && tauRoots_ != 0 && IsIntegralExponent(k) &&
                                     std::fabs(k) <= MaxTableExponent * tauRoots_;
                tRootPowers_.push_back(byRoots ? static_cast<int>(k) : 0);
                if (!tIntegral && !byRoots) needLnTau_ = true;
                if (byRoots)
                    while ((std::abs(static_cast<int>(k)) >> rootSquares_) != 0) ++rootSquares_;
            }
            if (tIntegral)
                while ((std::abs(static_cast<int>(term.t)) >> tSquares_) != 0) ++tSquares_;
        }
        if (!p.tFromTable) needLnTau_ = true;
        if (IsIntegralExponent(term.d) && term.d >= 1.0 && term.d <= MaxTableExponent) {
            p.dFromTable = true;
            p.dk = static_cast<int>(term.d);
            maxDk_ = std::max(maxDk_, p.dk);
        } else {
            needLnDelta_ = true;
        }
        if (term.l > 0 && term.l <= MaxResidualL) {
            lMask_ |= 1u << term.l;
            maxDk_ = std::max(maxDk_, term.l);
        }
        if (!p.tFromTable || !p.dFromTable) allFromTables_ = false;
        terms_.push_back(p);
    }
    for (const TGaussianTerm& g : tables.gaussians)
        if (!IsIntegralExponent(g.t)) nearCriticalNeedsLnTau_ = true;
    if (!tables.expMinusOne.empty() || !tables.doubleExponentials.empty())
        nearCriticalNeedsLnTau_ = true;
}

template <class Real>
void TResidualEquation::Evaluate(Real Delta, Real Tau, unsigned parts,
                                 TResidualDerivatives<Real>& r) const {
    r = TResidualDerivatives<Real>{};
    AddPolynomialAndExponential(Delta, Tau, parts, r);
    if (tables_.gaussians.empty() && tables_.nonAnalytic.empty() && tables_.expMinusOne.empty() &&
        tables_.doubleExponentials.empty())
        return;
    // The further families are summed apart and added once, each selected sum on its own.
    TResidualDerivatives<Real> group;
    AddNearCritical(Delta, Tau, parts, group);
    if (parts & ResidualPart::Phi) r.Phi += group.Phi;
    if (parts & ResidualPart::Phid) r.Phid += group.Phid;
    if (parts & ResidualPart::Phidd) r.Phidd += group.Phidd;
    if (parts & ResidualPart::Phit) r.Phit += group.Phit;
    if (parts & ResidualPart::Phitt) r.Phitt += group.Phitt;
    if (parts & ResidualPart::Phidt) r.Phidt += group.Phidt;
}

namespace {

// The δ-factor of ∂²/∂δ² of δ^d exp(−δ^l), exp(−δ^l) divided out, at δ = 0: of
// d (d − 1) δ^(d−2) − l (2d + l − 1) δ^(d+l−2) + l² δ^(d+2l−2) only the powers δ^0 remain.
double PhiddFactorAtZeroDensity(double d, int l) {
    const auto atZero = [](double k) { return k == 0.0 ? 1.0 : 0.0; };
    return d * (d - 1.0) * atZero(d - 2.0) - l * (2.0 * d + l - 1.0) * atZero(d + l - 2.0) +
           static_cast<double>(l) * l * atZero(d + 2.0 * l - 2.0);
}

}  // namespace

template <class Real>
const TResidualEquation::TTauPowers<Real>& TResidualEquation::TauPowers(Real Tau) const {
    thread_local TTauPowers<Real> cache;
    if (cache.owner == id_ && cache.tau == Tau) return cache;
    // tauPow[i] = τ^tPowers_[i]: an integral exponent by repeated squaring (τ, τ², τ⁴, …
    // multiplied by the bits of the exponent, a negative one as the reciprocal), any other by
    // the power rule through ln τ.
    const Real lnTau =
        (needLnTau_ || nearCriticalNeedsLnTau_) && Tau > 0.0 ? std::log(Tau) : Real(0);
    std::array<Real, 16> squares;  // τ^(2^j); exponents are at most 64
    squares[0] = Tau;
    for (std::size_t j = 1; j < tSquares_; ++j) squares[j] = squares[j - 1] * squares[j - 1];
    // (τ^(1/tauRoots_))^(2^j), for the exponents taken through roots, multiplied the same way.
    std::array<Real, 16> rootSquares;
    if (rootSquares_ != 0) {
        rootSquares[0] = Tau;
        for (int k = tauRoots_; k > 1; k /= 2) rootSquares[0] = std::sqrt(rootSquares[0]);
        for (std::size_t j = 1; j < rootSquares_; ++j)
            rootSquares[j] = rootSquares[j - 1] * rootSquares[j - 1];
    }
    const auto byBits = [](const std::array<Real, 16>& powers, int k) {
        unsigned m = static_cast<unsigned>(k < 0 ? -k : k);
        Real p = 1.0;
        for (std::size_t j = 0; m != 0; ++j, m >>= 1)
            if (m & 1u) p *= powers[j];
        return k < 0 ? 1.0 / p : p;
    };
    std::array<Real, MaxDistinctTauPowers>& tauPow = cache.pow;
    for (std::size_t i = 0; i < tPowers_.size(); ++i) {
        if (tRootPowers_[i] != 0) {
            tauPow[i] = byBits(rootSquares, tRootPowers_[i]);
            continue;
        }
        if (!IsIntegralExponent(tPowers_[i])) {
            tauPow[i] = FluidPower(Tau, tPowers_[i], lnTau);
            continue;
        }
        tauPow[i] = byBits(squares, static_cast<int>(tPowers_[i]));
    }
    // A Gaussian term's τ^t: by multiplication for a whole t, else by one exponential.
    const std::size_t gaussians = std::min(tables_.gaussians.size(), MaxCachedGaussians);
    for (std::size_t i = 0; i < gaussians; ++i) {
        const double t = tables_.gaussians[i].t;
        cache.gaussianPow[i] = IsIntegralExponent(t) ? IntegralPower(Tau, static_cast<int64_t>(t))
                                                     : std::exp(t * lnTau);
    }
    cache.lnTau = lnTau;
    cache.tau = Tau;
    cache.owner = id_;
    return cache;
}

template <class Real>
void TResidualEquation::AddPolynomialAndExponential(Real Delta, Real Tau, unsigned parts,
                                                    TResidualDerivatives<Real>& r) const {
    constexpr int N = MaxTableExponent;
    // deltaPow[k + 2] = δ^k for k = −2 … maxDk_, by repeated multiplication.
    std::array<Real, N + 3> deltaPow;
    deltaPow[2] = 1.0;
    for (int k = 1; k <= maxDk_; ++k) deltaPow[k + 2] = deltaPow[k + 1] * Delta;
    // δ^(−1) and δ^(−2) are used only in ∂²/∂δ² of terms with d = 1 and 2; at δ = 0 that sum
    // is formed from its limit instead and they are not used.
    deltaPow[1] = Delta != 0.0 ? 1.0 / Delta : 0.0;
    deltaPow[0] = deltaPow[1] * deltaPow[1];
    const TTauPowers<Real>& taus = TauPowers(Tau);
    const Real lnTau = taus.lnTau;
    const std::array<Real, MaxDistinctTauPowers>& tauPow = taus.pow;
    const Real invTau = 1.0 / Tau;
    // exp(−δ^l) once per l in use; l = 0 marks a polynomial term, whose factor is 1.
    std::array<Real, MaxResidualL + 1> expL;
    expL[0] = 1.0;
    for (int l = 1; l <= MaxResidualL; ++l)
        if (lMask_ & (1u << l)) expL[l] = std::exp(-deltaPow[l + 2]);
    const Real lnDelta = needLnDelta_ && Delta > 0.0 ? std::log(Delta) : Real(0);

    // l δ^l once per l in use (0 for a polynomial term).
    std::array<Real, MaxResidualL + 1> lDeltaL;
    lDeltaL[0] = 0.0;
    for (int l = 1; l <= MaxResidualL; ++l)
        if (lMask_ & (1u << l)) lDeltaL[l] = l * deltaPow[l + 2];

    const bool wantValue = parts & (ResidualPart::Phi | ResidualPart::Phit | ResidualPart::Phitt);
    const bool wantDelta = parts & (ResidualPart::Phid | ResidualPart::Phidd | ResidualPart::Phidt);
    // The τ-derivatives are summed as t and t (t − 1) times each term and divided by τ and τ² once
    // at the end.
    Real phi = 0.0, phid = 0.0, phidd = 0.0, phit = 0.0, phitt = 0.0, phidt = 0.0;
    // A polynomial term (l = 0) takes exp(−δ^l) = 1 and l δ^l = 0, which turns the exponential
    // term's formulas into the polynomial ones: ∂/∂δ of δ^d exp(−δ^l) is
    // δ^(d−1) exp(−δ^l) (d − l δ^l), ∂²/∂δ² is δ^(d−2) exp(−δ^l) (d (d − 1) − l δ^l (2d + l − 1
    // − l δ^l)).
    // The loop is compiled three times: for every sum, for the two δ-derivatives a density
    // iteration asks (both without any test per term: every power from the tables, δ ≠ 0), and
    // with the tests for any other request; all do the same arithmetic for each sum.
    enum class TSums { All, DensityDerivatives, Tested };
    const auto sum = [&](auto sums) {
        constexpr bool Common = decltype(sums)::value == TSums::All;
        constexpr bool DensityOnly = decltype(sums)::value == TSums::DensityDerivatives;
        constexpr bool Untested = Common || DensityOnly;
        for (const TSumTerm& term : terms_) {
            const Real tT =
                Untested || term.tFromTable ? tauPow[term.tk] : FluidPower(Tau, term.t, lnTau);
            const Real base = term.n * tT * expL[term.l];
            const Real dl = lDeltaL[term.l];
            if (Common || (!DensityOnly && wantValue)) {
                const Real dD = Common || term.dFromTable ? deltaPow[term.dk + 2]
                                                          : FluidPower(Delta, term.d, lnDelta);
                const Real v = base * dD;
                phi += v;
                phit += v * term.t;
                phitt += v * term.tt1;
            }
            if (Untested || wantDelta) {
                const Real dD1 = Untested || term.dFromTable
                                     ? deltaPow[term.dk + 1]
                                     : FluidPower(Delta, term.d - 1.0, lnDelta);
                const Real w = base * dD1 * (term.d - dl);
                phid += w;
                if (!DensityOnly) phidt += w * term.t;
                if (Untested || (parts & ResidualPart::Phidd)) {
                    if (Untested || Delta != 0.0) {
                        const Real dD2 = Untested || term.dFromTable
                                             ? deltaPow[term.dk]
                                             : FluidPower(Delta, term.d - 2.0, lnDelta);
                        phidd += base * dD2 * (term.dd1 - dl * (term.lSum - dl));
                    } else {
                        phidd += base * PhiddFactorAtZeroDensity(term.d, term.l);
                    }
                }
            }
        }
    };
    constexpr unsigned densityDerivatives = ResidualPart::Phid | ResidualPart::Phidd;
    if (parts == ResidualPart::All && allFromTables_ && Delta != 0.0)
        sum(std::integral_constant<TSums, TSums::All>{});
    else if (parts == densityDerivatives && allFromTables_ && Delta != 0.0)
        sum(std::integral_constant<TSums, TSums::DensityDerivatives>{});
    else
        sum(std::integral_constant<TSums, TSums::Tested>{});
    if (parts & ResidualPart::Phi) r.Phi += phi;
    if (parts & ResidualPart::Phid) r.Phid += phid;
    if (parts & ResidualPart::Phidd) r.Phidd += phidd;
    if (parts & ResidualPart::Phit) r.Phit += phit * invTau;
    if (parts & ResidualPart::Phitt) r.Phitt += phitt * (invTau * invTau);
    if (parts & ResidualPart::Phidt) r.Phidt += phidt * invTau;
}

namespace {

// The part of a non-analytic term's quantities that does not depend on its exponent b: θ, Δ and
// its δ-derivatives, ψ and its derivatives. Terms that differ only in b share one evaluation.
template <class Real>
struct TNonAnalyticBase {
    Real u, dm1, uE1, lnDelta;
    TNonAnalyticQuantities<Real> q;  // Theta, DDelta, DDeltad, DDeltadd and the ψ quantities
};

bool SameBase(const TNonAnalyticTerm& x, const TNonAnalyticTerm& y) {
    return x.a == y.a && x.beta == y.beta && x.A == y.A && x.B == y.B && x.C == y.C && x.D == y.D;
}

template <class Real>
TNonAnalyticBase<Real> NonAnalyticBase(const TNonAnalyticTerm& term, Real Tau, Real Delta,
                                       int order) {
    TNonAnalyticBase<Real> base{};
    TNonAnalyticQuantities<Real>& q = base.q;
    const Real dm1 = Delta - 1.0;
    const Real u = dm1 * dm1;
    base.u = u;
    base.dm1 = dm1;
    const Real lnU = u > 0.0 ? std::log(u) : Real(0);
    const Real e = 1.0 / (2.0 * term.beta);  // exponent of u in θ
    const Real uE = FluidPower(u, e, lnU);
    const Real uA = FluidPower(u, term.a, lnU);
    q.Theta = (1.0 - Tau) + term.A * uE;
    q.DDelta = q.Theta * q.Theta + term.B * uA;
    base.lnDelta = q.DDelta > 0.0 ? std::log(q.DDelta) : Real(0);
    const Real tm1 = Tau - 1.0;
    q.Psi = std::exp(-term.C * u - term.D * tm1 * tm1);
    if (order < 1) return base;

    const Real uE1 = FluidPower(u, e - 1.0, lnU);
    const Real uA1 = FluidPower(u, term.a - 1.0, lnU);
    base.uE1 = uE1;
    const Real bracket = term.A * q.Theta * (2.0 / term.beta) * uE1 + 2.0 * term.B * term.a * uA1;
    q.DDeltad = dm1 * bracket;
    q.Psid = -2.0 * term.C * dm1 * q.Psi;
    q.Psit = -2.0 * term.D * tm1 * q.Psi;
    if (order < 2) return base;

    const Real uE2 = FluidPower(u, e - 2.0, lnU);
    const Real uA2 = FluidPower(u, term.a - 2.0, lnU);
    // (∂Δ/∂δ)/(δ − 1) is the bracket itself; at δ = 1 the division would be 0/0, so the
    // bracket, its analytic limit, is taken there.
    const Real quotient = Delta == 1.0 ? bracket : q.DDeltad / dm1;
    q.DDeltadd =
        quotient + u * (4.0 * term.B * term.a * (term.a - 1.0) * uA2 +
                        2.0 * term.A * term.A * (1.0 / term.beta) * (1.0 / term.beta) * uE1 * uE1 +
                        term.A * q.Theta * (4.0 / term.beta) * (e - 1.0) * uE2);
    q.Psidd = 2.0 * term.C * q.Psi * (2.0 * term.C * u - 1.0);
    q.Psitt = 2.0 * term.D * q.Psi * (2.0 * term.D * tm1 * tm1 - 1.0);
    q.Psidt = 4.0 * term.C * term.D * dm1 * tm1 * q.Psi;
    return base;
}

// Completes the quantities with Δ^b and its derivatives.
template <class Real>
TNonAnalyticQuantities<Real> WithDeltaPowers(const TNonAnalyticTerm& term,
                                             const TNonAnalyticBase<Real>& base, int order) {
    TNonAnalyticQuantities<Real> q = base.q;
    const Real b = term.b;
    q.DDeltab = FluidPower(q.DDelta, b, base.lnDelta);
    if (order < 1) return q;
    const Real db1 = FluidPower(q.DDelta, b - 1.0, base.lnDelta);
    q.DDeltabid = b * db1 * q.DDeltad;
    q.DDeltabit = -2.0 * q.Theta * b * db1;
    if (order < 2) return q;
    const Real db2 = FluidPower(q.DDelta, b - 2.0, base.lnDelta);
    q.DDeltabidd = b * (db1 * q.DDeltadd + (b - 1.0) * db2 * q.DDeltad * q.DDeltad);
    q.DDeltabitt = 2.0 * b * db1 + 4.0 * q.Theta * q.Theta * b * (b - 1.0) * db2;
    q.DDeltabidt = -term.A * b * (2.0 / term.beta) * db1 * base.dm1 * base.uE1 -
                   2.0 * q.Theta * b * (b - 1.0) * db2 * q.DDeltad;
    return q;
}

}  // namespace

TNonAnalyticParts NonAnalyticParts(const TNonAnalyticTerm& term, double Tau, double Delta,
                                   int order) {
    return WithDeltaPowers(term, NonAnalyticBase(term, Tau, Delta, order), order);
}

template <class Real>
void TResidualEquation::AddNearCritical(Real Delta, Real Tau, unsigned parts,
                                        TResidualDerivatives<Real>& r) const {
    using namespace ResidualPart;
    const TTauPowers<Real>& taus = TauPowers(Tau);
    const Real lnTau = taus.lnTau;
    const Real invTau = 1.0 / Tau;
    std::size_t gaussianIndex = 0;
    const bool wantPhi = parts & Phi, wantPhid = parts & Phid, wantPhidd = parts & Phidd;
    const bool wantPhit = parts & Phit, wantPhitt = parts & Phitt, wantPhidt = parts & Phidt;
    const bool wantDeltaFactor = wantPhid || wantPhidt;
    const bool wantTau = wantPhit || wantPhitt || wantPhidt;
    // n δ^d τ^t G with G = exp(−α (δ − ε)² − β (τ − γ)²): since ∂G/∂δ = −2α (δ − ε) G and
    // ∂G/∂τ = −2β (τ − γ) G, each derivative is n G times a δ factor and a τ factor.
    for (const TGaussianTerm& g : tables_.gaussians) {
        const Real dm = Delta - g.epsilon;
        const Real tm = Tau - g.gamma;
        const Real G = std::exp(-g.alpha * dm * dm - g.beta * tm * tm);
        const int64_t d = static_cast<int64_t>(g.d);
        // δ^d, δ^(d−1) and δ^(d−2) from one power; δ^(d−2) only where its factor d (d − 1) is
        // not 0, so δ = 0 never meets 1/δ.
        const Real dD2 = d >= 2 ? IntegralPower(Delta, d - 2) : Real(0);
        const Real dD1 = d >= 2 ? dD2 * Delta : IntegralPower(Delta, d - 1);
        const Real dD0 = dD1 * Delta;
        // τ^t by multiplication for a whole t, else by one exponential; its derivatives are t/τ
        // and t (t − 1)/τ² times it.
        const Real tT0 = gaussianIndex < MaxCachedGaussians ? taus.gaussianPow[gaussianIndex]
                         : IsIntegralExponent(g.t) ? IntegralPower(Tau, static_cast<int64_t>(g.t))
                                                   : std::exp(g.t * lnTau);
        ++gaussianIndex;
        // Only the selected sums, each by the same arithmetic whichever others are selected.
        const Real nG = g.n * G;
        if (wantPhi) r.Phi += nG * dD0 * tT0;
        const Real dFactor = wantDeltaFactor ? dD1 * (g.d - 2.0 * g.alpha * Delta * dm)
                                             : Real(0);  // ∂(δ^d G)/∂δ / G
        if (wantPhid) r.Phid += nG * tT0 * dFactor;
        if (wantPhidd)
            r.Phidd += nG * tT0 *
                       (dD0 * (4.0 * g.alpha * g.alpha * dm * dm - 2.0 * g.alpha) -
                        4.0 * g.d * g.alpha * dD1 * dm + g.d * (g.d - 1.0) * dD2);
        if (!wantTau) continue;
        const Real tT1 = g.t * tT0 * invTau;
        const Real tFactor = tT1 - 2.0 * g.beta * tm * tT0;  // ∂(τ^t G)/∂τ / G
        if (wantPhit) r.Phit += nG * dD0 * tFactor;
        if (wantPhitt) {
            const Real tT2 = g.t * (g.t - 1.0) * tT0 * (invTau * invTau);
            r.Phitt += nG * dD0 *
                       (tT2 - 4.0 * g.beta * tm * tT1 +
                        (4.0 * g.beta * g.beta * tm * tm - 2.0 * g.beta) * tT0);
        }
        if (wantPhidt) r.Phidt += nG * dFactor * tFactor;
    }
    // n Δ^b δ ψ: the derivatives of the product of its three factors.
    const int order = (parts & (Phidd | Phitt | Phidt)) ? 2 : (parts & (Phid | Phit)) ? 1 : 0;
    const TNonAnalyticTerm* previous = nullptr;
    TNonAnalyticBase<Real> base{};
    for (const TNonAnalyticTerm& term : tables_.nonAnalytic) {
        if (!previous || !SameBase(term, *previous))
            base = NonAnalyticBase(term, Tau, Delta, order);
        previous = &term;
        const TNonAnalyticQuantities<Real> q = WithDeltaPowers(term, base, order);
        const Real n = term.n;
        r.Phi += n * q.DDeltab * Delta * q.Psi;
        r.Phid += n * (q.DDeltab * (q.Psi + Delta * q.Psid) + Delta * q.Psi * q.DDeltabid);
        r.Phidd +=
            n * (q.DDeltab * (2.0 * q.Psid + Delta * q.Psidd) +
                 2.0 * q.DDeltabid * (q.Psi + Delta * q.Psid) + Delta * q.Psi * q.DDeltabidd);
        r.Phit += n * Delta * (q.Psi * q.DDeltabit + q.DDeltab * q.Psit);
        r.Phitt +=
            n * Delta * (q.Psi * q.DDeltabitt + 2.0 * q.DDeltabit * q.Psit + q.DDeltab * q.Psitt);
        r.Phidt += n * (q.DDeltab * (q.Psit + Delta * q.Psidt) + Delta * q.DDeltabid * q.Psit +
                        q.DDeltabit * (q.Psi + Delta * q.Psid) + Delta * q.Psi * q.DDeltabidt);
    }
    // n δ^d τ^t exp(−δ^l − τ^m): the δ and τ factors separate, each with the derivatives of an
    // exponential term, δ^d exp(−δ^l) → δ^(d−1) (d − l δ^l) and
    // δ^(d−2) (d (d − 1) − l δ^l (2d + l − 1) + l² δ^(2l)), and the same in τ with t and m.
    for (const TDoubleExponentialTerm& e : tables_.doubleExponentials) {
        const int64_t d = static_cast<int64_t>(e.d);
        // δ^(d−2) only where its factor d (d − 1) is not 0, so δ = 0 never meets 1/δ.
        const Real dD2 = d >= 2 ? IntegralPower(Delta, d - 2) : Real(0);
        const Real dD1 = d >= 2 ? dD2 * Delta : IntegralPower(Delta, d - 1);
        const Real dD0 = dD1 * Delta;
        const Real dL = IntegralPower(Delta, e.l);  // δ^l
        const Real lDL = e.l * dL;                  // l δ^l
        const Real lDLm1 = e.l * IntegralPower(Delta, e.l - 1);
        const Real tT0 = FluidPower(Tau, e.t, lnTau);
        const Real tM = FluidPower(Tau, e.m, lnTau);  // τ^m
        const Real mTm = e.m * tM;
        const Real nE = e.n * std::exp(-dL - tM);
        const Real dFactor = dD1 * (e.d - lDL);  // ∂(δ^d exp(−δ^l))/∂δ / exp(−δ^l)
        // d (d − 1) δ^(d−2) − l (2d + l − 1) δ^(d+l−2) + l² δ^(d+2l−2), with δ^(l−1) taken
        // apart so that d = 1 needs no negative power.
        const Real ddFactor =
            e.d * (e.d - 1.0) * dD2 - lDLm1 * dD1 * ((2.0 * e.d + e.l - 1.0) - lDL);
        const Real B = e.t - mTm;  // τ ∂(τ^t exp(−τ^m))/∂τ / (τ^t exp(−τ^m))
        const Real tFactor = tT0 * invTau * B;
        const Real ttFactor = tT0 * (invTau * invTau) * (B * (B - 1.0) - e.m * mTm);
        r.Phi += nE * dD0 * tT0;
        r.Phid += nE * tT0 * dFactor;
        r.Phidd += nE * tT0 * ddFactor;
        r.Phit += nE * dD0 * tFactor;
        r.Phitt += nE * dD0 * ttFactor;
        r.Phidt += nE * dFactor * tFactor;
    }
    // n τ^t (exp(−δ²) − 1).
    if (tables_.expMinusOne.empty()) return;
    const Real G = std::exp(-Delta * Delta);
    for (const TExpMinusOneTerm& term : tables_.expMinusOne) {
        const Real nTt = term.n * FluidPower(Tau, term.t, lnTau);
        const Real nTt1 = term.n * term.t * FluidPower(Tau, term.t - 1.0, lnTau);
        const Real nTt2 = term.n * term.t * (term.t - 1.0) * FluidPower(Tau, term.t - 2.0, lnTau);
        r.Phi += nTt * (G - 1.0);
        r.Phid += nTt * (-2.0 * Delta * G);
        r.Phidd += nTt * (4.0 * Delta * Delta - 2.0) * G;
        r.Phit += nTt1 * (G - 1.0);
        r.Phitt += nTt2 * (G - 1.0);
        r.Phidt += nTt1 * (-2.0 * Delta * G);
    }
}

template void TResidualEquation::Evaluate<double>(double, double, unsigned,
                                                  TResidualDerivatives<double>&) const;
template void TResidualEquation::Evaluate<long double>(long double, long double, unsigned,
                                                       TResidualDerivatives<long double>&) const;
