#pragma once
// What the flash routines and the temperature-from-(p,h) iteration share: Newton steps on a
// forward equation inside a bracket, the extrapolated saturation temperature, the failure marker
// and the region-5 temperature from (p,h).
#include <cmath>
#include <limits>

#include "KX_WS_IF97_Lib_Root.h"
#include "KX_WS_IF97_Regions.h"

namespace if97::flash {

using detail::TValueSlope;
using TSlopeFunction = TValueSlope (*)(double p, double T);

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

constexpr double kT_Region5Low = 1073.0;  // K, lower end of the region-5 searches
constexpr int kNewtonPassLimit = 8;
constexpr double kNewtonRelativeStep = 1e-12;

// The saturation equation, extrapolated below the triple point, has a real root down to
// 5.707e-3 Pa only; below, Tsat would be NaN and raise the invalid-operation flag.
constexpr double kP_TsatExtrapolationLow = 0.006;  // Pa

// Tsat(p), NaN below the pressure where the extrapolated saturation equation has no root.
inline double ExtrapolatedTsat(double p) {
    return p >= kP_TsatExtrapolationLow ? Tsat(p) : kNaN;
}

// Marks a failure and returns the marker the caller hands back.
inline double Failed(double marker, bool* ok) {
    if (ok) *ok = false;
    return marker;
}

// Newton iteration on F(p, T) = target from start, kept inside [lo, hi]: a step beyond an end
// stops at the end, and a second step beyond the same end means the root lies outside. Returns
// false (and leaves *T alone) then, when a value is not finite, or when it does not settle.
inline bool NewtonTemperature(TSlopeFunction F, double p, double target, double start, double lo,
                              double hi, double* T) {
    double t = start;
    if (!(t >= lo && t <= hi)) return false;
    for (int pass = 0; pass < kNewtonPassLimit; ++pass) {
        const TValueSlope f = F(p, t);
        const double step = (f.value - target) / f.slope;
        if (!std::isfinite(step)) return false;
        double next = t - step;
        if (std::fabs(step) <= kNewtonRelativeStep * t) {
            *T = std::fmin(std::fmax(next, lo), hi);
            return true;
        }
        if (next < lo) {
            if (t == lo) return false;
            next = lo;
        } else if (next > hi) {
            if (t == hi) return false;
            next = hi;
        }
        t = next;
    }
    return false;
}

// Region-5 temperature from (p, h): Newton from the linear start, else Brent's method.
double Region5TemperatureFromH(double p, double h, bool* ok);

}  // namespace if97::flash
