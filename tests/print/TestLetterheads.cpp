#include "print/Letterheads.h"
#include "print/PracticeDetails.h"
#include "print/RecordingPage.h"
#include "print/Units.h"
#include "ui/Pictures.h"

#include <QtTest>

Q_DECLARE_METATYPE(Letterhead)

namespace {

const PracticeDetails Lilas{"Cabinet Médical des Lilas", "Pédiatrie",
                            "3, allée de l'Orangerie",   "44000 Nantes",
                            "Tél. : 02 40 11 22 33",     "Consultations sur rendez-vous"};

// A text's cell, measured with the font it was drawn in.
QRect cellOf(const PageOperation &text) {
    const QFontMetrics metrics(text.font);
    return QRect(text.x, text.y, metrics.horizontalAdvance(text.text), metrics.height());
}

// Everything drawn on the page: texts by their cell, lines by their ends.
QRect drawnArea(const RecordingPage &page) {
    QRect area;
    for (const PageOperation &drawn : page.operations()) {
        if (drawn.kind == PageOperation::Kind::Text) {
            area |= cellOf(drawn);
        } else if (drawn.kind == PageOperation::Kind::Line) {
            area |= QRect(QPoint(drawn.x, drawn.y), QPoint(drawn.x2, drawn.y2)).normalized();
        }
    }
    return area;
}

QStringList textsOf(const RecordingPage &page) {
    QStringList texts;
    for (const PageOperation &drawn : page.operations(PageOperation::Kind::Text))
        texts << drawn.text;
    return texts;
}

} // namespace

