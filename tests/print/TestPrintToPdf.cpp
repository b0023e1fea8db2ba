#include "print/Letterheads.h"
#include "print/PrintFlow.h"
#include "print/ScreenFonts.h"
#include "print/Units.h"
#include "support/PrintCapture.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

namespace {

struct Word {
    int page = 0;
    QRectF box; // in PDF points from the top-left corner of the sheet
};

QString runTool(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every word of the PDF with its box, as pdftotext -bbox reports it.
QMultiMap<QString, Word> wordsOf(const QString &pdf) {
    const QString xhtml = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression pattern(QStringLiteral(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QMultiMap<QString, Word> words;
    int page = -1;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(xhtml)) {
        if (match.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        const QPointF topLeft(match.captured(1).toDouble(), match.captured(2).toDouble());
        const QPointF bottomRight(match.captured(3).toDouble(), match.captured(4).toDouble());
        words.insert(match.captured(5), Word{page, QRectF(topLeft, bottomRight)});
    }
    return words;
}

// Where the sample document put things, in device pixels of its page.
struct Layout {
    int width = 0;
    int resolution = 0;
    QPoint name;
    int namePixels = 0;
    QRect blackPicture;
    QPoint boxedText;
    QFont boxedFont;
};

// Letterhead, title block, a body line, text over a black picture, and a second page whose text
// keeps the font of the first.
Layout drawSampleDocument(Page &page, const PrinterFonts &fonts, int resolution) {
    const Units u(page);
    Layout layout{page.width(), resolution, {}, 0, {}, {}, {}};
    drawLetterhead(page, Letterhead::Prescription);
    page.setFont(fonts.font(PrinterFont::Arial030));
    page.drawText(u.x(14.6), u.y(2.12), QStringLiteral("15/03/2024"));
    const int y = u.y(7);
    page.drawLine(u.x(2), y, u.x(18), y);
    page.setFont(fonts.font(PrinterFont::Verdana030Bold));
    page.drawText(u.x(2.5), y + u.y(0.4), QStringLiteral("NOM ET PRENOMS:"));
    page.setFont(fonts.font(PrinterFont::Arial030));
    layout.name = QPoint(u.x(7), y + u.y(0.4));
    layout.namePixels = fonts.font(PrinterFont::Arial030).pixelSize();
    page.drawText(layout.name.x(), layout.name.y(), QStringLiteral("DUPONT"));

    QPixmap black(40, 20);
    black.fill(Qt::black);
    layout.blackPicture = QRect(u.x(2), u.y(10), u.x(12), u.y(3));
    page.drawPicture(layout.blackPicture.x(), layout.blackPicture.y(), layout.blackPicture.width(),
                     layout.blackPicture.height(), black);
    layout.boxedFont = fonts.font(91);
    page.setFont(layout.boxedFont);
    layout.boxedText = QPoint(u.x(4), u.y(11));
    page.drawText(layout.boxedText.x(), layout.boxedText.y(), QStringLiteral("MMMM"));

    page.setFont(fonts.font(PrinterFont::Arial030));
    page.newPage();
    page.drawText(u.x(2), u.y(2), QStringLiteral("SUITE"));
    return layout;
}

} // namespace

class TestPrintToPdf : public QObject {
    Q_OBJECT

private slots:
    void init() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the printed PDF cannot be read back");
        m_env = std::make_unique<TestEnvironment>();
        m_capture = std::make_unique<PrintCapture>();
    }
    void cleanup() {
        m_capture.reset();
        m_env.reset();
    }

    void textsLandOnPaperWhereTheLayoutPutsThem_data() {
        QTest::addColumn<int>("resolution");
        QTest::newRow("600 dpi") << 600;
        QTest::newRow("300 dpi") << 300;
    }
    void textsLandOnPaperWhereTheLayoutPutsThem() {
        QFETCH(int, resolution);
        const QString pdf = m_env->workingFolder() + QStringLiteral("/document.pdf");
        m_capture->toPdf(pdf, resolution);
        Layout layout;
        QVERIFY(printDocument(
            1, [&](Page &page, const PrinterFonts &fonts) { layout = drawSampleDocument(page, fonts, resolution); }));
        QVERIFY(m_env->messages().isEmpty());

        const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Print-Doc\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));
        // A4 at this resolution, printed without margins: the whole sheet width is printable.
        QVERIFY2(qAbs(layout.width - 210.0 / 25.4 * resolution) < 0.5 * resolution / 72.0 + 1,
                 qPrintable(QString::number(layout.width)));

        const QMultiMap<QString, Word> words = wordsOf(pdf);
        for (const char *text : {"15/03/2024", "NOM", "PRENOMS:", "DUPONT", "MMMM", "SUITE"})
            QVERIFY2(words.contains(QLatin1String(text)), text);
        QCOMPARE(words.value(QStringLiteral("SUITE")).page, 1);

        const double pointsPerPixel = 72.0 / resolution;
        const Word name = words.value(QStringLiteral("DUPONT"));
        QCOMPARE(name.page, 0);
        QVERIFY2(qAbs(name.box.left() - layout.name.x() * pointsPerPixel) < 1.0,
                 qPrintable(QString::number(name.box.left())));
        QVERIFY2(qAbs(name.box.top() - layout.name.y() * pointsPerPixel) < 2.0,
                 qPrintable(QString::number(name.box.top())));
        // The font is as many device pixels tall as asked: 67 pixels at 600 dpi are 8 points on paper.
        const double em = layout.namePixels * pointsPerPixel;
        QVERIFY2(name.box.height() > 0.9 * em && name.box.height() < 1.5 * em,
                 qPrintable(QStringLiteral("%1 for %2").arg(name.box.height()).arg(em)));
        // A new page keeps the font.
        QVERIFY(qAbs(words.value(QStringLiteral("SUITE")).box.height() - name.box.height()) < 0.01);
    }

