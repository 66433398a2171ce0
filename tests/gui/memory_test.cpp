// The value memory as a user works it: the dialog accepted, cancelled and refused, the list's
// rows, pointer handling and menu, and the restore actions into the display and the fields.
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>

#include "KXGuiTestSupport.h"

using namespace kxguitest;
using E = TKXElement;

namespace {

// What a user does in the memory dialog, and what the test saw there.
struct TDialogScript {
    explicit TDialogScript(QString name, bool confirm = true)
        : Name(std::move(name)), Confirm(confirm) {}
    QString Name;
    bool Confirm;
    QString SeenValue;
    QString SeenCaption;
};

QAbstractButton* DialogButton(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    return dialog->findChild<QDialogButtonBox*>()->button(which);
}

// Answers the next memory dialog by script.
TModalAnswer AnswerDialog(TDialogScript& script) {
    return TModalAnswer([&script](QWidget* modal) {
        auto* dialog = qobject_cast<TMemoryDialog*>(modal);
        if (!dialog) return;
        script.SeenCaption = dialog->windowTitle();
        script.SeenValue = dialog->ValueEdit()->text();
        QTest::keyClicks(dialog->NameEdit(), script.Name);
        Click(
            DialogButton(dialog, script.Confirm ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel));
    });
}

}  // namespace

class MemoryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TWindow> W;

    TKXMemoryGrid* Grid() const { return W->Form->MemoryGrid(); }
    QString Cell(int row, int column) const {
        const QTableWidgetItem* item = Grid()->item(row - 1, column);
        return item ? item->text() : QString();
    }
    QPoint RowCentre(int row) const {
        return Grid()->visualRect(Grid()->model()->index(row - 1, 1)).center();
    }
    void ReleaseOver(int row, Qt::MouseButton button) {
        QTest::mouseClick(Grid()->viewport(), button, Qt::NoModifier, RowCentre(row));
    }
    // Stores the display text under a name through the dialog.
    void StoreDisplay(const QString& text, const QString& name) {
        Type(W->Display(), text);
        TDialogScript script(name);
        auto answer = AnswerDialog(script);
        Click(W->Get(E::StoreBtn));
        QVERIFY(answer.Answered());
    }
    void ChooseMenu(const QString& action) {
        QMenu* menu = W->Form->MemoryPopupMenu();
        QTRY_VERIFY(menu->isVisible());
        for (QAction* a : menu->actions())
            if (a->text() == action) {
                // Keyboard: the menu's own way of triggering the highlighted item.
                menu->setActiveAction(a);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        QFAIL(qPrintable("no menu item " + action));
    }

  private slots:
    void init() {
        W = std::make_unique<TWindow>();
        QVERIFY(W->Show());
    }
    void cleanup() { W.reset(); }

    void StoreAndCancel_data() {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void StoreAndCancel() {
        QFETCH(bool, confirm);
        Type(W->Display(), "3.5");
        TDialogScript script("x", confirm);
        auto answer = AnswerDialog(script);
        Click(W->Get(E::StoreBtn));
        QVERIFY(answer.Answered());
        QCOMPARE(script.SeenCaption, QString("Memory Dialog"));
        QCOMPARE(script.SeenValue, QString("3.5"));
        QCOMPARE(Grid()->isEnabled(), confirm);
        QCOMPARE(Grid()->rowCount(), 1);
        QCOMPARE(Cell(1, 0), confirm ? QString("1") : QString());
        QCOMPARE(Cell(1, 1), confirm ? QString("x") : QString());
        QCOMPARE(Cell(1, 2), confirm ? QString("3.5") : QString());
        QCOMPARE(Grid()->horizontalHeaderItem(2)->text(), QString("Value"));
    }

    // A value field that is no number keeps the dialog open, however it is closed; a number lets
    // Cancel close it without storing, and a name stops at 20 characters.
    void DialogRefusesValueThatIsNoNumber() {
        QStringList messages;
        bool stayedOpen = true;
        TModalAnswer answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<TMemoryDialog*>(modal);
            QTest::keyClicks(dialog->NameEdit(), "abcdefghijklmnopqrstuvwxy");
            Type(dialog->ValueEdit(), "1..5");
            auto refused = [&](const std::function<void()>& close) {
                TModalAnswer box([&](QWidget* m) { messages << AcceptMessage(m); });
                close();
                stayedOpen = stayedOpen && box.Answered() && dialog->isVisible();
            };
            refused([&] { Click(DialogButton(dialog, QDialogButtonBox::Ok)); });
            refused([&] { Click(DialogButton(dialog, QDialogButtonBox::Cancel)); });
            refused([&] { QTest::keyClick(dialog, Qt::Key_Escape); });
            refused([&] { dialog->close(); });
            QCOMPARE(dialog->NameEdit()->text(), QString("abcdefghijklmnopqrst"));
            Type(dialog->ValueEdit(), "2");
            Click(DialogButton(dialog, QDialogButtonBox::Cancel));
        });
        QTest::mouseClick(Grid()->viewport(), Qt::RightButton);  // disabled while empty: no menu
        QVERIFY(!W->Form->MemoryPopupMenu()->isVisible());
        W->Form->MemoryPopupMenu()->actions().at(2)->trigger();  // "Add"
        QVERIFY(answer.Answered());
        QCOMPARE(messages, QStringList(4, "Value is not a valid Floating Point Number"));
        QVERIFY(stayedOpen);
        QVERIFY(!Grid()->isEnabled());
    }

    void MenuAndPointer() {
        StoreDisplay("1", "a");
        StoreDisplay("2", "b");
        QVERIFY(Grid()->isEnabled());
        QCOMPARE(Grid()->CurrentRow(), 1);
        ReleaseOver(2, Qt::LeftButton);
        QCOMPARE(Grid()->CurrentRow(), 2);
        QVERIFY(!W->Form->MemoryPopupMenu()->isVisible());
        ReleaseOver(1, Qt::RightButton);
        QCOMPARE(Grid()->CurrentRow(), 1);
        QMenu* menu = W->Form->MemoryPopupMenu();
        QTRY_VERIFY(menu->isVisible());
        QStringList texts;
        for (QAction* a : menu->actions()) texts << (a->isSeparator() ? "-" : a->text());
        QCOMPARE(texts, (QStringList{"Restore", "-", "Add", "-", "Clear", "Clear All"}));
        menu->hide();
        // Releasing below the rows keeps the current row.
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(5, Grid()->viewport()->height() - 3));
        QCOMPARE(Grid()->CurrentRow(), 1);
        ReleaseOver(2, Qt::RightButton);
        ChooseMenu("Clear All");
        QVERIFY(!Grid()->isEnabled());
        QCOMPARE(Grid()->rowCount(), 1);
        QCOMPARE(Cell(1, 1), QString());
    }

    void ClearKeepsRowNumber_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("namesLeft");
        QTest::addColumn<int>("currentAfter");
        QTest::newRow("first") << 1 << "b c" << 1;
        QTest::newRow("middle") << 2 << "a c" << 2;
        QTest::newRow("last") << 3 << "a b" << 2;
    }
    void ClearKeepsRowNumber() {
        QFETCH(int, selected);
        QFETCH(QString, namesLeft);
        QFETCH(int, currentAfter);
        for (const char* name : {"a", "b", "c"}) StoreDisplay("1", name);
        ReleaseOver(selected, Qt::RightButton);
        ChooseMenu("Clear");
        QStringList names;
        for (int row = 1; row <= Grid()->rowCount(); ++row) names << Cell(row, 1);
        QCOMPARE(names.join(' '), namesLeft);
        QCOMPARE(Cell(2, 0), QString("2"));  // indices are renumbered
        QCOMPARE(Grid()->CurrentRow(), currentAfter);
        QCOMPARE(Grid()->currentRow() + 1, currentAfter);
    }

    // The keyboard does what the pointer and the menu do.
    void Keyboard() {
        for (const char* name : {"a", "b", "c"}) StoreDisplay("1", name);
        ReleaseOver(2, Qt::LeftButton);
        Grid()->setFocus();
        QTest::keyClick(Grid(), Qt::Key_Delete);
        QCOMPARE(Cell(1, 1) + Cell(2, 1), QString("ac"));
        QCOMPARE(Grid()->CurrentRow(), 2);
        QMenu* menu = W->Form->MemoryPopupMenu();
        for (const auto& [key, modifiers] :
             {std::pair{Qt::Key_Menu, Qt::NoModifier}, std::pair{Qt::Key_F10, Qt::ShiftModifier}}) {
            QVERIFY(!menu->isVisible());
            QTest::keyClick(Grid(), key, modifiers);
            QTRY_VERIFY(menu->isVisible());
            // At the current row.
            const QPoint at = Grid()->viewport()->mapFromGlobal(menu->pos());
            QCOMPARE(Grid()->rowAt(at.y()), Grid()->CurrentRow() - 1);
            menu->hide();
        }
        QTest::keyClick(Grid(), Qt::Key_Delete);
        QTest::keyClick(Grid(), Qt::Key_Delete);
        QVERIFY(!Grid()->isEnabled());
        QCOMPARE(W->Memory.Count(), 0);
    }

    void RestoreIntoDisplayThroughClipboard() {
        Type(W->Display(), "1/3");
        QTest::keyClick(W->Display(), Qt::Key_Return);
        StoreDisplay(W->Display()->text(), "third");
        Type(W->Display(), "2*");
        ReleaseOver(1, Qt::RightButton);
        ChooseMenu("Restore");
        QCOMPARE(W->Display()->text(), QString("2*0.333333333333333"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("0.333333333333333"));
    }

    void RestoreIntoFields() {
        // With an empty memory the restore buttons take the empty placeholder row.
        Type(W->Get<QLineEdit>(E::Argument1Edit), "5");
        Click(W->Get(E::RestoreArgument1Btn));
        QCOMPARE(W->Text(E::Argument1Edit), QString());
        QCOMPARE(W->Text(E::ErrorMsgLbl), QString("Invalid value for Temperature"));

        Type(W->Display(), "1/3");
        QTest::keyClick(W->Display(), Qt::Key_Return);
        StoreDisplay(W->Display()->text(), "third");
        StoreDisplay("250", "t");
        ReleaseOver(2, Qt::LeftButton);
        Click(W->Get(E::RestoreArgument1Btn));
        QCOMPARE(W->Text(E::Argument1Edit), QString("250"));
        QCOMPARE(W->Text(E::ResultEdit), QString("2.5"));
        ReleaseOver(1, Qt::LeftButton);
        Click(W->Get(E::RestoreArgument1Btn));
        QCOMPARE(W->Text(E::Argument1Edit), QString("0.333333333333333"));
        QCOMPARE(W->Text(E::ResultEdit), QString("0.0033333"));
        Choose(W->Get<QComboBox>(E::ModeList), "Unit Conversion");
        Click(W->Get(E::RestoreValueBtn));
        QCOMPARE(W->Text(E::ValueEdit), QString("0.333333333333333"));
    }

    void StoreResult() {
        // No result to store: the button is disabled, as the display's is for no number.
        QVERIFY(!W->Get(E::StoreResultBtn)->isEnabled());
        Click(W->Get(E::StoreResultBtn));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!Grid()->isEnabled());

        Type(W->Get<QLineEdit>(E::Argument1Edit), "123.456");
        QCOMPARE(W->Text(E::ResultEdit), QString("1.2346"));
        QVERIFY(W->Get(E::StoreResultBtn)->isEnabled());
        // Every digit of the value on request: 123.456 / 100 bar(a) with 17 digits.
        QCOMPARE(W->Get(E::ResultEdit)->toolTip(), QString("1.2345600000000001"));
        TDialogScript script("p");
        auto answer = AnswerDialog(script);
        Click(W->Get(E::StoreResultBtn));
        QVERIFY(answer.Answered());
        QCOMPARE(script.SeenValue, QString("1.2346"));
        QCOMPARE(Cell(1, 2), QString("1.2346"));
    }

    void ColumnWidths() {
        StoreDisplay("1", "a");
        const int average = Grid()->fontMetrics().averageCharWidth();
        QCOMPARE(Grid()->columnWidth(0), 8 * average);
        QCOMPARE(Grid()->columnWidth(1), 30 * average);
        QCOMPARE(Grid()->columnWidth(0) + Grid()->columnWidth(1) + Grid()->columnWidth(2),
                 Grid()->viewport()->width() - 2);
        QCOMPARE(Grid()->rowHeight(0), Grid()->fontMetrics().height() + 4);
    }
};

QTEST_MAIN(MemoryTest)
#include "memory_test.moc"
