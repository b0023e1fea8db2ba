#include "print/Letterheads.h"
#include "print/PrintFlow.h"
#include "print/RecordingPage.h"
#include "print/TableRows.h"
#include "print/Units.h"
#include "support/PrintCapture.h"
#include "support/TestEnvironment.h"

#include <QtTest>

namespace {

// A small single document in the way the real ones are laid out: letterhead, a boxed title block, a
// body in printer font 70.
void drawSampleDocument(Page &page, const PrinterFonts &fonts) {
    const Units u(page);
    drawLetterhead(page, Letterhead::Prescription);
    page.setFont(fonts.font(PrinterFont::Arial030));
    page.drawText(u.x(14.6), u.y(2.12), QStringLiteral("15/03/2024"));
    const int y = u.y(4) + u.y(3);
    page.drawLine(u.x(2), y, u.x(18), y);
    page.drawLine(u.x(2), y + u.y(1.4), u.x(18), y + u.y(1.4));
    page.setFont(fonts.font(PrinterFont::Verdana030Bold));
    page.drawText(u.x(2.5), y + u.y(0.4), QStringLiteral("NOM ET PRENOMS:  M.  "));
    page.setFont(fonts.font(PrinterFont::Arial030));
    page.drawText(u.x(7), y + u.y(0.4), QStringLiteral("DUPONT JEAN"));
    page.drawText(u.x(5.7), y + u.y(3), QStringLiteral("DOLIPRANE 1 G    1 CP 3 FOIS PAR JOUR"));
}

} // namespace

