#include "KXDiagramPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double LeftMargin = 78, RightMargin = 24, TopPadding = 16, BottomMargin = 48;
constexpr double TitleHeight = 38;  // two lines above the plot

QString Number(double v) {
    return QString::number(v, 'g', 6);
}

// Five significant digits: a legend's value, as a chart is read.
QString Value(double v) {
    return QString::number(v, 'g', 5);
}

const char* ChartName(TKXDiagramKind kind) {
    switch (kind) {
        case TKXDiagramKind::PH:
            return "log p-h";
        case TKXDiagramKind::TS:
            return "T-s";
        case TKXDiagramKind::HS:
            return "h-s (Mollier)";
        case TKXDiagramKind::PT:
            return "p-T";
    }
    return "";
}

const QColor MarkColour(200, 0, 0), CycleColour(20, 40, 160);

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

// Where a line's label goes: on the line, inside the plot, clear of the labels placed before,
// the dome and the marks; a line too short for any such place gets its label beside one of its
// ends, or none.
class TLabelPlacer {
  public:
    TLabelPlacer(const QRectF& inside, TKXDiagramPainter::TLayout& layout)
        : Inside(inside), Layout(layout) {
        for (const QPolygonF& run : layout.Dome)
            for (int k = 0; k + 1 < run.size(); ++k) Dome.emplace_back(run[k], run[k + 1]);
    }

    std::optional<QRectF> Place(const std::vector<QPolygonF>& runs, QSizeF size, double start) {
        // Candidate centres every few pixels along the visible runs, tried outwards from the
        // starting fraction of their length.
        std::vector<QPointF> along;
        for (const QPolygonF& run : runs) {
            double next = 0.0;  // how far into the current piece the next candidate lies
            for (int k = 0; k + 1 < run.size(); ++k) {
                const QLineF piece(run[k], run[k + 1]);
                const double length = piece.length();
                if (!(length > 0)) continue;
                for (; next <= length; next += Spacing)
                    along.push_back(piece.pointAt(next / length));
                next -= length;
            }
        }
        const std::size_t n = along.size();
        if (n > 0) {
            const auto first = static_cast<std::ptrdiff_t>(start * static_cast<double>(n - 1));
            for (std::ptrdiff_t k = 0; k < static_cast<std::ptrdiff_t>(n); ++k)
                for (std::ptrdiff_t at : {first + k, first - k - 1}) {
                    if (at < 0 || at >= static_cast<std::ptrdiff_t>(n)) continue;
                    QRectF box(QPointF(), size);
                    box.moveCenter(along[static_cast<std::size_t>(at)]);
                    if (Free(box)) return Take(box);
                }
        }
        // Beside an end of the line: its label to the side away from the rest of the run.
        for (const QPolygonF& run : runs)
            for (const QPointF& end : {run.front(), run.back()})
                for (const QPointF& offset :
                     {QPointF(size.width() / 2 + 2, 0), QPointF(-size.width() / 2 - 2, 0),
                      QPointF(0, -size.height() / 2 - 2), QPointF(0, size.height() / 2 + 2)}) {
                    QRectF box(QPointF(), size);
                    box.moveCenter(end + offset);
                    if (Free(box)) return Take(box);
                }
        return std::nullopt;
    }

  private:
    static constexpr double Spacing = 6.0;

    bool Free(const QRectF& box) const {
        if (!Inside.contains(box)) return false;
        const QRectF clear = box.adjusted(-1, -1, 1, 1);
        for (const QRectF& placed : Layout.Labels)
            if (placed.intersects(clear)) return false;
        for (const QRectF& mark : Layout.Marks)
            if (mark.intersects(clear)) return false;
        if (Layout.Legend && Layout.Legend->intersects(clear)) return false;
        for (const QLineF& piece : Dome)
            if (Crosses(piece, clear)) return false;
        return true;
    }

  public:
    static bool Crosses(const QLineF& piece, const QRectF& box) {
        const QRectF bounds = QRectF(piece.p1(), piece.p2()).normalized();
        if (bounds.right() < box.left() || bounds.left() > box.right() ||
            bounds.bottom() < box.top() || bounds.top() > box.bottom())
            return false;
        if (box.contains(piece.p1()) || box.contains(piece.p2())) return true;
        const QPointF c[] = {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()};
        for (int k = 0; k < 4; ++k)
            if (piece.intersects(QLineF(c[k], c[(k + 1) % 4]), nullptr) ==
                QLineF::BoundedIntersection)
                return true;
        return false;
    }

