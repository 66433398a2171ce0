#pragma once
// Multi-fluid mixture model: the reduced residual Helmholtz energy of a mixture is the
// mole-fraction-weighted sum of its components' residual parts plus binary departure
// functions, all at the mixture's reduced temperature and density τ = T_r(x)/T, δ = ρ/ρ_r(x)
// (Kunz-Wagner reducing functions; the linear Lemmon-Jacobsen form is rewritten into them).
// The ideal part is each component's own, at its own τᵢ, δᵢ, on its pure fluid's reference state.
//
// Units of this layer: T in K, p in Pa, molar density in mol/m3, molar energies in J/mol and
// J/(mol K), molar mass in kg/mol, speed of sound in m/s. Compositions are mole fractions in the
// component order of the mixture.
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "HelmholzFluidObject.h"

// Gas constant of every mixture property (J/(mol K)); the components' own values differ from
// it by less than 2e-6 relative, one value keeps p, h and s of the mixture consistent.
inline constexpr double MixtureGasConstant = 8.3144598;

// Largest number of components; the solvers keep their compositions in fixed arrays.
inline constexpr std::size_t MaxMixtureComponents = 8;
using TComposition = std::array<double, MaxMixtureComponents>;

// One term of a departure function, n δ^d τ^t exp(−δ^l − η(δ−ε)² − β(δ−γ)): l > 0 for the
// power terms with an exponential (η = β = 0), l = 0 for the GERG exponential terms (and for
// plain polynomial terms, η = β = 0 too).
struct TDepartureTerm {
    double n, t, d, l;
    double eta = 0.0, epsilon = 0.0, beta = 0.0, gamma = 0.0;
};

// α_ij(δ, τ) and its derivatives (the same fields as a pure fluid's residual part).
void DepartureFunction(std::span<const TDepartureTerm> terms, double delta, double tau,
                       THelmholzResidual& r);

// A component: its pure-fluid model and the constants the mixture takes from it.
struct TMixtureComponent {
    std::string Name;
    const THelmholzFluid* Fluid = nullptr;
    double Tc = 0.0;     // reducing temperature of its equation (K)
    double RhoC = 0.0;   // reducing molar density of its equation (mol/m3)
    double M = 0.0;      // molar mass (kg/mol)
    double Pc = 0.0;     // critical pressure (Pa), start values only
    double Omega = 0.0;  // acentric factor, start values only
};
TMixtureComponent MixtureComponentOf(const std::string& name, const THelmholzFluid& fluid);

// The parameters of one pair i < j (indices into the components) in Kunz-Wagner form: β
// belongs to the order i, j. F = 0 or an empty departure: no departure function.
struct TMixturePair {
    std::size_t I = 0, J = 0;
    double BetaT = 1.0, GammaT = 1.0, BetaV = 1.0, GammaV = 1.0;
    double F = 0.0;
    std::span<const TDepartureTerm> Departure;
};

// Reducing temperature (K) and density (mol/m3) of a composition and their derivatives with
// respect to each mole fraction, all mole fractions taken as independent.
struct TReducingValues {
    double Tr = 0.0, RhoR = 0.0;
    TComposition dTr{}, dRhoR{};
};

// Caloric and volumetric properties of one phase (J/mol, J/(mol K), Pa, m/s).
struct TMixtureState {
    double P = 0.0, H = 0.0, S = 0.0, Cv = 0.0, Cp = 0.0, W = 0.0;
};

// Which root of p(ρ) at (T, p, x).
enum class TMixturePhase { Liquid, Vapour };

class TMixture {
  public:
    // Components, the parameters of every pair that has any (pairs not given are ideal:
    // β = γ = 1, no departure function), the composition (mole fractions, normalised here) and
    // the gas constant.
    TMixture(std::vector<TMixtureComponent> components, std::vector<TMixturePair> pairs,
             std::span<const double> moleFractions, double gasConstant = MixtureGasConstant);

    std::size_t Size() const { return components_.size(); }
    const TMixtureComponent& Component(std::size_t i) const { return components_[i]; }
    std::span<const double> Composition() const { return {z_.data(), components_.size()}; }
    double GasConstant() const { return R_; }
    double MolarMass(std::span<const double> x) const;  // kg/mol

    void Reducing(std::span<const double> x, TReducingValues& r) const;
    // αʳ with its δ, τ derivatives at (δ, τ, x); with dAdx, also ∂αʳ/∂xᵢ at constant δ, τ.
    void Residual(double delta, double tau, std::span<const double> x, THelmholzResidual& r,
                  double* dAdx = nullptr) const;

    double Pressure(double T, double rho, std::span<const double> x) const;
    // The liquid or vapour root of p(T, ρ, x) = p by Newton iteration that stays on the
    // mechanically stable branch; 0 when that branch has no root at p. guess: a root of a
    // nearby state to start from (0: none).
    double Density(double T, double p, std::span<const double> x, TMixturePhase phase,
                   double guess = 0.0) const;
    // The root of lower Gibbs energy at (T, p, x), for a state known to be one phase (above
    // the saturation lines). A vapour root counts only where the isotherm rises all the way to
    // it from zero density: at low temperatures and high pressures the equation has a spurious
    // stable loop, whose root Newton's method from the ideal gas can reach. 0: no root.
    double StableDensity(double T, double p, std::span<const double> x) const;
    // ln φᵢ of every component at (T, ρ, x) into lnPhi.
    // pressure: the state's pressure where ρ is a density root at it; Z = p/(ρRT) then avoids
    // the cancellation in 1 + δαʳ_δ of a dense liquid (Z of 1e-3 carries 1e-12 relative).
    void LnFugacityCoefficients(double T, double rho, std::span<const double> x,
                                std::span<double> lnPhi, double pressure = 0.0) const;
    // One phase at (T, ρ, x): pressure, enthalpy, entropy, heat capacities, speed of sound.
    TMixtureState State(double T, double rho, std::span<const double> x) const;

  private:
    double DensityFrom(double T, double p, std::span<const double> x, const TReducingValues& red,
                       double tau, double delta, bool denseStart) const;
    // Only Phid and Phidd of the residual part, what a density iteration needs.
    void ResidualDeltaDerivatives(double delta, double tau, std::span<const double> x,
                                  THelmholzResidual& r) const;

    std::vector<TMixtureComponent> components_;
    std::vector<TMixturePair> pairs_;
    TComposition z_{};
    double R_;
    // Pair constants of the reducing sums: 2 β γ Y_c,ij for T and v, and β² of each.
    std::vector<double> cT_, cV_, b2T_, b2V_;
};

// Mole fractions from mass fractions and back, with the components' molar masses.
std::vector<double> MoleFractionsFromMass(std::span<const TMixtureComponent> components,
                                          std::span<const double> massFractions);
std::vector<double> MassFractionsFromMole(std::span<const TMixtureComponent> components,
                                          std::span<const double> moleFractions);
