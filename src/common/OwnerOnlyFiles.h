#pragma once

#include <QString>

// Files and folders the program writes for the practice are readable by their owner only: a backup holds
// every patient's record.

// Creates the folder (and its missing parents) readable by the owner only; a folder that already exists
// keeps its permissions. False when it cannot be created.
bool makeOwnerOnlyFolder(const QString &path);

// Gives a file the owner's read and write permission only.
bool setOwnerOnly(const QString &file);

// Puts a completed file in place of `destination` in one step, replacing a file there even when it is
// marked read-only. Empty when done, otherwise the system's reason.
QString moveIntoPlace(const QString &completed, const QString &destination);

// Removes a file, even one marked read-only; true when no file is left there.
bool removeFile(const QString &path);
