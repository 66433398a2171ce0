#include "KX_PhiAll_Fluid.h"

namespace {

THelmholzConstants WithFlashMargins(THelmholzConstants constants) {
    constants.dH = 1e-06;
    constants.dS = 1e-06;
    constants.dH_XTH = 1e-06;
    constants.dS_XTS = 0.001;
    return constants;
}

}  // namespace

TPhiAllFluid::TPhiAllFluid(const THelmholzConstants& constants)
    : THelmholzFluid(WithFlashMargins(constants)) {}

// ---- Ideal-gas part ----

double TPhiAllFluid::IdealPart(double Delta, double Tau, double THelmholzIdeal::*part) const {
    THelmholzIdeal o;
    PhioAll(Delta, Tau, o);
    return o.*part;
}

double TPhiAllFluid::Phio(double Delta, double Tau) const {
    return IdealPart(Delta, Tau, &THelmholzIdeal::Phi);
}
double TPhiAllFluid::Phiot(double Delta, double Tau) const {
    return IdealPart(Delta, Tau, &THelmholzIdeal::Phit);
}
double TPhiAllFluid::Phiott(double Delta, double Tau) const {
    return IdealPart(Delta, Tau, &THelmholzIdeal::Phitt);
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

double TPhiAllFluid::ResidualPart(double Delta, double Tau, double THelmholzResidual::*part) const {
    THelmholzResidual r;
    PhirAll(Delta, Tau, r);
    return r.*part;
}

double TPhiAllFluid::Phir(double Delta, double Tau) const {
    return ResidualPart(Delta, Tau, &THelmholzResidual::Phi);
}
double TPhiAllFluid::Phirt(double Delta, double Tau) const {
    return ResidualPart(Delta, Tau, &THelmholzResidual::Phit);
}
double TPhiAllFluid::Phirtt(double Delta, double Tau) const {
    return ResidualPart(Delta, Tau, &THelmholzResidual::Phitt);
}
double TPhiAllFluid::Phird(double Delta, double Tau) const {
    return ResidualPart(Delta, Tau, &THelmholzResidual::Phid);
}
double TPhiAllFluid::Phirdd(double Delta, double Tau) const {
    return ResidualPart(Delta, Tau, &THelmholzResidual::Phidd);
}
double TPhiAllFluid::Phirdt(double Delta, double Tau) const {
    return ResidualPart(Delta, Tau, &THelmholzResidual::Phidt);
}
