#pragma once
// Ammonia: the fundamental equation of Tillner-Roth, Harms-Watzenberg and Baehr (1993), its
// ancillary saturation equations, a surface-tension correlation and the viscosity correlation of
// Fenghour et al. (1995).
#include <cstdint>
#include <string>

#include "KX_Equation_Fluid.h"

class TNH3_FE : public TEquationFluid {
  public:
    TNH3_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;
    double Tmin_Dmax(double P, int32_t ErrorCode) const override;
};
