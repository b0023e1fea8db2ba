#pragma once

#include <QString>
#include <functional>

// Copies of the data folder's plain files, in both directions.

// Files that belong to the running program and its live databases only (the lock that keeps a second
// program out, the record of files closed cleanly, the engine's journals, a copy cut short): a copy of them elsewhere
// is meaningless, and a journal put back beside a restored database would be replayed into it.
bool isLiveOnlyFile(const QString &name);

// Copies every file and sub-folder of `source` into `destination`, except live-only files and the
// top-level names `leaveOut` accepts. Missing folders are created owner-only, each file lands whole and
// owner-only, and a file of the same name is replaced even when it is read-only; files of the destination
// that the source does not have stay. Empty when every file was copied, otherwise a sentence naming the
// file that was not.
QString copyFolderFiles(const QString &source, const QString &destination,
                        const std::function<bool(const QString &name)> &leaveOut);

// True when `inner` is `outer` or lies inside it.
bool isSameOrInside(const QString &inner, const QString &outer);
