#pragma once

#include "store/Tables.h"

#include <QString>

struct sqlite3;

// What start-up finds in an opened data file before it writes anything into it.
struct FileCheck {
    enum class Outcome {
        Usable,  // our table with its columns, undamaged
        New,     // a database without any table: our table may be created in it
        Refused, // damaged, another program's table, or other columns: never modified
        Busy,    // held by another program past the busy timeout
    };
    Outcome outcome = Outcome::Usable;
    QString reason; // for a refusal, in French
};

// Runs the engine's quick check on the file (when `checkPages`) and compares its table's columns, by
// name and in order (case ignored), with ours; the reserved column of the patient table may bear any name.
FileCheck checkDataFile(sqlite3 *db, const TableDefinition &definition, bool checkPages = true);
