#include "store/Store.h"
#include "store/WritePatterns.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <sqlite3.h>

class TestStore : public QObject {
    Q_OBJECT

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void createsEveryFileWithItsTableAndColumns() {
        QVERIFY(store().isOpen());
        for (const TableDefinition &definition : tableDefinitions()) {
            QVERIFY2(QFile::exists(QDir(m_env->dataFolder()).filePath(QLatin1String(definition.file))),
                     definition.file);
            const Rows columns =
                db(definition.db).query(QStringLiteral("PRAGMA table_info(%1)").arg(QLatin1String(definition.table)));
            QStringList names, types;
            for (const Row &column : columns) {
                names << column[1];
                types << column[2];
            }
            QCOMPARE(names, definition.columns);
            for (int i = 0; i < names.size(); ++i) {
                const bool numeric = QStringList{"Codepatient", "datenum", "ordre"}.contains(names[i]);
                QCOMPARE(types[i], numeric ? QStringLiteral("INTEGER") : QStringLiteral("TEXT"));
            }
        }
        QVERIFY(m_env->messages().isEmpty());
    }

    void patientTableHasFifteenColumnsWithTheReservedTwelfth() {
        const TableDefinition &patients = tableDefinition(Db::Dbpatient);
        QCOMPARE(patients.columns.size(), 15);
        QCOMPARE(patients.columns[13], QStringLiteral("maladie"));
        QCOMPARE(patients.columns[14], QStringLiteral("ss"));
        QCOMPARE(displayedPath(Db::tableanal), QStringLiteral("data\\tableanal.db"));
    }

    void largestCodeIsNumeric() {
        Connection &patients = db(Db::Dbpatient);
        const QString max = QStringLiteral("Select max(codepatient) from fpatient");
        QCOMPARE(patients.queryInteger(max), 0);
        for (int code = 1; code <= 10; ++code)
            QVERIFY(patients.update(QStringLiteral("insert into fpatient (Codepatient,nom) values(?,?)"),
                                    {QString::number(code), QStringLiteral("P")}));
        QCOMPARE(patients.queryInteger(max), 10);
    }

