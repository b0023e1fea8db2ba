#pragma once

#include "store/Tables.h"

#include <QStringList>

// The entries of a reference list that begin with the typed text (case-sensitive), in the order the
// sorted query gives them, each once; nothing for an empty text.
QStringList referenceSuggestions(Db db, const QString &sortedQuery, const QString &typed);
