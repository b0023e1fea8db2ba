#include "journals/JournalPrint.h"

#include "print/Letterheads.h"
#include "print/Page.h"
#include "print/PrintFlow.h"
#include "print/PrinterFonts.h"
#include "print/TableRows.h"
#include "print/TextWrap.h"
#include "print/Units.h"

#include <algorithm>

namespace {

class JournalDrawing {
public:
    JournalDrawing(Page &page, const PrinterFonts &fonts, const JournalPrintLayout &layout,
                   const JournalDocument &document)
        : m_page(page), m_fonts(fonts), m_layout(layout), m_document(document), m_units(page) {
        for (double boundary : layout.boundaries)
            m_boundaries << m_units.x(boundary);
        m_right = m_units.x(layout.right);
    }

    void draw() {
        int y = header();
        for (const QStringList &row : m_document.rows) {
            const QList<QStringList> cells = wrappedCells(row);
            qsizetype lines = 1;
            for (const QStringList &pieces : cells)
                lines = std::max(lines, pieces.size());
            // A row wrapped over several lines starts on a new page when its last line would not fit.
            if (lines > 1) {
                int last = y + int(lines - 1) * m_units.y(0.6);
                if (startNewPageWhenFull(
                        m_page, last, [this, y](int) { closeFrame(y); }, [this] { return header(); }))
                    y = last;
            }
            drawRow(cells, y);
            y += int(lines) * m_units.y(0.6);
            startNewPageWhenFull(
                m_page, y, [this](int bottom) { closeFrame(bottom); }, [this] { return header(); });
        }
        closeFrame(y + m_units.y(0.4));
    }

private:
    // Letterhead, title, period, patient name and column titles; returns the first row's position.
    int header() {
        drawLetterhead(m_page, Letterhead::Journals);
        const int left = m_boundaries.first();
        int y = m_units.y(4);
        m_page.setFont(m_fonts.font(PrinterFont::Arial042));
        m_page.drawText(left, y, QString::fromUtf8(m_layout.title));
        m_page.setFont(m_fonts.font(PrinterFont::Calibri040));
        m_page.drawText(m_boundaries.value(m_layout.periodBoundary), y,
                        QStringLiteral("Période du ") + m_document.periodStart + QStringLiteral(" au ") +
                            m_document.periodEnd);
        y += m_units.y(1);
        m_page.drawText(left, y, m_document.patientName);
        y += m_units.y(1);
        m_top = y;
        for (int c = 0; c < m_layout.columns.size(); ++c) {
            const JournalPrintColumn &column = m_layout.columns[c];
            m_page.drawText(m_boundaries.value(c) + m_units.x(column.titleOffset), m_top + m_units.y(0.3),
                            QString::fromUtf8(column.title));
        }
        m_page.setFont(m_fonts.font(PrinterFont::Arial030));
        return m_top + m_units.y(1) + m_units.y(0.4);
    }

    // Each cell as the lines it takes. The last column's text, which would otherwise run off the sheet,
    // wraps inside it; the other cells are drawn whole, as the columns are laid out, and amounts stay on
    // one line.
    QList<QStringList> wrappedCells(const QStringList &row) const {
        const QFont &font = m_fonts.font(PrinterFont::Arial030);
        QList<QStringList> cells;
        const int last = int(m_layout.columns.size()) - 1;
        for (int c = 0; c <= last; ++c) {
            const QString cell = row.value(c);
            const int width = columnEnd(c) - cellX(c) - m_units.x(0.1);
            if (c != last || m_layout.columns[c].rightAligned || printedWidth(font, cell) <= width)
                cells << QStringList{cell};
            else
                cells << wrapToWidth(cell, font, width, width);
        }
        return cells;
    }

    void drawRow(const QList<QStringList> &cells, int y) {
        for (int c = 0; c < m_layout.columns.size(); ++c) {
            if (m_layout.columns[c].rightAligned) {
                drawRightAligned(m_page, columnEnd(c), y, cells[c].value(0));
                continue;
            }
            for (qsizetype line = 0; line < cells[c].size(); ++line)
                m_page.drawText(cellX(c), y + int(line) * m_units.y(0.6), cells[c][line]);
        }
    }

    int cellX(int column) const { return m_boundaries.value(column) + m_units.x(m_layout.columns[column].cellOffset); }

    int columnEnd(int column) const { return column + 1 < m_boundaries.size() ? m_boundaries[column + 1] : m_right; }

    void closeFrame(int bottom) {
        const int left = m_boundaries.first();
        for (int x : m_boundaries)
            m_page.drawLine(x, m_top, x, bottom, JournalRuleColour);
        m_page.drawLine(m_right, m_top, m_right, bottom, JournalRuleColour);
        for (int y : {m_top, m_top + m_units.y(1), bottom})
            m_page.drawLine(left, y, m_right, y, JournalRuleColour);
    }

    Page &m_page;
    const PrinterFonts &m_fonts;
    const JournalPrintLayout &m_layout;
    const JournalDocument &m_document;
    const Units m_units;
    QList<int> m_boundaries;
    int m_right = 0;
    int m_top = 0;
};

} // namespace

void drawJournal(Page &page, const PrinterFonts &fonts, const JournalPrintLayout &layout,
                 const JournalDocument &document) {
    JournalDrawing(page, fonts, layout, document).draw();
}

bool printJournal(const JournalPrintLayout &layout, const JournalDocument &document) {
    return printDocument(int(document.rows.size()),
                         [&](Page &page, const PrinterFonts &fonts) { drawJournal(page, fonts, layout, document); });
}
