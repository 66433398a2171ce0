// The (p, T) property dispatchers: enthalpy (also of a forced phase), entropy, volume, heat
// capacities and speed of sound of the region the state lies in.
#include <cfenv>
#include <cmath>

#include "KX_FloatingPoint.h"
#include "KX_WS_IF97_Lib_Root.h"
#include "KX_WS_IF97_Regions.h"

namespace if97 {
using detail::Failed;
using detail::Region3VolumeOf;
namespace {

constexpr double kP_VapourForcedLimit = 16529200.0;  // vapour-side H_PT switch to region 3

// Runs a forced-phase enthalpy: a floating-point fault or failed inner search gives 0 and
// leaves the caller's floating-point flags as they were.
template <class Compute>
double ForcedPhase(Compute compute, bool* ok) {
    const TFloatingPointSnapshot callerFlags;
    bool inner = true;
    const double h = compute(&inner);
    if (inner && std::isfinite(h)) return h;
    callerFlags.Restore();
    return Failed(ok);
}

}  // namespace

// ---- Property dispatchers ----
namespace {

// Region-3 (v, T) function at (p, T).
template <double (*Property)(double, double)>
double Region3AtPT(double p, double T, bool* ok) {
    bool found = true;
    const double v = Region3_VPT(p, T, &found);
    if (!found) return Failed(ok);
    return Property(v, T);
}

template <double (*R1)(double, double), double (*R2)(double, double), double (*R3)(double, double),
          double (*R5)(double, double), bool VapourOnLine>
double Dispatch(double p, double T, bool* ok) {
    switch (RegionPT(p, T)) {
        case 1:
            return R1(p, T);
        case 2:
            return R2(p, T);
        case 3:
            return Region3AtPT<R3>(p, T, ok);
        case 4:
            return VapourOnLine ? R2(p, T) : R1(p, T);
        case 5:
            return R5(p, T);
        default:
            return Failed(ok);
    }
}

// Region-3 enthalpy on the side of the saturation line a forced phase asks for.
double ForcedRegion3H(double p, double T, int phase, bool* ok) {
    bool found = true;
    const double v = detail::Region3_VPT_Phase(p, T, phase, &found);
    if (!found) return Failed(ok);
    return Region3_H(v, T);
}

}  // namespace

double H_PT(int phase, double p, double T, bool* ok) {
    if (phase == kPhaseLiquid) {
        return ForcedPhase(
            [&](bool* inner) {
                return T <= T_623 ? Region1_H(p, T) : ForcedRegion3H(p, T, kPhaseLiquid, inner);
            },
            ok);
    }
    if (phase == kPhaseVapour) {
        return ForcedPhase(
            [&](bool* inner) {
                if (T > T_1073) return Region5_H(p, T);
                if (T <= T_623 || p <= kP_VapourForcedLimit) return Region2_H(p, T);
                if (T <= B23_T(p)) return ForcedRegion3H(p, T, kPhaseVapour, inner);
                return Region2_H(p, T);
            },
            ok);
    }
    return Dispatch<Region1_H, Region2_H, Region3_H, Region5_H, false>(p, T, ok);
}
double S_PT(double p, double T, bool* ok) {
    return Dispatch<Region1_S, Region2_S, Region3_S, Region5_S, false>(p, T, ok);
}
double V_PT(double p, double T, bool* ok) {
    return Dispatch<Region1_V, Region2_V, Region3VolumeOf, Region5_V, false>(p, T, ok);
}
double Cp_PT(double p, double T, bool* ok) {
    return Dispatch<Region1_Cp, Region2_Cp, Region3_Cp, Region5_Cp, false>(p, T, ok);
}
double Cv_PT(double p, double T, bool* ok) {
    return Dispatch<Region1_Cv, Region2_Cv, Region3_Cv, Region5_Cv, false>(p, T, ok);
}
double W_PT(double p, double T, bool* ok) {
    return Dispatch<Region1_W, Region2_W, Region3_W, Region5_W, true>(p, T, ok);
}

}  // namespace if97
