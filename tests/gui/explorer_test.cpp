// The explorer window: opened from the top bar, the state follows every keystroke, failures
// replace the values, units per row and digits, copy and CSV, the table tab, and pictures of
// both tabs in the screenshots folder.
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include "KXExplorerWindow.h"
#include "KXGuiTestSupport.h"
#include "KX_Libraries_Catalogue.h"
#include "KX_Version.h"
#include "NumberText.h"

using namespace kxguitest;

namespace {

TKXSettingsHooks UnitSystem(int system) {
    return {[system] { return TKXSettings{1, system}; }, {}};
}

// The text of the state table's cell of a key (column 2: the value or the mixture).
QString StateCell(TKXExplorerWindow* e, const QString& key, int column = 2) {
    auto* table = e->findChild<QTableWidget*>("StateTable");
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->item(r, 0)->data(Qt::UserRole).toString() == key)
            return table->item(r, column)->text();
    return "(no row " + key + ")";
}

double Library(const char* function, double x1, double x2) {
    const TKXLibraries& libraries = KXRegistry();
    int l = -1, f = -1;
    libraries.FindFunction(function, l, f);
    char text[256] = "";
    int32_t code = 0;
    return libraries.GetFunctionPtr(l, f).Binary(x1, x2, text, 255, &code);
}

QString SavePicture(QWidget* w, const QString& name) {
    QDir().mkpath(VARNEXA_SCREENSHOT_DIR);
    const QString path = QString(VARNEXA_SCREENSHOT_DIR) + "/" + name;
    return w->grab().save(path, "PNG") ? path : QString();
}

}  // namespace

class ExplorerTest : public QObject {
    Q_OBJECT

    // The main window over every library, with the explorer opened by its button.
    struct TOpened {
        TWindow Main;
        TKXExplorerWindow* Explorer = nullptr;
        explicit TOpened(int unitSystem = 0) : Main(UnitSystem(unitSystem), KXRegistry()) {}
    };

    static void Open(TOpened& o) {
        QVERIFY(o.Main.Show());
        auto* button = o.Main.Named<QToolButton>("ExplorerBtn");
        QVERIFY(button);
        QCOMPARE(button->toolTip(), QString("Explorer"));
        Click(button);
        o.Explorer = o.Main.Form->ExplorerWindow();
        QVERIFY(o.Explorer);
        QVERIFY(QTest::qWaitForWindowExposed(o.Explorer));
    }

  private slots:
    void TheButtonSitsAfterPasteAndLeavesTheLayout() {
        TWindow w({}, KXRegistry());
        QVERIFY(w.Show());
        auto* paste = w.Named<QWidget>("PasteBtn");
        auto* explorer = w.Named<QWidget>("ExplorerBtn");
        QVERIFY(explorer->x() > paste->x() + paste->width());
        QCOMPARE(explorer->y(), paste->y());
        QCOMPARE(w.Form->minimumSize(), w.Form->maximumSize());  // still a fixed-size window
    }

    void TheStateFollowsEveryKeystroke() {
        TOpened o;
        Open(o);
        TKXExplorerWindow* e = o.Explorer;
        QVERIFY(e->SelectLibrary("KX_WS_IF97"));
        QVERIFY(e->SelectPair("pT"));
        Type(e->findChild<QLineEdit*>("Value1Edit"), "1");
        Type(e->findChild<QLineEdit*>("Value2Edit"), "10");
        // Typing the last "0" of 100 °C turns the liquid at 10 °C into vapour at 100 °C.
        QTest::keyClick(e->findChild<QLineEdit*>("Value2Edit"), Qt::Key_0);
        // Steam tables (IAPWS-IF97): h = 2675.77 kJ/kg at 0.1 MPa and 100 °C.
        QCOMPARE(StateCell(e, "h"), QString("2675.8"));
        QCOMPARE(StateCell(e, "phase"), QString("superheated vapour (region 2)"));
        QCOMPARE(StateCell(e, "rho"),
                 QString::fromStdString(FormatGeneral(Library("KX_WS_IF97_DPT", 1, 100), 5)));

        // Every digit, and the pressure row in kPa.
        e->findChild<QSpinBox*>("DigitsBox")->setValue(17);
        QCOMPARE(StateCell(e, "h"),
                 QString::fromStdString(FormatGeneral(Library("KX_WS_IF97_HPT", 1, 100), 17)));
        Choose(e->findChild<QComboBox*>("Unit_p"), "kPa(a)");
        QCOMPARE(StateCell(e, "p"), QString("100"));

        // A failure shows the library's text and no stale numbers.
        QTest::keyClick(e->findChild<QLineEdit*>("Value2Edit"), Qt::Key_0);  // 1000 °C at 1 bar
        QCOMPARE(StateCell(e, "phase"), QString("superheated vapour (region 5)"));
        Type(e->findChild<QLineEdit*>("Value2Edit"), "-5");
        auto* error = e->findChild<QLabel*>("StateError");
        QVERIFY(error->isVisible());
        QVERIFY(error->text().startsWith("KX_WS_IF97_HPT; Temperature lower"));
        QCOMPARE(StateCell(e, "h"), QString());
        QCOMPARE(StateCell(e, "phase"), QString());
    }

