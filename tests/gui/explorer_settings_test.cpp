// The explorer remembers itself between runs: everything it was showing comes back after a
// restart, and a broken store gives the default for each broken entry, never a wrong state.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <cmath>

#include "KXDiagramWidget.h"
#include "KXExplorerSettings.h"
#include "KXExplorerWindow.h"
#include "KXGuiTestSupport.h"
#include "KX_Libraries_Catalogue.h"

using namespace kxguitest;

namespace {

// Everything the window would remember, as one text (numbers to 9 digits: they go through the
// display units and back).
QString Describe(const TKXExplorerSettings& s) {
    const auto number = [](const std::optional<int>& v) {
        return v ? QString::number(*v) : QString("-");
    };
    const auto real = [](double v) { return QString::number(v, 'g', 9); };
    const auto units = [](const std::map<std::string, std::string>& m) {
        QStringList l;
        for (const auto& [key, unit] : m) l << QString::fromStdString(key + "=" + unit);
        return l.join(",");
    };
    QStringList parts = {"system " + number(s.UnitSystem),
                         "library " + s.Library,
                         "tab " + s.Tab,
                         "pair " + s.Pair,
                         "digits " + number(s.Digits),
                         "units " + units(s.Units),
                         "input units " + units(s.InputUnits),
                         "diagram " + number(s.DiagramKind)};
    if (const auto& v = s.Values) parts << "values " + real((*v)[0]) + " " + real((*v)[1]);
    if (const auto& t = s.Table)
        parts << QString("table %1 %2 %3 %4 %5 %6")
                     .arg(t->Kind)
                     .arg(t->StepMode)
                     .arg(t->Fixed ? real(*t->Fixed) : "-", real(t->From), real(t->To),
                          real(t->Step));
    if (const auto& v = s.DiagramView)
        parts << "view " + real(v->X0) + " " + real(v->X1) + " " + real(v->Y0) + " " + real(v->Y1);
    return parts.join("; ");
}

// The unit list of a row of the state table.
QComboBox* RowUnit(TKXExplorerWindow* e, const QString& key) {
    auto* table = e->findChild<QTableWidget*>("StateTable");
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->item(r, 0)->data(Qt::UserRole).toString() == key)
            return qobject_cast<QComboBox*>(table->cellWidget(r, 1));
    return nullptr;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A store as the window writes one: R134a in SI with a state by (p, h), a row unit, an isobar
// table, a zoomed T-s diagram, on the Table tab.
const char* const Remembered = R"([General]
unit_system=0
library=KX_R134a_FE
tab=Table
digits=9

[state]
pair=ph
value1=5
value2=420

[units]
1\key=T
1\unit=°C
size=1

[input_units]
1\key=p
1\unit=bar(a)
size=1

[table]
kind=2
step_mode=0
fixed=5
from=0
to=60
step=10

[diagram]
kind=1
x0=1.2
x1=1.8
y0=-20
y1=80
)";

// The store with one line replaced (or removed, when with is empty).
QByteArray Replaced(const QString& line, const QString& with) {
    QString text = QString::fromUtf8(Remembered);
    const qsizetype at = text.indexOf(QRegularExpression(
        "^" + QRegularExpression::escape(line) + "$", QRegularExpression::MultilineOption));
    if (at < 0) return "(no line " + line.toUtf8() + ")";
    text.replace(at, line.size(), with);
    return text.toUtf8();
}

}  // namespace

class ExplorerSettingsTest : public QObject {
    Q_OBJECT

    // An explorer over every library whose main window is in engineering units, reading and
    // writing path; shown, with its first diagram on screen.
    static std::unique_ptr<TKXExplorerWindow> Open(TKXSystemClipboard& clipboard,
                                                   const QString& path) {
        auto e = std::make_unique<TKXExplorerWindow>(KXRegistry(), KXUnitSystemEngineering,
                                                     clipboard, nullptr, path);
        e->show();
        if (!QTest::qWaitForWindowExposed(e.get())) return nullptr;
        if (!QTest::qWaitFor([&] { return e->DiagramReady(); }, 20000)) return nullptr;
        return e;
    }

