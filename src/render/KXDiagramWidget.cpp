#include "KXDiagramWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QRubberBand>
#include <QWheelEvent>
#include <cmath>

#include "KXDiagramFile.h"

TKXDiagramWidget::TKXDiagramWidget(QWidget* parent) : QWidget(parent) {
    setObjectName("DiagramWidget");
    setMouseTracking(true);
    setMinimumSize(320, 240);
    Band = new QRubberBand(QRubberBand::Rectangle, this);
}

void TKXDiagramWidget::SetDiagram(const TKXDiagram& diagram, const TKXUnitChoice& units) {
    Painter_ = TKXDiagramPainter(diagram, units);
    Painter_.SetSize(size());
    Painter_.SetState(StandardState);
    if (Title) Painter_.SetTitle(*Title);
    Painter_.SetMarks(Marks);
    update();
}

void TKXDiagramWidget::SetTitle(const TKXDiagramTitle& title) {
    Title = title;
    Painter_.SetTitle(title);
    update();
}

void TKXDiagramWidget::SetMarks(const std::vector<TKXMarkedState>& standard) {
    Marks = standard;
    Painter_.SetMarks(standard);
    update();
}

void TKXDiagramWidget::SetState(std::optional<TKXPoint> standard) {
    StandardState = standard;
    Painter_.SetState(standard);
    update();
}

void TKXDiagramWidget::ResetView() {
    Painter_.ResetView();
    update();
    emit ViewChanged();
}

bool TKXDiagramWidget::SavePng(const QString& path) const {
    std::string error;
    return SaveDiagram(Painter_, path.toStdString(), size(), error);
}

bool TKXDiagramWidget::SaveSvg(const QString& path) const {
    std::string error;
    return SaveDiagram(Painter_, path.toStdString(), size(), error);
}

bool TKXDiagramWidget::SavePdf(const QString& path, QPageSize::PageSizeId page) const {
    std::string error;
    TKXDiagramFileOptions options;
    options.Page = page;
    return SaveDiagram(Painter_, path.toStdString(), options, error);
}

bool TKXDiagramWidget::Print(QPrinter& printer) const {
    // On the page and orientation the printer holds (the print dialog offers landscape first).
    QPainter p;
    if (!p.begin(&printer)) return false;
    PaintOnPage(Painter_, p, printer.pageLayout().paintRectPixels(printer.resolution()),
                printer.resolution());
    return p.end();
}

void TKXDiagramWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Painter_.Paint(painter);
}

void TKXDiagramWidget::resizeEvent(QResizeEvent*) {
    Painter_.SetSize(size());
}

void TKXDiagramWidget::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    Painter_.ZoomAt(event->position(), std::pow(0.8, steps));
    update();
    emit ViewChanged();
}

void TKXDiagramWidget::mousePressEvent(QMouseEvent* event) {
    PressAt = LastAt = event->position().toPoint();
    Pressed = true;
    Panning = event->button() == Qt::MiddleButton ||
              (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier));
    if (!Panning) {
        Band->setGeometry(QRect(PressAt, QSize()));
        Band->show();
    }
}

void TKXDiagramWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (Pressed && Panning) {
        Painter_.Pan(at - LastAt);
        update();
    } else if (Pressed) {
        Band->setGeometry(QRect(PressAt, at).normalized());
    } else if (Painter_.PlotRect().contains(at) && !Painter_.Empty()) {
        if (const auto s = Painter_.ToStandard(Painter_.FromPixel(at))) emit Hovered(*s);
    }
    LastAt = at;
}

void TKXDiagramWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    Band->hide();
    const bool wasPanning = Panning;
    Pressed = Panning = false;
    if (wasPanning) emit ViewChanged();
    if (wasPanning || Painter_.Empty()) return;
    if ((at - PressAt).manhattanLength() < 5) {
        // A click: the value under the cursor.
        if (Painter_.PlotRect().contains(at))
            if (const auto s = Painter_.ToStandard(Painter_.FromPixel(at))) emit Clicked(*s);
        return;
    }
    Painter_.ZoomTo(QRectF(PressAt, at));
    update();
    emit ViewChanged();
}
