#pragma once
// What a printed chart states besides its lines: the title block (fluid, equation of state,
// reference state, from the library's information) and the marked states with their values, so
// a chart on paper can be read without the program.
#include <optional>
#include <string>
#include <vector>

#include "KXDiagram.h"

struct TKXLibraryInfo;

struct TKXDiagramTitle {
    std::string Fluid;            // the display name ("R134a")
    std::string EquationOfState;  // a short citation ("Tillner-Roth & Baehr (1994)")
    std::string ReferenceState;   // the reference state in words; empty: the equation's own
};
TKXDiagramTitle DiagramTitle(const TKXLibraryInfo& info);

// A citation cut to what fits a title line: "Surname (year)", "A & B (year)", "A et al. (year)"
// when it starts with its authors, else its first part ("IAPWS R7-97(2012)"); of several models
// (separated by "; ") the first.
std::string ShortCitation(const std::string& citation);

// A state marked on a chart: its label ("1"), where it lies (standard units) and its p, T, h, s
// in standard units.
struct TKXMarkedState {
    std::string Label;
    TKXPoint At;
    double p = 0.0, T = 0.0, h = 0.0, s = 0.0;
};

// The state as a mark of a chart of the kind; nothing for a failed state or one that lies on no
// point of the chart.
std::optional<TKXMarkedState> MarkState(const TKXState& state, TKXDiagramKind kind,
                                        const std::string& label);

// A cycle's state points as marks (the legend of a cycle drawn on a chart): each point's label
// and values, placed where the path puts it.
struct TKXCycle;
std::vector<TKXMarkedState> CycleMarks(const TKXCycle& cycle, const TKXCyclePath& path);
