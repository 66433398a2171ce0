#include "KXDiagramPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr double LeftMargin = 78, RightMargin = 24, TopMargin = 16, BottomMargin = 48;

QString Number(double v) {
    return QString::number(v, 'g', 6);
}

double NiceStep(double raw) {
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double r = raw / magnitude;
    return magnitude * (r < 1.5 ? 1.0 : r < 3.0 ? 2.0 : r < 7.0 ? 5.0 : 10.0);
}

QColor ColourOf(TKXCurveKind kind) {
    switch (kind) {
        case TKXCurveKind::SaturatedLiquid:
        case TKXCurveKind::SaturatedVapour:
        case TKXCurveKind::VapourPressure:
            return QColor(0, 0, 0);
        case TKXCurveKind::Isotherm:
            return QColor(200, 30, 30);
        case TKXCurveKind::Isobar:
            return QColor(20, 80, 200);
        case TKXCurveKind::Isentrope:
            return QColor(20, 140, 60);
        case TKXCurveKind::Isenthalp:
            return QColor(140, 40, 160);
        case TKXCurveKind::Isochore:
            return QColor(150, 100, 30);
        case TKXCurveKind::VapourFraction:
            return QColor(120, 120, 120);
    }
    return Qt::black;
}

}  // namespace

TKXDiagramPainter::TKXDiagramPainter(const TKXDiagram& diagram, const TKXUnitChoice& units)
    : Diagram_(diagram), Units(&units) {
    for (const TKXCurve& c : diagram.Curves) {
        TLine line{c.Kind, {}, {}};
        if (!c.Key.empty() && c.Kind != TKXCurveKind::SaturatedLiquid &&
            c.Kind != TKXCurveKind::SaturatedVapour) {
            double v = c.Value;
            units.FromStandard(c.Key, c.Value, v);
            const QString unit = QString::fromStdString(units.UnitFor(c.Key));
            line.Label = c.Key == "x" ? "x=" + Number(v)
                         : c.Key == "T" || c.Key == "p"
                             ? Number(v) + " " + unit
                             : QString::fromStdString(c.Key) + "=" + Number(v) + " " + unit;
        }
        for (const auto& segment : c.Segments) {
            QPolygonF polygon;
            polygon.reserve(static_cast<int>(segment.size()));
            for (const TKXPoint& p : segment) {
                const TKXPoint d = ToDisplay(p);
                if (std::isfinite(d.X) && std::isfinite(AxisY(d.Y)))
                    polygon << QPointF(d.X, AxisY(d.Y));
            }
            if (polygon.size() > 1) line.Segments.push_back(polygon);
        }
        if (!line.Segments.empty()) Lines.push_back(std::move(line));
    }
    if (diagram.Critical) Critical = ToDisplay(*diagram.Critical);
    const TKXPoint lo = ToDisplay(diagram.Min), hi = ToDisplay(diagram.Max);
    Home = {std::min(lo.X, hi.X), std::max(lo.X, hi.X), std::min(lo.Y, hi.Y), std::max(lo.Y, hi.Y)};
    View_ = Home;
}

TKXPoint TKXDiagramPainter::ToDisplay(TKXPoint standard) const {
    TKXPoint d = standard;
    if (Units) {
        Units->FromStandard(Diagram_.XKey, standard.X, d.X);
        Units->FromStandard(Diagram_.YKey, standard.Y, d.Y);
    }
    return d;
}

std::optional<TKXPoint> TKXDiagramPainter::ToStandard(TKXPoint display) const {
    TKXPoint s = display;
    if (Units && (!Units->ToStandard(Diagram_.XKey, display.X, s.X) ||
                  !Units->ToStandard(Diagram_.YKey, display.Y, s.Y)))
        return std::nullopt;
    return s;
}

double TKXDiagramPainter::AxisY(double y) const {
    return Diagram_.LogY ? (y > 0 ? std::log10(y) : NAN) : y;
}
double TKXDiagramPainter::FromAxisY(double y) const {
    return Diagram_.LogY ? std::pow(10.0, y) : y;
}

void TKXDiagramPainter::SetState(std::optional<TKXPoint> standard) {
    State = standard ? std::optional(ToDisplay(*standard)) : std::nullopt;
}

void TKXDiagramPainter::SetCycle(const TKXCyclePath& standard) {
    Cycle = {};
    for (const auto& segment : standard.Segments) {
        std::vector<TKXPoint> display;
        for (const TKXPoint& p : segment) display.push_back(ToDisplay(p));
        Cycle.Segments.push_back(std::move(display));
    }
    for (const auto& [label, p] : standard.Labels) Cycle.Labels.emplace_back(label, ToDisplay(p));
}

void TKXDiagramPainter::SetSize(QSize size) {
    Size_ = size;
}

