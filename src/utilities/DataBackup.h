#pragma once

#include <QString>

// Backing the practice's data up to a folder and restoring it, while the program keeps its connections
// open. Each database goes through SQLite's online backup, so every file ends fully old or fully new;
// the other files and sub-folders of the data folder are copied as files.

// The data folder the store has open, and the folders kept beside it.
QString dataFolderInUse();
QString defaultBackupFolder(); // "Sauve"
QString safetyCopyFolder();    // the data as it was before the last restore

// True when the folder holds a file whose name ends in ".db".
bool holdsDatabaseFiles(const QString &folder);

// Copies the data into the folder (created owner-only when missing); a copy there of the same name is
// replaced. Empty when done, otherwise a sentence naming the file that could not be copied.
QString backUpData(const QString &destination);

// Why a folder cannot be restored (empty when it can): it holds no ".db" file, one of them is not a
// sound database or lacks its table, or it is the data folder itself.
QString restoreSourceProblem(const QString &source);

// Keeps a safety copy of the current data, then copies the backup into the open databases and the data
// folder; the databases of the data folder that the backup lacks stay as they are. When a file fails,
// the databases already restored are put back as they were and the sentence returned says so.
QString restoreData(const QString &source);
