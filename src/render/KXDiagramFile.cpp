#include "KXDiagramFile.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
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

void PaintOnPage(const TKXDiagramPainter& painter, QPainter& device, const QRectF& page,
                 double dpi) {
    PaintScaled(
        [&painter](QPainter& p, QSize size) {
            TKXDiagramPainter sized = painter;
            sized.SetSize(size);
            sized.Paint(p);
        },
        device, page, dpi);
}

void PaintScaled(const TKXSizedPaint& paint, QPainter& device, const QRectF& page, double dpi) {
    const double scale = dpi / 96.0;
    device.save();
    device.translate(page.topLeft());
    device.scale(scale, scale);
    paint(device, (page.size() / scale).toSize());
    device.restore();
}

bool SaveDiagram(const TKXDiagramPainter& painter, const std::string& path, QSize size,
                 std::string& error) {
    TKXDiagramFileOptions options;
    options.Size = size;
    return SaveDiagram(painter, path, options, error);
}

bool SaveDiagram(const TKXDiagramPainter& painter, const std::string& path,
                 const TKXDiagramFileOptions& options, std::string& error) {
    // The same visible range at the size of the file or the page.
    const auto paint = [&painter](QPainter& p, QSize size) {
        TKXDiagramPainter sized = painter;
        sized.SetSize(size);
        sized.Paint(p);
    };
    return SaveDrawing(paint, painter.ChartTitle().toStdString(), path, options, error);
}

bool SaveDrawing(const TKXSizedPaint& paint, const std::string& title, const std::string& path,
                 const TKXDiagramFileOptions& options, std::string& error) {
    const QString file = QString::fromStdString(path);
    const bool svg = file.endsWith(".svg", Qt::CaseInsensitive);
    const bool pdf = file.endsWith(".pdf", Qt::CaseInsensitive);
    if (!svg && !pdf && !file.endsWith(".png", Qt::CaseInsensitive)) {
        error = "the file name must end in .png, .svg or .pdf: " + path;
        return false;
    }
    if (options.Dpi < 1) {
        error = "a resolution must be at least 1 dpi";
        return false;
    }
    EnsureGuiApplication();
    const QSize size = options.Size;
    const QString titleText = QString::fromStdString(title);

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
        generator.setTitle(titleText);
        generator.setDescription("Drawn by Varnexa");
        QPainter p;
        if (p.begin(&generator)) {
            paint(p, size);
            drawn = p.end();
        }
    } else if (pdf) {
        // Vector lines and text on one landscape page with 10 mm margins.
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(titleText);
        writer.setCreator("Varnexa");
        writer.setPageLayout(QPageLayout(QPageSize(options.Page), QPageLayout::Landscape,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        writer.setResolution(300);
        QPainter p;
        if (p.begin(&writer)) {
            PaintScaled(paint, p, writer.pageLayout().paintRectPixels(writer.resolution()),
                        writer.resolution());
            drawn = p.end();
        }
    } else {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        const int perMetre = qRound(options.Dpi / 0.0254);
        image.setDotsPerMeterX(perMetre);
        image.setDotsPerMeterY(perMetre);
        {
            QPainter p(&image);
            PaintScaled(paint, p, QRectF(QPointF(0, 0), QSizeF(size)), options.Dpi);
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
