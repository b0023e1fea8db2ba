#pragma once

#include <QHash>
#include <QString>

// A full check of every file at each start-up would read the whole practice, tens of megabytes, before
// the first window. So when the program closes its files it writes down each file's size, time and
// identity; a file found exactly as the program left it was checked when it was opened last time, and
// the next start-up skips the engine's page check for it. Anything that touched a file in between (a
// crash, another program, a copy) changes its stamp and the file is checked in full. The record is
// removed at start-up, so a program that crashes leaves none.
namespace CleanClose {

// The files found unchanged since the program last closed them cleanly (file name → stamp); the
// record is removed. A record written for another layout of the tables and indexes (`layout`, as
// given to writeRecord) stands for no file: files left by a program that made other tables or indexes
// are checked and prepared again.
QHash<QString, QString> takeRecord(const QString &dataFolder, const QString &layout = {});

// Writes the record of the given files, owner-only, for the given layout of their tables and indexes.
void writeRecord(const QString &dataFolder, const QStringList &fileNames, const QString &layout = {});

// The size, modification time and identity of a file; empty when it cannot be read.
QString stamp(const QString &path);

QString recordFileName();

} // namespace CleanClose
