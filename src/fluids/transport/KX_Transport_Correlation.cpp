#include "KX_Transport_Correlation.h"

namespace kxtransport {

double DiluteViscosity(const TViscosityCorrelation& model, double T) {
    if (model.diluteFitted) return Evaluate(*model.diluteFitted, T);
    if (model.diluteNeufeld) return Evaluate(*model.diluteNeufeld, T);
    if (model.dilutePolynomial) return Evaluate(*model.dilutePolynomial, T);
    if (model.diluteCO2) return Evaluate(*model.diluteCO2, T);
    if (model.diluteRatio) return Evaluate(*model.diluteRatio, T);
    return 0.0;
}

TViscosityParts Evaluate(const TViscosityCorrelation& model, const TTransportState& state) {
    TViscosityParts parts;
    parts.dilute = DiluteViscosity(model, state.T);
    if (model.initialDensity)
        parts.initialDensity = Evaluate(*model.initialDensity, parts.dilute, state);
    if (model.residualSum) parts.residual += Evaluate(*model.residualSum, state);
    if (model.residualHydrogen) parts.residual += Evaluate(*model.residualHydrogen, state);
    if (model.residualCO2) parts.residual += Evaluate(*model.residualCO2, state);
    if (model.residualRational) parts.residual += Evaluate(*model.residualRational, state);
    return parts;
}

TConductivityParts Evaluate(const TConductivityCorrelation& model, const TTransportState& state) {
    TConductivityParts parts;
    TViscosityParts eta;
    if (model.viscosity && (model.critical || model.diluteFromViscosity))
        eta = Evaluate(*model.viscosity, state);
    if (model.diluteRatio) parts.dilute = Evaluate(*model.diluteRatio, state.T);
    if (model.diluteFromViscosity)
        parts.dilute = Evaluate(*model.diluteFromViscosity, eta.dilute, state.T);
    if (model.diluteCO2) parts.dilute = Evaluate(*model.diluteCO2, state.T);
    if (model.diluteRoot) parts.dilute = Evaluate(*model.diluteRoot, state.T);
    if (model.residualPolynomial) parts.residual += Evaluate(*model.residualPolynomial, state);
    if (model.residualSum) parts.residual += Evaluate(*model.residualSum, state);
    if (model.critical) parts.critical = Evaluate(*model.critical, eta.Total(), state);
    if (model.criticalR123) parts.critical = Evaluate(*model.criticalR123, state);
    if (model.criticalAmmonia) parts.critical = Evaluate(*model.criticalAmmonia, state);
    return parts;
}

TConductivityParts Evaluate(const TConductivityCorrelation& model, const TTransportState& state,
                            double eta) {
    TConductivityCorrelation background = model;
    background.critical = nullptr;
    background.viscosity = nullptr;
    TConductivityParts parts = Evaluate(background, state);
    if (model.critical) parts.critical = Evaluate(*model.critical, eta, state);
    return parts;
}

double Viscosity(const TViscosityCorrelation& model, const THelmholzFluid& fluid, double D,
                 double T) {
    return Evaluate(model, DensityState(fluid, D, T)).Total();
}

double Conductivity(const TConductivityCorrelation& model, const THelmholzFluid& fluid, double D,
                    double T) {
    TTransportState state = DensityState(fluid, D, T);
    if (NeedsCaloricState(model))
        AddCaloricState(fluid, CriticalReferenceTemperature(model), state);
    return Evaluate(model, state).Total();
}

double Viscosity(const TViscosityAmmonia& model, const THelmholzFluid& fluid, double D, double T) {
    return Evaluate(model, DensityState(fluid, D, T));
}

double Evaluate(const TViscosityStephan& model, const TTransportState& state) {
    return (Evaluate(*model.dilute, state.T) + Evaluate(*model.excess, state)) * 1e-06;
}

double Viscosity(const TViscosityStephan& model, const THelmholzFluid& fluid, double D, double T) {
    return Evaluate(model, DensityState(fluid, D, T));
}

double Evaluate(const TConductivityStephan& model, const TTransportState& state) {
    const double eta0 = Evaluate(*model.viscosity->dilute, state.T);
    return (Evaluate(*model.dilute, eta0, state.T) + Evaluate(*model.excess, state)) / 1000.0;
}

double Conductivity(const TConductivityStephan& model, const THelmholzFluid& fluid, double D,
                    double T) {
    return Evaluate(model, DensityState(fluid, D, T));
}

}  // namespace kxtransport