  private:
    QRectF Take(const QRectF& box) {
        Layout.Labels.push_back(box);
        return box;
    }

    QRectF Inside;
    TKXDiagramPainter::TLayout& Layout;
    std::vector<QLineF> Dome;
};

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
    const auto range = [this](TKXPoint a, TKXPoint b) {
        const TKXPoint lo = ToDisplay(a), hi = ToDisplay(b);
        return TView{std::min(lo.X, hi.X), std::max(lo.X, hi.X), std::min(lo.Y, hi.Y),
                     std::max(lo.Y, hi.Y)};
    };
    Home = range(diagram.HomeMin, diagram.HomeMax);
    View_ = range(diagram.Min, diagram.Max);
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
    SetMarks(Marked);  // numbered on from the cycle's points
}

void TKXDiagramPainter::SetCyclePoints(const std::vector<TKXMarkedState>& standard) {
    CyclePoints = standard;
}

void TKXDiagramPainter::SetMarks(const std::vector<TKXMarkedState>& standard) {
    // Numbered on from the cycle's highest number, so no two points share one.
    int first = 1;
    for (const auto& [label, p] : Cycle.Labels)
        first = std::max(first, std::atoi(label.c_str()) + 1);
    Marked = standard;
    MarkedAt.clear();
    for (TKXMarkedState& m : Marked) {
        m.Label = std::to_string(first++);
        MarkedAt.push_back(ToDisplay(m.At));
    }
}

void TKXDiagramPainter::SetTitle(const TKXDiagramTitle& title) {
    Title = title;
}

QString TKXDiagramPainter::ChartTitle() const {
    if (!Title || Title->Fluid.empty()) return "Varnexa diagram";
    return QString::fromStdString(Title->Fluid) + " " + ChartName(Diagram_.Kind) + " diagram";
}

double TKXDiagramPainter::TopMargin() const {
    return TopPadding + (Title && !Title->Fluid.empty() ? TitleHeight : 0.0);
}

void TKXDiagramPainter::SetSize(QSize size) {
    Size_ = size;
}

