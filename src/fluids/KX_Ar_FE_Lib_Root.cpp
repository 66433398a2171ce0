#include "KX_Ar_FE_Lib_Root.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "HelmholtzMath.h"

namespace {

// ---- Coefficient tables ----

// Ideal-gas part of the argon equation of state, Tegeler, Span and Wagner (1999).
constexpr double IdealA1 = 8.31666243;
constexpr double IdealA2 = -4.94651164;

// Residual term n δ^d τ^t exp(−δ^c); c = 0 for a polynomial term.
struct TArTerm {
    double n;
    int d;
    double t;
    int c;
};

// Residual polynomial (1-12) and exponential (13-37) terms of the argon equation of state,
// Tegeler, Span and Wagner, J. Phys. Chem. Ref. Data 28 (1999) 779.
constexpr TArTerm ArTerms[37] = {
    {0.088722304990011, 1, 0.0, 0},      // 1
    {0.70514805167298, 1, 0.25, 0},      // 2
    {-1.682011565409, 1, 1.0, 0},        // 3
    {-0.14909014431486, 1, 2.75, 0},     // 4
    {-0.1202480460094, 1, 4.0, 0},       // 5
    {-0.12164978798599, 2, 0.0, 0},      // 6
    {0.40035933626752, 2, 0.25, 0},      // 7
    {-0.27136062699129, 2, 0.75, 0},     // 8
    {0.24211924579645, 2, 2.75, 0},      // 9
    {0.005788958318557, 3, 0.0, 0},      // 10
    {-0.041097335615341, 3, 2.0, 0},     // 11
    {0.024710761541614, 4, 0.75, 0},     // 12
    {-0.32181391750702, 1, 3.0, 1},      // 13
    {0.33230017695794, 1, 3.5, 1},       // 14
    {0.031019986287345, 3, 1.0, 1},      // 15
    {-0.030777086002437, 4, 2.0, 1},     // 16
    {0.093891137419581, 4, 4.0, 1},      // 17
    {-0.090643210682031, 5, 3.0, 1},     // 18
    {-0.00045778349276654, 7, 0.0, 1},   // 19
    {-8.2659729025197e-05, 10, 0.5, 1},  // 20
    {0.00013013415603147, 10, 1.0, 1},   // 21
    {-0.011397840001996, 2, 1.0, 2},     // 22
    {-0.024455169960535, 2, 7.0, 2},     // 23
    {-0.064324067175955, 4, 5.0, 2},     // 24
    {0.058889471093674, 4, 6.0, 2},      // 25
    {-0.00064933552112965, 8, 6.0, 2},   // 26
    {-0.013889862158435, 3, 10.0, 3},    // 27
    {0.4048983929691, 5, 13.0, 3},       // 28
    {-0.38612519594749, 5, 14.0, 3},     // 29
    {-0.18817142332233, 6, 11.0, 3},     // 30
    {0.15977647596482, 6, 14.0, 3},      // 31
    {0.053985518513856, 7, 8.0, 3},      // 32
    {-0.028953417958014, 7, 14.0, 3},    // 33
    {-0.013025413381384, 8, 6.0, 3},     // 34
    {0.0028948696775778, 9, 7.0, 3},     // 35
    {-0.0022647134304796, 5, 24.0, 4},   // 36
    {0.0017616456196368, 6, 22.0, 4},    // 37
};

// Gaussian term n δ^d τ^t exp(−α (δ − ε)² − β (τ − γ)²).
struct TArGaussianTerm {
    double n;
    int d;
    double t;
    int alpha;
    int beta;
    double gamma;
    int epsilon;
};

// Residual Gaussian terms 38-41 of the argon equation of state, Tegeler, Span and Wagner (1999).
constexpr TArGaussianTerm ArGaussianTerms[4] = {
    {0.0058552454482774, 2, 3.0, 20, 250, 1.11, 1},   // 38
    {-0.69251908270028, 1, 1.0, 20, 375, 1.14, 1},    // 39
    {1.5315490030516, 2, 0.0, 20, 300, 1.17, 1},      // 40
    {-0.0027380447449783, 3, 0.0, 20, 225, 1.11, 1},  // 41
};

// Highest power of δ the derivatives need, d + 2c − 2 over the table, and the highest c.
constexpr int HighestDeltaPower() {
    int highest = 1;
    for (const TArTerm& term : ArTerms) highest = std::max(highest, term.d + 2 * term.c - 2);
    return highest;
}
constexpr int MaxDeltaPower = HighestDeltaPower();
constexpr int HighestC() {
    int highest = 0;
    for (const TArTerm& term : ArTerms) highest = std::max(highest, term.c);
    return highest;
}
constexpr int MaxC = HighestC();
static_assert(MaxC <= MaxDeltaPower);

// Ancillary saturation equations of Tegeler, Span and Wagner (1999): vapour pressure,
// saturated-liquid and saturated-vapour density; and the inverse vapour-pressure fit in
// ln(p/pc).
constexpr double PseN[4] = {-5.9409785, 1.35538888, -0.46497607, -1.5399043};
constexpr double PseK[4] = {1.0, 1.5, 2.0, 4.5};
constexpr double DsleN[4] = {1.5004262, -0.3138129, 0.086461622, -0.041477525};
constexpr double DsleK[4] = {0.334, 2.0 / 3.0, 7.0 / 3.0, 4.0};
constexpr double DsveN[4] = {-1.70695656, -4.02739448, 1.55177558, -2.30683228};
constexpr double DsveK[4] = {0.345, 5.0 / 6.0, 1.0, 13.0 / 3.0};
constexpr double TseC[4] = {0.00028431, 0.176003, 0.0230555, 0.00146448};

// ---- Separable terms ----

// Every exponent t of τ in the table is a non-negative whole multiple of 1/4, so a non-integral
// τ^t is a whole power of τ^(1/4), taken from a table of powers instead of an exponential per term.
constexpr int TauDenominator = 4;

constexpr bool TauExponentsAreQuarters() {
    for (const TArTerm& term : ArTerms)
        if (term.t < 0.0 || static_cast<int>(term.t * TauDenominator) != term.t * TauDenominator)
            return false;
    for (const TArGaussianTerm& term : ArGaussianTerms)
        if (term.t < 0.0 || static_cast<int>(term.t * TauDenominator) != term.t * TauDenominator)
            return false;
    return true;
}
static_assert(TauExponentsAreQuarters());

// One factor of a term, f(x), with its first and second derivative in x.
struct TFactor {
    double v;
    double d1;
    double d2;
};

void AddTerm(THelmholzResidual& r, double n, const TFactor& g, const TFactor& h) {
    r.Phi += n * g.v * h.v;
    r.Phid += n * g.d1 * h.v;
    r.Phidd += n * g.d2 * h.v;
    r.Phit += n * g.v * h.d1;
    r.Phitt += n * g.v * h.d2;
    r.Phidt += n * g.d1 * h.d1;
}

// Highest whole exponent of τ, and highest non-integral one in units of 1/4.
constexpr int HighestWholeTauPower() {
    int highest = 0;
    for (const TArTerm& term : ArTerms)
        if (term.t == static_cast<int>(term.t))
            highest = std::max(highest, static_cast<int>(term.t));
    for (const TArGaussianTerm& term : ArGaussianTerms)
        if (term.t == static_cast<int>(term.t))
            highest = std::max(highest, static_cast<int>(term.t));
    return highest;
}
constexpr int HighestFractionalTauUnits() {
    int highest = 0;
    for (const TArTerm& term : ArTerms)
        if (term.t != static_cast<int>(term.t))
            highest = std::max(highest, static_cast<int>(term.t * TauDenominator));
    for (const TArGaussianTerm& term : ArGaussianTerms)
        if (term.t != static_cast<int>(term.t))
            highest = std::max(highest, static_cast<int>(term.t * TauDenominator));
    return highest;
}

// Powers of τ shared by every term of one evaluation, by successive multiplication: τ^k for
// whole k, then τ^(k/4) for the non-integral exponents; τ > 0.
struct TTauPowers {
    double tau;
    double inverse;  // 1/τ
    double values[HighestWholeTauPower() + HighestFractionalTauUnits() + 2];

