#pragma once
// Arithmetic-fault detection for library code: division by zero, invalid operation and overflow.
//
// TFloatingPointGuard serves the library entry points: it starts with clear fault flags and tells
// whether a fault happened since, or the result is not finite.
// TFloatingPointScope serves routines that report a fault themselves (an error code, or a
// fallback value): the same test, and on exit it puts back the flags that were set before it, so
// a fault it has handled never reaches the entry-point guard.
//
// On x86-64 the double arithmetic runs in SSE, whose flags live in the MXCSR register; reading
// and writing it directly costs a few cycles, where the portable <cfenv> calls also read and
// write the x87 environment (tens of nanoseconds, more than some whole library functions).
// Library code does no long double arithmetic, so the x87 flags carry nothing of interest.
#include <cfenv>
#include <cmath>

#if defined(__x86_64__) && defined(__SSE2__)
#include <xmmintrin.h>

namespace kxfp {
// MXCSR flags: invalid operation (bit 0), division by zero (bit 2), overflow (bit 3).
inline constexpr unsigned int FaultBits = 0x1u | 0x4u | 0x8u;
inline bool Raised() {
    return (_mm_getcsr() & FaultBits) != 0;
}
inline void Clear() {
    const unsigned int csr = _mm_getcsr();
    if (csr & FaultBits) _mm_setcsr(csr & ~FaultBits);
}
}  // namespace kxfp

class TFloatingPointScope {
  public:
    TFloatingPointScope() : saved_(_mm_getcsr()) { _mm_setcsr(saved_ & ~kxfp::FaultBits); }
    ~TFloatingPointScope() {
        _mm_setcsr((_mm_getcsr() & ~kxfp::FaultBits) | (saved_ & kxfp::FaultBits));
    }
    TFloatingPointScope(const TFloatingPointScope&) = delete;
    TFloatingPointScope& operator=(const TFloatingPointScope&) = delete;

    // A division by zero, invalid operation or overflow since the scope began.
    bool Raised() const { return kxfp::Raised(); }
    // The same, or a non-finite result.
    bool Faulted(double result) const { return Raised() || !std::isfinite(result); }

  private:
    unsigned int saved_;
};

// The fault flags at one moment, to be put back later (unlike TFloatingPointScope, only when
// asked): for routines that keep a fault on success and hide it on failure. Only the SSE flags
// are saved and restored, as everywhere in library code: restoring through <cfenv> also writes
// the x87 flags, where a stale fault would then stay for the rest of the process.
class TFloatingPointSnapshot {
  public:
    TFloatingPointSnapshot() : saved_(_mm_getcsr()) {}
    void Restore() const {
        _mm_setcsr((_mm_getcsr() & ~kxfp::FaultBits) | (saved_ & kxfp::FaultBits));
    }

  private:
    unsigned int saved_;
};
#else

namespace kxfp {
inline constexpr int FaultFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;
inline bool Raised() {
    return std::fetestexcept(FaultFlags) != 0;
}
inline void Clear() {
    if (Raised()) std::feclearexcept(FaultFlags);
}
}  // namespace kxfp

class TFloatingPointScope {
  public:
    TFloatingPointScope() {
        std::fegetexceptflag(&saved_, kxfp::FaultFlags);
        std::feclearexcept(kxfp::FaultFlags);
    }
    ~TFloatingPointScope() { std::fesetexceptflag(&saved_, kxfp::FaultFlags); }
    TFloatingPointScope(const TFloatingPointScope&) = delete;
    TFloatingPointScope& operator=(const TFloatingPointScope&) = delete;

    bool Raised() const { return kxfp::Raised(); }
    bool Faulted(double result) const { return Raised() || !std::isfinite(result); }

  private:
    std::fexcept_t saved_{};
};

class TFloatingPointSnapshot {
  public:
    TFloatingPointSnapshot() { std::fegetexceptflag(&saved_, kxfp::FaultFlags); }
    void Restore() const { std::fesetexceptflag(&saved_, kxfp::FaultFlags); }

  private:
    std::fexcept_t saved_{};
};
#endif

class TFloatingPointGuard {
  public:
    TFloatingPointGuard() { kxfp::Clear(); }
    bool Faulted(double result) const { return kxfp::Raised() || !std::isfinite(result); }
};
