#pragma once
// What the window tests share: a small library registered only here, a window built over it,
// and helpers that answer modal dialogs the way a user would.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "KXCalculatorForm.h"
#include "KXClipboard.h"
#include "KXMemoryDialog.h"
#include "KXMemoryGrid.h"
#include "KX_Libraries_Object.h"
#include "KX_Utils.h"

namespace kxguitest {

// The test library "KX_TEST": simple closed forms, so every expected number follows from the
// arguments and the unit factors alone.
inline int UnaryCalls = 0;

// Pressure in bar(a) = t / 100 for a temperature t in °C, valid from 0.01 °C.
inline double TestPsatT(double t, char* text, int32_t capacity, int32_t* code) {
    ++UnaryCalls;
    return RunLibraryFunction(
        "KX_TEST", "PsatT", text, capacity, code, [t](std::string& message, int32_t& error) {
            message = RangeCheck("<", "KX_TEST", "PsatT", t, 0.01, "Temperature", "°C");
            if (!message.empty()) {
                error = KXErrorCode::TemperatureLow;
                return 0.0;
            }
            return t / 100.0;
        });
}

// Enthalpy in kJ/kg = 1000 p + t for p in bar(a) and t in °C.
inline double TestHPT(double p, double t, char* text, int32_t capacity, int32_t* code) {
    return RunLibraryFunction("KX_TEST", "HPT", text, capacity, code,
                              [p, t](std::string&, int32_t&) { return 1000.0 * p + t; });
}

// Molar mass in kg/kmol, a constant.
inline double TestMM(char* text, int32_t capacity, int32_t* code) {
    return RunLibraryFunction("KX_TEST", "MM", text, capacity, code,
                              [](std::string&, int32_t&) { return 18.015268; });
}

inline TKXLibrary& RegisterTestLibrary(TKXLibraries& libraries) {
    TKXLibrary& library = libraries.AddLibrary("KX_TEST");
    library.AddUnairyFunction("KX_TEST_PsatT", "Pressure", 2, "Temperature", 31, TestPsatT);
    library.AddBinairyFunction("KX_TEST_HPT", "Enthalpy", 4, "Pressure", 2, "Temperature", 31,
                               TestHPT);
    library.AddConstantFunction("KX_TEST_MM", "Molar Mass", 38, TestMM);
    return library;
}

// A humid-air stand-in of three arguments: enthalpy in kJ/kg = 100 p + t + w for p in bar(a), t in
// °C and a humidity w as a fraction.
inline double TestHPTW(double p, double t, double w, char* text, int32_t capacity, int32_t* code) {
    return RunLibraryFunction("KX_AIR", "HPTW", text, capacity, code,
                              [=](std::string&, int32_t&) { return 100.0 * p + t + w; });
}

// The test library and, after it, "KX_AIR" (display name "humid air") with a function of three
// arguments before one of two.
inline void RegisterThreeArgumentLibrary(TKXLibraries& libraries) {
    RegisterTestLibrary(libraries);
    TKXLibrary& air = libraries.AddLibrary("KX_AIR");
    air.Info.DisplayName = "humid air";
    air.Info.ChemicalName = "air and water vapour";
    air.AddTernaryFunction("KX_AIR_HPTW", "Enthalpy", 4,
                           {{"Pressure", 2}, {"Temperature", 31}, {"Humidity", 34}}, TestHPTW);
    air.AddBinairyFunction("KX_AIR_HPT", "Enthalpy", 4, "Pressure", 2, "Temperature", 31, TestHPT);
}

// A window over the test library, the system clipboard (the offscreen platform keeps one in
// the process) and, when given, a settings file.
struct TWindow {
    TMemory Memory;
    TKXLibraries OwnLibraries;
    const TKXLibraries& Libraries;
    TKXSystemClipboard Clipboard;
    std::unique_ptr<TKXCalculatorForm> Form;

    // register fills a registry of the window's own; the test library by default.
    explicit TWindow(TKXSettingsHooks settings = {},
                     const std::function<void(TKXLibraries&)>& register_ = RegisterTestLibrary)
        : Libraries(OwnLibraries) {
        register_(OwnLibraries);
        Form =
            std::make_unique<TKXCalculatorForm>(Libraries, Memory, Clipboard, std::move(settings));
    }
    // A window over a registry built elsewhere (the program's: KXRegistry()).
    TWindow(TKXSettingsHooks settings, const TKXLibraries& registry) : Libraries(registry) {
        Form =
            std::make_unique<TKXCalculatorForm>(Libraries, Memory, Clipboard, std::move(settings));
    }

    bool Show() {
        Form->show();
        return QTest::qWaitForWindowExposed(Form.get());
    }

    template <class T = QWidget>
    T* Get(TKXElement element) const {
        return qobject_cast<T*>(Form->Element(element));
    }
    template <class T = QWidget>
    T* Named(const char* name) const {
        return Form->findChild<T*>(name);
    }
    QLineEdit* Display() const { return Get<QLineEdit>(TKXElement::Display); }
    QString Text(TKXElement element) const;
};

inline QString TWindow::Text(TKXElement element) const {
    if (auto* edit = Get<QLineEdit>(element)) return edit->text();
    if (auto* label = Get<QLabel>(element)) return label->text();
    if (auto* list = Get<QComboBox>(element)) return list->currentText();
    return {};
}

// Clicks a button with the mouse, as a user does.
inline void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(widget, button, Qt::NoModifier, widget->rect().center());
}

// Chooses an item of a selection list with the mouse: opens the list and clicks the item.
inline void Choose(QComboBox* list, const QString& item) {
    const int target = list->findText(item);
    QVERIFY2(target >= 0, qPrintable("no item " + item));
    list->showPopup();
    QAbstractItemView* view = list->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    const QModelIndex index = view->model()->index(target, list->modelColumn(), view->rootIndex());
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      view->visualRect(index).center());
    QTRY_VERIFY(!view->window()->isVisible());
    QCOMPARE(list->currentText(), item);
}

// Replaces the text of a field by typing, as a user does.
inline void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

// Runs answer on the next modal dialog once it is open (polling, as a user waits for it), while
// the caller goes on into the code that opens it. The dialogs' exec() loops keep the polling
// alive. answered reports whether a dialog appeared within the time limit.
class TModalAnswer {
  public:
    using TAnswer = std::function<void(QWidget*)>;

    explicit TModalAnswer(TAnswer answer, int timeLimitMs = 5000)
        : Answer(std::move(answer)), PassesLeft(timeLimitMs / PollMs) {
        Poll();
    }
    bool Answered() const { return *Done; }

  private:
    static constexpr int PollMs = 10;
    void Poll() {
        auto done = Done;
        auto answer = Answer;
        int passes = PassesLeft;
        QTimer::singleShot(PollMs, [done, answer, passes] { Step(done, answer, passes); });
    }
    static void Step(std::shared_ptr<bool> done, TAnswer answer, int passes) {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            *done = true;
            answer(modal);
            return;
        }
        if (passes > 0)
            QTimer::singleShot(PollMs, [done, answer, passes] { Step(done, answer, passes - 1); });
    }

    TAnswer Answer;
    int PassesLeft;
    std::shared_ptr<bool> Done = std::make_shared<bool>(false);
};

// The text of an error message box and its OK button pressed; "" if the modal was no box.
inline QString AcceptMessage(QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) return {};
    const QString text = box->text();
    if (box->icon() != QMessageBox::Critical) return "(not an error box) " + text;
    box->button(QMessageBox::Ok)->click();
    return text;
}

}  // namespace kxguitest
