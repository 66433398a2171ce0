#include "KX_PhiAll_Fluid.h"

TPhiAllFluid::TPhiAllFluid() {
    dH = 1e-06;
    dS = 1e-06;
    dH_XTH = 1e-06;
    dS_XTS = 0.001;
}

// ---- Ideal-gas part ----

double TPhiAllFluid::Phio(double Delta, double Tau) const {
    THelmholzIdeal o;
    PhioAll(Delta, Tau, o);
    return o.Phi;
}
double TPhiAllFluid::Phiot(double Delta, double Tau) const {
    THelmholzIdeal o;
    PhioAll(Delta, Tau, o);
    return o.Phit;
}
double TPhiAllFluid::Phiott(double Delta, double Tau) const {
    THelmholzIdeal o;
    PhioAll(Delta, Tau, o);
    return o.Phitt;
}

double TPhiAllFluid::Phiod(double Delta, double) const {
    return 1.0 / Delta;
}
double TPhiAllFluid::Phiodd(double Delta, double) const {
    return -1.0 / (Delta * Delta);
}
double TPhiAllFluid::Phiodt(double, double) const {
    return 0.0;
}

// ---- Residual part ----

double TPhiAllFluid::Phir(double Delta, double Tau) const {
    THelmholzResidual r;
    PhirAll(Delta, Tau, r);
    return r.Phi;
}
double TPhiAllFluid::Phirt(double Delta, double Tau) const {
    THelmholzResidual r;
    PhirAll(Delta, Tau, r);
    return r.Phit;
}
double TPhiAllFluid::Phirtt(double Delta, double Tau) const {
    THelmholzResidual r;
    PhirAll(Delta, Tau, r);
    return r.Phitt;
}
double TPhiAllFluid::Phird(double Delta, double Tau) const {
    THelmholzResidual r;
    PhirAll(Delta, Tau, r);
    return r.Phid;
}
double TPhiAllFluid::Phirdd(double Delta, double Tau) const {
    THelmholzResidual r;
    PhirAll(Delta, Tau, r);
    return r.Phidd;
}
double TPhiAllFluid::Phirdt(double Delta, double Tau) const {
    THelmholzResidual r;
    PhirAll(Delta, Tau, r);
    return r.Phidt;
}
