#pragma once
// Arithmetic-fault detection for routines that report a fault themselves (an error code, or a
// fallback value) instead of leaving it to the library entry point: the scope starts with clear
// exception flags, tells whether a fault happened inside it, and on exit puts back the flags
// that were set before it, so a fault it has handled never reaches the entry-point guard.
//
// On x86-64 the double arithmetic runs in SSE, whose flags live in the MXCSR register; reading
// and writing it directly costs a few cycles where the portable <cfenv> calls also save and
// restore the x87 environment, which the solvers' inner loops cannot afford.
#include <cfenv>
#include <cmath>

#if defined(__x86_64__) && defined(__SSE2__)
#include <xmmintrin.h>

class TFloatingPointScope {
  public:
    TFloatingPointScope() : saved_(_mm_getcsr()) { _mm_setcsr(saved_ & ~FaultBits); }
    ~TFloatingPointScope() { _mm_setcsr((_mm_getcsr() & ~FaultBits) | (saved_ & FaultBits)); }
    TFloatingPointScope(const TFloatingPointScope&) = delete;
    TFloatingPointScope& operator=(const TFloatingPointScope&) = delete;

    // A division by zero, invalid operation or overflow since the scope began.
    bool Raised() const { return (_mm_getcsr() & FaultBits) != 0; }
    // The same, or a non-finite result.
    bool Faulted(double result) const { return Raised() || !std::isfinite(result); }

  private:
    // MXCSR flags: invalid operation (bit 0), division by zero (bit 2), overflow (bit 3).
    static constexpr unsigned int FaultBits = 0x1u | 0x4u | 0x8u;
    unsigned int saved_;
};

#else

class TFloatingPointScope {
  public:
    TFloatingPointScope() {
        std::fegetexceptflag(&saved_, FaultFlags);
        std::feclearexcept(FaultFlags);
    }
    ~TFloatingPointScope() { std::fesetexceptflag(&saved_, FaultFlags); }
    TFloatingPointScope(const TFloatingPointScope&) = delete;
    TFloatingPointScope& operator=(const TFloatingPointScope&) = delete;

    bool Raised() const { return std::fetestexcept(FaultFlags) != 0; }
    bool Faulted(double result) const { return Raised() || !std::isfinite(result); }

  private:
    static constexpr int FaultFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;
    std::fexcept_t saved_{};
};

#endif
