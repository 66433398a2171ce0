#pragma once
// Carbon dioxide: the reference equation of state of Span and Wagner (1996), with a residual part
// of 7 polynomial, 27 exponential, 5 Gaussian bell-shaped and 3 non-analytic near-critical terms,
// its ancillary saturation equations and the quantities of its non-analytic terms.
#include <cstdint>
#include <string>

#include "KX_Equation_Fluid.h"

class TCO2_FE : public TEquationFluid {
  public:
    TCO2_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;

    // The quantities of non-analytic term i (40, 41 or 42); NaN for any other i.
    double Theta(double Tau, double Delta, int i) const;
    double DDelta(double Tau, double Delta, int i) const;
    double DDeltad(double Tau, double Delta, int i) const;
    double DDeltadd(double Tau, double Delta, int i) const;
    double DDeltabid(double Tau, double Delta, int i) const;
    double DDeltabidd(double Tau, double Delta, int i) const;
    double DDeltabit(double Tau, double Delta, int i) const;
    double DDeltabitt(double Tau, double Delta, int i) const;
    double DDeltabidt(double Tau, double Delta, int i) const;
    double Psi(double Tau, double Delta, int i) const;
    double Psid(double Tau, double Delta, int i) const;
    double Psidd(double Tau, double Delta, int i) const;
    double Psit(double Tau, double Delta, int i) const;
    double Psitt(double Tau, double Delta, int i) const;
    double Psidt(double Tau, double Delta, int i) const;
};
