#include "common/OwnerOnlyFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace {

constexpr QFileDevice::Permissions OwnerReadWrite =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser;
constexpr QFileDevice::Permissions OwnerFolder = OwnerReadWrite | QFileDevice::ExeOwner | QFileDevice::ExeUser;

std::filesystem::path nativePath(const QString &path) {
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdWString());
}

} // namespace

bool makeOwnerOnlyFolder(const QString &path) {
    const QFileInfo info(path);
    if (info.isDir())
        return true;
    if (info.exists())
        return false;
    // Each missing level is created owner-only, the outermost first.
    const QString parent = info.absolutePath();
    if (parent != info.absoluteFilePath() && !makeOwnerOnlyFolder(parent))
        return false;
    return QDir().mkdir(path) && QFile::setPermissions(path, OwnerFolder);
}

bool setOwnerOnly(const QString &file) {
    return QFile::setPermissions(file, OwnerReadWrite);
}

QString moveIntoPlace(const QString &completed, const QString &destination) {
    // A read-only mark on the old copy must not stop the new one (it does on some systems).
    if (QFileInfo::exists(destination))
        QFile::setPermissions(destination, QFile::permissions(destination) | QFileDevice::WriteOwner);
    std::error_code error;
    std::filesystem::rename(nativePath(completed), nativePath(destination), error);
    if (error) {
        QFile::remove(completed);
        return QString::fromLocal8Bit(error.message());
    }
    return {};
}

bool removeFile(const QString &path) {
    if (!QFileInfo::exists(path))
        return true;
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
    return QFile::remove(path);
}