QRectF TKXDiagramPainter::PlotRect() const {
    return QRectF(LeftMargin, TopMargin, std::max(10.0, Size_.width() - LeftMargin - RightMargin),
                  std::max(10.0, Size_.height() - TopMargin - BottomMargin));
}

void TKXDiagramPainter::SetView(const TView& view) {
    if (view.X1 > view.X0 && view.Y1 > view.Y0 && (!Diagram_.LogY || view.Y0 > 0)) View_ = view;
}

void TKXDiagramPainter::ResetView() {
    View_ = Home;
}

QPointF TKXDiagramPainter::ToPixel(TKXPoint d) const {
    const QRectF r = PlotRect();
    const double y0 = AxisY(View_.Y0), y1 = AxisY(View_.Y1);
    return {r.left() + (d.X - View_.X0) / (View_.X1 - View_.X0) * r.width(),
            r.bottom() - (AxisY(d.Y) - y0) / (y1 - y0) * r.height()};
}

TKXPoint TKXDiagramPainter::FromPixel(QPointF pixel) const {
    const QRectF r = PlotRect();
    const double y0 = AxisY(View_.Y0), y1 = AxisY(View_.Y1);
    return {View_.X0 + (pixel.x() - r.left()) / r.width() * (View_.X1 - View_.X0),
            FromAxisY(y0 + (r.bottom() - pixel.y()) / r.height() * (y1 - y0))};
}

void TKXDiagramPainter::ZoomAt(QPointF pixel, double factor) {
    const TKXPoint c = FromPixel(pixel);
    const double cy = AxisY(c.Y);
    const double y0 = cy + (AxisY(View_.Y0) - cy) * factor,
                 y1 = cy + (AxisY(View_.Y1) - cy) * factor;
    SetView({c.X + (View_.X0 - c.X) * factor, c.X + (View_.X1 - c.X) * factor, FromAxisY(y0),
             FromAxisY(y1)});
}

void TKXDiagramPainter::ZoomTo(const QRectF& pixels) {
    const QRectF r = pixels.normalized();
    if (r.width() < 4 || r.height() < 4) return;
    const TKXPoint a = FromPixel(r.bottomLeft()), b = FromPixel(r.topRight());
    SetView({a.X, b.X, a.Y, b.Y});
}

void TKXDiagramPainter::Pan(QPointF pixels) {
    const QRectF r = PlotRect();
    const double dx = -pixels.x() / r.width() * (View_.X1 - View_.X0);
    const double dy = pixels.y() / r.height() * (AxisY(View_.Y1) - AxisY(View_.Y0));
    SetView({View_.X0 + dx, View_.X1 + dx, FromAxisY(AxisY(View_.Y0) + dy),
             FromAxisY(AxisY(View_.Y1) + dy)});
}

QString TKXDiagramPainter::XTitle() const {
    return QString::fromStdString(Diagram_.XKey + " [" +
                                  (Units ? Units->UnitFor(Diagram_.XKey) : "") + "]");
}
QString TKXDiagramPainter::YTitle() const {
    return QString::fromStdString(Diagram_.YKey + " [" +
                                  (Units ? Units->UnitFor(Diagram_.YKey) : "") + "]");
}

void TKXDiagramPainter::Paint(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(Size_)), Qt::white);
    const QRectF plot = PlotRect();
    PaintAxes(painter, plot);  // grid and ticks first, the lines over them
    PaintLines(painter, plot);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    painter.restore();
}

