#pragma once
// The curves of a psychrometric chart of a humid-air library at one pressure: dry-bulb
// temperature (x, °C) against humidity ratio (y, kg/kg), with the saturation curve, curves of
// relative humidity, and lines of enthalpy, wet-bulb temperature and specific volume, as point
// lists in standard units. Every coordinate is a value the chart was computed at or the answer
// of a library function there; where a line meets the saturation curve or the chart's edge is
// searched among the library's answers.
#include <optional>
#include <string>
#include <vector>

#include "KXDiagram.h"
#include "KXExplorerUnits.h"
#include "KXHumidAir.h"

inline constexpr double KXStandardPressure = 1.01325;  // bar(a)

enum class TKXPsychroLineKind { Saturation, RelativeHumidity, Enthalpy, WetBulb, Volume };

struct TKXPsychroLine {
    TKXPsychroLineKind Kind = TKXPsychroLineKind::Saturation;
    std::string Key;     // the key held constant: "RH", "h", "Twb", "v"; "" for saturation
    double Value = 0.0;  // its value in standard units
    std::vector<TKXPoint> Points;  // (T, W), from the lower to the upper end
};

struct TKXPsychroChart {
    double Pressure = KXStandardPressure;
    TKXPoint Min{-10.0, 0.0}, Max{50.0, 0.030};  // the chart's box: T and W
    std::vector<TKXPsychroLine> Lines;
    std::string Error;  // the library's text when there is no chart at this pressure

    bool Ok() const { return Error.empty(); }
};

// The chart at pressure p (bar(a)) over dry-bulb temperatures tMin..tMax (°C); the humidity
// ratio axis ends at 0.030 kg/kg at standard pressure and grows as the pressure falls. The
// enthalpy, wet-bulb and volume lines are at round values in the units of `units` (standard
// units without).
TKXPsychroChart ComputePsychroChart(const TKXHumidAirFunctions& air, double p = KXStandardPressure,
                                    const TKXUnitChoice* units = nullptr, double tMin = -10.0,
                                    double tMax = 50.0);

// Where a humid-air state lies on the chart: (T, W); nothing for a failed state.
std::optional<TKXPoint> HumidStateInChart(const TKXState& state);
