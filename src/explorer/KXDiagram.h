#pragma once
// The curves of a property diagram (log p-h, T-s, h-s, p-T) of one library, as point lists in
// standard units: the saturation dome from the saturation functions, isolines by the library's
// flashes. Every point is a state the library answered with code 0; where it stops answering a
// curve ends (or breaks into segments), it never falls to zero.
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "KXExplorerState.h"
#include "KXExplorerUnits.h"

enum class TKXDiagramKind { PH, TS, HS, PT };

// The keys of a kind's x and y axes: "h"/"p", "s"/"T", "s"/"h", "T"/"p".
std::pair<std::string, std::string> DiagramAxisKeys(TKXDiagramKind kind);

// "ph", "ts", "hs", "pT" as the CLI spells them.
const char* DiagramKindKey(TKXDiagramKind kind);
std::optional<TKXDiagramKind> FindDiagramKind(const std::string& key);

struct TKXPoint {
    double X = 0.0, Y = 0.0;
};

enum class TKXCurveKind {
    SaturatedLiquid,
    SaturatedVapour,
    VapourPressure,
    Isotherm,
    Isobar,
    Isentrope,
    Isenthalp,
    Isochore,
    VapourFraction
};

struct TKXCurve {
    TKXCurveKind Kind = TKXCurveKind::Isotherm;
    std::string Key;     // the key held constant ("T", "p", "s", "h", "rho", "x"); "" for the dome
    double Value = 0.0;  // its value in standard units
    std::vector<std::vector<TKXPoint>> Segments;  // unbroken runs of answered states

    std::size_t PointCount() const;
};

struct TKXDiagram {
    TKXDiagramKind Kind = TKXDiagramKind::PH;
    std::string XKey, YKey;  // the axes' keys: "h"/"p", "s"/"T", "s"/"h", "T"/"p"
    bool LogY = false;       // a pressure axis is logarithmic
    std::vector<TKXCurve> Curves;
    std::optional<TKXPoint> Critical;
    TKXPoint Min, Max;          // the view the isolines were chosen for
    TKXPoint HomeMin, HomeMax;  // the default view: the region an engineer works in
};

// What a diagram is drawn for. The isoline values are round numbers in the units shown (1-2-5
// steps, about 8 to 16 lines of a family across the view) unless a step is set for the family.
struct TKXDiagramOptions {
    // The visible range of each axis in standard units (lowest, highest); nothing: the default
    // view's.
    std::optional<std::pair<double, double>> RangeX, RangeY;
    const TKXUnitChoice* Units = nullptr;  // round values in these units; nothing: standard
    std::map<std::string, double> Steps;   // by family key, in the unit shown; 0: no such lines
    int PointsPerLine = 120;               // across the view, not the whole equation
};

// A diagram of the library with about pointsPerLine points per line, in its default view.
TKXDiagram ComputeDiagram(const TKXFluidFunctions& fluid, TKXDiagramKind kind,
                          int pointsPerLine = 200);
TKXDiagram ComputeDiagram(const TKXFluidFunctions& fluid, TKXDiagramKind kind,
                          const TKXDiagramOptions& options);

// The isoline families of a kind by the key they hold constant: "T", "p", "s", "h", "rho", "x".
std::vector<std::string> IsolineFamilies(TKXDiagramKind kind);

// The values of one family whose lines cross [lo, hi] (in the unit shown): multiples of step, or
// without a step (step < 0) round 1-2-5 steps giving about 8 to 16 values; on a logarithmic
// family (pressure, density) spanning decades the 1-2-5 (or 1-3, 1, 1-1.5-2-3-5-7) values of
// each decade. A step of 0 gives none; a step so small that it would give more than 60 lines is
// widened to 2, 5, 10 ... times itself.
std::vector<double> IsolineValues(double lo, double hi, bool logarithmic, double step = -1.0);

// The step of 1, 2 or 5 times a power of ten near raw: the step of an axis's ticks.
double NiceStep(double raw);

// Where a state lies in the diagram (standard units); nothing for a failed state.
std::optional<TKXPoint> StateInDiagram(const TKXState& state, TKXDiagramKind kind);

// A cycle drawn on a diagram: the closed path through its state points (standard units) and
// each point's label where it lies. Between points of one pressure the path follows the isobar,
// between points of one enthalpy the isenthalp (the valve), elsewhere (compression, expansion)
// the straight line between the end points.
struct TKXCyclePath {
    std::vector<std::vector<TKXPoint>> Segments;
    std::vector<std::pair<std::string, TKXPoint>> Labels;
};
struct TKXCycle;
TKXCyclePath CycleInDiagram(const TKXFluidFunctions& fluid, const TKXCycle& cycle,
                            TKXDiagramKind kind);

// The state at a point of the diagram (standard units), as an input pair and its two values:
// (p, h) and (p, T) directly; in T-s and h-s the pressure is searched among the library's
// answers of the (p, T) or (p, s) functions, and a T-s point inside the dome becomes (T, s).
struct TKXDiagramInput {
    TKXInputPair Pair;
    double X1, X2;
};
std::optional<TKXDiagramInput> StateAtPoint(const TKXFluidFunctions& fluid, TKXDiagramKind kind,
                                            TKXPoint point);
