#pragma once
// What a program hands the drawing module (varnexa-render.so, built from src/render) to write a
// diagram into a file. The module holds Qt; varnexa-cli loads it only when a command draws, so
// its other commands start without loading any Qt library. The CLI and the module come from one
// build: the request carries the explorer's own types, and its layout number makes a module of
// another build refuse rather than misread it.
#include <string>

#include "KXDiagram.h"
#include "KXExplorerUnits.h"
#include "KXPsychroChart.h"

// 2: the psychrometric chart.
inline constexpr int KXDiagramRequestLayout = 2;

struct TKXDiagramRequest {
    int Layout = KXDiagramRequestLayout;  // first, so any module can read it
    const TKXDiagram* Diagram = nullptr;
    const TKXUnitChoice* Units = nullptr;
    const TKXPoint* State = nullptr;      // a state marker (standard units), or none
    const TKXCyclePath* Cycle = nullptr;  // a cycle over the lines (standard units), or none
    std::string Path;                     // FILE.png or FILE.svg
    int Width = 900, Height = 650;
    std::string Error;  // the reason when the file was not written
    // A psychrometric chart drawn instead of Diagram, with State as its (T, W) point, or none.
    const TKXPsychroChart* Psychro = nullptr;
};

// The module's one exported function, looked up by this name: writes the file and returns 1,
// returns 0 with the reason in request->Error, or -1 for a request of another layout.
extern "C" {
typedef int (*TKXDrawDiagramFile)(TKXDiagramRequest* request);
}
inline constexpr const char* KXDrawDiagramFileSymbol = "varnexa_draw_diagram_file";
