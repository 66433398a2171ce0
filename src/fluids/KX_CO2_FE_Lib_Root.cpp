#include "KX_CO2_FE_Lib_Root.h"

#include <cmath>
#include <limits>

#include "KX_Range_Checks.h"

// Carbon dioxide residual part, polynomial terms 1-7 and exponential terms 8-34 (l = c_i):
// Span and Wagner (1996).
static constexpr TResidualTerm CO2Residual[] = {
    {0.38856823203161, 0.0, 1.0, 0},       // 1
    {2.938547594274, 0.75, 1.0, 0},        // 2
    {-5.5867188534934, 1.0, 1.0, 0},       // 3
    {-0.76753199592477, 2.0, 1.0, 0},      // 4
    {0.31729005580416, 0.75, 2.0, 0},      // 5
    {0.54803315897767, 2.0, 2.0, 0},       // 6
    {0.12279411220335, 0.75, 3.0, 0},      // 7
    {2.165896154322, 1.5, 1.0, 1},         // 8
    {1.5841735109724, 1.5, 2.0, 1},        // 9
    {-0.23132705405503, 2.5, 4.0, 1},      // 10
    {0.058116916431436, 0.0, 5.0, 1},      // 11
    {-0.55369137205382, 1.5, 5.0, 1},      // 12
    {0.48946615909422, 2.0, 5.0, 1},       // 13
    {-0.024275739843501, 0.0, 6.0, 1},     // 14
    {0.062494790501678, 1.0, 6.0, 1},      // 15
    {-0.12175860225246, 2.0, 6.0, 1},      // 16
    {-0.37055685270086, 3.0, 1.0, 2},      // 17
    {-0.016775879700426, 6.0, 1.0, 2},     // 18
    {-0.11960736637987, 3.0, 4.0, 2},      // 19
    {-0.045619362508778, 6.0, 4.0, 2},     // 20
    {0.035612789270346, 8.0, 4.0, 2},      // 21
    {-0.0074427727132052, 6.0, 7.0, 2},    // 22
    {-0.0017395704902432, 0.0, 8.0, 2},    // 23
    {-0.021810121289527, 7.0, 2.0, 3},     // 24
    {0.024332166559236, 12.0, 3.0, 3},     // 25
    {-0.037440133423463, 16.0, 3.0, 3},    // 26
    {0.14338715756878, 22.0, 5.0, 4},      // 27
    {-0.13491969083286, 24.0, 5.0, 4},     // 28
    {-0.02315122505348, 16.0, 6.0, 4},     // 29
    {0.012363125492901, 24.0, 7.0, 4},     // 30
    {0.002105832197294, 8.0, 8.0, 4},      // 31
    {-0.00033958519026368, 2.0, 10.0, 4},  // 32
    {0.0055993651771592, 28.0, 4.0, 5},    // 33
    {-0.00030335118055646, 14.0, 8.0, 6},  // 34
};
static_assert(ValidResidualTable(CO2Residual));

// Carbon dioxide Gaussian bell-shaped terms 35-39: Span and Wagner (1996).
static constexpr TGaussianTerm CO2Gaussian[] = {
    {-213.6548868832, 1.0, 2, 25, 325.0, 1.16, 1.0},   // 35
    {26641.569149272, 0.0, 2, 25, 300.0, 1.19, 1.0},   // 36
    {-24027.212204557, 1.0, 2, 25, 300.0, 1.19, 1.0},  // 37
    {-283.41603423999, 3.0, 3, 15, 275.0, 1.25, 1.0},  // 38
    {212.47284400179, 3.0, 3, 20, 275.0, 1.22, 1.0},   // 39
};

// Carbon dioxide non-analytic terms 40-42: Span and Wagner (1996).
static constexpr TNonAnalyticTerm CO2NonAnalytic[] = {
    {-0.66642276540751, 3.5, 0.875, 0.3, 0.7, 0.3, 10.0, 275.0},  // 40
    {0.72608632349897, 3.5, 0.925, 0.3, 0.7, 0.3, 10.0, 275.0},   // 41
    {0.055068668612842, 3.0, 0.875, 0.3, 0.7, 1.0, 12.5, 275.0},  // 42
};
static constexpr int FirstNonAnalyticTerm = 40;