    // The same document on printers of different resolutions comes out the same size on paper.
    void twoResolutionsGiveTheSameSheet() {
        QMap<int, QMultiMap<QString, Word>> sheets;
        for (int resolution : {600, 300}) {
            const QString pdf = m_env->workingFolder() + QStringLiteral("/document-%1.pdf").arg(resolution);
            m_capture->toPdf(pdf, resolution);
            QVERIFY(printDocument(
                1, [&](Page &page, const PrinterFonts &fonts) { drawSampleDocument(page, fonts, resolution); }));
            sheets.insert(resolution, wordsOf(pdf));
        }
        QCOMPARE(sheets[300].keys(), sheets[600].keys());
        for (const QString &text : sheets[600].keys()) {
            const QRectF fine = sheets[600].value(text).box;
            const QRectF coarse = sheets[300].value(text).box;
            QVERIFY2(qAbs(fine.left() - coarse.left()) < 1.0 && qAbs(fine.top() - coarse.top()) < 1.0 &&
                         qAbs(fine.width() - coarse.width()) < 1.5 && qAbs(fine.height() - coarse.height()) < 1.0,
                     qPrintable(text));
        }
    }

    void textIsBlackOnItsOwnWhiteBox() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed: the printed page cannot be looked at");
        const QString pdf = m_env->workingFolder() + QStringLiteral("/boxes.pdf");
        m_capture->toPdf(pdf, 600);
        Layout layout;
        QVERIFY(printDocument(
            1, [&](Page &page, const PrinterFonts &fonts) { layout = drawSampleDocument(page, fonts, 600); }));
        const QString image = m_env->workingFolder() + QStringLiteral("/boxes");
        runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("150"),
                                             QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                             QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, image});
        const QImage sheet(image + QStringLiteral(".png"));
        QVERIFY(!sheet.isNull());
        const double scale = 150.0 / 600.0;
        const auto at = [&](double x, double y) { return sheet.pixelColor(qRound(x * scale), qRound(y * scale)); };
        const auto isDark = [](const QColor &c) { return c.red() < 80 && c.green() < 80 && c.blue() < 80; };
        const auto isWhite = [](const QColor &c) { return c.red() > 220 && c.green() > 220 && c.blue() > 220; };

        // The picture is black around the text...
        QVERIFY(isDark(at(layout.blackPicture.left() + 20, layout.blackPicture.top() + 20)));
        // ...and the text cell is white below the baseline (no descender in "MMMM")...
        const QFontMetricsF metrics(layout.boxedFont);
        const QPointF cell = layout.boxedText;
        QVERIFY(isWhite(at(cell.x() + metrics.horizontalAdvance(QStringLiteral("MMMM")) / 2,
                           cell.y() + metrics.ascent() + metrics.descent() / 2)));
        // ...with black letters across its middle.
        int dark = 0, white = 0;
        for (double x = cell.x(); x < cell.x() + metrics.horizontalAdvance(QStringLiteral("MMMM")); x += 4) {
            const QColor colour = at(x, cell.y() + metrics.ascent() * 0.6);
            dark += isDark(colour);
            white += isWhite(colour);
        }
        QVERIFY2(dark > 0 && white > 0, qPrintable(QStringLiteral("%1 dark, %2 white").arg(dark).arg(white)));
    }

    void aJobThatCannotStartEndsQuietly() {
        m_capture->toPdf(m_env->workingFolder() + QStringLiteral("/no such folder/document.pdf"));
        bool drawn = false;
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY(!printDocument(1, [&](Page &, const PrinterFonts &) { drawn = true; }));
        QVERIFY(!drawn);
        QCOMPARE(m_capture->dialogsAsked(), 1);
        QVERIFY(m_env->messages().isEmpty());
    }

    void printingLeavesTheWindowsScreenFontsAlone() {
        QLabel label(QStringLiteral("Patient"));
        label.setFont(screenFont(ScreenFont::Arial8Bold));
        label.show();
        const QFont before = label.font();
        const QSize sizeBefore = label.sizeHint();
        const QFont applicationFont = QApplication::font();

        m_capture->toPdf(m_env->workingFolder() + QStringLiteral("/fonts.pdf"));
        QVERIFY(printDocument(1, [](Page &page, const PrinterFonts &fonts) {
            for (int number : fonts.numbers()) {
                page.setFont(fonts.font(number));
                page.drawText(0, 0, QStringLiteral("Patient"));
            }
        }));

        QCOMPARE(label.font(), before);
        QCOMPARE(label.sizeHint(), sizeBefore);
        QCOMPARE(QApplication::font(), applicationFont);
        const QFont &font48 = screenFont(ScreenFont::Arial8Bold);
        QCOMPARE(font48, before);
        QCOMPARE(font48.family(), QStringLiteral("arial"));
        QCOMPARE(font48.pointSize(), 8);
        QVERIFY(font48.bold());
    }

private:
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<PrintCapture> m_capture;
};

QTEST_MAIN(TestPrintToPdf)
#include "TestPrintToPdf.moc"
