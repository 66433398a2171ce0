#pragma once
// Diagram files through the drawing module, loaded on the first drawing: varnexa-cli itself
// links no Qt library.
#include <string>

#include "KXDiagramModule.h"

// The module's file name.
inline constexpr const char* KXDrawingModuleName = "varnexa-render.so";

// Writes the request's file through the module; false with a reason in error (the module was
// not found or not loaded, or the file was not written).
bool DrawDiagramFile(TKXDiagramRequest& request, std::string& error);
