#include "KXPsychroPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace {

constexpr double LeftMargin = 78, RightMargin = 24, TopMargin = 30, BottomMargin = 48;

QString Number(double v) {
    return QString::number(v, 'g', 6);
}

QColor ColourOf(TKXPsychroLineKind kind) {
    switch (kind) {
        case TKXPsychroLineKind::Saturation:
            return QColor(0, 0, 0);
        case TKXPsychroLineKind::RelativeHumidity:
            return QColor(20, 120, 60);
        case TKXPsychroLineKind::Enthalpy:
            return QColor(140, 40, 160);
        case TKXPsychroLineKind::WetBulb:
            return QColor(20, 80, 200);
        case TKXPsychroLineKind::Volume:
            return QColor(170, 100, 20);
    }
    return Qt::black;
}

// Where along a line (0 its lower, 1 its upper end) its label is tried first: curves of
// relative humidity near their upper end, enthalpy beside the saturation curve, wet-bulb lines
// in the middle, volume lines near the dry-air axis.
double PreferredPlace(TKXPsychroLineKind kind) {
    switch (kind) {
        case TKXPsychroLineKind::Saturation:
            return 0.85;
        case TKXPsychroLineKind::RelativeHumidity:
            return 0.8;
        case TKXPsychroLineKind::Enthalpy:
            return 0.9;
        case TKXPsychroLineKind::WetBulb:
            return 0.45;
        case TKXPsychroLineKind::Volume:
            return 0.12;
    }
    return 0.5;
}

}  // namespace

TKXPsychroPainter::TKXPsychroPainter(const TKXPsychroChart& chart, const TKXUnitChoice& units)
    : Chart_(chart), Units(&units) {
    for (const TKXPsychroLine& c : chart.Lines) {
        TLine line{c.Kind, {}, {}};
        double v = c.Value;
        const std::string unitKey = c.Key == "Twb" ? "T" : c.Key;  // wet bulb on the T axis' unit
        if (c.Kind == TKXPsychroLineKind::Saturation) {
            line.Label = "100 %";
        } else if (c.Kind == TKXPsychroLineKind::RelativeHumidity) {
            line.Label = Number(std::round(c.Value * 100.0)) + " %";
        } else if (units.FromStandard(unitKey, c.Value, v)) {
            line.Label = QString::fromStdString(c.Key) + "=" + Number(v) + " " +
                         QString::fromStdString(units.UnitFor(unitKey));
        }
        for (const TKXPoint& p : c.Points) {
            const TKXPoint d = ToDisplay(p);
            if (std::isfinite(d.X) && std::isfinite(d.Y)) line.Points << QPointF(d.X, d.Y);
        }
        if (line.Points.size() > 1) Lines.push_back(std::move(line));
    }
    Min = ToDisplay(chart.Min);
    Max = ToDisplay(chart.Max);
}

TKXPoint TKXPsychroPainter::ToDisplay(TKXPoint standard) const {
    TKXPoint d = standard;
    if (Units) {
        Units->FromStandard("T", standard.X, d.X);
        Units->FromStandard("W", standard.Y, d.Y);
    }
    return d;
}

std::optional<TKXPoint> TKXPsychroPainter::ToStandard(TKXPoint display) const {
    TKXPoint s = display;
    if (Units &&
        (!Units->ToStandard("T", display.X, s.X) || !Units->ToStandard("W", display.Y, s.Y)))
        return std::nullopt;
    return s;
}

void TKXPsychroPainter::SetState(std::optional<TKXPoint> standard) {
    State = standard ? std::optional(ToDisplay(*standard)) : std::nullopt;
}

void TKXPsychroPainter::SetSize(QSize size) {
    Size_ = size;
}

QRectF TKXPsychroPainter::PlotRect() const {
    return QRectF(LeftMargin, TopMargin, std::max(10.0, Size_.width() - LeftMargin - RightMargin),
                  std::max(10.0, Size_.height() - TopMargin - BottomMargin));
}

QPointF TKXPsychroPainter::ToPixel(TKXPoint d) const {
    const QRectF r = PlotRect();
    return {r.left() + (d.X - Min.X) / (Max.X - Min.X) * r.width(),
            r.bottom() - (d.Y - Min.Y) / (Max.Y - Min.Y) * r.height()};
}

TKXPoint TKXPsychroPainter::FromPixel(QPointF pixel) const {
    const QRectF r = PlotRect();
    return {Min.X + (pixel.x() - r.left()) / r.width() * (Max.X - Min.X),
            Min.Y + (r.bottom() - pixel.y()) / r.height() * (Max.Y - Min.Y)};
}

QString TKXPsychroPainter::Title() const {
    double p = Chart_.Pressure;
    std::string unit = "bar(a)";
    if (Units && Units->FromStandard("p", Chart_.Pressure, p)) unit = Units->UnitFor("p");
    return QString("Psychrometric chart, p = %1 %2").arg(Number(p), QString::fromStdString(unit));
}

void TKXPsychroPainter::Paint(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(Size_)), Qt::white);
    const QRectF plot = PlotRect();
    PaintAxes(painter, plot);
    PaintLines(painter, plot);
    if (!Chart_.Ok()) {
        // No chart at this pressure: the library's reason in its place.
        painter.setPen(Qt::red);
        painter.drawText(plot.adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap,
                         QString::fromStdString(Chart_.Error));
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    painter.restore();
}

