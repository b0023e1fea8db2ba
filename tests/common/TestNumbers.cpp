#include "common/FieldRules.h"
#include "common/ProgramState.h"
#include "store/Store.h"
#include "support/TestEnvironment.h"

#include <QtTest>

class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    void checkNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::newRow("digits with a space and a decimal comma") << "1 234,5" << true;
        QTest::newRow("a negative whole number") << "-12" << true;
        QTest::newRow("a decimal point") << "1500.5" << true;
        QTest::newRow("spaces around a negative number") << "  -12  " << true;
        QTest::newRow("a space after the minus sign") << "- 12" << true;
        QTest::newRow("zero") << "0" << true;
        QTest::newRow("a decimal point with nothing after it") << "100." << true;
        QTest::newRow("two decimal points") << "1.2.3" << false;
        QTest::newRow("a comma and a point") << "1,234.5" << false;
        QTest::newRow("a letter after the digits") << "12a" << false;
        QTest::newRow("an empty text") << "" << false;
        QTest::newRow("a text of spaces") << "   " << false;
        QTest::newRow("a minus sign alone") << "-" << false;
        QTest::newRow("two minus signs") << "--12" << false;
        QTest::newRow("a minus sign at the end") << "12-" << false;
        QTest::newRow("a plus sign") << "+12" << false;
        QTest::newRow("a tab inside") << "12\t3" << false;
    }
    void checkNumber() {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QCOMPARE(::checkNumber(text), isNumber);
    }

    void nextPatientCodeFollowsTheLargestCode_data() {
        QTest::addColumn<QList<int>>("existingCodes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("the first patient gets code 1") << QList<int>{} << "1";
        QTest::newRow("after codes 1 to 10 comes 11, not 10 as text would sort")
            << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << "11";
        QTest::newRow("a deleted code in the middle is not reused") << QList<int>{1, 3, 12} << "13";
    }
    void nextPatientCodeFollowsTheLargestCode() {
        QFETCH(QList<int>, existingCodes);
        QFETCH(QString, expected);
        TestEnvironment env;
        for (int code : existingCodes)
            QVERIFY(db(Db::Dbpatient)
                        .update(QStringLiteral("insert into fpatient (Codepatient,nom) values(?,?)"),
                                {QString::number(code), QStringLiteral("PATIENT %1").arg(code)}));

        QCOMPARE(nextPatientCode(), expected);
        QCOMPARE(programState().currentPatientCode, expected);
        // Nothing is stored: a new patient form that is abandoned leaves the same code for the next one.
        QCOMPARE(db(Db::Dbpatient).queryInteger(QStringLiteral("Select count(*) from fpatient")),
                 qint64(existingCodes.size()));
        QCOMPARE(nextPatientCode(), expected);
        QVERIFY(env.messages().isEmpty());
    }
};

QTEST_MAIN(TestNumbers)
#include "TestNumbers.moc"
