#pragma once
// What every C entry point does around the library code it runs, shared by VarnexaCApi.cpp and
// the generated forwarders of the library functions.
//
// TCallerEnvironment saves the caller's floating-point environment, masks every trap for the
// call and puts the environment back on return. The library detects its arithmetic faults from
// the sticky flags and clears them as it goes: without this a host that traps FE_INVALID gets
// SIGFPE from a fault the library would have reported as an error code, and a host that reads
// its own sticky flags after a call finds them cleared.
//
// On x86-64 double arithmetic runs in SSE, whose flags and masks are the MXCSR register: saving
// and restoring it costs a few cycles, where fegetenv/feholdexcept/fesetenv also store and load
// the x87 environment (tens of nanoseconds, more than some whole library functions). The x87
// control word is masked only when the caller unmasked a trap there, and its flags are put back
// only when the call changed them (library code does no long double arithmetic, so rarely).
#include <cfenv>
#include <cstdint>

#if defined(__x86_64__) && defined(__SSE2__)
#include <xmmintrin.h>
#endif

namespace varnexa_capi {

#if defined(__x86_64__) && defined(__SSE2__)

class TCallerEnvironment {
  public:
    TCallerEnvironment() : csr_(_mm_getcsr()) {
        // Most callers leave every trap masked: then MXCSR needs no load until the end.
        if ((csr_ & kSseMasks) != kSseMasks) _mm_setcsr(csr_ | kSseMasks);
        __asm__ volatile("fnstcw %0" : "=m"(x87Control_));
        __asm__ volatile("fnstsw %0" : "=am"(x87Status_));
        if ((x87Control_ & kX87Masks) != kX87Masks) LoadControl(x87Control_ | kX87Masks);
    }
    ~TCallerEnvironment() {
        std::uint16_t status;
        __asm__ volatile("fnstsw %0" : "=am"(status));
        if ((status ^ x87Status_) & kX87StatusBits) RestoreX87Status();
        if ((x87Control_ & kX87Masks) != kX87Masks) LoadControl(x87Control_);
        _mm_setcsr(csr_);
    }
    TCallerEnvironment(const TCallerEnvironment&) = delete;
    TCallerEnvironment& operator=(const TCallerEnvironment&) = delete;

  private:
    // MXCSR bits 7-12 mask the six exceptions; x87 control word bits 0-5 likewise.
    static constexpr unsigned int kSseMasks = 0x1F80u;
    static constexpr std::uint16_t kX87Masks = 0x3F;
    // The six flags, stack fault and error summary of the x87 status word.
    static constexpr std::uint16_t kX87StatusBits = 0xFF;

    static void LoadControl(std::uint16_t control) {
        __asm__ volatile("fldcw %0" : : "m"(control));
    }
    // The x87 flags can only be written through the whole environment (28 bytes in 64-bit mode).
    void RestoreX87Status() const {
        struct {
            std::uint16_t Control, Unused1, Status, Unused2;
            std::uint32_t Rest[5];
        } environment;
        __asm__ volatile("fnstenv %0" : "=m"(environment));
        environment.Status = static_cast<std::uint16_t>((environment.Status & ~kX87StatusBits) |
                                                        (x87Status_ & kX87StatusBits));
        __asm__ volatile("fldenv %0" : : "m"(environment));
    }

    unsigned int csr_;
    std::uint16_t x87Control_ = 0;
    std::uint16_t x87Status_ = 0;
};

#else

class TCallerEnvironment {
  public:
    // feholdexcept saves the environment, then clears the flags and masks every trap.
    TCallerEnvironment() { std::feholdexcept(&saved_); }
    ~TCallerEnvironment() { std::fesetenv(&saved_); }
    TCallerEnvironment(const TCallerEnvironment&) = delete;
    TCallerEnvironment& operator=(const TCallerEnvironment&) = delete;

  private:
    std::fenv_t saved_;
};

#endif

// Runs call(text, capacity) for a caller's error text buffer of capacity + 1 bytes. A negative
// capacity leaves no room even for the NUL, so the library writes into a byte of its own then,
// and the caller's buffer stays untouched whatever the library does with the capacity.
template <class TCall>
double WithErrorText(char* errorText, std::int32_t capacity, TCall call) {
    if (capacity >= 0) return call(errorText, capacity);
    char none[1];
    return call(none, 0);
}

// A library function called from C: Function(args..., errorText, capacity, errorCode) in the
// caller's environment made safe as above.
template <auto Function, class... TArgs>
double GuardedCall(char* errorText, std::int32_t capacity, std::int32_t* errorCode, TArgs... args) {
    const TCallerEnvironment environment;
    return WithErrorText(errorText, capacity, [&](char* text, std::int32_t room) {
        return Function(args..., text, room, errorCode);
    });
}

}  // namespace varnexa_capi
