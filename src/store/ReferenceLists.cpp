#include "store/ReferenceLists.h"

#include "store/Store.h"

QStringList referenceSuggestions(Db which, const QString &sortedQuery, const QString &typed) {
    QStringList suggestions;
    if (typed.isEmpty())
        return suggestions;
    db(which).forEachRow(sortedQuery, {}, [&](const Row &row) {
        const QString entry = row.value(0);
        if (entry.startsWith(typed, Qt::CaseSensitive) && (suggestions.isEmpty() || suggestions.last() != entry))
            suggestions << entry;
    });
    return suggestions;
}
