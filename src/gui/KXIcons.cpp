#include "KXIcons.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace kxicons {
namespace {

// Every picture is drawn on a 24 x 24 design grid and scaled to the requested size, so one
// drawing serves the small buttons and the large window icon alike.
using TPainting = std::function<void(QPainter&)>;

constexpr double DesignSize = 24.0;
const QColor Ink(0x20, 0x20, 0x28);
const QColor Paper(0xff, 0xff, 0xff);
const QColor Accent(0x1f, 0x5f, 0xbf);

QPixmap Render(const TPainting& paint, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / DesignSize, size / DesignSize);
    paint(painter);
    painter.end();
    return QPixmap::fromImage(image);
}

QIcon MakeIcon(const TPainting& paint, std::initializer_list<int> sizes) {
    QIcon icon;
    for (int size : sizes) icon.addPixmap(Render(paint, size));
    return icon;
}

QPen InkPen(double width) {
    return QPen(Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Sheet(QPainter& p, const QRectF& r) {
    p.setPen(InkPen(1.4));
    p.setBrush(Paper);
    p.drawRect(r);
    p.setPen(InkPen(1.0));
    for (double y = r.top() + 4; y < r.bottom() - 2; y += 3)
        p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5, y));
}

void PaintCut(QPainter& p) {
    p.setPen(InkPen(1.8));
    p.drawLine(QPointF(7, 3), QPointF(15.5, 15));
    p.drawLine(QPointF(17, 3), QPointF(8.5, 15));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Accent, 2.0));
    p.drawEllipse(QPointF(7, 18), 3.2, 3.2);
    p.drawEllipse(QPointF(17, 18), 3.2, 3.2);
}

void PaintCopy(QPainter& p) {
    Sheet(p, QRectF(3.5, 3.5, 11, 13));
    Sheet(p, QRectF(9.5, 7.5, 11, 13));
}

void PaintPaste(QPainter& p) {
    p.setPen(InkPen(1.4));
    p.setBrush(QColor(0xc8, 0x96, 0x50));
    p.drawRoundedRect(QRectF(3.5, 4.5, 14, 17), 1.5, 1.5);
    p.setBrush(QColor(0x90, 0x90, 0x98));
    p.drawRoundedRect(QRectF(7.5, 2.5, 6, 4), 1, 1);
    Sheet(p, QRectF(10.5, 10.5, 10, 11));
}

void PaintPi(QPainter& p) {
    p.setPen(InkPen(2.4));
    QPainterPath bar;
    bar.moveTo(3.5, 8);
    bar.cubicTo(5, 6, 6, 6, 8, 6.5);
    bar.lineTo(20.5, 6.5);
    p.drawPath(bar);
    p.drawLine(QPointF(9, 6.5), QPointF(7.5, 19));
    QPainterPath leg;
    leg.moveTo(15.5, 6.5);
    leg.lineTo(15.5, 17);
    leg.cubicTo(15.5, 19.5, 18, 19.5, 19.5, 18);
    p.drawPath(leg);
}

// A memory cell with an arrow into it (store) or out of it (restore).
void PaintMemory(QPainter& p, bool into) {
    p.setPen(InkPen(1.4));
    p.setBrush(QColor(0xe8, 0xee, 0xf8));
    p.drawRoundedRect(QRectF(3.5, 12.5, 17, 9), 1.5, 1.5);
    QFont font;
    font.setPixelSize(8);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(3.5, 12.5, 17, 9), Qt::AlignCenter, "M");
    p.setPen(QPen(Accent, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(12, 2.5), QPointF(12, 10));
    if (into) {
        p.drawLine(QPointF(8.5, 7), QPointF(12, 10.5));
        p.drawLine(QPointF(15.5, 7), QPointF(12, 10.5));
    } else {
        p.drawLine(QPointF(8.5, 5.5), QPointF(12, 2));
        p.drawLine(QPointF(15.5, 5.5), QPointF(12, 2));
    }
}

void PaintWindow(QPainter& p) {
    p.setPen(QPen(QColor(0x18, 0x28, 0x48), 1.0));
    p.setBrush(QColor(0x2b, 0x3f, 0x66));
    p.drawRoundedRect(QRectF(2.5, 1.5, 19, 21), 2.5, 2.5);
    p.setBrush(QColor(0xd8, 0xf0, 0xd8));
    p.drawRect(QRectF(5, 4, 14, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe0, 0xe0, 0xe8));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 2; ++col) p.drawRect(QRectF(5 + col * 4, 11 + row * 3.6, 2.8, 2.4));
    // The water drop of the steam tables.
    QPainterPath drop;
    drop.moveTo(16, 10.5);
    drop.cubicTo(16, 10.5, 12.5, 15, 12.5, 17);
    drop.cubicTo(12.5, 19, 14, 20.5, 16, 20.5);
    drop.cubicTo(18, 20.5, 19.5, 19, 19.5, 17);
    drop.cubicTo(19.5, 15, 16, 10.5, 16, 10.5);
    p.setBrush(QColor(0x4a, 0xa8, 0xf0));
    p.drawPath(drop);
}

}  // namespace

QIcon Cut() {
    return MakeIcon(PaintCut, {16, 24, 32});
}
QIcon Copy() {
    return MakeIcon(PaintCopy, {16, 24, 32});
}
QIcon Paste() {
    return MakeIcon(PaintPaste, {16, 24, 32});
}
QIcon Pi() {
    return MakeIcon(PaintPi, {16, 24, 32});
}
QIcon Store() {
    return MakeIcon([](QPainter& p) { PaintMemory(p, true); }, {16, 24, 32});
}
QIcon Restore() {
    return MakeIcon([](QPainter& p) { PaintMemory(p, false); }, {16, 24, 32});
}
QIcon Window() {
    return MakeIcon(PaintWindow, {16, 24, 32, 48, 64, 128});
}

}  // namespace kxicons
