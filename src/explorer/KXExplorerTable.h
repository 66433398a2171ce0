#pragma once
// Property tables of one library: the saturation line by temperature or pressure, and isobars or
// isotherms of single-phase states; and their export as tab- or comma-separated text.
#include <functional>
#include <string>
#include <vector>

#include "KXExplorerState.h"
#include "KXExplorerUnits.h"

enum class TKXTableKind { SaturationByT, SaturationByP, Isobar, Isotherm };

struct TKXTableRow {
    std::vector<TKXCell> Cells;  // one per key; a failed row holds only its T and p
    std::string Error;           // the library's text when the row failed
};

struct TKXTable {
    std::vector<std::string> Keys;
    std::vector<TKXTableRow> Rows;
};

// The values from `from` to `to` by `step` (to included when a step lands on it), at most
// maxCount of them; empty with a reason in error for a zero step, a step away from `to`, too many
// values or a bound that is not finite.
std::vector<double> RangeByStep(double from, double to, double step, std::string& error,
                                std::size_t maxCount = 100000);
// count values from `from` to `to`, both included (count >= 2, or 1 for from alone).
std::vector<double> RangeByCount(double from, double to, int count, std::string& error);

// Columns of a saturation table: T p rho_liq rho_vap h_liq h_vap hvap s_liq s_vap.
std::vector<std::string> SaturationKeys();
// A library with bubble and dew lines (a refrigerant blend: PbubT, TbubP, TglideP, ...).
bool HasBubbleAndDewLines(const TKXFluidFunctions& fluid);
// The columns of this library's saturation table by temperature or pressure: SaturationKeys(),
// or for a blend the given value, the liquid (bubble) and vapour (dew) pressures or temperatures
// (p_liq p_vap, T_liq T_vap), the saturated columns and the glide (K) at the row's pressure (by
// temperature at the bubble pressure): T p_liq p_vap rho_liq ... s_vap glide.
std::vector<std::string> SaturationKeys(const TKXFluidFunctions& fluid, bool byT);
// Columns of an isobar or isotherm: the state keys the library offers, surface tension aside.
std::vector<std::string> SinglePhaseKeys(const TKXFluidFunctions& fluid);

// fixed is the pressure of an isobar or the temperature of an isotherm (unused for saturation);
// values are the scanned temperatures or pressures; everything in standard units.
TKXTable ComputeTable(const TKXFluidFunctions& fluid, TKXTableKind kind, double fixed,
                      const std::vector<double>& values);

// Writes a number in the chosen precision (the front ends hand in their number format).
using TKXNumberFormat = std::function<std::string(double)>;

// A cell as text: a number converted to the key's unit and formatted, or its words.
std::string CellText(const TKXCell& cell, const std::string& key, const TKXUnitChoice& units,
                     const TKXNumberFormat& format);
// "T [°C]"; just the key when it has no unit.
std::string ColumnTitle(const std::string& key, const TKXUnitChoice& units);

// The numbers of format with a decimal comma, as a spreadsheet in a decimal-comma locale reads
// them (with ';' between the fields of a file).
TKXNumberFormat WithDecimalComma(TKXNumberFormat format);

// One header line of keys with units in brackets, then one line per row; a failed row carries
// its text after the cells it has. Comma- and semicolon-separated fields are quoted when they
// need it.
std::string ExportTable(const TKXTable& table, const TKXUnitChoice& units,
                        const TKXNumberFormat& format, char separator);
// The state in the same layout: a column "state" naming the row (the state, and on the dome the
// saturated liquid and vapour beside it), then the keys.
std::string ExportState(const TKXState& state, const TKXUnitChoice& units,
                        const TKXNumberFormat& format, char separator);
