#include "KX_Transport_State.h"

namespace kxtransport {

TTransportState DensityState(const THelmholzFluid& fluid, double D, double T) {
    TTransportState state;
    state.T = T + fluid.dta;
    state.rhoMass = D;
    // MM_ is kg/kmol, so D / MM_ is kmol/m3.
    state.rho = 1000.0 * D / fluid.MM_;
    return state;
}

void AddCaloricState(const THelmholzFluid& fluid, double TrefK, TTransportState& state) {
    const double R = MolarGasConstant(fluid);
    const double D = state.rhoMass;
    const double delta = fluid.DeltaOf(D);
    const double Tcrit = fluid.Tcr_ + fluid.dta;
    const double tau = Tcrit / state.T;
    THelmholzResidual r;
    THelmholzIdeal o;
    fluid.PhirAll(delta, tau, r);
    fluid.PhioAll(delta, tau, o);
    const double A = 1.0 + delta * r.Phid - delta * tau * r.Phidt;
    const double B = 1.0 + 2.0 * delta * r.Phid + delta * delta * r.Phidd;
    state.cv = -R * tau * tau * (o.Phitt + r.Phitt);
    state.cp = state.cv + R * A * A / B;
    state.cp0 = R * (1.0 - tau * tau * o.Phitt);
    state.dpdrho = R * state.T * B;
    state.alphar = r.Phi;
    state.Z = 1.0 + delta * r.Phid;
    state.sr = R * (tau * r.Phit - r.Phi);
    state.dpdrhoRef = 0.0;
    if (TrefK > 0.0) {
        THelmholzResidual rr;
        fluid.PhirAll(delta, Tcrit / TrefK, rr);
        state.dpdrhoRef = R * TrefK * (1.0 + 2.0 * delta * rr.Phid + delta * delta * rr.Phidd);
    }
}

}  // namespace kxtransport
