#pragma once

#include "store/Connection.h"

// A statement text with the values for its `?` placeholders.
struct Statement {
    QString sql;
    QStringList values;
};

// Keeps one row per act: the old row (if any) is deleted and the new one inserted in one transaction,
// so an insert that fails leaves the old row in place.
bool replaceRow(Connection &connection, const Statement &select, const Statement &remove, const Statement &insert);

// Updates the row the select finds, or inserts a new one when it finds none, in one transaction.
bool updateOrInsert(Connection &connection, const Statement &select, const Statement &update, const Statement &insert);

// Reference lists hold each text once: the insert runs only when the lookup finds nothing.
bool insertIfMissing(Connection &connection, const Statement &lookup, const Statement &insert);
