#include "ClinicalTestHelpers.h"
#include "print/PracticeDetails.h"
#include "print/PrinterFonts.h"
#include "print/TextWrap.h"
#include "record/DatedLinePrint.h"
#include "record/DatedLineWindow.h"
#include "support/PrintCapture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>

namespace {

// An A4 sheet at 600 dots per inch: W = 4960, so X(1) = 236 and Y(1) = 167.
constexpr int Width = 4960;
constexpr int Height = 7016;
constexpr int FrameBottom = 3340; // Y(20)

const QString NothingToPrint = QStringLiteral("Il n'y a rien à imprimer ! ");

DatedLineDocument prescriptionOf(int lineCount) {
    DatedLineDocument document{"15/03/2024", "DUPONT JEAN", "45 ans", "P  R  E  S  C  R  I  P  T  I  O  N", {}};
    for (int i = 1; i <= lineCount; ++i)
        document.lines.append({QStringLiteral("MEDICAMENT %1").arg(i), QStringLiteral("%1 CP").arg(i)});
    return document;
}

// The texts of one sheet of a recording, in drawing order.
QList<PageOperation> textsOnSheet(const RecordingPage &page, int sheet) {
    QList<PageOperation> texts;
    for (const PageOperation &operation : page.operations(PageOperation::Kind::Text))
        if (operation.page == sheet)
            texts << operation;
    return texts;
}

const PageOperation *textAt(const RecordingPage &page, int x, int y) {
    for (const PageOperation &operation : page.operations())
        if (operation.kind == PageOperation::Kind::Text && operation.x == x && operation.y == y)
            return &operation;
    return nullptr;
}

} // namespace

class TestPrescriptionPrint : public QObject {
    Q_OBJECT

private slots:
    void init() { m_program = std::make_unique<ClinicalProgram>(); }
    void cleanup() { m_program.reset(); }

