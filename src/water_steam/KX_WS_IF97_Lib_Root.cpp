// The two numerical helpers every water and steam routine shares: Brent's root finder and a
// bracketing extremum search.
#include "KX_WS_IF97_Lib_Root.h"

#include <algorithm>
#include <cmath>

namespace if97 {
namespace {

constexpr double kBrentRelativeAccuracy = 1e-08;
constexpr int kBrentPassLimit = 100;

constexpr double kExtremumRelativeWidth = 1e-06;
constexpr int kExtremumPassLimit = 40;
constexpr double kGoldenLarge = 0.61803399;
constexpr double kGoldenSmall = 0.38196601;

double Evaluate(TPropertyFunction F, int mode, double x, double fixed) {
    return mode == 1 ? F(x, fixed) : F(fixed, x);
}

double Fail(double marker, bool* ok) {
    if (ok) *ok = false;
    return marker;
}

}  // namespace

double BrentRoot(TPropertyFunction F, int mode, double x1, double x2, double y, double fixed,
                 bool* ok) {
    double xa = x1, xb = x2;
    double ga = 1.0, gb = 1.0;
    if (mode == 1 || mode == 2) {
        ga = Evaluate(F, mode, xa, fixed) - y;
        gb = Evaluate(F, mode, xb, fixed) - y;
    }
    // Signs compared, not multiplied: the product of two values near 1e300 (volumes of vapour at
    // vanishing pressure) overflows.
    const bool sameSign = (ga > 0.0 && gb > 0.0) || (ga < 0.0 && gb < 0.0);
    if (std::isnan(ga) || std::isnan(gb) || sameSign) return Fail(kBrentNotBracketed, ok);

    double xc = xb, gc = gb;
    double d = 0.0, e = 0.0;
    for (int pass = 1; pass <= kBrentPassLimit; ++pass) {
        if ((gb > 0.0 && gc > 0.0) || (gb < 0.0 && gc < 0.0)) {
            xc = xa;
            gc = ga;
            d = e = xb - xa;
        }
        if (std::fabs(gc) < std::fabs(gb)) {
            xa = xb;
            xb = xc;
            xc = xa;
            ga = gb;
            gb = gc;
            gc = ga;
        }
        const double tol1 = 0.5 * kBrentRelativeAccuracy * std::fabs(xb);
        const double xm = 0.5 * (xc - xb);
        if (std::fabs(xm) <= tol1 || gb == 0.0) {
            if (pass < kBrentPassLimit) return xb;
            break;
        }
        if (std::fabs(e) >= tol1 && std::fabs(ga) > std::fabs(gb)) {
            const double s = gb / ga;
            double P, Q;
            if (xa == xc) {
                P = 2.0 * xm * s;
                Q = 1.0 - s;
            } else {
                const double q = ga / gc;
                const double r = gb / gc;
                P = s * (2.0 * xm * q * (q - r) - (xb - xa) * (r - 1.0));
                Q = (q - 1.0) * (r - 1.0) * (s - 1.0);
            }
            if (P > 0.0) Q = -Q;
            P = std::fabs(P);
            if (2.0 * P < std::min(3.0 * xm * Q - std::fabs(tol1 * Q), std::fabs(e * Q))) {
                e = d;
                d = P / Q;
            } else {
                d = xm;
                e = d;
            }
        } else {
            d = xm;
            e = d;
        }
        xa = xb;
        ga = gb;
        if (std::fabs(d) > tol1) {
            xb += d;
        } else {
            xb += xm > 0.0 ? std::fabs(tol1) : -std::fabs(tol1);
        }
        gb = Evaluate(F, mode, xb, fixed) - y;
        // A non-finite value would keep the search running on garbage to its pass limit.
        if (std::isnan(gb)) break;
    }
    return Fail(kBrentNoConvergence, ok);
}

double ExtremumSearch(TPropertyFunction F, int sign, double x1, double x2, double fixed) {
    const auto f = [&](double x) { return sign * F(x, fixed); };
    double xLo = std::min(x1, x2), xHi = std::max(x1, x2);
    double xMid = 0.5 * (xLo + xHi);
    double fLo = f(xLo), fHi = f(xHi), fMid = f(xMid);
    double xU = xMid, fU = fMid;

    const auto update = [&] {
        if (xU >= xMid) {
            if (fU > fMid) {
                xHi = xU;
                fHi = fU;
            } else {
                xLo = xMid;
                fLo = fMid;
                xMid = xU;
                fMid = fU;
            }
        } else {
            if (fU > fMid) {
                xLo = xU;
                fLo = fU;
            } else {
                xHi = xMid;
                fHi = fMid;
                xMid = xU;
                fMid = fU;
            }
        }
    };

    for (int pass = 0; pass < kExtremumPassLimit && (xHi - xLo) > kExtremumRelativeWidth * xMid;
         ++pass) {
        // Parabolic step through the three bracket points.
        const double r =
            (xMid - xLo) * (xMid - xLo) * (fMid - fHi) - (xMid - xHi) * (xMid - xHi) * (fMid - fLo);
        const double q = (xMid - xLo) * (fMid - fHi) - (xMid - xHi) * (fMid - fLo);
        xU = q != 0.0 ? xMid - r / (2.0 * q) : 0.5 * (xMid + xHi);
        if (!(xU >= xLo && xU <= xHi)) xU = 0.5 * (xMid + xHi);
        fU = f(xU);
        if (std::isnan(fU)) return xMid;
        update();
        // Golden-section step into the larger part of the bracket.
        if (xHi - xMid >= xMid - xLo) {
            xU = xMid + kGoldenSmall * (xHi - xMid);
        } else {
            xU = xLo + kGoldenLarge * (xMid - xLo);
        }
        fU = f(xU);
        if (std::isnan(fU)) return xMid;
        update();
    }
    return fMid < fU ? xMid : xU;
}

}  // namespace if97
