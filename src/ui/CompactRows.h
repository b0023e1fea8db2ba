#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Rows of text cells kept compact for long lists (every patient, years of acts): each row is a single
// text holding where its cells end and then the cells end to end, and a cell is made only when asked for.
class CompactRows {
public:
    int size() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    void reserve(int rows) { m_rows.reserve(rows); }
    void clear() { m_rows.clear(); }

    void append(const QStringList &cells);
    void append(const CompactRows &rows) { m_rows.append(rows.m_rows); }
    void replace(int row, const QStringList &cells);
    void remove(int row) { m_rows.removeAt(row); }

    // Builds a row one cell at a time: startRow() with the number of cells, then addCell() for each; the
    // row is appended with its last cell.
    void startRow(int cellCount);
    void addCell(QStringView text);
    void addUtf8Cell(const char *text, qsizetype bytes);

    QString cell(int row, int column) const;
    QStringList cells(int row) const;

private:
    static QString packed(const QStringList &cells);
    void cellAdded();

    QList<QString> m_rows;
    QString m_building; // the row being built
    int m_cellsAdded = 0;
};
