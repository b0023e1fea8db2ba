#include "accounts/AccountStatement.h"

#include "accounts/Payments.h"

JournalDocument accountStatement(const QString &patientCode, const QString &patientName) {
    const AccountLines lines = paymentLines(patientCode);
    JournalDocument document;
    document.patientName = patientName;
    if (lines.rows.isEmpty())
        return document;
    document.periodStart = lines.rows.first().value(0);
    document.periodEnd = lines.rows.last().value(0);
    document.rows = lines.rows;
    document.rows.append(accountTotalsRow(lines));
    return document;
}

bool printAccountStatement(const QString &patientCode, const QString &patientName) {
    return printJournal(accountStatementLayout(), accountStatement(patientCode, patientName));
}
