#pragma once

#include <QString>

// The user is told in French why the store failed, then the engine's own words for the record.

// One French sentence for the engine's result code: full disk, read-only file, file used by another
// program, damaged file, or a refusal of the engine.
QString failureCause(int engineCode);

// The cause, the file it happened on, and the engine's text on a second line.
QString failureText(int engineCode, const QString &fileName, const QString &engineText);