  private slots:
    void TheStateSurvivesARestart() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("explorer.ini");
        QString before, stateTsv, tableTsv;
        std::vector<int> mainSystems;  // the main window's unit system at each of its writes
        const TKXSettingsHooks hooks{
            [] {
                return TKXSettings{1, KXUnitSystemEngineering};
            },
            [&mainSystems](const TKXSettings& s) { mainSystems.push_back(s.UnitSystem); }};
        {
            TWindow main(hooks, KXRegistry());
            main.Form->SetExplorerSettingsPath(path);
            QVERIFY(main.Show());
            Click(main.Named<QToolButton>("ExplorerBtn"));
            TKXExplorerWindow* e = main.Form->ExplorerWindow();
            QVERIFY(e);
            QVERIFY(e->SelectLibrary("R134a"));
            QCOMPARE(e->UnitSystem(), KXUnitSystemEngineering);  // the main window's at first
            Choose(e->findChild<QComboBox*>("UnitSystemList"), "SI");
            QCOMPARE(e->UnitSystem(), KXUnitSystemSI);
            QVERIFY(e->SelectPair("ph"));
            e->findChild<QComboBox*>("Value1Unit")->setCurrentText("bar(a)");
            e->SetValues("5", "420");
            QVERIFY(e->State().Ok);
            e->findChild<QSpinBox*>("DigitsBox")->setValue(9);
            RowUnit(e, "T")->setCurrentText("°C");
            QCOMPARE(e->Units().UnitFor("T"), std::string("°C"));
            e->findChild<QComboBox*>("TableKindList")->setCurrentIndex(2);
            e->findChild<QLineEdit*>("FixedEdit")->setText("5");
            e->findChild<QLineEdit*>("FromEdit")->setText("0");
            e->findChild<QLineEdit*>("ToEdit")->setText("60");
            e->findChild<QComboBox*>("StepModeList")->setCurrentIndex(0);
            e->findChild<QLineEdit*>("StepEdit")->setText("10");
            e->RecalculateTable();
            QCOMPARE(e->Table().Rows.size(), std::size_t(7));
            QVERIFY(e->SelectDiagramKind(TKXDiagramKind::TS));
            QTRY_VERIFY_WITH_TIMEOUT(e->DiagramReady(), 20000);
            TKXDiagramPainter& painter = e->DiagramView()->Painter();
            painter.ZoomAt(painter.PlotRect().center(), 0.5);
            e->Tabs()->setCurrentIndex(1);

            before = Describe(e->CurrentSettings());
            QVERIFY2(e->CurrentSettings().DiagramView, qPrintable(before));
            stateTsv = e->StateTsv();
            tableTsv = e->TableTsv();
            e->close();  // remembered here; the program ends later
            QVERIFY(QFile::exists(path));
            QVERIFY(main.Form->close());
        }
        // Only the main window's own file changes its unit system.
        QVERIFY(!mainSystems.empty());
        for (int s : mainSystems) QCOMPARE(s, KXUnitSystemEngineering);

