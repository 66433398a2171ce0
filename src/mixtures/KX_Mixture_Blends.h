#pragma once
// The refrigerant components, the parameters of their binary pairs and the blends built from
// them: the data of the mixture model, turned into TMixture objects.
#include <span>
#include <string>
#include <vector>

#include "KX_Mixture.h"

// A blend's name (as "R-410A"), its components and nominal composition in mass fractions.
struct TBlendDefinition {
    const char* Name;
    std::vector<std::string> Components;
    std::vector<double> MassFractions;
};

// The blends with pair parameters for every pair of their components.
std::span<const TBlendDefinition> BlendDefinitions();

// A component by name ("R32", "R125", "R134a", "R143a", "R1234yf", "R1234ze(E)"); throws
// std::invalid_argument for any other name.
TMixtureComponent RefrigerantComponent(const std::string& name);

// The mixture of the named components at the given mole fractions with the stored parameters of
// each pair; throws std::invalid_argument for a pair without parameters. alternativePairs takes
// Akasaka's (2013) R32/R1234yf and R32/R1234ze(E) models instead of Bell's (2023), which older
// tables and charts were made with.
TMixture MakeMixture(const std::vector<std::string>& components,
                     std::span<const double> moleFractions, double gasConstant = MixtureGasConstant,
                     bool alternativePairs = false);

// A blend at its nominal composition; throws std::invalid_argument for an unknown name.
TMixture MakeBlend(const std::string& name, bool alternativePairs = false);
