// Evaluation of the fitted saturation curves: a branch-free search for the piece, Clenshaw
// summation of the Chebyshev series, and for the saturation temperature a Newton iteration on
// the series of ln psat within the piece that holds the pressure.
#include "SaturationCurves.h"

#include <cmath>
#include <limits>

namespace {

// Rounding of u at the ends of the range (the triple point written in °C, for instance) must
// not send a temperature that lies on the curve to the slow route.
constexpr double EndSlack = 1e-12;
constexpr int InverseMaxPasses = 12;
// Newton step in the piece's variable x (-1..1) after which the saturation temperature has
// converged: the next step would be of the order of its square (the series are smooth in x).
constexpr double InverseFinalStep = 1e-8;
constexpr double InverseResidual = 1e-15;

// The piece i with Breaks[i] <= u (u within the range), without branches that random
// temperatures would mispredict.
int PieceOfU(const TSaturationCurve& c, double u) {
    const double* base = c.Breaks;
    int n = c.Intervals;
    while (n > 1) {
        const int half = n / 2;
        base = base[half] <= u ? base + half : base;
        n -= half;
    }
    return static_cast<int>(base - c.Breaks);
}

// The piece i with LnPBreaks[i] >= y > LnPBreaks[i + 1] (ln psat falls as u rises).
int PieceOfLnP(const TSaturationCurve& c, double y) {
    const double* base = c.LnPBreaks;
    int n = c.Intervals;
    while (n > 1) {
        const int half = n / 2;
        base = base[half] >= y ? base + half : base;
        n -= half;
    }
    return static_cast<int>(base - c.LnPBreaks);
}

double Clenshaw(const double* c, int terms, double x) {
    const double x2 = 2.0 * x;
    double b1 = 0.0, b2 = 0.0;
    for (int k = terms - 1; k >= 1; --k) {
        // c[k] - b2 is ready a step early: one multiplication and one addition wait on b1.
        const double t = x2 * b1 + (c[k] - b2);
        b2 = b1;
        b1 = t;
    }
    return x * b1 - b2 + c[0];
}

// The series and its derivative in x, with the Chebyshev polynomials of the first (T) and
// second (U) kind summed forward: d T_k / dx = k U_(k-1).
void SeriesAndSlope(const double* c, int terms, double x, double& f, double& df) {
    double Tprev = 1.0, T = x, Uprev = 1.0, U = 2.0 * x;
    f = c[0] + c[1] * x;
    df = c[1];
    for (int k = 2; k < terms; ++k) {
        df += k * c[k] * U;
        const double Tnext = 2.0 * x * T - Tprev;
        const double Unext = 2.0 * x * U - Uprev;
        f += c[k] * Tnext;
        Tprev = T;
        T = Tnext;
        Uprev = U;
        U = Unext;
    }
}

// x in [-1, 1] of u within piece i.
double PieceX(const TSaturationCurve& c, int i, double u) {
    const double a = c.Breaks[i], b = c.Breaks[i + 1];
    const double x = (2.0 * u - (a + b)) / (b - a);
    return x < -1.0 ? -1.0 : (x > 1.0 ? 1.0 : x);
}

bool WithinU(const TSaturationCurve& c, double u) {
    return u >= c.UMin * (1.0 - EndSlack) && u <= c.UMax * (1.0 + EndSlack);
}

// The saturation temperature's u from ln P, and its piece and x.
bool InverseU(const TSaturationCurve& c, double P, int& piece, double& x, double& u) {
    if (!(P > 0.0)) return false;
    const double y = std::log(P);
    const double top = c.LnPBreaks[0], bottom = c.LnPBreaks[c.Intervals];
    if (!(y <= top + EndSlack * std::fabs(top) && y >= bottom - EndSlack * std::fabs(bottom)))
        return false;
    const int i = PieceOfLnP(c, y);
    const double* coeff = c.LnP + static_cast<long>(i) * c.Terms;
    const double yA = c.LnPBreaks[i], yB = c.LnPBreaks[i + 1];
    // The inverse series gives u^2, smooth in ln psat where u is not, close enough that the
    // first Newton step ends the iteration.
    const double a = c.Breaks[i], b = c.Breaks[i + 1];
    const double t = yA == yB ? 0.0 : (2.0 * y - (yA + yB)) / (yB - yA);
    const double v = Clenshaw(c.InverseX + static_cast<long>(i) * c.InverseTerms, c.InverseTerms,
                              t < -1.0 ? -1.0 : (t > 1.0 ? 1.0 : t));
    const double square = 0.5 * (a * a + b * b) + 0.5 * (b * b - a * a) * v;
    double xi = (2.0 * std::sqrt(square > 0.0 ? square : 0.0) - (a + b)) / (b - a);
    xi = xi < -1.0 ? -1.0 : (xi > 1.0 ? 1.0 : xi);
    for (int pass = 1; pass <= InverseMaxPasses; ++pass) {
        double f = 0.0, df = 0.0;
        SeriesAndSlope(coeff, c.Terms, xi, f, df);
        const double step = (f - y) / df;
        if (!std::isfinite(step)) return false;
        double next = xi - step;
        next = next < -1.0 ? -1.0 : (next > 1.0 ? 1.0 : next);
        // Newton converges quadratically: after a step of InverseFinalStep the error is of the
        // order of its square, below the rounding of x. Where ln psat is flat in x the steps
        // scatter by its rounding over the slope: a residual at rounding level is converged as
        // well.
        const bool converged = std::fabs(next - xi) <= InverseFinalStep ||
                               std::fabs(f - y) <= InverseResidual * (1.0 + std::fabs(y));
        xi = next;
        if (converged) {
            piece = i;
            x = xi;
            u = 0.5 * (a + b) + 0.5 * (b - a) * xi;
            return true;
        }
    }
    return false;
}

}  // namespace

