#include "common/ProgramState.h"
#include "record/MedicalRecordWindow.h"
#include "record/SectionLists.h"
#include "record/Sections.h"
#include "store/Store.h"
#include "support/TestEnvironment.h"
#include "ui/CompactRows.h"

#include <QtTest>

namespace {

// Writes one stored row straight into a table, every column given in order.
void store(Db file, const QStringList &values) {
    const TableDefinition &definition = tableDefinition(file);
    QStringList marks(values.size(), QStringLiteral("?"));
    QVERIFY(db(file).update(
        QStringLiteral("insert into %1 values(%2)").arg(QLatin1String(definition.table), marks.join(',')), values));
}

QStringList act(const QString &code, const QString &date, const QString &dateNumber, const QStringList &rest) {
    return QStringList{code, date, dateNumber} + rest;
}

using Table = QList<QStringList>;

qint64 dateNumberOf(const QString &date) {
    return QDate(1970, 1, 1).daysTo(QDate::fromString(date, QStringLiteral("dd/MM/yyyy"))) * 86400;
}

} // namespace

class TestSectionLoaders : public QObject {
    Q_OBJECT

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void examinationShowsEachFilledLineWithItsDate() {
        store(Db::Dbexamen, act("1", "01/02/2023", "1675209600", {"TOUX", "", "ANGINE", "", ""}));
        store(Db::Dbexamen, act("1", "05/02/2023", "1675555200", {"", "", "", "", ""}));
        store(Db::Dbexamen, act("2", "05/02/2023", "1675555200", {"AUTRE PATIENT", "", "", "", ""}));
        QCOMPARE(loadSectionRows(Section::Examination, "1").rows,
                 Table({{"01/02/2023", "TOUX"}, {"01/02/2023", "ANGINE"}}));
    }

    void prescriptionLinesArePartedByDate() {
        store(Db::Dbord, act("1", "01/02/2023", "1675209600", {"1", "ASPIRINE", "1 CP"}));
        store(Db::Dbord, act("1", "01/02/2023", "1675209600", {"2", "DOLIPRANE", "3 CP"}));
        store(Db::Dbord, act("1", "01/02/2023", "1675209600", {"3", "SIROP", "1 C"}));
        store(Db::Dbord, act("1", "05/02/2023", "1675555200", {"1", "AMOXICILLINE", "2 G"}));
        store(Db::Dbord, act("1", "05/02/2023", "1675555200", {"2", "VITAMINE C", "1 CP"}));
        QCOMPARE(loadSectionRows(Section::Prescription, "1").rows, Table({{"01/02/2023", "ASPIRINE", "1 CP"},
                                                                          {"01/02/2023", "DOLIPRANE", "3 CP"},
                                                                          {"01/02/2023", "SIROP", "1 C"},
                                                                          {},
                                                                          {"05/02/2023", "AMOXICILLINE", "2 G"},
                                                                          {"05/02/2023", "VITAMINE C", "1 CP"}}));
    }

    void linesOfOneActFollowTheirOrderAndASingleDateHasNoSeparator() {
        store(Db::Dbanal, act("4", "01/02/2023", "1675209600", {"2", "GLYCEMIE", "1,10"}));
        store(Db::Dbanal, act("4", "01/02/2023", "1675209600", {"1", "NFS", "NORMALE"}));
        QCOMPARE(loadSectionRows(Section::Analyses, "4").rows,
                 Table({{"01/02/2023", "NFS", "NORMALE"}, {"01/02/2023", "GLYCEMIE", "1,10"}}));
        store(Db::Dbradio, act("4", "01/02/2023", "1675209600", {"1", "RADIO THORAX", ""}));
        QCOMPARE(loadSectionRows(Section::Radiology, "4").rows, Table({{"01/02/2023", "RADIO THORAX", ""}}));
    }

