#pragma once
// R600a (isobutane): constants, ancillary saturation equations, ideal-gas part and the residual
// part of the equation of state of Buecker and Wagner (2006), J. Phys. Chem. Ref. Data 35, 929.
#include "KX_Equation_Fluid.h"

class TR600a_FE : public TEquationFluid {
  public:
    TR600a_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;
};
