#include "common/Amounts.h"
#include "ui/ColumnAlignment.h"
#include "ui/ReportList.h"

#include <QHeaderView>
#include <QtTest>

class TestAmounts : public QObject {
    Q_OBJECT

private slots:
    void integerValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("stored cents") << "150050" << qint64(150050);
        QTest::newRow("negative stored cents") << "-150000" << qint64(-150000);
        QTest::newRow("a display amount reads its integer part") << "12.75" << qint64(12);
        QTest::newRow("a grouped amount stops at the first space") << "1 500.50" << qint64(1);
        QTest::newRow("leading blanks and tabs are skipped") << " \t 42" << qint64(42);
        QTest::newRow("a plus sign") << "+7" << qint64(7);
        QTest::newRow("digits up to a letter") << "-42abc" << qint64(-42);
        QTest::newRow("an empty text") << "" << qint64(0);
        QTest::newRow("no digits") << "abc" << qint64(0);
        QTest::newRow("a sign alone") << "-" << qint64(0);
        QTest::newRow("a space after the sign") << "- 5" << qint64(0);
        QTest::newRow("the largest 64-bit value") << "9223372036854775807" << std::numeric_limits<qint64>::max();
        QTest::newRow("the smallest 64-bit value") << "-9223372036854775808" << std::numeric_limits<qint64>::min();
        QTest::newRow("too many digits stay at the largest value")
            << "99999999999999999999" << std::numeric_limits<qint64>::max();
        QTest::newRow("too many digits stay at the smallest value")
            << "-99999999999999999999" << std::numeric_limits<qint64>::min();
    }
    void integerValue() {
        QFETCH(QString, text);
        QFETCH(qint64, expected);
        QCOMPARE(::integerValue(text), expected);
    }

    void amountToCents_data() {
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("stored");
        QTest::newRow("a whole amount") << "1500"
                                        << "150000";
        QTest::newRow("one decimal") << "1500.5"
                                     << "150050";
        QTest::newRow("a space and a decimal comma") << "1 500,25"
                                                     << "150025";
        QTest::newRow("extra decimals are truncated, not rounded") << "12.345"
                                                                   << "1234";
        QTest::newRow("a negative amount") << "-3.5"
                                           << "-350";
        QTest::newRow("a point with nothing after it") << "100."
                                                       << "10000";
        QTest::newRow("an empty text") << ""
                                       << "00";
        QTest::newRow("spaces around the amount") << "  1500,5  "
                                                  << "150050";
        QTest::newRow("spaces around the point") << "12 . 5"
                                                 << "1250";
        QTest::newRow("five cents") << "0,05"
                                    << "005";
        QTest::newRow("minus fifty cents without a zero") << "-,5"
                                                          << "-50";
    }
    void amountToCents() {
        QFETCH(QString, entered);
        QFETCH(QString, stored);
        QCOMPARE(AmountToCents(entered), stored);
    }

    void centsToAmount_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("display");
        QTest::newRow("cents") << "150050"
                               << "1500.50";
        QTest::newRow("a whole amount") << "150000"
                                        << "1500.00";
        QTest::newRow("three zeros") << "000"
                                     << "0.00";
        QTest::newRow("one zero") << "0"
                                  << "0.00";
        QTest::newRow("a negative zero") << "-00"
                                         << "0.00";
        QTest::newRow("an empty text") << ""
                                       << "0.00";
        QTest::newRow("a negative amount") << "-150000"
                                           << "-1500.00";
        QTest::newRow("a text that already holds a point") << "1500.50"
                                                           << "1500.50";
        QTest::newRow("a decimal comma is dropped too") << "1500,50"
                                                        << "1500.50";
        QTest::newRow("spaces around the cents") << "  150050 "
                                                 << "1500.50";
        QTest::newRow("one unit") << "100"
                                  << "1.00";
        QTest::newRow("minus one unit") << "-100"
                                        << "-1.00";
        QTest::newRow("five cents") << "5"
                                    << "0.05";
        QTest::newRow("fifty cents") << "50"
                                     << "0.50";
        QTest::newRow("five cents with a leading zero") << "05"
                                                        << "0.05";
        QTest::newRow("minus five cents") << "-5"
                                          << "-0.05";
        QTest::newRow("minus fifty cents") << "-50"
                                           << "-0.50";
        QTest::newRow("minus five cents as typed with a zero") << "-005"
                                                               << "-0.05";
    }
    void centsToAmount() {
        QFETCH(QString, stored);
        QFETCH(QString, display);
        QCOMPARE(CentsToAmount(stored), display);
    }

    void groupThousands_data() {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("grouped");
        QTest::newRow("thousands") << "1500.50"
                                   << "1 500.50";
        QTest::newRow("millions") << "1234567.80"
                                  << "1 234 567.80";
        QTest::newRow("below a thousand") << "999.00"
                                          << "999.00";
        QTest::newRow("zero") << "0.00"
                              << "0.00";
        QTest::newRow("negative thousands") << "-1500.00"
                                            << "-1 500.00";
        QTest::newRow("the sign alone forms the leftmost group") << "-150.00"
                                                                 << "- 150.00";
        QTest::newRow("no decimal tail") << "12345"
                                         << "12 345";
        QTest::newRow("a bare zero") << "0"
                                     << "0.00";
        QTest::newRow("already grouped") << "1 500.50"
                                         << "1 500.50";
        QTest::newRow("a decimal comma tail") << "1500,50"
                                              << "1 500,50";
        QTest::newRow("eighteen integer characters") << "123456789012345678.00"
                                                     << "123 456 789 012 345 678.00";
        QTest::newRow("beyond eighteen characters the grouping goes on") << "12345678901234567890.00"
                                                                         << "12 345 678 901 234 567 890.00";
        QTest::newRow("fifty cents") << "0.50"
                                     << "0.50";
        QTest::newRow("minus five cents") << "-0.05"
                                          << "-0.05";
        QTest::newRow("an empty text") << ""
                                       << "";
    }
    void groupThousands() {
        QFETCH(QString, display);
        QFETCH(QString, grouped);
        QCOMPARE(GroupThousands(display), grouped);
    }

    void typedAmountsShowGroupedWithTwoDecimals_data() {
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a whole amount") << "1500"
                                        << "1 500.00";
        QTest::newRow("a space and a decimal comma") << "1 500,25"
                                                     << "1 500.25";
        QTest::newRow("extra decimals are truncated") << "12.345"
                                                      << "12.34";
        QTest::newRow("a negative amount") << "-3.5"
                                           << "-3.50";
        QTest::newRow("a negative amount above a hundred") << "-150"
                                                           << "- 150.00";
        QTest::newRow("a point with nothing after it") << "100."
                                                       << "100.00";
        QTest::newRow("millions") << "1234567.8"
                                  << "1 234 567.80";
        QTest::newRow("an empty text") << ""
                                       << "0.00";
        QTest::newRow("zero") << "0"
                              << "0.00";
        QTest::newRow("five cents") << "0,05"
                                    << "0.05";
        QTest::newRow("fifty cents") << "0.5"
                                     << "0.50";
        QTest::newRow("minus five cents") << "-0.05"
                                          << "-0.05";
        QTest::newRow("minus fifty cents") << "-,5"
                                           << "-0.50";
    }
    void typedAmountsShowGroupedWithTwoDecimals() {
        QFETCH(QString, entered);
        QFETCH(QString, shown);
        QCOMPARE(GroupThousands(CentsToAmount(AmountToCents(entered))), shown);
    }

    void balancesShowFromTheirNumberOfCents_data() {
        QTest::addColumn<qint64>("cents");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a debt of five cents") << qint64(-5) << "-0.05";
        QTest::newRow("a credit of fifty cents") << qint64(50) << "0.50";
        QTest::newRow("settled") << qint64(0) << "0.00";
        QTest::newRow("a large debt") << qint64(-123456789) << "-1 234 567.89";
    }
    void balancesShowFromTheirNumberOfCents() {
        QFETCH(qint64, cents);
        QFETCH(QString, shown);
        const QString stored = QString::number(cents);
        QCOMPARE(GroupThousands(CentsToAmount(stored)), shown);
        QCOMPARE(::integerValue(stored), cents);
    }

    void setColumnAlignment_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("alignment");
        QTest::newRow("kind 1 aligns right") << 1 << int(Qt::AlignRight);
        QTest::newRow("kind 2 centres") << 2 << int(Qt::AlignHCenter);
        QTest::newRow("kind 0 aligns left") << 0 << int(Qt::AlignLeft);
        QTest::newRow("any other kind aligns left") << 7 << int(Qt::AlignLeft);
    }
    void setColumnAlignment() {
        QFETCH(int, kind);
        QFETCH(int, alignment);
        ReportList list(nullptr, {{"Date", 80}, {"Montant", 100}, {"Solde", 100}});
        list.addRow({"15/03/2024", "1 500.00", "0.00"});
        // A right-aligned neighbour shows that only the chosen column changes.
        SetColumnAlignment(&list, 2, 1);
        SetColumnAlignment(&list, 1, 2);
        SetColumnAlignment(&list, 1, kind);
        list.addRow({"16/03/2024", "- 150.00", "-150.00"});

        QCOMPARE(int(list.columnAlignment(1)), alignment);
        QCOMPARE(int(list.headerAlignment(1)), alignment);
        for (int row = 0; row < list.rowCount(); ++row) {
            QCOMPARE(int(list.cellAlignment(row, 1)), alignment);
            QCOMPARE(int(list.cellAlignment(row, 0)), int(Qt::AlignLeft));
            QCOMPARE(int(list.cellAlignment(row, 2)), int(Qt::AlignRight));
        }
        QCOMPARE(int(list.headerAlignment(0)), int(Qt::AlignLeft));
        QCOMPARE(int(list.headerAlignment(2)), int(Qt::AlignRight));
        QCOMPARE(list.cell(1, 1), QStringLiteral("- 150.00"));
    }

    void setColumnAlignmentOutsideTheListChangesNothing() {
        ReportList list(nullptr, {{"Date", 80}, {"Montant", 100}});
        list.addRow({"15/03/2024", "1 500.00"});
        SetColumnAlignment(&list, 5, 1);
        SetColumnAlignment(&list, -1, 1);
        SetColumnAlignment(nullptr, 0, 1);
        QCOMPARE(int(list.columnAlignment(0)), int(Qt::AlignLeft));
        QCOMPARE(int(list.columnAlignment(1)), int(Qt::AlignLeft));
    }
};

QTEST_MAIN(TestAmounts)
#include "TestAmounts.moc"
