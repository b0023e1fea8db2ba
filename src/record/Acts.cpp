#include "record/Acts.h"

#include "common/FieldRules.h"
#include "common/ProgramState.h"
#include "platform/Messages.h"

#include <QSet>

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
    connection.forEachRow(sql, {patientCode}, [&](const Row &row) {
        const QString date = row.value(1);
        if (!listed.contains(date)) {
            listed.insert(date);
            dates << date;
        }
    });
    return dates;
}
