#pragma once
// R152a (1,1-difluoroethane): constants, ancillary saturation equations, ideal-gas part and the
// 19-term residual part of the shared refrigerant form.
#include "KX_Equation_Fluid.h"

class TR152a_FE : public TEquationFluid {
  public:
    TR152a_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;
};