// Carbon dioxide ideal-gas part, Planck-Einstein terms a_i ln(1 − exp(−θ°_i τ)), i = 4-8:
// Span and Wagner (1996).
static constexpr TIdealPlanckTerm CO2IdealPlanck[] = {
    {1.99427042, 3.15163},  {0.62105248, 6.1119},   {0.41195293, 6.77708},
    {1.04028922, 11.32384}, {0.08327678, 27.08792},
};
static constexpr TIdealGasPart CO2Ideal{8.37304456, -3.70454304, 2.5, {}, CO2IdealPlanck};

// Carbon dioxide ancillary equations, Span and Wagner (1996), ϑ = 1 − T/Tcr: vapour pressure
// ln(p/pc) = (Tc/T) Σ n ϑ^k; saturated-liquid density ln(ρ'/ρc) = Σ n ϑ^k; saturated-vapour
// density ln(ρ''/ρc) = Σ n ϑ^k. The saturation temperature is this model's approximate inverse
// of the vapour pressure, T = Tc (c0 + c1 y + c2 y² + c3 y³), y = ln(p/pc).
static constexpr double CO2PseN[] = {-7.0602087, 1.9391218, -1.6463597, -3.2995634};
static constexpr double CO2PseK[] = {1.0, 1.5, 2.0, 4.0};
static constexpr double CO2DsleN[] = {1.9245108, -0.62385555, -0.32731127, 0.39245142};
static constexpr double CO2DsleK[] = {0.34, 0.5, 10.0 / 6.0, 11.0 / 6.0};
static constexpr double CO2DsveN[] = {-1.7074879, -0.8227467, -4.6008549, -10.111178, -29.742252};
static constexpr double CO2DsveK[] = {0.34, 0.5, 1.0, 7.0 / 3.0, 14.0 / 3.0};
static constexpr double CO2TseC[] = {1.0, 0.151223, 0.0194924, 0.00132413};

TCO2_FE::TCO2_FE() : TRefrigerant_FE(CO2Residual, CO2Ideal, NearCriticalAll) {
    Code = "KX_CO2_FE";
    MM_ = 44.0098;
    R_ = 0.1889241;
    Ac_ = 0.0938;
    Tc_ = 30.9782;
    Tcr_ = 30.9782;
    Tc_Max_ = 30.9782;
    Pc_ = 73.773;
    Hc_ = -174.53;
    Pcr_ = 73.773;
    Dcr_ = 467.6;
    Tt_ = -56.558;
    Pt_ = 5.1795;
    Pmin = 0.01;
    Pmax = 8000.0;
    Tmax = 1100.0 - dta;
}

