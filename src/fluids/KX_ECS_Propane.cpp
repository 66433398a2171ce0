#include "KX_ECS_Propane.h"

#include <cmath>

namespace {

// Residual Helmholtz energy of propane, Lemmon, McLinden & Wagner (2009):
// n delta^d tau^t exp(-delta^l) (no exponential where l = 0).
struct TPowerTerm {
    double n;
    int d;
    double t;
    int l;
};
constexpr TPowerTerm PowerTerms[] = {
    {0.042910051, 4, 1.0, 0},   {1.7313671, 1, 0.33, 0},   {-2.4516524, 1, 0.8, 0},
    {0.34157466, 2, 0.43, 0},   {-0.46047898, 2, 0.9, 0},  {-0.66847295, 1, 2.46, 1},
    {0.20889705, 3, 2.09, 1},   {0.19421381, 6, 0.88, 1},  {-0.22917851, 6, 1.09, 1},
    {-0.60405866, 2, 3.25, 2},  {0.066680654, 3, 4.62, 2},
};

// Same source: n delta^d tau^t exp(-eta (delta - epsilon)^2 - beta (tau - gamma)^2).
struct TGaussianTerm {
    double n;
    int d;
    double t;
    double eta, epsilon, beta, gamma;
};
constexpr TGaussianTerm GaussianTerms[] = {
    {0.017534618, 1, 0.76, 0.963, 1.283, 2.33, 0.684},
    {0.33874242, 1, 2.5, 1.977, 0.6936, 3.47, 0.829},
    {0.22228777, 1, 2.75, 1.917, 0.788, 3.15, 1.419},
    {-0.23219062, 2, 3.05, 2.307, 0.473, 3.19, 0.817},
    {-0.09220694, 2, 2.55, 2.546, 0.8577, 0.92, 1.5},
    {-0.47575718, 4, 8.4, 3.28, 0.271, 18.8, 1.426},
    {-0.017486824, 1, 6.75, 14.6, 0.948, 547.8, 1.093},
};

// A factor of a term divided by its value: f'/f and f''/f. Every term is n g(delta) h(tau), so
// its six sums follow from these ratios of g and h.
struct TRatios {
    double d1;
    double d2;
};

// x^p with x^p' / x^p = p/x and x^p'' / x^p = p(p - 1)/x^2 (x > 0).
TRatios PowerRatios(double p, double x) { return {p / x, p * (p - 1.0) / (x * x)}; }

// Adds n g h and its derivatives, from g, h and their derivative ratios.
void AddTerm(THelmholzResidual& r, double value, const TRatios& g, const TRatios& h) {
    r.Phi += value;
    r.Phid += value * g.d1;
    r.Phidd += value * g.d2;
    r.Phit += value * h.d1;
    r.Phitt += value * h.d2;
    r.Phidt += value * g.d1 * h.d1;
}

}  // namespace

void PropaneResidual(double Delta, double Tau, THelmholzResidual& r) {
    r = THelmholzResidual{};
    const double lnTau = std::log(Tau);
    for (const TPowerTerm& term : PowerTerms) {
        double value = term.n * std::pow(Delta, term.d) * std::exp(term.t * lnTau);
        TRatios g = PowerRatios(term.d, Delta);
        if (term.l > 0) {
            // exp(-delta^l) multiplies g by E with E'/E = -l delta^(l-1).
            const double dl = std::pow(Delta, term.l);
            value *= std::exp(-dl);
            const double e1 = -term.l * dl / Delta;
            const double e2 = e1 * e1 - term.l * (term.l - 1) * dl / (Delta * Delta);
            g = {g.d1 + e1, g.d2 + 2.0 * g.d1 * e1 + e2};
        }
        AddTerm(r, value, g, PowerRatios(term.t, Tau));
    }
    for (const TGaussianTerm& term : GaussianTerms) {
        const double x = Delta - term.epsilon;
        const double y = Tau - term.gamma;
        const double value = term.n * std::pow(Delta, term.d) * std::exp(term.t * lnTau) *
                             std::exp(-term.eta * x * x - term.beta * y * y);
        // A bell exp(-c u^2) has ratios -2cu and 4c^2u^2 - 2c; for a product f b the ratios
        // combine as f'/f + b'/b and f''/f + 2 (f'/f)(b'/b) + b''/b.
        const TRatios pd = PowerRatios(term.d, Delta);
        const double bd1 = -2.0 * term.eta * x;
        const double bd2 = bd1 * bd1 - 2.0 * term.eta;
        const TRatios pt = PowerRatios(term.t, Tau);
        const double bt1 = -2.0 * term.beta * y;
        const double bt2 = bt1 * bt1 - 2.0 * term.beta;
        AddTerm(r, value, {pd.d1 + bd1, pd.d2 + 2.0 * pd.d1 * bd1 + bd2},
                {pt.d1 + bt1, pt.d2 + 2.0 * pt.d1 * bt1 + bt2});
    }
}

const TECSReferenceFluid& PropaneReference() {
    static constexpr TECSReferenceFluid reference{PropaneTred, PropaneDred, PropaneM,
                                                  &PropaneResidual};
    return reference;
}
