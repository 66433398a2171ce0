// The explorer's Diagram tab: the state's marker follows typing, a click sets the state under the
// cursor (back within a pixel), zoom and reset, PNG and SVG export, and pictures of a p-h chart of
// R134a with a state and an h-s chart of water in the screenshots folder; marked states with a
// cycle, printed and exported as PDF.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QWheelEvent>
#include <cmath>

#include "KXCycleTab.h"
#include "KXDiagramWidget.h"
#include "KXExplorerWindow.h"
#include "KXGuiTestSupport.h"
#include "KX_Libraries_Catalogue.h"

using namespace kxguitest;

namespace {

QString SavePicture(QWidget* w, const QString& name) {
    QDir().mkpath(VARNEXA_SCREENSHOT_DIR);
    const QString path = QString(VARNEXA_SCREENSHOT_DIR) + "/" + name;
    return w->grab().save(path, "PNG") ? path : QString();
}

// What a poppler tool prints about a file.
QString Poppler(const QString& tool, const QStringList& args) {
    QProcess process;
    process.start(tool, args);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The page size pdfinfo reports, rounded to points.
QSize PageSize(const QString& pdf) {
    const auto m = QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)")
                       .match(Poppler("pdfinfo", {pdf}));
    return m.hasMatch() ? QSize(qRound(m.captured(1).toDouble()), qRound(m.captured(2).toDouble()))
                        : QSize();
}

double Distance(QPointF a, QPointF b) {
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

}  // namespace

class ExplorerDiagramTest : public QObject {
    Q_OBJECT

    const TKXLibraries& Libraries = KXRegistry();
    TKXSystemClipboard Clipboard;

    std::unique_ptr<TKXExplorerWindow> Open(const char* library, TKXDiagramKind kind) {
        auto e = std::make_unique<TKXExplorerWindow>(Libraries, 0, Clipboard);
        e->resize(900, 700);
        e->show();
        if (!QTest::qWaitForWindowExposed(e.get())) return nullptr;
        e->SelectLibrary(library);
        e->Tabs()->setCurrentIndex(2);
        e->SelectDiagramKind(kind);
        if (!QTest::qWaitFor([&] { return e->DiagramReady(); }, 20000)) return nullptr;
        return e;
    }

    // Where the state of the State tab is drawn, in pixels of the diagram.
    static std::optional<QPointF> MarkerPixel(TKXExplorerWindow* e) {
        const TKXDiagramPainter& painter = e->DiagramView()->Painter();
        const auto display = painter.StateDisplay();
        if (!display) return std::nullopt;
        return painter.ToPixel(*display);
    }

  private slots:
    void TheMarkerFollowsTheStateAsTheUserTypes() {
        auto e = Open("KX_R134a_FE", TKXDiagramKind::PH);
        QVERIFY(e);
        QVERIFY(e->SelectPair("pT"));
        e->SetValues("10", "60");
        const auto first = MarkerPixel(e.get());
        QVERIFY(first.has_value());
        QTest::keyClick(e->findChild<QLineEdit*>("Value2Edit"), Qt::Key_5);  // 605 °C: outside
        QVERIFY(!e->State().Ok);
        QVERIFY(!MarkerPixel(e.get()).has_value());
        QTest::keyClick(e->findChild<QLineEdit*>("Value2Edit"), Qt::Key_Backspace);
        QTest::keyClick(e->findChild<QLineEdit*>("Value2Edit"), Qt::Key_Backspace);  // 6 °C
        const auto second = MarkerPixel(e.get());
        QVERIFY(second.has_value());
        QVERIFY(second->x() < first->x() - 20);  // the liquid at 6 °C lies far left of the vapour
        QCOMPARE(second->y(), first->y());       // at the same pressure
        e->SetValues("10", "60");
        QVERIFY(!SavePicture(e.get(), "diagram_r134a_ph.png").isEmpty());
    }

