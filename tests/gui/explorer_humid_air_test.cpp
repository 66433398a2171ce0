// The explorer with a humid-air library: its page in the first tab shows a whole state from each
// humidity input (and from an altitude), the library's text and no numbers for a wrong input,
// and the Diagram tab the psychrometric chart with the state on it; pictures of both in the
// screenshots folder.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <cmath>

#include "KXDiagramWidget.h"
#include "KXExplorerWindow.h"
#include "KXGuiTestSupport.h"
#include "KXHumidAirPage.h"
#include "KXPsychroWidget.h"
#include "KX_Function_Call.h"
#include "KX_Libraries_Catalogue.h"
#include "NumberText.h"

using namespace kxguitest;

namespace {

QString SavePicture(QWidget* w, const QString& name) {
    QDir().mkpath(VARNEXA_SCREENSHOT_DIR);
    const QString path = QString(VARNEXA_SCREENSHOT_DIR) + "/" + name;
    return w->grab().save(path, "PNG") ? path : QString();
}

// A registered function called directly: its value, or its text.
std::pair<double, QString> Direct(const char* function, double x1, double x2 = 0, double x3 = 0) {
    int l = -1, f = -1;
    if (!KXRegistry().FindFunction(function, l, f)) return {0.0, "not registered"};
    char text[256] = "";
    int32_t code = 0;
    const double args[3] = {x1, x2, x3};
    const double v = KXCallFunction(KXRegistry().GetFunctionPtr(l, f), args, text, 255, &code);
    return {v, code ? QString(text) : QString()};
}

// The value cell of a row of the humid-air table, by key.
QString Cell(QTableWidget* table, const char* key) {
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->item(r, 0)->data(Qt::UserRole).toString() == key)
            return table->item(r, 2)->text();
    return "(no row)";
}

}  // namespace

class ExplorerHumidAirTest : public QObject {
    Q_OBJECT

    TKXSystemClipboard Clipboard;

  private slots:
    void APageOfStatesAndErrors() {
        TKXExplorerWindow e(KXRegistry(), 0, Clipboard);
        e.resize(900, 760);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        QVERIFY(e.SelectLibrary("humid air"));
        QVERIFY(e.HumidAir());
        QCOMPARE(e.Tabs()->tabText(0), QString("Humid air"));
        QVERIFY(!e.Tabs()->isTabEnabled(1));  // no fluid tables for humid air
        TKXHumidAirPage* page = e.HumidAirPage();
        QVERIFY(page->isVisible());
        auto* table = page->findChild<QTableWidget*>("HumidStateTable");
        auto* error = page->findChild<QLabel*>("HumidStateError");

        // 25 °C and 50 % at standard pressure: the library's numbers, in the row's units (W in
        // g/kg and RH in % in the SI system).
        QVERIFY(page->State().Ok);
        const double w = Direct("KX_HA_RP1485_WPTR", 1.01325, 25.0, 0.5).first;
        const double h = Direct("KX_HA_RP1485_HPTW", 1.01325, 25.0, w).first;
        QCOMPARE(e.Units().UnitFor("W"), std::string("g/kg"));
        QCOMPARE(Cell(table, "W").toDouble(), std::stod(FormatGeneral(w * 1000.0, 5)));
        QCOMPARE(Cell(table, "RH").toDouble(), 50.0);
        QCOMPARE(Cell(table, "h").toDouble(), std::stod(FormatGeneral(h, 5)));
        for (const char* key :
             {"T", "p", "RH", "Td", "Twb", "s", "v", "rho", "cp", "mu", "psi", "eta", "lambda"})
            QVERIFY2(!Cell(table, key).isEmpty() && Cell(table, key) != "(no row)", key);
        QVERIFY(!error->isVisible());

        // The same state from its dew point typed in °F, and from its wet bulb.
        QVERIFY(page->SelectInput("Td"));
        QVERIFY(std::fabs(page->State().Row("W")->Mixture.Value - w) < 1e-9 * w);
        const double td = page->State().Row("Td")->Mixture.Value;
        page->findChild<QComboBox*>("HumidHumidityUnit")->setCurrentText("°F");
        page->SetValues("1.01325", "25", QString::number(td * 1.8 + 32.0, 'g', 17));
        QVERIFY(page->State().Ok);
        QVERIFY(std::fabs(page->State().Row("W")->Mixture.Value - w) < 1e-9 * w);
        page->findChild<QComboBox*>("HumidHumidityUnit")->setCurrentText("°C");
        page->SetValues("1.01325", "25", QString::number(td, 'g', 17));
        QVERIFY(page->SelectInput("Twb"));  // takes the state's wet bulb
        QVERIFY(page->State().Ok);
        QVERIFY(std::fabs(page->State().Row("RH")->Mixture.Value - 0.5) < 1e-8);

        // Wrong inputs: the library's text, no number left in the table.
        const struct {
            const char* Input;
            const char* Function;
            double X;
        } wrong[] = {{"RH", "KX_HA_RP1485_WPTR", 1.2},
                     {"W", "KX_HA_RP1485_RPTW", 0.05},
                     {"Td", "KX_HA_RP1485_WPTTd", 30.0}};
        for (const auto& c : wrong) {
            QVERIFY(page->SelectInput(c.Input));
            double typed = 0.0;  // in the field's unit
            QVERIFY(e.InputUnits().FromStandard(c.Input, c.X, typed));
            page->SetValues("1.01325", "25", QString::number(typed, 'g', 17));
            QVERIFY2(!page->State().Ok, c.Input);
            QVERIFY(error->isVisible());
            QCOMPARE(error->text(), Direct(c.Function, 1.01325, 25.0, c.X).second);
            for (int r = 0; r < table->rowCount(); ++r)
                QVERIFY2(table->item(r, 2)->text().isEmpty(), c.Input);
            QVERIFY(!e.PsychroView()->Painter().StateDisplay().has_value());
        }
        QVERIFY(!SavePicture(&e, "explorer_humid_air_error.png").isEmpty());

        // From an altitude: the standard atmosphere's pressure in the p row.
        QVERIFY(page->SelectInput("RH"));
        page->SetAltitudeMode(true);
        page->SetValues("1500", "20", "60");
        QVERIFY(page->State().Ok);
        QCOMPARE(page->State().Row("p")->Mixture.Value, Direct("KX_HA_RP1485_PZ", 1500).first);
        page->SetAltitudeMode(false);
        page->SetValues("1.01325", "25", "50");
        QVERIFY(page->State().Ok);
        QVERIFY(!SavePicture(&e, "explorer_humid_air.png").isEmpty());
    }

