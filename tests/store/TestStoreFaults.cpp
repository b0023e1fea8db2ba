#include "store/CleanClose.h"
#include "store/DataFolderLock.h"
#include "store/Store.h"
#include "store/WritePatterns.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <sqlite3.h>
#include <sys/stat.h>

namespace {

// How a practice file can be found at start-up.
enum class FileState { Garbage, DamagedPages, ForeignTable, OtherColumns, Empty, CapitalisedTable };

QByteArray contentsOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void runSql(const QString &path, const char *sql) {
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

void makeFile(const QString &path, FileState state) {
    QFile::remove(path);
    switch (state) {
    case FileState::Garbage: {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        break;
    }
    case FileState::DamagedPages: {
        runSql(path, "CREATE TABLE fexamen (Codepatient INTEGER, dateEx TEXT, datenum INTEGER, diag1 TEXT, "
                     "diag2 TEXT, diag3 TEXT, diag4 TEXT, diag5 TEXT);"
                     "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<400) "
                     "INSERT INTO fexamen SELECT i, '01/01/2024', 0, printf('%.200c', 'A'), '', '', '', '' FROM n;");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.size() > 4 * 4096);
        file.seek(2 * 4096); // the first page, which says what the file holds, stays readable
        file.write(QByteArray(2 * 4096, char(0x55)));
        break;
    }
    case FileState::ForeignTable:
        runSql(path, "CREATE TABLE clients (nom TEXT, ville TEXT); INSERT INTO clients VALUES ('A', 'B');");
        break;
    case FileState::OtherColumns:
        runSql(path, "CREATE TABLE fexamen (Codepatient INTEGER, dateEx TEXT, remarque TEXT)");
        break;
    case FileState::Empty: {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        break;
    }
    case FileState::CapitalisedTable:
        runSql(path, "CREATE TABLE FEXAMEN (CODEPATIENT INTEGER, DATEEX TEXT, DATENUM INTEGER, DIAG1 TEXT, DIAG2 "
                     "TEXT, DIAG3 TEXT, DIAG4 TEXT, DIAG5 TEXT)");
        break;
    }
}

int permissionsOf(const QString &path) {
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 0777) : -1;
}

} // namespace

Q_DECLARE_METATYPE(FileState)

class TestStoreFaults : public QObject {
    Q_OBJECT

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() {
        Connection::setBusyTimeout(5000);
        m_env.reset();
    }

    void startUpNeverWritesIntoAFileItDoesNotUnderstand_data() {
        QTest::addColumn<FileState>("state");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text in place of the database") << FileState::Garbage << "fichier endommagé";
        QTest::newRow("pages overwritten") << FileState::DamagedPages << "fichier endommagé";
        QTest::newRow("another program's database")
            << FileState::ForeignTable << "ce fichier ne contient pas la table fexamen";
        QTest::newRow("the table with other columns") << FileState::OtherColumns << "colonnes inattendues";
    }
    void startUpNeverWritesIntoAFileItDoesNotUnderstand() {
        QFETCH(FileState, state);
        QFETCH(QString, reason);
        const QDir data = emptyDataFolder();
        const QString path = data.filePath(QStringLiteral("Dbexamen.db"));
        makeFile(path, state);
        const QByteArray before = contentsOf(path);

        QVERIFY(!store().open(m_env->dataFolder()));
        QVERIFY(!store().isOpen());
        QCOMPARE(m_env->messages().titles(), QStringList{"Info"});
        QCOMPARE(m_env->messages().texts(), QStringList{"Ouverture data\\Dbexamen.db impossible!\n" + reason});
        QCOMPARE(contentsOf(path), before);
        QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
        QVERIFY(QFile::exists(data.filePath(QStringLiteral("Dbrv.db"))));   // opened before it
        QVERIFY(!QFile::exists(data.filePath(QStringLiteral("Dbord.db")))); // never reached
        QVERIFY(!QFile::exists(data.filePath(QStringLiteral("DbAntF.db"))));
    }

    // A clean close lets the next start skip the page check of files left as they were; a file changed
    // since is checked in full.
    void aFileChangedSinceTheProgramClosedItIsCheckedAgain() {
        QVERIFY(
            db(Db::Dbexamen)
                .update(QStringLiteral("insert into fexamen (Codepatient,dateEx) values(?,?)"), {"1", "15/03/2024"}));
        store().close();
        const QDir data(m_env->dataFolder());
        QCOMPARE(permissionsOf(data.filePath(QStringLiteral("Vireska.checked"))), 0600);
        QVERIFY(store().open(m_env->dataFolder())); // as left: opens, and the record is taken
        QVERIFY(!QFile::exists(data.filePath(QStringLiteral("Vireska.checked"))));
        store().close();

        makeFile(data.filePath(QStringLiteral("Dbexamen.db")), FileState::DamagedPages);
        QVERIFY(!store().open(m_env->dataFolder()));
        QCOMPARE(m_env->messages().texts(), QStringList{"Ouverture data\\Dbexamen.db impossible!\nfichier endommagé"});
    }

