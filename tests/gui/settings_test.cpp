// The settings file from the window's side: read at the first activation, written when the
// window closes, and a file that cannot be written does not keep the window open.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "KXGuiTestSupport.h"

using namespace kxguitest;
using E = TKXElement;

class SettingsTest : public QObject {
    Q_OBJECT

    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    static void Write(const QString& path, const QByteArray& content) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

  private slots:
    void ReadAtActivationWrittenOnClose_data() {
        QTest::addColumn<QByteArray>("content");  // "(missing)": no file
        QTest::addColumn<QString>("temperatureUnit");
        QTest::addColumn<QString>("pressureUnit");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("missing") << QByteArray("(missing)") << "°C"
                                 << "bar(a)" << QByteArray("1\r\n0\r\n");
        QTest::newRow("engineering") << QByteArray("0\r\n1\r\n") << "°F"
                                     << "psi(a)" << QByteArray("0\r\n1\r\n");
        QTest::newRow("LF only") << QByteArray("0\n1\n") << "°F"
                                 << "psi(a)" << QByteArray("0\r\n1\r\n");
        QTest::newRow("second not a number") << QByteArray("0\r\nx\r\n") << "°C"
                                             << "bar(a)" << QByteArray("1\r\n0\r\n");
        QTest::newRow("empty") << QByteArray("") << "°C"
                               << "bar(a)" << QByteArray("0\r\n0\r\n");
        QTest::newRow("unknown system") << QByteArray("1\r\n7\r\n") << ""
                                        << "" << QByteArray("1\r\n7\r\n");
    }
    void ReadAtActivationWrittenOnClose() {
        QFETCH(QByteArray, content);
        QFETCH(QString, temperatureUnit);
        QFETCH(QString, pressureUnit);
        QFETCH(QByteArray, written);
        QTemporaryDir dir;
        const QString path = dir.filePath("Varnexa.Cfg");
        TWindow w(SettingsFileHooks(path.toStdString()));
        // Written after the window was made but before it was first shown: still read.
        if (content != "(missing)") Write(path, content);
        QVERIFY(w.Show());
        QCOMPARE(w.Get<QComboBox>(E::Argument1UnitList)->currentText(), temperatureUnit);
        QCOMPARE(w.Get<QComboBox>(E::ResultUnitList)->currentText(), pressureUnit);
        if (temperatureUnit.isEmpty()) {
            Type(w.Get<QLineEdit>(E::Argument1Edit), "100");
            QCOMPARE(w.Text(E::ErrorMsgLbl), QString("Select a unit for Temperature"));
            QCOMPARE(w.Text(E::ResultEdit), QString());
        }
        QVERIFY(w.Form->close());
        QCOMPARE(Read(path), written);
    }

    // A folder with the file's name: the window starts on the defaults and leaves it alone.
    void AFolderOfThatNameGivesTheDefaults() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Varnexa.Cfg");
        QVERIFY(QDir(dir.path()).mkdir("Varnexa.Cfg"));
        TWindow w(SettingsFileHooks(path.toStdString()));
        QVERIFY(w.Show());
        QCOMPARE(w.Get<QComboBox>(E::Argument1UnitList)->currentText(), QString("°C"));
        QVERIFY(w.Form->close());
        QVERIFY(QFileInfo(path).isDir());
    }

    void UnwritableFileStillCloses() {
        QTemporaryDir dir;
        const QString path = dir.filePath("no such folder/Varnexa.Cfg");
        TWindow w(SettingsFileHooks(path.toStdString()));
        QVERIFY(w.Show());
        QVERIFY(w.Form->close());
        QVERIFY(!w.Form->isVisible());
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
