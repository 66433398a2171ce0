// The explorer window on the offscreen platform: the time from one keystroke in a value field to
// the updated state table, and from the Compute click to a 1000-row table on screen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "KXClipboard.h"
#include "KXDiagramPainter.h"
#include "KXExplorerWindow.h"
#include "KX_Libraries_Catalogue.h"

namespace {

QApplication& Application() {
    static int argc = 1;
    static char name[] = "bench_explorer_window";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

const TKXLibraries& Registry() {
    return KXRegistry();
}

class TNullClipboard : public IKXClipboard {
  public:
    void SetText(const QString&) override {}
    QString GetText() const override { return {}; }
    void Clear() override {}
};

// Typing a digit and taking it back again: each keystroke recomputes and redraws the table.
void BM_KeystrokeToStateTable(benchmark::State& state) {
    Application();
    TNullClipboard clipboard;
    TKXExplorerWindow window(Registry(), 0, clipboard);
    window.show();
    const char* library = state.range(0) == 0 ? "KX_WS_IF97" : "KX_R134a_FE";
    window.SelectLibrary(library);
    window.SelectPair("ph");
    window.SetValues("10", state.range(0) == 0 ? "200" : "40");
    auto* edit = window.findChild<QLineEdit*>("Value2Edit");
    auto* table = window.findChild<QTableWidget*>("StateTable");
    edit->setFocus();
    edit->end(false);
    bool add = true;
    for (auto _ : state) {
        QTest::keyClick(edit, add ? Qt::Key_5 : Qt::Key_Backspace);
        table->repaint();  // the table on screen, not only its items
        add = !add;
    }
    state.SetLabel(std::string(library) + " (p, h): h typed digit by digit");
}
BENCHMARK(BM_KeystrokeToStateTable)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ClickToThousandRowTable(benchmark::State& state) {
    Application();
    TNullClipboard clipboard;
    TKXExplorerWindow window(Registry(), 0, clipboard);
    window.show();
    window.Tabs()->setCurrentIndex(1);
    window.findChild<QComboBox*>("StepModeList")->setCurrentText("count");
    window.findChild<QLineEdit*>("StepEdit")->setText("1000");
    auto* compute = window.findChild<QPushButton*>("ComputeTableBtn");
    auto* table = window.findChild<QTableWidget*>("ResultTable");
    for (auto _ : state) {
        compute->click();
        table->repaint();
    }
    state.counters["rows"] = table->rowCount();
    state.SetLabel("KX_WS_IF97 saturation table by temperature");
}
BENCHMARK(BM_ClickToThousandRowTable)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// Drawing a computed diagram of water into an image the size of the window's diagram (lines,
// labels placed clear of one another, marks).
void BM_PaintDiagram(benchmark::State& state) {
    Application();
    const TKXFluidFunctions fluid(Registry(), FindLibraryIndex(Registry(), "KX_WS_IF97"));
    const TPropertyList catalogue;
    const TKXUnitChoice units(catalogue, 0);
    const auto kind = static_cast<TKXDiagramKind>(state.range(0));
    TKXDiagramPainter painter(ComputeDiagram(fluid, kind), units);
    painter.SetSize(QSize(860, 560));
    QImage image(860, 560, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&image);
        painter.Paint(p);
    }
    state.SetLabel(std::string("KX_WS_IF97 ") + DiagramKindKey(kind));
}
BENCHMARK(BM_PaintDiagram)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// A full chart as a zoom or a file gets it: the isolines chosen and computed for the view in the
// units shown, then drawn with their labels placed, offscreen at the CLI's default size.
void BM_ComputeAndPaintChart(benchmark::State& state) {
    Application();
    constexpr const char* Libraries[] = {"KX_WS_IF97", "KX_R134a_FE", "KX_CO2_FE"};
    const char* library = Libraries[state.range(0)];
    const auto kind = static_cast<TKXDiagramKind>(state.range(1));
    const TKXFluidFunctions fluid(Registry(), FindLibraryIndex(Registry(), library));
    const TPropertyList catalogue;
    const TKXUnitChoice units(catalogue, 0);
    TKXDiagramOptions options;
    options.Units = &units;
    QImage image(900, 650, QImage::Format_ARGB32_Premultiplied);
    std::size_t labels = 0;
    for (auto _ : state) {
        TKXDiagramPainter painter(ComputeDiagram(fluid, kind, options), units);
        painter.SetSize(image.size());
        QPainter p(&image);
        painter.Paint(p);
        labels = painter.LastLayout().Labels.size();
    }
    state.counters["labels"] = static_cast<double>(labels);
    state.SetLabel(std::string(library) + " " + DiagramKindKey(kind));
}
BENCHMARK(BM_ComputeAndPaintChart)
    ->ArgsProduct({{0, 1, 2}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace
