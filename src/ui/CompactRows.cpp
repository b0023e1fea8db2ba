#include "ui/CompactRows.h"

#include <QStringDecoder>

#include <algorithm>

// A row's text: its number of cells, the end of each cell (two characters, high half first, counted
// from the first cell's start), then the cells.

namespace {

int cellCountOf(QStringView row) {
    return row.isEmpty() ? 0 : row.at(0).unicode();
}

qsizetype headerLength(int cellCount) {
    return 1 + 2 * qsizetype(cellCount);
}

qsizetype cellEnd(QStringView row, int column) {
    const qsizetype at = 1 + 2 * qsizetype(column);
    return (qsizetype(row.at(at).unicode()) << 16) | row.at(at + 1).unicode();
}

void setCellEnd(QChar *row, int column, qsizetype end) {
    const qsizetype at = 1 + 2 * qsizetype(column);
    row[at] = QChar(char16_t(quint32(end) >> 16));
    row[at + 1] = QChar(char16_t(quint32(end) & 0xffff));
}

QString packed(const QStringList &cells) {
    const int count = int(qMin<qsizetype>(cells.size(), 0xffff));
    qsizetype length = headerLength(count);
    for (int c = 0; c < count; ++c)
        length += cells[c].size();
    QString row;
    row.reserve(length);
    row.resize(headerLength(count));
    row[0] = QChar(char16_t(count));
    qsizetype end = 0;
    for (int c = 0; c < count; ++c) {
        row += cells[c];
        end += cells[c].size();
        setCellEnd(row.data(), c, end);
    }
    return row;
}

} // namespace

void CompactRows::clear() {
    m_text = QString();
    m_starts = QList<qsizetype>();
}

QStringView CompactRows::rowText(int row) const {
    const qsizetype start = m_starts.at(row);
    const qsizetype end = row + 1 < m_starts.size() ? m_starts.at(row + 1) : m_text.size();
    return QStringView(m_text).sliced(start, end - start);
}

void CompactRows::append(const QStringList &cells) {
    m_starts.append(m_text.size());
    m_text += packed(cells);
}

void CompactRows::append(const CompactRows &rows) {
    if (rows.isEmpty())
        return;
    const qsizetype offset = m_text.size();
    m_starts.reserve(m_starts.size() + rows.m_starts.size());
    for (const qsizetype start : rows.m_starts)
        m_starts.append(offset + start);
    if (offset == 0) {
        m_text = rows.m_text;
        m_text.squeeze(); // a list kept open holds no room for growth
    } else {
        m_text += rows.m_text;
    }
}

void CompactRows::append(CompactRows &&rows) {
    if (!isEmpty()) {
        append(std::as_const(rows));
        return;
    }
    m_text = std::move(rows.m_text);
    m_starts = std::move(rows.m_starts);
    m_text.squeeze();
    m_starts.squeeze();
    rows.clear();
}

void CompactRows::replace(int row, const QStringList &cells) {
    if (row < 0 || row >= size())
        return;
    const QString text = packed(cells);
    const qsizetype length = rowText(row).size();
    m_text.replace(m_starts.at(row), length, text);
    for (int later = row + 1; later < size(); ++later)
        m_starts[later] += text.size() - length;
}

void CompactRows::remove(int row) {
    if (row < 0 || row >= size())
        return;
    const qsizetype length = rowText(row).size();
    m_text.remove(m_starts.at(row), length);
    m_starts.removeAt(row);
    for (int later = row; later < size(); ++later)
        m_starts[later] -= length;
}

void CompactRows::startRow(int cellCount) {
    const int count = qMin(cellCount, 0xffff);
    const qsizetype start = m_text.size();
    m_starts.append(start);
    m_text.resize(start + headerLength(count));
    QChar *header = m_text.data() + start;
    std::fill(header, header + headerLength(count), QChar());
    header[0] = QChar(char16_t(count));
    m_cellsAdded = 0;
}

void CompactRows::cellAdded() {
    const qsizetype start = m_starts.last();
    const int count = cellCountOf(QStringView(m_text).sliced(start));
    setCellEnd(m_text.data() + start, m_cellsAdded, m_text.size() - start - headerLength(count));
    ++m_cellsAdded;
}

void CompactRows::addCell(QStringView text) {
    if (isEmpty() || m_cellsAdded >= cellCountOf(QStringView(m_text).sliced(m_starts.last())))
        return;
    m_text.append(text);
    cellAdded();
}

void CompactRows::addUtf8Cell(const char *text, qsizetype bytes) {
    addUtf8Cell({QByteArrayView(text, text ? bytes : 0)});
}

void CompactRows::addUtf8Cell(std::initializer_list<QByteArrayView> pieces) {
    if (isEmpty() || m_cellsAdded >= cellCountOf(QStringView(m_text).sliced(m_starts.last())))
        return;
    // Decoded straight into the rows: a text's UTF-16 length never exceeds its UTF-8 length.
    static QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    for (const QByteArrayView piece : pieces) {
        if (piece.isEmpty())
            continue;
        const qsizetype start = m_text.size();
        m_text.resize(start + piece.size());
        const QChar *end = decoder.appendToBuffer(m_text.data() + start, piece);
        m_text.resize(end - m_text.constData());
    }
    cellAdded();
}

QString CompactRows::cell(int row, int column) const {
    if (row < 0 || row >= size() || column < 0)
        return {};
    const QStringView text = rowText(row);
    const int count = cellCountOf(text);
    if (column >= count)
        return {};
    const qsizetype start = column == 0 ? 0 : cellEnd(text, column - 1);
    const qsizetype end = cellEnd(text, column);
    if (end <= start) // empty, or not added
        return {};
    return text.sliced(headerLength(count) + start, end - start).toString();
}

QStringList CompactRows::cells(int row) const {
    QStringList all;
    const int count = row >= 0 && row < size() ? cellCountOf(rowText(row)) : 0;
    for (int c = 0; c < count; ++c)
        all << cell(row, c);
    return all;
}
