#pragma once
// A whole viscosity or thermal-conductivity correlation as data: which term of each kind it
// sums (nullptr: none). Its evaluation gives the parts term by term, so a published breakdown can
// be checked, and the total as a property of density and temperature for the library functions.
#include "HelmholzFluidObject.h"
#include "KX_Transport_State.h"
#include "KX_Transport_Terms.h"

namespace kxtransport {

// eta = dilute (one of V1, V3, V4, ratio of polynomials) + initial density (V5) + residual (V6,
// V7 or V8, and the ratio of sums).
struct TViscosityCorrelation {
    const TViscosityDiluteFitted* diluteFitted = nullptr;          // V1
    const TViscosityDiluteNeufeld* diluteNeufeld = nullptr;        // V2
    const TViscosityDilutePolynomial* dilutePolynomial = nullptr;  // V3
    const TViscosityDiluteCO2* diluteCO2 = nullptr;                // V4
    const TViscosityInitialDensity* initialDensity = nullptr;      // V5
    const TViscosityResidualSum* residualSum = nullptr;            // V6
    const TViscosityResidualHydrogen* residualHydrogen = nullptr;  // V7
    const TViscosityResidualCO2* residualCO2 = nullptr;            // V8
    const TViscosityResidualRational* residualRational = nullptr;  // ratio of sums (R1234yf)
    const TViscosityDiluteRatio* diluteRatio = nullptr;            // ratio of polynomials in T
};

// Dilute-gas viscosity alone (Pa s).
double DiluteViscosity(const TViscosityCorrelation& model, double T);
// Needs the state's temperature and densities only.
TViscosityParts Evaluate(const TViscosityCorrelation& model, const TTransportState& state);

// lambda = dilute (one of K1, K2, K3, fractional powers) + residual (K4 or K5) + critical (K6, K7
// or K8). K2 takes the dilute term of `viscosity`, K6 its total.
struct TConductivityCorrelation {
    const TConductivityDiluteRatio* diluteRatio = nullptr;                  // K1
    const TConductivityDiluteFromViscosity* diluteFromViscosity = nullptr;  // K2
    const TConductivityDiluteCO2* diluteCO2 = nullptr;                      // K3
    const TConductivityResidualPolynomial* residualPolynomial = nullptr;    // K4
    const TConductivityResidualSum* residualSum = nullptr;                  // K5
    const TConductivityCritical* critical = nullptr;                        // K6
    const TConductivityCriticalR123* criticalR123 = nullptr;                // K7
    const TConductivityCriticalAmmonia* criticalAmmonia = nullptr;          // K8
    const TViscosityCorrelation* viscosity = nullptr;                       // for K2 and K6
    const TConductivityDiluteRoot* diluteRoot = nullptr;  // fractional powers (R1336mzz(Z))
};

// True when the correlation needs the caloric state (K6).
inline bool NeedsCaloricState(const TConductivityCorrelation& model) {
    return model.critical != nullptr;
}
// The reference temperature of the critical enhancement, 0 without K6.
inline double CriticalReferenceTemperature(const TConductivityCorrelation& model) {
    return model.critical ? model.critical->Tref : 0.0;
}
// The state must be caloric (with dpdrhoRef at the K6 Tref) when NeedsCaloricState.
TConductivityParts Evaluate(const TConductivityCorrelation& model, const TTransportState& state);

// The same with the total viscosity eta (Pa s) of the critical enhancement given: for a
// correlation whose viscosity is a model of another form (extended corresponding states). Its
// dilute term must not need the viscosity (no K2).
TConductivityParts Evaluate(const TConductivityCorrelation& model, const TTransportState& state,
                            double eta);

// Totals from a fluid object at D (kg/m3) and T (°C): the state is filled as far as the
// correlation needs it.
double Viscosity(const TViscosityCorrelation& model, const THelmholzFluid& fluid, double D,
                 double T);
double Conductivity(const TConductivityCorrelation& model, const THelmholzFluid& fluid, double D,
                    double T);

// Correlations of a form of their own, each a property of the state in SI units.

// Ammonia: the Fenghour et al. (1995) viscosity is one V11 term.
double Viscosity(const TViscosityAmmonia& model, const THelmholzFluid& fluid, double D, double T);

// Nitrogen viscosity of Stephan et al. (1987): eta = (V12 + V13) 1e-6 Pa s.
struct TViscosityStephan {
    const TViscosityDiluteStephan* dilute;
    const TViscosityExcessStephan* excess;
};
double Evaluate(const TViscosityStephan& model, const TTransportState& state);
double Viscosity(const TViscosityStephan& model, const THelmholzFluid& fluid, double D, double T);

// Nitrogen conductivity of Stephan et al. (1987): lambda = (K10 + K11) / 1000 W/(m K), K10 with
// the dilute viscosity (V12) of `viscosity`.
struct TConductivityStephan {
    const TConductivityDiluteStephan* dilute;
    const TConductivityExcessStephan* excess;
    const TViscosityStephan* viscosity;
};
double Evaluate(const TConductivityStephan& model, const TTransportState& state);
double Conductivity(const TConductivityStephan& model, const THelmholzFluid& fluid, double D,
                    double T);

// Any of the correlations above bound at compile time, as a plain function pointer
// double(const THelmholzFluid&, double D, double T) for the library path.
template <const auto* Model>
double ViscosityOf(const THelmholzFluid& fluid, double D, double T) {
    return Viscosity(*Model, fluid, D, T);
}
template <const auto* Model>
double ConductivityOf(const THelmholzFluid& fluid, double D, double T) {
    return Conductivity(*Model, fluid, D, T);
}

}  // namespace kxtransport
