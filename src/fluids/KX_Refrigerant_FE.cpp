#include "KX_Refrigerant_FE.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>

TResidualSum::TResidualSum(std::span<const TResidualTerm> terms) {
    terms_.reserve(terms.size());
    for (const TResidualTerm& term : terms) {
        TSumTerm p{term.n, term.t, term.d, term.l, false, false, 0, 0};
        // Table exponents: integral t in [−MaxTableExponent, MaxTableExponent] or any
        // non-integral t; d in [1, MaxTableExponent] (δ^(d−1) and δ^(d−2) then stay in the
        // table too).
        const bool tIntegral = IsIntegralExponent(term.t);
        const auto at = std::find(tPowers_.begin(), tPowers_.end(), term.t);
        const bool room = at != tPowers_.end() || tPowers_.size() < MaxDistinctTauPowers;
        if (room && (!tIntegral || std::fabs(term.t) <= MaxTableExponent)) {
            p.tFromTable = true;
            p.tk = static_cast<int>(at - tPowers_.begin());
            if (at == tPowers_.end()) tPowers_.push_back(term.t);
            if (tIntegral)
                while ((std::abs(static_cast<int>(term.t)) >> tSquares_) != 0) ++tSquares_;
        }
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
        terms_.push_back(p);
    }
}

void TResidualSum::Evaluate(double Delta, double Tau, unsigned parts, THelmholzResidual& r) const {
    constexpr int N = MaxTableExponent;
    // deltaPow[k + 2] = δ^k for k = −2 … maxDk_, by repeated multiplication.
    std::array<double, N + 3> deltaPow;
    deltaPow[2] = 1.0;
    for (int k = 1; k <= maxDk_; ++k) deltaPow[k + 2] = deltaPow[k + 1] * Delta;
    // δ^(−1) and δ^(−2) are used only for d = 1 and 2, where they are multiplied by d − 1 or
    // d − 2 factors; at δ = 0 they stay infinite without raising a division fault.
    deltaPow[1] = Delta != 0.0 ? 1.0 / Delta : std::numeric_limits<double>::infinity();
    deltaPow[0] = deltaPow[1] * deltaPow[1];
    // tauPow[i] = τ^tPowers_[i]: an integral exponent by repeated squaring (τ, τ², τ⁴, …
    // multiplied by the bits of the exponent, a negative one as the reciprocal), any other by
    // the power rule through ln τ.
    const double lnTau = Tau > 0.0 ? std::log(Tau) : 0.0;
    std::array<double, 8> squares;  // τ^(2^j); exponents are at most 64
    squares[0] = Tau;
    for (std::size_t j = 1; j < tSquares_; ++j) squares[j] = squares[j - 1] * squares[j - 1];
    std::array<double, MaxDistinctTauPowers> tauPow;
    for (std::size_t i = 0; i < tPowers_.size(); ++i) {
        if (!IsIntegralExponent(tPowers_[i])) {
            tauPow[i] = FluidPower(Tau, tPowers_[i], lnTau);
            continue;
        }
        const int k = static_cast<int>(tPowers_[i]);
        unsigned m = static_cast<unsigned>(k < 0 ? -k : k);
        double p = 1.0;
        for (std::size_t j = 0; m != 0; ++j, m >>= 1)
            if (m & 1u) p *= squares[j];
        tauPow[i] = k < 0 ? 1.0 / p : p;
    }
    const double invTau = 1.0 / Tau;
    // exp(−δ^l) once per l in use; l = 0 marks a polynomial term, whose factor is 1.
    std::array<double, MaxResidualL + 1> expL;
    expL[0] = 1.0;
    for (int l = 1; l <= MaxResidualL; ++l)
        if (lMask_ & (1u << l)) expL[l] = std::exp(-deltaPow[l + 2]);
    const double lnDelta = needLnDelta_ && Delta > 0.0 ? std::log(Delta) : 0.0;

    const bool wantValue = parts & (ResidualPart::Phi | ResidualPart::Phit | ResidualPart::Phitt);
    const bool wantDelta = parts & (ResidualPart::Phid | ResidualPart::Phidd | ResidualPart::Phidt);
    double phi = 0.0, phid = 0.0, phidd = 0.0, phit = 0.0, phitt = 0.0, phidt = 0.0;
    // A polynomial term (l = 0) takes E = 1 and l δ^l = 0, which turns the exponential term's
    // formulas into the polynomial ones.
    for (const TSumTerm& term : terms_) {
        const double tT = term.tFromTable ? tauPow[term.tk] : FluidPower(Tau, term.t, lnTau);
        const double nT = term.n * tT;
        const double E = expL[term.l];
        const double l = term.l;
        const double lDl = l * deltaPow[term.l + 2];
        if (wantValue) {
            const double dD =
                term.dFromTable ? deltaPow[term.dk + 2] : FluidPower(Delta, term.d, lnDelta);
            const double v = nT * dD * E;
            phi += v;
            // The τ-derivatives multiply a term by t/τ and t (t − 1)/τ².
            phit += v * term.t * invTau;
            phitt += v * term.t * (term.t - 1.0) * invTau * invTau;
        }
        if (wantDelta) {
            const double dD1 =
                term.dFromTable ? deltaPow[term.dk + 1] : FluidPower(Delta, term.d - 1.0, lnDelta);
            const double vd = nT * dD1 * E * (term.d - lDl);
            phid += vd;
            phidt += vd * term.t * invTau;
            if (parts & ResidualPart::Phidd) {
                const double dD2 =
                    term.dFromTable ? deltaPow[term.dk] : FluidPower(Delta, term.d - 2.0, lnDelta);
                phidd += nT * dD2 * E * ((term.d - lDl) * (term.d - 1.0 - lDl) - l * lDl);
            }
        }
    }
    if (parts & ResidualPart::Phi) r.Phi += phi;
    if (parts & ResidualPart::Phid) r.Phid += phid;
    if (parts & ResidualPart::Phidd) r.Phidd += phidd;
    if (parts & ResidualPart::Phit) r.Phit += phit;
    if (parts & ResidualPart::Phitt) r.Phitt += phitt;
    if (parts & ResidualPart::Phidt) r.Phidt += phidt;
}