    void TwoPhaseColumnsCopyAndReferenceNote() {
        TOpened o;
        Open(o);
        TKXExplorerWindow* e = o.Explorer;
        QVERIFY(e->SelectLibrary("KX_R134a_FE"));
        QVERIFY(e->SelectPair("Tx"));
        Type(e->findChild<QLineEdit*>("Value1Edit"), "0");
        Type(e->findChild<QLineEdit*>("Value2Edit"), "0.25");
        auto* table = e->findChild<QTableWidget*>("StateTable");
        QVERIFY(!table->isColumnHidden(3));
        QCOMPARE(StateCell(e, "h", 3), QString("200"));  // IIR: h' = 200 kJ/kg at 0 °C
        QCOMPARE(StateCell(e, "s", 3), QString("1"));
        QVERIFY(e->findChild<QLabel*>("ReferenceNote")->text().contains("IIR"));
        Click(e->findChild<QPushButton*>("CopyStateBtn"));
        const QStringList lines = o.Main.Clipboard.GetText().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[0].startsWith("state\tT [°C]\tp [bar(a)]\trho [kg/m3]"));
        QVERIFY(lines[2].startsWith("saturated liquid\t0\t"));
        QVERIFY(QFileInfo(SavePicture(e, "explorer_state.png")).size() > 0);
    }

    void EngineeringUnitsByDefault() {
        TOpened o(1);
        Open(o);
        TKXExplorerWindow* e = o.Explorer;
        QCOMPARE(e->findChild<QComboBox*>("Unit_T")->currentText(), QString("°F"));
        QCOMPARE(e->findChild<QComboBox*>("Value1Unit")->currentText(), QString("psi(a)"));
        QVERIFY(e->SelectLibrary("KX_WS_IF97"));
        Type(e->findChild<QLineEdit*>("Value1Edit"), "14.5037738");  // 1 bar
        Type(e->findChild<QLineEdit*>("Value2Edit"), "212");         // 100 °C
        QCOMPARE(StateCell(e, "phase"), QString("superheated vapour (region 2)"));
        QCOMPARE(StateCell(e, "T"), QString("212"));
    }

    void TableTabRowsFailuresAndCsv() {
        TOpened o;
        Open(o);
        TKXExplorerWindow* e = o.Explorer;
        QVERIFY(e->SelectLibrary("KX_WS_IF97"));
        e->Tabs()->setCurrentIndex(1);
        Choose(e->findChild<QComboBox*>("TableKindList"), "Isotherm");
        Type(e->findChild<QLineEdit*>("FixedEdit"), "500");
        Type(e->findChild<QLineEdit*>("FromEdit"), "1");
        Type(e->findChild<QLineEdit*>("ToEdit"), "1201");
        e->findChild<QComboBox*>("StepModeList")->setCurrentText("step");
        Type(e->findChild<QLineEdit*>("StepEdit"), "240");
        Click(e->findChild<QPushButton*>("ComputeTableBtn"));
        auto* table = e->findChild<QTableWidget*>("ResultTable");
        QCOMPARE(table->rowCount(), 6);
        QCOMPARE(table->horizontalHeaderItem(0)->text(), QString("T [°C]"));
        QCOMPARE(table->item(0, 4)->text(),
                 QString::fromStdString(FormatGeneral(Library("KX_WS_IF97_HPT", 1, 500), 5)));
        // 1201 bar lies above the library's 1000 bar: the row shows the text, the others stay.
        QVERIFY(table->item(5, 2)->text().contains("Pressure higher"));
        QVERIFY(!table->item(4, 4)->text().isEmpty());

        const QString path = QDir::temp().filePath("varnexa_explorer_test.csv");
        QVERIFY(e->SaveTableCsv(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // A byte-order mark first, so that a spreadsheet reads the file as UTF-8.
        const QByteArray bytes = file.readAll();
        file.close();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QString csv = QString::fromUtf8(bytes.mid(3));
        QCOMPARE(csv.count('\n'), 7);
        QVERIFY(csv.startsWith("T [°C],p [bar(a)],rho [kg/m3]"));
        // The second row as CSV is the TSV row with commas (no field needs quoting there).
        QCOMPARE(csv.split('\n')[2], e->TableTsv().split('\n')[2].replace('\t', ','));
        // In a decimal-comma locale: ';' between the fields and the same numbers with commas.
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(e->SaveTableCsv(path));
        QLocale::setDefault(before);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString german = QString::fromUtf8(file.readAll().mid(3));
        QCOMPARE(german.split('\n')[2],
                 e->TableTsv().split('\n')[2].replace('.', ',').replace('\t', ';'));
        QVERIFY(german.startsWith("T [°C];p [bar(a)];"));
        QFile::remove(path);

        // The default saturation table of another library, as a picture.
        QVERIFY(e->SelectLibrary("KX_NH3_FE"));
        QCOMPARE(table->rowCount(), 21);
        QVERIFY(QFileInfo(SavePicture(e, "explorer_table.png")).size() > 0);
    }

    // A new input pair keeps a value only for the same quantity: the typed text follows its key
    // to either field, a key the old pair lacked takes the state's value, else the field is empty.
    void ANewPairKeepsValuesByQuantity() {
        struct TCase {
            const char* From;
            const char* Typed1;
            const char* Typed2;
            const char* To;
            const char* Field1;  // nullptr: the state's value, checked through the state
            const char* Field2;
        };
        // Water at 1 bar and 58.356 °C is a liquid: it has no vapour fraction.
        const TCase cases[] = {
            {"pT", "1", "58.356", "Tx", "58.356", ""},
            {"pT", "1", "58.356", "ph", "1", nullptr},
            {"Tx", "100", "0.5", "px", nullptr, "0.5"},
            {"Tx", "100", "0.5", "Th", "100", nullptr},
        };
        TOpened o;
        Open(o);
        TKXExplorerWindow* e = o.Explorer;
        QVERIFY(e->SelectLibrary("KX_WS_IF97"));
        auto* field1 = e->findChild<QLineEdit*>("Value1Edit");
        auto* field2 = e->findChild<QLineEdit*>("Value2Edit");
        for (const TCase& c : cases) {
            const QString name = QString("%1 to %2").arg(c.From, c.To);
            QVERIFY2(e->SelectPair(c.From), qPrintable(name));
            e->SetValues(c.Typed1, c.Typed2);
            const QString t = StateCell(e, "T"), x = StateCell(e, "x");
            QVERIFY2(e->SelectPair(c.To), qPrintable(name));
            if (c.Field1) QCOMPARE(field1->text(), QString(c.Field1));
            if (c.Field2) QCOMPARE(field2->text(), QString(c.Field2));
            if (c.Field1 && c.Field2) continue;
            // A value taken from the state gives the same state again.
            QVERIFY2(e->State().Ok, qPrintable(name));
            QCOMPARE(StateCell(e, "T"), t);
            QCOMPARE(StateCell(e, "x"), x);
        }
        // The liquid taken to (T, x): the vapour fraction is asked for, no number is invented.
        QVERIFY(e->SelectPair("pT"));
        e->SetValues("1", "58.356");
        QVERIFY(e->SelectPair("Tx"));
        QVERIFY(!e->State().Ok);
        QCOMPARE(e->findChild<QLabel*>("StateError")->text(), QString("Type two numbers."));
    }

    // The rows' units and the value fields' units are chosen apart: a row in kPa(a) leaves the
    // pressure field in bar(a) for every later pair and library, and the reverse.
    void RowAndFieldUnitsDoNotDragEachOther() {
        TOpened o;
        Open(o);
        TKXExplorerWindow* e = o.Explorer;
        auto* fieldUnit1 = e->findChild<QComboBox*>("Value1Unit");
        QVERIFY(e->SelectLibrary("KX_WS_IF97"));
        QVERIFY(e->SelectPair("pT"));
        Choose(e->findChild<QComboBox*>("Unit_p"), "kPa(a)");
        QCOMPARE(fieldUnit1->currentText(), QString("bar(a)"));
        for (const char* library : {"KX_NH3_FE", "KX_WS_IF97"}) {
            QVERIFY(e->SelectLibrary(library));
            QVERIFY(e->SelectPair("px"));
            QVERIFY(e->SelectPair("pT"));
            QCOMPARE(fieldUnit1->currentText(), QString("bar(a)"));
        }
        e->SetValues("10.17", "200");
        QCOMPARE(StateCell(e, "p"), QString("1017"));  // 10.17 bar(a), shown in kPa(a)

        // The field's own choice stays with the field, and the row keeps its unit.
        Choose(fieldUnit1, "psi(a)");
        QVERIFY(e->SelectPair("ph"));
        QCOMPARE(fieldUnit1->currentText(), QString("psi(a)"));
        QCOMPARE(e->findChild<QComboBox*>("Unit_p")->currentText(), QString("kPa(a)"));

        // The table's range is typed in its columns' unit: a new unit rewrites it, same values.
        e->Tabs()->setCurrentIndex(1);
        Choose(e->findChild<QComboBox*>("TableKindList"), "Saturation by temperature");
        e->findChild<QComboBox*>("StepModeList")->setCurrentText("step");
        Type(e->findChild<QLineEdit*>("FromEdit"), "10");
        Type(e->findChild<QLineEdit*>("ToEdit"), "100");
        Type(e->findChild<QLineEdit*>("StepEdit"), "10");
        Choose(e->findChild<QComboBox*>("Unit_T"), "K");
        QCOMPARE(e->findChild<QLabel*>("RangeUnitLbl")->text(), QString("K"));
        QCOMPARE(e->findChild<QLineEdit*>("FromEdit")->text(), QString("283.15"));
        QCOMPARE(e->findChild<QLineEdit*>("ToEdit")->text(), QString("373.15"));
        QCOMPARE(e->findChild<QLineEdit*>("StepEdit")->text(), QString("10"));
        Click(e->findChild<QPushButton*>("ComputeTableBtn"));
        auto* table = e->findChild<QTableWidget*>("ResultTable");
        QCOMPARE(table->rowCount(), 10);  // 10 to 100 °C
        QCOMPARE(table->item(9, 0)->text(), QString("373.15"));
        QVERIFY(QFileInfo(SavePicture(e, "explorer_table_kelvin.png")).size() > 0);
    }

    void ThousandRowsFromOneClick() {
        TOpened o;
        Open(o);
        TKXExplorerWindow* e = o.Explorer;
        e->Tabs()->setCurrentIndex(1);
        e->findChild<QComboBox*>("StepModeList")->setCurrentText("count");
        Type(e->findChild<QLineEdit*>("StepEdit"), "1000");
        Click(e->findChild<QPushButton*>("ComputeTableBtn"));
        QCOMPARE(e->findChild<QTableWidget*>("ResultTable")->rowCount(), 1000);
        QCOMPARE(e->TableTsv().count('\n'), 1001);
    }

    // The title and the list's hints name the fluid; a display name in any case selects it.
    void TheTitleNamesTheFluid() {
        TOpened o;
        Open(o);
        TKXExplorerWindow* e = o.Explorer;
        QVERIFY(e->SelectLibrary("r134A"));
        auto* list = e->findChild<QComboBox*>("LibraryList");
        QCOMPARE(list->currentText(), QString("KX_R134a_FE"));
        QCOMPARE(e->windowTitle(), QString("Varnexa Explorer " VARNEXA_VERSION
                                           " - R134a (1,1,1,2-tetrafluoroethane)"));
        QVERIFY(e->SelectLibrary("water"));
        QCOMPARE(list->currentText(), QString("KX_WS_IF97"));
        QCOMPARE(e->windowTitle(), QString("Varnexa Explorer " VARNEXA_VERSION " - water"));
        QCOMPARE(list->itemData(list->findText("KX_NH3_FE"), Qt::ToolTipRole).toString(),
                 QString("ammonia"));
        QVERIFY(!e->SelectLibrary("R134"));
    }

    // A binary pair at a chosen composition is listed (the list's index is the registry's) but
    // cannot be chosen, by hand or by name: the explorer has no field for its composition.
    void APairLibraryIsListedButNotChosen() {
        TOpened o;
        Open(o);
        TKXExplorerWindow* e = o.Explorer;
        QVERIFY(e->SelectLibrary("KX_WS_IF97"));
        auto* list = e->findChild<QComboBox*>("LibraryList");
        const int pair = list->findText("KX_MIX_R32_R1234yf");
        QCOMPARE(pair, KXRegistry().FindLibrary("KX_MIX_R32_R1234yf"));
        auto* model = qobject_cast<QStandardItemModel*>(list->model());
        QVERIFY(model && !model->item(pair)->isEnabled());
        QVERIFY(model->item(list->findText("KX_R454B_MIX"))->isEnabled());
        QVERIFY(!e->SelectLibrary("KX_MIX_R32_R1234yf"));
        QVERIFY(!e->SelectLibrary("R32/R1234yf"));
        QCOMPARE(list->currentText(), QString("KX_WS_IF97"));
    }

    // A mixture library offers (p, T) only: its one-phase state from its functions, the glide's
    // two-phase state as its error, and the table and diagram tabs without a crash.
    void AMixtureLibraryShowsItsStatesAndPhases() {
        TOpened o;
        Open(o);
        TKXExplorerWindow* e = o.Explorer;
        QVERIFY(e->SelectLibrary("KX_R454B_MIX"));
        QCOMPARE(e->findChild<QComboBox*>("PairList")->count(), 5);  // pT ph ps Tx px
        // Inside the dome: the feed, and the liquid and the vapour in equilibrium.
        QVERIFY(e->SelectPair("px"));
        e->SetValues("10", "0.5");
        int l = -1, f = -1;
        QVERIFY(KXRegistry().FindFunction("KX_R454B_MIX_YVPX", l, f));
        char text[256] = "";
        int32_t code = 0;
        const double y = KXRegistry().GetFunctionPtr(l, f).Ternary(10, 0.5, 1, text, 255, &code);
        QCOMPARE(code, 0);
        QCOMPARE(StateCell(e, "y_R32"), QString::fromStdString(FormatGeneral(y, 5)));
        QVERIFY(!StateCell(e, "x_R1234yf").isEmpty());
        QVERIFY(!SavePicture(e, "explorer_mixture_state.png").isEmpty());
        QVERIFY(e->SelectPair("pT"));
        e->SetValues("10", "20");
        QCOMPARE(StateCell(e, "h"),
                 QString::fromStdString(FormatGeneral(Library("KX_R454B_MIX_HPT", 10, 20), 5)));
        // Inside the glide (p, T) is a two-phase state of its own vapour fraction.
        e->SetValues("10", "9.5");
        QVERIFY(!e->findChild<QLabel*>("StateError")->isVisible());
        QCOMPARE(StateCell(e, "x"),
                 QString::fromStdString(FormatGeneral(Library("KX_R454B_MIX_XPT", 10, 9.5), 5)));
        QCOMPARE(StateCell(e, "phase"), QString("two-phase"));
        auto* tabs = e->findChild<QTabWidget*>();
        for (int t = 0; t < tabs->count(); ++t) {
            tabs->setCurrentIndex(t);
            QTest::qWait(10);
        }
    }

    // Pairs as the library states them: without (p, T) the explorer starts from the first pair
    // it has, with empty fields; without any pair it says so. Nothing throws.
    void LibrariesWithoutThePairsItStartsFrom() {
        TKXLibraries libraries;
        TKXLibrary& test = RegisterTestLibrary(libraries);
        test.Info.DisplayName = "test fluid";
        test.Info.InputPairs = {"Tx", "px"};
        libraries.AddLibrary("KX_NONE");
        TKXSystemClipboard clipboard;
        TKXExplorerWindow e(libraries, 0, clipboard);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        auto* pairs = e.findChild<QComboBox*>("PairList");
        QCOMPARE(pairs->count(), 2);
        QCOMPARE(pairs->currentText(), QString("Tx"));
        QCOMPARE(e.findChild<QLineEdit*>("Value1Edit")->text(), QString());
        QCOMPARE(e.findChild<QLabel*>("StateError")->text(), QString("Type two numbers."));
        QCOMPARE(e.windowTitle(), QString("Varnexa Explorer " VARNEXA_VERSION " - test fluid"));
        QVERIFY(e.SelectPair("px"));
        QVERIFY(!e.SelectPair("pT"));

        QVERIFY(e.SelectLibrary("KX_NONE"));
        QCOMPARE(pairs->count(), 0);
        QVERIFY(!e.State().Ok);
        QCOMPARE(e.findChild<QLabel*>("StateError")->text(),
                 QString("This library offers no input pair."));
        e.SetValues("1", "2");
        QVERIFY(e.findChild<QLabel*>("StateError")->isVisible());
        QVERIFY(e.SelectLibrary("TEST FLUID"));
        QCOMPARE(pairs->count(), 2);
    }
};

QTEST_MAIN(ExplorerTest)
#include "explorer_test.moc"
