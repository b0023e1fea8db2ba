#include "ui/ReportList.h"

#include "ui/CompactRows.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

// The rows of a report list, as text, with the column titles, alignments and cell colours.
class ReportRows : public QAbstractTableModel {
public:
    ReportRows(QObject *parent, const QList<ListColumn> &columns) : QAbstractTableModel(parent) {
        for (const ListColumn &column : columns)
            m_titles << column.title;
        m_alignments = QList<Qt::Alignment>(columns.size(), Qt::AlignLeft);
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : m_rows.size(); }
    int columnCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : int(m_titles.size());
    }

    QVariant data(const QModelIndex &index, int role) const override {
        if (!index.isValid())
            return {};
        switch (role) {
        case Qt::DisplayRole:
            return cell(index.row(), index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(m_alignments.value(index.column()) | Qt::AlignVCenter);
        case Qt::BackgroundRole: {
            const auto found = m_backgrounds.constFind(key(index.row(), index.column()));
            return found == m_backgrounds.constEnd() ? QVariant() : QVariant(*found);
        }
        case Qt::ForegroundRole: {
            const auto found = m_foregrounds.constFind(key(index.row(), index.column()));
            return found == m_foregrounds.constEnd() ? QVariant() : QVariant(*found);
        }
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal)
            return {};
        if (role == Qt::DisplayRole)
            return m_titles.value(section);
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(m_alignments.value(section) | Qt::AlignVCenter);
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    QString cell(int row, int column) const { return m_rows.cell(row, column); }
    const QStringList &titles() const { return m_titles; }

    void append(const QList<QStringList> &rows) {
        if (rows.isEmpty())
            return;
        const int first = m_rows.size();
        beginInsertRows({}, first, first + int(rows.size()) - 1);
        for (const QStringList &cells : rows)
            m_rows.append(cells); // cells beyond the last column are kept but never shown
        endInsertRows();
    }

    template <typename Rows> void appendCompact(Rows &&rows) {
        if (rows.isEmpty())
            return;
        const int first = m_rows.size();
        beginInsertRows({}, first, first + rows.size() - 1);
        m_rows.append(std::forward<Rows>(rows));
        endInsertRows();
    }

    void replace(int row, const QStringList &cells) {
        if (row < 0 || row >= m_rows.size())
            return;
        m_rows.replace(row, cells);
        emit dataChanged(index(row, 0), index(row, int(m_titles.size()) - 1));
    }

    void remove(int row) {
        if (row < 0 || row >= m_rows.size())
            return;
        beginRemoveRows({}, row, row);
        m_rows.remove(row);
        // Cell colours follow their rows.
        for (QHash<quint64, QColor> *colours : {&m_backgrounds, &m_foregrounds}) {
            QHash<quint64, QColor> moved;
            for (auto it = colours->cbegin(); it != colours->cend(); ++it) {
                const int cellRow = int(it.key() >> 32);
                if (cellRow != row)
                    moved.insert(key(cellRow > row ? cellRow - 1 : cellRow, int(it.key() & 0xffffffff)), it.value());
            }
            *colours = moved;
        }
        endRemoveRows();
    }

    void clearRows() {
        beginResetModel();
        m_rows.clear();
        m_backgrounds.clear();
        m_foregrounds.clear();
        endResetModel();
    }

    void setAlignment(int column, Qt::Alignment alignment) {
        m_alignments[column] = alignment;
        emit headerDataChanged(Qt::Horizontal, column, column);
        if (!m_rows.isEmpty())
            emit dataChanged(index(0, column), index(m_rows.size() - 1, column), {Qt::TextAlignmentRole});
    }
    Qt::Alignment alignment(int column) const { return m_alignments.value(column, Qt::AlignLeft); }

    void setBackground(int row, int column, const QColor &colour) {
        setCellColour(m_backgrounds, row, column, colour, Qt::BackgroundRole);
    }
    QColor background(int row, int column) const { return m_backgrounds.value(key(row, column)); }

    void setForeground(int row, int column, const QColor &colour) {
        setCellColour(m_foregrounds, row, column, colour, Qt::ForegroundRole);
    }
    QColor foreground(int row, int column) const { return m_foregrounds.value(key(row, column)); }

private:
    static quint64 key(int row, int column) { return (quint64(quint32(row)) << 32) | quint32(column); }

    void setCellColour(QHash<quint64, QColor> &colours, int row, int column, const QColor &colour, int role) {
        if (row < 0 || row >= m_rows.size())
            return;
        colours.insert(key(row, column), colour);
        emit dataChanged(index(row, column), index(row, column), {role});
    }

    QStringList m_titles;
    QList<Qt::Alignment> m_alignments;
    CompactRows m_rows;
    QHash<quint64, QColor> m_backgrounds;
    QHash<quint64, QColor> m_foregrounds;
};

namespace {

// Paints each cell as usual, then its right and bottom rules.
class GridLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }
};

} // namespace