QRectF TKXDiagramPainter::PlotRect() const {
    const double top = TopMargin();
    return QRectF(LeftMargin, top, std::max(10.0, Size_.width() - LeftMargin - RightMargin),
                  std::max(10.0, Size_.height() - top - BottomMargin));
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
    PaintTitle(painter);
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
    // The lines first, then their labels over them.
    const QRectF inside = r.adjusted(3, 3, -3, -3);
    Layout = {};
    std::vector<std::vector<QPolygonF>> runs(Lines.size());  // visible pixel runs of each line
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        const TLine& line = Lines[i];
        const bool dome = line.Kind == TKXCurveKind::SaturatedLiquid ||
                          line.Kind == TKXCurveKind::SaturatedVapour ||
                          line.Kind == TKXCurveKind::VapourPressure;
        QPen pen(ColourOf(line.Kind), dome ? 2.0 : 1.0);
        if (line.Kind == TKXCurveKind::Isochore) pen.setStyle(Qt::DashLine);
        if (line.Kind == TKXCurveKind::VapourFraction) pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        for (const QPolygonF& segment : line.Segments) {
            const QPolygonF pixels = map.map(segment);
            painter.drawPolyline(pixels);
            if (dome) Layout.Dome.push_back(pixels);
            QPolygonF run;
            for (const QPointF& p : pixels) {
                if (inside.contains(p)) {
                    run << p;
                } else if (!run.isEmpty()) {
                    runs[i].push_back(run);
                    run.clear();
                }
            }
            if (!run.isEmpty()) runs[i].push_back(run);
        }
    }
    Layout.Marks = MarkBoxes();
    PaintLegend(painter, inside);  // placed before the labels, which keep clear of it
    TLabelPlacer placer(inside, Layout);
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        const TLine& line = Lines[i];
        if (line.Label.isEmpty()) continue;
        ++Layout.LabelledLines;
        if (runs[i].empty()) continue;
        ++Layout.VisibleLines;
        const QSizeF size = metrics.boundingRect(line.Label).adjusted(-2, 0, 2, 0).size();
        // Neighbouring lines of a family start their search at different places along their
        // length; vapour-fraction lines near the triple point, where they are furthest apart.
        const double start = line.Kind == TKXCurveKind::VapourFraction
                                 ? 0.15
                                 : 0.3 + 0.1 * static_cast<double>(i % 5);
        const std::optional<QRectF> box = placer.Place(runs[i], size, start);
        if (!box) continue;
        painter.fillRect(*box, QColor(255, 255, 255, 220));
        painter.setPen(ColourOf(line.Kind));
        painter.drawText(*box, Qt::AlignCenter, line.Label);
        Layout.Texts.push_back(line.Label);
    }
    painter.setPen(Qt::NoPen);
    if (Critical) {
        painter.setBrush(Qt::black);
        painter.drawEllipse(ToPixel(*Critical), 4, 4);
    }
    if (!Cycle.Segments.empty()) {
        // The cycle: a dark blue path with its numbered state points.
        const QColor blue = CycleColour;
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
    // The state and the marked states: a ring with a cross; a marked state with its number.
    const auto marker = [&painter](QPointF p) {
        painter.setPen(QPen(QColor(220, 0, 0), 2));
        painter.setBrush(QColor(255, 60, 60, 160));
        painter.drawEllipse(p, 6, 6);
        painter.drawLine(p - QPointF(10, 0), p + QPointF(10, 0));
        painter.drawLine(p - QPointF(0, 10), p + QPointF(0, 10));
    };
    QFont bold = font;
    bold.setBold(true);
    bold.setPixelSize(12);
    for (std::size_t k = 0; k < Marked.size(); ++k) {
        const QPointF at = ToPixel(MarkedAt[k]);
        marker(at);
        painter.setFont(bold);
        painter.setPen(MarkColour);
        painter.drawText(at + QPointF(9, -8), QString::fromStdString(Marked[k].Label));
    }
    if (State) marker(ToPixel(*State));
    painter.restore();
    // The legend over everything in the plot it covers.
    if (Layout.Legend) {
        painter.save();
        painter.setFont(font);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QColor(255, 255, 255, 235));
        painter.drawRect(*Layout.Legend);
        const double row = metrics.height() + 2;
        const QRectF box = Layout.Legend->adjusted(6, 4, -6, -4);
        // Columns right-aligned at widths measured over the header and every row.
        std::vector<QStringList> cells;
        for (const QString& r : Layout.LegendRows) cells.push_back(r.split('\t'));
        std::vector<double> widths(cells.front().size(), 0.0);
        for (const QStringList& c : cells)
            for (int k = 0; k < c.size(); ++k)
                widths[std::size_t(k)] =
                    std::max(widths[std::size_t(k)], metrics.horizontalAdvance(c[k]));
        double y = box.top();
        for (std::size_t r = 0; r < cells.size(); ++r, y += row) {
            double x = box.left();
            for (int k = 0; k < cells[r].size(); ++k) {
                const double w = widths[std::size_t(k)];
                // A number in its point's colour: the cycle's first, then the marks.
                painter.setPen(r == 0 || k > 0           ? QColor(Qt::black)
                               : r <= CyclePoints.size() ? CycleColour
                                                         : MarkColour);
                painter.drawText(QRectF(x, y, w, row), Qt::AlignRight | Qt::AlignVCenter,
                                 cells[r][k]);
                x += w + 12;
            }
        }
        painter.restore();
    }
}

