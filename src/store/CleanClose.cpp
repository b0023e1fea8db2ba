#include "store/CleanClose.h"

#include "platform/FilePrivacy.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>

namespace CleanClose {

QString recordFileName() {
    return QStringLiteral("Vireska.checked");
}

QString stamp(const QString &path) {
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return QStringLiteral("%1 %2.%3 %4 %5")
        .arg(qint64(status.st_size))
        .arg(qint64(status.st_mtim.tv_sec))
        .arg(qint64(status.st_mtim.tv_nsec))
        .arg(quint64(status.st_dev))
        .arg(quint64(status.st_ino));
}

namespace {
const QByteArray LayoutLine = "layout\t";
} // namespace

QHash<QString, QString> takeRecord(const QString &dataFolder, const QString &layout) {
    QHash<QString, QString> unchanged;
    const QString path = QDir(dataFolder).filePath(recordFileName());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unchanged;
    const QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    QFile::remove(path);
    const QByteArray recordedLayout =
        !lines.isEmpty() && lines.first().startsWith(LayoutLine) ? lines.first().mid(LayoutLine.size()) : QByteArray();
    if (recordedLayout != layout.toUtf8())
        return unchanged;
    for (const QByteArray &line : lines) {
        if (line.startsWith(LayoutLine))
            continue;
        const qsizetype tab = line.indexOf('\t');
        if (tab <= 0)
            continue;
        const QString name = QString::fromUtf8(line.left(tab));
        const QString recorded = QString::fromUtf8(line.mid(tab + 1));
        if (!recorded.isEmpty() && recorded == stamp(QDir(dataFolder).filePath(name)))
            unchanged.insert(name, recorded);
    }
    return unchanged;
}

void writeRecord(const QString &dataFolder, const QStringList &fileNames, const QString &layout) {
    QByteArray text;
    if (!layout.isEmpty())
        text += LayoutLine + layout.toUtf8() + '\n';
    for (const QString &name : fileNames) {
        const QString fileStamp = stamp(QDir(dataFolder).filePath(name));
        if (!fileStamp.isEmpty())
            text += name.toUtf8() + '\t' + fileStamp.toUtf8() + '\n';
    }
    // Written aside and renamed into place, without waiting for the disk: a record lost or cut short by
    // a crash right after closing stands for fewer files, and those are only checked again.
    const QString path = QDir(dataFolder).filePath(recordFileName());
    const QString aside = path + QStringLiteral(".new");
    QFile::remove(aside);
    QFile file(aside);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const bool written = file.write(text) == text.size();
    file.close();
    QFile::remove(path);
    if (!written || !QFile::rename(aside, path))
        QFile::remove(aside);
}

} // namespace CleanClose
