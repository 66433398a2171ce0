#pragma once
// R123 (2,2-dichloro-1,1,1-trifluoroethane): constants, ancillary saturation equations, ideal-gas
// part, a 37-term residual part with exp(−δ²) terms, and the minimum temperature on the
// maximum-density isochore.
#include <cstdint>
#include <span>

#include "KX_Refrigerant_FE.h"

// A residual term n τ^t (exp(−δ²) − 1) of R123.
struct TR123ExpMinusOneTerm {
    double n;
    double t;
};

class TR123_FE : public TRefrigerant_FE {
  public:
    TR123_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;
    // Temperature (°C) at which the density at pressure P equals Dmax; 0 when the Newton
    // iteration on the isochore does not converge within ten corrections or faults.
    double Tmin_Dmax(double P, int32_t ErrorCode) const override;

  private:
    // The (exp(−δ²) − 1) group and its derivatives, added to r; three terms, so every sum is
    // formed whichever `parts` asks for.
    static void ExpMinusOneAll(double Delta, double Tau, unsigned parts, THelmholzResidual& r);
};