class TestPrintFlow : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_env = std::make_unique<TestEnvironment>();
        m_capture = std::make_unique<PrintCapture>();
    }
    void cleanup() {
        m_capture.reset();
        m_env.reset();
    }

    void nothingToPrintSaysSoAndAsksNoPrinter_data() {
        QTest::addColumn<int>("count");
        QTest::newRow("empty list") << 0;
        QTest::newRow("negative count") << -1;
    }
    void nothingToPrintSaysSoAndAsksNoPrinter() {
        QFETCH(int, count);
        bool drawn = false;
        QVERIFY(!printDocument(count, [&](Page &, const PrinterFonts &) { drawn = true; }));
        QVERIFY(!drawn);
        QCOMPARE(m_capture->dialogsAsked(), 0);
        QCOMPARE(m_env->messages().titles(), QStringList{"Erreur"});
        QCOMPARE(m_env->messages().texts(), QStringList{QString::fromUtf8("Il n'y a rien à imprimer ! ")});
        QCOMPARE(m_env->messages().shown.first().buttons, Messages::Buttons::Ok);
    }

    void aCancelledDialogPrintsNothingAndSaysNothing() {
        m_capture->cancel();
        bool drawn = false;
        QVERIFY(!printDocument(3, [&](Page &, const PrinterFonts &) { drawn = true; }));
        QVERIFY(!drawn);
        QCOMPARE(m_capture->dialogsAsked(), 1);
        QVERIFY(m_capture->recordings().empty());
        QVERIFY(m_env->messages().isEmpty());
    }

    void withoutACaptureTheTestProgramNeverOpensARealDialog() {
        m_capture.reset();
        QVERIFY(!printDocument(1, [](Page &, const PrinterFonts &) { QFAIL("nothing may be drawn"); }));
        QVERIFY(m_env->messages().isEmpty());
    }

    void aJobLoadsTheFontsOfItsOwnPageDrawsAndEnds_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("screenDpi");
        QTest::addColumn<int>("bodyPixels");
        QTest::newRow("A4 at 600 dpi") << 4960 << 96 << 67;
        QTest::newRow("A4 at 300 dpi") << 2480 << 96 << 33;
        QTest::newRow("A4 at 600 dpi, 120 dpi screen") << 4960 << 120 << 83;
    }
    void aJobLoadsTheFontsOfItsOwnPageDrawsAndEnds() {
        QFETCH(int, width);
        QFETCH(int, screenDpi);
        QFETCH(int, bodyPixels);
        m_capture->toRecording(width, width * 7016 / 4960, screenDpi);
        int drawnOnWidth = 0;
        QVERIFY(printDocument(1, [&](Page &page, const PrinterFonts &fonts) {
            drawnOnWidth = page.width();
            QCOMPARE(fonts.font(PrinterFont::Arial030).pixelSize(), bodyPixels);
            drawSampleDocument(page, fonts);
        }));
        QCOMPARE(drawnOnWidth, width);
        QCOMPARE(m_capture->dialogsAsked(), 1);
        QCOMPARE(m_capture->recordings().size(), size_t(1));
        const RecordingPage &job = *m_capture->lastRecording();
        QVERIFY(job.ended());
        QCOMPARE(job.operations().last().kind, PageOperation::Kind::EndJob);
        QCOMPARE(job.pageCount(), 1);
        const PageOperation *name = job.findText(QStringLiteral("DUPONT JEAN"));
        QVERIFY(name);
        QCOMPARE(name->font.pixelSize(), bodyPixels);
        QCOMPARE(name->color, QColor(0, 0, 0));
        QCOMPARE(name->background, QColor(255, 255, 255));
        QVERIFY(m_env->messages().isEmpty());
    }

    void everyJobGetsFreshFontsForItsPrinter() {
        QList<int> bodyPixels;
        const auto draw = [&](Page &, const PrinterFonts &fonts) {
            bodyPixels << fonts.font(PrinterFont::Arial030).pixelSize();
        };
        m_capture->toRecording(4960, 7016);
        QVERIFY(printDocument(1, draw));
        m_capture->toRecording(2480, 3508);
        QVERIFY(printDocument(1, draw));
        QCOMPARE(bodyPixels, (QList<int>{67, 33}));
        QCOMPARE(m_capture->recordings().size(), size_t(2));
    }

    // Printers of different resolutions give the same document on paper: every position and size,
    // taken as a fraction of the printable width, stays within a pixel's rounding.
    void theSameDocumentScalesWithTheResolution() {
        RecordingPage fine(4960, 7016);
        RecordingPage coarse(2480, 3508);
        drawSampleDocument(fine, PrinterFonts(fine));
        drawSampleDocument(coarse, PrinterFonts(coarse));
        QCOMPARE(coarse.operations().size(), fine.operations().size());
        for (int i = 0; i < fine.operations().size(); ++i) {
            const PageOperation &a = fine.operations()[i];
            const PageOperation &b = coarse.operations()[i];
            QCOMPARE(b.kind, a.kind);
            QCOMPARE(b.text, a.text);
            const QList<std::pair<int, int>> measures{{a.x, b.x},   {a.y, b.y},         {a.x2, b.x2},
                                                      {a.y2, b.y2}, {a.width, b.width}, {a.height, b.height}};
            for (const auto &[onFine, onCoarse] : measures)
                QVERIFY2(qAbs(onFine - 2 * onCoarse) <= 2,
                         qPrintable(QStringLiteral("operation %1: %2 vs %3").arg(i).arg(onFine).arg(onCoarse)));
            if (a.kind == PageOperation::Kind::Text) {
                QCOMPARE(b.font.family(), a.font.family());
                // Font heights are rounded twice (points, then pixels): within 3 pixels of twice the coarse.
                QVERIFY(qAbs(a.font.pixelSize() - 2 * b.font.pixelSize()) <= 3);
            }
        }
    }

    void aFullPageBreaksBeforeTheNextRow_data() {
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("breaks");
        // H = 7016: rows may go down to 6816.
        QTest::newRow("well above the margin") << 1236 << false;
        QTest::newRow("one pixel above the margin") << 6815 << false;
        QTest::newRow("exactly at the margin") << 6816 << true;
        QTest::newRow("past the margin") << 6900 << true;
    }
    void aFullPageBreaksBeforeTheNextRow() {
        QFETCH(int, y);
        QFETCH(bool, breaks);
        RecordingPage page(4960, 7016);
        const PrinterFonts fonts(page);
        page.setFont(fonts.font(PrinterFont::Arial030));
        QList<int> framesClosedAt;
        int headers = 0;
        int position = y;
        const bool broke = startNewPageWhenFull(
            page, position, [&](int frameBottom) { framesClosedAt << frameBottom; },
            [&] {
                ++headers;
                drawLetterhead(page, Letterhead::Journals);
                return 1236;
            });
        QCOMPARE(broke, breaks);
        QCOMPARE(framesClosedAt, breaks ? QList<int>{y} : QList<int>{});
        QCOMPARE(headers, breaks ? 1 : 0);
        QCOMPARE(page.pageCount(), breaks ? 2 : 1);
        QCOMPARE(position, breaks ? 1236 : y);
        if (breaks) {
            QCOMPARE(page.operations().first().kind, PageOperation::Kind::NewPage);
            QCOMPARE(page.operations().last().page, 1);
            // The font stays across the new page.
            page.drawText(0, position, QStringLiteral("X"));
            QCOMPARE(page.operations().last().font, fonts.font(PrinterFont::Arial030));
        }
    }

    void amountsAreRightAlignedOneCharacterAtATime_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QList<int>>("positions"); // x of each character, first to last
        // W = 4960: the last character 43 pixels left of the column's end, each earlier one 38 further.
        QTest::newRow("grouped amount keeps its space as one step")
            << "1 500.00" << QList<int>{1691, 1729, 1767, 1805, 1843, 1881, 1919, 1957};
        QTest::newRow("six characters") << "150.00" << QList<int>{1767, 1805, 1843, 1881, 1919, 1957};
        QTest::newRow("one character") << "0" << QList<int>{1957};
        QTest::newRow("empty cell draws nothing") << "" << QList<int>{};
    }
    void amountsAreRightAlignedOneCharacterAtATime() {
        QFETCH(QString, amount);
        QFETCH(QList<int>, positions);
        RecordingPage page(4960, 7016);
        drawRightAligned(page, 2000, 1236, amount);
        QList<int> xs;
        QString text;
        for (const PageOperation &drawn : page.operations(PageOperation::Kind::Text)) {
            QCOMPARE(drawn.y, 1236);
            QCOMPARE(drawn.text.size(), 1);
            xs.prepend(drawn.x);
            text.prepend(drawn.text);
        }
        QCOMPARE(xs, positions);
        QCOMPARE(text, amount);
    }

private:
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<PrintCapture> m_capture;
};

QTEST_MAIN(TestPrintFlow)
#include "TestPrintFlow.moc"
