#pragma once
// A diagram written to a PNG or SVG file (by the file name's ending), without a display: a
// program without a Qt application gets an offscreen one for the drawing.
#include <QSize>
#include <functional>
#include <optional>
#include <string>

#include "KXDiagramPainter.h"

// Writes what painter shows at `size`; false with a reason in error.
bool SaveDiagram(const TKXDiagramPainter& painter, const std::string& path, QSize size,
                 std::string& error);
// Writes what paint draws on a white page of `size` (the psychrometric chart and the like).
bool SaveDrawing(const std::function<void(QPainter&)>& paint, const std::string& path, QSize size,
                 std::string& error);
// Makes sure a Qt GUI application exists (offscreen unless a platform was chosen).
void EnsureGuiApplication();
