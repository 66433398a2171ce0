#pragma once
// R290 (propane): constants, ancillary saturation equations, ideal-gas part and the residual part
// of the equation of state of Lemmon, McLinden and Wagner (2009), J. Chem. Eng. Data 54, 3141.
#include "KX_Equation_Fluid.h"

class TR290_FE : public TEquationFluid {
  public:
    TR290_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;
};
