#include "KX_Mixture_Blends.h"

#include <cmath>
#include <stdexcept>

#include "KX_Fluid_Objects.h"
#include "KX_R1234yf_FE_Lib_Root.h"
#include "KX_R1234zeE_FE_Lib_Root.h"
#include "KX_R125_FE_Lib_Root.h"
#include "KX_R134a_FE_Lib_Root.h"
#include "KX_R143a_FE_Lib_Root.h"
#include "KX_R32_FE_Lib_Root.h"

namespace {

// Departure functions: Lemmon and Jacobsen (2004) for the HFC pairs (one generalized function
// shared by several pairs), Bell (2022, 2023) for the HFO pairs, and two GERG-2008 functions
// (Kunz and Wagner 2012) that Akasaka's (2013) earlier R32/HFO models scale by a negative F.
constexpr TDepartureTerm R32R125[] = {
    {-0.0072955, 4.5, 2.0, 1.0}, {0.078035, 0.57, 5.0, 1.0}, {0.61007, 1.9, 1.0, 2.0},
    {0.64246, 1.2, 3.0, 2.0},    {0.014965, 0.5, 9.0, 2.0},  {-0.34049, 2.6, 2.0, 3.0},
    {0.085658, 11.4, 3.0, 3.0},  {-0.064429, 4.5, 6.0, 3.0},
};
constexpr TDepartureTerm R32R134a[] = {
    {0.22909, 1.9, 1.0, 1.0},
    {0.094074, 0.25, 3.0, 1.0},
    {0.00039876, 0.07, 8.0, 1.0},
    {0.021113, 2.0, 1.0, 2.0},
};
constexpr TDepartureTerm GeneralizedHFC[] = {
    {-0.013073, 7.4, 1.0, 1.0},
    {0.018259, 0.35, 3.0, 1.0},
    {8.1299e-06, 10.0, 11.0, 2.0},
    {0.0078496, 5.3, 2.0, 3.0},
};
constexpr TDepartureTerm MethaneCarbonDioxide[] = {
    {-0.10859387354942, 2.6, 1.0, 0.0},
    {0.080228576727389, 1.95, 2.0, 0.0},
    {-0.0093303985115717, 0.0, 3.0, 0.0},
    {0.040989274005848, 3.95, 1.0, 0.0, 1.0, 0.5, 1.0, 0.5},
    {-0.24338019772494, 7.95, 2.0, 0.0, 0.5, 0.5, 2.0, 0.5},
    {0.23855347281124, 8.0, 3.0, 0.0, 0.0, 0.5, 3.0, 0.5},
};
constexpr TDepartureTerm MethanePropane[] = {
    {0.013746429958576, 1.85, 3.0, 0.0},
    {-0.0074425012129552, 3.95, 3.0, 0.0},
    {-0.0045516600213685, 0.0, 4.0, 0.0},
    {-0.0054546603350237, 1.85, 4.0, 0.0},
    {0.0023682016824471, 3.85, 4.0, 0.0},
    {0.18007763721438, 5.25, 1.0, 0.0, 0.25, 0.5, 0.75, 0.5},
    {-0.44773942932486, 3.85, 1.0, 0.0, 0.25, 0.5, 1.0, 0.5},
    {0.0193273748882, 0.2, 1.0, 0.0, 0.0, 0.5, 2.0, 0.5},
    {-0.30632197804624, 6.5, 2.0, 0.0, 0.0, 0.5, 3.0, 0.5},
};
constexpr TDepartureTerm R1234yfR134a[] = {{0.0519, 2.477314, 1.0, 1.0},
                                           {-0.011472, 0.070541, 2.0, 2.0}};
constexpr TDepartureTerm R1234yfR1234zeE[] = {{0.07264, 0.012645, 1.0, 1.0},
                                              {-0.024746, 3.992829, 2.0, 2.0}};
constexpr TDepartureTerm R134aR1234zeE[] = {{0.068889, 3.184446, 1.0, 1.0},
                                            {-0.004831, 2.034344, 2.0, 2.0}};
constexpr TDepartureTerm R32R1234yf[] = {
    {0.449487, 2.538296, 1.0, 1.0},
    {-0.099708, 3.208604, 2.0, 1.0},
    {0.098897, 0.456509, 3.0, 1.0},
};
constexpr TDepartureTerm R32R1234zeE[] = {
    {0.295192, 0.500457, 1.0, 1.0},
    {-0.737904, 3.104735, 2.0, 1.0},
    {0.542962, 3.20172, 3.0, 1.0},
    {-0.201951, 2.567118, 4.0, 1.0},
};
constexpr TDepartureTerm R125R1234yf[] = {{-0.032013, 0.00803, 1.0, 1.0}};

// One pair as published: Kunz-Wagner (β_T, γ_T, β_V, γ_V; β for the order I, J) or the linear
// Lemmon-Jacobsen form (ξ in K, ζ in m3/mol), the factor F and its departure function.
struct TPairRecord {
    const char* I;
    const char* J;
    bool Linear;
    double BetaT, GammaT, BetaV, GammaV;  // Kunz-Wagner form
    double Xi, Zeta;                      // linear form
    double F;
    std::span<const TDepartureTerm> Departure;
    bool Alternative;  // Akasaka's earlier parameters of an R32/HFO pair
};

// Lemmon and Jacobsen (2004); Bell (2022: R1234yf/R134a, R1234yf/R1234ze(E),
// R134a/R1234ze(E); 2023: R32/R1234yf, R32/R1234ze(E), R125/R1234yf; 2025: R125/R1234ze(E),
// without departure function); Akasaka (2013) as the alternative R32/HFO models.
const TPairRecord PairRecords[] = {
    {"R32", "R125", true, 1, 1, 1, 1, 28.95, -6.008e-06, 1.0, R32R125, false},
    {"R32", "R134a", true, 1, 1, 1, 1, 7.909, -2.039e-06, 1.0, R32R134a, false},
    {"R125", "R134a", true, 1, 1, 1, 1, -0.4326, -3.453e-07, 1.0, GeneralizedHFC, false},
    {"R125", "R143a", true, 1, 1, 1, 1, 5.551, -4.452e-07, 1.1697, GeneralizedHFC, false},
    {"R134a", "R143a", true, 1, 1, 1, 1, 2.324, 6.182e-07, 0.5557, GeneralizedHFC, false},
    {"R32", "R1234yf", false, 1.011011, 0.966965, 1.007852, 1.037663, 0, 0, 1.0, R32R1234yf, false},
    {"R32", "R1234ze(E)", false, 1.005148, 0.946105, 0.999032, 1.029821, 0, 0, 1.0, R32R1234zeE,
     false},
    {"R125", "R1234yf", false, 0.999969, 0.998028, 0.998226, 1.006068, 0, 0, 1.0, R125R1234yf,
     false},
    {"R1234yf", "R134a", false, 1.000026, 0.987057, 1.000272, 1.003747, 0, 0, 1.0, R1234yfR134a,
     false},
    {"R1234yf", "R1234ze(E)", false, 0.998886, 0.999309, 0.999302, 0.99859, 0, 0, 1.0,
     R1234yfR1234zeE, false},
    {"R134a", "R1234ze(E)", false, 0.998593, 0.992009, 0.998995, 0.998621, 0, 0, 1.0, R134aR1234zeE,
     false},
    {"R125", "R1234ze(E)", false, 0.994388, 1.00124, 1.028287, 0.999334, 0, 0, 0.0, {}, false},
    {"R32", "R1234yf", false, 1.00052, 0.948538, 0.993346, 1.02211, 0, 0, -0.277708,
     MethaneCarbonDioxide, true},
    {"R32", "R1234ze(E)", false, 1.00343, 0.977857, 1.00586, 0.982707, 0, 0, -0.265419,
     MethanePropane, true},
};

// The pair of components a, b (given in the mixture's order a before b) in Kunz-Wagner form.
TMixturePair PairOf(const TMixtureComponent& a, const TMixtureComponent& b, std::size_t ia,
                    std::size_t ib, bool alternative) {
    const TPairRecord* rec = nullptr;
    for (const TPairRecord& r : PairRecords) {
        const bool match = (a.Name == r.I && b.Name == r.J) || (a.Name == r.J && b.Name == r.I);
        if (match && (r.Alternative == alternative || (!rec && !r.Alternative))) rec = &r;
    }
    if (!rec) throw std::invalid_argument("mixture: no parameters for " + a.Name + "/" + b.Name);
    TMixturePair p;
    p.I = ia;
    p.J = ib;
    p.F = rec->F;
    p.Departure = rec->Departure;
    if (rec->Linear) {
        // T_r and v_r linear in the pair term: exactly Kunz-Wagner with β = 1.
        const double vi = 1.0 / a.RhoC, vj = 1.0 / b.RhoC;
        const double cube = std::cbrt(vi) + std::cbrt(vj);
        p.GammaT = (a.Tc + b.Tc + rec->Xi) / (2.0 * std::sqrt(a.Tc * b.Tc));
        p.GammaV = (vi + vj + rec->Zeta) / (0.25 * cube * cube * cube);
    } else {
        const bool swapped = a.Name != rec->I;  // β belongs to the published order
        p.BetaT = swapped ? 1.0 / rec->BetaT : rec->BetaT;
        p.BetaV = swapped ? 1.0 / rec->BetaV : rec->BetaV;
        p.GammaT = rec->GammaT;
        p.GammaV = rec->GammaV;
    }
    return p;
}

}  // namespace

