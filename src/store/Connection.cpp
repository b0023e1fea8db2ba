#include "store/Connection.h"

#include "platform/Messages.h"
#include "store/Failures.h"

#include <QFileInfo>
#include <sqlite3.h>

Connection::~Connection() {
    close();
}

namespace {

int busyTimeout = 5000;

} // namespace

void Connection::setBusyTimeout(int milliseconds) {
    busyTimeout = milliseconds;
}

Connection::OpenResult Connection::open(const QString &path) {
    close();
    if (QFileInfo(path).isDir())
        return OpenResult::CannotOpen;
    const QByteArray file = path.toUtf8();
    // The program has one thread: each connection is used by it alone, so the engine need not lock it on
    // every call.
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(file.constData(), &m_db, flags, nullptr) != SQLITE_OK) {
        close();
        return OpenResult::CannotOpen;
    }
    m_path = path;
    // A double-quoted word is an identifier, never a text literal.
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    sqlite3_busy_timeout(m_db, busyTimeout);
    // Deleted rows are overwritten in the file, not merely unlinked: a deleted patient's text must not
    // stay readable in free pages, whatever the engine's build defaults to.
    execute(QStringLiteral("PRAGMA secure_delete=ON"));
    // The first read tells a database from any other file.
    const int status = sqlite3_exec(m_db, "select count(*) from sqlite_master", nullptr, nullptr, nullptr);
    if (status == SQLITE_OK)
        return OpenResult::Opened;
    const int code = sqlite3_errcode(m_db) & 0xff;
    close();
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
        return OpenResult::Busy;
    return code == SQLITE_NOTADB || code == SQLITE_CORRUPT ? OpenResult::NotADatabase : OpenResult::CannotOpen;
}

bool Connection::prepareForWriting() {
    // The data folder stays plain .db files that any copy can take: never a write-ahead log.
    return execute(QStringLiteral("PRAGMA journal_mode=DELETE")) && execute(QStringLiteral("PRAGMA synchronous=FULL"));
}

bool Connection::inTransaction() const {
    return m_db && !sqlite3_get_autocommit(m_db);
}

void Connection::close() {
    for (sqlite3_stmt *statement : std::as_const(m_statements))
        sqlite3_finalize(statement);
    m_statements.clear();
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    m_path.clear();
}

// A prepared statement with its values bound. Statements are prepared once per connection and kept;
// a statement still stepping (a query run from inside another one's rows) gets a fresh copy.
class Connection::Statement {
public:
    Statement(Connection &connection, const QString &sql, const QStringList &values) {
        sqlite3 *db = connection.m_db;
        if (!db) {
            m_code = SQLITE_MISUSE;
            m_error = QStringLiteral("base de données fermée");
            return;
        }
        m_statement = connection.m_statements.value(sql, nullptr);
        if (!m_statement || sqlite3_stmt_busy(m_statement)) {
            const QByteArray text = sql.toUtf8();
            const bool keep = !m_statement;
            m_statement = nullptr;
            if (sqlite3_prepare_v3(db, text.constData(), int(text.size()), keep ? SQLITE_PREPARE_PERSISTENT : 0,
                                   &m_statement, nullptr) != SQLITE_OK) {
                keepError(db);
                sqlite3_finalize(m_statement);
                m_statement = nullptr;
                return;
            }
            if (keep)
                connection.m_statements.insert(sql, m_statement);
            else
                m_temporary = true;
        }
        if (sqlite3_bind_parameter_count(m_statement) != values.size()) {
            m_code = SQLITE_RANGE;
            m_error = QStringLiteral("%1 valeurs pour %2 paramètres")
                          .arg(values.size())
                          .arg(sqlite3_bind_parameter_count(m_statement));
            return;
        }
        for (int i = 0; i < values.size(); ++i) {
            const QByteArray value = values[i].toUtf8();
            if (sqlite3_bind_text(m_statement, i + 1, value.constData(), int(value.size()), SQLITE_TRANSIENT) !=
                SQLITE_OK) {
                keepError(db);
                return;
            }
        }
        m_ready = true;
    }
    ~Statement() {
        if (!m_statement)
            return;
        if (m_temporary) {
            sqlite3_finalize(m_statement);
        } else {
            sqlite3_reset(m_statement);
            sqlite3_clear_bindings(m_statement);
        }
    }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool ready() const { return m_ready; }
    sqlite3_stmt *get() const { return m_statement; }
    // Steps once; a failure keeps the engine's text for the message.
    int step() {
        const int status = sqlite3_step(m_statement);
        if (status != SQLITE_ROW && status != SQLITE_DONE)
            keepError(sqlite3_db_handle(m_statement));
        return status;
    }
    const QString &error() const { return m_error; }
    int code() const { return m_code; }

private:
    void keepError(sqlite3 *db) {
        m_code = sqlite3_extended_errcode(db);
        m_error = QString::fromUtf8(sqlite3_errmsg(db));
    }

    sqlite3_stmt *m_statement = nullptr;
    bool m_temporary = false;
    bool m_ready = false;
    int m_code = SQLITE_OK;
    QString m_error;
};

