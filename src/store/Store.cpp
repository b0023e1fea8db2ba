#include "store/Store.h"

#include "platform/Messages.h"

#include <QDir>

namespace {

bool isNumericColumn(const QString &column) {
    return column.compare(QLatin1String("Codepatient"), Qt::CaseInsensitive) == 0 ||
           column.compare(QLatin1String("datenum"), Qt::CaseInsensitive) == 0 ||
           column.compare(QLatin1String("ordre"), Qt::CaseInsensitive) == 0;
}

// Codes, date numbers and line orders compare and sort as numbers; everything else keeps its text.
QString createTableStatement(const TableDefinition &definition) {
    QStringList columns;
    for (const QString &column : definition.columns)
        columns << column + (isNumericColumn(column) ? QStringLiteral(" INTEGER") : QStringLiteral(" TEXT"));
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)")
        .arg(QLatin1String(definition.table), columns.join(QStringLiteral(", ")));
}

QString createIndexStatement(const TableDefinition &definition, const QString &columns) {
    QString name = QStringLiteral("idx_%1_%2").arg(QLatin1String(definition.table), columns);
    name.replace(QLatin1Char(','), QLatin1Char('_'));
    return QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
        .arg(name, QLatin1String(definition.table), columns);
}

// A new file gets its table and indexes in one transaction (one write to the disk, not one per statement).
bool prepareTable(Connection &connection, const TableDefinition &definition) {
    connection.execute(QStringLiteral("BEGIN"));
    if (!connection.execute(createTableStatement(definition))) {
        connection.execute(QStringLiteral("ROLLBACK"));
        return false;
    }
    for (const QString &columns : definition.indexedColumnSets)
        connection.execute(createIndexStatement(definition, columns)); // an index is a speed-up, not a need
    return connection.execute(QStringLiteral("COMMIT"));
}

} // namespace

Store &store() {
    static Store instance;
    return instance;
}

QString dataFolderOf(const QString &workingFolder) {
    return QDir(workingFolder).filePath(QStringLiteral("data"));
}

bool Store::open(const QString &dataFolder) {
    close();
    QDir().mkpath(dataFolder);
    const QDir folder(dataFolder);
    for (const TableDefinition &definition : tableDefinitions()) {
        Connection &connection = at(definition.db);
        if (!connection.open(folder.filePath(QLatin1String(definition.file))) ||
            !prepareTable(connection, definition)) {
            close();
            Messages::show(QStringLiteral("Info"),
                           QStringLiteral("Ouverture %1 impossible!").arg(displayedPath(definition.db)));
            return false;
        }
    }
    m_open = true;
    return true;
}

void Store::close() {
    for (Connection &connection : m_connections)
        connection.close();
    m_open = false;
}
