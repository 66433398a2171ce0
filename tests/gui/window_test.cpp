// The property panel and the window's frame as a user meets them: start-up state, typing
// arguments, choosing units, functions and modes, the result row's buttons, message boxes, and
// the placement rules measured on the real widgets.
#include <QAbstractButton>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>

#include "KXGuiTestSupport.h"
#include "KX_Libraries_Catalogue.h"

using namespace kxguitest;
using E = TKXElement;

namespace {

struct TPropertyCase {
    const char* Name;
    const char* Function;
    const char* X1;
    const char* Unit1;  // "": the function takes no argument
    const char* X2;
    const char* Unit2;  // "": the function takes at most one argument
    const char* ResultUnit;
    const char* Shown;
    const char* Error;  // the error label's text, "" when hidden
};

// KX_TEST_PsatT gives t / 100 bar(a), KX_TEST_HPT 1000 p + t kJ/kg, KX_TEST_MM 18.015268.
// clang-format off
constexpr TPropertyCase PropertyCases[] = {
    {"bar",              "KX_TEST_PsatT", "100",       "°C",     "",   "",   "bar(a)",  "1",           ""},
    {"kPa",              "KX_TEST_PsatT", "100",       "°C",     "",   "",   "kPa(a)",  "100",         ""},
    {"°F in",            "KX_TEST_PsatT", "212",       "°F",     "",   "",   "bar(a)",  "1",           ""},
    {"blanks, exponent", "KX_TEST_PsatT", " 1.5e1 ",   "°C",     "",   "",   "bar(a)",  "0.15",        ""},
    {"5 digits",         "KX_TEST_PsatT", "1",         "°C",     "",   "",   "bar(a)",  "0.01",        ""},
    {"exponent digits",  "KX_TEST_PsatT", "1.23456e7", "°C",     "",   "",   "bar(a)",  "1.2346E0005", ""},
    {"below limit",      "KX_TEST_PsatT", "-5",        "°C",     "",   "",   "bar(a)",  "",
     "Temperature lower than minimum value of 0.010 °C."},
    {"not a number",     "KX_TEST_PsatT", "1,5",       "°C",     "",   "",   "bar(a)",  "",  "Invalid value for Temperature"},
    {"two arguments",    "KX_TEST_HPT",   "1",         "bar(a)", "25", "°C", "kJ/kg",   "1025",        ""},
    {"second unit",      "KX_TEST_HPT",   "1",         "bar(a)", "25", "K",  "kJ/kg",   "751.85",      ""},
    {"result unit",      "KX_TEST_HPT",   "1",         "bar(a)", "25", "°C", "BTU/lb",  "440.67",      ""},
    {"second bad",       "KX_TEST_HPT",   "1",         "bar(a)", "x",  "°C", "kJ/kg",   "",  "Invalid value for Temperature"},
    {"first wins",       "KX_TEST_HPT",   "",          "bar(a)", "x",  "°C", "kJ/kg",   "",  "Invalid value for Pressure"},
    {"no argument",      "KX_TEST_MM",    "",          "",       "",   "",   "kg/kmol", "18.015",      ""},
};

// Name, quantity, from, to, value typed, result shown.
constexpr const char* ConversionCases[][6] = {
    {"°C to K",         "Temperature",       "°C",     "K",      "25",    "298.15"},
    {"not a number",    "Temperature",       "°C",     "K",      "abc",   ""},
    {"bar to kPa",      "Absolute Pressure", "bar(a)", "kPa(a)", "1.5",   "150"},
    {"not finite",      "Absolute Pressure", "bar(a)", "Pa(a)",  "1E308", ""},
    {"compressibility", "Compressibility",   "-",      "-",      "0.5",   "0.5"},
};
// clang-format on

// A widget's rectangle in the coordinates of the window.
QRect InWindow(const QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}
}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TWindow> W;

    QComboBox* List(E e) const { return W->Get<QComboBox>(e); }
    QLineEdit* Edit(E e) const { return W->Get<QLineEdit>(e); }
    QString Shown() const { return W->Text(E::ResultEdit); }
    // The error label's text while it is visible, "" while hidden.
    QString ErrorShown() const {
        return W->Get(E::ErrorMsgLbl)->isVisible() ? W->Text(E::ErrorMsgLbl) : QString();
    }

    // The controls a user sees, in window coordinates: every visible button, list, edit field and
    // label with text, the display and the memory list (the parts of a control are not counted).
    QList<QPair<QString, QRect>> VisibleControls() const {
        QWidget* grid = W->Form->MemoryGrid();
        const auto isControl = [grid](QWidget* w) {
            const auto* label = qobject_cast<QLabel*>(w);
            return w == grid || qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                   qobject_cast<QLineEdit*>(w) || (label && !label->text().isEmpty());
        };
        QList<QPair<QString, QRect>> controls;
        for (QWidget* w : W->Form->findChildren<QWidget*>()) {
            if (!w->isVisible() || !isControl(w)) continue;
            bool part = false;
            for (QWidget* p = w->parentWidget(); p && p != W->Form.get(); p = p->parentWidget())
                part = part || isControl(p);
            if (part) continue;
            controls.append({w->objectName(), InWindow(w)});
        }
        return controls;
    }

    void CheckControls(const char* arrangement) const {
        const QRect window = W->Form->rect();
        const auto controls = VisibleControls();
        QVERIFY2(controls.size() > 20, arrangement);
        for (int i = 0; i < controls.size(); ++i) {
            const auto& [name, rect] = controls[i];
            const QString where = QString("%1: %2").arg(arrangement, name);
            QVERIFY2(window.contains(rect), qPrintable(where + " outside the window"));
            for (int j = i + 1; j < controls.size(); ++j)
                QVERIFY2(!rect.intersects(controls[j].second),
                         qPrintable(where + " overlaps " + controls[j].first));
        }
    }

    // The elements of one row read from left to right: each starts where the one before ends
    // or further right, at the same height.
    void CheckRowReadsLeftToRight(const std::vector<E>& row) const {
        for (std::size_t i = 1; i < row.size(); ++i) {
            const QRect left = InWindow(W->Get(row[i - 1]));
            const QRect right = InWindow(W->Get(row[i]));
            const QString names =
                W->Get(row[i])->objectName() + " after " + W->Get(row[i - 1])->objectName();
            QVERIFY2(left.right() < right.left(), qPrintable(names + ": not to its right"));
            QVERIFY2(left.top() <= right.bottom() && right.top() <= left.bottom(),
                     qPrintable(names + ": not on its row"));
        }
    }

    // Each row lies wholly below the one before it.
    void CheckRowOrder(const std::vector<E>& rows) const {
        for (std::size_t i = 1; i < rows.size(); ++i) {
            QWidget* above = W->Get(rows[i - 1]);
            QWidget* below = W->Get(rows[i]);
            QVERIFY2(above->isVisible() && below->isVisible(), qPrintable(below->objectName()));
            QVERIFY2(InWindow(above).bottom() < InWindow(below).top(),
                     qPrintable(below->objectName() + " not below " + above->objectName()));
        }
    }

  private slots:
    void init() {
        W = std::make_unique<TWindow>();
        QVERIFY(W->Show());
    }
    void cleanup() { W.reset(); }

    void StartUp() {
        QCOMPARE(W->Form->windowTitle(), QString("Calvora Calculator"));
        QCOMPARE(List(E::ModeList)->count(), 2);
        QCOMPARE(List(E::ModeList)->itemText(1), QString("Unit Conversion"));
        QCOMPARE(List(E::ModeList)->currentText(), QString("Properties"));
        QCOMPARE(List(E::LibraryList)->currentText(), QString("KX_TEST"));
        QCOMPARE(List(E::FunctionList)->currentText(), QString("KX_TEST_PsatT"));
        QCOMPARE(W->Text(E::Argument1Lbl), QString("Temperature"));
        QCOMPARE(List(E::Argument1UnitList)->currentText(), QString("°C"));
        QCOMPARE(W->Text(E::ResultLbl), QString("Pressure"));
        QCOMPARE(List(E::ResultUnitList)->currentText(), QString("bar(a)"));
        QCOMPARE(ErrorShown(), QString("Invalid value for Temperature"));
        QVERIFY(Edit(E::ResultEdit)->isReadOnly());
        for (E hidden :
             {E::Argument2Edit, E::Argument3Edit, E::PropList, E::ValueEdit, E::UnitList})
            QVERIFY2(!W->Get(hidden)->isVisible(), ElementName(hidden));
        QVERIFY(!W->Get(E::StoreBtn)->isEnabled());
        QVERIFY(!W->Form->MemoryGrid()->isEnabled());
    }

    void PropertyResults_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(PropertyCases)); ++i)
            QTest::newRow(PropertyCases[i].Name) << i;
    }
    void PropertyResults() {
        QFETCH(int, row);
        const TPropertyCase& c = PropertyCases[row];
        Choose(List(E::FunctionList), c.Function);
        if (*c.Unit1) {
            Type(Edit(E::Argument1Edit), c.X1);
            Choose(List(E::Argument1UnitList), c.Unit1);
        }
        if (*c.Unit2) {
            Type(Edit(E::Argument2Edit), c.X2);
            Choose(List(E::Argument2UnitList), c.Unit2);
        }
        Choose(List(E::ResultUnitList), c.ResultUnit);
        QCOMPARE(Shown(), QString(c.Shown));
        QCOMPARE(ErrorShown(), QString(c.Error));
    }

    // The controller hears the user, never the window's own fills and selections: one keystroke
    // or one chosen unit computes once, and a chosen function once, however many lists it refills.
    void OneComputationPerUserChange() {
        Type(Edit(E::Argument1Edit), "10");
        int before = UnaryCalls;
        QTest::keyClicks(Edit(E::Argument1Edit), "0");
        QCOMPARE(UnaryCalls - before, 1);
        QCOMPARE(Shown(), QString("1"));
        before = UnaryCalls;
        Choose(List(E::ResultUnitList), "kPa(a)");
        QCOMPARE(UnaryCalls - before, 1);
        Choose(List(E::FunctionList), "KX_TEST_HPT");
        before = UnaryCalls;
        Choose(List(E::FunctionList), "KX_TEST_PsatT");
        QCOMPARE(UnaryCalls - before, 1);
        // Argument texts stay across function changes; units return to their defaults.
        QCOMPARE(Edit(E::Argument1Edit)->text(), QString("100"));
        QCOMPARE(List(E::ResultUnitList)->currentText(), QString("bar(a)"));
        QCOMPARE(Shown(), QString("1"));
    }

    void UnitConversion_data() {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        for (const auto& r : ConversionCases)
            QTest::newRow(r[0]) << r[1] << r[2] << r[3] << r[4] << r[5];
    }
    void UnitConversion() {
        QFETCH(QString, quantity);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        Choose(List(E::ModeList), "Unit Conversion");
        QCOMPARE(W->Text(E::ResultLbl), QString("Result"));
        for (E e : {E::PropList, E::ValueEdit, E::UnitList, E::ConvertToList, E::ResultEdit,
                    E::PasteValueBtn, E::RestoreValueBtn, E::CopyResultBtn, E::StoreResultBtn})
            QVERIFY2(W->Get(e)->isVisible(), ElementName(e));
        for (E e : {E::LibraryList, E::FunctionList, E::Argument1Edit, E::ResultUnitList})
            QVERIFY2(!W->Get(e)->isVisible(), ElementName(e));
        Choose(List(E::PropList), quantity);
        QCOMPARE(List(E::UnitList)->currentIndex(), -1);  // nothing chosen yet
        Type(Edit(E::ValueEdit), value);
        QCOMPARE(Shown(), QString());
        Choose(List(E::UnitList), from);
        Choose(List(E::ConvertToList), to);
        QCOMPARE(Shown(), shown);
        QCOMPARE(ErrorShown(), QString());
        // Back to properties: the function as the user left it.
        Choose(List(E::ModeList), "Properties");
        QCOMPARE(List(E::FunctionList)->currentText(), QString("KX_TEST_PsatT"));
        QVERIFY(W->Get(E::Argument1Edit)->isVisible());
        QVERIFY(!W->Get(E::PropList)->isVisible());
    }

    void ResultRowAndPasteButtons() {
        QGuiApplication::clipboard()->setText("100");
        Click(W->Get(E::PasteArgument1Btn));
        QCOMPARE(Edit(E::Argument1Edit)->text(), QString("100"));
        QCOMPARE(Shown(), QString("1"));
        Choose(List(E::ResultUnitList), "kPa(a)");
        Click(W->Get(E::CopyResultBtn));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("100"));
        Edit(E::ResultEdit)->setSelection(0, 2);
        Click(W->Get(E::CopyResultBtn));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("10"));
        // A field holds one number: the paste button replaces its text, wherever the caret is
        // and whatever is selected.
        struct TCase {
            const char* Typed;
            int Start;
            int Length;  // 0: no selection, the caret at Start
        };
        for (const TCase& c : {TCase{"8", 1, 0}, TCase{"8", 0, 0}, TCase{"123", 1, 1}}) {
            Type(Edit(E::Argument1Edit), c.Typed);
            if (c.Length > 0)
                Edit(E::Argument1Edit)->setSelection(c.Start, c.Length);
            else
                Edit(E::Argument1Edit)->setCursorPosition(c.Start);
            QGuiApplication::clipboard()->setText(" 2.006\n");
            Click(W->Get(E::PasteArgument1Btn));
            QCOMPARE(Edit(E::Argument1Edit)->text(), QString("2.006"));
            QCOMPARE(Shown(), QString("2.006"));  // 0.02006 bar(a) in kPa(a)
        }
        Choose(List(E::ModeList), "Unit Conversion");
        Type(Edit(E::ValueEdit), "8");
        Click(W->Get(E::PasteValueBtn));
        QCOMPARE(Edit(E::ValueEdit)->text(), QString("2.006"));
    }

    // Back from unit conversion the properties panel shows what the user left: the function,
    // its values and units, and their result; no left-over text is fed to another function.
    void BackFromUnitConversion() {
        Choose(List(E::FunctionList), "KX_TEST_HPT");
        Type(Edit(E::Argument1Edit), "1");
        Type(Edit(E::Argument2Edit), "25");
        Choose(List(E::Argument2UnitList), "K");
        QCOMPARE(Shown(), QString("751.85"));
        Choose(List(E::ModeList), "Unit Conversion");
        Type(Edit(E::ValueEdit), "7");
        Choose(List(E::ModeList), "Properties");
        QCOMPARE(List(E::FunctionList)->currentText(), QString("KX_TEST_HPT"));
        QCOMPARE(Edit(E::Argument2Edit)->text(), QString("25"));
        QCOMPARE(List(E::Argument2UnitList)->currentText(), QString("K"));
        QCOMPARE(W->Text(E::ResultLbl), QString("Enthalpy"));
        QCOMPARE(Shown(), QString("751.85"));
        for (E e : {E::Argument1Edit, E::Argument2Edit, E::ResultUnitList})
            QVERIFY2(W->Get(e)->isVisible(), ElementName(e));
        for (E e : {E::ValueEdit, E::PropList, E::UnitList})
            QVERIFY2(!W->Get(e)->isVisible(), ElementName(e));
    }

    // A value copied from a spreadsheet cell or a terminal ends with a line break or a tab;
    // pasting takes the value alone, by button, by key and by the field's menu.
    void PastedValuesLoseTheBlanksAroundThem() {
        Choose(List(E::ModeList), "Unit Conversion");
        QGuiApplication::clipboard()->setText("\n1.5\n");
        Click(W->Get(E::PasteValueBtn));
        QCOMPARE(Edit(E::ValueEdit)->text(), QString("1.5"));
        Choose(List(E::ModeList), "Properties");

        QGuiApplication::clipboard()->setText("25\n");
        Click(W->Get(E::PasteArgument1Btn));
        QCOMPARE(Edit(E::Argument1Edit)->text(), QString("25"));
        QCOMPARE(Shown(), QString("0.25"));

        Type(Edit(E::Argument1Edit), "");
        QGuiApplication::clipboard()->setText("\t 30 \r\n");
        QTest::keyClick(Edit(E::Argument1Edit), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Edit(E::Argument1Edit)->text(), QString("30"));
        QCOMPARE(Shown(), QString("0.3"));

        Type(Edit(E::Argument1Edit), "");
        QGuiApplication::clipboard()->setText("40\t");
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                  Edit(E::Argument1Edit)->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(Edit(E::Argument1Edit), &request);
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
        QAction* paste = nullptr;
        for (QAction* a : menu->actions())
            if (a->text().remove('&').startsWith("Paste")) paste = a;
        QVERIFY(paste);
        paste->trigger();
        menu->close();
        QCOMPARE(Edit(E::Argument1Edit)->text(), QString("40"));
        QCOMPARE(Shown(), QString("0.4"));
    }

    void LibraryWithoutFunctionsShowsMessage() {
        W = std::make_unique<TWindow>(TKXSettingsHooks{}, [](TKXLibraries& libraries) {
            RegisterTestLibrary(libraries);
            libraries.AddLibrary("KX_EMPTY");
        });
        QVERIFY(W->Show());
        QStringList messages;
        TModalAnswer answer([&](QWidget* modal) { messages << AcceptMessage(modal); });
        Choose(List(E::LibraryList), "KX_EMPTY");
        QVERIFY(answer.Answered());
        QCOMPARE(messages, QStringList{"Non existent function."});
        Choose(List(E::LibraryList), "KX_TEST");
        Type(Edit(E::Argument1Edit), "50");
        QCOMPARE(Shown(), QString("0.5"));
    }

    // What a user sees of the placement, under every arrangement of the property panel's rows:
    // no two controls overlap, each lies inside the window, the rows keep their order and the
    // window keeps its size.
    void Placement() {
        const QSize size = W->Form->size();
        QCOMPARE(W->Display()->font().pixelSize(), 19);
        QWidget* sin = W->Named<QWidget>("SinBtn");
        QCOMPARE(sin->font().pixelSize(), 16);
        QVERIFY(sin->font().bold());
        CheckControls("calculator");

        // The toolkit's own resizing of lists after a refill must not undo the placement.
        Choose(W->Get<QComboBox>(E::LibraryList), "KX_TEST");
        QCoreApplication::sendPostedEvents();  // the lists' own layout requests, handled now
        QWidget* mode = W->Get(E::ModeList);
        QTRY_COMPARE(W->Get(E::FunctionList)->width(), mode->width());
        QCOMPARE(W->Get(E::LibraryList)->geometry().left(), mode->geometry().left());
        CheckControls("one argument");
        CheckRowOrder({E::ModeList, E::LibraryList, E::FunctionList, E::Argument1Edit,
                       E::ResultEdit, E::ErrorMsgLbl});
        CheckRowReadsLeftToRight({E::LibraryLbl, E::LibraryList});
        CheckRowReadsLeftToRight({E::FunctionLbl, E::FunctionList});
        CheckRowReadsLeftToRight({E::Argument1Lbl, E::Argument1UnitList, E::Argument1Edit,
                                  E::PasteArgument1Btn, E::RestoreArgument1Btn});
        CheckRowReadsLeftToRight(
            {E::ResultLbl, E::ResultUnitList, E::ResultEdit, E::CopyResultBtn, E::StoreResultBtn});
        Choose(List(E::FunctionList), "KX_TEST_HPT");
        CheckControls("two arguments");
        CheckRowOrder({E::ModeList, E::LibraryList, E::FunctionList, E::Argument1Edit,
                       E::Argument2Edit, E::ResultEdit, E::ErrorMsgLbl});
        CheckRowReadsLeftToRight({E::Argument2Lbl, E::Argument2UnitList, E::Argument2Edit,
                                  E::PasteArgument2Btn, E::RestoreArgument2Btn});
        Choose(List(E::FunctionList), "KX_TEST_MM");
        CheckControls("no argument");
        CheckRowOrder({E::ModeList, E::LibraryList, E::FunctionList, E::ResultEdit});
        Choose(List(E::ModeList), "Unit Conversion");
        CheckControls("unit conversion");
        CheckRowOrder({E::ModeList, E::PropList, E::UnitList, E::ResultEdit});
        CheckRowReadsLeftToRight({E::PropertyLbl, E::PropList});
        CheckRowReadsLeftToRight(
            {E::ValueLbl, E::UnitList, E::ValueEdit, E::PasteValueBtn, E::RestoreValueBtn});
        QCOMPARE(W->Form->size(), size);
    }

    void FixedSizeAndCentred() {
        const QSize size = W->Form->size();
        QCOMPARE(W->Form->minimumSize(), size);
        QCOMPARE(W->Form->maximumSize(), size);
        W->Form->resize(size + QSize(100, 50));
        QCOMPARE(W->Form->size(), size);
        QVERIFY(!(W->Form->windowFlags() & Qt::WindowMaximizeButtonHint));
        // Centred with its frame, once the frame is known.
        const QRect screen = W->Form->screen()->availableGeometry();
        QTRY_COMPARE(W->Form->frameGeometry().x() - screen.x(),
                     (screen.width() - W->Form->frameGeometry().width()) / 2);
        QCOMPARE(W->Form->frameGeometry().y() - screen.y(),
                 (screen.height() - W->Form->frameGeometry().height()) / 2);
    }

    // A function of three arguments gets a third row in the same style, under the other two;
    // the window and the rows of the one- and two-argument functions stay where they were.
    void ThreeArguments() {
        Choose(List(E::FunctionList), "KX_TEST_HPT");
        const QSize size = W->Form->size();
        const QRect twoArgumentResult = InWindow(W->Get(E::ResultEdit));
        W = std::make_unique<TWindow>(TKXSettingsHooks{}, RegisterThreeArgumentLibrary);
        QVERIFY(W->Show());
        QCOMPARE(W->Form->size(), size);
        QCOMPARE(List(E::LibraryList)->toolTip(), QString("KX_TEST"));
        Choose(List(E::LibraryList), "KX_AIR");
        QCOMPARE(List(E::LibraryList)->toolTip(), QString("humid air (air and water vapour)"));
        QCOMPARE(List(E::FunctionList)->currentText(), QString("KX_AIR_HPTW"));
        QCOMPARE(W->Text(E::Argument3Lbl), QString("Humidity"));
        CheckControls("three arguments");
        CheckRowOrder({E::ModeList, E::LibraryList, E::FunctionList, E::Argument1Edit,
                       E::Argument2Edit, E::Argument3Edit, E::ResultEdit, E::ErrorMsgLbl});
        CheckRowReadsLeftToRight({E::Argument3Lbl, E::Argument3UnitList, E::Argument3Edit,
                                  E::PasteArgument3Btn, E::RestoreArgument3Btn});
        const int rowStep =
            InWindow(W->Get(E::Argument2Edit)).top() - InWindow(W->Get(E::Argument1Edit)).top();
        QCOMPARE(
            InWindow(W->Get(E::Argument3Edit)).top() - InWindow(W->Get(E::Argument2Edit)).top(),
            rowStep);
        QCOMPARE(W->Get(E::Argument3Edit)->size(), W->Get(E::Argument2Edit)->size());
        Type(Edit(E::Argument1Edit), "2");
        Type(Edit(E::Argument2Edit), "30");
        QCOMPARE(ErrorShown(), QString("Invalid value for Humidity"));
        Type(Edit(E::Argument3Edit), "0.5");
        QCOMPARE(Shown(), QString("230.5"));
        Choose(List(E::Argument3UnitList), "Dec [%]");
        QCOMPARE(Shown(), QString("230"));

        Choose(List(E::FunctionList), "KX_AIR_HPT");
        QVERIFY(!W->Get(E::Argument3Edit)->isVisible());
        QCOMPARE(InWindow(W->Get(E::ResultEdit)), twoArgumentResult);
        QCOMPARE(Shown(), QString("2030"));  // the test library's 1000 p + t
        QCOMPARE(W->Form->size(), size);
    }

    // With the real catalogue, once the water library is registered there.
    void WaterSaturationPressure() {
        W = std::make_unique<TWindow>(TKXSettingsHooks{}, KXRegistry());
        int library = -1, function = -1;
        QVERIFY2(W->Libraries.FindFunction("KX_WS_IF97_PsatT", library, function),
                 "the water library is registered");
        QVERIFY(W->Show());
        QCOMPARE(ErrorShown(), QString("Invalid value for Temperature"));
        Choose(List(E::LibraryList), "KX_WS_IF97");
        Choose(List(E::FunctionList), "KX_WS_IF97_PsatT");
        Type(Edit(E::Argument1Edit), "100");
        QCOMPARE(Shown(), QString("1.0142"));
        Choose(List(E::ResultUnitList), "kPa(a)");
        QCOMPARE(Shown(), QString("101.42"));
        Type(Edit(E::Argument1Edit), "212");
        Choose(List(E::Argument1UnitList), "°F");
        QCOMPARE(Shown(), QString("101.42"));
        Type(Edit(E::Argument1Edit), "-5");
        QCOMPARE(ErrorShown(), QString("Temperature lower than minimum value of 0.010 °C."));
        QCOMPARE(Shown(), QString());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
