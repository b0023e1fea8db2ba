#include "record/Acts.h"

#include "common/FieldRules.h"
#include "common/ProgramState.h"
#include "platform/Messages.h"

#include <QSet>
#include <sqlite3.h>

bool takeActDate(const QString &date, DateRule rule) {
    programState().actDate = date;
    if (!(rule ? rule : checkActDate)(date)) {
        Messages::error(WrongActDateMessage);
        return false;
    }
    computeActDateNumber();
    return true;
}

QStringList actDates(Connection &connection, const QString &sql, const QString &patientCode) {
    QStringList dates;
    QSet<QString> listed;
    // Only the date is read from each row.
    connection.forEachStatementRow(sql, {patientCode}, [&](sqlite3_stmt *row) {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(row, 1));
        const QString date = text ? QString::fromUtf8(text, sqlite3_column_bytes(row, 1)) : QString();
        if (!listed.contains(date)) {
            listed.insert(date);
            dates << date;
        }
    });
    return dates;
}
