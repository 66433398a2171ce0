#pragma once
// R22 (chlorodifluoromethane): constants, ancillary saturation equations, ideal-gas part and the
// 22-term residual part of the shared refrigerant form.
#include "KX_Equation_Fluid.h"

class TR22_FE : public TEquationFluid {
  public:
    TR22_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;
};