    void drawsEachTextAtItsPlace_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("font");
        // L = X(2) = 472, M = X(3.5) = 827; the patient box starts at Y(4) + Y(3) = 1169, the band at
        // T = 1169 + Y(1.5) + Y(0.03) = 1425, its titles at T + Y(0.3) = 1475, the lines from 1475 + Y(1.5).
        QTest::newRow("date") << "15/03/2024" << 3448 << 354 << PrinterFont::Arial030;
        QTest::newRow("name title") << "NOM ET PRENOMS:  M.  " << 590 << 1236 << PrinterFont::Verdana030Bold;
        QTest::newRow("name") << "DUPONT JEAN" << 1653 << 1236 << PrinterFont::Arial030;
        QTest::newRow("age title") << "Age: " << 3542 << 1236 << PrinterFont::Verdana030Bold;
        QTest::newRow("age") << "45 ans" << 3779 << 1236 << PrinterFont::Arial030;
        QTest::newRow("number title") << "N°" << 566 << 1475 << PrinterFont::Verdana030Bold;
        QTest::newRow("band title") << "P  R  E  S  C  R  I  P  T  I  O  N" << 1866 << 1475
                                    << PrinterFont::Verdana030Bold;
        QTest::newRow("first number") << "1" << 566 << 1726 << PrinterFont::Arial030;
        QTest::newRow("first line") << "MEDICAMENT 1    1 CP" << 874 << 1726 << PrinterFont::Arial030;
        QTest::newRow("14th line, above the frame's bottom")
            << "MEDICAMENT 14    14 CP" << 874 << 1726 + 13 * 117 << PrinterFont::Arial030;
    }
    void drawsEachTextAtItsPlace() {
        QFETCH(QString, text);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, font);
        RecordingPage page(Width, Height);
        const PrinterFonts fonts(page);
        drawDatedLineDocument(page, fonts, prescriptionOf(14));
        const PageOperation *drawn = page.findText(text);
        QVERIFY2(drawn, qPrintable(text));
        QCOMPARE(QPoint(drawn->x, drawn->y), QPoint(x, y));
        QCOMPARE(drawn->font, fonts.font(font));
        QCOMPARE(drawn->color, QColor(Qt::black));
        QCOMPARE(drawn->background, QColor(Qt::white));
        QCOMPARE(page.pageCount(), 1);
    }

    void drawsTheLetterheadTheBoxesAndAFrameOfFixedHeight() {
        RecordingPage page(Width, Height);
        drawDatedLineDocument(page, PrinterFonts(page), prescriptionOf(14));
        QCOMPARE(page.pageCount(), 1);
        // The letterhead: the practice's name, and its rules inside its 16 x 5 box at the top left.
        QVERIFY(page.findText(samplePracticeDetails().doctor));
        const QRect letterhead(236, 0, 3779 + 1, 835); // a rule may run to the box's right edge
        QList<QLine> lines;
        for (const PageOperation &line : page.operations(PageOperation::Kind::Line)) {
            if (line.y < letterhead.bottom())
                QVERIFY(letterhead.contains(line.x, line.y) && letterhead.contains(line.x2, line.y2));
            else
                lines << QLine(line.x, line.y, line.x2, line.y2);
        }
        const QList<QLine> expected{// the patient box, Y(1.4) high
                                    {472, 1169, 4251, 1169},
                                    {472, 1403, 4251, 1403},
                                    {472, 1169, 472, 1403},
                                    {4251, 1169, 4251, 1403},
                                    // the band of titles, the borders, the column separator, the bottom
                                    {472, 1425, 4251, 1425},
                                    {472, 1592, 4251, 1592},
                                    {472, 1425, 472, FrameBottom},
                                    {827, 1425, 827, FrameBottom},
                                    {4251, 1425, 4251, FrameBottom},
                                    {472, FrameBottom, 4251, FrameBottom}};
        QCOMPARE(lines, expected);
        QVERIFY(page.findText("MEDICAMENT 14    14 CP")->y < FrameBottom);
    }

    void linesThatDoNotFitContinueOnANewSheet_data() {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("sheets");
        QTest::newRow("15 lines") << 15 << 2;
        QTest::newRow("20 lines") << 20 << 2;
        QTest::newRow("40 lines") << 40 << 3;
    }
    void linesThatDoNotFitContinueOnANewSheet() {
        QFETCH(int, lineCount);
        QFETCH(int, sheets);
        RecordingPage page(Width, Height);
        drawDatedLineDocument(page, PrinterFonts(page), prescriptionOf(lineCount));
        QCOMPARE(page.pageCount(), sheets);
        int printed = 0;
        for (int sheet = 0; sheet < sheets; ++sheet) {
            // Each sheet repeats the letterhead, the date, the patient and the band, and closes its frame.
            int letterheads = 0;
            for (const PageOperation &text : page.operations(PageOperation::Kind::Text))
                letterheads += text.page == sheet && text.text == samplePracticeDetails().doctor;
            QCOMPARE(letterheads, 1);
            QStringList texts;
            for (const PageOperation &text : textsOnSheet(page, sheet)) {
                texts << text.text;
                QVERIFY2(text.y + 84 <= FrameBottom, qPrintable(text.text)); // nothing below the frame
                if (text.text.startsWith(QLatin1String("MEDICAMENT ")))
                    QCOMPARE(text.y, 1726 + (printed++ - 14 * sheet) * 117);
            }
            for (const QString header : {"15/03/2024", "DUPONT JEAN", "45 ans", "P  R  E  S  C  R  I  P  T  I  O  N"})
                QVERIFY2(texts.contains(header), qPrintable(header));
            bool frameClosed = false;
            for (const PageOperation &line : page.operations(PageOperation::Kind::Line))
                frameClosed |= line.page == sheet && line.y == FrameBottom && line.y2 == FrameBottom;
            QVERIFY(frameClosed);
        }
        QCOMPARE(printed, lineCount);
        // The numbering goes on across the sheets.
        QCOMPARE(textAt(page, 566, 1726)->text, QStringLiteral("1"));
        const PageOperation *fifteenth = page.findText("MEDICAMENT 15    15 CP");
        QCOMPARE(fifteenth->page, 1);
        QCOMPARE(fifteenth->y, 1726);
    }

    void aLineTooWideForTheFrameWrapsInsideIt() {
        DatedLineDocument document = prescriptionOf(2);
        QString designation;
        for (int word = 0; designation.size() < 250; ++word)
            designation += QStringLiteral("COMPOSANT%1 ").arg(word);
        designation = designation.left(250);
        document.lines[0].designation = designation;
        RecordingPage page(Width, Height);
        const PrinterFonts fonts(page);
        drawDatedLineDocument(page, fonts, document);

        const QFont &regular = fonts.font(PrinterFont::Arial030);
        QStringList pieces;
        int lastY = 0;
        for (const PageOperation &text : page.operations(PageOperation::Kind::Text)) {
            if (text.x < 827 || text.y < 1726)
                continue; // the header
            QVERIFY2(text.x + printedWidth(regular, text.text) <= 4251, qPrintable(text.text));
            QVERIFY(text.y > lastY);
            lastY = text.y;
            pieces << text.text;
        }
        QVERIFY(pieces.size() > 2);
        QCOMPARE(pieces.first().left(10), designation.left(10));
        QVERIFY(pieces.join(u' ').startsWith(designation.trimmed()));
        QCOMPARE(pieces.last(), QStringLiteral("MEDICAMENT 2    2 CP"));
        // The second line is numbered 2 where it starts, after the wrapped first one.
        QCOMPARE(textAt(page, 566, page.findText(pieces.last())->y)->text, QStringLiteral("2"));
    }

    // F4 and the button print the act date's lines with the patient of the record header.
    void theWindowPrintsItsLinesUnderItsTitle_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<QString>("bandTitle");
        QTest::addColumn<QStringList>("printed");
        QTest::newRow("prescription by F4") << "prescription" << true << "P  R  E  S  C  R  I  P  T  I  O  N"
                                            << QStringList{"DOLIPRANE 1G    1 CP MATIN", "SIROP    1 C SOIR"};
        QTest::newRow("prescription by button") << "prescription" << false << "P  R  E  S  C  R  I  P  T  I  O  N"
                                                << QStringList{"DOLIPRANE 1G    1 CP MATIN", "SIROP    1 C SOIR"};
        QTest::newRow("analyses, a line without result")
            << "analyses" << true << "A  N  A  L  Y  S  E  S" << QStringList{"DOLIPRANE 1G    1 CP MATIN", "SIROP"};
        QTest::newRow("radiology") << "radiology" << false << "R  A  D  I  O  L  O  G  I  E"
                                   << QStringList{"DOLIPRANE 1G    1 CP MATIN", "SIROP"};
    }
    void theWindowPrintsItsLinesUnderItsTitle() {
        QFETCH(QString, kind);
        QFETCH(bool, byKey);
        QFETCH(QString, bandTitle);
        QFETCH(QStringList, printed);
        const DatedLineKind &lineKind = kind == "analyses"    ? analysesKind()
                                        : kind == "radiology" ? radiologyKind()
                                                              : prescriptionKind();
        PrintCapture capture;
        capture.toRecording(Width, Height);
        DatedLineWindow window(lineKind, m_program->record);
        QVERIFY(showActive(window));
        for (const QString &line : printed) {
            const QStringList texts = line.split(QStringLiteral("    "));
            window.findChild<QLineEdit *>("firstField")->setText(texts[0]);
            window.findChild<QLineEdit *>("secondField")->setText(texts.value(1));
            window.save();
        }
        if (byKey)
            QTest::keyClick(&window, Qt::Key_F4);
        else
            window.findChild<QPushButton *>("printButton")->click();
        QVERIFY(m_program->environment.messages().isEmpty());
        QCOMPARE(capture.dialogsAsked(), 1);
        const RecordingPage *page = capture.lastRecording();
        QVERIFY(page && page->ended());
        QVERIFY(page->findText("DUPONT JEAN"));
        QVERIFY(page->findText("45 ans"));
        QVERIFY(page->findText("15/03/2024"));
        QVERIFY(page->findText(bandTitle));
        for (int i = 0; i < printed.size(); ++i) {
            const PageOperation *line = page->findText(printed[i]);
            QVERIFY2(line, qPrintable(printed[i]));
            QCOMPARE(line->y, 1726 + i * 117);
            QVERIFY(textAt(*page, 566, line->y)->text == QString::number(i + 1));
        }
    }

    void theDateOfTheSheetIsTheChosenDate() {
        storeRow(Db::Dbord, {"7", "01/02/2024", "1706745600", "1", "AMOXICILLINE", "1 G"});
        PrintCapture capture;
        capture.toRecording(Width, Height);
        DatedLineWindow window(prescriptionKind(), m_program->record);
        chooseDate(window.findChild<QComboBox *>("dateChooser"), "01/02/2024");
        window.print();
        QVERIFY(capture.lastRecording()->findText("01/02/2024"));
        QVERIFY(capture.lastRecording()->findText("AMOXICILLINE    1 G"));
        QVERIFY(!capture.lastRecording()->findText("15/03/2024"));
    }

    void nothingToPrintAsksNoPrinter_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("F4") << true;
        QTest::newRow("button") << false;
    }
    void nothingToPrintAsksNoPrinter() {
        QFETCH(bool, byKey);
        PrintCapture capture;
        DatedLineWindow window(prescriptionKind(), m_program->record);
        QVERIFY(showActive(window));
        if (byKey)
            QTest::keyClick(&window, Qt::Key_F4);
        else
            window.findChild<QPushButton *>("printButton")->click();
        QCOMPARE(m_program->environment.messages().titles(), QStringList{"Erreur"});
        QCOMPARE(m_program->environment.messages().texts(), QStringList{NothingToPrint});
        QCOMPARE(capture.dialogsAsked(), 0);
    }

    void aCancelledDialogPrintsNothing() {
        storeRow(Db::Dbord, {"7", "15/03/2024", "1710460800", "1", "DOLIPRANE", "1 CP"});
        PrintCapture capture;
        capture.cancel();
        DatedLineWindow window(prescriptionKind(), m_program->record);
        window.print();
        QCOMPARE(capture.dialogsAsked(), 1);
        QVERIFY(capture.recordings().empty());
        QVERIFY(m_program->environment.messages().isEmpty());
    }

    void aPrintedSheetCarriesThePatientAndTheLines() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the printed PDF cannot be read back");
        storeRow(Db::Dbord, {"7", "15/03/2024", "1710460800", "1", "DOLIPRANE 1G", "1 CP MATIN ET SOIR"});
        storeRow(Db::Dbord, {"7", "15/03/2024", "1710460800", "2", "AMOXICILLINE 500", "2 GELULES PAR JOUR"});
        // The letterhead is the practice's own, drawn as text.
        setPracticeDetails({"Cabinet Médical des Lilas", "Pédiatrie", "3, allée de l'Orangerie", "44000 Nantes",
                            "Tél. : 02 40 11 22 33", ""});
        const QString pdf = m_program->environment.workingFolder() + QStringLiteral("/ordonnance.pdf");
        PrintCapture capture;
        capture.toPdf(pdf);
        DatedLineWindow window(prescriptionKind(), m_program->record);
        window.print();
        const QString text = pdfText(pdf);
        for (const QString expected :
             {"Cabinet Médical des Lilas", "Pédiatrie", "3, allée de l'Orangerie", "44000 Nantes",
              "Tél. : 02 40 11 22 33", "DATE :", "DUPONT JEAN", "45 ans", "15/03/2024", "NOM ET PRENOMS: M.",
              "Age:", "DOLIPRANE 1G 1 CP MATIN ET SOIR", "AMOXICILLINE 500 2 GELULES PAR JOUR"})
            QVERIFY2(text.contains(expected), qPrintable(expected + " not in: " + text));
    }

private:
    std::unique_ptr<ClinicalProgram> m_program;
};

QTEST_MAIN(TestPrescriptionPrint)
#include "TestPrescriptionPrint.moc"
