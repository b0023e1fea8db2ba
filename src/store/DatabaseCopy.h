#pragma once

#include "store/Connection.h"
#include "store/Tables.h"

#include <QString>

// Whole-database copies through SQLite's online backup: a file SQLite holds open is never copied byte by
// byte, and a copy lands completely or not at all. Each function returns an empty text when done, or the
// reason it could not be done.

// Writes the open connection's database into a new owner-only file beside `path`, then puts it in place
// of `path` (an older copy, even read-only, is replaced only once the new one is complete).
QString copyDatabaseToFile(Connection &source, const QString &path);

// Replaces the whole content of the open connection with the database stored in `path`, in one write:
// the live file is fully old or fully new, and the connection goes on with the new content.
QString copyFileIntoDatabase(const QString &path, Connection &destination);

// Why the file is no sound copy of a database (empty when it is one): not a database, damaged
// (`PRAGMA quick_check`), or, with a definition, without its table and columns.
QString databaseFileProblem(const QString &path, const TableDefinition *definition = nullptr);

// The folder of the open data files.
QString openDataFolder();
