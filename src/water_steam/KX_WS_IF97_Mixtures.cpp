// Two-phase mixtures: enthalpy, entropy and volume from pressure or temperature and the vapour
// fraction, between the saturated liquid and vapour values.
#include <cmath>

#include "KX_WS_IF97_Lib_Root.h"
#include "KX_WS_IF97_Regions.h"

namespace if97 {
using detail::Failed;
using detail::Region3VolumeOf;

// ---- Two-phase mixtures ----
namespace {

double Mix(double liquid, double vapour, double x) {
    return liquid + std::fmin(std::fmax(x, 0.0), 1.0) * (vapour - liquid);
}

// Mixture by pressure: regions 1 and 2 below 16529164.3 Pa, region 3 above.
template <double (*R1)(double, double), double (*R2)(double, double), double (*R3)(double, double)>
double MixtureByPressure(double p, double x, bool* ok) {
    if (!(p >= psat_273 && p <= pc)) return Failed(ok);
    const double T = Tsat(p);
    if (p < p_623) return Mix(R1(p, T), R2(p, T), x);
    double v1, v2;
    if (!detail::Region3_SatVolumes(T, &v1, &v2)) return Failed(ok);
    return Mix(R3(v1, T), R3(v2, T), x);
}

// Mixture by temperature: regions 1 and 2 below 623.15 K, region 3 above.
template <double (*R1)(double, double), double (*R2)(double, double), double (*R3)(double, double)>
double MixtureByTemperature(double T, double x, bool* ok) {
    if (!(T >= T0 && T <= Tc)) return Failed(ok);
    if (T < T_623) {
        const double p = Psat(T);
        return Mix(R1(p, T), R2(p, T), x);
    }
    double v1, v2;
    if (!detail::Region3_SatVolumes(T, &v1, &v2)) return Failed(ok);
    return Mix(R3(v1, T), R3(v2, T), x);
}

}  // namespace

double H_PX(double p, double x, bool* ok) {
    return MixtureByPressure<Region1_H, Region2_H, Region3_H>(p, x, ok);
}
double S_PX(double p, double x, bool* ok) {
    return MixtureByPressure<Region1_S, Region2_S, Region3_S>(p, x, ok);
}
double V_PX(double p, double x, bool* ok) {
    return MixtureByPressure<Region1_V, Region2_V, Region3VolumeOf>(p, x, ok);
}
double H_TX(double T, double x, bool* ok) {
    return MixtureByTemperature<Region1_H, Region2_H, Region3_H>(T, x, ok);
}
double S_TX(double T, double x, bool* ok) {
    return MixtureByTemperature<Region1_S, Region2_S, Region3_S>(T, x, ok);
}
double V_TX(double T, double x, bool* ok) {
    return MixtureByTemperature<Region1_V, Region2_V, Region3VolumeOf>(T, x, ok);
}

}  // namespace if97