const TSaturationCurve* FindSaturationCurve(std::string_view code) {
    for (const TSaturationCurve* const* c = SaturationCurveTable; *c; ++c)
        if (code == (*c)->Code) return *c;
    return nullptr;
}

double SaturationCurveU(const TSaturationCurve& curve, double T) {
    // The difference in °C is exact close to the critical temperature, where u is smallest.
    const double r = (curve.TcrC - T) / curve.TcrK;
    return r >= 0.0 ? std::sqrt(r) : std::numeric_limits<double>::quiet_NaN();
}

bool CurvePsatT(const TSaturationCurve& c, double T, double& Ps) {
    const double u = SaturationCurveU(c, T);
    if (!WithinU(c, u)) return false;
    const int i = PieceOfU(c, u);
    Ps = std::exp(Clenshaw(c.LnP + static_cast<long>(i) * c.Terms, c.Terms, PieceX(c, i, u)));
    return true;
}

bool CurveSaturationT(const TSaturationCurve& c, double T, double& Ps, double& DL, double& DV) {
    const double u = SaturationCurveU(c, T);
    if (!WithinU(c, u)) return false;
    const int i = PieceOfU(c, u);
    const double x = PieceX(c, i, u);
    const long at = static_cast<long>(i) * c.Terms;
    Ps = std::exp(Clenshaw(c.LnP + at, c.Terms, x));
    DL = std::exp(Clenshaw(c.LnDL + at, c.Terms, x));
    DV = std::exp(Clenshaw(c.LnDV + at, c.Terms, x));
    return true;
}

bool CurveTsatP(const TSaturationCurve& c, double P, double& Ts) {
    int i = 0;
    double x = 0.0, u = 0.0;
    if (!InverseU(c, P, i, x, u)) return false;
    Ts = c.TcrC - c.TcrK * u * u;
    return true;
}

bool CurveSaturationP(const TSaturationCurve& c, double P, double& Ts, double& DL, double& DV) {
    int i = 0;
    double x = 0.0, u = 0.0;
    if (!InverseU(c, P, i, x, u)) return false;
    Ts = c.TcrC - c.TcrK * u * u;
    const long at = static_cast<long>(i) * c.Terms;
    DL = std::exp(Clenshaw(c.LnDL + at, c.Terms, x));
    DV = std::exp(Clenshaw(c.LnDV + at, c.Terms, x));
    return true;
}