void TKXPsychroPainter::PaintLines(QPainter& painter, const QRectF& plot) const {
    painter.save();
    painter.setClipRect(plot);
    const double sx = plot.width() / (Max.X - Min.X), sy = plot.height() / (Max.Y - Min.Y);
    const QTransform map(sx, 0, 0, -sy, plot.left() - Min.X * sx, plot.bottom() + Min.Y * sy);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    const QFontMetricsF metrics(font);

    // The state's mark is kept clear of labels.
    Labels.clear();
    std::vector<QRectF> taken;
    if (State) {
        const QPointF p = ToPixel(*State);
        taken.push_back(QRectF(p - QPointF(11, 11), QSizeF(22, 22)));
    }
    const QRectF inner = plot.adjusted(2, 2, -2, -2);
    struct TPlaced {
        QRectF Box;
        QString Text;
        QColor Colour;
    };
    std::vector<TPlaced> placed;
    for (const TLine& line : Lines) {
        QPen pen(ColourOf(line.Kind), line.Kind == TKXPsychroLineKind::Saturation ? 2.0 : 1.0);
        if (line.Kind == TKXPsychroLineKind::WetBulb) pen.setStyle(Qt::DashLine);
        if (line.Kind == TKXPsychroLineKind::Volume) pen.setStyle(Qt::DashDotLine);
        painter.setPen(pen);
        const QPolygonF pixels = map.map(line.Points);
        painter.drawPolyline(pixels);
        std::vector<QPointF> visible;
        for (const QPointF& p : pixels)
            if (inner.contains(p)) visible.push_back(p);
        if (line.Label.isEmpty() || visible.empty()) continue;
        // The first place along the line, from the preferred one outwards, where the label fits
        // inside the plot clear of every label before it; a line without such a place goes
        // without a label.
        const double preferred = PreferredPlace(line.Kind);
        const QRectF size = metrics.boundingRect(line.Label).adjusted(-2, 0, 2, 0);
        for (int k = 0; k < 19; ++k) {
            const double along = preferred + (k % 2 ? 1 : -1) * 0.05 * ((k + 1) / 2);
            if (along < 0.0 || along > 1.0) continue;
            QRectF box = size;
            box.moveCenter(visible[static_cast<std::size_t>(along * (visible.size() - 1))]);
            if (!inner.contains(box)) continue;
            bool clear = true;
            for (const QRectF& t : taken) clear = clear && !t.intersects(box);
            if (!clear) continue;
            taken.push_back(box);
            placed.push_back({box, line.Label, ColourOf(line.Kind)});
            Labels.push_back(box);
            break;
        }
    }
    // The labels over every line.
    for (const TPlaced& p : placed) {
        painter.fillRect(p.Box, QColor(255, 255, 255, 220));
        painter.setPen(p.Colour);
        painter.drawText(p.Box, Qt::AlignCenter, p.Text);
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

void TKXPsychroPainter::PaintAxes(QPainter& painter, const QRectF& r) const {
    painter.save();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const QColor grid(225, 225, 225);

    const double xStep = NiceStep((Max.X - Min.X) / 12);
    for (double x = std::ceil(Min.X / xStep) * xStep; x <= Max.X + 1e-9 * xStep; x += xStep) {
        const double px = ToPixel({x, Min.Y}).x();
        painter.setPen(grid);
        painter.drawLine(QPointF(px, r.top()), QPointF(px, r.bottom()));
        painter.setPen(Qt::black);
        painter.drawLine(QPointF(px, r.bottom()), QPointF(px, r.bottom() + 4));
        const QString text = Number(std::fabs(x) < 1e-9 * xStep ? 0.0 : x);
        painter.drawText(
            QPointF(px - metrics.horizontalAdvance(text) / 2, r.bottom() + 6 + metrics.ascent()),
            text);
    }
    const double yStep = NiceStep((Max.Y - Min.Y) / 10);
    for (double y = std::ceil(Min.Y / yStep) * yStep; y <= Max.Y + 1e-9 * yStep; y += yStep) {
        const double py = ToPixel({Min.X, y}).y();
        painter.setPen(grid);
        painter.drawLine(QPointF(r.left(), py), QPointF(r.right(), py));
        painter.setPen(Qt::black);
        painter.drawLine(QPointF(r.left() - 4, py), QPointF(r.left(), py));
        const QString text = Number(std::fabs(y) < 1e-9 * yStep ? 0.0 : y);
        painter.drawText(
            QPointF(r.left() - 6 - metrics.horizontalAdvance(text), py + metrics.ascent() / 2 - 1),
            text);
    }
    const auto title = [this](const char* key, const char* name) {
        return QString("%1 %2 [%3]")
            .arg(name, key, QString::fromStdString(Units ? Units->UnitFor(key) : ""));
    };
    painter.drawText(QRectF(r.left(), r.bottom() + 22, r.width(), 20), Qt::AlignCenter,
                     title("T", "dry-bulb temperature"));
    QFont bold = font;
    bold.setBold(true);
    bold.setPixelSize(13);
    painter.setFont(bold);
    painter.drawText(QRectF(r.left(), 4, r.width(), TopMargin - 6), Qt::AlignCenter, Title());
    painter.setFont(font);
    painter.translate(14, r.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-r.height() / 2, -10, r.height(), 20), Qt::AlignCenter,
                     title("W", "humidity ratio"));
    painter.restore();
}
