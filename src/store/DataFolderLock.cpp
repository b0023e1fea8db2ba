#include "store/DataFolderLock.h"

#include "platform/FilePrivacy.h"

#include <QDir>

DataFolderLock::DataFolderLock(const QString &dataFolder) : m_lock(QDir(dataFolder).filePath(fileName())) {
    // Only a holder that is no longer running makes the lock stale, however long ago it was taken.
    m_lock.setStaleLockTime(0);
}

bool DataFolderLock::tryLock() {
    if (!m_lock.tryLock(0))
        return false;
    FilePrivacy::tightenToOwner(m_lock.fileName());
    return true;
}

QString DataFolderLock::fileName() {
    return QStringLiteral("Vireska.lock");
}