namespace {

// The part of a non-analytic term's quantities that does not depend on its exponent b: θ, Δ and
// its δ-derivatives, ψ and its derivatives. Terms 40 and 41 differ only in b, so one evaluation
// serves both.
struct TNonAnalyticBase {
    double u, dm1, uE1, lnDelta;
    TNonAnalyticParts q;  // Theta, DDelta, DDeltad, DDeltadd and the ψ quantities
};

bool SameBase(const TNonAnalyticTerm& x, const TNonAnalyticTerm& y) {
    return x.a == y.a && x.beta == y.beta && x.A == y.A && x.B == y.B && x.C == y.C && x.D == y.D;
}

TNonAnalyticBase NonAnalyticBase(const TNonAnalyticTerm& term, double Tau, double Delta,
                                 int order) {
    TNonAnalyticBase base{};
    TNonAnalyticParts& q = base.q;
    const double dm1 = Delta - 1.0;
    const double u = dm1 * dm1;
    base.u = u;
    base.dm1 = dm1;
    const double lnU = u > 0.0 ? std::log(u) : 0.0;
    const double e = 1.0 / (2.0 * term.beta);  // exponent of u in θ
    const double uE = FluidPower(u, e, lnU);
    const double uA = FluidPower(u, term.a, lnU);
    q.Theta = (1.0 - Tau) + term.A * uE;
    q.DDelta = q.Theta * q.Theta + term.B * uA;
    base.lnDelta = q.DDelta > 0.0 ? std::log(q.DDelta) : 0.0;
    const double tm1 = Tau - 1.0;
    q.Psi = std::exp(-term.C * u - term.D * tm1 * tm1);
    if (order < 1) return base;

    const double uE1 = FluidPower(u, e - 1.0, lnU);
    const double uA1 = FluidPower(u, term.a - 1.0, lnU);
    base.uE1 = uE1;
    const double bracket = term.A * q.Theta * (2.0 / term.beta) * uE1 + 2.0 * term.B * term.a * uA1;
    q.DDeltad = dm1 * bracket;
    q.Psid = -2.0 * term.C * dm1 * q.Psi;
    q.Psit = -2.0 * term.D * tm1 * q.Psi;
    if (order < 2) return base;

    const double uE2 = FluidPower(u, e - 2.0, lnU);
    const double uA2 = FluidPower(u, term.a - 2.0, lnU);
    // (∂Δ/∂δ)/(δ − 1) is the bracket itself; at δ = 1 the division would be 0/0, so the
    // bracket, its analytic limit, is taken there.
    const double quotient = Delta == 1.0 ? bracket : q.DDeltad / dm1;
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
TNonAnalyticParts WithDeltaPowers(const TNonAnalyticTerm& term, const TNonAnalyticBase& base,
                                  int order) {
    TNonAnalyticParts q = base.q;
    const double b = term.b;
    q.DDeltab = FluidPower(q.DDelta, b, base.lnDelta);
    if (order < 1) return q;
    const double db1 = FluidPower(q.DDelta, b - 1.0, base.lnDelta);
    q.DDeltabid = b * db1 * q.DDeltad;
    q.DDeltabit = -2.0 * q.Theta * b * db1;
    if (order < 2) return q;
    const double db2 = FluidPower(q.DDelta, b - 2.0, base.lnDelta);
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

void TCO2_FE::NearCriticalAll(double Delta, double Tau, unsigned parts, THelmholzResidual& r) {
    using namespace ResidualPart;
    const int order = (parts & (Phidd | Phitt | Phidt)) ? 2 : (parts & (Phid | Phit)) ? 1 : 0;
    for (const TGaussianTerm& g : CO2Gaussian) {
        const double dm = Delta - g.epsilon;
        const double tm = Tau - g.gamma;
        const double G = std::exp(-g.alpha * dm * dm - g.beta * tm * tm);
        const int64_t d = static_cast<int64_t>(g.d);
        const double dD0 = IntegralPower(Delta, d);
        const double dD1 = IntegralPower(Delta, d - 1);
        const double dD2 = IntegralPower(Delta, d - 2);
        const double tT0 = FluidPower(Tau, g.t);
        const double tT1 = g.t == 0.0 ? 0.0 : g.t * FluidPower(Tau, g.t - 1.0);  // ∂τ^t/∂τ
        const double tT2 = g.t == 0.0 || g.t == 1.0
                               ? 0.0
                               : g.t * (g.t - 1.0) * FluidPower(Tau, g.t - 2.0);  // ∂²τ^t/∂τ²
        const double dFactor = dD1 * (g.d - 2.0 * g.alpha * Delta * dm);  // ∂(δ^d G)/∂δ / G
        const double tFactor = tT1 - 2.0 * g.beta * tm * tT0;             // ∂(τ^t G)/∂τ / G
        const double nG = g.n * G;
        r.Phi += nG * dD0 * tT0;
        r.Phid += nG * tT0 * dFactor;
        r.Phidd += nG * tT0 *
                   (dD0 * (4.0 * g.alpha * g.alpha * dm * dm - 2.0 * g.alpha) -
                    4.0 * g.d * g.alpha * dD1 * dm + g.d * (g.d - 1.0) * dD2);
        r.Phit += nG * dD0 * tFactor;
        r.Phitt += nG * dD0 *
                   (tT2 - 4.0 * g.beta * tm * tT1 +
                    (4.0 * g.beta * g.beta * tm * tm - 2.0 * g.beta) * tT0);
        r.Phidt += nG * dFactor * tFactor;
    }
    const TNonAnalyticTerm* previous = nullptr;
    TNonAnalyticBase base{};
    for (const TNonAnalyticTerm& term : CO2NonAnalytic) {
        if (!previous || !SameBase(term, *previous))
            base = NonAnalyticBase(term, Tau, Delta, order);
        previous = &term;
        const TNonAnalyticParts q = WithDeltaPowers(term, base, order);
        const double n = term.n;
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
}

// The auxiliary quantities of one non-analytic term, by its index 40 to 42.
#define KX_CO2_NON_ANALYTIC_ACCESSOR(NAME)                                 \
    double TCO2_FE::NAME(double Tau, double Delta, int i) const {          \
        const int row = i - FirstNonAnalyticTerm;                          \
        if (row < 0 || row >= static_cast<int>(std::size(CO2NonAnalytic))) \
            return std::numeric_limits<double>::quiet_NaN();               \
        return NonAnalyticParts(CO2NonAnalytic[row], Tau, Delta).NAME;     \
    }
KX_CO2_NON_ANALYTIC_ACCESSOR(Theta)
KX_CO2_NON_ANALYTIC_ACCESSOR(DDelta)
KX_CO2_NON_ANALYTIC_ACCESSOR(DDeltad)
KX_CO2_NON_ANALYTIC_ACCESSOR(DDeltadd)
KX_CO2_NON_ANALYTIC_ACCESSOR(DDeltabid)
KX_CO2_NON_ANALYTIC_ACCESSOR(DDeltabidd)
KX_CO2_NON_ANALYTIC_ACCESSOR(DDeltabit)
KX_CO2_NON_ANALYTIC_ACCESSOR(DDeltabitt)
KX_CO2_NON_ANALYTIC_ACCESSOR(DDeltabidt)
KX_CO2_NON_ANALYTIC_ACCESSOR(Psi)
KX_CO2_NON_ANALYTIC_ACCESSOR(Psid)
KX_CO2_NON_ANALYTIC_ACCESSOR(Psidd)
KX_CO2_NON_ANALYTIC_ACCESSOR(Psit)
KX_CO2_NON_ANALYTIC_ACCESSOR(Psitt)
KX_CO2_NON_ANALYTIC_ACCESSOR(Psidt)
#undef KX_CO2_NON_ANALYTIC_ACCESSOR

// Ancillary equations: start values for the saturation solver.

double TCO2_FE::Pse(double t) const {
    const double th = AncillaryTheta(t, Tcr_, dta);
    return Pcr_ *
           std::exp((Tcr_ + dta) / (t + dta) * AncillarySum<FluidPowerRule>(CO2PseN, CO2PseK, th));
}

double TCO2_FE::tse(double p) const {
    const double y = std::log(p / Pcr_);
    const double* c = CO2TseC;
    return (Tcr_ + dta) * (c[0] + c[1] * y + c[2] * y * y + c[3] * y * y * y) - 273.15;
}

double TCO2_FE::dsle(double t) const {
    const double th = AncillaryTheta(t, Tcr_, dta);
    return Dcr_ * std::exp(AncillarySum<FluidPowerRule>(CO2DsleN, CO2DsleK, th));
}

double TCO2_FE::dsve(double t) const {
    const double th = AncillaryTheta(t, Tcr_, dta);
    return Dcr_ * std::exp(AncillarySum<FluidPowerRule>(CO2DsveN, CO2DsveK, th));
}

double TCO2_FE::NotAvailable(const char* functionName, std::string& ErrorText,
                             int32_t& ErrorCode) const {
    ErrorText = KXErrorPrefix(Code, functionName) + "; Not available for this fluid.";
    ErrorCode = 1;
    return 0.0;
}

double TCO2_FE::TCPT(double, double, std::string& ErrorText, int32_t& ErrorCode) const {
    return NotAvailable("TCPT", ErrorText, ErrorCode);
}
double TCO2_FE::DVPT(double, double, std::string& ErrorText, int32_t& ErrorCode) const {
    return NotAvailable("DVPT", ErrorText, ErrorCode);
}
double TCO2_FE::KVPT(double, double, std::string& ErrorText, int32_t& ErrorCode) const {
    return NotAvailable("KVPT", ErrorText, ErrorCode);
}
