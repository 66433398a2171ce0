#pragma once
// Root of a function of one variable inside a bracket, for the inverse humid-air functions.
#include <algorithm>
#include <cmath>
#include <utility>

namespace ha {

// Brent's method on [a, b] with fa = F(a), fb = F(b) of opposite signs (or one of them zero).
// Stops when the bracket is narrower than tolX (absolute) or F is exactly zero; at most 100
// passes. Returns false without a root when the signs do not bracket or the passes run out; a NaN
// of F ends the search at once.
template <class F>
bool BrentSolve(F&& f, double a, double b, double fa, double fb, double tolX, double& root) {
    if (fa == 0.0) return root = a, true;
    if (fb == 0.0) return root = b, true;
    if (!(fa * fb < 0.0)) return false;
    double c = a, fc = fa, d = b - a, e = d;
    for (int pass = 0; pass < 100; ++pass) {
        if ((fb > 0.0) == (fc > 0.0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::abs(fc) < std::abs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = 0.5 * tolX;
        const double m = 0.5 * (c - b);
        if (std::abs(m) <= tol || fb == 0.0) return root = b, true;
        if (std::abs(e) >= tol && std::abs(fa) > std::abs(fb)) {
            // Inverse quadratic interpolation, or secant with two points.
            double p, q;
            const double s = fb / fa;
            if (a == c) {
                p = 2.0 * m * s;
                q = 1.0 - s;
            } else {
                const double r = fb / fc, t = fa / fc;
                p = s * (2.0 * m * t * (t - r) - (b - a) * (r - 1.0));
                q = (t - 1.0) * (r - 1.0) * (s - 1.0);
            }
            if (p > 0.0) q = -q;
            p = std::abs(p);
            if (2.0 * p < std::min(3.0 * m * q - std::abs(tol * q), std::abs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = e = m;
            }
        } else {
            d = e = m;
        }
        a = b;
        fa = fb;
        b += std::abs(d) > tol ? d : (m > 0.0 ? tol : -tol);
        fb = f(b);
        if (std::isnan(fb)) return false;
    }
    return false;
}

}  // namespace ha
