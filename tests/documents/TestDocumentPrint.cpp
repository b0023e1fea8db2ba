#include "documents/AppointmentWindow.h"
#include "documents/CalendarDateField.h"
#include "documents/DocumentPrint.h"
#include "documents/LetterWindow.h"
#include "documents/SevenLineWindow.h"
#include "print/PracticeDetails.h"
#include "print/PrinterFonts.h"
#include "print/TextWrap.h"
#include "record/ClinicalTestHelpers.h"
#include "support/PrintCapture.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>

Q_DECLARE_METATYPE(Letterhead)

namespace {

// An A4 sheet at 600 dots per inch: W = 4960, so X(1) = 236 and Y(1) = 167.
constexpr int Width = 4960;
constexpr int Height = 7016;
constexpr int TextX = 827;                                              // X(3.5)
const QList<int> SevenLineYs{1336, 1453, 1570, 1687, 1804, 1921, 2037}; // Y(8 + 0.7 k)

const QString Today = QStringLiteral("15/03/2024");
const QString NothingToPrint = QStringLiteral("Il n'y a rien à imprimer ! ");

constexpr int LetterheadBottom = 835; // Y(5)
constexpr int DateX = 3448;           // X(14.6)

// What the document draws itself: the letterhead's own texts and rules, inside its box at the top of
// the sheet, are the letterhead tests' concern; the document draws only its date there.
bool drawnByTheDocument(const PageOperation &operation) {
    return operation.y >= LetterheadBottom || (operation.kind == PageOperation::Kind::Text && operation.x == DateX);
}

QList<QLine> linesOf(const RecordingPage &page) {
    QList<QLine> lines;
    for (const PageOperation &line : page.operations(PageOperation::Kind::Line))
        if (drawnByTheDocument(line))
            lines << QLine(line.x, line.y, line.x2, line.y2);
    return lines;
}

// The texts of a page in drawing order, each with its place.
QList<std::tuple<QString, int, int>> textsOf(const RecordingPage &page) {
    QList<std::tuple<QString, int, int>> texts;
    for (const PageOperation &text : page.operations(PageOperation::Kind::Text))
        if (drawnByTheDocument(text))
            texts.append({text.text, text.x, text.y});
    return texts;
}

// How many times the practice's letterhead was drawn.
int letterheadsOn(const RecordingPage &page) {
    int count = 0;
    for (const PageOperation &text : page.operations(PageOperation::Kind::Text))
        count += text.y < LetterheadBottom && text.text == samplePracticeDetails().doctor;
    return count;
}

// The text of a printed PDF with its lines as laid out on the sheet.
QString pdfLayoutText(const QString &pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(-1);
    return QString::fromUtf8(process.readAllStandardOutput());
}

void storeSevenLines(Db file, const QString &date, const QStringList &lines) {
    storeRow(file, QStringList{"7", date, dateNumberText(date)} + asSevenLines(lines));
}

void press(QWidget &window, bool byKey) {
    if (byKey)
        QTest::keyClick(&window, Qt::Key_F4);
    else
        window.findChild<QPushButton *>("printButton")->click();
}

} // namespace

class TestDocumentPrint : public QObject {
    Q_OBJECT

private slots:
    void init() { m_program = std::make_unique<ClinicalProgram>(); }
    void cleanup() { m_program.reset(); }

    // The letterhead in its 16 x 5 box at (1, 0), the date on its line, the rule at y 6, then the
    // lines at x 3.5 every 0.7 from y 8 (y 9 under a letter's recipient at y 7).
    void drawsEachDocumentAtItsPlaces_data() {
        QTest::addColumn<Letterhead>("letterhead");
        QTest::addColumn<double>("dateY");
        QTest::addColumn<int>("printedDateY");
        QTest::newRow("certificate") << Letterhead::Certificate << 1.7 << 284;
        QTest::newRow("sick leave: the date 0.3 higher") << Letterhead::SickLeave << 1.4 << 234;
        QTest::newRow("appointment card") << Letterhead::Appointment << 1.4 << 234;
    }
    void drawsEachDocumentAtItsPlaces() {
        QFETCH(Letterhead, letterhead);
        QFETCH(double, dateY);
        QFETCH(int, printedDateY);
        const QStringList lines{"UN", "", "TROIS", "QUATRE", "CINQ", "SIX", "SEPT"};
        RecordingPage page(Width, Height);
        const PrinterFonts fonts(page);
        drawSingleDocument(page, fonts, {letterhead, dateY, Today, std::nullopt, lines});

        QCOMPARE(letterheadsOn(page), 1);
        QCOMPARE(linesOf(page), QList<QLine>{QLine(472, 1002, 4251, 1002)});
        QList<std::tuple<QString, int, int>> expected{{Today, 3448, printedDateY}};
        for (int line = 0; line < lines.size(); ++line)
            expected.append({lines[line], TextX, SevenLineYs[line]});
        QCOMPARE(textsOf(page), expected);
        for (const PageOperation &text : page.operations(PageOperation::Kind::Text)) {
            if (!drawnByTheDocument(text))
                continue;
            QCOMPARE(text.font, fonts.font(PrinterFont::Arial030));
            QCOMPARE(text.color, QColor(Qt::black));
            QCOMPARE(text.background, QColor(Qt::white));
        }
        QCOMPARE(page.pageCount(), 1);
    }

