#include "common/FieldRules.h"
#include "common/ProgramState.h"
#include "platform/Clock.h"
#include "support/TestEnvironment.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

// Dates, date numbers and ages. One environment serves every case (opening the store is the slow
// part); each case starts from fresh program-wide values and fixes its own today.
class TestDates : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanupTestCase() { m_env.reset(); }
    void init() {
        resetProgramState();
        Clock::setToday(QDate(2024, 3, 15));
        m_env->messages().clear();
    }

    void todayIsWrittenWithTwoDigitDayAndMonth_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a day and month below ten get their zero") << QDate(2024, 3, 5) << "05/03/2024";
        QTest::newRow("the last day of the year") << QDate(2023, 12, 31) << "31/12/2023";
    }
    void todayIsWrittenWithTwoDigitDayAndMonth() {
        QFETCH(QDate, today);
        QFETCH(QString, expected);
        Clock::setToday(today);
        QCOMPARE(todayText(), expected);
    }

    void checkDate_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        const QDate march(2024, 3, 15);
        QTest::newRow("a full date of this year") << march << "15/03/2024" << true;
        QTest::newRow("a one-digit day before the slash") << march << "5/03/2024" << true;
        QTest::newRow("the same day written in full") << march << "05/03/2024" << true;
        QTest::newRow("a one-digit month reads as month zero") << march << "5/3/2024" << false;
        QTest::newRow("a two-digit day with a one-digit month reads the month before the slash")
            << march << "05/3/2024" << true;
        QTest::newRow("a birth date in 1965") << march << "12/07/1965" << true;
        QTest::newRow("the first day of 1900") << march << "01/01/1900" << true;
        QTest::newRow("the last day of 1899") << march << "31/12/1899" << false;
        QTest::newRow("later this year") << march << "31/12/2024" << true;
        QTest::newRow("next year") << march << "01/01/2025" << false;
        QTest::newRow("next year's date entered in December") << QDate(2024, 12, 20) << "06/01/2025" << false;
        QTest::newRow("31 February does not exist") << march << "31/02/2024" << false;
        QTest::newRow("30 February does not exist") << march << "30/02/2024" << false;
        QTest::newRow("29 February of a leap year") << march << "29/02/2024" << true;
        QTest::newRow("29 February of a common year") << march << "29/02/2023" << false;
        QTest::newRow("29 February 2000, a leap century") << march << "29/02/2000" << true;
        QTest::newRow("29 February 1900, a common century") << march << "29/02/1900" << false;
        QTest::newRow("31 April does not exist") << march << "31/04/2024" << false;
        QTest::newRow("30 April exists") << march << "30/04/2024" << true;
        QTest::newRow("a one-digit day that does not exist in February") << march << "30/02/2023" << false;
        QTest::newRow("day zero") << march << "00/03/2024" << false;
        QTest::newRow("day 32") << march << "32/01/2024" << false;
        QTest::newRow("month zero") << march << "15/00/2024" << false;
        QTest::newRow("month 13") << march << "15/13/2024" << false;
        QTest::newRow("spaces around the date are ignored") << march << "  15/03/2024  " << true;
        QTest::newRow("other separators are not looked at") << march << "15-03-2024" << true;
        QTest::newRow("a two-digit year") << march << "15/03/24" << false;
        QTest::newRow("an empty text") << march << "" << false;
        QTest::newRow("a text of spaces") << march << "     " << false;
        QTest::newRow("letters") << march << "aa/bb/cccc" << false;
        QTest::newRow("a negative day") << march << "-5/03/2024" << false;
    }
    void checkDate() {
        QFETCH(QDate, today);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        Clock::setToday(today);
        QCOMPARE(::checkDate(text), valid);
    }

    void checkActDate_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("today") << "15/03/2024" << true;
        QTest::newRow("a short form") << "5/03/2024" << true;
        QTest::newRow("other separators pass check date but have no date number") << "15-03-2024" << false;
        QTest::newRow("a sign before the day") << "+5/03/2024" << false;
        QTest::newRow("a date before 1970") << "12/07/1965" << false;
        QTest::newRow("31 February") << "31/02/2024" << false;
        QTest::newRow("next year") << "15/03/2025" << false;
    }
    void checkActDate() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(::checkActDate(text), valid);
    }

    void checkAppointmentDate_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        const QDate march(2024, 3, 15);
        QTest::newRow("today") << march << "15/03/2024" << true;
        QTest::newRow("a past date") << march << "02/01/2023" << true;
        QTest::newRow("next year") << march << "15/03/2025" << true;
        QTest::newRow("next January booked in December") << QDate(2024, 12, 20) << "06/01/2025" << true;
        QTest::newRow("a short form next year") << march << "5/03/2025" << true;
        QTest::newRow("the last day with a date number") << march << "19/01/2038" << true;
        QTest::newRow("the first day without a date number") << march << "20/01/2038" << false;
        QTest::newRow("a year after 2038") << march << "01/01/2039" << false;
        QTest::newRow("31 February next year") << march << "31/02/2025" << false;
        QTest::newRow("31 February this year") << march << "31/02/2024" << false;
        QTest::newRow("a one-digit month next year") << march << "5/3/2025" << false;
        QTest::newRow("a later year in a form without a date number") << march << "15-03-2025" << false;
        QTest::newRow("an empty text") << march << "" << false;
    }
    void checkAppointmentDate() {
        QFETCH(QDate, today);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        Clock::setToday(today);
        QCOMPARE(::checkAppointmentDate(text), valid);
    }

    void dateNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("15 March 2024") << "15/03/2024" << qint64(1710460800);
        QTest::newRow("the first day with a number is zero") << "01/01/1970" << qint64(0);
        QTest::newRow("the next day is one day of seconds") << "02/01/1970" << qint64(86400);
        QTest::newRow("the day before 1970") << "31/12/1969" << qint64(-1);
        QTest::newRow("the last day with a number") << "19/01/2038" << qint64(2147472000);
        QTest::newRow("the day after it") << "20/01/2038" << qint64(-1);
        QTest::newRow("the last day of 2037") << "31/12/2037" << qint64(2145830400);
        QTest::newRow("a one-digit day") << "5/03/2024" << qint64(1709596800);
        QTest::newRow("the same day written in full") << "05/03/2024" << qint64(1709596800);
        QTest::newRow("a one-digit day and month") << "5/3/2024" << qint64(1709596800);
        QTest::newRow("29 February of a leap year") << "29/02/2024" << qint64(1709164800);
        QTest::newRow("29 February 2000") << "29/02/2000" << qint64(951782400);
        QTest::newRow("29 February of a common year") << "29/02/2023" << qint64(-1);
        QTest::newRow("31 February") << "31/02/2024" << qint64(-1);
        QTest::newRow("31 April") << "31/04/2024" << qint64(-1);
        QTest::newRow("31 June") << "31/06/2024" << qint64(-1);
        QTest::newRow("31 September") << "31/09/2024" << qint64(-1);
        QTest::newRow("31 November") << "31/11/2024" << qint64(-1);
        QTest::newRow("a birth date in 1965") << "12/07/1965" << qint64(-1);
        QTest::newRow("spaces around the date are ignored") << "  15/03/2024 " << qint64(1710460800);
        QTest::newRow("day zero") << "00/03/2024" << qint64(-1);
        QTest::newRow("month 13") << "15/13/2024" << qint64(-1);
        QTest::newRow("a three-digit day") << "015/03/2024" << qint64(-1);
        QTest::newRow("a five-digit year") << "15/03/02024" << qint64(-1);
        QTest::newRow("a two-digit year is a year before 1970") << "15/03/24" << qint64(-1);
        QTest::newRow("characters after the year") << "15/03/2024x" << qint64(-1);
        QTest::newRow("other separators") << "15-03-2024" << qint64(-1);
        QTest::newRow("a sign before the day") << "+5/03/2024" << qint64(-1);
        QTest::newRow("a space inside") << "15/03/ 2024" << qint64(-1);
        QTest::newRow("an empty text") << "" << qint64(-1);
    }
    void dateNumber() {
        QFETCH(QString, text);
        QFETCH(qint64, expected);
        QCOMPARE(::dateNumber(text), expected);
        QCOMPARE(dateNumberText(text), QString::number(expected));
    }

    void actDateNumberFollowsTheActDate_data() {
        QTest::addColumn<QString>("actDate");
        QTest::addColumn<QString>("expected");
        QTest::newRow("today's date") << "15/03/2024"
                                      << "1710460800";
        QTest::newRow("a short form with spaces, as check date accepts it") << " 5/03/2024  "
                                                                            << "1709596800";
        QTest::newRow("a date that does not exist keeps the minus sign") << "31/02/2024"
                                                                         << "-1";
    }
    void actDateNumberFollowsTheActDate() {
        QFETCH(QString, actDate);
        QFETCH(QString, expected);
        programState().actDate = actDate;
        programState().actDateNumber = QStringLiteral("123");
        computeActDateNumber();
        QCOMPARE(programState().actDateNumber, expected);
        QCOMPARE(programState().actDate, actDate);
    }

    void everyDateCheckDateAcceptsThisYearHasANumber() {
        // The act date number is written beside every act: what check date lets through must sort.
        for (const QString &text : {"1/01/2024", "01/01/2024", " 29/02/2024 ", "31/12/2024", "15/03/2024"})
            QVERIFY2(::checkDate(text) && ::dateNumber(text) > 0, qPrintable(text));
    }

    void ageFrom_data() {
        QTest::addColumn<QString>("birthDate");
        QTest::addColumn<QString>("today");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("unit");
        QTest::newRow("four years to the day") << "15/03/2020"
                                               << "15/03/2024" << true << "4"
                                               << "ans";
        QTest::newRow("a birthday not reached yet this year") << "31/12/2000"
                                                              << "01/01/2024" << true << "23"
                                                              << "ans";
        QTest::newRow("birthday in a few days") << "15/12/1980"
                                                << "11/12/2026" << true << "45"
                                                << "ans";
        QTest::newRow("born in 1965") << "12/07/1965"
                                      << "15/03/2024" << true << "58"
                                      << "ans";
        QTest::newRow("one year old to the day") << "11/12/2025"
                                                 << "11/12/2026" << true << "1"
                                                 << "ans";
        QTest::newRow("a baby of four weeks, born last year") << "15/12/2025"
                                                              << "11/01/2026" << true << "0"
                                                              << "mois";
        QTest::newRow("a baby of eleven months") << "15/12/2025"
                                                 << "11/12/2026" << true << "11"
                                                 << "mois";
        QTest::newRow("a one-digit day is read as its own day") << "5/11/2024"
                                                                << "11/12/2026" << true << "2"
                                                                << "ans";
        QTest::newRow("a one-digit day, months") << "5/11/2026"
                                                 << "11/12/2026" << true << "1"
                                                 << "mois";
        QTest::newRow("a short birth date") << "5/03/2020"
                                            << "15/03/2024" << true << "4"
                                            << "ans";
        QTest::newRow("spaces around the birth date") << "  15/03/2020 "
                                                      << "15/03/2024" << true << "4"
                                                      << "ans";
        QTest::newRow("whole months within the birth year") << "20/01/2024"
                                                            << "05/03/2024" << true << "1"
                                                            << "mois";
        QTest::newRow("born today") << "05/03/2024"
                                    << "05/03/2024" << true << "0"
                                    << "mois";
        QTest::newRow("a birth date after today") << "10/11/2024"
                                                  << "05/03/2024" << false << ""
                                                  << "";
        QTest::newRow("a birth date next year") << "01/01/2025"
                                                << "05/03/2024" << false << ""
                                                << "";
        QTest::newRow("a birth date that does not exist") << "31/02/2020"
                                                          << "05/03/2024" << false << ""
                                                          << "";
        QTest::newRow("a one-digit month") << "5/3/2020"
                                           << "05/03/2024" << false << ""
                                           << "";
        QTest::newRow("an empty birth date") << ""
                                             << "05/03/2024" << false << ""
                                             << "";
    }
    void ageFrom() {
        QFETCH(QString, birthDate);
        QFETCH(QString, today);
        QFETCH(bool, valid);
        QFETCH(QString, age);
        QFETCH(QString, unit);
        const AgeResult result = ::ageFrom(birthDate, today);
        QCOMPARE(result.valid, valid);
        QCOMPARE(result.age, age);
        QCOMPARE(result.unit, unit);
    }

    void computeAgeFillsTheFormAndClearsTheErrorFlag_data() {
        QTest::addColumn<QString>("birthDate");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("unit");
        QTest::newRow("years") << "31/12/2000"
                               << "23"
                               << "ans";
        QTest::newRow("months") << "20/01/2024"
                                << "1"
                                << "mois";
    }
    void computeAgeFillsTheFormAndClearsTheErrorFlag() {
        QFETCH(QString, birthDate);
        QFETCH(QString, age);
        QFETCH(QString, unit);
        Clock::setToday(QDate(2024, 3, 5));
        programState().birthDateError = true; // left over from an earlier refused date
        QLineEdit birthField(birthDate);
        QLineEdit ageField(QStringLiteral("99"));
        QLabel unitLabel(QStringLiteral("ans"));

        QVERIFY(computeAge(&birthField, &ageField, &unitLabel));
        QCOMPARE(ageField.text(), age);
        QCOMPARE(unitLabel.text(), unit);
        QCOMPARE(programState().ageValue, age);
        QVERIFY(!programState().birthDateError);
        QCOMPARE(birthField.text(), birthDate);
        QVERIFY(m_env->messages().isEmpty());
    }

    void computeAgeReportsARefusedBirthDateAndKeepsTheForm_data() {
        QTest::addColumn<QString>("birthDate");
        QTest::newRow("a date that does not exist") << "31/02/2000";
        QTest::newRow("a date next year") << "01/01/2025";
        QTest::newRow("a date later this year") << "06/03/2024";
        QTest::newRow("an empty birth date") << "";
        QTest::newRow("letters") << "HIER";
    }
    void computeAgeReportsARefusedBirthDateAndKeepsTheForm() {
        QFETCH(QString, birthDate);
        Clock::setToday(QDate(2024, 3, 5));
        programState().ageValue = QStringLiteral("40");
        QLineEdit birthField(birthDate);
        QLineEdit ageField(QStringLiteral("40"));
        QLabel unitLabel(QStringLiteral("ans"));

        QVERIFY(!computeAge(&birthField, &ageField, &unitLabel));
        QCOMPARE(m_env->messages().titles(), QStringList{"Erreur"});
        QCOMPARE(m_env->messages().texts(), QStringList{"Date de naissance incorrecte ! "});
        QCOMPARE(m_env->messages().shown.first().buttons, Messages::Buttons::Ok);
        QVERIFY(programState().birthDateError);
        QCOMPARE(ageField.text(), QStringLiteral("40"));
        QCOMPARE(unitLabel.text(), QStringLiteral("ans"));
        QCOMPARE(programState().ageValue, QStringLiteral("40"));
        QCOMPARE(birthField.text(), birthDate);
    }

private:
    std::unique_ptr<TestEnvironment> m_env;
};

QTEST_MAIN(TestDates)
#include "TestDates.moc"
