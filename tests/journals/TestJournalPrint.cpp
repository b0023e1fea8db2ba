#include "journals/JournalPrint.h"
#include "print/PracticeDetails.h"
#include "print/PrinterFonts.h"
#include "print/TextWrap.h"
#include "support/PrintCapture.h"
#include "support/TestEnvironment.h"

#include <QStandardPaths>
#include <QtTest>

namespace {

// An A4 sheet at 600 dots per inch: W = 4960, X(1) = 236, Y(1) = 167.
constexpr int Width = 4960;
constexpr int Height = 7016;
constexpr int C0 = 283;
constexpr int R = 4724;
constexpr int TitleY = 668;
constexpr int NameY = 835;
constexpr int FrameTop = 1002;
constexpr int ColumnTitlesY = 1052;
constexpr int FirstRow = 1236;
constexpr int RowStep = 100;
const QColor RuleColour{87, 192, 239};

JournalDocument documentOf(int rows, int columns) {
    JournalDocument document{"01/01/2024", "31/12/2024", "MARTIN ANNE", {}};
    for (int i = 1; i <= rows; ++i) {
        QStringList row;
        for (int c = 0; c < columns; ++c)
            row << QStringLiteral("R%1C%2").arg(i).arg(c);
        document.rows << row;
    }
    return document;
}

QList<const PageOperation *> textsOn(const RecordingPage &page, int sheet, const QString &text) {
    QList<const PageOperation *> found;
    for (const PageOperation &operation : page.operations())
        if (operation.kind == PageOperation::Kind::Text && operation.page == sheet && operation.text == text)
            found << &operation;
    return found;
}

// The journal's own rules on a sheet; the letterhead's, inside its 20 x 4 box at the top, are left out.
QList<PageOperation> linesOn(const RecordingPage &page, int sheet) {
    constexpr int LetterheadBottom = 668; // Y(4)
    QList<PageOperation> lines;
    for (const PageOperation &operation : page.operations(PageOperation::Kind::Line))
        if (operation.page == sheet && operation.y >= LetterheadBottom)
            lines << operation;
    return lines;
}

} // namespace

class TestJournalPrint : public QObject {
    Q_OBJECT

private slots:
    void init() { m_environment = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_environment.reset(); }

