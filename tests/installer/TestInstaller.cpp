#include "installer/FolderCopy.h"
#include "installer/InstallPaths.h"
#include "installer/InstallerWindow.h"
#include "installer/Shortcut.h"
#include "platform/Pauses.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

const QString Finished = QStringLiteral("Installation terminée!");

void writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file under a folder with its bytes, by relative path.
QMap<QString, QByteArray> filesUnder(const QString &folder) {
    QMap<QString, QByteArray> files;
    QDirIterator entries(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        files[QDir(folder).relativeFilePath(path)] = readFile(path);
    }
    return files;
}

QString entryValue(const QString &entry, const QString &key) {
    for (const QString &line : entry.split(QLatin1Char('\n')))
        if (line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    return {};
}

} // namespace

class TestInstaller : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_env = std::make_unique<TestEnvironment>();
        m_root = std::make_unique<QTemporaryDir>();
        m_places.medium = m_root->filePath(QStringLiteral("medium"));
        m_places.desktopFolder = m_root->filePath(QStringLiteral("home/Bureau"));
        m_places.menuFolder = m_root->filePath(QStringLiteral("home/.local/share/applications"));
        // A medium like the one the build makes: the program, its icon, an empty data folder, and a
        // sub-folder with a folder of its own.
        writeFile(m_places.sourceFolder() + QStringLiteral("/Vireska"), "#!/bin/sh\necho program\n");
        QFile::setPermissions(m_places.sourceFolder() + QStringLiteral("/Vireska"),
                              QFile::permissions(m_places.sourceFolder() + QStringLiteral("/Vireska")) |
                                  QFileDevice::ExeOwner);
        writeFile(m_places.sourceFolder() + QStringLiteral("/Vireska.png"), "icon");
        QDir().mkpath(m_places.sourceFolder() + QStringLiteral("/data"));
        writeFile(m_places.sourceFolder() + QStringLiteral("/aide/pages/sommaire.txt"), "Sommaire");
        m_statuses.clear();
        Pauses::setHandler([this](int) { m_statuses << m_window->findChild<QLabel *>("statusLabel")->text(); });
    }
    void cleanup() {
        m_window.reset();
        m_env.reset();
        m_root.reset();
    }

    void folderRule_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("destination");
        QTest::newRow("the default folder is kept") << QDir::homePath() + "/Vireska" << QDir::homePath() + "/Vireska";
        QTest::newRow("a picked folder gets the product word") << "/srv/Apps"
                                                               << "/srv/Apps/Vireska";
        QTest::newRow("a folder ending with a separator gets no second one") << "/srv/Apps/"
                                                                             << "/srv/Apps/Vireska";
        QTest::newRow("a typed path ending with Vireska is kept") << "/opt/Soft/Vireska"
                                                                  << "/opt/Soft/Vireska";
        QTest::newRow("the comparison keeps letter case") << "/opt/Soft/vireska"
                                                          << "/opt/Soft/vireska/Vireska";
        QTest::newRow("a word ending with Vireska counts as its end") << "/opt/MaVireska"
                                                                      << "/opt/MaVireska";
        QTest::newRow("the root folder") << "/"
                                         << "/Vireska";
    }
    void folderRule() {
        QFETCH(QString, path);
        QFETCH(QString, destination);
        QCOMPARE(Install::destinationFor(path), destination);
        QCOMPARE(Install::programFileOf(destination), destination + "/Vireska");
    }

    void typedFolderIsReadFromHome_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("folder");
        QTest::newRow("an absolute path") << "/srv/cabinet"
                                          << "/srv/cabinet";
        QTest::newRow("the home sign") << "~/cabinet" << QDir::homePath() + "/cabinet";
        QTest::newRow("a relative path") << "cabinet" << QDir::homePath() + "/cabinet";
        QTest::newRow("surrounding spaces") << "  /srv/cabinet "
                                            << "/srv/cabinet";
        QTest::newRow("nothing") << "   "
                                 << "";
    }
    void typedFolderIsReadFromHome() {
        QFETCH(QString, typed);
        QFETCH(QString, folder);
        QCOMPARE(Install::typedFolder(typed), folder);
    }

    void windowHasItsWidgetsInPlace() {
        makeWindow();
        InstallerWindow &window = *m_window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Installation du logiciel de gestion médicale V.3 (2023)"));
        QCOMPARE(window.size(), QSize(512, 430));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
        QCOMPARE(window.findChild<QLabel *>("banner")->geometry(), QRect(2, 2, 512, 173));
        QCOMPARE(field()->geometry(), QRect(150, 198, 360, 20));
        QCOMPARE(field()->text(), QDir::homePath() + "/Vireska");
        QCOMPARE(installButton()->geometry(), QRect(360, 228, 150, 30));
        QCOMPARE(installButton()->text(), QStringLiteral("Installer"));
        QCOMPARE(chooseButton()->geometry(), QRect(150, 228, 150, 30));
        QCOMPARE(chooseButton()->text(), QStringLiteral("Choisir un autre dossier..."));
        QCOMPARE(window.findChild<QGroupBox *>()->geometry(), QRect(10, 258, 492, 40));
        QCOMPARE(progressBar()->geometry(), QRect(20, 274, 472, 15));
        QCOMPARE(status()->geometry(), QRect(20, 303, 472, 20));
        QCOMPARE(status()->text(), QStringLiteral("INSTALLATION DU LOGICIEL DE GESTION MEDICALE V.3 (2023)"));
        QCOMPARE(status()->palette().color(QPalette::WindowText), QColor(58, 68, 197));
        QCOMPARE(status()->font().family(), QStringLiteral("Calibri"));
        QCOMPARE(status()->font().pointSize(), 12);
        // Tab order follows creation: the field, then Installer, then the other folder.
        QCOMPARE(field()->nextInFocusChain(), installButton());
    }

    void chooseButtonAppliesTheFolderRule_data() {
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a picked folder") << "/srv/Apps"
                                         << "/srv/Apps/Vireska";
        QTest::newRow("a cancelled picker leaves the field") << "" << QDir::homePath() + "/Vireska";
    }
    void chooseButtonAppliesTheFolderRule() {
        QFETCH(QString, picked);
        QFETCH(QString, shown);
        makeWindow();
        m_env->setPickedFolder(picked);
        chooseButton()->click();
        QCOMPARE(field()->text(), shown);
    }

    void installationCopiesEverythingAndRecordsIt() {
        makeWindow();
        const QString destination = m_root->filePath("cabinet/Vireska");
        field()->setText(destination);
        QSignalSpy ended(m_window.get(), &InstallerWindow::installationEnded);
        installButton()->click();

        QCOMPARE(m_env->messages().texts(), QStringList({Finished}));
        QCOMPARE(m_env->messages().titles(), QStringList({QString()}));
        QCOMPARE(filesUnder(destination), filesUnder(m_places.sourceFolder()));
        QVERIFY(QFileInfo(destination + "/Vireska").isExecutable());
        QVERIFY(QFileInfo(destination + "/data").isDir());
        // Owner-only: read, write and enter for its owner, nothing for the group or others.
        QCOMPARE(int(QFile::permissions(destination + "/data") & 0x7777), 0x7700);
        QCOMPARE(readFile(m_places.pathRecord()), destination.toUtf8() + "\r\n");

        for (const QString &folder : {m_places.desktopFolder, m_places.menuFolder}) {
            const QString file = folder + "/Vireska.desktop";
            QVERIFY2(QFileInfo(file).isExecutable(), qPrintable(file));
            const QString entry = QString::fromUtf8(readFile(file));
            QCOMPARE(entryValue(entry, "Exec"), destination + "/Vireska");
            QCOMPARE(entryValue(entry, "Path"), destination + "/");
            QCOMPARE(entryValue(entry, "Name"), QStringLiteral("Vireska"));
            QCOMPARE(entryValue(entry, "Comment"), QStringLiteral("Logiciel de gestion médicale"));
            QCOMPARE(entryValue(entry, "Icon"), destination + "/Vireska.png");
        }

        // The display of the copied entries follows the copy, one per entry of the medium, in name order.
        QCOMPARE(m_statuses,
                 QStringList({"Copie du fichier Vireska", "Copie du fichier Vireska.png", "Copie du fichier aide",
                              "Copie du fichier data", "Mise à jour des fichiers de configuration..",
                              "Mise à jour des fichiers de configuration..", "Création des icônes..",
                              "Enregistrement des paramètres .."}));
        QCOMPARE(status()->text(), QString());
        QCOMPARE(status()->font().family(), QStringLiteral("Ms Trebuchet"));
        QCOMPARE(status()->font().pointSize(), 9);
        QCOMPARE(status()->palette().color(QPalette::WindowText), QColor(150, 97, 160));
        QCOMPARE(progressBar()->value(), 100);
        QCOMPARE(field()->text(), QString());
        QCOMPARE(ended.count(), 1);
        QVERIFY(!m_window->isVisible());
    }

    void pathRecordIsRewrittenAndSkippedOnAMediumThatCannotBeWritten() {
        writeFile(m_places.pathRecord(), "/ancien/Vireska\r\nsecond line\r\n");
        makeWindow();
        const QString destination = m_root->filePath("Vireska");
        field()->setText(destination);
        installButton()->click();
        QCOMPARE(readFile(m_places.pathRecord()), destination.toUtf8() + "\r\n");

        // A path record the medium cannot hold: no message, the installation ends as usual.
        QFile::remove(m_places.pathRecord());
        QDir().mkpath(m_places.pathRecord() + "/blocked");
        m_env->messages().clear();
        makeWindow();
        field()->setText(m_root->filePath("second"));
        installButton()->click();
        QCOMPARE(m_env->messages().texts(), QStringList({Finished}));
    }

    void existingFolderAsksFirst_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("no copies nothing") << int(Messages::Answer::No);
        QTest::newRow("cancel copies nothing") << int(Messages::Answer::Cancel);
        QTest::newRow("yes installs") << int(Messages::Answer::Yes);
    }
    void existingFolderAsksFirst() {
        QFETCH(int, answer);
        const QString destination = m_root->filePath("Vireska");
        QDir().mkpath(destination); // empty, still an existing folder
        makeWindow();
        field()->setText(destination);
        m_env->messages().queueAnswer(Messages::Answer(answer));
        installButton()->click();

        const Messages::Message question = m_env->messages().shown.first();
        QCOMPARE(question.title, QStringLiteral("Dossier existant"));
        QCOMPARE(question.text, "ATTENTION, le dossier (" + destination +
                                    ") existe, s'il contient des fichiers ils seront écrasés. Voulez-vous continuer?");
        QCOMPARE(question.buttons, Messages::Buttons::YesNoCancel);
        if (Messages::Answer(answer) == Messages::Answer::Yes) {
            QCOMPARE(m_env->messages().texts().last(), Finished);
            QVERIFY(QFile::exists(destination + "/Vireska"));
            return;
        }
        QCOMPARE(m_env->messages().shown.size(), 1);
        QVERIFY(QDir(destination).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QVERIFY(!QFile::exists(m_places.pathRecord()));
        QVERIFY(installButton()->isEnabled());
        QVERIFY(chooseButton()->isEnabled());
        QCOMPARE(field()->text(), destination);
        QCOMPARE(status()->text(), QStringLiteral("INSTALLATION DU LOGICIEL DE GESTION MEDICALE V.3 (2023)"));
    }

    void failedCopyIsReportedNotFinished_data() {
        QTest::addColumn<QString>("blocker");
        QTest::addColumn<QString>("named");
        QTest::newRow("a folder stands where the program goes") << "Vireska/Vireska"
                                                                << "Vireska/Vireska";
        QTest::newRow("a file stands where the destination goes") << "Vireska"
                                                                  << "Vireska";
        QTest::newRow("a read-only destination") << ""
                                                 << "Vireska/Vireska";
    }
    void failedCopyIsReportedNotFinished() {
        QFETCH(QString, blocker);
        QFETCH(QString, named);
        const QString destination = m_root->filePath("Vireska");
        if (blocker == "Vireska") {
            writeFile(destination, "not a folder");
        } else if (!blocker.isEmpty()) {
            QDir().mkpath(m_root->filePath(blocker));
        } else {
            if (geteuid() == 0)
                QSKIP("the superuser writes into read-only folders");
            QDir().mkpath(destination);
            QFile::setPermissions(destination, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        makeWindow();
        field()->setText(destination);
        m_env->messages().queueAnswer(Messages::Answer::Yes);
        installButton()->click();
        QFile::setPermissions(destination, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        const Messages::Message report = m_env->messages().shown.last();
        QCOMPARE(report.title, QStringLiteral("Erreur"));
        QVERIFY2(report.text.startsWith("La copie du fichier " + m_root->filePath(named) + " a échoué"),
                 qPrintable(report.text));
        QVERIFY(!m_env->messages().texts().contains(Finished));
        QVERIFY(!QFile::exists(m_places.pathRecord()));
        QVERIFY(!QFile::exists(m_places.desktopFolder + "/Vireska.desktop"));
        QVERIFY(installButton()->isEnabled());
        QVERIFY(m_window->isVisible());
    }

    void secondInstallationKeepsThePracticeRecords() {
        const QString destination = m_root->filePath("Vireska");
        makeWindow();
        field()->setText(destination);
        installButton()->click();
        const QByteArray records("SQLite format 3\0 the practice's patients", 40);
        writeFile(destination + "/data/Dbpatient.db", records);
        // A newer medium that (by mistake) carries a data file of the same name, and a read-only program
        // left by the first installation.
        writeFile(m_places.sourceFolder() + "/data/Dbpatient.db", "empty");
        writeFile(m_places.sourceFolder() + "/Vireska", "new program");
        QFile::setPermissions(destination + "/Vireska", QFileDevice::ReadOwner);

        m_env->messages().clear();
        m_env->messages().queueAnswer(Messages::Answer::Yes);
        makeWindow();
        field()->setText(destination);
        installButton()->click();

        QCOMPARE(m_env->messages().texts().last(), Finished);
        QCOMPARE(readFile(destination + "/data/Dbpatient.db"), records);
        QCOMPARE(readFile(destination + "/Vireska"), QByteArray("new program"));
        QVERIFY(m_statuses.contains("Données existantes conservées : 1 fichier(s) du dossier data"));
    }

    void failedCopyLeavesTheEarlierProgram() {
        const QString destination = m_root->filePath("Vireska");
        writeFile(destination + "/Vireska", "earlier program");
        // Something in the way of the new copy's bytes: the copy cannot be written.
        QDir().mkpath(destination + "/Vireska.setup-part/x");
        makeWindow();
        field()->setText(destination);
        m_env->messages().queueAnswer(Messages::Answer::Yes);
        installButton()->click();
        QCOMPARE(m_env->messages().titles().last(), QStringLiteral("Erreur"));
        QCOMPARE(readFile(destination + "/Vireska"), QByteArray("earlier program"));
    }

    void spaceNeededCountsOnlyWhatTheCopyAdds() {
        const QString destination = m_root->filePath("Vireska");
        writeFile(m_places.sourceFolder() + "/Vireska", QByteArray(1000, 'p'));
        writeFile(m_places.sourceFolder() + "/data/Dbpatient.db", QByteArray(500, 'd'));
        QCOMPARE(Install::bytesNeeded(Install::planCopy(m_places.sourceFolder(), destination)), 1000 + 4 + 8 + 500);

        writeFile(destination + "/Vireska", QByteArray(600, 'o'));          // replaced: 400 more
        writeFile(destination + "/data/Dbpatient.db", QByteArray(10, 'x')); // kept: nothing
        QCOMPARE(Install::bytesNeeded(Install::planCopy(m_places.sourceFolder(), destination)), 400 + 4 + 8);
        QVERIFY(Install::bytesAvailable(destination + "/not/yet/there") > 0);
    }

    void shortcutThatCannotBeWrittenIsReportedAndTheInstallationEnds() {
        writeFile(m_root->filePath("home/Bureau"), "a file where the desktop folder should be");
        makeWindow();
        field()->setText(m_root->filePath("Vireska"));
        installButton()->click();
        QCOMPARE(m_env->messages().titles(), QStringList({"Erreur", QString()}));
        QCOMPARE(m_env->messages().texts(), QStringList({"Le raccourci n'a pas pu être créé", Finished}));
        QVERIFY(QFile::exists(m_places.pathRecord()));
    }

    void desktopEntryQuotesAPathWithReservedCharacters_data() {
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("exec");
        QTest::newRow("a plain path") << "/home/cabinet/Vireska"
                                      << "/home/cabinet/Vireska/Vireska";
        QTest::newRow("a space") << "/home/Dr Amel/Vireska"
                                 << "\"/home/Dr Amel/Vireska/Vireska\"";
        QTest::newRow("a dollar and a quote") << "/home/a$b\"c/Vireska"
                                              << "\"/home/a\\\\$b\\\\\"c/Vireska/Vireska\"";
        QTest::newRow("a percent sign") << "/home/100%/Vireska"
                                        << "/home/100%%/Vireska/Vireska";
    }
    void desktopEntryQuotesAPathWithReservedCharacters() {
        QFETCH(QString, destination);
        QFETCH(QString, exec);
        QCOMPARE(entryValue(Install::desktopEntry(destination), "Exec"), exec);
    }

    void installationStopsWhenTheDiskIsShort() {
        const QString destination = m_root->filePath("Vireska");
        // A sparse file larger than the free space: it takes no room on the medium but must on the destination.
        QFile big(m_places.sourceFolder() + "/archive.bin");
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(Install::bytesAvailable(destination) + qint64(2) * 1024 * 1024 * 1024));
        big.close();
        makeWindow();
        field()->setText(destination);
        installButton()->click();
        QCOMPARE(m_env->messages().titles(), QStringList({"Erreur"}));
        QVERIFY2(m_env->messages().texts().first().startsWith("Espace disque insuffisant : il manque 2"),
                 qPrintable(m_env->messages().texts().first()));
        QVERIFY(!QFile::exists(destination));
        QVERIFY(installButton()->isEnabled());
    }

    void mediumIsNeverAnInstallationFolder_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("picked in DataFile") << "medium/DataFile";
        QTest::newRow("picked in its data folder") << "medium/DataFile/data";
    }
    void mediumIsNeverAnInstallationFolder() {
        QFETCH(QString, folder);
        const QMap<QString, QByteArray> medium = filesUnder(m_places.sourceFolder());
        makeWindow();
        field()->setText(m_root->filePath(folder));
        m_env->messages().queueAnswer(Messages::Answer::Yes);
        installButton()->click();
        QCOMPARE(m_env->messages().titles().last(), QStringLiteral("Erreur"));
        QVERIFY(m_env->messages().texts().last().contains("il fait partie du support d'installation"));
        QCOMPARE(filesUnder(m_places.sourceFolder()), medium);
    }

    void missingDataFileIsReported() {
        QDir(m_places.sourceFolder()).removeRecursively();
        makeWindow();
        field()->setText(m_root->filePath("Vireska"));
        installButton()->click();
        QCOMPARE(m_env->messages().titles(), QStringList({"Erreur"}));
        QVERIFY(m_env->messages().texts().first().contains(m_places.sourceFolder()));
        QVERIFY(!QFile::exists(m_root->filePath("Vireska")));
    }

private:
    void makeWindow() {
        m_window = std::make_unique<InstallerWindow>(m_places);
        m_window->show();
    }
    QLineEdit *field() { return m_window->findChild<QLineEdit *>("folderField"); }
    QPushButton *installButton() { return m_window->findChild<QPushButton *>("installButton"); }
    QPushButton *chooseButton() { return m_window->findChild<QPushButton *>("chooseButton"); }
    QProgressBar *progressBar() { return m_window->findChild<QProgressBar *>("progressBar"); }
    QLabel *status() { return m_window->findChild<QLabel *>("statusLabel"); }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<InstallerWindow> m_window;
    Install::Places m_places;
    QStringList m_statuses;
};

QTEST_MAIN(TestInstaller)
#include "TestInstaller.moc"
