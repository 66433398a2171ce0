#pragma once
// A diagram on screen: wheel zoom about the cursor, rubber-band zoom (left drag), pan (middle
// drag or Ctrl + left drag), reset; a click reports the value under the cursor, hovering too.
#include <QPageSize>
#include <QWidget>
#include <optional>

#include "KXDiagramPainter.h"

class QPrinter;
class QRubberBand;

class TKXDiagramWidget : public QWidget {
    Q_OBJECT
  public:
    explicit TKXDiagramWidget(QWidget* parent = nullptr);

    void SetDiagram(const TKXDiagram& diagram, const TKXUnitChoice& units);
    void SetState(std::optional<TKXPoint> standard);
    // The title block and the marked states (standard units), kept across diagrams.
    void SetTitle(const TKXDiagramTitle& title);
    void SetMarks(const std::vector<TKXMarkedState>& standard);
    const TKXDiagramPainter& Painter() const { return Painter_; }
    TKXDiagramPainter& Painter() { return Painter_; }
    void ResetView();

    // The visible diagram as it is on screen, at the widget's size.
    bool SavePng(const QString& path) const;
    bool SaveSvg(const QString& path) const;
    // The visible diagram on one page: of a PDF file (A4 or Letter, landscape), or of a printer
    // (its page and orientation).
    bool SavePdf(const QString& path, QPageSize::PageSizeId page = QPageSize::A4) const;
    bool Print(QPrinter& printer) const;

  signals:
    // Values in the library's standard units.
    void Clicked(TKXPoint standard);
    void Hovered(TKXPoint standard);
    // The user zoomed, panned or reset the view: the isolines are chosen for the new one.
    void ViewChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    TKXDiagramPainter Painter_;
    std::optional<TKXPoint> StandardState;
    std::optional<TKXDiagramTitle> Title;
    std::vector<TKXMarkedState> Marks;
    QRubberBand* Band = nullptr;
    QPoint PressAt;
    QPoint LastAt;
    bool Panning = false;
    bool Pressed = false;
};
