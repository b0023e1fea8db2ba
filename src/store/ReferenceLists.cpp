#include "store/ReferenceLists.h"

#include "store/Store.h"

#include <QHash>
#include <sqlite3.h>

QString nextPrefix(const QString &prefix) {
    const QList<uint> codePoints = prefix.toUcs4();
    if (codePoints.isEmpty())
        return {};
    const uint last = codePoints.last();
    if (last >= 0xD7FF && last <= 0xDFFF) // the next code point would be a surrogate
        return {};
    if (last >= 0x10FFFF)
        return {};
    QList<uint> next = codePoints;
    next.last() = last + 1;
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(next.constData()), next.size());
}

namespace {

// "Select * from T order by c" becomes "Select * from T where c>=? and c<? order by c": every text
// that begins with the typed one, read from the column's index. Empty when the query has no such shape.
QString rangeQuery(const QString &sortedQuery, bool withUpperEnd) {
    static const QLatin1String OrderBy(" order by ");
    const qsizetype order = sortedQuery.lastIndexOf(OrderBy, -1, Qt::CaseInsensitive);
    if (order < 0 || sortedQuery.contains(QLatin1String(" where "), Qt::CaseInsensitive))
        return {};
    const QString column = sortedQuery.mid(order + OrderBy.size()).trimmed();
    if (column.isEmpty() || column.contains(QLatin1Char(',')) || column.contains(QLatin1Char(' ')))
        return {};
    const QString bounds = withUpperEnd ? QStringLiteral(" where %1>=? and %1<?") : QStringLiteral(" where %1>=?");
    return sortedQuery.left(order) + bounds.arg(column) + sortedQuery.mid(order);
}

// Each list's range query is made once: a keystroke reads the entries, not the query's text.
QString rememberedRangeQuery(const QString &sortedQuery, bool withUpperEnd) {
    static QHash<QString, QString> made[2];
    QHash<QString, QString> &queries = made[withUpperEnd ? 1 : 0];
    if (const auto found = queries.constFind(sortedQuery); found != queries.cend())
        return *found;
    return *queries.insert(sortedQuery, rangeQuery(sortedQuery, withUpperEnd));
}

} // namespace

QStringList referenceSuggestions(Db which, const QString &sortedQuery, const QString &typed) {
    QStringList suggestions;
    if (typed.isEmpty())
        return suggestions;
    const auto takeEntry = [&](const QString &entry) {
        if (entry.startsWith(typed, Qt::CaseSensitive) && (suggestions.isEmpty() || suggestions.last() != entry))
            suggestions << entry;
    };
    const auto take = [&](const Row &row) { takeEntry(row.value(0)); };
    // Only the first column is read, and compared as the engine's UTF-8: a text becomes a QString only
    // when it is kept.
    const QByteArray typedUtf8 = typed.toUtf8();
    QByteArray lastKept;
    const auto takeFirstColumn = [&](sqlite3_stmt *statement) {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, 0));
        const QByteArrayView entry(text, text ? sqlite3_column_bytes(statement, 0) : 0);
        if (!entry.startsWith(typedUtf8) || (!suggestions.isEmpty() && entry == lastKept))
            return;
        lastKept.resize(entry.size()); // the same room serves every entry
        std::copy(entry.begin(), entry.end(), lastKept.begin());
        suggestions << QString::fromUtf8(entry);
    };
    const QString upperEnd = nextPrefix(typed);
    const QString ranged = rememberedRangeQuery(sortedQuery, !upperEnd.isEmpty());
    if (ranged.isEmpty()) {
        db(which).forEachRow(sortedQuery, {}, take);
    } else if (!upperEnd.isEmpty()) {
        db(which).forEachStatementRow(ranged, {typed, upperEnd}, takeFirstColumn);
    } else {
        // No upper end to give the engine: the entries that begin with the text follow one another
        // from it on, so the reading stops at the first one that does not.
        db(which).findRow(ranged, {typed}, [&](const Row &row) {
            if (!row.value(0).startsWith(typed, Qt::CaseSensitive))
                return true;
            take(row);
            return false;
        });
    }
    return suggestions;
}
