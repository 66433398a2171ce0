#include "KX_Equation_Fluid.h"

double TEquationFluid::ResidualSum(double Delta, double Tau, unsigned part,
                                   double THelmholzResidual::*sum) const {
    THelmholzResidual r;
    residual_.Evaluate(Delta, Tau, part, r);
    return r.*sum;
}

double TEquationFluid::Phir(double Delta, double Tau) const {
    return ResidualSum(Delta, Tau, ResidualPart::Phi, &THelmholzResidual::Phi);
}
double TEquationFluid::Phirt(double Delta, double Tau) const {
    return ResidualSum(Delta, Tau, ResidualPart::Phit, &THelmholzResidual::Phit);
}
double TEquationFluid::Phirtt(double Delta, double Tau) const {
    return ResidualSum(Delta, Tau, ResidualPart::Phitt, &THelmholzResidual::Phitt);
}
double TEquationFluid::Phird(double Delta, double Tau) const {
    return ResidualSum(Delta, Tau, ResidualPart::Phid, &THelmholzResidual::Phid);
}
double TEquationFluid::Phirdd(double Delta, double Tau) const {
    return ResidualSum(Delta, Tau, ResidualPart::Phidd, &THelmholzResidual::Phidd);
}
double TEquationFluid::Phirdt(double Delta, double Tau) const {
    return ResidualSum(Delta, Tau, ResidualPart::Phidt, &THelmholzResidual::Phidt);
}

void TEquationFluid::PhirAll(double Delta, double Tau, THelmholzResidual& r) const {
    residual_.Evaluate(Delta, Tau, ResidualPart::All, r);
}

void TEquationFluid::PhirDeltaDerivatives(double Delta, double Tau, THelmholzResidual& r) const {
    residual_.Evaluate(Delta, Tau, ResidualPart::Phid | ResidualPart::Phidd, r);
}

void TEquationFluid::PhirAllExtended(long double Delta, long double Tau,
                                     THelmholzResidualExtended& r) const {
    residual_.Evaluate(Delta, Tau, ResidualPart::All, r);
}

void TEquationFluid::PhioAll(double Delta, double Tau, THelmholzIdeal& o) const {
    IdealAll(ideal_, Delta, Tau, o);
}