// Built at the first call (strings and vectors): a static initializer of another file (a
// benchmark's registration) may ask for a blend before this file's own statics exist.
std::span<const TBlendDefinition> BlendDefinitions() {
    static const TBlendDefinition blends[] = {
        {"R-410A", {"R32", "R125"}, {0.5, 0.5}},
        {"R-407C", {"R32", "R125", "R134a"}, {0.23, 0.25, 0.52}},
        {"R-404A", {"R125", "R143a", "R134a"}, {0.44, 0.52, 0.04}},
        {"R-507A", {"R125", "R143a"}, {0.5, 0.5}},
        {"R-454B", {"R32", "R1234yf"}, {0.689, 0.311}},
        {"R-513A", {"R1234yf", "R134a"}, {0.56, 0.44}},
        {"R-448A",
         {"R32", "R125", "R1234yf", "R134a", "R1234ze(E)"},
         {0.26, 0.26, 0.2, 0.21, 0.07}},
        {"R-449A", {"R32", "R125", "R1234yf", "R134a"}, {0.243, 0.247, 0.253, 0.257}},
        {"R-452B", {"R32", "R125", "R1234yf"}, {0.67, 0.07, 0.26}},
        {"R-454A", {"R32", "R1234yf"}, {0.35, 0.65}},
        {"R-454C", {"R32", "R1234yf"}, {0.215, 0.785}},
    };
    return blends;
}

