#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

using Row = QStringList;
using Rows = QList<Row>;

// One open database file. Statements keep their text shapes with `?` where a value goes; the values
// are always bound as text, never spliced, so whatever the user typed is stored exactly as typed.
class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    enum class OpenResult { Opened, CannotOpen, NotADatabase, Busy };

    // Opens (or creates) the file and reads it once, writing nothing into it; only an opened file stays open.
    OpenResult open(const QString &path);
    // What every connection writes with: a rollback journal beside the file, each commit on the disk.
    bool prepareForWriting();
    void close();
    bool isOpen() const { return m_db != nullptr; }
    bool inTransaction() const;

    // How long a statement waits for a file another program holds before it fails (tests shorten it).
    static void setBusyTimeout(int milliseconds);

    // Runs a statement that yields rows, every column read back as text (null as empty text).
    // A statement the engine refuses shows "Erreur Check DatabaseQuery" with the engine's text,
    // sets *ok to false and yields no rows.
    Rows query(const QString &sql, const QStringList &values = {}, bool *ok = nullptr);

    // The same, handing the rows over one at a time without keeping them.
    bool forEachRow(const QString &sql, const QStringList &values, const std::function<void(const Row &)> &onRow);

    // The same, handing over the engine's statement on each row, for a reader that takes the columns
    // itself (a long list read without a text list per row).
    bool forEachStatementRow(const QString &sql, const QStringList &values,
                             const std::function<void(sqlite3_stmt *)> &onRow);

    // The first row the predicate accepts; the rows after it are not read.
    std::optional<Row> findRow(const QString &sql, const QStringList &values,
                               const std::function<bool(const Row &)> &accept);

    // True when the statement yields at least one row.
    bool exists(const QString &sql, const QStringList &values = {}) { return exists(sql, values, nullptr); }

    // True when the statement yields at least one row; a refused statement sets *ok to false.
    bool exists(const QString &sql, const QStringList &values, bool *ok);

    // Column 0 of the first row as an integer; no row or a null value reads 0; a refused statement
    // sets *ok to false.
    qint64 queryInteger(const QString &sql, const QStringList &values = {}, bool *ok = nullptr);

    // Runs a statement that changes data. A statement the engine refuses shows
    // "Erreur Check DatabaseUpdate" with the engine's text and changes nothing.
    bool update(const QString &sql, const QStringList &values = {});

    // Runs statements without values or messages (schema, pragmas); false on failure.
    bool execute(const QString &sql);

    // The engine's handle, for the whole-file copies of backup and restore.
    sqlite3 *handle() const { return m_db; }
    QString path() const { return m_path; }

private:
    class Statement;
    void reportFailure(const char *title, const Statement &statement) const;

    sqlite3 *m_db = nullptr;
    QString m_path;
    QHash<QString, sqlite3_stmt *> m_statements;
};

// Groups statements so they land together or not at all. The outermost one takes the file's write
// lock at once (BEGIN IMMEDIATE), so what it reads stays true until it commits; one opened inside
// another is a savepoint of it. When it cannot begin, the user has been told why and the caller must
// write nothing: isOpen() is false and commit() fails.
class Transaction {
public:
    explicit Transaction(Connection &connection);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    bool isOpen() const { return m_open; }
    bool commit();

private:
    Connection &m_connection;
    bool m_open = false;
    bool m_nested = false;
};
