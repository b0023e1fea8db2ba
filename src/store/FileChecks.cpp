#include "store/FileChecks.h"

#include <sqlite3.h>

namespace {

// Runs a statement and hands over column `column` of each row as text; the engine's result code
// comes back (SQLITE_DONE when every row was read).
template <typename OnRow> int eachText(sqlite3 *db, const char *sql, const QString &value, int column, OnRow onRow) {
    sqlite3_stmt *statement = nullptr;
    int status = sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    if (status != SQLITE_OK)
        return status;
    const QByteArray bound = value.toUtf8();
    if (!value.isNull())
        sqlite3_bind_text(statement, 1, bound.constData(), int(bound.size()), SQLITE_TRANSIENT);
    while ((status = sqlite3_step(statement)) == SQLITE_ROW) {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
        onRow(QString::fromUtf8(text ? text : ""));
    }
    sqlite3_finalize(statement);
    return status;
}

bool isBusy(int status) {
    return (status & 0xff) == SQLITE_BUSY || (status & 0xff) == SQLITE_LOCKED;
}

FileCheck refused(const QString &reason) {
    return {FileCheck::Outcome::Refused, reason};
}

bool sameColumns(const QStringList &found, const TableDefinition &definition) {
    if (found.size() != definition.columns.size())
        return false;
    for (int i = 0; i < found.size(); ++i) {
        if (definition.columns[i] == QLatin1String("reserve"))
            continue; // never read nor written: files made elsewhere name it as they like
        if (found[i].compare(definition.columns[i], Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

} // namespace

FileCheck checkDataFile(sqlite3 *db, const TableDefinition &definition, bool checkPages) {
    const QString damaged = QStringLiteral("fichier endommagé");

    int status = SQLITE_DONE;
    if (checkPages) {
        QStringList problems;
        status = eachText(db, "PRAGMA quick_check", QString(), 0, [&](const QString &line) { problems << line; });
        if (isBusy(status))
            return {FileCheck::Outcome::Busy, {}};
        if (status != SQLITE_DONE || problems != QStringList{QStringLiteral("ok")})
            return refused(damaged);
    }

    int tables = 0;
    QString table;
    status = eachText(db, "select name from sqlite_master where type='table'", QString(), 0, [&](const QString &name) {
        ++tables;
        if (name.compare(QLatin1String(definition.table), Qt::CaseInsensitive) == 0)
            table = name;
    });
    if (status != SQLITE_DONE)
        return isBusy(status) ? FileCheck{FileCheck::Outcome::Busy, {}} : refused(damaged);
    if (table.isEmpty()) {
        if (tables == 0)
            return {FileCheck::Outcome::New, {}};
        return refused(QStringLiteral("ce fichier ne contient pas la table %1").arg(QLatin1String(definition.table)));
    }

    QStringList columns;
    status =
        eachText(db, "select name from pragma_table_info(?)", table, 0, [&](const QString &name) { columns << name; });
    if (status != SQLITE_DONE)
        return isBusy(status) ? FileCheck{FileCheck::Outcome::Busy, {}} : refused(damaged);
    if (!sameColumns(columns, definition))
        return refused(QStringLiteral("colonnes inattendues"));
    return {};
}
