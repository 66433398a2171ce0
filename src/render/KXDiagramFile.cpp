#include "KXDiagramFile.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Qt's notes on stderr (no XDG_RUNTIME_DIR, a platform plugin that could not connect before the
// fallback took over) say nothing about the drawing: a program that draws into files keeps them
// quiet. Critical and fatal messages still pass.
QtMessageHandler PreviousHandler = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtCriticalMsg && type != QtFatalMsg) return;
    if (PreviousHandler)
        PreviousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    // The platform asked for may have no display to connect to (xcb without DISPLAY); Qt then
    // tries the next in the list, so the offscreen platform always stands behind it.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    else if (!platform.split(';').contains("offscreen"))
        qputenv("QT_QPA_PLATFORM", platform + ";offscreen");
    PreviousHandler = qInstallMessageHandler(QuietHandler);
    static int argc = 1;
    static char name[] = "varnexa";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

bool SaveDiagram(const TKXDiagramPainter& painter, const std::string& path, QSize size,
                 std::string& error) {
    TKXDiagramPainter sized = painter;
    // The same visible range at the file's size.
    sized.SetSize(size);
    return SaveDrawing([&sized](QPainter& p) { sized.Paint(p); }, path, size, error);
}

bool SaveDrawing(const std::function<void(QPainter&)>& paint, const std::string& path, QSize size,
                 std::string& error) {
    const QString file = QString::fromStdString(path);
    const bool svg = file.endsWith(".svg", Qt::CaseInsensitive);
    if (!svg && !file.endsWith(".png", Qt::CaseInsensitive)) {
        error = "the file name must end in .png or .svg: " + path;
        return false;
    }
    EnsureGuiApplication();

    // The whole file is made in memory, written to a temporary file beside the target and
    // renamed over it only when every byte is written: a full disk or a failed encoder leaves an
    // existing file as it was and no truncated one.
    QByteArray bytes;
    bool drawn = false;
    if (svg) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle("Varnexa diagram");
        QPainter p;
        if (p.begin(&generator)) {
            paint(p);
            drawn = p.end();
        }
    } else {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            paint(p);
        }
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        drawn = image.save(&buffer, "PNG");
    }
    QSaveFile out(file);
    errno = 0;
    if (!drawn || !out.open(QIODevice::WriteOnly) ||
        out.write(bytes) != static_cast<qint64>(bytes.size()) || !out.flush() || !out.commit()) {
        // The system's reason where there is one (Qt's text for a failed write says only
        // "Unknown error").
        const int cause = errno;
        const std::string reason = !drawn  ? "the drawing failed"
                                   : cause ? std::strerror(cause)
                                           : out.errorString().toStdString();
        error = "cannot write " + path + (reason.empty() ? "" : ": " + reason);
        return false;
    }
    return true;
}
