#include "accounts/AccountLines.h"

#include "common/Amounts.h"

namespace {

constexpr int DateColumn = 1;
constexpr int DesignationColumn = 3;
constexpr int DebitColumn = 4;
constexpr int CreditColumn = 5;

} // namespace

QString shownStoredAmount(const QString &stored) {
    return GroupThousands(CentsToAmount(stored));
}

QString shownCents(qint64 cents) {
    return shownStoredAmount(QString::number(cents));
}

AccountLines accountLinesFrom(const Rows &stored) {
    AccountLines lines;
    for (const Row &row : stored) {
        const qint64 due = integerValue(row.value(DebitColumn));
        const qint64 paid = integerValue(row.value(CreditColumn));
        lines.balance += due - paid;
        lines.totalDue += due;
        lines.totalPaid += paid;
        lines.rows.append({row.value(DateColumn), row.value(DesignationColumn),
                           shownStoredAmount(row.value(DebitColumn)), shownStoredAmount(row.value(CreditColumn)),
                           shownCents(lines.balance)});
    }
    return lines;
}

QStringList accountTotalsRow(const AccountLines &lines) {
    return {QString(), TotalsLabel, shownCents(lines.totalDue), shownCents(lines.totalPaid), shownCents(lines.balance)};
}
