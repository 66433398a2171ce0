#pragma once
// Carbon dioxide: the reference equation of state of Span and Wagner (1996), with a residual part
// of 7 polynomial, 27 exponential, 5 Gaussian bell-shaped and 3 non-analytic near-critical terms,
// its ancillary saturation equations, and the transport functions it does not model.
#include <cstdint>
#include <string>

#include "KX_Refrigerant_FE.h"

// A non-analytic term n Δ^b δ ψ with Δ = θ² + B ((δ − 1)²)^a,
// θ = (1 − τ) + A ((δ − 1)²)^(1/(2β)) and ψ = exp(−C (δ − 1)² − D (τ − 1)²).
struct TNonAnalyticTerm {
    double n;
    double a;
    double b;
    double beta;
    double A;
    double B;
    double C;
    double D;
};

// Every quantity of one non-analytic term at one (τ, δ): θ, Δ and its δ-derivatives, Δ^b and its
// derivatives, ψ and its derivatives.
struct TNonAnalyticParts {
    double Theta, DDelta, DDeltad, DDeltadd;
    double DDeltab, DDeltabid, DDeltabidd, DDeltabit, DDeltabitt, DDeltabidt;
    double Psi, Psid, Psidd, Psit, Psitt, Psidt;
};

// The quantities of one non-analytic term up to derivatives of the given order (0, 1 or 2; the
// higher ones stay 0). At δ = 1 the quotient (∂Δ/∂δ)/(δ − 1) of ∂²Δ/∂δ² is taken at its
// analytic limit; everywhere else it is formed by division.
TNonAnalyticParts NonAnalyticParts(const TNonAnalyticTerm& term, double Tau, double Delta,
                                   int order = 2);

class TCO2_FE : public TRefrigerant_FE {
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

    // Thermal conductivity, dynamic and kinematic viscosity are not modelled: each reports
    // code 1 with "<Code>_<function>; Not available for this fluid." and returns 0.
    double TCPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const;
    double DVPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const;
    double KVPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const;

  private:
    // The Gaussian and non-analytic groups and the derivatives selected by `parts`
    // (ResidualPart bits), added to r.
    static void NearCriticalAll(double Delta, double Tau, unsigned parts, THelmholzResidual& r);
    double NotAvailable(const char* functionName, std::string& ErrorText, int32_t& ErrorCode) const;
};
