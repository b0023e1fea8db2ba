// setup: installs Vireska from the installation medium it stands on.

#include "app/Startup.h"
#include "installer/InstallerWindow.h"
#include "print/ScreenFonts.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("setup"));
    installFrenchTranslations(application);
    installFontSubstitutes();
    QApplication::setFont(screenFont(0));
    InstallerWindow window(Install::systemPlaces());
    window.show();
    return application.exec();
}
