#pragma once
// A diagram written to a PNG, SVG or PDF file (by the file name's ending), without a display: a
// program without a Qt application gets an offscreen one for the drawing.
#include <QPageSize>
#include <QSize>
#include <functional>
#include <optional>
#include <string>

#include "KXDiagramPainter.h"

struct TKXDiagramFileOptions {
    QSize Size{900, 650};  // pixels of a PNG, the drawing's size of an SVG
    // A PNG's resolution, stored in the file: text and lines are drawn at Dpi/96 of their
    // screen size, so they print at the size they have on screen.
    int Dpi = 96;
    QPageSize::PageSizeId Page = QPageSize::A4;  // a PDF's paper, landscape
};

// Writes what painter shows; false with a reason in error.
bool SaveDiagram(const TKXDiagramPainter& painter, const std::string& path,
                 const TKXDiagramFileOptions& options, std::string& error);
bool SaveDiagram(const TKXDiagramPainter& painter, const std::string& path, QSize size,
                 std::string& error);
// Something that paints itself at a size (device-independent pixels of a 96-dpi screen).
using TKXSizedPaint = std::function<void(QPainter&, QSize)>;
// Writes what paint draws (the psychrometric chart and the like), as SaveDiagram does; `title`
// names it in an SVG or PDF.
bool SaveDrawing(const TKXSizedPaint& paint, const std::string& title, const std::string& path,
                 const TKXDiagramFileOptions& options, std::string& error);
// Draws what painter shows on a page of a PDF file or a printer: the page's printable rectangle
// (device pixels) at the device's resolution, laid out as a screen of 96 dpi would be.
void PaintOnPage(const TKXDiagramPainter& painter, QPainter& device, const QRectF& page,
                 double dpi);
// The same for any drawing.
void PaintScaled(const TKXSizedPaint& paint, QPainter& device, const QRectF& page, double dpi);
// Makes sure a Qt GUI application exists (offscreen unless a platform was chosen).
void EnsureGuiApplication();
