#pragma once
// R1233zd(E) (trans-1-chloro-3,3,3-trifluoroprop-1-ene): constants, ancillary saturation equations,
// ideal-gas part and the residual part of Akasaka and Lemmon (2022).
#include "KX_Equation_Fluid.h"

class TR1233zdE_FE : public TEquationFluid {
  public:
    TR1233zdE_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;
};