    void aLetterPrintsItsRecipientAboveItsLines() {
        RecordingPage page(Width, Height);
        drawSingleDocument(page, PrinterFonts(page), {Letterhead::Letter, 1.4, Today, "DR MARTIN", {"A", "B"}});
        QCOMPARE(letterheadsOn(page), 1);
        QCOMPARE(textsOf(page), (QList<std::tuple<QString, int, int>>{{Today, 3448, 234},
                                                                      {"DESTINATAIRE : DR MARTIN", TextX, 1169},
                                                                      {"A", TextX, 1503},
                                                                      {"B", TextX, 1620}}));
    }

    // A line wider than the rule wraps under itself; lines past the foot of the sheet go on on a new
    // sheet under the same letterhead. Nothing typed is lost.
    void longTextsStayInsideTheFrameAndOnPaper() {
        const QString word = QStringLiteral("REPOS ");
        const QString longLine = word.repeated(60).trimmed();
        RecordingPage page(Width, Height);
        const PrinterFonts fonts(page);
        drawSingleDocument(page, fonts, {Letterhead::Certificate, 1.7, Today, std::nullopt, QStringList(20, longLine)});
        const QFontMetricsF metrics(fonts.font(PrinterFont::Arial030));
        QStringList pieces;
        for (const PageOperation &text : page.operations(PageOperation::Kind::Text)) {
            if (text.text == Today || !drawnByTheDocument(text))
                continue;
            QCOMPARE(text.x, TextX);
            QVERIFY(text.x + metrics.horizontalAdvance(text.text) <= 4251);
            QVERIFY(text.y < Height - 200);
            pieces << text.text;
        }
        QVERIFY(pieces.size() > 20);
        QCOMPARE(pieces.join(' '), QStringList(20, longLine).join(' '));
        QVERIFY(page.pageCount() > 1);
        QCOMPARE(letterheadsOn(page), page.pageCount());
        QCOMPARE(linesOf(page).size(), page.pageCount());

        // A word wider than the whole line is cut where it reaches the edge.
        const QString word300 = QString(300, QLatin1Char('W'));
        const QStringList cut = wrapToWidth(word300, fonts.font(PrinterFont::Arial030), 4251 - TextX, 4251 - TextX);
        QVERIFY(cut.size() > 1);
        QCOMPARE(cut.join(QString()), word300);
    }

