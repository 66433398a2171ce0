// The calculator window. Start-up order: the value memory, the libraries (which create the fluid
// objects before they fill the registry), then the window.
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include "KXCalculatorForm.h"
#include "KXClipboard.h"
#include "KXExplorerSettings.h"
#include "KXIcons.h"
#include "KX_Libraries_Catalogue.h"
#include "KX_Version.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Varnexa");
    QApplication::setApplicationVersion(VARNEXA_VERSION);
    QApplication::setWindowIcon(kxicons::Window());
    QGuiApplication::setDesktopFileName("org.varnexa.Varnexa");

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Calvora Calculator: an engineering calculator with water, "
        "steam and refrigerant properties and unit conversion");
    parser.addHelpOption();
    parser.addVersionOption();
    // Lets a test or a package check start the installed window and see it close cleanly.
    const QCommandLineOption quitAfter("quit-after", "Close the window after MS milliseconds.",
                                       "MS");
    parser.addOption(quitAfter);
    parser.process(application);
    if (parser.isSet(quitAfter)) {
        bool ok = false;
        const int ms = parser.value(quitAfter).toInt(&ok);
        if (!ok || ms < 0) parser.showHelp(2);
        QTimer::singleShot(ms, &application, &QCoreApplication::quit);
    }

    TMemory memory;
    TKXSystemClipboard clipboard;
    const std::string settingsPath = DefaultSettingsPath();
    TKXCalculatorForm form(KXRegistry(), memory, clipboard, SettingsFileHooks(settingsPath));
    form.SetExplorerSettingsPath(ExplorerSettingsPathBeside(settingsPath));
    form.show();
    return QApplication::exec();
}
