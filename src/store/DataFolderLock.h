#pragma once

#include <QLockFile>
#include <QString>

// One program per data folder: two copies writing the same files would give two patients one code.
// The lock is a file in the data folder holding the holder's process; it is released when the
// program ends, and a lock left by a program that crashed is taken over.
class DataFolderLock {
public:
    explicit DataFolderLock(const QString &dataFolder);

    // False when another running program holds the folder.
    bool tryLock();

    static QString fileName(); // the lock file's name inside the data folder

private:
    QLockFile m_lock;
};
