// The labels of a drawn diagram: on every library's four charts at three zoom levels, each label
// box the painter draws lies inside the plot and clear of every other label, the dome, the
// critical point, the state's marker, the marked states and the legend; most lines in view carry
// one; the legend lists every marked state by its number, and the title block names the fluid.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "KXDiagramPainter.h"
#include "KXExplorerState.h"
#include "KX_Libraries_Catalogue.h"

namespace {

bool Crosses(const QLineF& piece, const QRectF& box) {
    if (box.contains(piece.p1()) || box.contains(piece.p2())) return true;
    const QPointF c[] = {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()};
    for (int k = 0; k < 4; ++k)
        if (piece.intersects(QLineF(c[k], c[(k + 1) % 4]), nullptr) == QLineF::BoundedIntersection)
            return true;
    return false;
}

// What is wrong with the last drawing's labels; empty when nothing is.
QString Faults(const TKXDiagramPainter& painter) {
    const TKXDiagramPainter::TLayout& layout = painter.LastLayout();
    const QRectF plot = painter.PlotRect();
    const auto& labels = layout.Labels;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const QString name = layout.Texts.at(i);
        if (!plot.contains(labels[i])) return name + " outside the plot";
        for (std::size_t j = i + 1; j < labels.size(); ++j)
            if (labels[i].intersects(labels[j])) return name + " on " + layout.Texts.at(j);
        for (const QRectF& mark : layout.Marks)
            if (labels[i].intersects(mark)) return name + " on a mark";
        if (layout.Legend && labels[i].intersects(*layout.Legend)) return name + " on the legend";
        for (const QPolygonF& dome : layout.Dome)
            for (int k = 0; k + 1 < dome.size(); ++k)
                if (Crosses(QLineF(dome[k], dome[k + 1]), labels[i])) return name + " on the dome";
    }
    // The legend: inside the plot, a header and one row per marked state led by its number.
    const auto& marks = painter.Marks();
    if (!marks.empty()) {
        if (!layout.Legend || !plot.contains(*layout.Legend)) return "no legend in the plot";
        if (layout.LegendRows.size() != marks.size() + 1)
            return QString("%1 legend rows for %2 marks")
                .arg(layout.LegendRows.size())
                .arg(marks.size());
        for (std::size_t k = 0; k < marks.size(); ++k)
            if (!layout.LegendRows[k + 1].startsWith(QString("%1\t").arg(k + 1)))
                return "legend row " + layout.LegendRows[k + 1];
    }
    if (layout.TitleLines.empty() || !layout.TitleBlock || layout.TitleBlock->intersects(plot))
        return "no title block above the plot";
    // Most lines that show a part carry a label.
    if (2 * labels.size() < static_cast<std::size_t>(layout.VisibleLines))
        return QString("%1 labels for %2 lines").arg(labels.size()).arg(layout.VisibleLines);
    return {};
}

}  // namespace

class DiagramLabelsTest : public QObject {
    Q_OBJECT

  private slots:
    void LabelsNeverCollide() {
        const TKXLibraries& registry = KXRegistry();
        const TPropertyList catalogue;
        const TKXUnitChoice units(catalogue, 0);
        int drawings = 0, labels = 0, markedStates = 0;
        for (int l = 0; l < registry.Count(); ++l) {
            const TKXFluidFunctions fluid(registry, l);
            if (!fluid.Offers("HPT") || !fluid.Offers("Tc")) continue;
            for (TKXDiagramKind kind :
                 {TKXDiagramKind::PH, TKXDiagramKind::TS, TKXDiagramKind::HS, TKXDiagramKind::PT}) {
                TKXDiagramOptions options;
                options.Units = &units;
                options.PointsPerLine = 60;
                TKXDiagramPainter painter(ComputeDiagram(fluid, kind, options), units);
                painter.SetSize(QSize(900, 650));
                // The default view, then zoomed about the critical point to a half and a tenth,
                // the isolines chosen again for each view as the window does.
                const std::optional<TKXPoint> critical = painter.Diagram().Critical;
                QVERIFY(critical.has_value());
                for (double zoom : {1.0, 0.5, 0.2}) {
                    const QPointF at = painter.ToPixel(painter.ToDisplay(*critical));
                    painter.ZoomAt(at, zoom);
                    const auto view = painter.View();
                    const auto lo = painter.ToStandard({view.X0, view.Y0});
                    const auto hi = painter.ToStandard({view.X1, view.Y1});
                    QVERIFY(lo && hi);
                    options.RangeX = std::pair{lo->X, hi->X};
                    options.RangeY = std::pair{lo->Y, hi->Y};
                    painter = TKXDiagramPainter(ComputeDiagram(fluid, kind, options), units);
                    painter.SetSize(QSize(900, 650));
                    // A state a little off the middle of the plot, marked with two more.
                    painter.SetTitle(DiagramTitle(fluid.Info()));
                    const QPointF middle = painter.PlotRect().center();
                    painter.SetState(
                        painter.ToStandard(painter.FromPixel(middle + QPointF(40, 30))));
                    std::vector<TKXMarkedState> marks;
                    for (QPointF offset : {QPointF(40, 30), QPointF(-120, -60), QPointF(150, 90)}) {
                        const auto at = painter.ToStandard(painter.FromPixel(middle + offset));
                        const auto input = at ? StateAtPoint(fluid, kind, *at) : std::nullopt;
                        if (!input) continue;
                        const TKXState state =
                            ComputeState(fluid, input->Pair, input->X1, input->X2);
                        if (const auto mark = MarkState(state, kind, "")) marks.push_back(*mark);
                    }
                    painter.SetMarks(marks);
                    markedStates += static_cast<int>(marks.size());
                    QImage image(painter.Size(), QImage::Format_ARGB32_Premultiplied);
                    QPainter p(&image);
                    painter.Paint(p);
                    p.end();
                    const QString fault = Faults(painter);
                    QVERIFY2(fault.isEmpty(),
                             qPrintable(QString("%1 %2 zoom %3: %4")
                                            .arg(registry.Library(l)->Library_Name.c_str())
                                            .arg(DiagramKindKey(kind))
                                            .arg(zoom)
                                            .arg(fault)));
                    QVERIFY(painter.LastLayout().TitleLines.front().startsWith(
                        QString::fromStdString(fluid.Info().DisplayName)));
                    ++drawings;
                    labels += static_cast<int>(painter.LastLayout().Labels.size());
                }
            }
        }
        QVERIFY(drawings >= 27 * 4 * 3);
        QVERIFY(labels > 10 * drawings);  // p-T charts have no isolines
        QVERIFY(markedStates > 2 * drawings);
    }
};

QTEST_MAIN(DiagramLabelsTest)
#include "diagram_labels_test.moc"
