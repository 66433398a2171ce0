#pragma once
// Argon: the reference equation of state of Tegeler, Span and Wagner (1999), an ideal-gas part of
// a monatomic gas and a residual part of 41 polynomial, exponential and Gaussian terms, with
// ancillary saturation equations for the start values of the saturation solver.
#include "KX_PhiAll_Fluid.h"

class TAr_FE : public TPhiAllFluid {
  public:
    TAr_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;
    double Phio(double Delta, double Tau) const override;
    double Phiot(double Delta, double Tau) const override;
    double Phiott(double Delta, double Tau) const override;
    void PhirAll(double Delta, double Tau, THelmholzResidual& r) const override;
    void PhioAll(double Delta, double Tau, THelmholzIdeal& o) const override;
};
