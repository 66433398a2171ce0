#include "KXPsychroWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "KXDiagramFile.h"

TKXPsychroWidget::TKXPsychroWidget(QWidget* parent) : QWidget(parent) {
    setObjectName("PsychroWidget");
    setMouseTracking(true);
    setMinimumSize(320, 240);
}

void TKXPsychroWidget::SetChart(const TKXPsychroChart& chart, const TKXUnitChoice& units) {
    Painter_ = TKXPsychroPainter(chart, units);
    Painter_.SetSize(size());
    Painter_.SetState(StandardState);
    update();
}

void TKXPsychroWidget::SetState(std::optional<TKXPoint> standard) {
    StandardState = standard;
    Painter_.SetState(standard);
    update();
}

bool TKXPsychroWidget::Save(const QString& path) const {
    std::string error;
    TKXDiagramFileOptions options;
    options.Size = size();
    TKXPsychroPainter sized = Painter_;
    const auto paint = [&sized](QPainter& p, QSize at) {
        sized.SetSize(at);
        sized.Paint(p);
    };
    return SaveDrawing(paint, sized.Title().toStdString(), path.toStdString(), options, error);
}

void TKXPsychroWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Painter_.Paint(painter);
}

void TKXPsychroWidget::resizeEvent(QResizeEvent*) {
    Painter_.SetSize(size());
}

void TKXPsychroWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (!Painter_.PlotRect().contains(at) || Painter_.Empty()) return;
    if (const auto s = Painter_.ToStandard(Painter_.FromPixel(at))) emit Hovered(*s);
}

void TKXPsychroWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (event->button() != Qt::LeftButton || !Painter_.PlotRect().contains(at) || Painter_.Empty())
        return;
    if (const auto s = Painter_.ToStandard(Painter_.FromPixel(at))) emit Clicked(*s);
}