    void rowsComeInDateNumberOrderNotDateTextOrder() {
        store(Db::DbAntM, act("1", "05/02/2023", "1675555200", {"DIABETE"}));
        store(Db::DbAntM, act("1", "10/01/2022", "1641772800", {"ASTHME"}));
        QCOMPARE(loadSectionRows(Section::MedicalHistory, "1").rows,
                 Table({{"10/01/2022", "ASTHME"}, {"05/02/2023", "DIABETE"}}));
    }

    void textLinesShowBlankLinesInsideButNotTrailingOnes_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("lines 1, 2 and 4 show lines 1 to 4")
            << QStringList{"REPOS", "DE 3 JOURS", "", "A COMPTER DU", "", "", ""}
            << QStringList{"REPOS", "DE 3 JOURS", "", "A COMPTER DU"};
        QTest::newRow("a single line") << QStringList{"APTE", "", "", "", "", "", ""} << QStringList{"APTE"};
        QTest::newRow("an empty first line before text")
            << QStringList{"", "SUITE", "", "", "", "", ""} << QStringList{"", "SUITE"};
        QTest::newRow("the seventh line") << QStringList{"A", "", "", "", "", "", "G"} << QStringList{"A", "", "G"};
    }
    void textLinesShowBlankLinesInsideButNotTrailingOnes() {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, shown);
        store(Db::Dbconge, act("1", "01/02/2023", "1675209600", lines));
        store(Db::Dbcertif, act("1", "01/02/2023", "1675209600", lines));
        Table expected;
        for (const QString &line : shown)
            expected.append({"01/02/2023", line});
        QCOMPARE(loadSectionRows(Section::SickLeave, "1").rows, expected);
        QCOMPARE(loadSectionRows(Section::Certificate, "1").rows, expected);
    }

    void lettersRepeatRecipientAndSubjectAndArePartedByDate() {
        store(Db::DbLR, act("1", "01/02/2023", "1675209600",
                            {"DR MARTIN", "AVIS", "CHER CONFRERE", "MERCI", "", "", "", "", ""}));
        store(Db::DbLR,
              act("1", "03/02/2023", "1675382400", {"DR DURAND", "BILAN", "BONJOUR", "", "", "", "", "", ""}));
        QCOMPARE(loadSectionRows(Section::Letters, "1").rows,
                 Table({{"01/02/2023", "DR MARTIN", "AVIS", "CHER CONFRERE"},
                        {"01/02/2023", "DR MARTIN", "AVIS", "MERCI"},
                        {},
                        {"03/02/2023", "DR DURAND", "BILAN", "BONJOUR"}}));
    }

    void appointmentsShowDateHourReasonAndRemarks() {
        store(Db::Dbrv, act("1", "20/03/2024", "1710892800", {"10:30", "CONTROLE", "A JEUN"}));
        QCOMPARE(loadSectionRows(Section::Appointments, "1").rows,
                 Table({{"20/03/2024", "10:30", "CONTROLE", "A JEUN"}}));
    }

    void paymentsCarryARunningBalanceAndHighlightTheLast() {
        store(Db::DbReg, act("1", "01/02/2023", "1675209600", {"CONSULTATION", "150000", ""}));
        store(Db::DbReg, act("1", "03/02/2023", "1675382400", {"VERSEMENT", "", "100000"}));
        const SectionRows rows = loadSectionRows(Section::Payments, "1");
        QCOMPARE(rows.rows, Table({{"01/02/2023", "CONSULTATION", "1 500.00", "0.00", "1 500.00"},
                                   {"03/02/2023", "VERSEMENT", "0.00", "1 000.00", "500.00"}}));
        QCOMPARE(rows.highlightedRow, 1);
        QCOMPARE(rows.highlightedColumn, 4);
        QCOMPARE(loadSectionRows(Section::Payments, "2").highlightedRow, -1);
    }

    void balanceBeyondThirtyTwoBitsStaysExact() {
        store(Db::DbReg, act("1", "01/02/2023", "1675209600", {"TRAVAUX", "300000000000", ""}));
        QCOMPARE(loadSectionRows(Section::Payments, "1").rows.last().last(), QStringLiteral("3 000 000 000.00"));
    }

    // The window reads the longest sections straight into its lists: the same rows as the loaders give.
    void compactRowsAreTheLoadersRows() {
        store(Db::Dbexamen, act("1", "01/02/2023", "1675209600", {"TOUX", "", "ANGINE", "", "HORS LISTE"}));
        store(Db::Dbexamen, act("1", "05/02/2023", "1675555200", {"", "", "", "", ""}));
        store(Db::Dbexamen, act("1", "07/02/2023", "1675728000", {"", "ÉRYTHÈME", "", "FIÈVRE", ""}));
        for (const QString &date : {"01/02/2023", "05/02/2023", "05/02/2023", "01/02/2023"})
            for (Db file : {Db::Dbord, Db::Dbanal, Db::Dbradio})
                store(file, act("1", date, QString::number(dateNumberOf(date)), {"1", "LIGNE " + date, ""}));
        store(Db::Dbord, act("2", "05/02/2023", "1675555200", {"1", "AUTRE PATIENT", ""}));
        // Values a file written by another program may hold: no text at all, or a number.
        QVERIFY(
            db(Db::Dbexamen)
                .execute(QStringLiteral("insert into fexamen values(1,'09/02/2023',1675900800,NULL,42,NULL,'',NULL)")));
        QVERIFY(db(Db::Dbord).execute(QStringLiteral("insert into fOrd values(1,NULL,1675900800,1,NULL,7)")));
        for (Section section : {Section::Examination, Section::Prescription, Section::Analyses, Section::Radiology})
            for (const QString &code : {"1", "2", "3"}) {
                const std::optional<CompactRows> compact = compactSectionRows(section, code);
                QVERIFY(compact);
                Table rows;
                for (int row = 0; row < compact->size(); ++row)
                    rows << compact->cells(row);
                QCOMPARE(rows, loadSectionRows(section, code).rows);
            }
        QVERIFY(!compactSectionRows(Section::Payments, "1"));
    }

    void windowFillsItsListsFromTheLoaders() {
        programState().desktopWidth = 1366;
        MedicalRecordWindow window;
        store(Db::DbReg, act("1", "01/02/2023", "1675209600", {"CONSULTATION", "150000", ""}));
        store(Db::DbReg, act("1", "03/02/2023", "1675382400", {"VERSEMENT", "", "100000"}));
        store(Db::Dbexamen, act("1", "01/02/2023", "1675209600", {"TOUX", "", "", "", ""}));
        programState().currentPatientCode = "1";
        window.loadAllSections();
        ReportList *payments = window.sectionList(Section::Payments);
        QCOMPARE(payments->rowCount(), 2);
        QCOMPARE(payments->cell(1, 4), QStringLiteral("500.00"));
        QCOMPARE(payments->cellBackground(1, 4), QColor(113, 232, 252));
        QVERIFY(payments->cellBackground(0, 4) != QColor(113, 232, 252));
        QCOMPARE(payments->columnAlignment(0), Qt::AlignHCenter);
        QCOMPARE(payments->columnAlignment(1), Qt::AlignLeft);
        for (int column : {2, 3, 4})
            QCOMPARE(payments->columnAlignment(column), Qt::AlignRight);
        QCOMPARE(window.sectionList(Section::Examination)->rowCount(), 1);
        QCOMPARE(window.sectionList(Section::Letters)->rowCount(), 0);

        // Another patient: every list is emptied and refilled.
        programState().currentPatientCode = "2";
        window.loadAllSections();
        for (Section section : allSections())
            QCOMPARE(window.sectionList(section)->rowCount(), 0);
    }

private:
    std::unique_ptr<TestEnvironment> m_env;
};

QTEST_MAIN(TestSectionLoaders)
#include "TestSectionLoaders.moc"
