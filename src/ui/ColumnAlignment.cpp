#include "ui/ColumnAlignment.h"

#include "ui/ReportList.h"

void SetColumnAlignment(ReportList *list, int column, int kind) {
    if (!list)
        return;
    const Qt::Alignment alignment = kind == 1 ? Qt::AlignRight : kind == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    list->setColumnAlignment(column, alignment);
}
