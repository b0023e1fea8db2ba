#pragma once

#include "store/Tables.h"

#include <QStringList>

// The entries of a reference list that begin with the typed text (case-sensitive), in the order the
// sorted query gives them, each once; nothing for an empty text.
QStringList referenceSuggestions(Db db, const QString &sortedQuery, const QString &typed);

// The smallest text sorting after every text that begins with `prefix` in the engine's text order (byte
// order): the prefix with its last character moved on by one. Empty for an empty prefix or when no such
// character exists (a surrogate or the last code point): the range then has no upper end.
QString nextPrefix(const QString &prefix);
