#include "KX_Refrigerant_FE.h"

#include <array>
#include <cmath>

namespace {

// Per-call values shared by the terms: ln δ and ln τ (for non-integral exponents) and, for each
// l, δ^l and exp(−δ^l), each computed once.
class TTermPowers {
public:
    TTermPowers(double delta, double tau)
        : delta_(delta),
          tau_(tau),
          lnDelta_(delta > 0.0 ? std::log(delta) : 0.0),
          lnTau_(tau > 0.0 ? std::log(tau) : 0.0) {}

    double DeltaPower(double y) const { return FluidPower(delta_, y, lnDelta_); }
    double TauPower(double y) const { return FluidPower(tau_, y, lnTau_); }

    // l δ^l, the factor the δ-derivatives of exp(−δ^l) bring down.
    double LDeltaToL(int l) {
        Fill(l);
        return static_cast<double>(l) * deltaToL_[static_cast<std::size_t>(l)];
    }
    double Exponential(int l) {
        Fill(l);
        return exponential_[static_cast<std::size_t>(l)];
    }

private:
    void Fill(int l) {
        const std::size_t k = static_cast<std::size_t>(l);
        if (filled_[k]) return;
        deltaToL_[k] = IntegralPower(delta_, l);
        exponential_[k] = std::exp(-deltaToL_[k]);
        filled_[k] = true;
    }

    double delta_;
    double tau_;
    double lnDelta_;
    double lnTau_;
    std::array<bool, MaxResidualL + 1> filled_{};
    std::array<double, MaxResidualL + 1> deltaToL_{};
    std::array<double, MaxResidualL + 1> exponential_{};
};

// One term's contribution to each sum, from its powers: dDk = δ^(d−k), tTk = τ^(t−k),
// E = exp(−δ^l), lDl = l δ^l. The single sums and ResidualAll share these, so they agree bit
// for bit.
double PhirOf(const TResidualTerm& term, double dD0, double tT0, double E) {
    const double v = term.n * dD0 * tT0;
    return term.l == 0 ? v : v * E;
}

double PhirdOf(const TResidualTerm& term, double dD1, double tT0, double E, double lDl) {
    const double common = term.n * dD1 * tT0;
    return term.l == 0 ? common * term.d : common * E * (term.d - lDl);
}

double PhirddOf(const TResidualTerm& term, double dD2, double tT0, double E, double lDl) {
    const double common = term.n * dD2 * tT0;
    if (term.l == 0) return common * term.d * (term.d - 1.0);
    return common * E * ((term.d - lDl) * (term.d - 1.0 - lDl) - term.l * lDl);
}

double PhirtOf(const TResidualTerm& term, double dD0, double tT1, double E) {
    const double v = term.n * term.t * tT1 * dD0;
    return term.l == 0 ? v : v * E;
}

double PhirttOf(const TResidualTerm& term, double dD0, double tT2, double E) {
    const double v = term.n * term.t * (term.t - 1.0) * tT2 * dD0;
    return term.l == 0 ? v : v * E;
}

double PhirdtOf(const TResidualTerm& term, double dD1, double tT1, double E, double lDl) {
    const double common = term.n * term.t * tT1 * dD1;
    return term.l == 0 ? common * term.d : common * E * (term.d - lDl);
}

// exp(−δ^l) and l δ^l of a term; (1, 0) for a polynomial term, which uses neither.
struct TExponentialFactor {
    double E = 1.0;
    double lDl = 0.0;
};

TExponentialFactor ExponentialOf(const TResidualTerm& term, TTermPowers& p) {
    if (term.l == 0) return {};
    return {p.Exponential(term.l), p.LDeltaToL(term.l)};
}

}  // namespace

double ResidualPhir(std::span<const TResidualTerm> terms, double Delta, double Tau) {
    TTermPowers p(Delta, Tau);
    double sum = 0.0;
    for (const TResidualTerm& term : terms) {
        const TExponentialFactor f = ExponentialOf(term, p);
        sum += PhirOf(term, p.DeltaPower(term.d), p.TauPower(term.t), f.E);
    }
    return sum;
}

double ResidualPhird(std::span<const TResidualTerm> terms, double Delta, double Tau) {
    TTermPowers p(Delta, Tau);
    double sum = 0.0;
    for (const TResidualTerm& term : terms) {
        const TExponentialFactor f = ExponentialOf(term, p);
        sum += PhirdOf(term, p.DeltaPower(term.d - 1.0), p.TauPower(term.t), f.E, f.lDl);
    }
    return sum;
}

double ResidualPhirdd(std::span<const TResidualTerm> terms, double Delta, double Tau) {
    TTermPowers p(Delta, Tau);
    double sum = 0.0;
    for (const TResidualTerm& term : terms) {
        const TExponentialFactor f = ExponentialOf(term, p);
        sum += PhirddOf(term, p.DeltaPower(term.d - 2.0), p.TauPower(term.t), f.E, f.lDl);
    }
    return sum;
}

double ResidualPhirt(std::span<const TResidualTerm> terms, double Delta, double Tau) {
    TTermPowers p(Delta, Tau);
    double sum = 0.0;
    for (const TResidualTerm& term : terms) {
        if (term.t == 0.0) continue;
        const TExponentialFactor f = ExponentialOf(term, p);
        sum += PhirtOf(term, p.DeltaPower(term.d), p.TauPower(term.t - 1.0), f.E);
    }
    return sum;
}

