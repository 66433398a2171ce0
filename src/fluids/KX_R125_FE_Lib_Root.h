#pragma once
// R125 (pentafluoroethane): constants, ancillary saturation equations, ideal-gas part and the
// residual part of Lemmon and Jacobsen (2005).
#include "KX_Equation_Fluid.h"

class TR125_FE : public TEquationFluid {
  public:
    TR125_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;
};
