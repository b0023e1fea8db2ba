#include "ui/CompactRows.h"

#include <cstring>

#include <QtEndian>

// All rows end to end in UTF-8, as the engine hands the texts over: a row is its number of cells (two
// bytes), the end of each cell (four bytes, counted from the first cell's start), then the cells. A
// cell becomes a text only when the list shows or hands it out.

namespace {

constexpr qsizetype CountBytes = 2;
constexpr qsizetype EndBytes = 4;

int cellCountOf(QByteArrayView row) {
    return row.size() < CountBytes ? 0 : qFromLittleEndian<quint16>(row.data());
}

qsizetype headerLength(int cellCount) {
    return CountBytes + EndBytes * qsizetype(cellCount);
}

qsizetype cellEnd(QByteArrayView row, int column) {
    return qFromLittleEndian<quint32>(row.data() + CountBytes + EndBytes * column);
}

void setCellEnd(char *row, int column, qsizetype end) {
    qToLittleEndian<quint32>(quint32(end), row + CountBytes + EndBytes * column);
}

} // namespace

void CompactRows::clear() {
    m_text = QByteArray();
    m_starts = QList<qsizetype>();
}

void CompactRows::reserve(int rows, qsizetype bytes) {
    m_starts.reserve(rows);
    m_text.reserve(bytes);
}

QByteArrayView CompactRows::rowText(int row) const {
    const qsizetype start = m_starts.at(row);
    const qsizetype end = row + 1 < m_starts.size() ? m_starts.at(row + 1) : m_text.size();
    return QByteArrayView(m_text).sliced(start, end - start);
}

QByteArray CompactRows::packed(const QStringList &cells) {
    CompactRows row;
    row.startRow(int(cells.size()));
    for (const QString &cell : cells) {
        const QByteArray text = cell.toUtf8();
        row.addUtf8Cell({QByteArrayView(text)});
    }
    return row.m_text;
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
    const QByteArray text = packed(cells);
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
    const int count = qBound(0, cellCount, 0xffff);
    const qsizetype start = m_text.size();
    m_starts.append(start);
    m_text.resize(start + headerLength(count));
    char *header = m_text.data() + start;
    std::fill(header, header + headerLength(count), '\0');
    qToLittleEndian<quint16>(quint16(count), header);
    m_cellsAdded = 0;
}

void CompactRows::addCell(QStringView text) {
    const QByteArray utf8 = text.toUtf8();
    addUtf8Cell({QByteArrayView(utf8)});
}

void CompactRows::addUtf8Cell(const char *text, qsizetype bytes) {
    addUtf8Cell({QByteArrayView(text, text ? bytes : 0)});
}

void CompactRows::addUtf8Cell(std::initializer_list<QByteArrayView> pieces) {
    if (isEmpty())
        return;
    const qsizetype start = m_starts.last();
    const int count = cellCountOf(QByteArrayView(m_text).sliced(start));
    if (m_cellsAdded >= count)
        return;
    // One resize and plain copies: a list of 20,000 patients adds a quarter of a million cells.
    qsizetype bytes = 0;
    for (const QByteArrayView piece : pieces)
        bytes += piece.size();
    const qsizetype end = m_text.size();
    if (end + bytes > m_text.capacity())
        m_text.reserve(qMax(2 * m_text.capacity(), end + bytes));
    m_text.resize(end + bytes);
    char *out = m_text.data() + end;
    for (const QByteArrayView piece : pieces) {
        if (!piece.isEmpty())
            std::memcpy(out, piece.data(), size_t(piece.size()));
        out += piece.size();
    }
    setCellEnd(m_text.data() + start, m_cellsAdded, m_text.size() - start - headerLength(count));
    ++m_cellsAdded;
}

void CompactRows::appendRow(std::initializer_list<QByteArrayView> cells) {
    const int count = int(qMin<size_t>(cells.size(), 0xffff));
    const auto kept = cells.begin() + count;
    qsizetype bytes = 0;
    for (auto cell = cells.begin(); cell != kept; ++cell)
        bytes += cell->size();
    const qsizetype start = m_text.size();
    m_starts.append(start);
    m_text.resize(start + headerLength(count) + bytes);
    char *row = m_text.data() + start;
    qToLittleEndian<quint16>(quint16(count), row);
    char *place = row + headerLength(count);
    qsizetype end = 0;
    for (auto cell = cells.begin(); cell != kept; ++cell) {
        place = std::copy(cell->begin(), cell->end(), place);
        end += cell->size();
        setCellEnd(row, int(cell - cells.begin()), end);
    }
    m_cellsAdded = count;
}

QString CompactRows::cell(int row, int column) const {
    if (row < 0 || row >= size() || column < 0)
        return {};
    const QByteArrayView text = rowText(row);
    const int count = cellCountOf(text);
    if (column >= count)
        return {};
    const qsizetype start = column == 0 ? 0 : cellEnd(text, column - 1);
    const qsizetype end = cellEnd(text, column);
    if (end <= start) // empty, or not added
        return {};
    return QString::fromUtf8(text.sliced(headerLength(count) + start, end - start));
}

QStringList CompactRows::cells(int row) const {
    QStringList all;
    const int count = row >= 0 && row < size() ? cellCountOf(rowText(row)) : 0;
    for (int c = 0; c < count; ++c)
        all << cell(row, c);
    return all;
}
