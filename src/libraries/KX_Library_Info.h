#pragma once
// What a library states about itself: the fluid and its model, the range of validity, the
// reference state, the sources, and what the explorer can ask of it. Registered with each
// library, so the window, the explorer, the command line and the interfaces read it instead of
// probing the functions.
#include <string>
#include <utility>
#include <vector>

// The kind of model behind a library.
enum class TKXLibraryKind { WaterIF97, PureFluidHelmholtz, Blend, Mixture, HumidAir };

// The words of a kind as `info` prints them ("water IF97", "pure fluid Helmholtz", ...).
const char* KXLibraryKindText(TKXLibraryKind kind);

struct TKXLibraryInfo {
    TKXLibraryKind Kind = TKXLibraryKind::PureFluidHelmholtz;
    std::string DisplayName;           // what a person types and reads: "R134a", "water"
    std::vector<std::string> Aliases;  // further short names a person may type ("IF97")
    std::string ChemicalName;          // "1,1,1,2-tetrafluoroethane"
    std::string Ashrae;      // ASHRAE 34 designation ("R-134a"); empty where there is none
    std::string Cas;         // CAS registry number; empty where there is none
    double MolarMass = 0.0;  // kg/kmol
    // Critical and triple point in standard units (°C, bar(a)): the ends of the saturation line.
    double CriticalTemperature = 0.0;
    double CriticalPressure = 0.0;
    double TripleTemperature = 0.0;
    double TriplePressure = 0.0;
    // Range of validity of the single-phase functions (°C, bar(a)): MaxTemperature holds at every
    // pressure up to MaxPressure; up to LowPressureLimit the functions reach the higher
    // MaxTemperatureLowPressure (water: 2000 °C up to 100 bar); elsewhere both equal the others.
    double MinTemperature = 0.0;
    double MaxTemperature = 0.0;
    double MaxPressure = 0.0;
    double MaxTemperatureLowPressure = 0.0;
    double LowPressureLimit = 0.0;
    // The reference state in words, with its values ("h = 200 kJ/kg and s = 1 kJ/kgK for
    // saturated liquid at 0 °C (IIR)").
    std::string ReferenceState;
    // Citations of the models.
    std::string EquationOfState;
    std::string Transport;       // viscosity and thermal conductivity; empty without transport
    std::string SurfaceTension;  // empty without a surface-tension function
    // Input pairs of the explorer ("pT", "ph", "ps", "Tx", "px", "Th", "Ts"), in order of use.
    std::vector<std::string> InputPairs;
    bool HasTransport = false;
    // What some functions of the library answer beyond what their names say ("PsatT: the bubble
    // pressure; ..."), one "NAME: meaning" per function, separated by "; "; empty where the
    // names say it all.
    std::string FunctionNotes;
    // A mixture's components in the order of its component index (1 for the first), with their
    // mole fractions; empty for every other kind.
    std::vector<std::string> Components;
    std::vector<double> MoleFractions;
    // Every function takes a composition (a mole fraction) as its last argument: the binary-pair
    // mixtures. The explorer's states, tables, diagrams and cycles have no composition to give.
    bool CompositionArgument = false;

    // KEY, VALUE rows in a fixed order, numbers with 17 significant digits; the rows of
    // `varnexa-cli info`, the C interface and the Python module.
    std::vector<std::pair<std::string, std::string>> Rows() const;
};
