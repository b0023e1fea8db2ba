#include "store/Store.h"

#include "platform/FilePrivacy.h"
#include "platform/Messages.h"
#include "store/CleanClose.h"
#include "store/FileChecks.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

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
    if (!connection.execute(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    if (!connection.execute(createTableStatement(definition))) {
        connection.execute(QStringLiteral("ROLLBACK"));
        return false;
    }
    for (const QString &columns : definition.indexedColumnSets)
        connection.execute(createIndexStatement(definition, columns)); // an index is a speed-up, not a need
    return connection.execute(QStringLiteral("COMMIT"));
}

// What a file made by this program holds besides its rows: its table and indexes. A file closed
// cleanly under the same layout needs neither checked nor made again.
QString tablesLayout() {
    static const QString layout = [] {
        QCryptographicHash hash(QCryptographicHash::Sha1);
        for (const TableDefinition &definition : tableDefinitions()) {
            hash.addData(QByteArrayView(definition.file));
            hash.addData(createTableStatement(definition).toUtf8());
            for (const QString &columns : definition.indexedColumnSets)
                hash.addData(createIndexStatement(definition, columns).toUtf8());
        }
        return QString::fromLatin1(hash.result().toHex());
    }();
    return layout;
}

} // namespace

Store &store() {
    static Store instance;
    return instance;
}

QString dataFolderOf(const QString &workingFolder) {
    return QDir(workingFolder).filePath(QStringLiteral("data"));
}

namespace {

void refuseOpening(Db db, const QString &reason = {}) {
    QString text = QStringLiteral("Ouverture %1 impossible!").arg(displayedPath(db));
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    Messages::show(QStringLiteral("Info"), text);
}

void reportBusy(Db db) {
    Messages::show(QStringLiteral("Info"),
                   QStringLiteral("Le fichier %1 est utilisé par un autre programme.\nFermez cet autre programme, "
                                  "puis relancez Vireska.")
                       .arg(displayedPath(db)));
}

// Opens one file, writing into it only once it is known to hold our table undamaged (or nothing at
// all). A file exactly as the program left it at its last clean close, under the same layout, holds
// our table and indexes already: it is neither checked nor prepared again. False, after telling the
// user why, when the program cannot work with it.
bool openDataFile(Connection &connection, const TableDefinition &definition, const QDir &folder, bool closedCleanly) {
    const QString path = folder.filePath(QLatin1String(definition.file));
    // A new file is made owner-only before the engine writes into it; its journal takes the same rights.
    const QFileInfo file(path);
    if (!file.exists())
        FilePrivacy::createOwnerOnlyFile(path);
    else if (file.isFile())
        FilePrivacy::tightenToOwner(path);

    switch (connection.open(path)) {
    case Connection::OpenResult::Opened:
        break;
    case Connection::OpenResult::Busy:
        reportBusy(definition.db);
        return false;
    case Connection::OpenResult::NotADatabase:
        refuseOpening(definition.db, QStringLiteral("fichier endommagé"));
        return false;
    case Connection::OpenResult::CannotOpen:
        refuseOpening(definition.db);
        return false;
    }
    if (closedCleanly) {
        if (connection.prepareForWriting())
            return true;
        connection.close();
        refuseOpening(definition.db);
        return false;
    }
    const FileCheck check = checkDataFile(connection.handle(), definition, true);
    if (check.outcome == FileCheck::Outcome::Busy) {
        connection.close();
        reportBusy(definition.db);
        return false;
    }
    if (check.outcome == FileCheck::Outcome::Refused) {
        connection.close();
        refuseOpening(definition.db, check.reason);
        return false;
    }
    if (!connection.prepareForWriting() || !prepareTable(connection, definition)) {
        connection.close();
        refuseOpening(definition.db);
        return false;
    }
    return true;
}

} // namespace

bool Store::open(const QString &dataFolder) {
    close();
    if (!FilePrivacy::makeOwnerOnlyFolder(dataFolder)) {
        Messages::show(QStringLiteral("Info"), QStringLiteral("Ouverture data impossible!"));
        return false;
    }
    const QDir folder(dataFolder);
    const QHash<QString, QString> closedCleanly = CleanClose::takeRecord(dataFolder, tablesLayout());
    // On the first file the program cannot work with, what was opened is closed and the later files
    // are neither opened nor created.
    for (const TableDefinition &definition : tableDefinitions()) {
        if (!openDataFile(at(definition.db), definition, folder,
                          closedCleanly.contains(QLatin1String(definition.file)))) {
            close();
            return false;
        }
    }
    m_folder = dataFolder;
    m_open = true;
    return true;
}

void Store::close() {
    for (Connection &connection : m_connections)
        connection.close();
    if (m_open) {
        QStringList files;
        for (const TableDefinition &definition : tableDefinitions())
            files << QLatin1String(definition.file);
        CleanClose::writeRecord(m_folder, files, tablesLayout());
    }
    m_open = false;
}
