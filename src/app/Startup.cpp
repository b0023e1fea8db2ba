#include "app/Startup.h"

#include "app/MainWindow.h"
#include "common/ProgramState.h"
#include "print/ScreenFonts.h"
#include "store/Store.h"
#include "ui/FormWindow.h"
#include "ui/Pictures.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

std::unique_ptr<MainWindow> startUp(const QString &workingFolder) {
    loadPictures();
    if (!store().open(dataFolderOf(workingFolder)))
        return nullptr;
    loadScreenFonts();
    // The windows' coordinates were drawn for a desktop whose dialog font is a sans-serif of 8 points.
    QApplication::setFont(screenFont(0));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        programState().desktopWidth = screen->geometry().width();
        programState().desktopHeight = screen->geometry().height();
    }
    return std::make_unique<MainWindow>();
}

void installFrenchTranslations(QApplication &application) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto *translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(translator);
}

int runProgram(QApplication &application) {
    installFrenchTranslations(application);
    std::unique_ptr<MainWindow> window = startUp(QDir::currentPath());
    if (!window)
        return 0;
    QObject::connect(window.get(), &MainWindow::quitRequested, &application, [] { QApplication::exit(0); });
    showMaximisedOnScreen(window.get());
    const int code = application.exec();
    window.reset();
    store().close();
    return code;
}
