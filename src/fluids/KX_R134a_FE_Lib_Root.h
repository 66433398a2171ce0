#pragma once
// R134a (1,1,1,2-tetrafluoroethane): constants, ancillary saturation equations, ideal-gas part and
// the 21-term residual part of the shared refrigerant form.
#include "KX_Equation_Fluid.h"

class TR134a_FE : public TEquationFluid {
  public:
    TR134a_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;
};
