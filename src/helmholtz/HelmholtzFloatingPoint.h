#pragma once
// Arithmetic-fault detection for routines that report a fault themselves (an error code, or a
// fallback value) instead of leaving it to the library entry point: the scope starts with clear
// exception flags, tells whether a fault happened inside it, and on exit puts back the flags
// that were set before it, so a fault it has handled never reaches the entry-point guard.
#include <cfenv>
#include <cmath>

class TFloatingPointScope {
public:
    TFloatingPointScope() {
        std::fegetexceptflag(&saved_, FaultFlags);
        std::feclearexcept(FaultFlags);
    }
    ~TFloatingPointScope() { std::fesetexceptflag(&saved_, FaultFlags); }
    TFloatingPointScope(const TFloatingPointScope&) = delete;
    TFloatingPointScope& operator=(const TFloatingPointScope&) = delete;

    // A division by zero, invalid operation or overflow since the scope began.
    bool Raised() const { return std::fetestexcept(FaultFlags) != 0; }
    // The same, or a non-finite result.
    bool Faulted(double result) const { return Raised() || !std::isfinite(result); }

    static constexpr int FaultFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

private:
    std::fexcept_t saved_{};
};
