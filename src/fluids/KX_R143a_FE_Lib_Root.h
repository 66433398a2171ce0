#pragma once
// R143a (1,1,1-trifluoroethane): constants, ancillary saturation equations, ideal-gas part and the
// residual part of Lemmon and Jacobsen (2000).
#include "KX_Equation_Fluid.h"

class TR143a_FE : public TEquationFluid {
  public:
    TR143a_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;
};
