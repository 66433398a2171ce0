#pragma once
// R1234ze(E) (trans-1,3,3,3-tetrafluoropropene): constants, ancillary saturation equations,
// ideal-gas part and the residual part of the equation of state of Thol and Lemmon (2016), Int. J.
// Thermophys. 37, 28.
#include "KX_Equation_Fluid.h"

class TR1234zeE_FE : public TEquationFluid {
  public:
    TR1234zeE_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;
};
