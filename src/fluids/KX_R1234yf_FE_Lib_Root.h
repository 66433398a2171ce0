#pragma once
// R1234yf (2,3,3,3-tetrafluoroprop-1-ene): constants, ancillary saturation equations, ideal-gas
// part and the residual part of Lemmon and Akasaka (2022).
#include "KX_Equation_Fluid.h"

class TR1234yf_FE : public TEquationFluid {
  public:
    TR1234yf_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;
};
