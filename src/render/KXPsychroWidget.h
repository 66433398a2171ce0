#pragma once
// A psychrometric chart on screen; a click reports the (T, W) under the cursor, hovering too.
#include <QWidget>
#include <optional>

#include "KXPsychroPainter.h"

class TKXPsychroWidget : public QWidget {
    Q_OBJECT
  public:
    explicit TKXPsychroWidget(QWidget* parent = nullptr);

    void SetChart(const TKXPsychroChart& chart, const TKXUnitChoice& units);
    void SetState(std::optional<TKXPoint> standard);
    const TKXPsychroPainter& Painter() const { return Painter_; }

    // The chart as it is on screen, at the widget's size; PNG or SVG by the file name.
    bool Save(const QString& path) const;

  signals:
    // (T, W) in the library's standard units.
    void Clicked(TKXPoint standard);
    void Hovered(TKXPoint standard);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    TKXPsychroPainter Painter_;
    std::optional<TKXPoint> StandardState;
};
