#pragma once
// A whole state of one library from an input pair: every property the library offers there, the
// phase in words and, inside the dome, the saturated liquid and vapour beside the mixture. All
// values are in standard units; every number is the answer of a library function.
#include <cstdint>
#include <string>
#include <vector>

#include "KXFluidFunctions.h"

enum class TKXInputPair { PT, PH, PS, TX, PX, TH, TS };

struct TKXPairInfo {
    TKXInputPair Pair;
    const char* Key;   // "pT", "ph", ... as the CLI spells it
    const char* Key1;  // property key of the first value ("p")
    const char* Key2;  // property key of the second value ("T")
};

const std::vector<TKXPairInfo>& AllInputPairs();
const TKXPairInfo* FindInputPair(const std::string& key);
// The pairs this library can start a state from: those its information lists, in its order.
std::vector<TKXPairInfo> OfferedInputPairs(const TKXFluidFunctions& fluid);

// One row of the state table: its key (as the CLI prints it), its name and quantity index.
struct TKXPropertyInfo {
    const char* Key;
    const char* Name;
    int32_t Quantity;    // index in the quantity catalogue; -1 for the phase words
    const char* FromPT;  // single-phase function of (p, T) giving it, or "" when none
};

// Keys in table order: T p rho v h s cp cv w x phase eta nu lambda Pr sigma.
const std::vector<TKXPropertyInfo>& AllProperties();
// A key of AllProperties, or of a mixture's composition rows (below) once they were offered.
const TKXPropertyInfo* FindProperty(const std::string& key);
// The rows this library offers (a (p, T) function, or one of the always-present rows), and for
// a mixture with phase compositions, after them, three rows per component (R32: z_R32 the feed,
// x_R32 the liquid and y_R32 the vapour of a two-phase state, mole fractions; named "R32 in
// feed", "R32 in liquid", "R32 in vapour").
std::vector<TKXPropertyInfo> OfferedProperties(const TKXFluidFunctions& fluid);
// Whether the key is one of those composition rows.
bool IsCompositionKey(const std::string& key);

// A cell: a number in standard units, or a text (phase words or an error text), or nothing.
struct TKXCell {
    bool HasValue = false;
    double Value = 0.0;
    std::string Text;

    static TKXCell Number(double v) { return {true, v, {}}; }
    static TKXCell Words(std::string t) { return {false, 0.0, std::move(t)}; }
    bool Empty() const { return !HasValue && Text.empty(); }
};

struct TKXStateRow {
    TKXPropertyInfo Property;
    TKXCell Mixture;  // the state itself
    TKXCell Liquid;   // saturated liquid, states on or inside the dome only
    TKXCell Vapour;   // saturated vapour, states on or inside the dome only
};

struct TKXState {
    bool Ok = false;
    std::string ErrorText;  // the library's text when the state could not be found
    bool TwoPhase = false;  // on or inside the dome: the liquid and vapour columns are filled
    std::string Phase;
    std::vector<TKXStateRow> Rows;

    const TKXStateRow* Row(const std::string& key) const;
};

// x1 and x2 in standard units (bar(a), °C, kJ/kg, kJ/kgK, vapour fraction).
TKXState ComputeState(const TKXFluidFunctions& fluid, TKXInputPair pair, double x1, double x2);

// Phase words of a single-phase state at (p, T); an IF97 library adds its region.
std::string SinglePhaseWords(const TKXFluidFunctions& fluid, double p, double t);

// Which reference state h and s of this library follow, in one sentence, as its information
// states it ("Reference state: ...").
std::string ReferenceStateNote(const TKXFluidFunctions& fluid);
