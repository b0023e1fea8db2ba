#include "ui/ReportList.h"

#include <QApplication>
#include <QHeaderView>

ReportList::ReportList(QWidget *parent, const QList<ListColumn> &columns) : QTreeWidget(parent) {
    setColumnCount(int(columns.size()));
    header()->setMinimumSectionSize(0); // narrow columns (5 pixels) keep their given width
    QStringList titles;
    for (const ListColumn &column : columns)
        titles << column.title;
    setHeaderLabels(titles);
    for (int c = 0; c < columns.size(); ++c)
        setColumnWidth(c, columns[c].width);
    m_alignments = QList<Qt::Alignment>(columns.size(), Qt::AlignLeft | Qt::AlignVCenter);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);

    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { emit rowChosen(indexOfTopLevelItem(item)); });
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        // Mouse clicks are reported by itemClicked; this one follows the keyboard.
        if (current && QApplication::mouseButtons() == Qt::NoButton && hasFocus())
            emit rowChosen(indexOfTopLevelItem(current));
    });
}

void ReportList::setColours(const QColor &text, const QColor &background) {
    QPalette colours = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, background);
        colours.setColor(group, QPalette::Text, text);
    }
    // The selection stays visible when the list does not have the focus.
    colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);
}

void ReportList::fillItem(QTreeWidgetItem *item, const QStringList &cells) const {
    for (int c = 0; c < columnCount(); ++c) {
        item->setText(c, c < cells.size() ? cells[c] : QString());
        item->setTextAlignment(c, m_alignments.value(c, Qt::AlignLeft | Qt::AlignVCenter));
    }
}

void ReportList::addRow(const QStringList &cells) {
    auto *item = new QTreeWidgetItem;
    fillItem(item, cells);
    addTopLevelItem(item);
}

void ReportList::addRows(const QList<QStringList> &rows) {
    QList<QTreeWidgetItem *> items;
    items.reserve(rows.size());
    for (const QStringList &cells : rows) {
        auto *item = new QTreeWidgetItem;
        fillItem(item, cells);
        items << item;
    }
    addTopLevelItems(items);
}

void ReportList::setRow(int row, const QStringList &cells) {
    if (QTreeWidgetItem *item = topLevelItem(row))
        fillItem(item, cells);
}

void ReportList::removeRow(int row) {
    delete takeTopLevelItem(row);
}

QString ReportList::cell(int row, int column) const {
    const QTreeWidgetItem *item = topLevelItem(row);
    return item ? item->text(column) : QString();
}

QStringList ReportList::rowCells(int row) const {
    QStringList cells;
    if (const QTreeWidgetItem *item = topLevelItem(row))
        for (int c = 0; c < columnCount(); ++c)
            cells << item->text(c);
    return cells;
}

int ReportList::currentRowIndex() const {
    QTreeWidgetItem *item = currentItem();
    return item && item->isSelected() ? indexOfTopLevelItem(item) : -1;
}

void ReportList::selectRow(int row) {
    if (QTreeWidgetItem *item = topLevelItem(row))
        setCurrentItem(item);
}

void ReportList::setColumnAlignment(int column, Qt::Alignment alignment) {
    if (column < 0 || column >= m_alignments.size())
        return;
    m_alignments[column] = alignment | Qt::AlignVCenter;
    headerItem()->setTextAlignment(column, m_alignments[column]);
    for (int row = 0; row < topLevelItemCount(); ++row)
        topLevelItem(row)->setTextAlignment(column, m_alignments[column]);
}

Qt::Alignment ReportList::columnAlignment(int column) const {
    return m_alignments.value(column, Qt::AlignLeft) & Qt::AlignHorizontal_Mask;
}

void ReportList::setCellBackground(int row, int column, const QColor &colour) {
    if (QTreeWidgetItem *item = topLevelItem(row))
        item->setBackground(column, colour);
}

QColor ReportList::cellBackground(int row, int column) const {
    const QTreeWidgetItem *item = topLevelItem(row);
    return item ? item->background(column).color() : QColor();
}