    explicit TTauPowers(double t) : tau(t), inverse(1.0 / t) {
        double* whole = values;
        whole[0] = 1.0;
        for (int k = 1; k <= HighestWholeTauPower(); ++k) whole[k] = whole[k - 1] * t;
        const double unit = std::sqrt(std::sqrt(t));
        double* fractional = values + HighestWholeTauPower() + 1;
        fractional[0] = 1.0;
        for (int k = 1; k <= HighestFractionalTauUnits(); ++k)
            fractional[k] = fractional[k - 1] * unit;
    }
};

// A polynomial or exponential term n δ^d τ^t exp(−δ^c) prepared at compile time for a loop
// without branches: the products its derivatives use, and where its powers sit in the tables.
// The derivatives in δ are written as sums of whole powers of δ; a product that does not occur
// has coefficient 0 and power index 0, so δ = 0 never meets a negative power.
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

// Place of τ^t in TTauPowers::values: whole powers first, then the fractional ones.
constexpr int TauIndex(double t) {
    return t == static_cast<int>(t)
               ? static_cast<int>(t)
               : HighestWholeTauPower() + 1 + static_cast<int>(t * TauDenominator);
}

constexpr std::array<TPreparedTerm, std::size(ArTerms)> PrepareTerms() {
    std::array<TPreparedTerm, std::size(ArTerms)> out{};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const TArTerm& s = ArTerms[i];
        const int d = s.d;
        const int c = s.c;
        out[i] = {s.n,
                  s.t,
                  s.t * (s.t - 1.0),
                  TauIndex(s.t),
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
constexpr auto PreparedTerms = PrepareTerms();

// Every term has δ to at least the first power, so δ^(d − 1) is a whole power.
constexpr bool DensityExponentsAtLeastOne() {
    for (const TArTerm& term : ArTerms)
        if (term.d < 1 || term.c < 0) return false;
    return true;
}
static_assert(DensityExponentsAtLeastOne());

// A Gaussian term n δ^d τ^t G with G = exp(−α (δ − ε)² − β (τ − γ)²): since ∂G/∂δ = −2α (δ − ε) G
// and ∂G/∂τ = −2β (τ − γ) G, it is n G times a δ factor and a τ factor without exponentials.
void AddGaussianTerm(THelmholzResidual& r, const TArGaussianTerm& term, const double* pow,
                     const TTauPowers& tp) {
    const int d = term.d;
    const double x = pow[1] - term.epsilon;
    const double y = tp.tau - term.gamma;
    const double a = term.alpha;
    const double b = term.beta;
    const TFactor delta = {pow[d], d * pow[d - 1] - 2.0 * a * x * pow[d],
                           (d >= 2 ? d * (d - 1.0) * pow[d - 2] : 0.0) -
                               4.0 * a * d * x * pow[d - 1] +
                               (4.0 * a * a * x * x - 2.0 * a) * pow[d]};
    const double v = tp.values[TauIndex(term.t)];
    const TFactor p = {v, term.t * v * tp.inverse,
                       term.t * (term.t - 1.0) * v * tp.inverse * tp.inverse};
    const TFactor tau = {p.v, p.d1 - 2.0 * b * y * p.v,
                         p.d2 - 4.0 * b * y * p.d1 + (4.0 * b * b * y * y - 2.0 * b) * p.v};
    AddTerm(r, term.n * std::exp(-a * x * x - b * y * y), delta, tau);
}

THelmholzResidual Residual(double delta, double tau) {
    double pow[MaxDeltaPower + 1];
    pow[0] = 1.0;
    for (int k = 1; k <= MaxDeltaPower; ++k) pow[k] = pow[k - 1] * delta;
    double expC[MaxC + 1];
    expC[0] = 1.0;
    for (int c = 1; c <= MaxC; ++c) expC[c] = std::exp(-pow[c]);
    const TTauPowers tp(tau);

    const double inverse2 = tp.inverse * tp.inverse;

    THelmholzResidual r;
    for (const TPreparedTerm& p : PreparedTerms) {
        const double e = expC[p.c];
        const TFactor g = {pow[p.d] * e, (p.d * pow[p.iD1] - p.c * pow[p.iC1]) * e,
                           (p.dd1 * pow[p.iD2] - p.c1 * pow[p.iC2] + p.c2 * pow[p.iCC]) * e};
        const double v = tp.values[p.tauIndex];
        AddTerm(r, p.n, g, {v, p.t * v * tp.inverse, p.tt1 * v * inverse2});
    }
    for (const TArGaussianTerm& term : ArGaussianTerms) AddGaussianTerm(r, term, pow, tp);
    return r;
}

// Σ N_i θ^k_i of an ancillary equation.
template <std::size_t N>
double AncillarySum(const double (&n)[N], const double (&k)[N], double theta) {
    double sum = 0.0;
    for (std::size_t i = 0; i < N; ++i) sum += n[i] * PowerOf(theta, k[i]);
    return sum;
}

}  // namespace

TAr_FE::TAr_FE() {
    Code = "KX_Ar_FE";
    MM_ = 39.948;
    R_ = 0.2081333;
    Ac_ = 0.001;
    Tc_ = -122.463;
    Tcr_ = -122.463;
    Tc_Max_ = -122.47;
    Pc_ = 48.63;
    Hc_ = -159.46;
    Pcr_ = 48.63;
    Dcr_ = 535.6;
    Tt_ = -189.3442;
    Pt_ = 0.68891;
    Pmin = 0.0;
    Pmax = 10000.0;
    Tmax = 700.0 - dta;
    Dmax = 0.0;
    Pmax_Dmax = 0.0;
    dH = 1e-06;
    dS = 1e-06;
    dH_XTH = 1e-06;
    dS_XTS = 0.001;
}

// ---- Ancillary equations; ϑ = 1 − T/Tc ----

double TAr_FE::Pse(double t) const {
    const double theta = 1.0 - (t + dta) / (Tcr_ + dta);
    return Pcr_ * std::exp(AncillarySum(PseN, PseK, theta) / (1.0 - theta));
}

double TAr_FE::tse(double p) const {
    const double y = std::log(p / Pcr_);
    const double fit = TseC[0] + y * (TseC[1] + y * (TseC[2] + y * TseC[3]));
    return (Tcr_ + dta) * (1.0 + fit) - 273.15;
}

double TAr_FE::dsle(double t) const {
    const double theta = 1.0 - (t + dta) / (Tcr_ + dta);
    return Dcr_ * std::exp(AncillarySum(DsleN, DsleK, theta));
}

double TAr_FE::dsve(double t) const {
    const double theta = 1.0 - (t + dta) / (Tcr_ + dta);
    return Dcr_ * std::exp((Tcr_ + dta) / (t + dta) * AncillarySum(DsveN, DsveK, theta));
}

// ---- Ideal-gas part ----

void TAr_FE::PhioAll(double Delta, double Tau, THelmholzIdeal& o) const {
    o.Phi = std::log(Delta) + IdealA1 + IdealA2 * Tau + 1.5 * std::log(Tau);
    o.Phit = IdealA2 + 1.5 / Tau;
    o.Phitt = -1.5 / (Tau * Tau);
}

double TAr_FE::Phio(double Delta, double Tau) const {
    return std::log(Delta) + IdealA1 + IdealA2 * Tau + 1.5 * std::log(Tau);
}
double TAr_FE::Phiot(double, double Tau) const {
    return IdealA2 + 1.5 / Tau;
}
double TAr_FE::Phiott(double, double Tau) const {
    return -1.5 / (Tau * Tau);
}
double TAr_FE::Phiod(double Delta, double) const {
    return 1.0 / Delta;
}
double TAr_FE::Phiodd(double Delta, double) const {
    return -1.0 / (Delta * Delta);
}
double TAr_FE::Phiodt(double, double) const {
    return 0.0;
}

// ---- Residual part ----

void TAr_FE::PhirAll(double Delta, double Tau, THelmholzResidual& r) const {
    r = Residual(Delta, Tau);
}

double TAr_FE::Phir(double Delta, double Tau) const {
    return Residual(Delta, Tau).Phi;
}
double TAr_FE::Phirt(double Delta, double Tau) const {
    return Residual(Delta, Tau).Phit;
}
double TAr_FE::Phirtt(double Delta, double Tau) const {
    return Residual(Delta, Tau).Phitt;
}
double TAr_FE::Phird(double Delta, double Tau) const {
    return Residual(Delta, Tau).Phid;
}
double TAr_FE::Phirdd(double Delta, double Tau) const {
    return Residual(Delta, Tau).Phidd;
}
double TAr_FE::Phirdt(double Delta, double Tau) const {
    return Residual(Delta, Tau).Phidt;
}
