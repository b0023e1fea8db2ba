#include "installer/FolderCopy.h"

#include "installer/InstallPaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>
#include <filesystem>

namespace Install {
namespace {

const QString DataFolderName = QStringLiteral("data");

bool isInDataFolder(const QString &relativePath) {
    return relativePath.startsWith(DataFolderName + QLatin1Char('/'));
}

constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner | QFileDevice::ReadUser | QFileDevice::WriteUser |
                                               QFileDevice::ExeUser;

bool makeFolder(const QString &path, QString &reason) {
    if (QFileInfo(path).isDir())
        return true;
    if (QFileInfo::exists(path)) {
        reason = QStringLiteral("un fichier porte déjà ce nom");
        return false;
    }
    if (!QDir().mkpath(path)) {
        reason = QStringLiteral("le dossier n'a pas pu être créé");
        return false;
    }
    return true;
}

// The new file is written beside the old one and then takes its name, so a copy that fails (a full disk)
// leaves the earlier installation's file as it was. A read-only old file is replaced all the same.
bool copyFile(const QString &from, const QString &to, QString &reason) {
    if (QFileInfo(to).isDir()) {
        reason = QStringLiteral("un dossier porte déjà ce nom");
        return false;
    }
    const QString partial = to + QStringLiteral(".setup-part");
    QFile::remove(partial);
    QFile source(from);
    if (!source.copy(partial)) {
        reason = source.errorString();
        QFile::remove(partial);
        return false;
    }
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(partial).constData(), QFile::encodeName(to).constData(), error);
    if (error) {
        reason = QStringLiteral("le fichier existant ne peut pas être remplacé");
        QFile::remove(partial);
        return false;
    }
    return true;
}

} // namespace

QList<CopyEntry> planCopy(const QString &source, const QString &destination) {
    QList<CopyEntry> plan;
    const QDir sourceFolder(source);
    QDirIterator entries(source, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        CopyEntry step;
        step.relativePath = sourceFolder.relativeFilePath(entry.filePath());
        step.isFolder = entry.isDir();
        const QFileInfo target(destination + QLatin1Char('/') + step.relativePath);
        if (!step.isFolder) {
            step.keep = isInDataFolder(step.relativePath) && target.exists();
            if (!step.keep)
                step.newBytes = std::max<qint64>(0, entry.size() - (target.isFile() ? target.size() : 0));
        }
        plan.append(step);
    }
    // Sorting by path puts every folder before its contents.
    std::sort(plan.begin(), plan.end(),
              [](const CopyEntry &a, const CopyEntry &b) { return a.relativePath < b.relativePath; });
    return plan;
}

bool overlapsSource(const QString &source, const QString &destination) {
    const auto resolved = [](const QString &path) {
        const QFileInfo info(path);
        return info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
    };
    const QString from = resolved(source);
    const QString to = resolved(destination);
    return to == from || to.startsWith(from + QLatin1Char('/'));
}

qint64 bytesNeeded(const QList<CopyEntry> &plan) {
    qint64 total = 0;
    for (const CopyEntry &entry : plan)
        total += entry.newBytes;
    return total;
}

qint64 bytesAvailable(const QString &destination) {
    QFileInfo folder(destination);
    while (!folder.exists() && !folder.isRoot() && folder.absolutePath() != folder.absoluteFilePath())
        folder = QFileInfo(folder.absolutePath());
    const QStorageInfo disk(folder.absoluteFilePath());
    return disk.isValid() ? disk.bytesAvailable() : -1;
}

CopyResult copyFolder(const QString &source, const QString &destination, const QList<CopyEntry> &plan) {
    CopyResult result;
    if (!makeFolder(destination, result.reason)) {
        result.failedFile = destination;
        return result;
    }
    for (const CopyEntry &entry : plan) {
        const QString target = destination + QLatin1Char('/') + entry.relativePath;
        if (entry.keep) {
            result.kept.append(entry.relativePath);
            continue;
        }
        const bool copied = entry.isFolder
                                ? makeFolder(target, result.reason)
                                : copyFile(source + QLatin1Char('/') + entry.relativePath, target, result.reason);
        if (!copied) {
            result.failedFile = target;
            return result;
        }
    }
    // The practice's records are for the practice's user alone.
    const QString data = dataFolderOf(destination);
    if (!makeFolder(data, result.reason)) {
        result.failedFile = data;
        return result;
    }
    if (!QFile::setPermissions(data, OwnerOnly)) {
        result.failedFile = data;
        result.reason = QStringLiteral("ses droits d'accès n'ont pas pu être réservés à son propriétaire");
    }
    return result;
}

} // namespace Install
