#pragma once
// R245fa (1,1,1,3,3-pentafluoropropane): constants, ancillary saturation equations, ideal-gas part
// and the residual part of the equation of state of Akasaka, Zhou and Lemmon (2015), J. Phys. Chem.
// Ref. Data 44, 013104.
#include "KX_Equation_Fluid.h"

class TR245fa_FE : public TEquationFluid {
  public:
    TR245fa_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;
};
