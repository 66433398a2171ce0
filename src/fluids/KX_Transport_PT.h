#pragma once
// The path the transport and surface-tension functions of the fluid models take: range checks
// of the arguments, the density at (P, T) with the correlation's own density limit, and the
// correlation under a floating-point guard. Every failure comes back as a code and a text that
// carry the function's name; the result is then 0.
#include <cstdint>
#include <string>

#include "HelmholzFluidObject.h"
#include "KX_FloatingPoint.h"
#include "KX_Function_Types.h"
#include "KX_Range_Checks.h"
#include "KX_Utils.h"
#include "transport/KX_Transport_Terms.h"

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

// ---- Transport functions of (P, T) from a fluid's correlations ----

// The validity of one correlation beyond the equation of state's own limits, in program units;
// the defaults leave the equation of state's limits alone. DmaxKgm3 > 0 is a density limit
// (code 107 above it); DmaxOfT, when given, a density limit that depends on the temperature (°C)
// and applies together with DmaxKgm3. PminBar and the low-pressure extension of the highest
// temperature (TmaxLowPressureC at or below LowPressureBar) belong to the correlation's own
// functions: the Prandtl number's common range leaves them out.
struct TTransportRange {
    double PminBar = 0.0;
    double PmaxBar = 1e300;
    double TminC = -1e300;
    double TmaxC = 1e300;
    double DmaxKgm3 = 0.0;
    double (*DmaxOfT)(const THelmholzFluid& fluid, double T) = nullptr;
    double LowPressureBar = 0.0;
    double TmaxLowPressureC = 1e300;
};

// A property of density D (kg/m3) and temperature T (°C) in SI units, no checks.
using TTransportOfDT = double (*)(const THelmholzFluid& fluid, double D, double T);

struct TTransportCorrelation {
    TTransportOfDT evaluate = nullptr;
    TTransportRange range;
};

// A fluid's correlations as its library functions reach them: the term tables of transport/
// bound to plain functions (kxtransport::ViscosityOf, ConductivityOf) with their ranges. A model
// that gives the Prandtl number from one evaluation of both (extended corresponding states,
// which solve one conformal state for both) names it in `prandtl`.
struct TFluidTransport {
    TTransportCorrelation viscosity;     // Pa s
    TTransportCorrelation conductivity;  // W/(m K)
    const kxtransport::TSurfaceTensionSum* surfaceTension = nullptr;
    TTransportOfDT prandtl = nullptr;
};

// Each fluid library's model, defined in its library file KX_<fluid>_FE_Lib.cpp.
extern const TFluidTransport NH3Transport, R22Transport, R32Transport, R123Transport,
    R134aTransport, R152aTransport, N2Transport, O2Transport, CO2Transport, ArTransport,
    H2Transport, H2pTransport, R1234yfTransport, R1234zeETransport, R1233zdETransport,
    R290Transport, R600aTransport, R125Transport, R143aTransport, R245faTransport,
    R1336mzzZTransport, R410ATransport, R404ATransport, R407CTransport, R507ATransport;

// The range checks of a (P, T) transport function: pressure from the higher of the fluid's Pmin
// and the correlation's to the lower of Pmax and the correlation's, temperature from the higher
// of Tmin(P) and the correlation's to the lower of Tmax and the correlation's at P (codes 4, 5,
// 2, 3). Then the density, with the
// correlation's density limit, and the correlation under the floating-point guard.
double TransportPT(const THelmholzFluid& fluid, const char* functionName,
                   const TTransportRange& range, double P, double T, std::string& ErrorText,
                   int32_t& ErrorCode, TTransportOfDT property);

// The intersection of two ranges (the Prandtl number needs both correlations).
TTransportRange CommonRange(const TTransportRange& a, const TTransportRange& b);

// Dynamic viscosity (Pa s), kinematic viscosity DVPT / DPT (m2/s), thermal conductivity
// (W/(m K)) and Prandtl number CpPT DVPT / TCPT (or the model's own), each from pressure (bar)
// and temperature (°C).
double TransportDVPT(const TFluidTransport& model, const THelmholzFluid& fluid, double P, double T,
                     std::string& ErrorText, int32_t& ErrorCode);
double TransportKVPT(const TFluidTransport& model, const THelmholzFluid& fluid, double P, double T,
                     std::string& ErrorText, int32_t& ErrorCode);
double TransportTCPT(const TFluidTransport& model, const THelmholzFluid& fluid, double P, double T,
                     std::string& ErrorText, int32_t& ErrorCode);
double TransportPrPT(const TFluidTransport& model, const THelmholzFluid& fluid, double P, double T,
                     std::string& ErrorText, int32_t& ErrorCode);
// Surface tension (N/m) from temperature (°C), from the triple point to the correlation's
// critical temperature (where it is 0).
// A Prandtl number computed with code 0 that is not positive comes from a heat capacity that
// rounding next to the critical point gave the wrong sign: refused as too close to it.
double PositivePrandtl(const THelmholzFluid& fluid, double Pr, std::string& ErrorText,
                       int32_t& ErrorCode);
double TransportSTT(const TFluidTransport& model, const THelmholzFluid& fluid, double T,
                    std::string& ErrorText, int32_t& ErrorCode);

// A fluid's transport model bound at compile time to the shape FUNC(fluid, args..., text, code)
// that KX_FLUID_FREE_UNARY / KX_FLUID_FREE_BINARY forward to.
template <const TFluidTransport* Model>
struct TBoundTransport {
    static double DVPT(const THelmholzFluid& f, double P, double T, std::string& s, int32_t& c) {
        return TransportDVPT(*Model, f, P, T, s, c);
    }
    static double KVPT(const THelmholzFluid& f, double P, double T, std::string& s, int32_t& c) {
        return TransportKVPT(*Model, f, P, T, s, c);
    }
    static double TCPT(const THelmholzFluid& f, double P, double T, std::string& s, int32_t& c) {
        return TransportTCPT(*Model, f, P, T, s, c);
    }
    static double PrPT(const THelmholzFluid& f, double P, double T, std::string& s, int32_t& c) {
        return TransportPrPT(*Model, f, P, T, s, c);
    }
    static double STT(const THelmholzFluid& f, double T, std::string& s, int32_t& c) {
        return TransportSTT(*Model, f, T, s, c);
    }
};
