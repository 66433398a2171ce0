#pragma once
// Oxygen: the equation of state of Schmidt and Wagner (1985), whose residual terms carry the
// factor exp(−δ²), exp(−δ⁴) or none, with its ancillary saturation equations, and the viscosity
// correlation of Lemmon and Jacobsen (2004). Range 54 K to 300 K, up to 800 bar.
#include <cstdint>
#include <string>

#include "KX_Equation_Fluid.h"

class TO2_FE : public TEquationFluid {
  public:
    TO2_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;

    // Density factor U = exp(−sgn(p_k) δ^p_k) of residual term k (1 to 32) and its first and
    // second derivative in δ; U = 1 and both derivatives 0 for the terms with p_k = 0.
    double Uk(double Delta, int k) const;
    double Ukd(double Delta, int k) const;
    double Ukdd(double Delta, int k) const;
};
