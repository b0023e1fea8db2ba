#include "print/PrinterFonts.h"
#include "print/RecordingPage.h"
#include "print/Units.h"

#include <QFontInfo>
#include <QtTest>

class TestPrintUnits : public QObject {
    Q_OBJECT

private slots:
    void conversionsOnAnA4SheetAt600Dpi_data() {
        QTest::addColumn<double>("units");
        QTest::addColumn<int>("expectedX");
        QTest::addColumn<int>("expectedY");
        QTest::newRow("one unit") << 1.0 << 236 << 167;
        QTest::newRow("journal left border 1.2") << 1.2 << 283 << 200;
        QTest::newRow("journal right border 20") << 20.0 << 4724 << 3340;
        QTest::newRow("letterhead height 5") << 5.0 << 1181 << 835;
        QTest::newRow("row step 0.6") << 0.6 << 142 << 100;
        QTest::newRow("first amount step 0.18") << 0.18 << 43 << 30;
        QTest::newRow("next amount steps 0.16") << 0.16 << 38 << 27;
        QTest::newRow("origin") << 0.0 << 0 << 0;
    }
    void conversionsOnAnA4SheetAt600Dpi() {
        QFETCH(double, units);
        QFETCH(int, expectedX);
        QFETCH(int, expectedY);
        QCOMPARE(printX(units, 4960), expectedX);
        QCOMPARE(printY(units, 4960), expectedY);
        const RecordingPage page(4960, 7016);
        const Units bound(page);
        QCOMPARE(bound.x(units), expectedX);
        QCOMPARE(bound.y(units), expectedY);
    }

    void halvesGoToTheEvenNeighbour_data() {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<double>("units");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("expected");
        // W = 42 makes a horizontal unit exactly 2 pixels, W = 297 a vertical unit exactly 10.
        QTest::newRow("x 0.5 down to 0") << false << 0.25 << 42 << 0;
        QTest::newRow("x 1.5 up to 2") << false << 0.75 << 42 << 2;
        QTest::newRow("x 2.5 down to 2") << false << 1.25 << 42 << 2;
        QTest::newRow("x 3.5 up to 4") << false << 1.75 << 42 << 4;
        QTest::newRow("x just above a half") << false << 0.26 << 42 << 1;
        QTest::newRow("y 1.5 up to 2") << true << 0.15 << 297 << 2;
        QTest::newRow("y 2.5 down to 2") << true << 0.25 << 297 << 2;
        QTest::newRow("y 4.5 down to 4") << true << 0.45 << 297 << 4;
        QTest::newRow("y 7.5 up to 8") << true << 0.75 << 297 << 8;
    }
    void halvesGoToTheEvenNeighbour() {
        QFETCH(bool, vertical);
        QFETCH(double, units);
        QFETCH(int, width);
        QFETCH(int, expected);
        QCOMPARE(vertical ? printY(units, width) : printX(units, width), expected);
    }

    void negativeHalvesGoToTheEvenNeighbourToo() {
        QCOMPARE(roundHalfEven(-2.5), -2);
        QCOMPARE(roundHalfEven(-3.5), -4);
        QCOMPARE(roundHalfEven(-3.4), -3);
        QCOMPARE(printX(-0.25, 42), 0);
    }

    // Numbers 37 to 39 are not part of the set; every other number from 36 to 92 is.
    void fontNumbersRunFrom36To92Without37To39() {
        const PrinterFonts fonts(4960, 96);
        QList<int> expected{36};
        for (int number = 40; number <= 92; ++number)
            expected << number;
        QCOMPARE(fonts.numbers(), expected);
        for (int absent : {35, 37, 38, 39, 93})
            QVERIFY2(!fonts.contains(absent), qPrintable(QString::number(absent)));
    }

    void fontsFollowThePrintableWidthAndTheScreen_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("screenDpi");
        QTest::addColumn<QString>("face");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("pixels");
        QTest::newRow("70 arial 0.30 at 600 dpi") << 70 << 4960 << 96 << "arial" << false << 50 << 67;
        QTest::newRow("71 verdana 0.30 bold") << 71 << 4960 << 96 << "verdana" << true << 50 << 67;
        QTest::newRow("70 on a 300 dpi printer") << 70 << 2480 << 96 << "arial" << false << 25 << 33;
        QTest::newRow("70 on a 120 dpi screen") << 70 << 4960 << 120 << "arial" << false << 50 << 83;
        QTest::newRow("unreadable screen counts as 96 dpi") << 70 << 4960 << 0 << "arial" << false << 50 << 67;
        QTest::newRow("36 Calibri 0.25") << 36 << 4960 << 96 << "Calibri" << false << 42 << 56;
        QTest::newRow("40 arial 0.18") << 40 << 4960 << 96 << "arial" << false << 30 << 40;
        QTest::newRow("46 Arial 0.24") << 46 << 4960 << 96 << "Arial" << false << 40 << 53;
        QTest::newRow("59 Verdana 0.27") << 59 << 4960 << 96 << "Verdana" << false << 45 << 60;
        QTest::newRow("69 Calibri 0.40") << 69 << 4960 << 96 << "Calibri" << false << 67 << 89;
        QTest::newRow("78 Candara 0.26") << 78 << 4960 << 96 << "Candara" << false << 43 << 57;
        QTest::newRow("80 Calibri 0.32 bold") << 80 << 4960 << 96 << "Calibri" << true << 53 << 71;
        QTest::newRow("90 arial 0.35 bold") << 90 << 4960 << 96 << "arial" << true << 58 << 77;
        QTest::newRow("92 arial 0.42") << 92 << 4960 << 96 << "arial" << false << 70 << 93;
    }
    void fontsFollowThePrintableWidthAndTheScreen() {
        QFETCH(int, number);
        QFETCH(int, width);
        QFETCH(int, screenDpi);
        QFETCH(QString, face);
        QFETCH(bool, bold);
        QFETCH(int, points);
        QFETCH(int, pixels);
        const PrinterFonts fonts(width, screenDpi);
        const QFont &font = fonts.font(number);
        QCOMPARE(fonts.points(number), points);
        QCOMPARE(font.pixelSize(), pixels);
        QCOMPARE(font.family(), face);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(font.styleStrategy() == QFont::PreferQuality, bold);
    }

    void everyFaceFindsAnInstalledTwin() {
        const PrinterFonts fonts(4960, 96);
        const QStringList twins{"Carlito", "Liberation Sans", "Arimo", "DejaVu Sans"};
        for (int number : fonts.numbers()) {
            const QString resolved = QFontInfo(fonts.font(number)).family();
            QVERIFY2(twins.contains(resolved),
                     qPrintable(QStringLiteral("%1 %2 -> %3").arg(number).arg(fonts.font(number).family(), resolved)));
        }
    }

    void aTinyPageStillGetsDrawableFonts() {
        const PrinterFonts fonts(10, 96);
        QCOMPARE(fonts.points(40), 0);
        QCOMPARE(fonts.font(40).pixelSize(), 1);
    }
};

QTEST_MAIN(TestPrintUnits)
#include "TestPrintUnits.moc"
