#include "documents/DatedDocuments.h"

#include "record/Acts.h"
#include "store/Store.h"
#include "store/WritePatterns.h"

#include <algorithm>

namespace {

QString text(const char *statement) {
    return QString::fromUtf8(statement);
}

} // namespace

Rows patientDocuments(const DatedTable &table, const QString &patientCode) {
    return db(table.db).query(text(table.listing), {patientCode});
}

QStringList documentDates(const DatedTable &table, const QString &patientCode) {
    return actDates(db(table.db), text(table.listing), patientCode);
}

Rows documentRows(const DatedTable &table, const QString &patientCode, const QString &date) {
    return db(table.db).query(text(table.select), {patientCode, date});
}

std::optional<Row> documentOf(const DatedTable &table, const QString &patientCode, const QString &date) {
    return db(table.db).findRow(text(table.select), {patientCode, date}, [](const Row &) { return true; });
}

bool replaceDocument(const DatedTable &table, const QString &patientCode, const QString &date,
                     const QString &dateNumber, const QStringList &values) {
    const QStringList key{patientCode, date};
    return replaceRow(db(table.db), {text(table.select), key}, {text(table.remove), key},
                      {text(table.insert), QStringList{patientCode, date, dateNumber} + values});
}

Removal deleteDocument(const DatedTable &table, const QString &patientCode, const QString &date) {
    const QStringList key{patientCode, date};
    Connection &connection = db(table.db);
    if (!connection.exists(text(table.select), key))
        return Removal::NothingStored;
    return connection.update(text(table.remove), key) ? Removal::Removed : Removal::StoreFailed;
}

bool anyFilled(const QStringList &texts) {
    return std::any_of(texts.begin(), texts.end(), [](const QString &line) { return !line.isEmpty(); });
}
