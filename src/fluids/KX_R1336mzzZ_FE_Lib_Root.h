#pragma once
// R1336mzz(Z) (cis-1,1,1,4,4,4-hexafluorobut-2-ene): constants, ancillary saturation equations,
// ideal-gas part and the residual part of McLinden and Akasaka (2020).
#include "KX_Equation_Fluid.h"

class TR1336mzzZ_FE : public TEquationFluid {
  public:
    TR1336mzzZ_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;
};