        TWindow main(hooks, KXRegistry());
        main.Form->SetExplorerSettingsPath(path);
        QVERIFY(main.Show());
        Click(main.Named<QToolButton>("ExplorerBtn"));
        TKXExplorerWindow* e = main.Form->ExplorerWindow();
        QVERIFY(e);
        QTRY_VERIFY_WITH_TIMEOUT(e->DiagramReady(), 20000);
        QCOMPARE(Describe(e->CurrentSettings()), before);
        QCOMPARE(e->findChild<QComboBox*>("UnitSystemList")->currentText(), QString("SI"));
        QCOMPARE(e->findChild<QComboBox*>("Value1Unit")->currentText(), QString("bar(a)"));
        QCOMPARE(e->Tabs()->tabText(e->Tabs()->currentIndex()), QString("Table"));
        QCOMPARE(e->StateTsv(), stateTsv);
        QCOMPARE(e->TableTsv(), tableTsv);
    }

    // The engineering/SI switch sets every unit to the system's default and keeps the state.
    void TheUnitSystemKeepsTheState() {
        TKXSystemClipboard clipboard;
        auto e = Open(clipboard, {});
        QVERIFY(e);
        QVERIFY(e->SelectLibrary("KX_WS_IF97"));
        QVERIFY(e->SelectPair("pT"));
        e->SetValues("10", "200");
        const TKXStateRow* h = e->State().Row("h");
        QVERIFY(h && h->Mixture.HasValue);
        const double enthalpy = h->Mixture.Value;
        const std::size_t rows = e->Table().Rows.size();
        const QString unit = RowUnit(e.get(), "p")->currentText();
        QVERIFY(e->SelectUnitSystem(KXUnitSystemSI));
        const TKXUnitChoice si(e->Units().Catalogue(), KXUnitSystemSI);
        for (const char* key : {"p", "T", "h", "rho"}) {
            QCOMPARE(e->Units().UnitFor(key), si.UnitFor(key));
            QCOMPARE(e->InputUnits().UnitFor(key), si.UnitFor(key));
        }
        QCOMPARE(RowUnit(e.get(), "p")->currentText(), QString::fromStdString(si.UnitFor("p")));
        QVERIFY(unit != RowUnit(e.get(), "p")->currentText());
        QVERIFY(e->State().Ok);
        QVERIFY(std::abs(e->State().Row("h")->Mixture.Value - enthalpy) < 1e-9 * enthalpy);
        QCOMPARE(e->Table().Rows.size(), rows);
        QVERIFY(e->findChild<QLabel*>("TableError")->isHidden());
    }

    // Each broken entry reads as if it were not there; the rest is still taken.
    void ABrokenStoreGivesTheDefaults_data() {
        QTest::addColumn<QByteArray>("broken");
        QTest::addColumn<QByteArray>("without");
        const auto row = [](const char* name, const QString& line, const QString& bad) {
            QTest::newRow(name) << Replaced(line, bad) << Replaced(line, "");
        };
        QTest::newRow("garbage") << QByteArray("\x00\xff[[=\n\x01\x02=\x03\n[table\nkind=", 24)
                                 << QByteArray();
        QTest::newRow("not a file") << QByteArray("(folder)") << QByteArray();
        row("unknown library", "library=KX_R134a_FE", "library=KX_NO_SUCH_FE");
        row("pair the library lacks", "pair=ph", "pair=pX");
        row("value not a number", "value2=420", "value2=4x0");
        row("negative digits", "digits=9", "digits=-3");
        row("digits not a number", "digits=9", "digits=nine");
        row("unit system unknown", "unit_system=0", "unit_system=7");
        row("unit unknown", "1\\unit=°C", "1\\unit=furlong");
        row("unit of another quantity", "1\\unit=bar(a)", "1\\unit=kJ/kg");
        row("range not a number", "from=0", "from=zero");
        row("table kind unknown", "kind=2", "kind=9");
        row("step of zero", "step=10", "step=0");
        row("fixed value missing", "fixed=5", "fixed=");
        row("tab unknown", "tab=Table", "tab=Nothing");
        row("diagram kind unknown", "kind=1", "kind=42");
        row("view inverted", "x1=1.8", "x1=1.0");
        row("view not finite", "y1=80", "y1=inf");
    }
    void ABrokenStoreGivesTheDefaults() {
        QFETCH(QByteArray, broken);
        QFETCH(QByteArray, without);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString brokenPath = dir.filePath("broken.ini"), withoutPath = dir.filePath("w.ini");
        if (broken == "(folder)")
            QVERIFY(QDir(dir.path()).mkdir("broken.ini"));
        else
            QVERIFY(WriteFile(brokenPath, broken));
        QVERIFY(WriteFile(withoutPath, without));
        QVERIFY(WriteFile(dir.filePath("whole.ini"), Remembered));

        TKXSystemClipboard clipboard;
        auto whole = Open(clipboard, dir.filePath("whole.ini"));
        auto a = Open(clipboard, brokenPath);
        auto b = Open(clipboard, withoutPath);
        QVERIFY(whole && a && b);
        const QString got = Describe(a->CurrentSettings());
        QCOMPARE(got, Describe(b->CurrentSettings()));
        // The entry mattered: the whole store shows something else.
        QVERIFY2(Describe(whole->CurrentSettings()) != got, qPrintable(got));
        QCOMPARE(a->StateTsv(), b->StateTsv());
        QCOMPARE(a->TableTsv(), b->TableTsv());
        QVERIFY(a->State().Ok);
        QVERIFY(a->findChild<QLabel*>("TableError")->isHidden());
    }

    // A window over no store writes one it can read back; nowhere to write is no failure.
    void WritingAndNowhereToWrite() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        TKXSystemClipboard clipboard;
        auto e = Open(clipboard, dir.filePath("explorer.ini"));
        QVERIFY(e);
        QVERIFY(e->SaveSettings());
        QCOMPARE(Describe(ReadExplorerSettings(dir.filePath("explorer.ini"))),
                 Describe(e->CurrentSettings()));
        QVERIFY(!WriteExplorerSettings(dir.filePath("no/such/folder/explorer.ini"),
                                       e->CurrentSettings()) ||
                QFile::exists(dir.filePath("no/such/folder/explorer.ini")));
        QCOMPARE(ExplorerSettingsPathBeside("/home/u/.config/varnexa/Varnexa.Cfg"),
                 QString("/home/u/.config/varnexa/explorer.ini"));
    }
};

QTEST_MAIN(ExplorerSettingsTest)
#include "explorer_settings_test.moc"
