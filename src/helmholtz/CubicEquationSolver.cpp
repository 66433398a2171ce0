#include "CubicEquationSolver.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "KX_FloatingPoint.h"

int SolveCubic(double c3, double c2, double c1, double c0, int& count, double& z1, double& z2,
               double& z3) {
    count = 0;
    z1 = z2 = z3 = 0.0;
    if (c3 == 0.0) return 0;
    TFloatingPointScope scope;
    const double b = c2 / c3;
    const double c = c1 / c3;
    const double d = c0 / c3;
    // Cardano with the trigonometric form for three real roots.
    const double Q = (3.0 * c - b * b) / 9.0;
    const double R = (9.0 * b * c - 27.0 * d - 2.0 * b * b * b) / 54.0;
    const double D = Q * Q * Q + R * R;
    double roots[3] = {0.0, 0.0, 0.0};
    int n = 0;
    if (D < 0.0) {
        // Rounding can push the quotient one ulp outside [-1, 1] when the roots nearly coincide.
        const double cosine = std::clamp(R / std::sqrt(-Q * Q * Q), -1.0, 1.0);
        const double thetaDegrees = std::acos(cosine) * 180.0 / std::numbers::pi;
        for (int k = 0; k < 3; ++k)
            roots[k] = 2.0 * std::sqrt(-Q) *
                           std::cos((thetaDegrees / 3.0 + 120.0 * k) * std::numbers::pi / 180.0) -
                       b / 3.0;
        n = 3;
    } else {
        const double S = std::cbrt(R + std::sqrt(D));
        const double T = std::cbrt(R - std::sqrt(D));
        roots[0] = S + T - b / 3.0;
        n = 1;
    }
    if (scope.Faulted(roots[0]) || !std::isfinite(roots[1]) || !std::isfinite(roots[2])) return 0;
    z1 = roots[0];
    z2 = roots[1];
    z3 = roots[2];
    count = n;
    return n;
}