class TestLetterheads : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setPracticeDetails(samplePracticeDetails()); }

    // Each letterhead keeps the place and size its picture had: everything it draws lies in its box, and its
    // rule runs across the box.
    void eachLetterheadIsDrawnInItsBoxAtTheTopLeft_data() {
        QTest::addColumn<Letterhead>("letterhead");
        QTest::addColumn<int>("width");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QString>("title");
        // 16 x 5 units at (1, 0) and W = 4960: 3779 x 835 pixels from x 236; 20 x 4: 4724 x 668. At W = 2480 half.
        QTest::newRow("prescription") << Letterhead::Prescription << 4960 << QRect(236, 0, 3779, 835) << "ORDONNANCE";
        QTest::newRow("medical certificate")
            << Letterhead::Certificate << 4960 << QRect(236, 0, 3779, 835) << "CERTIFICAT MEDICAL";
        QTest::newRow("sick leave") << Letterhead::SickLeave << 4960 << QRect(236, 0, 3779, 835) << "CONGE DE MALADIE";
        QTest::newRow("letter") << Letterhead::Letter << 4960 << QRect(236, 0, 3779, 835) << "LETTRE DE RECOMMANDATION";
        QTest::newRow("journals") << Letterhead::Journals << 4960 << QRect(236, 0, 4724, 668) << "";
        QTest::newRow("prescription at 300 dpi")
            << Letterhead::Prescription << 2480 << QRect(118, 0, 1890, 418) << "ORDONNANCE";
        QTest::newRow("journals at 300 dpi") << Letterhead::Journals << 2480 << QRect(118, 0, 2362, 334) << "";
    }
    void eachLetterheadIsDrawnInItsBoxAtTheTopLeft() {
        QFETCH(Letterhead, letterhead);
        QFETCH(int, width);
        QFETCH(QRect, box);
        QFETCH(QString, title);
        const LetterheadDescriptor &descriptor = letterheadDescriptor(letterhead);
        const Units u(width);
        QCOMPARE(QRect(u.x(LetterheadX), u.y(LetterheadY), u.x(descriptor.width), u.y(descriptor.height)), box);

        // Details far longer than a line are drawn smaller, never past the box or over each other.
        const QString longLine =
            QStringLiteral("Centre de santé pluridisciplinaire de l'Hôpital Saint-Éloi ").repeated(2);
        const PracticeDetails longDetails{longLine, longLine, longLine, longLine, longLine, longLine};
        for (const PracticeDetails &details : {samplePracticeDetails(), Lilas, longDetails}) {
            setPracticeDetails(details);
            RecordingPage page(width, width * 297 / 210);
            drawLetterhead(page, letterhead);
            QVERIFY(page.operations(PageOperation::Kind::Picture).isEmpty());
            const QRect area = drawnArea(page);
            // A right-aligned text may end a rounding's pixel or two past the box.
            QVERIFY2(
                box.adjusted(0, 0, 3, 0).contains(area),
                qPrintable(
                    QStringLiteral("%1,%2 %3x%4").arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height())));
            const QList<PageOperation> texts = page.operations(PageOperation::Kind::Text);
            for (int i = 0; i < texts.size(); ++i)
                for (int j = i + 1; j < texts.size(); ++j)
                    QVERIFY2(!cellOf(texts[i]).intersects(cellOf(texts[j])),
                             qPrintable(texts[i].text + " / " + texts[j].text));
            // The practice's rule spans nearly the whole box.
            int longest = 0;
            for (const PageOperation &line : page.operations(PageOperation::Kind::Line))
                longest = std::max(longest, line.x2 - line.x);
            QVERIFY(longest > box.width() * 0.9);

            const QStringList drawnTexts = textsOf(page);
            for (const QString &detail : {details.doctor, details.speciality, details.addressLine1,
                                          details.addressLine2, details.telephone, details.freeLine})
                QVERIFY2(drawnTexts.contains(detail), qPrintable(detail));
            QCOMPARE(drawnTexts.contains(title), !title.isEmpty());
            QCOMPARE(drawnTexts.contains(QStringLiteral("DATE :")), !title.isEmpty());
        }
    }

    // The doctor's name is drawn as text in the practice's own words, in bold, where the sample was.
    void theTypedNameIsPrintedInThePrescriptionLetterhead() {
        RecordingPage sample(4960, 7016);
        drawLetterhead(sample, Letterhead::Prescription);
        setPracticeDetails(Lilas);
        RecordingPage typed(4960, 7016);
        drawLetterhead(typed, Letterhead::Prescription);
        const PageOperation *name = typed.findText(QStringLiteral("Cabinet Médical des Lilas"));
        QVERIFY(name);
        QVERIFY(name->font.bold());
        QVERIFY(!typed.findText(samplePracticeDetails().doctor));
        const PageOperation *sampleName = sample.findText(samplePracticeDetails().doctor);
        QVERIFY(sampleName);
        QCOMPARE(QPoint(name->x, name->y), QPoint(sampleName->x, sampleName->y));
    }

    // "DATE :" ends just before the date each document prints at x 14.6, on the date's line.
    void theDateLabelSitsOnTheDocumentsDateLine_data() {
        QTest::addColumn<Letterhead>("letterhead");
        QTest::addColumn<double>("dateTop");
        QTest::newRow("prescription") << Letterhead::Prescription << 2.12;
        QTest::newRow("medical certificate") << Letterhead::Certificate << 1.7;
        QTest::newRow("sick leave") << Letterhead::SickLeave << 1.4;
        QTest::newRow("letter") << Letterhead::Letter << 1.4;
    }
    void theDateLabelSitsOnTheDocumentsDateLine() {
        QFETCH(Letterhead, letterhead);
        QFETCH(double, dateTop);
        RecordingPage page(4960, 7016);
        drawLetterhead(page, letterhead);
        const PageOperation *label = page.findText(QStringLiteral("DATE :"));
        QVERIFY(label);
        const Units u(page);
        QCOMPARE(label->y, u.y(dateTop));
        const int end = label->x + QFontMetrics(label->font).horizontalAdvance(label->text);
        QVERIFY2(end < u.x(14.6) && end > u.x(14.2), qPrintable(QString::number(end)));
    }

    // An empty detail leaves its place empty: no blank text cell covers what the document prints there.
    void anEmptyDetailDrawsNothing() {
        PracticeDetails details = Lilas;
        details.addressLine2.clear();
        details.freeLine = QStringLiteral("   ");
        setPracticeDetails(details);
        for (Letterhead letterhead : {Letterhead::Prescription, Letterhead::Journals}) {
            RecordingPage page(4960, 7016);
            drawLetterhead(page, letterhead);
            for (const QString &text : textsOf(page))
                QVERIFY(!text.trimmed().isEmpty());
            QVERIFY(page.findText(details.telephone));
        }
    }

    void aNewPageGetsTheLetterheadAgainAtTheSamePlace() {
        RecordingPage page(4960, 7016);
        drawLetterhead(page, Letterhead::Journals);
        const int firstPageOperations = page.operations().size();
        page.newPage();
        drawLetterhead(page, Letterhead::Journals);
        const QList<PageOperation> &operations = page.operations();
        QCOMPARE(operations.size(), 2 * firstPageOperations + 1);
        for (int i = 0; i < firstPageOperations; ++i) {
            const PageOperation &first = operations[i];
            const PageOperation &again = operations[firstPageOperations + 1 + i];
            QCOMPARE(again.page, 1);
            QCOMPARE(again.text, first.text);
            QCOMPARE(QRect(QPoint(again.x, again.y), QPoint(again.x2, again.y2)),
                     QRect(QPoint(first.x, first.y), QPoint(first.x2, first.y2)));
        }
    }

    // The picture tool draws a sample picture of each letterhead from the same rows; the program carries them.
    void eachLetterheadHasItsSamplePicture() {
        loadPictures();
        for (const LetterheadDescriptor &descriptor : letterheadDescriptors())
            QCOMPARE(picture(descriptor.picture).size(), QSize(descriptor.pictureWidth, descriptor.pictureHeight));
    }
};

QTEST_MAIN(TestLetterheads)
#include "TestLetterheads.moc"