    // A file closed cleanly keeps its indexes untouched at the next start; one closed by a program that
    // made other tables or indexes (another layout in the record) gets ours made again.
    void aFileClosedUnderAnotherLayoutGetsItsIndexesMadeAgain_data() {
        QTest::addColumn<bool>("sameLayout");
        QTest::newRow("same layout: not prepared again") << true;
        QTest::newRow("another layout: indexes made again") << false;
    }
    void aFileClosedUnderAnotherLayoutGetsItsIndexesMadeAgain() {
        QFETCH(bool, sameLayout);
        store().close();
        const QDir data(m_env->dataFolder());
        const QString examinations = data.filePath(QStringLiteral("Dbexamen.db"));
        const QString layout = QString::fromUtf8(
            contentsOf(data.filePath(CleanClose::recordFileName())).split('\n').first().split('\t').last());
        QVERIFY(!layout.isEmpty());
        runSql(examinations, "DROP INDEX idx_fexamen_datenum");
        CleanClose::takeRecord(m_env->dataFolder(), layout);
        CleanClose::writeRecord(m_env->dataFolder(), {QStringLiteral("Dbexamen.db")},
                                sameLayout ? layout : QStringLiteral("an older layout"));

        QVERIFY(store().open(m_env->dataFolder()));
        const QStringList indexes =
            db(Db::Dbexamen)
                .query(QStringLiteral("Select name from sqlite_master where type='index' and name=?"),
                       {QStringLiteral("idx_fexamen_datenum")})
                .value(0);
        QCOMPARE(indexes.isEmpty(), sameLayout);
    }

    void startUpTakesAnEmptyFileOrTheTableSpelledOtherwise_data() {
        QTest::addColumn<FileState>("state");
        QTest::newRow("a 0-byte file is a new file") << FileState::Empty;
        QTest::newRow("names in capitals") << FileState::CapitalisedTable;
    }
    void startUpTakesAnEmptyFileOrTheTableSpelledOtherwise() {
        QFETCH(FileState, state);
        makeFile(emptyDataFolder().filePath(QStringLiteral("Dbexamen.db")), state);
        QVERIFY(store().open(m_env->dataFolder()));
        QVERIFY(m_env->messages().isEmpty());
        QVERIFY(
            db(Db::Dbexamen)
                .update(QStringLiteral("insert into fexamen (Codepatient,dateEx) values(?,?)"), {"1", "15/03/2024"}));
        QCOMPARE(db(Db::Dbexamen).query(QStringLiteral("Select * from fexamen")).size(), 1);
    }

    void aFileHeldByAnotherProgramIsReportedAsSuch() {
        store().close();
        Connection::setBusyTimeout(50);
        sqlite3 *other = holdFile(QStringLiteral("Dbexamen.db"), "BEGIN EXCLUSIVE");
        QVERIFY(!store().open(m_env->dataFolder()));
        sqlite3_close(other);
        QCOMPARE(m_env->messages().titles(), QStringList{"Info"});
        QCOMPARE(m_env->messages().texts(),
                 QStringList{"Le fichier data\\Dbexamen.db est utilisé par un autre programme.\nFermez cet autre "
                             "programme, puis relancez Vireska."});
    }

    void aWriteWhoseTransactionCannotBeginIsReportedAndAbsent_data() {
        QTest::addColumn<QString>("pattern");
        QTest::newRow("replace") << "replace";
        QTest::newRow("update or insert") << "update or insert";
        QTest::newRow("reference list insert") << "reference";
    }
    void aWriteWhoseTransactionCannotBeginIsReportedAndAbsent() {
        QFETCH(QString, pattern);
        Connection::setBusyTimeout(50);
        const bool reference = pattern == u"reference";
        const QString file = reference ? QStringLiteral("tablemal.db") : QStringLiteral("Dbconge.db");
        sqlite3 *other = holdFile(file, "BEGIN IMMEDIATE");

        bool written = true;
        if (reference) {
            written = insertIfMissing(db(Db::tablemal), {"Select * from TableMal where maladie=?", {"ASTHME"}},
                                      {"insert into TableMal (maladie) values(?)", {"ASTHME"}});
        } else {
            const Statement select{"Select * from fConge where codepatient=? and dateEx=?", {"7", "01/02/2024"}};
            const Statement insert{"insert into fConge (Codepatient,dateEx,txt1) values(?,?,?)",
                                   {"7", "01/02/2024", "REPOS"}};
            written =
                pattern == u"replace"
                    ? replaceRow(db(Db::Dbconge), select,
                                 {"Delete from fConge where codepatient=? and dateEx=?", {"7", "01/02/2024"}}, insert)
                    : updateOrInsert(
                          db(Db::Dbconge), select,
                          {"Update fConge set txt1=? where codepatient=? and dateEx=?", {"REPOS", "7", "01/02/2024"}},
                          insert);
        }
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);

