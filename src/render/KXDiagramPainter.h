#pragma once
// Draws a diagram of the explorer in the units of a unit choice: axes (a logarithmic pressure
// axis), labelled lines, the critical point and the state. Holds the visible range and maps
// between pixels and values both ways, so a click finds the value it was drawn at.
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "KXDiagram.h"
#include "KXExplorerUnits.h"

class QPainter;

class TKXDiagramPainter {
  public:
    // The visible range in display units (a pressure range in the pressure unit, not its log).
    struct TView {
        double X0 = 0, X1 = 1, Y0 = 0, Y1 = 1;
    };

    TKXDiagramPainter() = default;
    TKXDiagramPainter(const TKXDiagram& diagram, const TKXUnitChoice& units);

    const TKXDiagram& Diagram() const { return Diagram_; }
    bool Empty() const { return Lines.empty(); }
    void SetState(std::optional<TKXPoint> standard);
    std::optional<TKXPoint> StateDisplay() const { return State; }
    // A cycle drawn over the lines: its path and numbered points (standard units).
    void SetCycle(const TKXCyclePath& standard);
    const TKXCyclePath& CycleDisplay() const { return Cycle; }

    void SetSize(QSize size);
    QSize Size() const { return Size_; }
    QRectF PlotRect() const;
    TView View() const { return View_; }
    void SetView(const TView& view);
    void ResetView();
    void ZoomAt(QPointF pixel, double factor);  // factor < 1 zooms in
    void ZoomTo(const QRectF& pixels);
    void Pan(QPointF pixels);

    // Between display units and pixels of the current view and size.
    QPointF ToPixel(TKXPoint display) const;
    TKXPoint FromPixel(QPointF pixel) const;
    // Between the library's standard units and the unit choice's display units.
    TKXPoint ToDisplay(TKXPoint standard) const;
    std::optional<TKXPoint> ToStandard(TKXPoint display) const;
    QString XTitle() const;
    QString YTitle() const;

    void Paint(QPainter& painter) const;

    // What the last Paint drew, in pixels: each line label's box, the dome, and the marks the
    // labels keep clear of (critical point, state, cycle points and their numbers).
    struct TLayout {
        std::vector<QRectF> Labels;
        std::vector<QString> Texts;
        std::vector<QPolygonF> Dome;
        std::vector<QRectF> Marks;
        int LabelledLines = 0, VisibleLines = 0;  // lines with a label text, and of those the
                                                  // ones with a visible part
    };
    const TLayout& LastLayout() const { return Layout; }

  private:
    struct TLine {
        TKXCurveKind Kind;
        QString Label;
        std::vector<QPolygonF> Segments;  // display units, y as log10 on a log axis
    };
    double AxisY(double displayY) const;  // log10 on a log axis
    double FromAxisY(double axisY) const;
    void PaintAxes(QPainter& painter, const QRectF& plot) const;
    void PaintLines(QPainter& painter, const QRectF& plot) const;
    std::vector<QRectF> MarkBoxes() const;

    TKXDiagram Diagram_;
    const TKXUnitChoice* Units = nullptr;
    std::vector<TLine> Lines;
    std::optional<TKXPoint> Critical;  // display units
    std::optional<TKXPoint> State;     // display units
    TKXCyclePath Cycle;                // display units
    TView Home, View_;
    QSize Size_{800, 600};
    mutable TLayout Layout;
};
