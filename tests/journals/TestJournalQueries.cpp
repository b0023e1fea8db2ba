#include "JournalTestHelpers.h"
#include "journals/JournalQueries.h"

namespace {

const QDate January1{2024, 1, 1};
const QDate January31{2024, 1, 31};

} // namespace

class TestJournalQueries : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_environment = std::make_unique<TestEnvironment>();
        storeJanuaryPractice();
    }
    void cleanup() { m_environment.reset(); }

    void consultationsShowThePatientAndTheDiagnoses() {
        const JournalResult result = runJournal(Journal::Consultations, {"", January1, January31});
        QVERIFY(result.patientFound);
        QCOMPARE(rowTexts(result.rows), QList<QStringList>({
                                            {"1", "10/01/2024", "BENALI KARIM", "44 ans", "M 2", "ANGINE..FIEVRE.."},
                                            {"2", "15/01/2024", "MARTIN ANNE", "8 mois", "", "...."},
                                            {"3", "31/01/2024", "BENALI KARIM", "20 ans", "C 0", "HTA...."},
                                        }));
        QCOMPARE(result.count, 3);
    }

    void thePatientAndThePeriodChooseTheRows_data() {
        QTest::addColumn<int>("journal");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QStringList>("firstCells");
        QTest::addColumn<int>("count");
        const int consultations = int(Journal::Consultations);
        const int analyses = int(Journal::Analyses);
        QTest::newRow("a period ending before it starts lists nothing")
            << consultations << "" << January31 << January1 << QStringList{} << 0;
        QTest::newRow("one day, both ends included")
            << consultations << "" << QDate(2024, 1, 15) << QDate(2024, 1, 15) << QStringList{"2"} << 1;
        QTest::newRow("a named patient only")
            << consultations << "MARTIN ANNE" << January1 << QDate(2024, 12, 31) << QStringList{"2"} << 1;
        QTest::newRow("a shared name takes the first patient of that name")
            << consultations << "BENALI KARIM" << January1 << QDate(2024, 12, 31) << QStringList{"1", "1"} << 2;
        QTest::newRow("analyses skip deleted patients without taking a number")
            << analyses << "" << January1 << January31 << QStringList{"1", "2", "3"} << 3;
        QTest::newRow("radiology of the period")
            << int(Journal::Radiology) << "" << January1 << January31 << QStringList{"1"} << 1;
    }
    void thePatientAndThePeriodChooseTheRows() {
        QFETCH(int, journal);
        QFETCH(QString, name);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QStringList, firstCells);
        QFETCH(int, count);
        const JournalResult result = runJournal(Journal(journal), {name, from, to});
        QStringList cells;
        for (const QStringList &row : rowTexts(result.rows))
            cells << row.value(0);
        QCOMPARE(cells, firstCells);
        QCOMPARE(result.count, count);
    }

    void analysesListEachLineOfTheAct() {
        const JournalResult result = runJournal(Journal::Analyses, {"", January1, January31});
        QCOMPARE(rowTexts(result.rows), QList<QStringList>({{"1", "10/01/2024", "BENALI KARIM", "NFS", "NORMALE"},
                                                            {"2", "10/01/2024", "BENALI KARIM", "GLYCEMIE", "1,10"},
                                                            {"3", "15/01/2024", "MARTIN ANNE", "VS", "12"}}));
    }

    void anUnknownNameListsNothing() {
        for (int journal = 0; journal < JournalCount; ++journal) {
            const JournalResult result = runJournal(Journal(journal), {"DURAND PAUL", January1, January31});
            QVERIFY(!result.patientFound);
            QVERIFY(result.rows.isEmpty());
        }
    }

    // The balance runs from the start of the period: earlier lines do not count.
    void creditsCloseWithTheirTotals() {
        storeAccountLine("2", "20/12/2023", "CONSULTATION", "99900", "000");
        storeAccountLine("2", "05/01/2024", "VERSEMENT", "000", "100000");
        storeAccountLine("2", "02/01/2024", "CONSULTATION", "150000", "000");
        storeAccountLine("1", "03/01/2024", "CONSULTATION", "70000", "000");
        const JournalResult result = runJournal(Journal::Credits, {"MARTIN ANNE", January1, January31});
        QCOMPARE(rowTexts(result.rows),
                 QList<QStringList>({{"02/01/2024", "CONSULTATION", "1 500.00", "0.00", "1 500.00"},
                                     {"05/01/2024", "VERSEMENT", "0.00", "1 000.00", "500.00"},
                                     {"", "               T O T A U X ... ", "1 500.00", "1 000.00", "500.00"}}));
        QVERIFY(result.totalsHighlighted);
    }

    void creditsWithoutAccountLinesShowTheTotalsAlone_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("every patient has no account") << "";
        QTest::newRow("a patient without lines") << "BENALI KARIM";
    }
    void creditsWithoutAccountLinesShowTheTotalsAlone() {
        QFETCH(QString, name);
        storeAccountLine("2", "05/01/2024", "VERSEMENT", "000", "100000");
        const JournalResult result = runJournal(Journal::Credits, {name, January1, January31});
        QCOMPARE(rowTexts(result.rows),
                 QList<QStringList>({{"", "               T O T A U X ... ", "0.00", "0.00", "0.00"}}));
        QVERIFY(!result.totalsHighlighted);
    }

    // Years of fees pass 21 474 836.47, the most a 32-bit count of cents holds.
    void creditsTotalsPassThirtyTwoBits() {
        for (int day = 1; day <= 3; ++day)
            storeAccountLine("1", QStringLiteral("0%1/01/2024").arg(day), "HONORAIRES", "1000000000", "900000000");
        const JournalResult result = runJournal(Journal::Credits, {"BENALI KARIM", January1, January31});
        QCOMPARE(rowTexts(result.rows).last(), QStringList({"", "               T O T A U X ... ", "30 000 000.00",
                                                            "27 000 000.00", "3 000 000.00"}));
    }

    void patientNamesOfferEveryPatientAndTheAccountsApart() {
        storeAccountLine("2", "05/01/2024", "VERSEMENT", "000", "100000");
        storeAccountLine("2", "06/01/2024", "VERSEMENT", "000", "100000");
        const JournalPatientNames names = journalPatientNames();
        QCOMPARE(names.all, QStringList({"BENALI KARIM", "BENALI KARIM", "MARTIN ANNE"}));
        QCOMPARE(names.withAccount, QStringList{"MARTIN ANNE"});
    }

    // The choices keep the order of the names as texts, accented or beyond the basic plane alike.
    void patientNamesSortAsTexts() {
        const QString fullWidth = QString(QChar(0xFF21)) + QStringLiteral("BC");
        const QString beyond = QString::fromUcs4(U"\U0001D400BC");
        storePatient("4", fullWidth, "1", "ans", "", "");
        storePatient("5", beyond, "1", "ans", "", "");
        storePatient("6", QStringLiteral("ÉLODIE"), "1", "ans", "", "");
        QStringList expected{"BENALI KARIM", "BENALI KARIM", "MARTIN ANNE",
                             fullWidth,      beyond,         QStringLiteral("ÉLODIE")};
        std::sort(expected.begin(), expected.end());
        QCOMPARE(journalPatientNames().all, expected);
        QVERIFY(expected.indexOf(beyond) < expected.indexOf(fullWidth));
    }

    // A long journal reads the patients once and reports its progress to the end.
    void aLongJournalReportsItsProgress() {
        Transaction together(db(Db::Dbexamen));
        for (int i = 0; i < 2500; ++i)
            storeExamination(QString::number(1 + i % 3), "20/01/2024", {"X", "", "", "", ""});
        QVERIFY(together.commit());
        qsizetype last = -1;
        qsizetype total = 0;
        const JournalResult result =
            runJournal(Journal::Consultations, {"", January1, January31}, [&](qsizetype done, qsizetype of) {
                QVERIFY(done >= last);
                last = done;
                total = of;
            });
        QCOMPARE(result.count, 2503);
        QCOMPARE(total, 2504);
        QCOMPARE(last, total);
    }

    // The family cell is the situation and the children joined by a space, without outer spaces.
    void theFamilyCellJoinsSituationAndChildren_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("children");
        QTest::addColumn<QString>("cell");
        const auto row = [](const char *name, const QString &situation, const QString &children, const QString &cell) {
            QTest::newRow(name) << situation << children << cell;
        };
        row("both", "M", "2", "M 2");
        row("situation alone", " C  ", "", "C");
        row("children alone", "", " 3 ", "3");
        row("blank situation", "   ", "1", "1");
        row("blank children", "V", "  ", "V");
        row("inner spaces kept", " M  ", "  2 ", "M     2");
        row("neither", " ", " ", "");
    }
    void theFamilyCellJoinsSituationAndChildren() {
        QFETCH(QString, situation);
        QFETCH(QString, children);
        QFETCH(QString, cell);
        storePatient("4", "FAMILLE TEST", "40", "ans", situation, children);
        storeExamination("4", "05/01/2024", {"", "", "", "", ""});
        const JournalResult result = runJournal(Journal::Consultations, {"FAMILLE TEST", January1, January31});
        QCOMPARE(rowTexts(result.rows),
                 QList<QStringList>({{"4", "05/01/2024", "FAMILLE TEST", "40 ans", cell, "...."}}));
    }

    // Codes that are not numbers are found by their text, whether the journal looks each patient up or reads
    // them all, and an act whose code names no patient stays out.
    void patientsWhoseCodeIsTextAreFound_data() {
        QTest::addColumn<int>("otherActs");
        QTest::newRow("a short journal") << 0;
        QTest::newRow("a long journal") << 2100;
    }
    void patientsWhoseCodeIsTextAreFound() {
        QFETCH(int, otherActs);
        storePatient("A7", "LETTRE ALPHA", "5", "ans", "", "");
        Transaction together(db(Db::Dbexamen));
        storeExamination("A7", "03/01/2024", {"B", "", "", "", ""});
        storeExamination("B8", "04/01/2024", {"C", "", "", "", ""});
        for (int i = 0; i < otherActs; ++i)
            storeExamination("2", "20/01/2024", {"X", "", "", "", ""});
        QVERIFY(together.commit());
        const JournalResult result = runJournal(Journal::Consultations, {"", January1, January31});
        QCOMPARE(rowTexts(result.rows).mid(0, 3),
                 QList<QStringList>({
                     {"A7", "03/01/2024", "LETTRE ALPHA", "5 ans", "", "B...."},
                     {"1", "10/01/2024", "BENALI KARIM", "44 ans", "M 2", "ANGINE..FIEVRE.."},
                     {"2", "15/01/2024", "MARTIN ANNE", "8 mois", "", "...."},
                 }));
        QCOMPARE(result.count, 4 + otherActs);
    }

private:
    std::unique_ptr<TestEnvironment> m_environment;
};

QTEST_MAIN(TestJournalQueries)
#include "TestJournalQueries.moc"