        QVERIFY(!written);
        QCOMPARE(m_env->messages().titles(), QStringList{"Erreur Check DatabaseUpdate"});
        QVERIFY(m_env->messages().texts().first().startsWith("Le fichier est utilisé par un autre programme. (" + file +
                                                             ")\n"));
        const Db which = reference ? Db::tablemal : Db::Dbconge;
        const QString table = QLatin1String(tableDefinition(which).table);
        QCOMPARE(db(which).query("Select * from " + table).size(), 0);
    }

    void oneProgramPerDataFolder() {
        DataFolderLock first(m_env->dataFolder());
        QVERIFY(first.tryLock());
        DataFolderLock second(m_env->dataFolder());
        QVERIFY(!second.tryLock());
        QCOMPARE(permissionsOf(QDir(m_env->dataFolder()).filePath(DataFolderLock::fileName())), 0600);
    }

    void theDataIsReadableByItsOwnerAlone() {
        store().close();
        QDir(m_env->dataFolder()).removeRecursively();
        const mode_t previous = ::umask(022);
        QVERIFY(store().open(m_env->dataFolder()));
        QCOMPARE(permissionsOf(m_env->dataFolder()), 0700);
        const QDir data(m_env->dataFolder());
        for (const QString &file : data.entryList(QDir::Files))
            QCOMPARE(permissionsOf(data.filePath(file)), 0600);
        QCOMPARE(data.entryList(QDir::Files).size(), DatabaseCount);

        // A file left readable by others, and the folder, are tightened at the next start.
        store().close();
        QVERIFY(::chmod(QFile::encodeName(data.filePath("Dbpatient.db")).constData(), 0644) == 0);
        QVERIFY(::chmod(QFile::encodeName(m_env->dataFolder()).constData(), 0755) == 0);
        QVERIFY(store().open(m_env->dataFolder()));
        QCOMPARE(permissionsOf(data.filePath("Dbpatient.db")), 0600);
        QCOMPARE(permissionsOf(m_env->dataFolder()), 0700);
        ::umask(previous);
    }

    void aDeletedPatientIsOverwrittenInTheFile() {
        const QString name = QStringLiteral("ZORGLUB-QWERTYUIOP");
        Connection &patients = db(Db::Dbpatient);
        QVERIFY(patients.update("insert into fpatient (Codepatient,nom,ad) values(?,?,?)", {"1", name, "LOIN"}));
        QVERIFY(patients.update("insert into fpatient (Codepatient,nom,ad) values(?,?,?)", {"2", "AUTRE", "ICI"}));
        QVERIFY(patients.update("delete from fpatient where codepatient=?", {"1"}));
        store().close();
        const QByteArray bytes = contentsOf(QDir(m_env->dataFolder()).filePath("Dbpatient.db"));
        QVERIFY(bytes.contains("AUTRE"));
        QVERIFY(!bytes.contains(name.toUtf8()));
    }

private:
    // The data folder with no file in it; the store closed.
    QDir emptyDataFolder() {
        store().close();
        const QDir data(m_env->dataFolder());
        for (const QString &file : data.entryList(QDir::Files))
            QFile::remove(data.filePath(file));
        return data;
    }

    // Another program's connection to a data file, holding the lock the statement takes.
    sqlite3 *holdFile(const QString &file, const char *statement) {
        sqlite3 *other = nullptr;
        const QString path = QDir(m_env->dataFolder()).filePath(file);
        if (sqlite3_open(path.toUtf8().constData(), &other) != SQLITE_OK ||
            sqlite3_exec(other, statement, nullptr, nullptr, nullptr) != SQLITE_OK)
            qFatal("cannot hold %s", qPrintable(file));
        return other;
    }

    std::unique_ptr<TestEnvironment> m_env;
};

QTEST_MAIN(TestStoreFaults)
#include "TestStoreFaults.moc"
