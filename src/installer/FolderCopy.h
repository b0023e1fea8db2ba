#pragma once

#include <QString>
#include <QStringList>

// Copies the installation medium's folder into the installation folder. The files of the data folder that
// already exist at the destination are the practice's records: they are kept as they are.
namespace Install {

// One file or folder of the source, by its path relative to the source folder.
struct CopyEntry {
    QString relativePath;
    bool isFolder = false;
    bool keep = false;   // an existing data file: left as it is
    qint64 newBytes = 0; // the space the copy takes beyond the file it replaces
};

// Every entry of the source and its sub-folders, parents before their contents.
QList<CopyEntry> planCopy(const QString &source, const QString &destination);

// True when the destination is the source folder or lies inside it: such a copy would overwrite the medium's
// own files with themselves.
bool overlapsSource(const QString &source, const QString &destination);

// The space the planned copy needs on the destination's disk.
qint64 bytesNeeded(const QList<CopyEntry> &plan);

// The free space of the disk that holds the destination, or of its nearest existing parent folder.
qint64 bytesAvailable(const QString &destination);

struct CopyResult {
    QString failedFile; // empty when every entry was copied
    QString reason;
    QStringList kept; // the existing data files left as they were
    bool succeeded() const { return failedFile.isEmpty(); }
};

// Creates the destination (with its missing parents), copies the plan's folders and files, overwriting
// existing files even when they are read-only, keeps existing data files, and leaves the data folder
// readable by its owner only. Stops at the first entry that cannot be copied.
CopyResult copyFolder(const QString &source, const QString &destination, const QList<CopyEntry> &plan);

} // namespace Install
