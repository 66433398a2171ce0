#pragma once
// Nitrogen: the reference equation of state of Span, Lemmon, Jacobsen, Wagner and Yokozeki
// (2000) with its ancillary saturation equations, and the viscosity and thermal conductivity
// correlations of Stephan, Krauss and Laesecke (1987).
#include <cstdint>
#include <string>

#include "KX_Equation_Fluid.h"

class TN2_FE : public TEquationFluid {
  public:
    TN2_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;
};
