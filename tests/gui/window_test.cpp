// The property panel and the window's frame as a user meets them: start-up state, typing
// arguments, choosing units, functions and modes, the result row's buttons, message boxes, and
// the placement rules measured on the real widgets.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QGuiApplication>
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

int Right(const QWidget* w) {
    return w->x() + w->width();
}
int Bottom(const QWidget* w) {
    return w->y() + w->height();
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
        // Back to properties: the first library and function again.
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
        // The paste button inserts at the field's caret.
        Edit(E::Argument1Edit)->setCursorPosition(1);
        Click(W->Get(E::PasteArgument1Btn));
        QCOMPARE(Edit(E::Argument1Edit)->text(), QString("11000"));
        QCOMPARE(Shown(), QString("11000"));
        Choose(List(E::ModeList), "Unit Conversion");
        Click(W->Get(E::PasteValueBtn));
        QCOMPARE(Edit(E::ValueEdit)->text(), QString("10"));
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

    // Placement rules hold between the real widgets, whatever the fonts make of the sizes.
    void Placement() {
        QWidget* display = W->Display();
        auto* functionPanel = W->Named<QWidget>("FunctionPanel");
        auto* buttonPanel = W->Named<QWidget>("ButtonPanel");
        auto* libraryPanel = W->Named<QWidget>("LibraryPanel");
        auto* resultPanel = W->Named<QWidget>("ResultPanel");
        QWidget* grid = W->Form->MemoryGrid();
        QWidget* digit = W->Named<QWidget>("Digit1Btn");
        QWidget* mode = W->Get(E::ModeList);
        QCOMPARE(W->Named<QWidget>("TopPanel")->height(), 33);
        QCOMPARE(display->pos(), QPoint(8, 33 + 8));
        QCOMPARE(display->font().pixelSize(), 19);
        QCOMPARE(functionPanel->pos(), QPoint(8, Bottom(display) + 8));
        QCOMPARE(libraryPanel->pos(), QPoint(Right(functionPanel) - 1, functionPanel->y()));
        QCOMPARE(buttonPanel->size(), QSize(6 * digit->width() + 64, 4 * digit->height() + 40));
        QCOMPARE(buttonPanel->y(), Bottom(functionPanel) - 1);
        QCOMPARE(Right(buttonPanel), libraryPanel->x() + 1);
        QCOMPARE(grid->geometry(),
                 QRect(8, buttonPanel->y() - 1, buttonPanel->x() - 8, buttonPanel->height() + 1));
        QCOMPARE(W->Named<QWidget>("ExecuteBtn")->width(), 3 * digit->width() + 16);
        QCOMPARE(W->Named<QWidget>("OpenParenBtn")->x(),
                 Right(W->Named<QWidget>("Digit3Btn")) + 16);
        QWidget* sin = W->Named<QWidget>("SinBtn");
        QCOMPARE(W->Named<QWidget>("ClearBtn")->pos(), QPoint(8, 8));
        QCOMPARE(W->Named<QWidget>("CosBtn")->x(), Right(sin) + 8);
        QCOMPARE(W->Named<QWidget>("ASinBtn")->y(), Bottom(sin) + 8);
        QCOMPARE(functionPanel->width(), Right(W->Named<QWidget>("SgnBtn")) + 8);
        QCOMPARE(sin->font().pixelSize(), 16);
        QVERIFY(sin->font().bold());

        // The property panel, with the one-argument function of start-up; the toolkit's own
        // resizing of lists after a refill must not undo the placement.
        Choose(W->Get<QComboBox>(E::LibraryList), "KX_TEST");
        QCoreApplication::sendPostedEvents();  // the lists' own layout requests, handled now
        QTRY_COMPARE(W->Get(E::FunctionList)->width(), mode->width());
        QCOMPARE(mode->pos(), QPoint(8 + 140, 8));
        QCOMPARE(W->Get(E::LibraryList)->geometry(),
                 QRect(mode->x(), Bottom(mode) + 4, mode->width(), mode->height()));
        QCOMPARE(W->Get(E::LibraryLbl)->pos(), QPoint(8, W->Get(E::LibraryList)->y() + 2));
        QWidget* unit1 = W->Get(E::Argument1UnitList);
        QWidget* edit1 = W->Get(E::Argument1Edit);
        QCOMPARE(unit1->geometry(), QRect(mode->x(), Bottom(W->Get(E::FunctionList)) + 4,
                                          mode->width() * 40 / 100, mode->height()));
        QCOMPARE(edit1->width(), mode->width() * 50 / 100);
        QCOMPARE(Right(edit1), Right(mode));
        QCOMPARE(W->Get(E::PasteArgument1Btn)->x(), Right(edit1) + 4);
        QCOMPARE(W->Get(E::RestoreArgument1Btn)->x(), Right(W->Get(E::PasteArgument1Btn)) + 4);
        QCOMPARE(libraryPanel->width(), Right(W->Get(E::StoreResultBtn)) + 8);

        // The result row under each arrangement of rows.
        QWidget* result = W->Get(E::ResultEdit);
        QWidget* error = W->Get(E::ErrorMsgLbl);
        auto checkResultRow = [&](int expectedTop) {
            QCOMPARE(result->y(), expectedTop);
            QCOMPARE(W->Get(E::ResultLbl)->y(), result->y() + 2);
            QCOMPARE(W->Get(E::StoreResultBtn)->y(), result->y());
            QCOMPARE(error->pos(), QPoint(8, Bottom(result) + 4));
            QCOMPARE(resultPanel->geometry(), QRect(4, result->y() - 4, libraryPanel->width() - 8,
                                                    result->height() + error->height() + 12));
            QCOMPARE(libraryPanel->height(), Bottom(resultPanel) + 8);
            QVERIFY(Bottom(libraryPanel) <= W->Form->height());
        };
        checkResultRow(Bottom(edit1) + 8);
        Choose(List(E::FunctionList), "KX_TEST_HPT");
        checkResultRow(Bottom(W->Get(E::Argument2Edit)) + 8);
        Choose(List(E::FunctionList), "KX_TEST_MM");
        checkResultRow(edit1->y() + 4);
        Choose(List(E::ModeList), "Unit Conversion");
        checkResultRow(Bottom(W->Get(E::UnitList)) + 8);
        QCOMPARE(W->Get(E::ConvertToList)->geometry().topLeft(), QPoint(mode->x(), result->y()));

        // The window: as wide as the display plus margins, as high as the memory list reaches.
        QCOMPARE(Right(display), Right(libraryPanel));
        QCOMPARE(W->Form->width(), display->width() + 16);
        QCOMPARE(W->Form->height(), Bottom(grid) + 8);
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

    // With the real catalogue, once the water library is registered there.
    void WaterSaturationPressure() {
        W = std::make_unique<TWindow>(TKXSettingsHooks{}, CreateKXLibraries);
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
