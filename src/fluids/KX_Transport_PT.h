#pragma once
// The path the transport and surface-tension functions of the fluid models take: range checks
// of the arguments, the density at (P, T) with the correlation's own density limit, and the
// correlation under a floating-point guard. Every failure comes back as a code and a text that
// carry the function's name; the result is then 0.
#include <cstdint>
#include <span>
#include <string>

#include "KX_FloatingPoint.h"
#include "HelmholzFluidObject.h"
#include "KX_Function_Types.h"
#include "KX_Utils.h"

// One range check: value against limit by comparator ("<" or ">"), with the quantity, unit and
// code a failure reports.
struct TRangeCheck {
    const char* comparator;
    double value;
    double limit;
    const char* quantity;
    const char* unit;
    int32_t code;
};

// Runs the checks in order; the first that fails sets text and code and gives false.
bool PassesRangeChecks(const THelmholzFluid& fluid, const char* functionName,
                       std::span<const TRangeCheck> checks, std::string& ErrorText,
                       int32_t& ErrorCode);

// The density at (P, T) into D. A failure of the density solver keeps its code (1 where it left
// only a text) with the text re-prefixed by the function's name; with densityLimit > 0 a density
// above it is DensityAboveRange. Gives false on a failure.
bool TransportDensity(const THelmholzFluid& fluid, const char* functionName, double P, double T,
                      double densityLimit, double& D, std::string& ErrorText, int32_t& ErrorCode);

// compute() under a floating-point guard: a fault or a non-finite result is code 1 with
// "<Code>_<function>; Unknown error." and the result 0.
template <class Compute>
double GuardedEvaluation(const THelmholzFluid& fluid, const char* functionName,
                         std::string& ErrorText, int32_t& ErrorCode, Compute compute) {
    TFloatingPointScope scope;
    const double result = compute();
    if (scope.Faulted(result)) {
        ErrorText = UnknownErrorText(fluid.Code, functionName);
        ErrorCode = KXErrorCode::Failure;
        return 0.0;
    }
    return result;
}

// A transport function of pressure and temperature: clears the outputs, runs the checks, finds
// the density (no limit for densityLimit 0) and evaluates property(D, T).
template <class Property>
double TransportPropertyPT(const THelmholzFluid& fluid, const char* functionName,
                           std::span<const TRangeCheck> checks, double densityLimit, double P,
                           double T, std::string& ErrorText, int32_t& ErrorCode,
                           Property property) {
    ErrorText.clear();
    ErrorCode = KXErrorCode::Success;
    if (!PassesRangeChecks(fluid, functionName, checks, ErrorText, ErrorCode)) return 0.0;
    double D = 0.0;
    if (!TransportDensity(fluid, functionName, P, T, densityLimit, D, ErrorText, ErrorCode))
        return 0.0;
    return GuardedEvaluation(fluid, functionName, ErrorText, ErrorCode,
                             [&] { return property(D, T); });
}
