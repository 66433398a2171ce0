#pragma once
// Powers as the fluid equations use them. One integral power by repeated squaring serves every
// equation; a non-integral power follows one of two rules that differ in the last bit, each kept
// where it was measured and verified:
//   PowerOf     std::pow, for single powers (ancillary sums, transport and ideal-gas terms);
//   FluidPower  exp(y ln x) with ln x formed once, where one evaluation raises the same base to
//               many exponents (the residual sums of the refrigerants and carbon dioxide).
// Both give 1 for y = 0, an exact product for an integral y and 0 for a zero base with a
// non-integral y (the near-critical terms of carbon dioxide rely on that).
// The integral power and FluidPower are templates so that an equation written for any precision
// (double, long double) takes its powers by the same rule.
#include <cmath>
#include <cstdint>
#include <type_traits>

// x^n for an integral n by repeated squaring; a negative n gives the reciprocal.
template <class Real>
inline Real IntegralPower(Real x, int64_t n) {
    const bool negative = n < 0;
    uint64_t m = negative ? static_cast<uint64_t>(-n) : static_cast<uint64_t>(n);
    Real result = 1.0;
    Real base = x;
    while (m != 0) {  // at most 32 passes: callers keep |n| within the 32-bit range
        if (m & 1u) result *= base;
        m >>= 1;
        if (m != 0) base *= base;
    }
    return negative ? 1.0 / result : result;
}

// True when y is a whole number within the 32-bit range, so x^y is taken by multiplication.
template <class Real>
inline bool IsIntegralExponent(Real y) {
    return y == std::trunc(y) && std::fabs(y) <= static_cast<double>(INT32_MAX);
}

// x^y for a real y by std::pow where y is not integral.
inline double PowerOf(double x, double y) {
    if (y == std::trunc(y) && std::fabs(y) < 1024.0) return IntegralPower(x, static_cast<int>(y));
    if (x == 0.0) return 0.0;
    return std::pow(x, y);
}

// x^y with ln x already known (pass anything when x <= 0): exp(y ln x) where y is not integral.
template <class Real>
inline Real FluidPower(Real x, std::type_identity_t<Real> y, std::type_identity_t<Real> lnX) {
    if (y == 0.0) return 1.0;
    if (IsIntegralExponent(y)) return IntegralPower(x, static_cast<int64_t>(y));
    if (x == 0.0) return 0.0;
    return std::exp(y * lnX);
}

template <class Real>
inline Real FluidPower(Real x, std::type_identity_t<Real> y) {
    if (y == 0.0 || IsIntegralExponent(y) || x == 0.0) return FluidPower(x, y, Real(0));
    return FluidPower(x, y, std::log(x));
}
