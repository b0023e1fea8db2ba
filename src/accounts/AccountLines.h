#pragma once

#include "store/Connection.h"

#include <QList>
#include <QString>
#include <QStringList>

// A patient's account lines as every list shows them (payments window, record section, credits
// journal): date, designation, amount due, amount paid and the running balance, the amounts grouped
// by thousands. Sums are whole cents in 64 bits: a practice's fees over years pass 32 bits.
struct AccountLines {
    QList<QStringList> rows;
    qint64 balance = 0;
    qint64 totalDue = 0;
    qint64 totalPaid = 0;
};

// Stored `fReg` rows, oldest first; the balance runs from the first of them.
AccountLines accountLinesFrom(const Rows &stored);

// An amount in whole cents as a list shows it ("1 500.00").
QString shownCents(qint64 cents);
QString shownStoredAmount(const QString &stored);

// The line that closes an account's lines: the totals due and paid and the last balance.
inline const QString TotalsLabel = QStringLiteral("               T O T A U X ... ");
QStringList accountTotalsRow(const AccountLines &lines);
