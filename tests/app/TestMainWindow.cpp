#include "app/Events.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "common/ProgramState.h"
#include "store/DataFolderLock.h"
#include "store/Store.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

namespace {

QList<QAction *> toolbarButtons(MainWindow &window) {
    QList<QAction *> buttons;
    for (QAction *action : window.findChild<QToolBar *>(QStringLiteral("toolbar"))->actions())
        if (!action->isSeparator())
            buttons << action;
    return buttons;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_env = std::make_unique<TestEnvironment>();
        programState().desktopWidth = 1366;
    }
    void cleanup() { m_env.reset(); }

    void menuBarHasTheItemsAndEventNumbersInOrder() {
        MainWindow window;
        QStringList seen;
        for (QAction *title : window.menuBar()->actions()) {
            seen << title->text();
            for (QAction *item : title->menu()->actions())
                seen << (item->isSeparator() ? QStringLiteral("---")
                                             : QStringLiteral("%1: %2").arg(item->data().toInt()).arg(item->text()));
        }
        QCOMPARE(seen, QStringList({"Tables", "1: Table des patients", "2: Table des médicaments",
                                    "3: Table des maladies", "4: Table des prescriptions", "10: Dossier médical",
                                    "Journaux", "30: Journal des consultations", "31: Journal des analyses médicales",
                                    "32: Journal des radios/échographie", "---", "33: Journal des crédits",
                                    "40: ? Aide", "Utilitaires", "50: Sauvegarde", "51: Restauration", "Fin de session",
                                    "99: Fermer le logiciel et quitter"}));
    }

    void windowIsWhiteAndTitled() {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Vireska v.3 (Logiciel de gestion médicale - 2023)"));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    }

    void toolbarHasTwentyNumberedButtonsWithTheirTooltips() {
        MainWindow window;
        const QList<QAction *> buttons = toolbarButtons(window);
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(buttons[i]->data().toInt(), 100 + i);
            QCOMPARE(buttons[i]->toolTip(), toolbarTooltips()[i]);
        }
        QCOMPARE(buttons[16]->toolTip(), QStringLiteral("Paramètres"));
        QCOMPARE(buttons[17]->toolTip(), QStringLiteral("Initialisation de la base"));
        QCOMPARE(window.findChild<QToolBar *>(QStringLiteral("toolbar"))->iconSize(), QSize(16, 16));
    }

    void fillersExtendTheToolbarAcrossTheDesktop_data() {
        QTest::addColumn<int>("desktopWidth");
        QTest::addColumn<int>("fillers");
        QTest::newRow("a 1366-pixel desktop gets 23 fillers") << 1366 << 23;
        QTest::newRow("a 1920-pixel desktop gets 41 fillers") << 1920 << 41;
        QTest::newRow("a desktop narrower than the buttons gets none") << 640 << 0;
    }
    void fillersExtendTheToolbarAcrossTheDesktop() {
        QFETCH(int, desktopWidth);
        QFETCH(int, fillers);
        programState().desktopWidth = desktopWidth;
        MainWindow window;
        const QList<QAction *> buttons = toolbarButtons(window);
        QCOMPARE(window.fillerCount(), fillers);
        QCOMPARE(buttons.size(), 20 + fillers);
        for (int i = 20; i < buttons.size(); ++i) {
            QVERIFY(!buttons[i]->data().isValid()); // no number of their own
            QVERIFY(buttons[i]->toolTip().isEmpty());
        }
        // Every button is followed by a separator.
        const QList<QAction *> all = window.findChild<QToolBar *>(QStringLiteral("toolbar"))->actions();
        QCOMPARE(all.size(), 2 * (20 + fillers));
        for (int i = 1; i < all.size(); i += 2)
            QVERIFY(all[i]->isSeparator());
    }

    void logoIsCentredOnTheDesktop120BelowTheMenu() {
        MainWindow window;
        window.resize(1366, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QLabel *logo = window.findChild<QLabel *>(QStringLiteral("logo"));
        QCOMPARE(logo->x(), (1366 - logo->pixmap().width()) / 2 - 3);
        QCOMPARE(logo->y(), window.menuBar()->geometry().bottom() + 1 + 120);
    }

    void quitItemAndCloseBoxEndTheProgramWithoutAQuestion_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("menu item 99") << "99";
        QTest::newRow("toolbar button Fin de session") << "119";
        QTest::newRow("close box") << "close";
    }
    void quitItemAndCloseBoxEndTheProgramWithoutAQuestion() {
        QFETCH(QString, how);
        MainWindow window;
        QSignalSpy quit(&window, &MainWindow::quitRequested);
        if (how == "close")
            window.close();
        else
            window.dispatch(how.toInt());
        QCOMPARE(quit.count(), 1);
        QVERIFY(m_env->messages().isEmpty());
    }

    void inertButtonsDoNothing_data() {
        QTest::addColumn<int>("event");
        QTest::newRow("Photos du malade") << 112;
        QTest::newRow("Initialisation de la base") << 117;
        QTest::newRow("an unknown number") << 7;
    }
    void inertButtonsDoNothing() {
        QFETCH(int, event);
        MainWindow window;
        QSignalSpy quit(&window, &MainWindow::quitRequested);
        window.dispatch(event);
        QCOMPARE(quit.count(), 0);
        QVERIFY(QApplication::topLevelWidgets().size() >= 1);
        QVERIFY(m_env->messages().isEmpty());
    }

    void programEndsWithCodeZeroFromTheQuitItem() {
        store().close();
        QTimer::singleShot(0, [] {
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (auto *window = qobject_cast<MainWindow *>(widget))
                    window->dispatch(QuitEvent);
        });
        QCOMPARE(runProgram(*qApp), 0);
        QVERIFY(QFile::exists(QDir(m_env->dataFolder()).filePath(QStringLiteral("DbAntF.db"))));
    }

    void aSecondProgramOnTheSameDataFolderEndsTouchingNothing() {
        store().close();
        const QDir data(m_env->dataFolder());
        for (const QString &file : data.entryList(QDir::Files))
            QFile::remove(data.filePath(file));
        DataFolderLock firstProgram(m_env->dataFolder());
        QVERIFY(firstProgram.tryLock());

        QCOMPARE(runProgram(*qApp), 0);
        QCOMPARE(m_env->messages().titles(), QStringList{"Info"});
        QCOMPARE(m_env->messages().texts(), QStringList{"Vireska est déjà ouvert sur ce dossier de données."});
        QCOMPARE(data.entryList(QDir::Files), QStringList{DataFolderLock::fileName()});
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<MainWindow *>(widget));
    }

    void brokenFifthFileEndsTheProgramWithCodeZeroBeforeAnyWindow() {
        store().close();
        const QDir data(m_env->dataFolder());
        for (const TableDefinition &definition : tableDefinitions())
            QFile::remove(data.filePath(QLatin1String(definition.file)));
        QFile broken(data.filePath(QStringLiteral("tableanal.db")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(QByteArray(4096, 'x'));
        broken.close();

        QCOMPARE(runProgram(*qApp), 0);
        QCOMPARE(m_env->messages().titles(), QStringList{"Info"});
        QCOMPARE(m_env->messages().texts(), QStringList{"Ouverture data\\tableanal.db impossible!\nfichier endommagé"});
        QVERIFY(QFile::exists(data.filePath(QStringLiteral("tablefonc.db"))));
        QVERIFY(!QFile::exists(data.filePath(QStringLiteral("tableradio.db"))));
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<MainWindow *>(widget));
    }

private:
    std::unique_ptr<TestEnvironment> m_env;
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
