#include "print/PrinterFonts.h"

#include "print/Page.h"
#include "print/ScreenFonts.h"
#include "print/Units.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

const QList<PrinterFontDescriptor> &printerFontTable() {
    static const QList<PrinterFontDescriptor> table = [] {
        QList<PrinterFontDescriptor> fonts{{36, "Calibri", 0.25, false}};
        auto addRun = [&fonts](int first, const char *face, std::initializer_list<double> sizes) {
            int number = first;
            for (double size : sizes)
                fonts.append({number++, face, size, false});
        };
        addRun(40, "arial", {0.18, 0.19, 0.20, 0.21, 0.22, 0.23});
        addRun(46, "Arial", {0.24});
        addRun(47, "arial", {0.25, 0.26, 0.27});
        addRun(50, "Verdana", {0.18, 0.19, 0.20, 0.21, 0.22, 0.23, 0.24, 0.25, 0.26, 0.27});
        addRun(60, "Calibri", {0.22, 0.24, 0.26, 0.27, 0.29, 0.30, 0.31, 0.32, 0.33, 0.40});
        addRun(70, "arial", {0.30});
        fonts.append({71, "verdana", 0.30, true});
        addRun(72, "Candara", {0.20, 0.21, 0.22, 0.23, 0.24, 0.25, 0.26});
        addRun(79, "arial", {0.28});
        fonts.append({80, "Calibri", 0.32, true});
        fonts.append({81, "Verdana", 0.24, true});
        fonts.append({82, "Calibri", 0.27, true});
        fonts.append({83, "Verdana", 0.22, true});
        fonts.append({84, "Calibri", 0.24, true});
        fonts.append({85, "Calibri", 0.34, true});
        fonts.append({86, "Calibri", 0.28, true});
        fonts.append({87, "arial", 0.40, true});
        fonts.append({88, "verdana", 0.27, true});
        fonts.append({89, "verdana", 0.32, true});
        fonts.append({90, "arial", 0.35, true});
        fonts.append({91, "verdana", 0.40, true});
        fonts.append({92, "arial", 0.42, false});
        return fonts;
    }();
    return table;
}

int screenVerticalDpi() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? roundHalfEven(screen->logicalDotsPerInchY()) : 0;
    return dpi > 0 ? dpi : 96;
}

PrinterFonts::PrinterFonts(int printableWidth, int screenDpi) {
    installFontSubstitutes();
    if (screenDpi <= 0)
        screenDpi = 96;
    for (const PrinterFontDescriptor &descriptor : printerFontTable()) {
        const int points = printY(descriptor.size, printableWidth);
        QFont font(QString::fromLatin1(descriptor.face));
        // A pixel size below one is refused by the font system; a page that small prints nothing legible anyway.
        font.setPixelSize(std::max(1, roundHalfEven(points * double(screenDpi) / 72.0)));
        font.setBold(descriptor.bold);
        if (descriptor.bold)
            font.setStyleStrategy(QFont::PreferQuality);
        m_fonts.insert(descriptor.number, font);
        m_points.insert(descriptor.number, points);
    }
}

PrinterFonts::PrinterFonts(const Page &page) : PrinterFonts(page.width(), page.screenDpi()) {}

const QFont &PrinterFonts::font(int number) const {
    static const QFont fallback;
    const auto found = m_fonts.constFind(number);
    return found == m_fonts.constEnd() ? fallback : *found;
}
