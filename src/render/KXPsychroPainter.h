#pragma once
// Draws a psychrometric chart in the units of a unit choice, in the manner of the other
// diagrams: the saturation curve, relative-humidity curves, enthalpy, wet-bulb and
// specific-volume lines with their labels, the state marked, the pressure in the title. The view
// is the chart's box; pixels map to values both ways, so a click finds the state drawn there.
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "KXExplorerUnits.h"
#include "KXPsychroChart.h"

class QPainter;

class TKXPsychroPainter {
  public:
    TKXPsychroPainter() = default;
    TKXPsychroPainter(const TKXPsychroChart& chart, const TKXUnitChoice& units);

    const TKXPsychroChart& Chart() const { return Chart_; }
    bool Empty() const { return Lines.empty(); }
    void SetState(std::optional<TKXPoint> standard);  // (T, W) in standard units
    std::optional<TKXPoint> StateDisplay() const { return State; }

    void SetSize(QSize size);
    QSize Size() const { return Size_; }
    QRectF PlotRect() const;

    // Between display units and pixels, and between standard and display units.
    QPointF ToPixel(TKXPoint display) const;
    TKXPoint FromPixel(QPointF pixel) const;
    TKXPoint ToDisplay(TKXPoint standard) const;
    std::optional<TKXPoint> ToStandard(TKXPoint display) const;
    QString Title() const;

    void Paint(QPainter& painter) const;
    // The boxes of the line labels the last Paint drew, in pixels; none overlaps another.
    const std::vector<QRectF>& LabelBoxes() const { return Labels; }

  private:
    struct TLine {
        TKXPsychroLineKind Kind;
        QString Label;
        QPolygonF Points;  // display units
    };
    void PaintAxes(QPainter& painter, const QRectF& plot) const;
    void PaintLines(QPainter& painter, const QRectF& plot) const;

    TKXPsychroChart Chart_;
    const TKXUnitChoice* Units = nullptr;
    std::vector<TLine> Lines;
    TKXPoint Min, Max;  // the box in display units
    std::optional<TKXPoint> State;
    QSize Size_{800, 600};
    mutable std::vector<QRectF> Labels;
};
