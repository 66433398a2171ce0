#pragma once
// R123 (2,2-dichloro-1,1,1-trifluoroethane): constants, ancillary saturation equations, ideal-gas
// part, a 37-term residual part with exp(−δ²) terms, and the minimum temperature on the
// maximum-density isochore.
#include <cstdint>
#include <span>

#include "KX_Equation_Fluid.h"

class TR123_FE : public TEquationFluid {
  public:
    TR123_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;
    // Temperature (°C) at which the density at pressure P equals Dmax; 0 when the Newton
    // iteration on the isochore does not converge within ten corrections or faults.
    double Tmin_Dmax(double P, int32_t ErrorCode) const override;
};