    void drawsTheHeaderAndRowsAtTheirPlaces_data() {
        QTest::addColumn<int>("journal");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("periodX");
        QTest::addColumn<QList<int>>("titleXs");
        QTest::addColumn<QList<int>>("cellXs"); // cells drawn whole
        // Boundaries: consultations 1.2 2 4 11 12 13 -> 283 472 945 2598 2834 3070.
        QTest::newRow("consultations") << int(Journal::Consultations) << "JOURNAL DES CONSULTATIONS" << 2598
                                       << QList<int>{330, 590, 1134, 2645, 2881, 3117}
                                       << QList<int>{307, 496, 969, 2622, 2858, 3094};
        // Analyses 1.2 1.8 4.5 14 16 -> 283 425 1063 3307 3779.
        QTest::newRow("analyses") << int(Journal::Analyses) << "JOURNAL DES ANALYSES MEDICALES" << 3307
                                  << QList<int>{307, 543, 1276, 3331, 3803} << QList<int>{307, 472, 1110, 3354, 3826};
        // Radiology 1.2 1.8 4 13 16 -> 283 425 945 3070 3779.
        QTest::newRow("radiology") << int(Journal::Radiology) << "JOURNAL DES RADIOS ET ECHOGRAPHIES" << 3070
                                   << QList<int>{307, 543, 1158, 3094, 3803} << QList<int>{307, 472, 992, 3117, 3826};
        // Credits 1.2 3.2 14 16 18 -> 283 756 3307 3779 4251; the amounts are drawn a character at a time.
        QTest::newRow("credits") << int(Journal::Credits) << "JOURNAL DES CREDITS" << 3307
                                 << QList<int>{377, 874, 3425, 3897, 4369} << QList<int>{307, 803};
    }
    void drawsTheHeaderAndRowsAtTheirPlaces() {
        QFETCH(int, journal);
        QFETCH(QString, title);
        QFETCH(int, periodX);
        QFETCH(QList<int>, titleXs);
        QFETCH(QList<int>, cellXs);
        const JournalPrintLayout &layout = journalKind(Journal(journal)).print;
        RecordingPage page(Width, Height);
        const PrinterFonts fonts(page);
        drawJournal(page, fonts, layout, documentOf(3, int(layout.columns.size())));
        QCOMPARE(page.pageCount(), 1);

        const PageOperation *titleText = page.findText(title);
        QVERIFY(titleText);
        QCOMPARE(QPoint(titleText->x, titleText->y), QPoint(C0, TitleY));
        QCOMPARE(titleText->font, fonts.font(PrinterFont::Arial042));
        const PageOperation *period = page.findText("Période du 01/01/2024 au 31/12/2024");
        QVERIFY(period);
        QCOMPARE(QPoint(period->x, period->y), QPoint(periodX, TitleY));
        QCOMPARE(period->font, fonts.font(PrinterFont::Calibri040));
        const PageOperation *name = page.findText("MARTIN ANNE");
        QVERIFY(name);
        QCOMPARE(QPoint(name->x, name->y), QPoint(C0, NameY));
        for (int c = 0; c < layout.columns.size(); ++c) {
            const QList<const PageOperation *> found = textsOn(page, 0, QString::fromUtf8(layout.columns[c].title));
            QVERIFY(!found.isEmpty());
            QCOMPARE(QPoint(found.first()->x, found.first()->y), QPoint(titleXs[c], ColumnTitlesY));
        }
        for (int row = 1; row <= 3; ++row)
            for (int c = 0; c < cellXs.size(); ++c) {
                const PageOperation *cell = page.findText(QStringLiteral("R%1C%2").arg(row).arg(c));
                QVERIFY(cell);
                QCOMPARE(QPoint(cell->x, cell->y), QPoint(cellXs[c], FirstRow + (row - 1) * RowStep));
                QCOMPARE(cell->font, fonts.font(PrinterFont::Arial030));
            }

        // The frame: T, under the column titles, 0.4 below the last row; every boundary and R.
        const int bottom = FirstRow + 3 * RowStep + 67;
        QList<int> horizontal;
        QList<int> vertical;
        for (const PageOperation &line : linesOn(page, 0)) {
            QCOMPARE(line.color, RuleColour);
            if (line.y == line.y2) {
                QCOMPARE(QPair(line.x, line.x2), QPair(C0, R));
                horizontal << line.y;
            } else {
                QCOMPARE(QPair(line.y, line.y2), QPair(FrameTop, bottom));
                vertical << line.x;
            }
        }
        QCOMPARE(horizontal, QList<int>({FrameTop, FrameTop + 167, bottom}));
        QCOMPARE(vertical.size(), layout.boundaries.size() + 1);
        QCOMPARE(vertical.first(), C0);
        QCOMPARE(vertical.last(), R);
    }

    // Each character on its own: the last one 43 pixels left of its column's end, the others 38 apart.
    void creditsAmountsAreRightAlignedACharacterAtATime() {
        RecordingPage page(Width, Height);
        const PrinterFonts fonts(page);
        drawJournal(page, fonts, journalKind(Journal::Credits).print,
                    {"01/01/2024", "31/01/2024", "", {{"02/01/2024", "CONSULTATION", "1 500.00", "150.00", "-0.05"}}});
        const auto characterXs = [&page](int fromX, int toX) {
            QList<int> xs;
            for (const PageOperation &operation : page.operations(PageOperation::Kind::Text))
                if (operation.y == FirstRow && operation.x > fromX && operation.x < toX)
                    xs.prepend(operation.x);
            return xs;
        };
        const int c3 = 3779;
        const int c4 = 4251;
        QCOMPARE(characterXs(3307, c3),
                 QList<int>({c3 - 43 - 7 * 38, c3 - 43 - 6 * 38, c3 - 43 - 5 * 38, c3 - 43 - 4 * 38, c3 - 43 - 3 * 38,
                             c3 - 43 - 2 * 38, c3 - 43 - 38, c3 - 43}));
        QCOMPARE(characterXs(c3, c4).first(), c4 - 43 - 5 * 38); // two steps less far than 1 500.00
        QCOMPARE(characterXs(c4, R).last(), R - 43);
        QVERIFY(textsOn(page, 0, QStringLiteral(" ")).size() == 1); // the space of 1 500.00 is one step
    }

