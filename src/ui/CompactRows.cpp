#include "ui/CompactRows.h"

#include <QStringDecoder>

// A row's text: its number of cells, the end of each cell (two characters, high half first, counted
// from the first cell's start), then the cells.

namespace {

int cellCountOf(const QString &row) {
    return row.isEmpty() ? 0 : row.at(0).unicode();
}

qsizetype cellEnd(const QString &row, int column) {
    const qsizetype at = 1 + 2 * qsizetype(column);
    return (qsizetype(row.at(at).unicode()) << 16) | row.at(at + 1).unicode();
}

void setCellEnd(QString &row, int column, qsizetype end) {
    const qsizetype at = 1 + 2 * qsizetype(column);
    row[at] = QChar(char16_t(quint32(end) >> 16));
    row[at + 1] = QChar(char16_t(quint32(end) & 0xffff));
}

qsizetype headerLength(int cellCount) {
    return 1 + 2 * qsizetype(cellCount);
}

} // namespace

QString CompactRows::packed(const QStringList &cells) {
    const int count = int(qMin<qsizetype>(cells.size(), 0xffff));
    qsizetype length = 0;
    for (int c = 0; c < count; ++c)
        length += cells[c].size();
    QString row(headerLength(count), QChar());
    row.reserve(headerLength(count) + length);
    row[0] = QChar(char16_t(count));
    qsizetype end = 0;
    for (int c = 0; c < count; ++c) {
        row += cells[c];
        end += cells[c].size();
        setCellEnd(row, c, end);
    }
    return row;
}

void CompactRows::append(const QStringList &cells) {
    m_rows.append(packed(cells));
}

void CompactRows::replace(int row, const QStringList &cells) {
    if (row >= 0 && row < m_rows.size())
        m_rows[row] = packed(cells);
}

void CompactRows::startRow(int cellCount) {
    const int count = qMin(cellCount, 0xffff);
    m_building.resize(headerLength(count));
    m_building[0] = QChar(char16_t(count));
    m_cellsAdded = 0;
    if (count == 0)
        m_rows.append(QString(m_building.constData(), m_building.size()));
}

// The row is built in a text kept from row to row and stored at its exact length once complete.
void CompactRows::cellAdded() {
    const int count = cellCountOf(m_building);
    setCellEnd(m_building, m_cellsAdded, m_building.size() - headerLength(count));
    if (++m_cellsAdded == count)
        m_rows.append(QString(m_building.constData(), m_building.size()));
}

void CompactRows::addCell(QStringView text) {
    if (m_cellsAdded >= cellCountOf(m_building))
        return;
    m_building.append(text);
    cellAdded();
}

void CompactRows::addUtf8Cell(const char *text, qsizetype bytes) {
    if (m_cellsAdded >= cellCountOf(m_building))
        return;
    if (text && bytes > 0) {
        // Decoded straight into the row: a cell's UTF-16 length never exceeds its UTF-8 length.
        static QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const qsizetype start = m_building.size();
        m_building.resize(start + bytes);
        const QChar *end = decoder.appendToBuffer(m_building.data() + start, QByteArrayView(text, bytes));
        m_building.resize(end - m_building.constData());
    }
    cellAdded();
}

QString CompactRows::cell(int row, int column) const {
    if (row < 0 || row >= m_rows.size() || column < 0)
        return {};
    const QString &text = m_rows.at(row);
    const int count = cellCountOf(text);
    if (column >= count)
        return {};
    const qsizetype start = column == 0 ? 0 : cellEnd(text, column - 1);
    const qsizetype end = cellEnd(text, column);
    if (end <= start) // empty, or not added
        return {};
    return text.mid(headerLength(count) + start, end - start);
}

QStringList CompactRows::cells(int row) const {
    QStringList all;
    const int count = row >= 0 && row < m_rows.size() ? cellCountOf(m_rows.at(row)) : 0;
    for (int c = 0; c < count; ++c)
        all << cell(row, c);
    return all;
}
