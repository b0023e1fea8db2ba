#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <initializer_list>

// Rows of text cells kept compact for long lists (every patient, years of acts): all rows end to end in
// one UTF-8 block, each row holding where its cells end and then its cells; a cell becomes a text only
// when asked for. A list of thousands of rows is then two blocks of memory, filled and freed at once.
class CompactRows {
public:
    int size() const { return int(m_starts.size()); }
    bool isEmpty() const { return m_starts.isEmpty(); }
    void clear();
    // Room for `rows` rows of `bytes` in all, so a long list is filled without being moved as it grows.
    void reserve(int rows, qsizetype bytes);
    qsizetype byteSize() const { return m_text.size(); }

    void append(const QStringList &cells);
    void append(const CompactRows &rows);
    // Takes the rows over; into an empty list without copying them.
    void append(CompactRows &&rows);
    void replace(int row, const QStringList &cells);
    void remove(int row);

    // Builds a row one cell at a time: startRow() with the number of cells, then addCell() for each
    // (a cell not added reads empty).
    void startRow(int cellCount);
    void addCell(QStringView text);
    void addUtf8Cell(const char *text, qsizetype bytes);
    // One cell of several UTF-8 pieces end to end.
    void addUtf8Cell(std::initializer_list<QByteArrayView> pieces);

    // A whole row at once, one piece a cell: a long list fills fastest this way.
    void appendRow(std::initializer_list<QByteArrayView> cells);

    QString cell(int row, int column) const;
    QStringList cells(int row) const;

private:
    static QByteArray packed(const QStringList &cells);
    QByteArrayView rowText(int row) const;

    QByteArray m_text;         // every row, end to end, in UTF-8
    QList<qsizetype> m_starts; // where each row begins in m_text
    int m_cellsAdded = 0;      // of the last row, while it is built
};
