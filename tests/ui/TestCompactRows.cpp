#include "ui/CompactRows.h"
#include "ui/ReportList.h"

#include <QtTest>

// The rows of a list keep each row as one compact text: every cell must read back as it was given.
class TestCompactRows : public QObject {
    Q_OBJECT

private slots:
    void cellsReadBackAsGiven_data() {
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("ordinary") << QStringList{"1", "BENALI KARIM", "12/05/1979"};
        QTest::newRow("empty cells anywhere") << QStringList{"", "A", "", "", "B", ""};
        QTest::newRow("accents and letters beyond the first plane") << QStringList{"ÉLODIE", "𝄞", "Ç"};
        QTest::newRow("a cell longer than 65,535 characters") << QStringList{"X", QString(70000, u'L'), "Y"};
        QTest::newRow("no cell") << QStringList{};
    }
    void cellsReadBackAsGiven() {
        QFETCH(QStringList, cells);
        CompactRows built;
        built.startRow(int(cells.size()));
        for (const QString &cell : cells)
            built.addUtf8Cell(cell.toUtf8().constData(), cell.toUtf8().size());
        CompactRows appended;
        appended.append(cells);
        for (const CompactRows *rows : {&built, &appended}) {
            QCOMPARE(rows->size(), 1);
            QCOMPARE(rows->cells(0), cells);
            QCOMPARE(rows->cell(0, int(cells.size())), QString()); // beyond the last cell
        }
    }

    void listRowsFollowChanges() {
        ReportList list(nullptr, {{"Code", 40}, {"Nom", 100}});
        CompactRows rows;
        for (const char *name : {"A", "B", "C"}) {
            rows.startRow(3);
            rows.addCell(QString::fromLatin1(name));
            rows.addCell(QString::fromLatin1(name) + QStringLiteral(" NOM"));
            rows.addCell(QStringLiteral("hidden"));
        }
        list.addRows(rows);
        list.addRow({"D", "D NOM"});
        list.setRow(1, {"B", "BB"});
        list.removeRow(0);
        QCOMPARE(list.rowCount(), 3);
        QCOMPARE(list.rowCells(0), (QStringList{"B", "BB"}));
        QCOMPARE(list.rowCells(1), (QStringList{"C", "C NOM"}));
        QCOMPARE(list.cell(2, 1), QStringLiteral("D NOM"));
        QCOMPARE(list.cell(1, 2), QStringLiteral("hidden")); // kept, never shown
        list.clearRows();
        QCOMPARE(list.rowCount(), 0);
    }
};

QTEST_MAIN(TestCompactRows)
#include "TestCompactRows.moc"