double ResidualPhirtt(std::span<const TResidualTerm> terms, double Delta, double Tau) {
    TTermPowers p(Delta, Tau);
    double sum = 0.0;
    for (const TResidualTerm& term : terms) {
        if (term.t == 0.0 || term.t == 1.0) continue;
        const TExponentialFactor f = ExponentialOf(term, p);
        sum += PhirttOf(term, p.DeltaPower(term.d), p.TauPower(term.t - 2.0), f.E);
    }
    return sum;
}

double ResidualPhirdt(std::span<const TResidualTerm> terms, double Delta, double Tau) {
    TTermPowers p(Delta, Tau);
    double sum = 0.0;
    for (const TResidualTerm& term : terms) {
        if (term.t == 0.0) continue;
        const TExponentialFactor f = ExponentialOf(term, p);
        sum += PhirdtOf(term, p.DeltaPower(term.d - 1.0), p.TauPower(term.t - 1.0), f.E, f.lDl);
    }
    return sum;
}

void ResidualAll(std::span<const TResidualTerm> terms, double Delta, double Tau,
                 THelmholzResidual& r) {
    TTermPowers p(Delta, Tau);
    double phi = 0.0, phid = 0.0, phidd = 0.0, phit = 0.0, phitt = 0.0, phidt = 0.0;
    for (const TResidualTerm& term : terms) {
        const TExponentialFactor f = ExponentialOf(term, p);
        const double dD0 = p.DeltaPower(term.d);
        const double dD1 = p.DeltaPower(term.d - 1.0);
        const double dD2 = p.DeltaPower(term.d - 2.0);
        const double tT0 = p.TauPower(term.t);
        phi += PhirOf(term, dD0, tT0, f.E);
        phid += PhirdOf(term, dD1, tT0, f.E, f.lDl);
        phidd += PhirddOf(term, dD2, tT0, f.E, f.lDl);
        if (term.t == 0.0) continue;
        const double tT1 = p.TauPower(term.t - 1.0);
        phit += PhirtOf(term, dD0, tT1, f.E);
        phidt += PhirdtOf(term, dD1, tT1, f.E, f.lDl);
        if (term.t == 1.0) continue;
        phitt += PhirttOf(term, dD0, p.TauPower(term.t - 2.0), f.E);
    }
    r.Phi += phi;
    r.Phid += phid;
    r.Phidd += phidd;
    r.Phit += phit;
    r.Phitt += phitt;
    r.Phidt += phidt;
}

double IdealPhio(const TIdealGasPart& part, double Delta, double Tau) {
    double phi = std::log(Delta) + part.a1 + part.a2 * Tau + part.c * std::log(Tau);
    for (const TIdealPowerTerm& term : part.powers) phi += term.b * FluidPower(Tau, term.e);
    for (const TIdealPlanckTerm& term : part.planck)
        phi += term.m * std::log(1.0 - std::exp(-term.theta * Tau));
    return phi;
}

double IdealPhiot(const TIdealGasPart& part, double Tau) {
    double phit = part.a2 + part.c / Tau;
    for (const TIdealPowerTerm& term : part.powers)
        phit += term.e * term.b * FluidPower(Tau, term.e - 1.0);
    for (const TIdealPlanckTerm& term : part.planck)
        phit += term.m * term.theta / (std::exp(term.theta * Tau) - 1.0);
    return phit;
}

double IdealPhiott(const TIdealGasPart& part, double Tau) {
    double phitt = -part.c / (Tau * Tau);
    for (const TIdealPowerTerm& term : part.powers)
        phitt += term.e * (term.e - 1.0) * term.b * FluidPower(Tau, term.e - 2.0);
    for (const TIdealPlanckTerm& term : part.planck) {
        const double e = std::exp(term.theta * Tau);
        phitt -= term.m * term.theta * term.theta * e / ((e - 1.0) * (e - 1.0));
    }
    return phitt;
}

double TRefrigerant_FE::Phio(double Delta, double Tau) const {
    return IdealPhio(ideal_, Delta, Tau);
}
double TRefrigerant_FE::Phiot(double, double Tau) const { return IdealPhiot(ideal_, Tau); }
double TRefrigerant_FE::Phiott(double, double Tau) const { return IdealPhiott(ideal_, Tau); }
double TRefrigerant_FE::Phiod(double Delta, double) const { return 1.0 / Delta; }
double TRefrigerant_FE::Phiodd(double Delta, double) const { return -1.0 / (Delta * Delta); }
double TRefrigerant_FE::Phiodt(double, double) const { return 0.0; }

double TRefrigerant_FE::Phir(double Delta, double Tau) const {
    return ResidualPhir(terms_, Delta, Tau);
}
double TRefrigerant_FE::Phirt(double Delta, double Tau) const {
    return ResidualPhirt(terms_, Delta, Tau);
}
double TRefrigerant_FE::Phirtt(double Delta, double Tau) const {
    return ResidualPhirtt(terms_, Delta, Tau);
}
double TRefrigerant_FE::Phird(double Delta, double Tau) const {
    return ResidualPhird(terms_, Delta, Tau);
}
double TRefrigerant_FE::Phirdd(double Delta, double Tau) const {
    return ResidualPhirdd(terms_, Delta, Tau);
}
double TRefrigerant_FE::Phirdt(double Delta, double Tau) const {
    return ResidualPhirdt(terms_, Delta, Tau);
}

void TRefrigerant_FE::PhirAll(double Delta, double Tau, THelmholzResidual& r) const {
    r = THelmholzResidual{};
    ResidualAll(terms_, Delta, Tau, r);
}

void TRefrigerant_FE::PhioAll(double Delta, double Tau, THelmholzIdeal& o) const {
    o.Phi = IdealPhio(ideal_, Delta, Tau);
    o.Phit = IdealPhiot(ideal_, Tau);
    o.Phitt = IdealPhiott(ideal_, Tau);
}
