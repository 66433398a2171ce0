// The expression display as a user works it: the pads insert through the clipboard, "=" and the
// Enter key evaluate, the top bar cuts, copies and pastes, and the store button follows the text.
#include <QClipboard>
#include <QGuiApplication>

#include "KXGuiTestSupport.h"

using namespace kxguitest;

namespace {

// Name, buttons pressed in turn on an empty display, display text afterwards.
// clang-format off
constexpr const char* EvaluationCases[][3] = {
    {"sin(1)",                 "SinBtn Digit1Btn CloseParenBtn ExecuteBtn",            "0.841470984807897"},
    {"sin(1 unclosed",         "SinBtn Digit1Btn ExecuteBtn",                          "Error"},
    {"precedence",             "Digit1Btn PlusBtn Digit2Btn TimesBtn Digit3Btn ExecuteBtn", "7"},
    {"one third",              "Digit1Btn DivideBtn Digit3Btn ExecuteBtn",             "0.333333333333333"},
    {"pi",                     "PiBtn ExecuteBtn",                                     "3.14159265358979"},
    {"log base ten",           "LogBtn Digit1Btn Digit0Btn Digit0Btn CloseParenBtn ExecuteBtn", "2"},
    {"division by zero",       "Digit1Btn DivideBtn Digit0Btn ExecuteBtn",             "Error"},
    {"empty display",          "ExecuteBtn",                                           "Error"},
    {"result evaluates again", "Digit2Btn PowerBtn Digit3Btn ExecuteBtn ExecuteBtn",   "8"},
    {"result continues",       "Digit2Btn ExecuteBtn TimesBtn Digit3Btn ExecuteBtn",   "6"},
    {"clear",                  "Digit2Btn PlusBtn ClearBtn",                           ""},
};

struct TTopBarCase {
    const char* Name;
    const char* Text;
    int Start;
    int Length;  // 0: no selection, the caret at Start
    const char* Button;
    const char* ClipboardBefore;
    const char* Shown;
    const char* ClipboardAfter;
};
constexpr TTopBarCase TopBarCases[] = {
    {"cut all",              "12.5", 2, 0, "CutBtn",   "x",  "",      "12.5"},
    {"cut selection",        "12.5", 1, 2, "CutBtn",   "x",  "15",    "2."},
    {"copy all",             "12.5", 2, 0, "CopyBtn",  "x",  "12.5",  "12.5"},
    {"copy selection",       "12.5", 0, 2, "CopyBtn",  "x",  "12.5",  "12"},
    {"paste at caret",       "12.5", 1, 0, "PasteBtn", "7",  "172.5", "7"},
    {"paste over selection", "12.5", 1, 3, "PasteBtn", "7*", "17*",   "7*"},
};

struct TStoreCase {
    const char* Name;
    const char* Typed;
    bool Enabled;
};
constexpr TStoreCase StoreCases[] = {
    {"empty", "", false},         {"Error", "Error", false},  {"number", "12.5", true},
    {"blanks around", " 12.5 ", true}, {"exponent", "1e3", true}, {"expression", "1+2", false},
    {"comma", "1,5", false},
};
// clang-format on

QString SystemClipboard() {
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}
}  // namespace

class DisplayTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TWindow> W;

    // Puts text into the display by typing and selects [start, start + length), or places the
    // caret at start when length is 0.
    void Prepare(const QString& text, int start, int length) {
        QLineEdit* display = W->Display();
        Type(display, text);
        if (length > 0)
            display->setSelection(start, length);
        else
            display->setCursorPosition(start);
    }

    void Press(const QString& names) {
        for (const QString& name : names.split(' ', Qt::SkipEmptyParts)) {
            auto* button = W->Named<QAbstractButton>(qPrintable(name));
            QVERIFY2(button, qPrintable("no button " + name));
            Click(button);
        }
    }

  private slots:
    void init() {
        W = std::make_unique<TWindow>();
        QVERIFY(W->Show());
        W->Form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(W->Form.get()));
    }
    void cleanup() { W.reset(); }

    void InsertingButtonReplacesSelectionThroughClipboard_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("inserted");
        const char* rows[][2] = {
            {"Digit0Btn", "0"},   {"Digit5Btn", "5"},       {"Digit9Btn", "9"},
            {"PointBtn", "."},    {"ExponentSignBtn", "E"}, {"PlusBtn", "+"},
            {"MinusBtn", "-"},    {"TimesBtn", "*"},        {"DivideBtn", "/"},
            {"PowerBtn", "^"},    {"OpenParenBtn", "("},    {"CloseParenBtn", ")"},
            {"PiBtn", "pi"},      {"SinBtn", "Sin("},       {"CosBtn", "Cos("},
            {"TanBtn", "Tan("},   {"ASinBtn", "Asin("},     {"ACosBtn", "Acos("},
            {"ATanBtn", "Atan("}, {"lnBtn", "ln("},         {"ExponentBtn", "Exp("},
            {"LogBtn", "Log("},   {"AbsBtn", "Abs("},       {"UnitBtn", "Unit("},
            {"RampBtn", "Ramp("}, {"RoundBtn", "Round("},   {"SgnBtn", "Sgn("},
            {"SqrtBtn", "Sqrt("}, {"TruncBtn", "Trunc("},
        };
        for (const auto& row : rows) QTest::newRow(row[0]) << row[0] << row[1];
    }
    void InsertingButtonReplacesSelectionThroughClipboard() {
        QFETCH(QString, button);
        QFETCH(QString, inserted);
        // Caret inside the text: inserted there.
        Prepare("12", 1, 0);
        Press(button);
        QCOMPARE(W->Display()->text(), "1" + inserted + "2");
        QCOMPARE(W->Display()->cursorPosition(), 1 + inserted.size());
        QCOMPARE(SystemClipboard(), inserted);
        // A selection is replaced.
        Prepare("1234", 1, 2);
        Press(button);
        QCOMPARE(W->Display()->text(), "1" + inserted + "4");
        QCOMPARE(SystemClipboard(), inserted);
    }

    void ButtonsEvaluate_data() {
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<QString>("shown");
        for (const auto& r : EvaluationCases) QTest::newRow(r[0]) << r[1] << r[2];
    }
    void ButtonsEvaluate() {
        QFETCH(QString, buttons);
        QFETCH(QString, shown);
        Press(buttons);
        QCOMPARE(W->Display()->text(), shown);
        QCOMPARE(W->Display()->cursorPosition(), shown.size());
    }

    void EnterKeyEvaluates_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }
    void EnterKeyEvaluates() {
        QFETCH(int, key);
        QLineEdit* display = W->Display();
        display->setFocus();
        QTest::keyClicks(display, "(1+2)*4");
        QTest::keyClick(display, Qt::Key_Backspace);  // typing works as in any field
        QTest::keyClicks(display, "3");
        QTest::keyClick(display, static_cast<Qt::Key>(key));
        QCOMPARE(display->text(), QString("9"));
        QTest::keyClicks(display, "+1");
        QTest::keyClick(display, static_cast<Qt::Key>(key));
        QCOMPARE(display->text(), QString("10"));
    }

    void TopBar_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(TopBarCases)); ++i)
            QTest::newRow(TopBarCases[i].Name) << i;
    }
    void TopBar() {
        QFETCH(int, row);
        const TTopBarCase& c = TopBarCases[row];
        QGuiApplication::clipboard()->setText(c.ClipboardBefore);
        Prepare(c.Text, c.Start, c.Length);
        Press(c.Button);
        QCOMPARE(W->Display()->text(), QString(c.Shown));
        QCOMPARE(SystemClipboard(), QString(c.ClipboardAfter));
    }

    void StoreButtonFollowsDisplay_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enabled");
        for (const auto& [name, typed, enabled] : StoreCases)
            QTest::newRow(name) << typed << enabled;
    }
    void StoreButtonFollowsDisplay() {
        QFETCH(QString, typed);
        QFETCH(bool, enabled);
        auto* store = W->Get(TKXElement::StoreBtn);
        Type(W->Display(), "7");
        QVERIFY(store->isEnabled());
        Type(W->Display(), typed);
        QCOMPARE(store->isEnabled(), enabled);
    }

    void StoreButtonAfterEvaluation() {
        auto* store = W->Get(TKXElement::StoreBtn);
        QVERIFY(!store->isEnabled());  // empty display at start-up
        Press("Digit1Btn PlusBtn Digit2Btn");
        QVERIFY(!store->isEnabled());
        Press("ExecuteBtn");
        QVERIFY(store->isEnabled());
        Press("DivideBtn Digit0Btn ExecuteBtn");
        QCOMPARE(W->Display()->text(), QString("Error"));
        QVERIFY(!store->isEnabled());
        Press("ClearBtn");
        QVERIFY(!store->isEnabled());
    }
};

QTEST_MAIN(DisplayTest)
#include "display_test.moc"
