#include "KX_ECS_Propane.h"

#include <cmath>

namespace kxtransport {

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
    {0.042910051, 4, 1.0, 0},  {1.7313671, 1, 0.33, 0},   {-2.4516524, 1, 0.8, 0},
    {0.34157466, 2, 0.43, 0},  {-0.46047898, 2, 0.9, 0},  {-0.66847295, 1, 2.46, 1},
    {0.20889705, 3, 2.09, 1},  {0.19421381, 6, 0.88, 1},  {-0.22917851, 6, 1.09, 1},
    {-0.60405866, 2, 3.25, 2}, {0.066680654, 3, 4.62, 2},
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
TRatios PowerRatios(double p, double x) {
    return {p / x, p * (p - 1.0) / (x * x)};
}

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
    // delta^d by multiplication (d <= 6) and exp(-delta^l) once per l: only the tau powers and
    // the bells need an exponential each.
    double deltaPower[7] = {1.0, Delta};
    for (int k = 2; k < 7; ++k) deltaPower[k] = deltaPower[k - 1] * Delta;
    const double expOfL[3] = {1.0, std::exp(-Delta), std::exp(-deltaPower[2])};
    const double lnTau = std::log(Tau);
    for (const TPowerTerm& term : PowerTerms) {
        const double value =
            term.n * deltaPower[term.d] * std::exp(term.t * lnTau) * expOfL[term.l];
        TRatios g = PowerRatios(term.d, Delta);
        if (term.l > 0) {
            // exp(-delta^l) multiplies g by E with E'/E = -l delta^(l-1).
            const double dl = deltaPower[term.l];
            const double e1 = -term.l * dl / Delta;
            const double e2 = e1 * e1 - term.l * (term.l - 1) * dl / (Delta * Delta);
            g = {g.d1 + e1, g.d2 + 2.0 * g.d1 * e1 + e2};
        }
        AddTerm(r, value, g, PowerRatios(term.t, Tau));
    }
    for (const TGaussianTerm& term : GaussianTerms) {
        const double x = Delta - term.epsilon;
        const double y = Tau - term.gamma;
        const double value = term.n * deltaPower[term.d] *
                             std::exp(term.t * lnTau - term.eta * x * x - term.beta * y * y);
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

namespace {

// Viscosity of propane, Vogel, Küchenmeister, Bich & Laesecke, J. Phys. Chem. Ref. Data 27 (1998)
// 947: dilute gas with the fitted effective cross section, the Rainwater-Friend initial density
// term, and the residual sum with its close-packed part.
constexpr double PropaneSigma = 4.9748e-10;     // m
constexpr double PropaneEpsilonOverK = 263.88;  // K
constexpr double DiluteA[] = {0.25104574, -0.47271238, 0.060836515};
constexpr double DiluteT[] = {0.0, 1.0, 3.0};
constexpr double RainwaterFriendB[] = {-19.572881, 219.73999,  -1015.3226, 2471.01251, -3375.1717,
                                       2491.6597,  -787.26086, 14.085455,  -0.34664158};
constexpr double RainwaterFriendT[] = {0.0, -0.25, -0.5, -0.75, -1.0, -1.25, -1.5, -2.5, -5.5};
constexpr double ResidualA[] = {3.59873030195e-05,  -0.000180512188564, 8.77124888223e-05,
                                -0.000105773052525, 0.000205319740877,  -0.00012921093261,
                                5.89491587759e-05,  -0.0001297400331,   7.66280419971e-05,
                                -9.59407868475e-06, 2.10726986598e-05,  -1.43971968187e-05};
constexpr double ResidualD[] = {2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5};
constexpr double ResidualT[] = {0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2};
constexpr double ResidualNone[] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // no exponential
constexpr double ResidualL[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
constexpr double ClosePackedF[] = {0.00161688405374};
constexpr double ClosePackedD2[] = {1.0};
constexpr double ClosePackedT2[] = {0.0};
constexpr double ClosePackedG[] = {2.50053938863, 2.1517543007382995};
constexpr double ClosePackedH[] = {0.0, -0.5};
constexpr double ClosePackedP[] = {1.0};
constexpr double ClosePackedQ[] = {0.0};
constexpr TViscosityClosePacked ClosePacked{ClosePackedF, ClosePackedD2, ClosePackedT2,
                                            ClosePackedG, ClosePackedH,  ClosePackedP,
                                            ClosePackedQ};

// Residual thermal conductivity of propane, Marsh, Perkins & Ramires, J. Chem. Eng. Data 47
// (2002) 932: sum (B1 + B2 Tr) rho_r^i, written as terms in tau^0 and tau^-1.
constexpr double ConductivityB[] = {-0.03695,  0.148658,  -0.119986, 0.0412431,  -0.00486905,
                                    0.0482798, -0.135636, 0.117588,  -0.0436911, 0.00616079};
constexpr double ConductivityT[] = {0, 0, 0, 0, 0, -1, -1, -1, -1, -1};
constexpr double ConductivityD[] = {1, 2, 3, 4, 5, 1, 2, 3, 4, 5};

}  // namespace

const TECSReference& PropaneReference() {
    static constexpr TECSReference reference{
        {PropaneTred, PropaneDred, PropaneM, &PropaneResidual},
        {2.1357e-08, 0.0440956, PropaneSigma, PropaneEpsilonOverK, DiluteA, DiluteT},
        {RainwaterFriendB, RainwaterFriendT, PropaneSigma, PropaneEpsilonOverK},
        {369.825, 5000.0, ResidualA, ResidualD, ResidualT, ResidualNone, ResidualL, &ClosePacked},
        {369.82, 220.3, ConductivityB, ConductivityT, ConductivityD}};
    return reference;
}

}  // namespace kxtransport
