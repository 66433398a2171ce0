#pragma once
// The one data-driven form of the ideal-gas part: φo = ln δ + a1 + a2 τ + c ln τ + Σ b τ^e
// + Σ m ln(1 − exp(−θ τ)); a fluid gives only its coefficients. The refrigerants, carbon dioxide
// and argon use it.
#include <span>

// Ideal-gas part φo = ln δ + a1 + a2 τ + c ln τ + Σ b τ^e + Σ m ln(1 − exp(−θ τ)).
struct TIdealPowerTerm {
    double b;
    double e;
};
struct TIdealPlanckTerm {
    double m;
    double theta;
};
struct TIdealGasPart {
    double a1;
    double a2;
    double c;  // coefficient of ln τ
    std::span<const TIdealPowerTerm> powers;
    std::span<const TIdealPlanckTerm> planck;
};

double IdealPhio(const TIdealGasPart& part, double Delta, double Tau);
double IdealPhiot(const TIdealGasPart& part, double Tau);
double IdealPhiott(const TIdealGasPart& part, double Tau);
