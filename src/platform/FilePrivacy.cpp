#include "platform/FilePrivacy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace FilePrivacy {

void restrictNewFilesToOwner() {
#ifdef Q_OS_UNIX
    ::umask(077);
#endif
}

bool makeOwnerOnlyFolder(const QString &path) {
    if (!QFileInfo(path).isDir() && !QDir().mkpath(path))
        return false;
    tightenToOwner(path);
    return true;
}

bool createOwnerOnlyFile(const QString &path) {
#ifdef Q_OS_UNIX
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return false;
    ::close(descriptor);
    tightenToOwner(path);
    return true;
#else
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append);
#endif
}

void tightenToOwner(const QString &path) {
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat status;
    if (::lstat(name.constData(), &status) != 0 || status.st_uid != ::geteuid() || S_ISLNK(status.st_mode))
        return;
    if ((status.st_mode & 077) != 0)
        ::chmod(name.constData(), status.st_mode & 0700);
#else
    Q_UNUSED(path);
#endif
}

} // namespace FilePrivacy
