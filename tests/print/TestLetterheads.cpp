#include "print/Letterheads.h"
#include "print/RecordingPage.h"
#include "ui/Pictures.h"

#include <QtTest>

Q_DECLARE_METATYPE(Letterhead)

class TestLetterheads : public QObject {
    Q_OBJECT

private slots:
    void eachLetterheadIsScaledToItsBoxAtTheTopLeft_data() {
        QTest::addColumn<Letterhead>("letterhead");
        QTest::addColumn<int>("pictureNumber");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("pictureWidth");
        QTest::addColumn<int>("pictureHeight");
        // 16 x 5 units at W = 4960: 3779 x 835 pixels; 20 x 4: 4724 x 668. At W = 2480 half as much.
        QTest::newRow("prescription") << Letterhead::Prescription << 2 << 4960 << 236 << 3779 << 835;
        QTest::newRow("medical certificate") << Letterhead::Certificate << 4 << 4960 << 236 << 3779 << 835;
        QTest::newRow("sick leave") << Letterhead::SickLeave << 31 << 4960 << 236 << 3779 << 835;
        QTest::newRow("letter") << Letterhead::Letter << 33 << 4960 << 236 << 3779 << 835;
        QTest::newRow("journals") << Letterhead::Journals << 32 << 4960 << 236 << 4724 << 668;
        QTest::newRow("prescription at 300 dpi") << Letterhead::Prescription << 2 << 2480 << 118 << 1890 << 418;
        QTest::newRow("journals at 300 dpi") << Letterhead::Journals << 32 << 2480 << 118 << 2362 << 334;
    }
    void eachLetterheadIsScaledToItsBoxAtTheTopLeft() {
        QFETCH(Letterhead, letterhead);
        QFETCH(int, pictureNumber);
        QFETCH(int, width);
        QFETCH(int, x);
        QFETCH(int, pictureWidth);
        QFETCH(int, pictureHeight);
        RecordingPage page(width, width * 297 / 210);
        drawLetterhead(page, letterhead);
        QCOMPARE(page.operations().size(), 1);
        const PageOperation &drawn = page.operations().first();
        QCOMPARE(drawn.kind, PageOperation::Kind::Picture);
        QCOMPARE(drawn.x, x);
        QCOMPARE(drawn.y, 0);
        QCOMPARE(drawn.width, pictureWidth);
        QCOMPARE(drawn.height, pictureHeight);
        QCOMPARE(letterheadDescriptor(letterhead).picture, pictureNumber);
        // The picture drawn is the one under its number, whatever its own proportions.
        QCOMPARE(drawn.pictureSize, picture(pictureNumber).size());
    }

    void aNewPageGetsTheLetterheadAgainAtTheSamePlace() {
        RecordingPage page(4960, 7016);
        drawLetterhead(page, Letterhead::Journals);
        page.newPage();
        drawLetterhead(page, Letterhead::Journals);
        const QList<PageOperation> pictures = page.operations(PageOperation::Kind::Picture);
        QCOMPARE(pictures.size(), 2);
        QCOMPARE(pictures[0].page, 0);
        QCOMPARE(pictures[1].page, 1);
        QCOMPARE(QRect(pictures[1].x, pictures[1].y, pictures[1].width, pictures[1].height),
                 QRect(pictures[0].x, pictures[0].y, pictures[0].width, pictures[0].height));
    }
};

QTEST_MAIN(TestLetterheads)
#include "TestLetterheads.moc"
