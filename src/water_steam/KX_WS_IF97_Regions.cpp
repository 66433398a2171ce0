// IF97 region equations: Gibbs free energy of regions 1, 2 and 5 and Helmholtz free energy of
// region 3, with the properties that follow from their derivatives.
#include "KX_WS_IF97_Regions.h"

#include <cmath>
#include <iterator>
#include <utility>

#include "KX_WS_IF97_Lib_Root.h"

namespace if97 {
namespace {

using detail::kF;
using detail::kFx;
using detail::kFxx;
using detail::kFxy;
using detail::kFy;
using detail::kFyy;
using detail::MakeSeries;
using detail::SumSeries;
using detail::TPowerTerm;
using detail::TSeriesSums;
using detail::TValueSlope;

// One term n * tau^J of an ideal-gas part.
struct TIdealTerm {
    int J;
    double n;
};

// Region 1 Gibbs free energy, (7.1 - pi)^I (tau - 1.222)^J: IAPWS-IF97 release, Table 2
static constexpr TPowerTerm kRegion1Gibbs[34] = {
    {0, -2, 0.14632971213167},       {0, -1, -0.84548187169114},
    {0, 0, -3.756360367204},         {0, 1, 3.3855169168385},
    {0, 2, -0.95791963387872},       {0, 3, 0.15772038513228},
    {0, 4, -0.016616417199501},      {0, 5, 0.00081214629983568},
    {1, -9, 0.00028319080123804},    {1, -7, -0.00060706301565874},
    {1, -1, -0.018990068218419},     {1, 0, -0.032529748770505},
    {1, 1, -0.021841717175414},      {1, 3, -5.283835796993e-05},
    {2, -3, -0.00047184321073267},   {2, 0, -0.00030001780793026},
    {2, 1, 4.7661393906987e-05},     {2, 3, -4.4141845330846e-06},
    {2, 17, -7.2694996297594e-16},   {3, -4, -3.1679644845054e-05},
    {3, 0, -2.8270797985312e-06},    {3, 6, -8.5205128120103e-10},
    {4, -5, -2.2425281908e-06},      {4, -2, -6.5171222895601e-07},
    {4, 10, -1.4341729937924e-13},   {5, -8, -4.0516996860117e-07},
    {8, -11, -1.2734301741641e-09},  {8, -6, -1.7424871230634e-10},
    {21, -29, -6.8762131295531e-19}, {23, -31, 1.4478307828521e-20},
    {29, -38, 2.6335781662795e-23},  {30, -39, -1.1947622640071e-23},
    {31, -40, 1.8228094581404e-24},  {32, -41, -9.3537087292458e-26},
};

// Region 2 ideal-gas part, tau^J: IAPWS-IF97 release, Table 10
static constexpr TIdealTerm kRegion2Ideal[9] = {
    {0, -9.6927686500217},   {1, 10.086655968018},    {-5, -0.005608791128302},
    {-4, 0.071452738081455}, {-3, -0.40710498223928}, {-2, 1.4240819171444},
    {-1, -4.383951131945},   {2, -0.28408632460772},  {3, 0.021268463753307},
};

// Region 2 residual part, pi^I (tau - 0.5)^J: IAPWS-IF97 release, Table 11
static constexpr TPowerTerm kRegion2Residual[43] = {
    {1, 0, -0.0017731742473213},    {1, 1, -0.017834862292358},     {1, 2, -0.045996013696365},
    {1, 3, -0.057581259083432},     {1, 6, -0.05032527872793},      {2, 1, -3.3032641670203e-05},
    {2, 2, -0.00018948987516315},   {2, 4, -0.0039392777243355},    {2, 7, -0.043797295650573},
    {2, 36, -2.6674547914087e-05},  {3, 0, 2.0481737692309e-08},    {3, 1, 4.3870667284435e-07},
    {3, 3, -3.227767723857e-05},    {3, 6, -0.0015033924542148},    {3, 35, -0.040668253562649},
    {4, 1, -7.8847309559367e-10},   {4, 2, 1.2790717852285e-08},    {4, 3, 4.8225372718507e-07},
    {5, 7, 2.2922076337661e-06},    {6, 3, -1.6714766451061e-11},   {6, 16, -0.0021171472321355},
    {6, 35, -23.895741934104},      {7, 0, -5.905956432427e-18},    {7, 11, -1.2621808899101e-06},
    {7, 25, -0.038946842435739},    {8, 8, 1.1256211360459e-11},    {8, 36, -8.2311340897998},
    {9, 13, 1.9809712802088e-08},   {10, 4, 1.0406965210174e-19},   {10, 10, -1.0234747095929e-13},
    {10, 14, -1.0018179379511e-09}, {16, 29, -8.0882908646985e-11}, {16, 50, 0.10693031879409},
    {18, 57, -0.33662250574171},    {20, 20, 8.9185845355421e-25},  {20, 35, 3.0629316876232e-13},
    {20, 48, -4.2002467698208e-06}, {21, 21, -5.9056029685639e-26}, {22, 53, 3.7826947613457e-06},
    {23, 39, -1.2768608934681e-15}, {24, 26, 7.3087610595061e-29},  {24, 40, 5.5414715350778e-17},
    {24, 58, -9.436970724121e-07},
};

// Region 5 ideal-gas part, tau^J (tau = 1000 K / T): IAPWS-IF97 release, 1997 edition (valid to 10
// MPa)
static constexpr TIdealTerm kRegion5Ideal[6] = {
    {0, -13.179983674201}, {1, 6.8540841634434},   {-3, -0.024805148933466},
    {-2, 0.3690153498033}, {-1, -3.1161318213925}, {2, -0.32961626538917},
};

// Region 5 residual part, pi^I tau^J: IAPWS-IF97 release, 1997 edition (valid to 10 MPa)
static constexpr TPowerTerm kRegion5Residual[5] = {
    {1, 0, -0.00012563183589592}, {1, 1, 0.0021774678714571},  {1, 3, -0.004594282089991},
    {2, 9, -3.9724828359569e-06}, {3, 3, 1.2919228289784e-07},
};

// Region 3 Helmholtz free energy, delta^I tau^J (row 1: the ln delta coefficient): IAPWS-IF97
// release, Table 30
static constexpr TPowerTerm kRegion3Helmholtz[40] = {
    {0, 0, 1.0658070028513},        {0, 0, -15.732845290239},     {0, 1, 20.944396974307},
    {0, 2, -7.6867707878716},       {0, 7, 2.6185947787954},      {0, 10, -2.808078114862},
    {0, 12, 1.2053369696517},       {0, 23, -0.0084566812812502}, {1, 2, -1.2654315477714},
    {1, 6, -1.1524407806681},       {1, 15, 0.88521043984318},    {1, 17, -0.64207765181607},
    {2, 0, 0.38493460186671},       {2, 2, -0.85214708824206},    {2, 6, 4.8972281541877},
    {2, 7, -3.0502617256965},       {2, 22, 0.039420536879154},   {2, 26, 0.12558408424308},
    {3, 0, -0.2799932969871},       {3, 2, 1.389979956946},       {3, 4, -2.018991502357},
    {3, 16, -0.0082147637173963},   {3, 26, -0.47596035734923},   {4, 0, 0.0439840744735},
    {4, 2, -0.44476435428739},      {4, 4, 0.90572070719733},     {4, 26, 0.70522450087967},
    {5, 1, 0.10770512626332},       {5, 3, -0.32913623258954},    {5, 26, -0.50871062041158},
    {6, 0, -0.022175400873096},     {6, 2, 0.094260751665092},    {6, 26, 0.16436278447961},
    {7, 2, -0.013503372241348},     {8, 26, -0.014834345352472},  {9, 2, 0.00057922953628084},
    {9, 26, 0.0032308904703711},    {10, 0, 8.0964802996215e-05}, {10, 1, -0.00016557679795037},
    {11, 26, -4.4923899061815e-05},
};

static constexpr auto kRegion1Series = MakeSeries(kRegion1Gibbs);
static constexpr auto kRegion2Series = MakeSeries(kRegion2Residual);
static constexpr auto kRegion5Series = MakeSeries(kRegion5Residual);
// Row 1 of the region-3 table is the ln(delta) coefficient; it is left out of the power series.
static constexpr auto kRegion3Series = MakeSeries(kRegion3Helmholtz, 1);
static constexpr double kRegion3LogCoefficient = kRegion3Helmholtz[0].n;

// Reducing quantities of the four regions.
constexpr double kRegion1PStar = 16530000.0;  // Pa
constexpr double kRegion1TStar = 1386.0;      // K
constexpr double kRegion2PStar = 1000000.0;   // Pa
constexpr double kRegion2TStar = 540.0;       // K
constexpr double kRegion5PStar = 1000000.0;   // Pa
constexpr double kRegion5TStar = 1000.0;      // K

// Derivatives of a dimensionless Gibbs free energy gamma(pi, tau).
struct TGibbs {
    double g = 0.0, gp = 0.0, gpp = 0.0, gt = 0.0, gtt = 0.0, gpt = 0.0;
};

template <unsigned Need>
TGibbs Region1Gibbs(double pi, double tau) {
    // The series runs in (7.1 - pi), so every pi-derivative changes sign once.
    const TSeriesSums s = SumSeries<Need, kRegion1Series>(7.1 - pi, tau - 1.222);
    return {s.f, -s.fx, s.fxx, s.fy, s.fyy, -s.fxy};
}

// Ideal-gas part: sum n tau^J and its first two tau-derivatives (ln pi added by the caller),
// unrolled over the terms as the residual series are.
template <const auto& Terms, std::size_t K, class P>
inline void AddIdealTerm(const P& T, TGibbs& g) {
    constexpr TIdealTerm t = Terms[K];
    constexpr double nJ = t.n * t.J, nJJ = t.n * t.J * (t.J - 1);
    g.g += t.n * T[t.J];
    if constexpr (nJ != 0.0) g.gt += nJ * T[t.J - 1];
    if constexpr (nJJ != 0.0) g.gtt += nJJ * T[t.J - 2];
}
template <const auto& Terms, std::size_t... K>
TGibbs IdealPart(double tau, std::index_sequence<K...>) {
    const detail::TPowers<-7, 3> T(tau);
    TGibbs g;
    (AddIdealTerm<Terms, K>(T, g), ...);
    return g;
}

// Sum of ideal-gas and residual parts in g, gt, gtt (the ideal part adds ln pi). The property
// formulas write the ideal part's pi-derivatives 1/pi and -1/pi^2 out and take gp, gpp, gpt from
// the residual alone, so the totals are not formed: -1/pi^2 would overflow below about 1e-150 Pa.
template <unsigned Need, const auto& Series, const auto& Ideal>
TGibbs VapourGibbs(double pi, double tau, double tauShift, TGibbs* residualOut) {
    const TSeriesSums r = SumSeries<Need, Series>(pi, tau - tauShift);
    const TGibbs o = IdealPart<Ideal>(tau, std::make_index_sequence<std::size(Ideal)>{});
    TGibbs g;
    g.g = ((Need & kF) ? std::log(pi) + o.g : 0.0) + r.f;
    g.gt = o.gt + r.fy;
    g.gtt = o.gtt + r.fyy;
    *residualOut = {r.f, r.fx, r.fxx, r.fy, r.fyy, r.fxy};
    return g;
}

// The six vapour-region properties share their formulas in regions 2 and 5; r holds the
// residual derivatives, g the totals.
struct TVapourState {
    double pi, tau;
    TGibbs g, r;
};

template <unsigned Need>
TVapourState Region2State(double p, double T) {
    TVapourState s{p / kRegion2PStar, kRegion2TStar / T, {}, {}};
    s.g = VapourGibbs<Need, kRegion2Series, kRegion2Ideal>(s.pi, s.tau, 0.5, &s.r);
    return s;
}

template <unsigned Need>
TVapourState Region5State(double p, double T) {
    TVapourState s{p / kRegion5PStar, kRegion5TStar / T, {}, {}};
    s.g = VapourGibbs<Need, kRegion5Series, kRegion5Ideal>(s.pi, s.tau, 0.0, &s.r);
    return s;
}

double VapourV(const TVapourState& s, double p, double T) {
    return R * T * s.pi * (1.0 / s.pi + s.r.gp) / p;
}
double VapourH(const TVapourState& s, double T) {
    return R * T * s.tau * s.g.gt;
}
double VapourS(const TVapourState& s) {
    return R * (s.tau * s.g.gt - s.g.g);
}
double VapourCp(const TVapourState& s) {
    return -R * s.tau * s.tau * s.g.gtt;
}
double VapourCv(const TVapourState& s) {
    const double a = 1.0 + s.pi * s.r.gp - s.tau * s.pi * s.r.gpt;
    return R * (-s.tau * s.tau * s.g.gtt - a * a / (1.0 - s.pi * s.pi * s.r.gpp));
}
double VapourW(const TVapourState& s, double T) {
    const double a = 1.0 + s.pi * s.r.gp - s.tau * s.pi * s.r.gpt;
    const double num = 1.0 + 2.0 * s.pi * s.r.gp + s.pi * s.pi * s.r.gp * s.r.gp;
    const double den = (1.0 - s.pi * s.pi * s.r.gpp) + a * a / (s.tau * s.tau * s.g.gtt);
    return std::sqrt(R * T * num / den);
}

constexpr unsigned kVapourCvW = kFx | kFxx | kFyy | kFxy;

// Derivatives of the region-3 Helmholtz free energy phi(delta, tau).
struct THelmholtz {
    double delta, tau;
    double f, fd, fdd, ft, ftt, fdt;
};

template <unsigned Need>
THelmholtz Region3Helmholtz(double v, double T) {
    const double delta = 1.0 / (rhoc * v);
    const double tau = Tc / T;
    const TSeriesSums s = SumSeries<Need, kRegion3Series>(delta, tau);
    const double n1 = kRegion3LogCoefficient;
    return {delta,
            tau,
            (Need & kF) ? s.f + n1 * std::log(delta) : 0.0,
            s.fx + n1 / delta,
            s.fxx - n1 / (delta * delta),
            s.fy,
            s.fyy,
            s.fxy};
}

// cp of region 3 from the Helmholtz derivatives.
double Region3CpOf(const THelmholtz& h) {
    const double a = h.delta * h.fd - h.delta * h.tau * h.fdt;
    return R *
           (-h.tau * h.tau * h.ftt + a * a / (2.0 * h.delta * h.fd + h.delta * h.delta * h.fdd));
}

}  // namespace

// ---- Region 1 ----
double Region1_V(double p, double T) {
    const double pi = p / kRegion1PStar;
    const TGibbs g = Region1Gibbs<kFx>(pi, kRegion1TStar / T);
    return R * T * pi * g.gp / p;
}
double Region1_H(double p, double T) {
    const double tau = kRegion1TStar / T;
    return R * T * tau * Region1Gibbs<kFy>(p / kRegion1PStar, tau).gt;
}
double Region1_S(double p, double T) {
    const double tau = kRegion1TStar / T;
    const TGibbs g = Region1Gibbs<kF | kFy>(p / kRegion1PStar, tau);
    return R * (tau * g.gt - g.g);
}
double Region1_Cp(double p, double T) {
    const double tau = kRegion1TStar / T;
    return -R * tau * tau * Region1Gibbs<kFyy>(p / kRegion1PStar, tau).gtt;
}
double Region1_Cv(double p, double T) {
    const double tau = kRegion1TStar / T;
    const TGibbs g = Region1Gibbs<kFx | kFxx | kFyy | kFxy>(p / kRegion1PStar, tau);
    const double a = g.gp - tau * g.gpt;
    return R * (-tau * tau * g.gtt + a * a / g.gpp);
}
double Region1_W(double p, double T) {
    const double tau = kRegion1TStar / T;
    const TGibbs g = Region1Gibbs<kFx | kFxx | kFyy | kFxy>(p / kRegion1PStar, tau);
    const double a = g.gp - tau * g.gpt;
    return std::sqrt(R * T * g.gp * g.gp / (a * a / (tau * tau * g.gtt) - g.gpp));
}

// ---- Region 2 ----
double Region2_V(double p, double T) {
    return VapourV(Region2State<kFx>(p, T), p, T);
}
double Region2_H(double p, double T) {
    return VapourH(Region2State<kFy>(p, T), T);
}
double Region2_S(double p, double T) {
    return VapourS(Region2State<kF | kFy>(p, T));
}
double Region2_Cp(double p, double T) {
    return VapourCp(Region2State<kFyy>(p, T));
}
double Region2_Cv(double p, double T) {
    return VapourCv(Region2State<kVapourCvW>(p, T));
}
double Region2_W(double p, double T) {
    return VapourW(Region2State<kVapourCvW>(p, T), T);
}

// ---- Region 5 ----
double Region5_V(double p, double T) {
    return VapourV(Region5State<kFx>(p, T), p, T);
}
double Region5_H(double p, double T) {
    return VapourH(Region5State<kFy>(p, T), T);
}
double Region5_S(double p, double T) {
    return VapourS(Region5State<kF | kFy>(p, T));
}
double Region5_Cp(double p, double T) {
    return VapourCp(Region5State<kFyy>(p, T));
}
double Region5_Cv(double p, double T) {
    return VapourCv(Region5State<kVapourCvW>(p, T));
}
double Region5_W(double p, double T) {
    return VapourW(Region5State<kVapourCvW>(p, T), T);
}

// ---- Region 3 ----
double Region3_P(double v, double T) {
    const THelmholtz h = Region3Helmholtz<kFx>(v, T);
    return R * T * h.delta * h.fd / v;
}
double Region3_H(double v, double T) {
    const THelmholtz h = Region3Helmholtz<kFx | kFy>(v, T);
    return R * T * (h.tau * h.ft + h.delta * h.fd);
}
double Region3_S(double v, double T) {
    const THelmholtz h = Region3Helmholtz<kF | kFy>(v, T);
    return R * (h.tau * h.ft - h.f);
}
double Region3_Cv(double v, double T) {
    const THelmholtz h = Region3Helmholtz<kFyy>(v, T);
    return -R * h.tau * h.tau * h.ftt;
}
double Region3_Cp(double v, double T) {
    return Region3CpOf(Region3Helmholtz<kFx | kFxx | kFyy | kFxy>(v, T));
}
double Region3_W(double v, double T) {
    const THelmholtz h = Region3Helmholtz<kFx | kFxx | kFyy | kFxy>(v, T);
    const double a = h.delta * h.fd - h.delta * h.tau * h.fdt;
    return std::sqrt(
        R * T *
        (2.0 * h.delta * h.fd + h.delta * h.delta * h.fdd - a * a / (h.tau * h.tau * h.ftt)));
}
double Region3_Phi(double delta, double tau) {
    return SumSeries<kF, kRegion3Series>(delta, tau).f + kRegion3LogCoefficient * std::log(delta);
}

// ---- Values with their slopes, for Newton steps of the inverse routines ----
namespace detail {

TValueSlope Region1_HSlope(double p, double T) {
    const double tau = kRegion1TStar / T;
    const TGibbs g = Region1Gibbs<kFy | kFyy>(p / kRegion1PStar, tau);
    return {R * T * tau * g.gt, -R * tau * tau * g.gtt};
}
TValueSlope Region1_SSlope(double p, double T) {
    const double tau = kRegion1TStar / T;
    const TGibbs g = Region1Gibbs<kF | kFy | kFyy>(p / kRegion1PStar, tau);
    return {R * (tau * g.gt - g.g), -R * tau * tau * g.gtt / T};
}
TValueSlope Region2_HSlope(double p, double T) {
    const TVapourState s = Region2State<kFy | kFyy>(p, T);
    return {VapourH(s, T), VapourCp(s)};
}
TValueSlope Region2_SSlope(double p, double T) {
    const TVapourState s = Region2State<kF | kFy | kFyy>(p, T);
    return {VapourS(s), VapourCp(s) / T};
}
TValueSlope Region5_HSlope(double p, double T) {
    const TVapourState s = Region5State<kFy | kFyy>(p, T);
    return {VapourH(s, T), VapourCp(s)};
}
TValueSlope Region5_SSlope(double p, double T) {
    const TVapourState s = Region5State<kF | kFy | kFyy>(p, T);
    return {VapourS(s), VapourCp(s) / T};
}
double Region3_PhiDifference(double delta1, double delta2, double tau) {
    return SumSeries<kF, kRegion3Series>(delta1, tau).f -
           SumSeries<kF, kRegion3Series>(delta2, tau).f +
           kRegion3LogCoefficient * std::log(delta1 / delta2);
}
TValueSlope Region3_PSlope(double v, double T) {
    const THelmholtz h = Region3Helmholtz<kFx | kFxx>(v, T);
    const double p = R * T * h.delta * h.fd / v;
    // dp/dv = dp/ddelta * ddelta/dv with ddelta/dv = -delta/v.
    const double dpdDelta = rhoc * R * T * (2.0 * h.delta * h.fd + h.delta * h.delta * h.fdd);
    return {p, -dpdDelta * h.delta / v};
}

namespace {

// p with its v- and T-derivatives; ddelta/dv = -delta/v, dtau/dT = -tau/T.
TRegion3Partials Region3PressurePartials(const THelmholtz& h, double v, double T) {
    const double dd = h.delta;
    TRegion3Partials r{};
    r.p = R * T * dd * h.fd / v;
    r.p_v = -(dd / v) * rhoc * R * T * (2.0 * dd * h.fd + dd * dd * h.fdd);
    r.p_T = rhoc * R * dd * dd * (h.fd - h.tau * h.fdt);
    return r;
}

}  // namespace

TRegion3Partials Region3_PartialsH(double v, double T) {
    const THelmholtz h = Region3Helmholtz<kFx | kFxx | kFy | kFyy | kFxy>(v, T);
    TRegion3Partials r = Region3PressurePartials(h, v, T);
    r.z = R * T * (h.tau * h.ft + h.delta * h.fd);
    r.z_v = -(h.delta / v) * R * T * (h.tau * h.fdt + h.fd + h.delta * h.fdd);
    r.z_T = R * (-h.tau * h.tau * h.ftt + h.delta * h.fd - h.delta * h.tau * h.fdt);
    return r;
}

TRegion3Partials Region3_PartialsS(double v, double T) {
    const THelmholtz h = Region3Helmholtz<kF | kFx | kFxx | kFy | kFyy | kFxy>(v, T);
    TRegion3Partials r = Region3PressurePartials(h, v, T);
    r.z = R * (h.tau * h.ft - h.f);
    r.z_v = -(h.delta / v) * R * (h.tau * h.fdt - h.fd);
    r.z_T = -R * h.tau * h.tau * h.ftt / T;
    return r;
}

}  // namespace detail
}  // namespace if97
