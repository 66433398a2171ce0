#pragma once
// Powers as the fluid equations use them: an integral exponent (even one stored as a double) is
// computed by repeated squaring, and a zero base with a non-integral exponent gives 0.
#include <cmath>

// x^n for an integer n by repeated squaring.
inline double IntegerPower(double x, int n) {
    unsigned int m =
        n < 0 ? static_cast<unsigned int>(-(n + 1)) + 1u : static_cast<unsigned int>(n);
    double result = 1.0;
    double base = x;
    while (m != 0) {
        if (m & 1u) result *= base;
        m >>= 1;
        if (m != 0) base *= base;
    }
    return n < 0 ? 1.0 / result : result;
}

// x^y for a real y.
inline double PowerOf(double x, double y) {
    if (y == std::trunc(y) && std::fabs(y) < 1024.0) return IntegerPower(x, static_cast<int>(y));
    if (x == 0.0) return 0.0;
    return std::pow(x, y);
}
