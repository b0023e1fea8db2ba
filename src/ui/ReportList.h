#pragma once

#include <QColor>
#include <QList>
#include <QStringList>
#include <QTreeView>

struct ListColumn {
    QString title;
    int width;
};

class CompactRows;
class ReportRows;

// A read-only multi-column list: text rows, column widths and alignment, row and cell colours. The rows
// live in a light table model keeping each row as one compact text, so a list of every patient fills
// at once and holds little memory.
class ReportList : public QTreeView {
    Q_OBJECT
public:
    ReportList(QWidget *parent, const QList<ListColumn> &columns);

    void setColours(const QColor &text, const QColor &background);

    // Appends a row; cells beyond the last column are not shown.
    void addRow(const QStringList &cells);
    void addRows(const QList<QStringList> &rows);
    // Long lists built compact (every patient): the rows are taken as they are.
    void addRows(const CompactRows &rows);
    void addRows(CompactRows &&rows);
    void setRow(int row, const QStringList &cells);
    void removeRow(int row);
    void clearRows();

    int rowCount() const;
    int columnCount() const;
    QString headerText(int column) const;
    QString cell(int row, int column) const;
    QStringList rowCells(int row) const;
    int currentRowIndex() const;
    void selectRow(int row);
    // Where a row stands in the viewport (to click it).
    QRect rowRect(int row) const;

    // Header and cells of one column; rows added later follow it too.
    void setColumnAlignment(int column, Qt::Alignment alignment);
    Qt::Alignment columnAlignment(int column) const;
    Qt::Alignment headerAlignment(int column) const;
    Qt::Alignment cellAlignment(int row, int column) const;

    void setCellBackground(int row, int column, const QColor &colour);
    QColor cellBackground(int row, int column) const;
    void setCellTextColour(int row, int column, const QColor &colour);
    QColor cellTextColour(int row, int column) const;

    // Thin rules between the rows and the columns.
    void showGridLines();

signals:
    // The user picked a row: a click, or a move of the selection with the keyboard.
    void rowChosen(int row);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    ReportRows *m_rows;
};