    void AClickSetsTheStateBackWithinAPixel() {
        for (TKXDiagramKind kind :
             {TKXDiagramKind::PH, TKXDiagramKind::TS, TKXDiagramKind::HS, TKXDiagramKind::PT}) {
            auto e = Open("KX_WS_IF97", kind);
            QVERIFY(e);
            TKXDiagramWidget* view = e->DiagramView();
            const QRectF plot = view->Painter().PlotRect();
            int states = 0;
            // Points across the plot: in the dome, in the vapour, in the liquid where they exist.
            for (const QPointF f : {QPointF(0.5, 0.6), QPointF(0.8, 0.4), QPointF(0.3, 0.7)}) {
                const QPoint click(int(plot.left() + f.x() * plot.width()),
                                   int(plot.top() + f.y() * plot.height()));
                QSignalSpy changed(e.get(), &TKXExplorerWindow::StateChanged);
                QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, click);
                if (changed.isEmpty() || !e->State().Ok) continue;  // outside the library's range
                ++states;
                const auto marker = MarkerPixel(e.get());
                QVERIFY(marker.has_value());
                QVERIFY2(Distance(*marker, click) < 1.0,
                         qPrintable(QString("%1: clicked %2,%3, state drawn at %4,%5")
                                        .arg(DiagramKindKey(kind))
                                        .arg(click.x())
                                        .arg(click.y())
                                        .arg(marker->x())
                                        .arg(marker->y())));
            }
            QVERIFY2(states >= 2, DiagramKindKey(kind));
        }
    }