    // F4 and the button print the stored document of the date shown, not the lines being typed.
    void aSevenLineWindowPrintsTheStoredDocument_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<int>("dateY");
        QTest::newRow("certificate by F4") << "certificate" << true << 284;
        QTest::newRow("sick leave by button") << "sick leave" << false << 234;
    }
    void aSevenLineWindowPrintsTheStoredDocument() {
        QFETCH(QString, kind);
        QFETCH(bool, byKey);
        QFETCH(int, dateY);
        const SevenLineKind &lineKind = kind == "certificate" ? certificateKind() : sickLeaveKind();
        storeSevenLines(lineKind.table.db, Today, {"STOCKE 1", "STOCKE 2"});
        PrintCapture capture;
        capture.toRecording(Width, Height);
        SevenLineWindow window(lineKind, m_program->record);
        QVERIFY(showActive(window));
        window.findChild<QLineEdit *>("line1")->setText("PAS SAUVE");
        press(window, byKey);
        QVERIFY(m_program->environment.messages().isEmpty());
        QCOMPARE(capture.dialogsAsked(), 1);
        const RecordingPage *page = capture.lastRecording();
        QVERIFY(page && page->ended());
        QCOMPARE(page->findText(Today)->y, dateY);
        QCOMPARE(page->findText("STOCKE 1")->y, SevenLineYs[0]);
        QCOMPARE(page->findText("STOCKE 2")->y, SevenLineYs[1]);
        QVERIFY(!page->findText("PAS SAUVE"));
        QCOMPARE(textsOf(*page).size(), 8);

        // Deleted, but still listed: still printed until the document is shown again.
        QTest::keyClick(&window, Qt::Key_Delete, Qt::AltModifier);
        window.print();
        QCOMPARE(capture.dialogsAsked(), 2);
        QVERIFY(capture.lastRecording()->findText("STOCKE 1"));
    }

    void nothingListedAsksNoPrinter_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("byKey");
        QTest::newRow("certificate by F4") << "certificate" << true;
        QTest::newRow("sick leave by button") << "sick leave" << false;
        QTest::newRow("letter, date without letter, by F4") << "letter" << true;
        QTest::newRow("letter, empty date: the grey rows are no letter") << "letter, no date" << false;
        QTest::newRow("appointment, date without appointment, by button") << "appointment" << false;
    }
    void nothingListedAsksNoPrinter() {
        QFETCH(QString, window);
        QFETCH(bool, byKey);
        // Documents of other dates do not count.
        storeSevenLines(Db::Dbcertif, "01/02/2024", {"AUTRE DATE"});
        storeSevenLines(Db::Dbconge, "01/02/2024", {"AUTRE DATE"});
        storeRow(Db::DbLR, QStringList{"7", "01/02/2024", "1706745600", "DR", "OBJET"} + asSevenLines({"X"}));
        storeRow(Db::Dbrv, {"7", "01/02/2024", "1706745600", "", "VACCIN", ""});
        PrintCapture capture;
        std::unique_ptr<DocumentWindow> shown;
        if (window.startsWith("letter"))
            shown = std::make_unique<LetterWindow>(m_program->record);
        else if (window == "appointment")
            shown = std::make_unique<AppointmentWindow>(m_program->record);
        else
            shown = std::make_unique<SevenLineWindow>(window == "certificate" ? certificateKind() : sickLeaveKind(),
                                                      m_program->record);
        QVERIFY(showActive(*shown));
        if (window == "letter, no date")
            shown->findChild<QLineEdit *>("dateField")->clear();
        press(*shown, byKey);
        QCOMPARE(m_program->environment.messages().titles(), QStringList{"Erreur"});
        QCOMPARE(m_program->environment.messages().texts(), QStringList{NothingToPrint});
        QCOMPARE(capture.dialogsAsked(), 0);
    }

    // The letter of the date typed, with the recipient as it stands in its field.
    void theLetterPrintsTheListedLinesOfTheDateTyped() {
        storeRow(Db::DbLR, QStringList{"7", "02/01/2024", "1704153600", "DR A", "OBJET"} +
                               asSevenLines({"PREMIERE", "", "TROISIEME"}));
        storeRow(Db::DbLR, QStringList{"7", Today, "1710460800", "DR B", "OBJET"} + asSevenLines({"AUTRE"}));
        PrintCapture capture;
        capture.toRecording(Width, Height);
        LetterWindow window(m_program->record);
        QVERIFY(showActive(window));
        window.findChild<QLineEdit *>("dateField")->setText("02/01/2024");
        window.findChild<QLineEdit *>("recipientField")->setText("DR NON SAUVE");
        QTest::keyClick(&window, Qt::Key_F4);
        const RecordingPage *page = capture.lastRecording();
        QVERIFY(page);
        QCOMPARE(textsOf(*page), (QList<std::tuple<QString, int, int>>{{"02/01/2024", 3448, 234},
                                                                       {"DESTINATAIRE : DR NON SAUVE", TextX, 1169},
                                                                       {"PREMIERE", TextX, 1503},
                                                                       {"", TextX, 1620},
                                                                       {"TROISIEME", TextX, 1737}}));
    }

    // The card of the appointment stored for the date shown, dated today.
    void theAppointmentCardNamesThePatientTheDateTheHourAndTheReason() {
        storeRow(Db::Dbrv, {"7", "15/01/2025", "1736899200", "10H30", "CONTROLE", "NOTE DU MEDECIN"});
        PrintCapture capture;
        capture.toRecording(Width, Height);
        AppointmentWindow window(m_program->record);
        QVERIFY(showActive(window));
        clickRow(window.findChild<ReportList *>("appointmentList"), 0);
        window.findChild<QLineEdit *>("reasonField")->setText("PAS SAUVE");
        window.findChild<QPushButton *>("printButton")->click();
        QVERIFY(m_program->environment.messages().isEmpty());
        const RecordingPage *page = capture.lastRecording();
        QVERIFY(page);
        QCOMPARE(letterheadsOn(*page), 1);
        QCOMPARE(textsOf(*page),
                 (QList<std::tuple<QString, int, int>>{{Today, 3448, 234},
                                                       {"PATIENT : DUPONT JEAN", TextX, 1336},
                                                       {"DATE DU RENDEZ-VOUS : 15/01/2025", TextX, 1453},
                                                       {"HEURE : 10H30", TextX, 1570},
                                                       {"MOTIF : CONTROLE", TextX, 1687}}));
    }

    // On paper: one page holding the date and the lines.
    void aCertificateReachesPaper() {
        storeSevenLines(Db::Dbcertif, Today, {"CERTIFIE APTE AU SPORT", "L'ENFANT \"DUPONT\"; SANS RESERVE"});
        PrintCapture capture;
        const QString pdf = m_program->environment.workingFolder() + QStringLiteral("/certificat.pdf");
        capture.toPdf(pdf);
        SevenLineWindow window(certificateKind(), m_program->record);
        window.print();
        const QString text = pdfLayoutText(pdf);
        QVERIFY2(text.contains("CERTIFIE APTE AU SPORT"), qPrintable(text));
        QVERIFY(text.contains("L'ENFANT \"DUPONT\"; SANS RESERVE"));
        QVERIFY(text.contains(Today));
        QCOMPARE(text.count(QLatin1Char('\f')), 1);
    }

private:
    std::unique_ptr<ClinicalProgram> m_program;
};

QTEST_MAIN(TestDocumentPrint)
#include "TestDocumentPrint.moc"
