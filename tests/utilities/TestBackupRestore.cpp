#include "app/MainWindow.h"
#include "common/ProgramState.h"
#include "patients/PatientRecords.h"
#include "platform/Pauses.h"
#include "store/Store.h"
#include "support/TestEnvironment.h"
#include "utilities/DataBackup.h"
#include "utilities/UtilitiesWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <sqlite3.h>

namespace {

using Answer = Messages::Answer;

const QString Refusal = QStringLiteral("Le dossier sélectionné n'est pas une sauvegarde valide ! ");

void writeFile(const QString &path, const QByteArray &content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void add(Db file, const QStringList &values) {
    const QStringList marks(values.size(), QStringLiteral("?"));
    QVERIFY(db(file).update(
        QStringLiteral("insert into %1 values(%2)").arg(QLatin1String(tableDefinition(file).table), marks.join(u',')),
        values));
}

Rows liveRows(Db file) {
    return db(file).query(
        QStringLiteral("Select * from %1 order by 1").arg(QLatin1String(tableDefinition(file).table)));
}

// Every row of a statement, every column as text, on a connection of the test's own.
Rows readAll(sqlite3 *file, const QString &sql) {
    Rows rows;
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(file, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        return {{QStringLiteral("not a database")}};
    while (sqlite3_step(statement) == SQLITE_ROW) {
        Row row;
        for (int c = 0; c < sqlite3_column_count(statement); ++c)
            row << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, c)));
        rows << row;
    }
    sqlite3_finalize(statement);
    return rows;
}

// What a database file holds, read as any SQLite tool would: its integrity check, then its rows.
std::pair<QString, Rows> fileContent(const QString &path, Db file) {
    if (!QFileInfo::exists(path))
        return {QStringLiteral("missing"), {}};
    sqlite3 *connection = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &connection, SQLITE_OPEN_READONLY, nullptr);
    const QString check = readAll(connection, QStringLiteral("PRAGMA integrity_check")).value(0).value(0);
    const Rows rows = readAll(
        connection, QStringLiteral("Select * from %1 order by 1").arg(QLatin1String(tableDefinition(file).table)));
    sqlite3_close(connection);
    return {check, rows};
}

QStringList patientNames() {
    QStringList names;
    for (const Row &row : liveRows(Db::Dbpatient))
        names << row.value(1);
    return names;
}

void storeSampleData() {
    add(Db::Dbpatient, {"1", "BENALI KARIM", "RUE A", "0555", "12/05/1979", "295315200", "44", "ans", "M", "M", "2",
                        "CARDIOLOGUE", "", "HTA", "179"});
    add(Db::Dbexamen, {"1", "10/03/2024", "1710028800", "ANGINE", "", "", "", ""});
    add(Db::tablemedic, {"ASPIRINE"});
    add(Db::DbAntF, {"1", "10/03/2024", "1710028800", "DIABETE DU PERE"});
}

QFile::Permissions ownerOnlyFile() {
    return QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
}

} // namespace

