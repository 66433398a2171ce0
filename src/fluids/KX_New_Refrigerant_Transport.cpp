#include "KX_New_Refrigerant_Transport.h"

#include "KX_ECS_Refrigerants.h"
#include "transport/KX_Transport_Fluids.h"

namespace kxtransport {

namespace {

TECSViscosity OnR134a(TECSViscosity model) {
    model.reference = &R134aReference();
    return model;
}

// The extended-corresponding-states viscosity and, with it in the critical enhancement, the
// conductivity, from one conformal state.
double ECSConductivityDT(const TECSViscosity& viscosity,
                         const TConductivityCorrelation& conductivity, const THelmholzFluid& fluid,
                         double D, double T) {
    const TTransportState state =
        CaloricState(fluid, D, T, CriticalReferenceTemperature(conductivity));
    const TConformalState c = ConformalState(*viscosity.reference, viscosity.fluid, state);
    const double eta = EvaluateParts(viscosity, state, c).Total();
    return Evaluate(conductivity, state, eta).Total();
}

}  // namespace

const TECSViscosity& R1233zdEECSViscosity() {
    static const TECSViscosity model = OnR134a(R1233zdEViscosity);
    return model;
}

const TECSViscosity& R143aECSViscosity() {
    static const TECSViscosity model = OnR134a(R143aViscosity);
    return model;
}

const TECSViscosity& R1336mzzZECSViscosity() {
    static const TECSViscosity model = OnR134a(R1336mzzZViscosity);
    return model;
}

double R1234yfViscosityDT(const THelmholzFluid& fluid, double D, double T) {
    return Viscosity(R1234yfViscosity, fluid, D, T);
}

double R1234yfConductivityDT(const THelmholzFluid& fluid, double D, double T) {
    return Conductivity(R1234yfConductivity, fluid, D, T);
}

double R1233zdEViscosityDT(const THelmholzFluid& fluid, double D, double T) {
    return ECSViscosityDT(R1233zdEECSViscosity(), fluid, D, T);
}

double R1233zdEConductivityDT(const THelmholzFluid& fluid, double D, double T) {
    return ECSConductivityDT(R1233zdEECSViscosity(), R1233zdEConductivity, fluid, D, T);
}

double R143aViscosityDT(const THelmholzFluid& fluid, double D, double T) {
    return ECSViscosityDT(R143aECSViscosity(), fluid, D, T);
}

double R143aConductivityDT(const THelmholzFluid& fluid, double D, double T) {
    return ECSConductivityDT(R143aECSViscosity(), R143aConductivity, fluid, D, T);
}

double R1336mzzZViscosityDT(const THelmholzFluid& fluid, double D, double T) {
    return ECSViscosityDT(R1336mzzZECSViscosity(), fluid, D, T);
}

double R1336mzzZConductivityDT(const THelmholzFluid& fluid, double D, double T) {
    return ECSConductivityDT(R1336mzzZECSViscosity(), R1336mzzZConductivity, fluid, D, T);
}

}  // namespace kxtransport