    void ZoomResetAndFiles() {
        auto e = Open("KX_WS_IF97", TKXDiagramKind::HS);
        QVERIFY(e);
        QVERIFY(!SavePicture(e.get(), "diagram_water_hs.png").isEmpty());
        TKXDiagramWidget* view = e->DiagramView();
        const auto home = view->Painter().View();
        const QPointF centre = view->Painter().PlotRect().center();
        QWheelEvent wheel(centre, view->mapToGlobal(centre), QPoint(), QPoint(0, 240), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &wheel);
        QVERIFY(view->Painter().View().X1 - view->Painter().View().X0 < 0.7 * (home.X1 - home.X0));
        // Rubber band from one corner to another.
        QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier,
                          (centre - QPointF(60, 40)).toPoint());
        QTest::mouseMove(view, (centre + QPointF(60, 40)).toPoint());
        QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier,
                            (centre + QPointF(60, 40)).toPoint());
        const double zoomed = view->Painter().View().X1 - view->Painter().View().X0;
        QVERIFY(zoomed < 0.3 * (home.X1 - home.X0));
        view->ResetView();
        QCOMPARE(view->Painter().View().X0, home.X0);

        for (const char* name : {"varnexa_diagram_test.png", "varnexa_diagram_test.svg"}) {
            const QString path = QDir::temp().filePath(name);
            QFile::remove(path);
            QVERIFY(QString(name).endsWith("png") ? view->SavePng(path) : view->SaveSvg(path));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray content = file.readAll();
            QVERIFY(content.size() > 1000);
            if (QString(name).endsWith("svg"))
                QVERIFY(content.contains("<svg"));
            else
                QVERIFY(content.startsWith("\x89PNG"));
            QFile::remove(path);
        }
    }
    // A step typed for a family draws its lines at that step; a zoom chooses finer round steps
    // for the new view once the wheel stops.
    void AStepAndAZoomChooseTheLines() {
        auto e = Open("KX_R134a_FE", TKXDiagramKind::PH);
        QVERIFY(e);
        TKXDiagramWidget* view = e->DiagramView();
        const auto steps = [view](const std::string& key) {
            std::vector<double> v;
            for (const TKXCurve& c : view->Painter().Diagram().Curves)
                if (c.Key == key && c.Kind != TKXCurveKind::SaturatedLiquid &&
                    c.Kind != TKXCurveKind::SaturatedVapour)
                    v.push_back(c.Value);
            return v.size() < 2 ? 0.0 : v[1] - v[0];
        };
        QCOMPARE(steps("T"), 20.0);
        const double isentropes = steps("s");
        auto* family = e->findChild<QComboBox*>("IsolineFamilyList");
        auto* step = e->findChild<QLineEdit*>("IsolineStepEdit");
        QVERIFY(family && step);
        family->setCurrentText("T");
        step->setText("5");
        emit step->editingFinished();
        QVERIFY(QTest::qWaitFor([&] { return e->DiagramReady() && steps("T") == 5.0; }, 20000));
        // Zoomed in four wheel steps about the plot's centre: isentropes closer together.
        const QPointF centre = view->Painter().PlotRect().center();
        for (int i = 0; i < 4; ++i) {
            QWheelEvent wheel(centre, view->mapToGlobal(centre), QPoint(), QPoint(0, 120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(view, &wheel);
        }
        const auto zoomed = view->Painter().View();
        QVERIFY(QTest::qWaitFor([&] { return e->DiagramReady(); }, 20000));
        QCOMPARE(view->Painter().View().X0, zoomed.X0);  // the view stays where the user put it
        QVERIFY(steps("s") > 0 && steps("s") < isentropes);
        QCOMPARE(steps("T"), 5.0);
        step->setText("off");
        emit step->editingFinished();
        QVERIFY(QTest::qWaitFor([&] { return e->DiagramReady() && steps("T") == 0.0; }, 20000));
    }

    // The readout under the cursor goes when the fluid or the state changes.
    void TheHoverReadoutGoesWithTheFluidAndTheState() {
        auto e = Open("KX_R134a_FE", TKXDiagramKind::PH);
        QVERIFY(e);
        auto* hover = e->findChild<QLabel*>("HoverLbl");
        emit e->DiagramView()->Hovered(TKXPoint{400.0, 2.0});
        QVERIFY(!hover->text().isEmpty());
        e->SetValues("3", "20");
        QVERIFY(hover->text().isEmpty());
        emit e->DiagramView()->Hovered(TKXPoint{400.0, 2.0});
        QVERIFY(!hover->text().isEmpty());
        e->SelectLibrary("KX_R32_FE");
        QVERIFY(hover->text().isEmpty());
    }

    // The Cycle tab: the start values give an R134a cycle at one click, its points and results
    // in the tables, the cycle drawn on the diagram through its four points; a wrong input names
    // itself and draws nothing.
    void TheCycleTabComputesAndDrawsTheCycle() {
        auto e = Open("KX_R134a_FE", TKXDiagramKind::PH);
        QVERIFY(e);
        TKXCycleTab* tab = e->CycleTab();
        e->Tabs()->setCurrentWidget(tab);
        Click(tab->findChild<QPushButton*>("ComputeCycleBtn"));
        QVERIFY2(tab->Cycle().Ok, tab->Cycle().ErrorText.c_str());
        QCOMPARE(tab->findChild<QTableWidget*>("CyclePoints")->rowCount(), 4);
        auto* results = tab->findChild<QTableWidget*>("CycleResults");
        QCOMPARE(results->item(3, 0)->text(), QString("COP_cooling"));
        const TKXCyclePath& drawn = e->DiagramView()->Painter().CycleDisplay();
        QCOMPARE(static_cast<int>(drawn.Labels.size()), 4);
        QVERIFY(!SavePicture(e.get(), "explorer_cycle.png").isEmpty());
        e->Tabs()->setCurrentIndex(2);
        QVERIFY(!SavePicture(e.get(), "diagram_r134a_cycle.png").isEmpty());

        // Saved as CSV in a decimal-comma locale: the copied lines with ';' and decimal commas,
        // after a byte-order mark.
        const QString path = QDir::temp().filePath("varnexa_cycle_test.csv");
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(tab->SaveCycleCsv(path));
        QLocale::setDefault(before);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(QString::fromUtf8(bytes.mid(3)),
                 tab->CycleTsv().replace('.', ',').replace('\t', ';'));
        QFile::remove(path);

        tab->SetInput("evap", "60");
        tab->Compute();
        QVERIFY(!tab->Cycle().Ok);
        QVERIFY(tab->findChild<QLabel*>("CycleError")->text().contains("evaporating temperature"));
        QVERIFY(e->DiagramView()->Painter().CycleDisplay().Segments.empty());
    }

    // R134a's p-h chart with its cycle and two marked states: the marks are numbered on from the
    // cycle's four points (5, 6, and 7 for the current state), the legend lists all of them, the
    // chart printed through a printer set to PDF output and exported as PDF is one landscape
    // page of A4 or Letter whose text names the fluid, the axes and the marks' values; "Clear
    // marks" leaves the current state.
    void MarkedStatesArePrintedWithTheirLegend() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||
            QStandardPaths::findExecutable("pdfinfo").isEmpty())
            QSKIP("poppler-utils is not installed");
        auto e = Open("KX_R134a_FE", TKXDiagramKind::PH);
        QVERIFY(e);
        e->CycleTab()->Compute();
        QVERIFY(e->CycleTab()->Cycle().Ok);
        QVERIFY(e->SelectPair("pT"));
        e->SetValues("2.345", "12.5");
        Click(e->findChild<QPushButton*>("MarkStateBtn"));
        e->SetValues("7.654", "66.6");
        Click(e->findChild<QPushButton*>("MarkStateBtn"));
        QCOMPARE(e->MarkedStateCount(), std::size_t(2));
        TKXDiagramWidget* diagram = e->DiagramView();
        QCOMPARE(diagram->Painter().Marks().size(), std::size_t(2));  // the current is the last
        e->SetValues("1", "20");
        const auto& marks = diagram->Painter().Marks();
        QCOMPARE(marks.size(), std::size_t(3));
        for (std::size_t k = 0; k < marks.size(); ++k)
            QCOMPARE(marks[k].Label, std::to_string(k + 5));
        diagram->grab();  // drawn once more, so its layout is today's
        const auto& rows = diagram->Painter().LastLayout().LegendRows;
        QCOMPARE(rows.size(), std::size_t(1 + 4 + 3));
        for (std::size_t k = 1; k < rows.size(); ++k)
            QVERIFY2(rows[k].startsWith(QString("%1\t").arg(k)), qPrintable(rows[k]));
        QVERIFY(rows[5].contains("\t2.345\t12.5\t"));
        QVERIFY(!SavePicture(diagram, "diagram_r134a_marks.png").isEmpty());

        const QString printed = QDir::temp().filePath("varnexa_print_test.pdf");
        const QString letter = QDir::temp().filePath("varnexa_letter_test.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Landscape);  // as the print button sets it
        QVERIFY(e->PrintDiagram(printer));
        QVERIFY(diagram->SavePdf(letter, QPageSize::Letter));
        QCOMPARE(PageSize(printed), QSize(842, 595));
        QCOMPARE(PageSize(letter), QSize(792, 612));
        for (const QString& pdf : {printed, letter}) {
            QVERIFY(Poppler("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\n")));
            const QString text = Poppler("pdftotext", {pdf, "-"});
            for (const char* words :
                 {"R134a", "h [kJ/kg]", "p [bar(a)]", "Tillner-Roth", "2.345", "66.6"})
                QVERIFY2(text.contains(words), words);
            QFile::remove(pdf);
        }

        Click(e->findChild<QPushButton*>("ClearMarksBtn"));
        QCOMPARE(e->MarkedStateCount(), std::size_t(0));
        QCOMPARE(diagram->Painter().Marks().size(), std::size_t(1));
        QCOMPARE(diagram->Painter().Marks().front().Label, std::string("5"));
    }
};

QTEST_MAIN(ExplorerDiagramTest)
#include "explorer_diagram_test.moc"
