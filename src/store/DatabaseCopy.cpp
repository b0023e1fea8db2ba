#include "store/DatabaseCopy.h"

#include "common/OwnerOnlyFiles.h"
#include "store/Store.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace {

constexpr int ReservedPatientColumn = 12;

// A read-only connection of our own on a file, closed when it goes.
class FileConnection {
public:
    FileConnection(const QString &path, int flags) {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags, nullptr) != SQLITE_OK) {
            m_error = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("ouverture impossible");
            sqlite3_close(m_db);
            m_db = nullptr;
        }
    }
    ~FileConnection() { sqlite3_close(m_db); }
    FileConnection(const FileConnection &) = delete;
    FileConnection &operator=(const FileConnection &) = delete;

    sqlite3 *get() const { return m_db; }
    const QString &error() const { return m_error; }

    // Column 0 of every row, as text; false with the engine's reason when the statement fails.
    bool column(const QString &sql, QStringList &values) {
        sqlite3_stmt *statement = nullptr;
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &statement, nullptr) != SQLITE_OK) {
            m_error = QString::fromUtf8(sqlite3_errmsg(m_db));
            return false;
        }
        int status;
        while ((status = sqlite3_step(statement)) == SQLITE_ROW)
            values << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
        if (status != SQLITE_DONE)
            m_error = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_finalize(statement);
        return status == SQLITE_DONE;
    }

private:
    sqlite3 *m_db = nullptr;
    QString m_error;
};

// Copies every page of one database into another in a single step; the destination's write is rolled
// back when the step fails.
QString backUp(sqlite3 *from, sqlite3 *to) {
    sqlite3_backup *backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup)
        return QString::fromUtf8(sqlite3_errmsg(to));
    const int status = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (status == SQLITE_DONE)
        return {};
    return QString::fromUtf8(sqlite3_errstr(status));
}

} // namespace

QString copyDatabaseToFile(Connection &source, const QString &path) {
    if (!source.isOpen())
        return QStringLiteral("base de données fermée");
    const QString partial = path + QStringLiteral(".tmp");
    removeFile(partial);
    {
        // An empty file is an empty database; made first so the copy is owner-only from its first byte.
        QFile file(partial);
        if (!file.open(QIODevice::WriteOnly))
            return file.errorString();
        file.close();
        setOwnerOnly(partial);
    }
    QString error;
    {
        FileConnection copy(partial, SQLITE_OPEN_READWRITE);
        error = copy.get() ? backUp(source.handle(), copy.get()) : copy.error();
    }
    if (!error.isEmpty()) {
        removeFile(partial);
        return error;
    }
    return moveIntoPlace(partial, path);
}

QString copyFileIntoDatabase(const QString &path, Connection &destination) {
    if (!destination.isOpen())
        return QStringLiteral("base de données fermée");
    if (!QFileInfo(path).isFile())
        return QStringLiteral("fichier introuvable");
    const FileConnection copy(path, SQLITE_OPEN_READONLY);
    if (!copy.get())
        return copy.error();
    return backUp(copy.get(), destination.handle());
}

QString databaseFileProblem(const QString &path, const TableDefinition *definition) {
    if (!QFileInfo(path).isFile())
        return QStringLiteral("ce n'est pas un fichier");
    FileConnection file(path, SQLITE_OPEN_READONLY);
    QStringList check;
    if (!file.get() || !file.column(QStringLiteral("PRAGMA quick_check"), check))
        return file.error();
    if (check != QStringList{QStringLiteral("ok")})
        return check.join(u'\n');
    if (!definition)
        return {};
    // The table and its columns, in order; names compare without regard to case, as statements do. The
    // patient table's reserved column is never named by a statement, so its name does not matter.
    QStringList columns;
    const QString table = QLatin1String(definition->table);
    if (!file.column(QStringLiteral("select name from pragma_table_info('%1')").arg(table), columns))
        return file.error();
    QStringList expected = definition->columns;
    if (definition->db == Db::Dbpatient && columns.size() == expected.size())
        columns[ReservedPatientColumn] = expected[ReservedPatientColumn];
    if (columns.join(u',').compare(expected.join(u','), Qt::CaseInsensitive) != 0)
        return QStringLiteral("la table %1 manque ou n'a pas les colonnes attendues").arg(table);
    return {};
}

QString openDataFolder() {
    sqlite3 *patients = db(Db::Dbpatient).handle();
    const char *file = patients ? sqlite3_db_filename(patients, "main") : nullptr;
    return file ? QFileInfo(QString::fromUtf8(file)).absolutePath() : QString();
}