    void valuesRoundTripExactly_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("double quote") << QStringLiteral("DUPONT \"DIT LE GRAND\"");
        QTest::newRow("single quote") << QStringLiteral("L'HERMITE");
        QTest::newRow("backslash") << QStringLiteral("C:\\DOSSIER\\");
        QTest::newRow("accented letters") << QStringLiteral("ÉLÉONORE FRANÇOISE ÀÏÔÙ");
        QTest::newRow("spelled like a column") << QStringLiteral("nom");
        QTest::newRow("trailing spaces") << QStringLiteral("  2 ");
    }
    void valuesRoundTripExactly() {
        QFETCH(QString, value);
        Connection &patients = db(Db::Dbpatient);
        QVERIFY(patients.update(QStringLiteral("insert into fpatient (Codepatient,nom,ad) values(?,?,?)"),
                                {QStringLiteral("1"), value, value}));
        const Rows rows = patients.query(QStringLiteral("Select * from fpatient where nom=?"), {value});
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][1], value);
        QCOMPARE(rows[0][2], value);
        QCOMPARE(rows[0][12], QString()); // the reserved column is never written
        QVERIFY(m_env->messages().isEmpty());
    }

    void refusedStatementsShowTheEnginesTextAndTheCallerGoesOn() {
        bool ok = true;
        const Rows rows = db(Db::Dbexamen).query(QStringLiteral("Select * from nosuchtable"), {}, &ok);
        QVERIFY(!ok);
        QVERIFY(rows.isEmpty());
        QVERIFY(!db(Db::Dbexamen).update(QStringLiteral("insert into fexamen (nosuchcolumn) values(?)"), {"x"}));
        QCOMPARE(m_env->messages().titles(),
                 QStringList({"Erreur Check DatabaseQuery", "Erreur Check DatabaseUpdate"}));
        QCOMPARE(m_env->messages().texts(),
                 QStringList({"La base de données a refusé l'opération. (Dbexamen.db)\nno such table: nosuchtable",
                              "La base de données a refusé l'opération. (Dbexamen.db)\ntable fexamen has no column "
                              "named nosuchcolumn"}));
        // The connection still works after a refused statement.
        QVERIFY(
            db(Db::Dbexamen)
                .update(QStringLiteral("insert into fexamen (Codepatient,dateEx) values(?,?)"), {"1", "15/03/2024"}));
    }

    void fifthFileThatIsNotADatabaseEndsTheOpening() {
        store().close();
        const QDir data(m_env->dataFolder());
        for (const TableDefinition &definition : tableDefinitions())
            QFile::remove(data.filePath(QLatin1String(definition.file)));
        QFile broken(data.filePath(QStringLiteral("tableanal.db")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(QByteArray("this is a text file, not a database, and it is long enough to be read").repeated(20));
        broken.close();

        QVERIFY(!store().open(m_env->dataFolder()));
        QCOMPARE(m_env->messages().titles(), QStringList{"Info"});
        QCOMPARE(m_env->messages().texts(), QStringList{"Ouverture data\\tableanal.db impossible!\nfichier endommagé"});
        for (int i = 0; i < DatabaseCount; ++i) {
            const TableDefinition &definition = tableDefinitions()[i];
            const bool expected = i <= 4; // the four opened before it, and the broken file itself
            QCOMPARE(QFile::exists(data.filePath(QLatin1String(definition.file))), expected);
        }
        QVERIFY(!store().isOpen());
    }

    void replaceKeepsTheOldRowWhenTheInsertFails() {
        Connection &leaves = db(Db::Dbconge);
        const Statement select{QStringLiteral("Select * from fConge where codepatient=? and dateEx=?"),
                               {"7", "01/02/2024"}};
        const Statement remove{QStringLiteral("Delete from fConge where codepatient=? and dateEx=?"),
                               {"7", "01/02/2024"}};
        const QString insertSql =
            QStringLiteral("insert into fConge (Codepatient,dateEx,datenum,txt1) values(?,?,?,?)");
        QVERIFY(replaceRow(leaves, select, remove, {insertSql, {"7", "01/02/2024", "1706745600", "ANCIEN"}}));
        QVERIFY(replaceRow(leaves, select, remove, {insertSql, {"7", "01/02/2024", "1706745600", "NOUVEAU"}}));
        QCOMPARE(leaves.query(select.sql, select.values).size(), 1);

        const Statement failing{QStringLiteral("insert into fConge (Codepatient,dateEx,nosuch) values(?,?,?)"),
                                {"7", "01/02/2024", "X"}};
        QVERIFY(!replaceRow(leaves, select, remove, failing));
        const Rows rows = leaves.query(select.sql, select.values);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][3], QStringLiteral("NOUVEAU"));
        QCOMPARE(m_env->messages().titles(), QStringList{"Erreur Check DatabaseUpdate"});
    }

    void updateOrInsertKeepsOneRowPerKey() {
        Connection &exams = db(Db::Dbexamen);
        const QStringList key{"3", "15/03/2024"};
        const Statement select{QStringLiteral("Select * from fexamen where codepatient=? and dateEx=?"), key};
        const auto save = [&](const QString &line) {
            return updateOrInsert(
                exams, select,
                {QStringLiteral("Update fexamen set datenum=?,diag1=? where codepatient=? and dateEx=?"),
                 {"1710460800", line, key[0], key[1]}},
                {QStringLiteral("insert into fexamen (Codepatient,dateEx,datenum,diag1,diag5) values(?,?,?,?,\'\')"),
                 {key[0], key[1], "1710460800", line}});
        };
        QVERIFY(save("PREMIER"));
        QVERIFY(save("SECOND"));
        const Rows rows = exams.query(select.sql, select.values);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][3], QStringLiteral("SECOND"));
        QCOMPARE(rows[0][2], QStringLiteral("1710460800"));
    }

    void nestedQueryOnTheSameStatementDoesNotDisturbTheOuterRows() {
        Connection &exams = db(Db::Dbexamen);
        for (const char *code : {"1", "2", "3"})
            exams.update(QStringLiteral("insert into fexamen (Codepatient,dateEx) values(?,?)"), {code, "01/01/2024"});
        const QString sql = QStringLiteral("Select * from fexamen where dateEx=? order by Codepatient");
        QStringList seen;
        exams.forEachRow(sql, {"01/01/2024"}, [&](const Row &row) {
            seen << row[0];
            QCOMPARE(exams.query(sql, {"01/01/2024"}).size(), 3);
        });
        QCOMPARE(seen, QStringList({"1", "2", "3"}));
    }

private:
    std::unique_ptr<TestEnvironment> m_env;
};

QTEST_MAIN(TestStore)
#include "TestStore.moc"
