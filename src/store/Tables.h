#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The 23 database files, in the order they are opened; one table each.
enum class Db {
    Dbpatient,
    tablepres,
    tableposol,
    tablefonc,
    tableanal,
    tableradio,
    tableres,
    tablemedic,
    tablemal,
    tableDes,
    tableTarif,
    Dbrv,
    Dbexamen,
    Dbord,
    Dbanal,
    Dbradio,
    Dbconge,
    Dbcertif,
    DbLR,
    DbReg,
    DbAntM,
    DbAntC,
    DbAntF,
};

constexpr int DatabaseCount = 23;

struct TableDefinition {
    Db db;
    const char *file;  // file name inside the data folder
    const char *table; // the one table it holds
    QStringList columns;
    QStringList indexedColumnSets; // each entry: columns of one index, comma separated
};

const std::array<TableDefinition, DatabaseCount> &tableDefinitions();

const TableDefinition &tableDefinition(Db db);

// The file's path as the user is told it, in the program's historical spelling ("data\Dbpatient.db").
QString displayedPath(Db db);