void TKXDiagramPainter::PaintLines(QPainter& painter, const QRectF& plot) const {
    painter.save();
    painter.setClipRect(plot);
    const QRectF r = plot;
    const double y0 = AxisY(View_.Y0), y1 = AxisY(View_.Y1);
    const double sx = r.width() / (View_.X1 - View_.X0), sy = r.height() / (y1 - y0);
    // One affine map from (x, axis y) to pixels for every point of every line.
    const QTransform map(sx, 0, 0, -sy, r.left() - View_.X0 * sx, r.bottom() + y0 * sy);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    for (const TLine& line : Lines) {
        const bool dome = line.Kind == TKXCurveKind::SaturatedLiquid ||
                          line.Kind == TKXCurveKind::SaturatedVapour ||
                          line.Kind == TKXCurveKind::VapourPressure;
        QPen pen(ColourOf(line.Kind), dome ? 2.0 : 1.0);
        if (line.Kind == TKXCurveKind::Isochore) pen.setStyle(Qt::DashLine);
        if (line.Kind == TKXCurveKind::VapourFraction) pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        std::vector<QPointF> visible;
        for (const QPolygonF& segment : line.Segments) {
            const QPolygonF pixels = map.map(segment);
            painter.drawPolyline(pixels);
            for (const QPointF& p : pixels)
                if (r.adjusted(30, 10, -30, -10).contains(p)) visible.push_back(p);
        }
        if (line.Label.isEmpty() || visible.empty()) continue;
        // The label on the line's visible part, on a white patch; neighbouring lines of a kind
        // take turns along their length so their labels do not sit on one another. Vapour
        // fraction lines are labelled near the triple point, where they are furthest apart.
        const double along = line.Kind == TKXCurveKind::VapourFraction
                                 ? 0.1
                                 : 0.3 + 0.1 * static_cast<double>((&line - Lines.data()) % 5);
        const QPointF at = visible[static_cast<std::size_t>(along * (visible.size() - 1))];
        QRectF box = metrics.boundingRect(line.Label).adjusted(-2, 0, 2, 0);
        box.moveCenter(at);
        painter.fillRect(box, QColor(255, 255, 255, 220));
        painter.setPen(ColourOf(line.Kind));
        painter.drawText(box, Qt::AlignCenter, line.Label);
    }
    painter.setPen(Qt::NoPen);
    if (Critical) {
        painter.setBrush(Qt::black);
        painter.drawEllipse(ToPixel(*Critical), 4, 4);
    }
    if (!Cycle.Segments.empty()) {
        // The cycle: a dark blue path with its numbered state points.
        const QColor blue(20, 40, 160);
        painter.setPen(QPen(blue, 2));
        painter.setBrush(Qt::NoBrush);
        for (const auto& segment : Cycle.Segments) {
            QPolygonF line;
            for (const TKXPoint& p : segment) line << ToPixel(p);
            painter.drawPolyline(line);
        }
        painter.setBrush(blue);
        for (const auto& [label, p] : Cycle.Labels) {
            const QPointF at = ToPixel(p);
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(at, 4, 4);
            painter.setPen(blue);
            painter.drawText(at + QPointF(6, -6), QString::fromStdString(label));
        }
    }
    if (State) {
        const QPointF p = ToPixel(*State);
        painter.setPen(QPen(QColor(220, 0, 0), 2));
        painter.setBrush(QColor(255, 60, 60, 160));
        painter.drawEllipse(p, 6, 6);
        painter.drawLine(p - QPointF(10, 0), p + QPointF(10, 0));
        painter.drawLine(p - QPointF(0, 10), p + QPointF(0, 10));
    }
    painter.restore();
}

void TKXDiagramPainter::PaintAxes(QPainter& painter, const QRectF& r) const {
    painter.save();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const QColor grid(225, 225, 225);

    const double xStep = NiceStep((View_.X1 - View_.X0) / 8);
    for (double x = std::ceil(View_.X0 / xStep) * xStep; x <= View_.X1; x += xStep) {
        const double px = ToPixel({x, View_.Y0}).x();
        painter.setPen(grid);
        painter.drawLine(QPointF(px, r.top()), QPointF(px, r.bottom()));
        painter.setPen(Qt::black);
        painter.drawLine(QPointF(px, r.bottom()), QPointF(px, r.bottom() + 4));
        const QString text = Number(std::fabs(x) < 1e-9 * xStep ? 0.0 : x);
        painter.drawText(
            QPointF(px - metrics.horizontalAdvance(text) / 2, r.bottom() + 6 + metrics.ascent()),
            text);
    }
    std::vector<double> yTicks;
    if (Diagram_.LogY) {
        const double decades = std::log10(View_.Y1 / View_.Y0);
        const std::vector<double> mantissas = decades > 6 ? std::vector<double>{1}
                                              : decades > 2.5
                                                  ? std::vector<double>{1, 2, 5}
                                                  : std::vector<double>{1, 1.5, 2, 3, 5, 7};
        for (int e = static_cast<int>(std::floor(std::log10(View_.Y0)));
             e <= std::ceil(std::log10(View_.Y1)); ++e)
            for (double m : mantissas) {
                const double y = m * std::pow(10.0, e);
                if (y >= View_.Y0 && y <= View_.Y1) yTicks.push_back(y);
            }
    } else {
        const double yStep = NiceStep((View_.Y1 - View_.Y0) / 8);
        for (double y = std::ceil(View_.Y0 / yStep) * yStep; y <= View_.Y1; y += yStep)
            yTicks.push_back(std::fabs(y) < 1e-9 * yStep ? 0.0 : y);
    }
    for (double y : yTicks) {
        const double py = ToPixel({View_.X0, y}).y();
        painter.setPen(grid);
        painter.drawLine(QPointF(r.left(), py), QPointF(r.right(), py));
        painter.setPen(Qt::black);
        painter.drawLine(QPointF(r.left() - 4, py), QPointF(r.left(), py));
        const QString text = Number(y);
        painter.drawText(
            QPointF(r.left() - 6 - metrics.horizontalAdvance(text), py + metrics.ascent() / 2 - 1),
            text);
    }
    painter.drawRect(r);
    painter.drawText(QRectF(r.left(), r.bottom() + 22, r.width(), 20), Qt::AlignCenter, XTitle());
    painter.translate(14, r.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-r.height() / 2, -10, r.height(), 20), Qt::AlignCenter, YTitle());
    painter.restore();
}
