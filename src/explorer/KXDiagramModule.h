#pragma once
// What a program hands the drawing module (varnexa-render.so, built from src/render) to write a
// diagram into a file. The module holds Qt; varnexa-cli loads it only when a command draws, so
// its other commands start without loading any Qt library. The CLI and the module come from one
// build: the request carries the explorer's own types, and its layout number makes a module of
// another build refuse rather than misread it.
#include <string>
#include <vector>

#include "KXDiagram.h"
#include "KXDiagramMarks.h"
#include "KXExplorerUnits.h"
#include "KXPsychroChart.h"

// 3: the psychrometric chart, marked states, the cycle's points, the title block, a PNG's
// resolution and a PDF's paper.
inline constexpr int KXDiagramRequestLayout = 3;

struct TKXDiagramRequest {
    int Layout = KXDiagramRequestLayout;  // first, so any module can read it
    const TKXDiagram* Diagram = nullptr;
    const TKXUnitChoice* Units = nullptr;
    const TKXPoint* State = nullptr;      // a state marker (standard units), or none
    const TKXCyclePath* Cycle = nullptr;  // a cycle over the lines (standard units), or none
    std::string Path;                     // FILE.png, FILE.svg or FILE.pdf
    int Width = 900, Height = 650;
    std::string Error;  // the reason when the file was not written
    // Numbered states (standard units; numbered on from the cycle's points) and the cycle's
    // points listed in the legend; either may be none.
    const std::vector<TKXMarkedState>* Marks = nullptr;
    const std::vector<TKXMarkedState>* CyclePoints = nullptr;
    const TKXDiagramTitle* Title = nullptr;  // the title block, or none
    int Dpi = 96;                            // a PNG's resolution
    bool Letter = false;                     // a PDF on US Letter instead of A4
    // A psychrometric chart drawn instead of Diagram, with State as its (T, W) point, or none.
    const TKXPsychroChart* Psychro = nullptr;
};

// The module's one exported function, looked up by this name: writes the file and returns 1,
// returns 0 with the reason in request->Error, or -1 for a request of another layout.
extern "C" {
typedef int (*TKXDrawDiagramFile)(TKXDiagramRequest* request);
}
inline constexpr const char* KXDrawDiagramFileSymbol = "varnexa_draw_diagram_file";
