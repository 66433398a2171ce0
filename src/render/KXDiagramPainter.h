#pragma once
// Draws a diagram of the explorer in the units of a unit choice: a title block (fluid, equation
// of state, reference state, pressure basis, axes), axes (a logarithmic pressure axis), labelled
// lines, the critical point, the state, numbered marked states and a legend of their values. Holds
// the visible range and maps between pixels and values both ways, so a click finds the value it was
// drawn at.
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "KXDiagram.h"
#include "KXDiagramMarks.h"
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
    // The cycle's points listed in the legend with their values (standard units).
    void SetCyclePoints(const std::vector<TKXMarkedState>& standard);
    // Marked states (standard units), numbered on from the cycle's points (1, 2, ... without a
    // cycle) at their points and listed in the legend.
    void SetMarks(const std::vector<TKXMarkedState>& standard);
    const std::vector<TKXMarkedState>& Marks() const { return Marked; }
    // The title block above the plot; without one (no fluid) the plot starts at the top.
    void SetTitle(const TKXDiagramTitle& title);
    // "R134a log p-h diagram" (the SVG file's title); "Varnexa diagram" without a title.
    QString ChartTitle() const;

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
    // labels keep clear of (critical point, state, cycle points, marked states and their
    // numbers); the legend's box and its rows ("1\tp\tT\th\ts" as shown), the title block's
    // box and lines.
    struct TLayout {
        std::vector<QRectF> Labels;
        std::vector<QString> Texts;
        std::vector<QPolygonF> Dome;
        std::vector<QRectF> Marks;
        std::optional<QRectF> Legend;
        std::vector<QString> LegendRows;
        std::optional<QRectF> TitleBlock;
        std::vector<QString> TitleLines;
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
    void PaintTitle(QPainter& painter) const;
    void PaintLegend(QPainter& painter, const QRectF& inside) const;
    std::vector<QRectF> MarkBoxes() const;
    double TopMargin() const;

    TKXDiagram Diagram_;
    const TKXUnitChoice* Units = nullptr;
    std::vector<TLine> Lines;
    std::optional<TKXPoint> Critical;         // display units
    std::optional<TKXPoint> State;            // display units
    TKXCyclePath Cycle;                       // display units
    std::vector<TKXMarkedState> CyclePoints;  // standard units: the legend converts them
    std::vector<TKXMarkedState> Marked;       // standard units, numbered
    std::vector<TKXPoint> MarkedAt;           // their points in display units
    std::optional<TKXDiagramTitle> Title;
    TView Home, View_;
    QSize Size_{800, 600};
    mutable TLayout Layout;
};