double TRefrigerant_FE::Phio(double Delta, double Tau) const {
    return IdealPhio(ideal_, Delta, Tau);
}
double TRefrigerant_FE::Phiot(double, double Tau) const {
    return IdealPhiot(ideal_, Tau);
}
double TRefrigerant_FE::Phiott(double, double Tau) const {
    return IdealPhiott(ideal_, Tau);
}

double TRefrigerant_FE::ResidualSum(double Delta, double Tau, unsigned part,
                                    double THelmholzResidual::*sum) const {
    THelmholzResidual r;
    sum_.Evaluate(Delta, Tau, part, r);
    if (group_) {
        THelmholzResidual group;
        group_(Delta, Tau, part, group);
        r.*sum += group.*sum;
    }
    return r.*sum;
}

double TRefrigerant_FE::Phir(double Delta, double Tau) const {
    return ResidualSum(Delta, Tau, ResidualPart::Phi, &THelmholzResidual::Phi);
}
double TRefrigerant_FE::Phirt(double Delta, double Tau) const {
    return ResidualSum(Delta, Tau, ResidualPart::Phit, &THelmholzResidual::Phit);
}
double TRefrigerant_FE::Phirtt(double Delta, double Tau) const {
    return ResidualSum(Delta, Tau, ResidualPart::Phitt, &THelmholzResidual::Phitt);
}
double TRefrigerant_FE::Phird(double Delta, double Tau) const {
    return ResidualSum(Delta, Tau, ResidualPart::Phid, &THelmholzResidual::Phid);
}
double TRefrigerant_FE::Phirdd(double Delta, double Tau) const {
    return ResidualSum(Delta, Tau, ResidualPart::Phidd, &THelmholzResidual::Phidd);
}
double TRefrigerant_FE::Phirdt(double Delta, double Tau) const {
    return ResidualSum(Delta, Tau, ResidualPart::Phidt, &THelmholzResidual::Phidt);
}

void TRefrigerant_FE::PhirAll(double Delta, double Tau, THelmholzResidual& r) const {
    r = THelmholzResidual{};
    sum_.Evaluate(Delta, Tau, ResidualPart::All, r);
    if (group_) {
        THelmholzResidual group;
        group_(Delta, Tau, ResidualPart::All, group);
        AddResidual(r, group);
    }
}

void TRefrigerant_FE::PhioAll(double Delta, double Tau, THelmholzIdeal& o) const {
    o.Phi = IdealPhio(ideal_, Delta, Tau);
    o.Phit = IdealPhiot(ideal_, Tau);
    o.Phitt = IdealPhiott(ideal_, Tau);
}
