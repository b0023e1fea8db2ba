#pragma once

#include <QFont>
#include <QList>
#include <QMap>

class Page;

// One numbered printer font: its face, its size value (in vertical units, so it follows the printer's
// width) and its style. Bold fonts are also drawn at the best rendering quality.
struct PrinterFontDescriptor {
    int number;
    const char *face;
    double size;
    bool bold;
};

// The printer fonts 36 to 92 (37 to 39 are not used).
const QList<PrinterFontDescriptor> &printerFontTable();

// The printer font numbers the documents use.
namespace PrinterFont {
constexpr int Calibri040 = 69;     // journal period, patient name and column titles
constexpr int Arial030 = 70;       // body of every document and journal rows
constexpr int Verdana030Bold = 71; // title block of the single documents
constexpr int Arial042 = 92;       // journal titles
} // namespace PrinterFont

// The screen's vertical resolution in dots per inch (96 when no screen can tell).
int screenVerticalDpi();

// The printer font set of one job. A font of size value s is P = printY(s, W) points tall at the
// screen's resolution S, that is P x S / 72 device pixels. It is made anew for every job because
// the sizes depend on the chosen printer.
class PrinterFonts {
public:
    PrinterFonts(int printableWidth, int screenDpi);
    explicit PrinterFonts(const Page &page);

    bool contains(int number) const { return m_fonts.contains(number); }
    QList<int> numbers() const { return m_fonts.keys(); }

    // The font under a number (the default font for a number outside the set).
    const QFont &font(int number) const;

    // Its height P in points at the screen's resolution (0 outside the set).
    int points(int number) const { return m_points.value(number); }

private:
    QMap<int, QFont> m_fonts;
    QMap<int, int> m_points;
};
