#pragma once
// Thermodynamic cycles of one library: single-stage vapour compression (with optional internal
// heat exchanger and pressure drops), transcritical vapour compression and the steam Rankine
// cycle (with optional reheat). Every property comes from the library's own functions; a cycle
// that cannot be formed (an input outside what the fluid allows, a state the library refuses)
// gives no numbers, only a message that names the input or the state.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "KXFluidFunctions.h"

// One state point: its label ("1", "1'", ...), what it is, and T (°C), p (bar(a)), h (kJ/kg),
// s (kJ/(kg K)), rho (kg/m3) and, inside the dome or on its lines, the vapour fraction x.
struct TKXCyclePoint {
    std::string Label;
    std::string Name;
    double T = 0.0, p = 0.0, h = 0.0, s = 0.0, rho = 0.0;
    bool HasX = false;
    double x = 0.0;
};

// One result: its key (as varnexa-cli prints it), value and unit.
struct TKXCycleValue {
    std::string Key;
    double Value = 0.0;
    std::string Unit;
};

struct TKXCycle {
    bool Ok = false;
    std::string ErrorText;
    std::vector<TKXCyclePoint> Points;
    std::vector<TKXCycleValue> Values;

    const TKXCycleValue* Value(const std::string& key) const;
    const TKXCyclePoint* Point(const std::string& label) const;
};

// Either the refrigerating capacity or the mass flow fixes the size; neither: 1 kg/s.
struct TKXCycleSize {
    double CapacityKW = 0.0;  // > 0: refrigerating capacity (vapour compression)
    double MassFlow = 0.0;    // > 0: kg/s
};

struct TKXVapourCompressionInput {
    // Evaporating and condensing temperatures (°C); for a blend the dew point at the evaporator
    // exit and the bubble point at the condenser exit.
    double EvaporatingT = 0.0;
    double CondensingT = 0.0;
    double Superheat = 0.0;         // K at the evaporator exit
    double Subcooling = 0.0;        // K at the condenser exit
    double IsentropicEff = 1.0;     // of the compressor, (0, 1]
    double IhxEffectiveness = 0.0;  // internal heat exchanger, [0, 1); 0: none
    double SuctionDrop = 0.0;       // bar from the evaporator exit to the compressor
    double DischargeDrop = 0.0;     // bar from the compressor to the condenser
    TKXCycleSize Size;
};

struct TKXTranscriticalInput {
    double EvaporatingT = 0.0;  // °C
    double GasCoolerP = 0.0;    // bar(a), above the critical pressure
    double GasCoolerT = 0.0;    // °C at the gas-cooler exit
    double Superheat = 0.0;
    double IsentropicEff = 1.0;
    double IhxEffectiveness = 0.0;
    double SuctionDrop = 0.0;
    double DischargeDrop = 0.0;
    TKXCycleSize Size;
};

struct TKXRankineInput {
    double BoilerP = 0.0;  // bar(a)
    double LiveT = 0.0;    // °C
    double ReheatP = 0.0;  // bar(a); 0: no reheat
    double ReheatT = 0.0;  // °C
    double CondenserP = 0.0;
    double TurbineEff = 1.0;
    double PumpEff = 1.0;
    double PowerKW = 0.0;   // > 0: net power fixes the mass flow
    double MassFlow = 0.0;  // > 0: kg/s
};

TKXCycle ComputeVapourCompression(const TKXFluidFunctions& fluid,
                                  const TKXVapourCompressionInput& in);
TKXCycle ComputeTranscritical(const TKXFluidFunctions& fluid, const TKXTranscriticalInput& in);
TKXCycle ComputeRankine(const TKXFluidFunctions& fluid, const TKXRankineInput& in);

// The cycle of a kind ("vapour-compression", "transcritical", "rankine") from named inputs: the
// option names of `varnexa-cli cycle` without their dashes ("evap", "cond", "superheat",
// "subcool", "eta-s", "ihx", "dp-suction", "dp-discharge", "capacity", "mass-flow", "p-gc",
// "T-gc", "p-boiler", "T-live", "p-reheat", "T-reheat", "p-cond", "eta-turbine", "eta-pump",
// "power"). An unknown kind or input, an input the kind does not take, or a missing one gives no
// cycle and sets usageError (the cycle's own refusals leave it false).
using TKXCycleInputs = std::vector<std::pair<std::string, double>>;

// One input of a kind of cycle: its name, its words and standard unit for a form, whether the
// cycle needs it.
struct TKXCycleInputInfo {
    const char* Name;
    const char* Label;
    const char* Unit;
    bool Required;
};
// The inputs of a kind ("vapour-compression", "transcritical", "rankine"), in the order of a form;
// empty for another kind.
const std::vector<TKXCycleInputInfo>& CycleInputs(const std::string& kind);
TKXCycle ComputeCycle(const TKXFluidFunctions& fluid, const std::string& kind,
                      const TKXCycleInputs& inputs, bool& usageError);

// The cycle as varnexa-cli prints it: a header, one line per state point (label, T p h s rho x),
// then KEY<TAB>VALUE<TAB>UNIT lines; a refused cycle as the line "error<TAB>MESSAGE".
std::string CycleText(const TKXCycle& cycle, const std::function<std::string(double)>& number);
