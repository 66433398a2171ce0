#include "KX_Transport_Terms.h"

#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "HelmholtzMath.h"

namespace kxtransport {

namespace {

// x^e for a positive x; exponents in quarters (the Rainwater-Friend set, square roots) take the
// fourth root once, so a sum of them costs one root instead of a pow per term.
class TQuarterPowers {
  public:
    explicit TQuarterPowers(double x) : x_(x) {}
    double operator()(double e) {
        const double quarters = 4.0 * e;
        if (e == std::trunc(e)) return IntegralPower(x_, static_cast<int>(e));
        if (quarters == std::trunc(quarters) && std::fabs(quarters) < 64.0) {
            if (root_ < 0.0) root_ = std::sqrt(std::sqrt(x_));
            return IntegralPower(root_, static_cast<int>(quarters));
        }
        return PowerOf(x_, e);
    }

  private:
    double x_;
    double root_ = -1.0;
};

// sum c_i x^e_i, x > 0
double PowerSum(TCoefficients c, TCoefficients e, double x) {
    TQuarterPowers power(x);
    double sum = 0.0;
    for (size_t i = 0; i < c.size(); ++i) sum += c[i] * power(e[i]);
    return sum;
}

}  // namespace

// ---- Viscosity ----

double Evaluate(const TViscosityDiluteFitted& term, double T) {
    const double lnTs = std::log(T / term.epsilonOverK);
    double exponent = 0.0;
    for (size_t i = 0; i < term.a.size(); ++i) exponent += term.a[i] * PowerOf(lnTs, term.t[i]);
    const double sigmaNm = term.sigma / 1e-9;
    return term.C * std::sqrt(1000.0 * term.M * T) / (sigmaNm * sigmaNm * std::exp(exponent));
}

double Evaluate(const TViscosityDiluteNeufeld& term, double T) {
    const double Ts = T / term.epsilonOverK;
    const double omega = 1.16145 * std::pow(Ts, -0.14874) + 0.52487 * std::exp(-0.77320 * Ts) +
                         2.16178 * std::exp(-2.43787 * Ts);
    const double sigmaNm = term.sigma / 1e-9;
    return 26.692e-9 * std::sqrt(1000.0 * term.M * T) / (sigmaNm * sigmaNm * omega);
}

double Evaluate(const TViscosityDilutePolynomial& term, double T) {
    return PowerSum(term.a, term.t, T);
}

double Evaluate(const TViscosityDiluteCO2& term, double T) {
    const auto& a = term.a;
    const double T3 = std::cbrt(T);
    const double D = a[0] + a[1] * std::pow(T, 1.0 / 6.0) + a[2] * std::exp(a[3] * T3) +
                     (a[4] + a[5] * T3) / std::exp(T3) + a[6] * std::sqrt(T);
    return term.prefactor * std::sqrt(T) / D;
}

double SecondViscosityVirial(const TViscosityInitialDensity& term, double T) {
    const double Bstar = PowerSum(term.b, term.t, T / term.epsilonOverK);
    return AvogadroNumber * term.sigma * term.sigma * term.sigma * Bstar;
}

double Evaluate(const TViscosityInitialDensity& term, double eta0, const TTransportState& state) {
    return eta0 * SecondViscosityVirial(term, state.T) * state.rho;
}

double Evaluate(const TViscosityResidualSum& term, const TTransportState& state) {
    const double tau = term.Tred / state.T;
    const double delta = state.rho / term.rhoRed;
    TQuarterPowers tauPower(tau);
    double sum = 0.0;
    for (size_t i = 0; i < term.a.size(); ++i) {
        double x = term.a[i] * PowerOf(delta, term.d[i]) * tauPower(term.t[i]);
        if (term.gamma[i] != 0.0) x *= std::exp(-term.gamma[i] * PowerOf(delta, term.l[i]));
        sum += x;
    }
    if (const TViscosityClosePacked* cp = term.closePacked) {
        const double delta0 = PowerSum(cp->g, cp->h, tau) / PowerSum(cp->p, cp->q, tau);
        // Past the close-packed density the correlation has no meaning.
        if (!(delta < delta0)) return std::numeric_limits<double>::quiet_NaN();
        double F = 0.0;
        for (size_t j = 0; j < cp->f.size(); ++j)
            F += cp->f[j] * PowerOf(delta, cp->d2[j]) * PowerOf(tau, cp->t2[j]);
        sum += F * (1.0 / (delta0 - delta) - 1.0 / delta0);
    }
    return sum;
}

double ClosePackedDensity(const TViscosityResidualSum& term, double T) {
    const TViscosityClosePacked* cp = term.closePacked;
    if (!cp) return 0.0;
    const double tau = term.Tred / T;
    return term.rhoRed * PowerSum(cp->g, cp->h, tau) / PowerSum(cp->p, cp->q, tau);
}

double Evaluate(const TViscosityResidualHydrogen& term, const TTransportState& state) {
    const double Tr = state.T / term.Tred;
    const double rr = state.rhoMass / term.rhoRed;
    const double rr2 = rr * rr;
    return term.c1 * rr2 *
           std::exp(term.c2 * Tr + term.c3 / Tr + term.c4 * rr2 / (term.c5 + Tr) +
                    term.c6 * rr2 * rr2 * rr2);
}

double TriplePointLiquidViscosity(const TViscosityResidualCO2& term) {
    return std::pow(term.rhoTL, 2.0 / 3.0) * std::sqrt(term.R * term.Tt) /
           (std::pow(term.M, 1.0 / 6.0) * std::cbrt(AvogadroNumber));
}

double Evaluate(const TViscosityResidualCO2& term, const TTransportState& state) {
    const double Tr = state.T / term.Tt;
    const double rr = state.rhoMass / term.rhoTL;
    return TriplePointLiquidViscosity(term) *
           (term.c1 * Tr * rr * rr * rr + (rr * rr + std::pow(rr, term.gamma)) / (Tr - term.c2));
}

double Evaluate(const TViscosityAmmonia& term, const TTransportState& state) {
    const double Tstar = state.T / term.epsilonOverK;
    const double rho = state.rhoMass / term.densityM;
    const double lnT = std::log(Tstar);
    double lnS = 0.0;
    for (size_t i = term.a.size(); i-- > 0;) lnS = lnS * lnT + term.a[i];
    const double S = std::exp(lnS);
    const double eta0 = term.C * std::sqrt(term.M * state.T) / (term.sigma * term.sigma * S);
    // B* as a polynomial in T*^(-1/2).
    const double x = 1.0 / std::sqrt(Tstar);
    double Bstar = 0.0;
    for (size_t i = term.b.size(); i-- > 0;) Bstar = Bstar * x + term.b[i];
    // c[k]: the coefficient of rho^k; c[1] = eta1, c[2..4] the higher-density terms.
    std::array<double, 5> c{};
    c[1] = term.NA * term.sigma * term.sigma * term.sigma * eta0 * Bstar;
    for (size_t k = 0; k < term.d.size(); ++k) {
        double sum = 0.0;
        for (size_t j = term.d[k].size(); j-- > 0;) sum = sum / Tstar + term.d[k][j];
        c[k + 2] = sum;
    }
    double excess = 0.0;
    for (size_t k = c.size(); k-- > 1;) excess = (excess + c[k]) * rho;
    return (eta0 + excess) * 1e-06;
}

double Evaluate(const TViscosityDiluteStephan& term, double T) {
    const auto& a = term.a;
    const double lnT = std::log(T / term.epsilonOverK);
    const double lnOmega = a[0] + lnT * (a[1] + lnT * (a[2] + lnT * (a[3] + lnT * a[4])));
    return term.C * std::sqrt(term.mkOverPi * T) / (term.sigma * term.sigma * std::exp(lnOmega));
}

double Evaluate(const TViscosityExcessStephan& term, const TTransportState& state) {
    const auto& N = term.N;
    const double rho = state.rhoMass / term.rhoRed;
    return term.H * (N[0] / (rho - N[1]) + N[0] / N[1] + rho * (N[2] + rho * (N[3] + rho * N[4])));
}

// ---- Thermal conductivity ----

double Evaluate(const TConductivityDiluteRatio& term, double T) {
    const double Tr = T / term.Tred;
    return PowerSum(term.A, term.n, Tr) / PowerSum(term.B, term.m, Tr);
}

double Evaluate(const TConductivityDiluteFromViscosity& term, double eta0, double T) {
    const double tau = term.Tred / T;
    double sum = term.A[0] * eta0 * 1e6;
    for (size_t i = 1; i < term.A.size(); ++i) sum += term.A[i] * PowerOf(tau, term.t[i]);
    return sum;
}

double Evaluate(const TConductivityDiluteCO2& term, double T) {
    const double Tr = T / term.Tc;
    double sum = 0.0;
    for (size_t k = 0; k < term.L.size(); ++k)
        sum += term.L[k] * IntegralPower(Tr, -static_cast<int>(k));
    // mW/(m K) to W/(m K)
    return std::sqrt(Tr) / sum / 1000.0;
}

double Evaluate(const TConductivityResidualPolynomial& term, const TTransportState& state) {
    const double tau = term.Tred / state.T;
    const double delta = state.rhoMass / term.rhoRed;
    double sum = 0.0;
    for (size_t i = 0; i < term.B.size(); ++i)
        sum += term.B[i] * PowerOf(tau, term.t[i]) * PowerOf(delta, term.d[i]);
    return sum;
}

double Evaluate(const TConductivityResidualSum& term, const TTransportState& state) {
    const double tau = term.Tred / state.T;
    const double delta = state.rho / term.rhoRed;
    double sum = 0.0;
    for (size_t i = 0; i < term.N.size(); ++i) {
        double x = term.N[i] * PowerOf(tau, term.t[i]) * PowerOf(delta, term.d[i]);
        if (term.gamma[i] != 0.0) x *= std::exp(-term.gamma[i] * PowerOf(delta, term.l[i]));
        sum += x;
    }
    return sum;
}

TConductivityCritical DefaultCriticalEnhancement(double Tc, double rhoc, double pc) {
    return {.RD = 1.03,
            .nu = 0.63,
            .gamma = 1.239,
            .Gamma = 0.0496,
            .xi0 = 1.94e-10,
            .qD = 2e9,
            .Tref = 1.5 * Tc,
            .Tc = Tc,
            .rhoc = rhoc,
            .pc = pc};
}

double Evaluate(const TConductivityCritical& term, double eta, const TTransportState& state) {
    const double rho = state.rho;
    const double scale = term.pc * rho / (term.rhoc * term.rhoc);
    const double deltaChi = scale / state.dpdrho - (term.Tref / state.T) * scale / state.dpdrhoRef;
    // Far from the critical point the enhancement vanishes (the difference is rounding noise
    // or negative).
    if (!(deltaChi > 2.22e-15)) return 0.0;
    const double xi = term.xi0 * std::pow(deltaChi / term.Gamma, term.nu / term.gamma);
    const double y = term.qD * xi;
    const double delta = rho / term.rhoc;
    constexpr double twoOverPi = 2.0 / std::numbers::pi;
    const double omega =
        twoOverPi * ((state.cp - state.cv) / state.cp * std::atan(y) + state.cv / state.cp * y);
    const double omega0 =
        twoOverPi * (1.0 - std::exp(-1.0 / (1.0 / y + y * y / (3.0 * delta * delta))));
    return rho * state.cp * term.RD * BoltzmannConstant * state.T /
           (6.0 * std::numbers::pi * eta * xi) * (omega - omega0);
}

double Evaluate(const TConductivityCriticalR123& term, const TTransportState& state) {
    const double tau = term.Tred / state.T;
    const double delta = state.rho / term.rhoRed;
    const double t1 = tau - 1.0;
    const double d1 = delta - 1.0;
    return term.a13 * std::exp(term.a14 * t1 * t1 * t1 * t1 + term.a15 * d1 * d1);
}

double Evaluate(const TConductivityCriticalAmmonia& term, const TTransportState& state) {
    const double T = state.T;
    const double rho = state.rhoMass;
    const double rhoc = term.rhoc;
    const double t = std::fabs(T - term.Tc) / term.Tc;
    const double etaB = (2.60 + 1.6 * t) * 1e-5;
    const double pT = (2.18 - 0.12 / std::exp(17.8 * t)) * 1e5;
    const double XT = 0.61 * rhoc + 16.5 * std::log(t);
    const double tD = std::pow(t, term.Delta);
    const double xi = term.xi0 * std::pow(t, -term.nu) * (1.0 + term.aXi * tD);
    const double chi = term.Gamma0 * std::pow(t, -term.gamma) * (1.0 + term.aChi * tD);
    const double lambdaI =
        term.Lambda * term.kB * T * T / (6.0 * std::numbers::pi * etaB * xi) * pT * pT * chi;
    const double lambdaId = lambdaI * std::exp(-36.0 * t * t);
    const double XT2 = XT * XT;
    if (rho >= 0.6 * rhoc) {
        const double dr = rho - 0.96 * rhoc;
        return lambdaId * XT2 / (XT2 + dr * dr);
    }
    const double dr = 0.6 * rhoc - 0.96 * rhoc;
    const double ratio = rho / (0.6 * rhoc);
    return lambdaId * XT2 / (XT2 + dr * dr) * ratio * ratio;
}

double Evaluate(const TConductivityDiluteStephan& term, double eta0, double T) {
    const double u = term.theta / T;
    double cp0 = 0.0;
    for (size_t i = 0; i < term.phi.size(); ++i)
        cp0 += term.phi[i] * IntegralPower(T, static_cast<int>(i) - 3);
    const double eu = std::exp(u);
    cp0 += term.phiE * u * u * eu / ((eu - 1.0) * (eu - 1.0));
    const double cv = (cp0 - 1.0) * term.R * 1000.0 / term.NA;
    const double F = eta0 * term.k * term.NA / (term.M * 1000.0);
    return ((1.5 - term.r) * term.fTr + (cv / term.k + term.r) * term.fInt) * F;
}

double Evaluate(const TConductivityExcessStephan& term, const TTransportState& state) {
    const double rho = state.rhoMass / term.rhoRed;
    double sum = 0.0;
    for (size_t i = term.psi.size(); i-- > 0;) sum = (sum + term.psi[i]) * rho;
    return term.Lambda * sum;
}

// ---- Surface tension ----

double Evaluate(const TSurfaceTensionSum& term, double T) {
    if (!(T < term.Tc)) return 0.0;
    return PowerSum(term.a, term.n, 1.0 - T / term.Tc);
}

// ---- Dilute gas as a ratio of polynomials in T (Huber and Assael 2016) ----

double Evaluate(const TViscosityDiluteRatio& term, double T) {
    return term.unit * PowerSum(term.a, term.p, T) / PowerSum(term.b, term.q, T);
}

}  // namespace kxtransport