ReportList::ReportList(QWidget *parent, const QList<ListColumn> &columns)
    : QTreeView(parent), m_rows(new ReportRows(this, columns)) {
    setModel(m_rows);
    header()->setMinimumSectionSize(0); // narrow columns (5 pixels) keep their given width
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    for (int c = 0; c < columns.size(); ++c)
        setColumnWidth(c, columns[c].width);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);

    connect(this, &QTreeView::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            emit rowChosen(index.row());
    });
}

void ReportList::currentChanged(const QModelIndex &current, const QModelIndex &previous) {
    QTreeView::currentChanged(current, previous);
    // Mouse clicks are reported by clicked(); this one follows the keyboard.
    if (current.isValid() && QApplication::mouseButtons() == Qt::NoButton && hasFocus())
        emit rowChosen(current.row());
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

void ReportList::addRow(const QStringList &cells) {
    m_rows->append({cells});
}

void ReportList::addRows(const QList<QStringList> &rows) {
    m_rows->append(rows);
}

void ReportList::addRows(const CompactRows &rows) {
    m_rows->appendCompact(rows);
}

void ReportList::addRows(CompactRows &&rows) {
    m_rows->appendCompact(std::move(rows));
}

void ReportList::setRow(int row, const QStringList &cells) {
    m_rows->replace(row, cells);
}

void ReportList::removeRow(int row) {
    m_rows->remove(row);
}

void ReportList::clearRows() {
    m_rows->clearRows();
}

int ReportList::rowCount() const {
    return m_rows->rowCount();
}

int ReportList::columnCount() const {
    return m_rows->columnCount();
}

QString ReportList::headerText(int column) const {
    return m_rows->titles().value(column);
}

QString ReportList::cell(int row, int column) const {
    return m_rows->cell(row, column);
}

QStringList ReportList::rowCells(int row) const {
    QStringList cells;
    if (row < 0 || row >= rowCount())
        return cells;
    for (int c = 0; c < columnCount(); ++c)
        cells << cell(row, c);
    return cells;
}

int ReportList::currentRowIndex() const {
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isRowSelected(current.row(), {}) ? current.row() : -1;
}

void ReportList::selectRow(int row) {
    if (row >= 0 && row < rowCount())
        setCurrentIndex(m_rows->index(row, 0));
}

QRect ReportList::rowRect(int row) const {
    return visualRect(m_rows->index(row, 0));
}

void ReportList::setColumnAlignment(int column, Qt::Alignment alignment) {
    if (column < 0 || column >= columnCount())
        return;
    m_rows->setAlignment(column, alignment & Qt::AlignHorizontal_Mask);
}

Qt::Alignment ReportList::columnAlignment(int column) const {
    return m_rows->alignment(column);
}

Qt::Alignment ReportList::headerAlignment(int column) const {
    return m_rows->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() &
           Qt::AlignHorizontal_Mask;
}

Qt::Alignment ReportList::cellAlignment(int row, int column) const {
    return m_rows->data(m_rows->index(row, column), Qt::TextAlignmentRole).value<Qt::Alignment>() &
           Qt::AlignHorizontal_Mask;
}

void ReportList::setCellBackground(int row, int column, const QColor &colour) {
    m_rows->setBackground(row, column, colour);
}

QColor ReportList::cellBackground(int row, int column) const {
    return m_rows->background(row, column);
}

void ReportList::setCellTextColour(int row, int column, const QColor &colour) {
    m_rows->setForeground(row, column, colour);
}

QColor ReportList::cellTextColour(int row, int column) const {
    return m_rows->foreground(row, column);
}

void ReportList::showGridLines() {
    setItemDelegate(new GridLineDelegate(this));
}
