#include "KX_Library_Info.h"

#include <cstdio>

const char* KXLibraryKindText(TKXLibraryKind kind) {
    switch (kind) {
        case TKXLibraryKind::WaterIF97:
            return "water IF97";
        case TKXLibraryKind::PureFluidHelmholtz:
            return "pure fluid Helmholtz";
        case TKXLibraryKind::Blend:
            return "blend";
        case TKXLibraryKind::Mixture:
            return "mixture";
        case TKXLibraryKind::HumidAir:
            return "humid air";
    }
    return "";
}

namespace {
std::string Number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}
}  // namespace

std::vector<std::pair<std::string, std::string>> TKXLibraryInfo::Rows() const {
    std::string pairs;
    for (const auto& p : InputPairs) pairs += (pairs.empty() ? "" : " ") + p;
    return {
        {"kind", KXLibraryKindText(Kind)},
        {"display_name", DisplayName},
        {"chemical_name", ChemicalName},
        {"ashrae", Ashrae},
        {"cas", Cas},
        {"molar_mass", Number(MolarMass)},
        {"T_critical", Number(CriticalTemperature)},
        {"p_critical", Number(CriticalPressure)},
        {"T_triple", Number(TripleTemperature)},
        {"p_triple", Number(TriplePressure)},
        {"T_min", Number(MinTemperature)},
        {"T_max", Number(MaxTemperature)},
        {"p_max", Number(MaxPressure)},
        {"T_max_low_pressure", Number(MaxTemperatureLowPressure)},
        {"p_low_pressure", Number(LowPressureLimit)},
        {"reference_state", ReferenceState},
        {"equation_of_state", EquationOfState},
        {"transport", Transport},
        {"surface_tension", SurfaceTension},
        {"input_pairs", pairs},
        {"has_transport", HasTransport ? "yes" : "no"},
        {"function_notes", FunctionNotes},
    };
}
