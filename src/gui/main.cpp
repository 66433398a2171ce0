// The calculator window. Start-up order: the value memory, the libraries (which create the fluid
// objects before they fill the registry), then the window.
#include <QApplication>

#include "KXCalculatorForm.h"
#include "KXClipboard.h"
#include "KXIcons.h"
#include "KX_Libraries_Catalogue.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Varnexa");
    QApplication::setWindowIcon(kxicons::Window());
    QGuiApplication::setDesktopFileName("varnexa");

    TMemory memory;
    TKXSystemClipboard clipboard;
    TKXCalculatorForm form(KXRegistry(), memory, clipboard,
                           SettingsFileHooks(DefaultSettingsPath()));
    form.show();
    return QApplication::exec();
}
