#include "store/WritePatterns.h"

// Each pattern writes nothing unless its transaction began, and nothing after a lookup the store
// refused: a write reported as failed is never stored.

bool replaceRow(Connection &connection, const Statement &select, const Statement &remove, const Statement &insert) {
    Transaction transaction(connection);
    if (!transaction.isOpen())
        return false;
    bool ok = false;
    const bool found = connection.exists(select.sql, select.values, &ok);
    if (!ok || (found && !connection.update(remove.sql, remove.values)))
        return false;
    if (!connection.update(insert.sql, insert.values))
        return false;
    return transaction.commit();
}

bool updateOrInsert(Connection &connection, const Statement &select, const Statement &update, const Statement &insert) {
    Transaction transaction(connection);
    if (!transaction.isOpen())
        return false;
    bool ok = false;
    const bool found = connection.exists(select.sql, select.values, &ok);
    if (!ok || !connection.update(found ? update.sql : insert.sql, found ? update.values : insert.values))
        return false;
    return transaction.commit();
}

bool insertIfMissing(Connection &connection, const Statement &lookup, const Statement &insert) {
    Transaction transaction(connection);
    if (!transaction.isOpen())
        return false;
    bool ok = false;
    const bool found = connection.exists(lookup.sql, lookup.values, &ok);
    if (!ok || (!found && !connection.update(insert.sql, insert.values)))
        return false;
    return transaction.commit();
}