void TKXDiagramPainter::PaintLegend(QPainter& painter, const QRectF& inside) const {
    // Where the legend goes and what it lists; drawn by PaintLines over the lines.
    if ((CyclePoints.empty() && Marked.empty()) || !Units) return;
    const char* keys[] = {"p", "T", "h", "s"};
    QStringList header{""};
    for (const char* key : keys)
        header << QString("%1 [%2]").arg(key, QString::fromStdString(Units->UnitFor(key)));
    Layout.LegendRows.push_back(header.join('\t'));
    for (const auto* list : {&CyclePoints, &Marked})
        for (const TKXMarkedState& m : *list) {
            QStringList row{QString::fromStdString(m.Label)};
            for (double v : {m.p, m.T, m.h, m.s}) {
                const char* key = keys[row.size() - 1];
                double shown = v;
                Units->FromStandard(key, v, shown);
                row << Value(shown);
            }
            Layout.LegendRows.push_back(row.join('\t'));
        }
    const QFontMetricsF metrics(painter.font());
    std::vector<double> widths(5, 0.0);
    for (const QString& r : Layout.LegendRows) {
        const QStringList c = r.split('\t');
        for (int k = 0; k < c.size(); ++k)
            widths[std::size_t(k)] =
                std::max(widths[std::size_t(k)], metrics.horizontalAdvance(c[k]));
    }
    double width = 12 + 12 * 4;
    for (double w : widths) width += w;
    const QSizeF size(width, 8 + (metrics.height() + 2) * double(Layout.LegendRows.size()));
    // The corner that covers fewest points and dome or cycle pieces.
    std::vector<QLineF> pieces;
    for (const QPolygonF& run : Layout.Dome)
        for (int k = 0; k + 1 < run.size(); ++k) pieces.emplace_back(run[k], run[k + 1]);
    for (const auto& segment : Cycle.Segments)
        for (std::size_t k = 0; k + 1 < segment.size(); ++k)
            pieces.emplace_back(ToPixel(segment[k]), ToPixel(segment[k + 1]));
    const QRectF room = inside.adjusted(2, 2, -2, -2);
    const QPointF corners[] = {room.topLeft(), room.topRight() - QPointF(size.width(), 0),
                               room.bottomRight() - QPointF(size.width(), size.height()),
                               room.bottomLeft() - QPointF(0, size.height())};
    double best = INFINITY;
    for (const QPointF& corner : corners) {
        const QRectF box(corner, size);
        double cost = 0;
        for (const QRectF& mark : Layout.Marks)
            if (mark.intersects(box)) cost += 1000;
        for (const QLineF& piece : pieces)
            if (TLabelPlacer::Crosses(piece, box)) cost += 1;
        if (cost < best) {
            best = cost;
            Layout.Legend = box;
        }
    }
}

void TKXDiagramPainter::PaintTitle(QPainter& painter) const {
    if (!Title || Title->Fluid.empty()) return;
    painter.save();
    const QRectF block(8, 4, Size_.width() - 16, TitleHeight);
    QFont big = painter.font();
    big.setPixelSize(15);
    big.setBold(true);
    QFont small = painter.font();
    small.setPixelSize(11);
    small.setBold(false);
    const QString name = QString::fromStdString(Title->Fluid) + "   " + ChartName(Diagram_.Kind);
    const QString pUnit = QString::fromStdString(Units ? Units->UnitFor("p") : "bar(a)");
    QString axes = XTitle() + " · " + YTitle() + " · pressures absolute, " + pUnit;
    QString model = "Equation of state: " + QString::fromStdString(Title->EquationOfState);
    if (!Title->ReferenceState.empty())
        model += " · Reference state: " + QString::fromStdString(Title->ReferenceState);
    painter.setPen(Qt::black);
    painter.setFont(big);
    const QFontMetricsF bigMetrics(big);
    painter.drawText(QRectF(block.left(), block.top(), block.width(), 20),
                     Qt::AlignLeft | Qt::AlignVCenter, name);
    painter.setFont(small);
    const QFontMetricsF metrics(small);
    const double free = block.width() - bigMetrics.horizontalAdvance(name) - 24;
    axes = metrics.elidedText(axes, Qt::ElideRight, std::max(0.0, free));
    model = metrics.elidedText(model, Qt::ElideRight, block.width());
    painter.drawText(QRectF(block.left(), block.top(), block.width(), 20),
                     Qt::AlignRight | Qt::AlignVCenter, axes);
    painter.drawText(QRectF(block.left(), block.top() + 20, block.width(), 16),
                     Qt::AlignLeft | Qt::AlignVCenter, model);
    Layout.TitleBlock = block;
    Layout.TitleLines = {name, axes, model};
    painter.restore();
}

std::vector<QRectF> TKXDiagramPainter::MarkBoxes() const {
    std::vector<QRectF> boxes;
    const auto around = [](QPointF at, double half) {
        return QRectF(at - QPointF(half, half), at + QPointF(half, half));
    };
    if (Critical) boxes.push_back(around(ToPixel(*Critical), 5));
    if (State) boxes.push_back(around(ToPixel(*State), 11));
    for (std::size_t k = 0; k < Marked.size(); ++k) {
        const QPointF at = ToPixel(MarkedAt[k]);
        boxes.push_back(around(at, 11));
        boxes.push_back(
            QRectF(at + QPointF(8, -22), QSizeF(9.0 * (Marked[k].Label.size() + 1), 17)));
    }
    for (const auto& [label, p] : Cycle.Labels) {
        const QPointF at = ToPixel(p);
        boxes.push_back(around(at, 5));
        boxes.push_back(QRectF(at + QPointF(5, -20), QSizeF(8.0 * (label.size() + 1), 16)));
    }
    return boxes;
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
