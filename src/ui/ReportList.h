#pragma once

#include <QColor>
#include <QList>
#include <QStringList>
#include <QTreeWidget>

struct ListColumn {
    QString title;
    int width;
};

// A read-only multi-column list: text rows, column widths and alignment, row and cell colours.
class ReportList : public QTreeWidget {
    Q_OBJECT
public:
    ReportList(QWidget *parent, const QList<ListColumn> &columns);

    void setColours(const QColor &text, const QColor &background);

    // Appends a row; cells beyond the last column are not shown.
    void addRow(const QStringList &cells);
    void addRows(const QList<QStringList> &rows);
    void setRow(int row, const QStringList &cells);
    void removeRow(int row);
    void clearRows() { clear(); }

    int rowCount() const { return topLevelItemCount(); }
    QString cell(int row, int column) const;
    QStringList rowCells(int row) const;
    int currentRowIndex() const;
    void selectRow(int row);

    // Header and cells of one column; rows added later follow it too.
    void setColumnAlignment(int column, Qt::Alignment alignment);
    Qt::Alignment columnAlignment(int column) const;

    void setCellBackground(int row, int column, const QColor &colour);
    QColor cellBackground(int row, int column) const;

signals:
    // The user picked a row: a click, or a move of the selection with the keyboard.
    void rowChosen(int row);

private:
    void fillItem(QTreeWidgetItem *item, const QStringList &cells) const;

    QList<Qt::Alignment> m_alignments;
};
