#pragma once
// Hydrogen in its normal, para and ortho forms: the equations of state of Leachman, Jacobsen,
// Penoncello and Lemmon (2009). The three share one structure (an ideal-gas part with Planck-
// Einstein terms and a residual part of 7 polynomial, 2 exponential and 5 Gaussian terms) and
// differ in their constants, coefficient tables and ancillary equations.
#include "KX_Equation_Fluid.h"

// The coefficients of one form of hydrogen.
struct THydrogenTables {
    // Ideal-gas part: a1 + a2 τ + 1.5 ln τ + Σ m_k ln(1 − exp(−θ_k τ)) over K Planck-Einstein
    // terms (the paper's a_k and b_k = −θ_k).
    double a1;
    double a2;
    int K;
    TIdealPlanckTerm planck[7];
    // Residual part: polynomial terms 1 to 7 (l = 0) and exponential terms 8 and 9, then the
    // Gaussian terms 10 to 14.
    TResidualTerm terms[9];
    TGaussianTerm gaussians[5];
    // Ancillary vapour pressure ln(p/pc) = (n1 ϑ + n2 ϑ^1.5 + n3 ϑ^k3 + n4 ϑ^k4)/(1 − ϑ) and its
    // inverse T/Tc = 1 + c0 + c1 y + c2 y² + c3 y³, y = ln(p/pc).
    double pseN[4];  // n1 ... n4
    double k3;
    double k4;
    double c[4];
    // Ancillary saturated densities: above ThresholdK (K) quadratics q2 T² + q1 T + q0 in the
    // absolute temperature, at or below it ρ'/ρc = e0 + e1 ϑ + e2 ϑ^0.5 and
    // ρ''/ρc = exp(g0 + g1 ϑ + g2 ϑ² + g3 ϑ³).
    double ThresholdK;
    double liquidQuadratic[3];
    double e[3];
    double vapourQuadratic[3];
    double g[4];
};

// The structure every form of hydrogen shares; a form supplies its constants and tables.
class THydrogen_FE : public TEquationFluid {
  public:
    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;

  protected:
    // The constants of one form (the shared ones are added) and its tables.
    THydrogen_FE(const THelmholzConstants& form, const THydrogenTables& tables);

  private:
    const THydrogenTables& tables_;
};

// Normal hydrogen.
class TH2_FE : public THydrogen_FE {
  public:
    TH2_FE();
};

// Parahydrogen.
class TH2p_FE : public THydrogen_FE {
  public:
    TH2p_FE();
};

// Orthohydrogen.
class TH2o_FE : public THydrogen_FE {
  public:
    TH2o_FE();
};
