#include "app/Startup.h"

#include "app/MainWindow.h"
#include "common/ProgramState.h"
#include "platform/FilePrivacy.h"
#include "platform/Messages.h"
#include "print/PracticeSettings.h"
#include "print/ScreenFonts.h"
#include "store/DataFolderLock.h"
#include "store/Store.h"
#include "ui/FormWindow.h"
#include "ui/Pictures.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmapCache>
#include <QScreen>
#include <QTranslator>
#include <thread>

namespace {

// Held from start-up until the program ends.
std::unique_ptr<DataFolderLock> heldLock;

} // namespace

std::unique_ptr<MainWindow> startUp(const QString &workingFolder) {
    // The main window's pictures are decoded while the data files open.
    decodePicturesAhead(MainWindow::picturesShown());
    // The system's font list is read meanwhile too: the main window's first layout waits for it.
    std::jthread fontList([] { QFontDatabase::families(); });
    const QString dataFolder = dataFolderOf(workingFolder);
    heldLock.reset();
    if (!FilePrivacy::makeOwnerOnlyFolder(dataFolder)) {
        Messages::show(QStringLiteral("Info"), QStringLiteral("Ouverture data impossible!"));
        return nullptr;
    }
    auto lock = std::make_unique<DataFolderLock>(dataFolder);
    if (!lock->tryLock()) {
        Messages::show(QStringLiteral("Info"), QStringLiteral("Vireska est déjà ouvert sur ce dossier de données."));
        return nullptr;
    }
    heldLock = std::move(lock);
    if (!store().open(dataFolder)) {
        heldLock.reset();
        return nullptr;
    }
    PracticeSettings::load(dataFolder);
    fontList.join(); // the program's fonts and their substitutes are set up once the list is read
    loadScreenFonts();
    // The style's drawing cache gains entries with every list's colours; kept small, a long session's
    // memory stays flat however often windows open.
    QPixmapCache::setCacheLimit(2048);
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
    FilePrivacy::restrictNewFilesToOwner();
    std::unique_ptr<MainWindow> window = startUp(QDir::currentPath());
    if (!window)
        return 0;
    QObject::connect(window.get(), &MainWindow::quitRequested, &application, [] { QApplication::exit(0); });
    showMaximisedOnScreen(window.get());
    const int code = application.exec();
    window.reset();
    store().close();
    heldLock.reset();
    return code;
}
