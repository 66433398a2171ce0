// Pictures of the window after start-up and after a property result, saved as PNG files in the
// build tree so the layout can be looked at without a display.
#include <QDir>
#include <QImage>
#include <QPixmap>

#include "KXGuiTestSupport.h"
#include "KX_Libraries_Catalogue.h"

using namespace kxguitest;

class ScreenshotTest : public QObject {
    Q_OBJECT

    static QString Save(QWidget* window, const QString& name) {
        QDir().mkpath(VARNEXA_SCREENSHOT_DIR);
        const QString path = QString(VARNEXA_SCREENSHOT_DIR) + "/" + name;
        const QPixmap picture = window->grab();
        return picture.save(path, "PNG") ? path : QString();
    }

    // A picture that shows something: the right size, and not a single flat colour.
    static void CheckPicture(const QString& path, const QSize& size) {
        QVERIFY2(!path.isEmpty(), "the picture was not written");
        const QImage image(path);
        QCOMPARE(image.size() / image.devicePixelRatio(), size);
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 7)
            for (int x = 0; x < image.width(); x += 7) colours.insert(image.pixel(x, y));
        QVERIFY(colours.size() > 10);
    }

  private slots:
    void StartUpAndPropertyResult() {
        TWindow w;
        QVERIFY(w.Show());
        CheckPicture(Save(w.Form.get(), "startup.png"), w.Form->size());

        Type(w.Get<QLineEdit>(TKXElement::Argument1Edit), "100");
        Choose(w.Get<QComboBox>(TKXElement::ResultUnitList), "kPa(a)");
        QCOMPARE(w.Text(TKXElement::ResultEdit), QString("100"));
        CheckPicture(Save(w.Form.get(), "property_result.png"), w.Form->size());

        // The memory dialog over the result, and the list with the stored row.
        QString dialogPicture;
        TModalAnswer answer([&](QWidget* dialog) {
            QTest::keyClicks(static_cast<TMemoryDialog*>(dialog)->NameEdit(), "p100");
            dialogPicture = Save(dialog, "memory_dialog.png");
            static_cast<TMemoryDialog*>(dialog)->accept();
        });
        Click(w.Get(TKXElement::StoreResultBtn));
        QVERIFY(answer.Answered());
        QVERIFY(!dialogPicture.isEmpty());

        Choose(w.Get<QComboBox>(TKXElement::FunctionList), "KX_TEST_HPT");
        Type(w.Get<QLineEdit>(TKXElement::Argument2Edit), "abc");
        QVERIFY(w.Get(TKXElement::ErrorMsgLbl)->isVisible());
        CheckPicture(Save(w.Form.get(), "two_arguments.png"), w.Form->size());

        Choose(w.Get<QComboBox>(TKXElement::ModeList), "Unit Conversion");
        Choose(w.Get<QComboBox>(TKXElement::PropList), "Temperature");
        Choose(w.Get<QComboBox>(TKXElement::UnitList), "°C");
        Choose(w.Get<QComboBox>(TKXElement::ConvertToList), "K");
        Type(w.Get<QLineEdit>(TKXElement::ValueEdit), "25");
        QCOMPARE(w.Text(TKXElement::ResultEdit), QString("298.15"));
        CheckPicture(Save(w.Form.get(), "unit_conversion.png"), w.Form->size());
    }

    // A function of three arguments: its third row under the other two, the window's size kept.
    void ThreeArguments() {
        const QSize size = [] {
            TWindow two;
            return two.Show() ? two.Form->size() : QSize();
        }();
        TWindow w(TKXSettingsHooks{}, RegisterThreeArgumentLibrary);
        QVERIFY(w.Show());
        QCOMPARE(w.Form->size(), size);
        Choose(w.Get<QComboBox>(TKXElement::LibraryList), "KX_AIR");
        Type(w.Get<QLineEdit>(TKXElement::Argument1Edit), "1");
        Type(w.Get<QLineEdit>(TKXElement::Argument2Edit), "25");
        Type(w.Get<QLineEdit>(TKXElement::Argument3Edit), "0.5");
        QCOMPARE(w.Text(TKXElement::ResultEdit), QString("125.5"));
        CheckPicture(Save(w.Form.get(), "three_arguments.png"), size);
    }

    // The program as it starts, over every registered library.
    void WaterLibrary() {
        TWindow w(TKXSettingsHooks{}, KXRegistry());
        int library = -1, function = -1;
        QVERIFY2(w.Libraries.FindFunction("KX_WS_IF97_PsatT", library, function),
                 "the water library is registered");
        QVERIFY(w.Show());
        CheckPicture(Save(w.Form.get(), "water_startup.png"), w.Form->size());
        Choose(w.Get<QComboBox>(TKXElement::LibraryList), "KX_WS_IF97");
        Choose(w.Get<QComboBox>(TKXElement::FunctionList), "KX_WS_IF97_PsatT");
        Type(w.Get<QLineEdit>(TKXElement::Argument1Edit), "100");
        QCOMPARE(w.Text(TKXElement::ResultEdit), QString("1.0142"));
        CheckPicture(Save(w.Form.get(), "water_saturation_pressure.png"), w.Form->size());
    }
};

QTEST_MAIN(ScreenshotTest)
#include "screenshot_test.moc"