    void TheChartInTheDiagramTab() {
        TKXExplorerWindow e(KXRegistry(), 0, Clipboard);
        e.resize(1000, 760);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        QVERIFY(e.SelectLibrary("KX_HA_RP1485"));
        e.Tabs()->setCurrentIndex(2);
        QVERIFY(QTest::qWaitFor([&] { return e.PsychroReady(); }, 20000));
        TKXPsychroWidget* view = e.PsychroView();
        QVERIFY(view->isVisible());
        QVERIFY(!view->Painter().Empty());
        QVERIFY(view->Painter().Title().contains("1.01325 bar(a)"));
        // The state marked where it lies: 25 °C and its humidity ratio.
        const auto marker = view->Painter().StateDisplay();
        QVERIFY(marker.has_value());
        QCOMPARE(marker->X, 25.0);
        QVERIFY(QTest::qWaitFor([&] { return !view->Painter().LabelBoxes().empty(); }, 5000));
        const std::vector<QRectF>& boxes = view->Painter().LabelBoxes();
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            QVERIFY(view->Painter().PlotRect().contains(boxes[i]));
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                QVERIFY2(!boxes[i].intersects(boxes[j]),
                         qPrintable(QString("labels %1 and %2").arg(i).arg(j)));
        }
        QVERIFY(boxes.size() >= 20);
        QVERIFY(!SavePicture(view, "diagram_psychro.png").isEmpty());

        // Another pressure: a new chart at it.
        e.HumidAirPage()->SetValues("0.8", "25", "50");
        QVERIFY(QTest::qWaitFor(
            [&] { return e.PsychroReady() && view->Painter().Chart().Pressure == 0.8; }, 20000));
        QVERIFY(view->Painter().Title().contains("0.8 bar(a)"));
        // A click on the chart sets the state there.
        const QPointF at = view->Painter().ToPixel({30.0, 0.01});
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at.toPoint());
        QVERIFY(e.HumidAirPage()->State().Ok);
        QVERIFY(std::fabs(e.HumidAirPage()->State().Row("T")->Mixture.Value - 30.0) < 0.2);
        QCOMPARE(e.HumidAirPage()->State().Row("p")->Mixture.Value, 0.8);

        // Back to a fluid: its state tab and diagrams again.
        QVERIFY(e.SelectLibrary("KX_R134a_FE"));
        QVERIFY(!e.HumidAir());
        QCOMPARE(e.Tabs()->tabText(0), QString("State"));
        QVERIFY(e.Tabs()->isTabEnabled(1));
        QVERIFY(QTest::qWaitFor([&] { return e.DiagramReady(); }, 20000));
        QVERIFY(e.DiagramView()->isVisible());
    }
};

QTEST_MAIN(ExplorerHumidAirTest)
#include "explorer_humid_air_test.moc"