void Connection::reportFailure(const char *title, const Statement &statement) const {
    Messages::show(QString::fromLatin1(title),
                   failureText(statement.code(), QFileInfo(m_path).fileName(), statement.error()));
}

namespace {

Row readRow(sqlite3_stmt *statement, int columns) {
    Row row;
    row.reserve(columns);
    for (int c = 0; c < columns; ++c) {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, c));
        row << (text ? QString::fromUtf8(text, sqlite3_column_bytes(statement, c)) : QString());
    }
    return row;
}

} // namespace

std::optional<Row> Connection::findRow(const QString &sql, const QStringList &values,
                                       const std::function<bool(const Row &)> &accept) {
    Statement statement(*this, sql, values);
    if (!statement.ready()) {
        reportFailure("Erreur Check DatabaseQuery", statement);
        return std::nullopt;
    }
    const int columns = sqlite3_column_count(statement.get());
    int status;
    while ((status = statement.step()) == SQLITE_ROW) {
        Row row = readRow(statement.get(), columns);
        if (accept(row))
            return row;
    }
    if (status != SQLITE_DONE)
        reportFailure("Erreur Check DatabaseQuery", statement);
    return std::nullopt;
}

bool Connection::forEachRow(const QString &sql, const QStringList &values,
                            const std::function<void(const Row &)> &onRow) {
    Statement statement(*this, sql, values);
    if (!statement.ready()) {
        reportFailure("Erreur Check DatabaseQuery", statement);
        return false;
    }
    const int columns = sqlite3_column_count(statement.get());
    int status;
    while ((status = statement.step()) == SQLITE_ROW)
        onRow(readRow(statement.get(), columns));
    if (status != SQLITE_DONE) {
        reportFailure("Erreur Check DatabaseQuery", statement);
        return false;
    }
    return true;
}

bool Connection::forEachStatementRow(const QString &sql, const QStringList &values,
                                     const std::function<void(sqlite3_stmt *)> &onRow) {
    Statement statement(*this, sql, values);
    if (!statement.ready()) {
        reportFailure("Erreur Check DatabaseQuery", statement);
        return false;
    }
    int status;
    while ((status = statement.step()) == SQLITE_ROW)
        onRow(statement.get());
    if (status != SQLITE_DONE) {
        reportFailure("Erreur Check DatabaseQuery", statement);
        return false;
    }
    return true;
}

Rows Connection::query(const QString &sql, const QStringList &values, bool *ok) {
    Rows rows;
    const bool success = forEachRow(sql, values, [&rows](const Row &row) { rows.append(row); });
    if (ok)
        *ok = success;
    return success ? rows : Rows{};
}

bool Connection::exists(const QString &sql, const QStringList &values, bool *ok) {
    Statement statement(*this, sql, values);
    int status = SQLITE_ERROR;
    if (statement.ready())
        status = statement.step();
    const bool success = status == SQLITE_ROW || status == SQLITE_DONE;
    if (!success)
        reportFailure("Erreur Check DatabaseQuery", statement);
    if (ok)
        *ok = success;
    return status == SQLITE_ROW;
}

qint64 Connection::queryInteger(const QString &sql, const QStringList &values, bool *ok) {
    Statement statement(*this, sql, values);
    int status = SQLITE_ERROR;
    if (statement.ready())
        status = statement.step();
    const bool success = status == SQLITE_ROW || status == SQLITE_DONE;
    if (!success)
        reportFailure("Erreur Check DatabaseQuery", statement);
    if (ok)
        *ok = success;
    return status == SQLITE_ROW ? sqlite3_column_int64(statement.get(), 0) : 0;
}

bool Connection::update(const QString &sql, const QStringList &values) {
    Statement statement(*this, sql, values);
    if (!statement.ready()) {
        reportFailure("Erreur Check DatabaseUpdate", statement);
        return false;
    }
    const int status = statement.step();
    if (status != SQLITE_DONE && status != SQLITE_ROW) {
        reportFailure("Erreur Check DatabaseUpdate", statement);
        return false;
    }
    return true;
}

bool Connection::execute(const QString &sql) {
    if (!m_db)
        return false;
    return sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

Transaction::Transaction(Connection &connection) : m_connection(connection) {
    m_nested = m_connection.inTransaction();
    m_open =
        m_connection.update(m_nested ? QStringLiteral("SAVEPOINT inner_write") : QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction() {
    if (!m_open)
        return;
    if (m_nested)
        m_connection.execute(QStringLiteral("ROLLBACK TO inner_write; RELEASE inner_write"));
    else
        m_connection.execute(QStringLiteral("ROLLBACK"));
}

bool Transaction::commit() {
    if (!m_open)
        return false;
    if (m_nested) {
        m_open = false;
        return m_connection.update(QStringLiteral("RELEASE inner_write"));
    }
    if (!m_connection.update(QStringLiteral("COMMIT"))) {
        // Still open: the destructor rolls it back, so nothing of it lands.
        return false;
    }
    m_open = false;
    return true;
}
