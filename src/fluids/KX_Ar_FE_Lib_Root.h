#pragma once
// Argon: the reference equation of state of Tegeler, Span and Wagner (1999), an ideal-gas part of
// a monatomic gas and a residual part of 41 polynomial, exponential and Gaussian terms, with
// ancillary saturation equations for the start values of the saturation solver.
#include "KX_Equation_Fluid.h"

class TAr_FE : public TEquationFluid {
  public:
    TAr_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;
};