TMixtureComponent RefrigerantComponent(const std::string& name) {
    if (name == "R32") return MixtureComponentOf(name, R32Fluid());
    if (name == "R125") return MixtureComponentOf(name, R125Fluid());
    if (name == "R134a") return MixtureComponentOf(name, R134aFluid());
    if (name == "R143a") return MixtureComponentOf(name, R143aFluid());
    if (name == "R1234yf") return MixtureComponentOf(name, R1234yfFluid());
    if (name == "R1234ze(E)") return MixtureComponentOf(name, R1234zeEFluid());
    throw std::invalid_argument("mixture: unknown component " + name);
}

TMixture MakeMixture(const std::vector<std::string>& names, std::span<const double> moleFractions,
                     double gasConstant, bool alternativePairs) {
    std::vector<TMixtureComponent> components;
    for (const std::string& name : names) components.push_back(RefrigerantComponent(name));
    std::vector<TMixturePair> pairs;
    for (std::size_t i = 0; i < components.size(); ++i)
        for (std::size_t j = i + 1; j < components.size(); ++j)
            pairs.push_back(PairOf(components[i], components[j], i, j, alternativePairs));
    return TMixture(std::move(components), std::move(pairs), moleFractions, gasConstant);
}

TMixture MakeBlend(const std::string& name, bool alternativePairs) {
    for (const TBlendDefinition& b : BlendDefinitions()) {
        if (name != b.Name) continue;
        std::vector<TMixtureComponent> components;
        for (const std::string& c : b.Components) components.push_back(RefrigerantComponent(c));
        const std::vector<double> x = MoleFractionsFromMass(components, b.MassFractions);
        return MakeMixture(b.Components, x, MixtureGasConstant, alternativePairs);
    }
    throw std::invalid_argument("mixture: unknown blend " + name);
}