class TestBackupRestore : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_env = std::make_unique<TestEnvironment>();
        storeSampleData();
    }
    void cleanup() {
        m_window.reset();
        m_env.reset();
    }

    void theWindowAndItsTabs() {
        programState().page = UtilitiesWindow::Restore;
        UtilitiesWindow &window = open();
        QCOMPARE(window.windowTitle(), QStringLiteral("Logiciel de gestion médicale - Utilitaires"));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(189, 216, 66));
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window.tabs()->geometry(), QRect(10, 10, 920, 300));
        QCOMPARE(window.tabs()->currentIndex(), 1);
        QStringList captions;
        for (int i = 0; i < window.tabs()->count(); ++i)
            captions << window.tabs()->tabText(i);
        QCOMPARE(captions, QStringList({" SAUVEGARDE", " RESTAURATION", " FERMER"}));
        const QList<std::pair<UtilitiesWindow::Tab, QStringList>> tabs{
            {UtilitiesWindow::Backup, {"SAUVEGARDE", "Sauvegarder"}},
            {UtilitiesWindow::Restore, {"RESTAURATION", "Restaurer"}},
        };
        for (const auto &[tab, texts] : tabs) {
            QWidget *page = window.tabs()->widget(tab);
            const QLabel *title = page->findChild<QLabel *>("title");
            QCOMPARE(title->text(), texts[0]);
            QCOMPARE(title->geometry(), QRect(20, 30, 560, 30));
            QCOMPARE(title->font().family(), QStringLiteral("Calibri"));
            QCOMPARE(title->font().pointSize(), 13);
            QCOMPARE(page->findChild<QWidget *>("frame")->geometry(), QRect(10, 60, 800, 60));
            QCOMPARE(window.progressBar(tab)->geometry(), QRect(20, 80, 670, 20));
            QCOMPARE(window.progressBar(tab)->maximum(), 1000);
            QCOMPARE(window.actionButton(tab)->text(), texts[1]);
            QCOMPARE(window.actionButton(tab)->geometry(), QRect(700, 76, 100, 30));
            QCOMPARE(window.statusLabel(tab)->geometry(), QRect(10, 120, 200, 20));
            QCOMPARE(window.statusLabel(tab)->text(), QString());
        }
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_F5, Qt::Key_F8})
            QTest::keyClick(&window, key);
        QTest::keyClick(&window, Qt::Key_Delete, Qt::AltModifier);
        QVERIFY(window.isVisible());
        QVERIFY(m_env->messages().isEmpty());
        window.tabs()->setCurrentIndex(UtilitiesWindow::Close);
        QVERIFY(!window.isVisible());
        QCOMPARE(programState().page, 2);
    }

    void menuItemsOpenTheirTab_data() {
        QTest::addColumn<int>("event");
        QTest::addColumn<int>("tab");
        QTest::newRow("Sauvegarde") << 50 << 0;
        QTest::newRow("Restauration") << 51 << 1;
        QTest::newRow("the toolbar's Sauvegarde") << 114 << 0;
        QTest::newRow("the toolbar's Restauration") << 115 << 1;
    }
    void menuItemsOpenTheirTab() {
        QFETCH(int, event);
        QFETCH(int, tab);
        MainWindow main;
        int shown = -1;
        QTimer::singleShot(0, [&] {
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (auto *window = qobject_cast<UtilitiesWindow *>(widget); window && window->isVisible()) {
                    shown = window->tabs()->currentIndex();
                    window->close();
                }
        });
        main.dispatch(event);
        QCOMPARE(shown, tab);
    }

    void aBackupHoldsEveryFileWholeAndReadable() {
        const QDir data(m_env->dataFolder());
        writeFile(data.filePath("notes.txt"), "rendez-vous");
        writeFile(data.filePath("photos/1.jpg"), "image");
        writeFile(data.filePath("vireska.lock"), "1234");
        const QString destination = QDir(m_env->workingFolder()).filePath("cle/sauvegarde");
        m_env->setPickedFolder(destination);
        UtilitiesWindow &window = open();
        window.backUp();
        QCOMPARE(m_env->messages().titles(), QStringList{"Terminé"});
        QCOMPARE(m_env->messages().texts(), QStringList{"Sauvegarde terminée ! "});
        QCOMPARE(window.progressBar(UtilitiesWindow::Backup)->value(), 1000);
        QCOMPARE(window.statusLabel(UtilitiesWindow::Backup)->text(), QString());

        // A change, then a second backup into the same folder: one copy of each file, the newer one.
        add(Db::Dbpatient, {"2", "ZITOUNI AMEL", "", "", "", "-1", "30", "ans", "F", "C", "", "", "", "", ""});
        window.backUp();
        QCOMPARE(m_env->messages().texts().size(), 2);
        const QDir copy(destination);
        QStringList expected{"notes.txt", "photos"};
        for (const TableDefinition &definition : tableDefinitions()) {
            expected << QLatin1String(definition.file);
            const auto [check, rows] = fileContent(copy.filePath(QLatin1String(definition.file)), definition.db);
            QCOMPARE(check, QStringLiteral("ok"));
            QCOMPARE(rows, liveRows(definition.db));
            QCOMPARE(QFile::permissions(copy.filePath(QLatin1String(definition.file))) & 0x0777,
                     ownerOnlyFile() & 0x0777);
        }
        expected.sort(Qt::CaseInsensitive);
        QStringList present = copy.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
        present.sort(Qt::CaseInsensitive);
        QCOMPARE(present, expected); // no lock, no journal, no partial file
        QCOMPARE(readFile(copy.filePath("photos/1.jpg")), QByteArray("image"));
        QCOMPARE(fileContent(copy.filePath("Dbpatient.db"), Db::Dbpatient).second.size(), 2);
        QCOMPARE(QFile::permissions(destination) & 0x0777,
                 (ownerOnlyFile() | QFile::ExeOwner | QFile::ExeUser) & 0x0777);
        QVERIFY(QFileInfo(defaultBackupFolder()).isDir());
        QCOMPARE(QFileInfo(defaultBackupFolder()).absolutePath(), QFileInfo(m_env->dataFolder()).absolutePath());
    }

    void readOnlyCopiesAreOverwritten() {
        const QString destination = QDir(m_env->workingFolder()).filePath("Sauve");
        writeFile(QDir(m_env->dataFolder()).filePath("notes.txt"), "nouveau");
        writeFile(QDir(destination).filePath("notes.txt"), "ancien");
        writeFile(QDir(destination).filePath("Dbpatient.db"), "ancien");
        for (const char *name : {"notes.txt", "Dbpatient.db"})
            QFile::setPermissions(QDir(destination).filePath(name), QFile::ReadOwner | QFile::ReadUser);
        m_env->setPickedFolder(destination);
        open().backUp();
        QCOMPARE(m_env->messages().texts(), QStringList{"Sauvegarde terminée ! "});
        QCOMPARE(readFile(QDir(destination).filePath("notes.txt")), QByteArray("nouveau"));
        QCOMPARE(fileContent(QDir(destination).filePath("Dbpatient.db"), Db::Dbpatient).second,
                 liveRows(Db::Dbpatient));
    }

    void aCancelledPickerDoesNothing_data() {
        QTest::addColumn<bool>("restore");
        QTest::newRow("backup") << false;
        QTest::newRow("restore") << true;
    }
    void aCancelledPickerDoesNothing() {
        QFETCH(bool, restore);
        int pauses = 0;
        Pauses::setHandler([&pauses](int) { ++pauses; });
        m_env->setPickedFolder(QString());
        UtilitiesWindow &window = open();
        restore ? window.restore() : window.backUp();
        QCOMPARE(pauses, 0);
        QVERIFY(m_env->messages().isEmpty());
        QCOMPARE(window.statusLabel(restore ? UtilitiesWindow::Restore : UtilitiesWindow::Backup)->text(), QString());
    }

    void aRestoreBringsTheBackupBackIntoTheOpenProgram() {
        const QString backup = QDir(m_env->workingFolder()).filePath("Sauve");
        writeFile(QDir(m_env->dataFolder()).filePath("notes.txt"), "sauvegardé");
        QVERIFY(backUpData(backup).isEmpty());
        QVERIFY(QFile::remove(QDir(backup).filePath("DbAntF.db"))); // a backup without that table's file
        // A journal left beside a backed-up file must never reach the live folder, where it would be replayed.
        writeFile(QDir(backup).filePath("DbAntF.db-journal"), QByteArray(1024, 'j'));
        const Rows patientsAtBackup = liveRows(Db::Dbpatient);

        // The day goes on: a patient renamed, a medicine and a family history added.
        QVERIFY(db(Db::Dbpatient).update("Update fpatient set nom=? where codepatient=?", {"BENALI KARIMA", "1"}));
        add(Db::tablemedic, {"DOLIPRANE"});
        add(Db::DbAntF, {"1", "11/03/2024", "1710115200", "ASTHME DE LA MERE"});
        writeFile(QDir(m_env->dataFolder()).filePath("notes.txt"), "modifié");
        const Rows historyBeforeRestore = liveRows(Db::DbAntF);
        const Rows patientsBeforeRestore = liveRows(Db::Dbpatient);

        int pauses = 0;
        Pauses::setHandler([&pauses](int milliseconds) {
            QCOMPARE(milliseconds, 20);
            ++pauses;
        });
        m_env->setPickedFolder(backup);
        m_env->messages().queueAnswer(Answer::Yes);
        UtilitiesWindow &window = open();
        window.restore();

        QCOMPARE(m_env->messages().titles(), QStringList({"ATTENTION !", "Terminé"}));
        QCOMPARE(m_env->messages().shown.first().buttons, Messages::Buttons::YesNo);
        QCOMPARE(m_env->messages().texts().last(), QStringLiteral("La base de données a été restaurée avec succès ! "));
        QCOMPARE(pauses, 1000);
        QCOMPARE(window.statusLabel(UtilitiesWindow::Restore)->text(), QString());
        // The open connections see the backup at once; the file the backup lacks is as it was.
        QCOMPARE(liveRows(Db::Dbpatient), patientsAtBackup);
        QCOMPARE(patientNames(), QStringList{"BENALI KARIM"});
        QCOMPARE(liveRows(Db::tablemedic), Rows{Row{"ASPIRINE"}});
        QCOMPARE(liveRows(Db::DbAntF), historyBeforeRestore);
        QCOMPARE(readFile(QDir(m_env->dataFolder()).filePath("notes.txt")), QByteArray("sauvegardé"));
        QVERIFY(!QFileInfo::exists(QDir(m_env->dataFolder()).filePath("DbAntF.db-journal")));
        QCOMPARE(fileContent(QDir(m_env->dataFolder()).filePath("Dbpatient.db"), Db::Dbpatient).first,
                 QStringLiteral("ok"));
        // The next save goes on from the restored data.
        PatientFields next{.name = "DURAND PAUL", .age = "40", .ageUnit = "ans", .familySituation = "C"};
        QCOMPARE(savePatient(next)->fields.code, QStringLiteral("2"));
        // The data as it was before the restore is kept beside the data folder.
        QCOMPARE(fileContent(QDir(safetyCopyFolder()).filePath("Dbpatient.db"), Db::Dbpatient).second,
                 patientsBeforeRestore);
        QCOMPARE(QFileInfo(safetyCopyFolder()).absolutePath(), QFileInfo(m_env->dataFolder()).absolutePath());
    }

    void answeringNoChangesNothing() {
        const QString backup = QDir(m_env->workingFolder()).filePath("Sauve");
        QVERIFY(backUpData(backup).isEmpty());
        add(Db::tablemedic, {"DOLIPRANE"});
        int pauses = 0;
        Pauses::setHandler([&pauses](int) { ++pauses; });
        m_env->setPickedFolder(backup);
        m_env->messages().queueAnswer(Answer::No);
        open().restore();
        QCOMPARE(m_env->messages().titles(), QStringList{"ATTENTION !"});
        QCOMPARE(pauses, 0);
        QCOMPARE(liveRows(Db::tablemedic).size(), 2);
    }

    void aSourceThatIsNoBackupIsRefused_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a text file named Dbpatient.db") << "text";
        QTest::newRow("an empty folder") << "empty";
        QTest::newRow("a damaged database") << "damaged";
        QTest::newRow("a database without its table") << "other table";
        QTest::newRow("the data folder itself") << "data";
    }
    void aSourceThatIsNoBackupIsRefused() {
        QFETCH(QString, kind);
        QString source = QDir(m_env->workingFolder()).filePath("cle");
        QDir().mkpath(source);
        const QString patients = QDir(source).filePath("Dbpatient.db");
        if (kind == u"text") {
            writeFile(patients, "Ceci n'est pas une base de données.\n");
        } else if (kind == u"damaged") {
            for (int i = 0; i < 400; ++i)
                add(Db::tablemedic, {QStringLiteral("MEDICAMENT %1 ").arg(i).repeated(8)});
            QVERIFY(backUpData(source).isEmpty());
            QFile file(QDir(source).filePath("tablemedic.db"));
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.seek(2 * 4096); // the header of the third page: no longer a b-tree page
            file.write(QByteArray(64, '\x5a'));
        } else if (kind == u"other table") {
            sqlite3 *other = nullptr;
            sqlite3_open(patients.toUtf8().constData(), &other);
            QCOMPARE(sqlite3_exec(other, "CREATE TABLE clients (nom TEXT)", nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(other);
        } else if (kind == u"data") {
            source = m_env->dataFolder();
        }
        const Rows before = liveRows(Db::tablemedic);
        m_env->setPickedFolder(source);
        m_env->messages().queueAnswer(Answer::Yes);
        open().restore();
        QCOMPARE(m_env->messages().titles(), QStringList{"Erreur"});
        QCOMPARE(m_env->messages().texts(), QStringList{Refusal});
        QCOMPARE(liveRows(Db::tablemedic), before);
        QCOMPARE(patientNames(), QStringList{"BENALI KARIM"});
        QVERIFY(!QFileInfo::exists(safetyCopyFolder()));
    }

    void aPatientFileIsJudgedByTheColumnsStatementsName_data() {
        QTest::addColumn<QString>("twelfth");
        QTest::addColumn<QString>("fourteenth");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("the reserved column under another name") << "codebarre"
                                                                << "maladie" << true;
        QTest::newRow("a named column missing") << "reserve"
                                                << "pathologie" << false;
    }
    void aPatientFileIsJudgedByTheColumnsStatementsName() {
        QFETCH(QString, twelfth);
        QFETCH(QString, fourteenth);
        QFETCH(bool, accepted);
        const QString source = QDir(m_env->workingFolder()).filePath("cle");
        QDir().mkpath(source);
        sqlite3 *file = nullptr;
        sqlite3_open(QDir(source).filePath("Dbpatient.db").toUtf8().constData(), &file);
        const QString create =
            QStringLiteral("CREATE TABLE FPATIENT (Codepatient, nom, ad, tel, datenais, datenum, age, "
                           "umage, sexe, sf, enf, prof, %1, %2, ss)")
                .arg(twelfth, fourteenth);
        QCOMPARE(sqlite3_exec(file, create.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(file);
        QCOMPARE(restoreSourceProblem(source).isEmpty(), accepted);
    }

    void aRestoreThatFailsHalfWayPutsTheDataBack() {
        const QString backup = QDir(m_env->workingFolder()).filePath("Sauve");
        QVERIFY(backUpData(backup).isEmpty());
        QVERIFY(db(Db::Dbpatient).update("Update fpatient set nom=? where codepatient=?", {"BENALI KARIMA", "1"}));
        add(Db::Dbexamen, {"1", "11/03/2024", "1710115200", "CONTROLE", "", "", "", ""});
        QMap<Db, Rows> before;
        for (const TableDefinition &definition : tableDefinitions())
            before.insert(definition.db, liveRows(definition.db));

        // The backup medium goes bad while the progress runs: a file checked sound can no longer be read.
        bool spoiled = false;
        Pauses::setHandler([&](int) {
            if (!spoiled)
                writeFile(QDir(backup).filePath("Dbexamen.db"), QByteArray(8192, 'x'));
            spoiled = true;
        });
        m_env->setPickedFolder(backup);
        m_env->messages().queueAnswer(Answer::Yes);
        UtilitiesWindow &window = open();
        window.restore();

        QCOMPARE(m_env->messages().titles(), QStringList({"ATTENTION !", "Erreur"}));
        const QString error = m_env->messages().texts().last();
        QVERIFY2(error.startsWith("La restauration du fichier Dbexamen.db a échoué"), qPrintable(error));
        QVERIFY2(error.contains("remises dans leur état d'avant la restauration"), qPrintable(error));
        QCOMPARE(window.statusLabel(UtilitiesWindow::Restore)->text(), QString());
        for (const TableDefinition &definition : tableDefinitions())
            QCOMPARE(liveRows(definition.db), before.value(definition.db));
        QCOMPARE(patientNames(), QStringList{"BENALI KARIMA"});
    }

    void aBackupThatCannotBeWrittenIsReported() {
        const QString destination = QDir(m_env->workingFolder()).filePath("cle");
        QDir().mkpath(QDir(destination).filePath("Dbexamen.db")); // a folder where a file must go
        m_env->setPickedFolder(destination);
        UtilitiesWindow &window = open();
        window.backUp();
        QCOMPARE(m_env->messages().titles(), QStringList{"Erreur"});
        QVERIFY2(m_env->messages().texts().first().contains("Dbexamen.db"),
                 qPrintable(m_env->messages().texts().first()));
        QCOMPARE(window.statusLabel(UtilitiesWindow::Backup)->text(), QString());
    }

    void aBackupIntoTheDataFolderIsRefused() {
        m_env->setPickedFolder(QDir(m_env->dataFolder()).filePath("copie"));
        open().backUp();
        QCOMPARE(m_env->messages().titles(), QStringList{"Erreur"});
        QVERIFY(!QFileInfo::exists(QDir(m_env->dataFolder()).filePath("copie")));
        QCOMPARE(fileContent(QDir(m_env->dataFolder()).filePath("Dbpatient.db"), Db::Dbpatient).first,
                 QStringLiteral("ok"));
    }

private:
    UtilitiesWindow &open() {
        m_window = std::make_unique<UtilitiesWindow>();
        m_window->show();
        return *m_window;
    }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<UtilitiesWindow> m_window;
};

QTEST_MAIN(TestBackupRestore)
#include "TestBackupRestore.moc"
