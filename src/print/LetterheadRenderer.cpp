#include "print/LetterheadRenderer.h"

#include "print/Letterheads.h"
#include "print/Page.h"
#include "print/PracticeDetails.h"
#include "print/Units.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>

namespace {

const QColor Ink(0x1c, 0x25, 0x30);
const QColor Navy(0x1f, 0x3a, 0x5f);
const QColor Teal(0x0b, 0x5e, 0x56);
const QColor AccentRule(0x1b, 0x4b, 0x85);
// The journals draw their table rules in this light blue; their letterhead's rule matches them.
const QColor JournalRule(87, 192, 239);

// A text style: face, height of the font in vertical units, weight and slant.
struct TextStyle {
    const char *face;
    double height;
    bool bold = false;
    bool italic = false;
};

const TextStyle DoctorStyle{"Carlito", 0.68, true};
const TextStyle SpecialityStyle{"Carlito", 0.5, false, true};
const TextStyle DetailStyle{"Carlito", 0.42};
const TextStyle FreeLineStyle{"Carlito", 0.42, false, true};
const TextStyle DateLabelStyle{"Liberation Sans", 0.4, true};
const TextStyle TitleStyle{"Liberation Sans", 0.65, true};

QFont baseFont(const TextStyle &style) {
    QFont font;
    // Carlito and Liberation Sans have the metrics of Calibri and Arial; either pair prints alike.
    const QString face = QString::fromLatin1(style.face);
    font.setFamilies({face, face == QLatin1String("Carlito") ? QStringLiteral("Calibri") : QStringLiteral("Arial")});
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

// A text's width in horizontal units, measured on a large reference font so that it does not depend on the
// printer's resolution (the font sizes of two printers round differently).
double widthInUnits(const TextStyle &style, const QString &text) {
    constexpr int ReferencePixels = 1000;
    QFont font = baseFont(style);
    font.setPixelSize(ReferencePixels);
    const double advance = QFontMetricsF(font).horizontalAdvance(text);
    // A font `height` vertical units tall is height x W / 29.7 pixels; a horizontal unit is W / 21 pixels.
    return advance / ReferencePixels * style.height * 21.0 / 29.7;
}

// Draws in the letterhead's own units: (0, 0) is its top-left corner. A text's white cell is about 1.2 times
// its font's height: the lines are spaced so that no cell covers the descenders of the line above.
class LetterheadCanvas {
public:
    LetterheadCanvas(Page &page, double x, double y) : m_page(page), m_units(page), m_x(x), m_y(y) {}

    // A text wider than its column is drawn smaller, so that a long name never runs over its neighbours.
    void text(const TextStyle &style, double left, double top, double maxWidth, const QString &text,
              const QColor &colour) {
        if (text.trimmed().isEmpty())
            return;
        const TextStyle fitted = fit(style, maxWidth, text);
        QFont font = baseFont(fitted);
        font.setPixelSize(std::max(1, m_units.y(fitted.height)));
        m_page.setFont(font);
        m_page.drawText(m_units.x(m_x + left), m_units.y(m_y + top), text, colour);
    }
    void rightAligned(const TextStyle &style, double right, double top, double maxWidth, const QString &text,
                      const QColor &colour) {
        this->text(style, right - widthInUnits(fit(style, maxWidth, text), text), top, maxWidth, text, colour);
    }
    void rule(double left, double right, double y, const QColor &colour) {
        const int py = m_units.y(m_y + y);
        m_page.drawLine(m_units.x(m_x + left), py, m_units.x(m_x + right), py, colour);
    }

private:
    static TextStyle fit(TextStyle style, double maxWidth, const QString &text) {
        const double width = widthInUnits(style, text);
        if (width > maxWidth)
            style.height *= maxWidth / width;
        return style;
    }

    Page &m_page;
    Units m_units;
    double m_x;
    double m_y;
};

// The widths of the two columns of details, in horizontal units.
constexpr double LeftColumn = 9.0;
constexpr double RightColumn = 5.0;

// The name in bold and the speciality in italics, at the top left.
void drawPracticeName(LetterheadCanvas &canvas, const PracticeDetails &details, double left) {
    canvas.text(DoctorStyle, left, 0.25, LeftColumn, details.doctor, Navy);
    canvas.text(SpecialityStyle, left, 1.1, LeftColumn, details.speciality, Teal);
}

// Name, speciality and address at the left, telephone and free line at the right, a rule, "DATE :" on the
// date's line and the document's title centred over the page's body (x 1 to 17 of the letterhead).
void drawDocument(LetterheadCanvas &canvas, const LetterheadDescriptor &letterhead, const PracticeDetails &details) {
    constexpr double Left = 1.0;
    const double right = letterhead.width - 0.2;
    drawPracticeName(canvas, details, Left);
    canvas.text(DetailStyle, Left, 1.75, LeftColumn, details.addressLine1, Ink);
    canvas.text(DetailStyle, Left, 2.3, LeftColumn, details.addressLine2, Ink);
    canvas.rightAligned(DetailStyle, right, 0.25, RightColumn, details.telephone, Ink);
    canvas.rightAligned(FreeLineStyle, right, 0.8, RightColumn, details.freeLine, Ink);
    canvas.rule(Left, right, 3.0, AccentRule);
    if (letterhead.dateTop >= 0) {
        // The documents print their date at x 14.6 of the sheet: the label ends just before it.
        const double dateLeft = 14.6 - LetterheadX;
        const QString label = QStringLiteral("DATE :");
        canvas.rightAligned(DateLabelStyle, dateLeft - 0.17, letterhead.dateTop, RightColumn, label, Ink);
    }
    if (letterhead.title) {
        const QString title = QString::fromLatin1(letterhead.title);
        const double width = widthInUnits(TitleStyle, title);
        const double centre = 9.0;
        canvas.text(TitleStyle, centre - width / 2, letterhead.titleTop, width, title, Ink);
        canvas.rule(centre - width / 2, centre + width / 2, letterhead.titleTop + TitleStyle.height * 1.1, Ink);
    }
}

// The practice at the left, its address and telephone at the right, and a rule in the colour of the
// journals' tables; the journal's own title is printed just below.
void drawWide(LetterheadCanvas &canvas, const LetterheadDescriptor &letterhead, const PracticeDetails &details) {
    constexpr double Left = 0.2;
    const double right = letterhead.width - 1.0;
    drawPracticeName(canvas, details, Left);
    const QStringList lines{details.addressLine1, details.addressLine2, details.telephone, details.freeLine};
    double top = 0.3;
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        canvas.rightAligned(DetailStyle, right, top, LeftColumn, line, Ink);
        top += 0.55;
    }
    canvas.rule(Left, right, 3.0, JournalRule);
}

} // namespace

void drawPracticeLetterhead(Page &page, const LetterheadDescriptor &letterhead, const PracticeDetails &details,
                            double x, double y) {
    // The document's own font is back once the letterhead is drawn.
    const QFont documentFont = page.font();
    LetterheadCanvas canvas(page, x, y);
    if (letterhead.arrangement == LetterheadArrangement::Wide)
        drawWide(canvas, letterhead, details);
    else
        drawDocument(canvas, letterhead, details);
    page.setFont(documentFont);
}
