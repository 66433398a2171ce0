#include "KXDiagramFile.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "varnexa";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

bool SaveDiagram(const TKXDiagramPainter& painter, const std::string& path, QSize size,
                 std::string& error) {
    EnsureGuiApplication();
    TKXDiagramPainter sized = painter;
    // The same visible range at the file's size.
    sized.SetSize(size);
    const QString file = QString::fromStdString(path);
    if (file.endsWith(".svg", Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle("Varnexa diagram");
        QPainter p;
        if (!p.begin(&svg)) {
            error = "cannot write " + path;
            return false;
        }
        sized.Paint(p);
        return p.end();
    }
    if (!file.endsWith(".png", Qt::CaseInsensitive)) {
        error = "the file name must end in .png or .svg: " + path;
        return false;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        sized.Paint(p);
    }
    if (!image.save(file, "PNG")) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
