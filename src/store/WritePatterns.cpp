#include "store/WritePatterns.h"

bool replaceRow(Connection &connection, const Statement &select, const Statement &remove, const Statement &insert) {
    Transaction transaction(connection);
    if (connection.exists(select.sql, select.values) && !connection.update(remove.sql, remove.values))
        return false;
    if (!connection.update(insert.sql, insert.values))
        return false;
    return transaction.commit();
}

bool updateOrInsert(Connection &connection, const Statement &select, const Statement &update, const Statement &insert) {
    Transaction transaction(connection);
    const Statement &write = connection.exists(select.sql, select.values) ? update : insert;
    if (!connection.update(write.sql, write.values))
        return false;
    return transaction.commit();
}

bool insertIfMissing(Connection &connection, const Statement &lookup, const Statement &insert) {
    Transaction transaction(connection);
    if (!connection.exists(lookup.sql, lookup.values) && !connection.update(insert.sql, insert.values))
        return false;
    return transaction.commit();
}
