#include "utilities/FolderCopy.h"

#include "common/OwnerOnlyFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString copyFailure(const QString &file, const QString &reason) {
    return QStringLiteral("La copie du fichier %1 a échoué : %2").arg(QDir::toNativeSeparators(file), reason);
}

QString copyOneFile(const QString &from, const QString &to) {
    const QString partial = to + QStringLiteral(".tmp");
    removeFile(partial);
    QFile source(from);
    if (!source.copy(partial))
        return copyFailure(from, source.errorString());
    setOwnerOnly(partial);
    if (const QString error = moveIntoPlace(partial, to); !error.isEmpty())
        return copyFailure(to, error);
    return {};
}

QString absoluteCleanPath(const QString &path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

bool isLiveOnlyFile(const QString &name) {
    for (const char *ending : {".lock", ".checked", "-journal", "-wal", "-shm", ".tmp"})
        if (name.endsWith(QLatin1String(ending), Qt::CaseInsensitive))
            return true;
    return false;
}

QString copyFolderFiles(const QString &source, const QString &destination,
                        const std::function<bool(const QString &name)> &leaveOut) {
    if (source.isEmpty() || destination.isEmpty())
        return QStringLiteral("La copie est impossible sans dossier source et dossier de destination.");
    if (!makeOwnerOnlyFolder(destination))
        return QStringLiteral("Le dossier %1 ne peut pas être créé.").arg(QDir::toNativeSeparators(destination));
    const QDir from(source);
    const QDir to(destination);
    const QFileInfoList entries =
        from.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        if (isLiveOnlyFile(name) || (leaveOut && leaveOut(name)))
            continue;
        const QString error = entry.isDir() ? copyFolderFiles(entry.filePath(), to.filePath(name), {})
                                            : copyOneFile(entry.filePath(), to.filePath(name));
        if (!error.isEmpty())
            return error;
    }
    return {};
}

bool isSameOrInside(const QString &inner, const QString &outer) {
    const QString in = absoluteCleanPath(inner);
    const QString out = absoluteCleanPath(outer);
    return in == out || in.startsWith(out.endsWith(u'/') ? out : out + u'/');
}
