#pragma once
// R32 (difluoromethane): constants, ancillary saturation equations, ideal-gas part, the 19-term
// residual part of the shared refrigerant form, and its pressure-dependent minimum temperature.
#include "KX_Equation_Fluid.h"

class TR32_FE : public TEquationFluid {
  public:
    TR32_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;
    // -109 °C at and above the critical pressure, the triple point below it.
    double Tmin(double P) const override;
};