    // 120 rows: 56 fit above H - 200 on a page; each page repeats the header and closes its frame
    // where it broke.
    void aLongJournalRepeatsItsHeaderOnEveryPage() {
        RecordingPage page(Width, Height);
        const PrinterFonts fonts(page);
        const JournalPrintLayout &layout = journalKind(Journal::Consultations).print;
        drawJournal(page, fonts, layout, documentOf(120, 6));
        QCOMPARE(page.pageCount(), 3);
        const int breakY = FirstRow + 56 * RowStep;
        const QList<int> bottoms{breakY, breakY, FirstRow + 8 * RowStep + 67};
        for (int sheet = 0; sheet < 3; ++sheet) {
            for (const QString &text :
                 {"JOURNAL DES CONSULTATIONS", "Période du 01/01/2024 au 31/12/2024", "MARTIN ANNE", "Etat du malade"})
                QCOMPARE(textsOn(page, sheet, text).size(), 1);
            QCOMPARE(textsOn(page, sheet, samplePracticeDetails().doctor).size(), 1); // the letterhead
            const QString firstCell = QStringLiteral("R%1C0").arg(1 + 56 * sheet);
            QCOMPARE(textsOn(page, sheet, firstCell).first()->y, FirstRow);
            QCOMPARE(textsOn(page, sheet, firstCell).first()->font, fonts.font(PrinterFont::Arial030));
            QCOMPARE(linesOn(page, sheet).last().y, bottoms[sheet]);
        }
        QCOMPARE(textsOn(page, 0, "R56C0").first()->y, FirstRow + 55 * RowStep);
    }

    void anEmptyJournalAsksNoPrinter() {
        PrintCapture capture;
        QVERIFY(!printJournal(journalKind(Journal::Analyses).print, {"01/01/2024", "31/01/2024", "", {}}));
        QCOMPARE(m_environment->messages().texts(), QStringList{"Il n'y a rien à imprimer ! "});
        QCOMPARE(capture.dialogsAsked(), 0);
    }

    void theCreditsJournalLandsOnPaper() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the printed PDF cannot be read back");
        PrintCapture capture;
        const QString pdf = QDir(m_environment->workingFolder()).filePath("credits.pdf");
        capture.toPdf(pdf);
        QVERIFY(printJournal(journalKind(Journal::Credits).print,
                             {"01/01/2024",
                              "31/12/2024",
                              "MARTIN ANNE",
                              {{"02/01/2024", "CONSULTATION", "1 500.00", "0.00", "1 500.00"},
                               {"", "               T O T A U X ... ", "1 500.00", "0.00", "1 500.00"}}}));
        const QString text = pdfText(pdf);
        for (const QString &expected : {"JOURNAL DES CREDITS", "Période du 01/01/2024 au 31/12/2024", "MARTIN ANNE",
                                        "T O T A U X", "CONSULTATION"})
            QVERIFY2(text.contains(expected), qPrintable(text));
    }

    // The last column's text, wider than the room left before the right border, wraps inside its column
    // and the row takes the lines it needs; the rows after it move down.
    void aLongCellWrapsInsideItsColumn() {
        RecordingPage page(Width, Height);
        const PrinterFonts fonts(page);
        const JournalPrintLayout &layout = journalKind(Journal::Consultations).print;
        JournalDocument document = documentOf(3, int(layout.columns.size()));
        const int stateColumn = 5; // "Etat du malade", from X(13) = 3070 to R
        document.rows[0][stateColumn] = QStringLiteral("TOUX PERSISTANTE ").repeated(20).trimmed();
        drawJournal(page, fonts, layout, document);

        QStringList pieces;
        int lines = 0;
        for (const PageOperation &text : page.operations(PageOperation::Kind::Text)) {
            if (!text.text.startsWith(QLatin1String("TOUX")) && !text.text.startsWith(QLatin1String("PERSISTANTE")))
                continue;
            QCOMPARE(text.x, 3094);
            QVERIFY2(text.x + printedWidth(fonts.font(PrinterFont::Arial030), text.text) <= R, qPrintable(text.text));
            QCOMPARE(text.y, FirstRow + lines++ * RowStep);
            pieces << text.text;
        }
        QVERIFY(lines > 1);
        QCOMPARE(pieces.join(u' '), document.rows[0][stateColumn]);
        QCOMPARE(textsOn(page, 0, "R2C0").first()->y, FirstRow + lines * RowStep);
        QCOMPARE(textsOn(page, 0, "R3C0").first()->y, FirstRow + (lines + 1) * RowStep);
    }

private:
    std::unique_ptr<TestEnvironment> m_environment;
};

QTEST_MAIN(TestJournalPrint)
#include "TestJournalPrint.moc"
