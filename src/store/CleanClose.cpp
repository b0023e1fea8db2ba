#include "store/CleanClose.h"

#include "platform/FilePrivacy.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
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

QHash<QString, QString> takeRecord(const QString &dataFolder) {
    QHash<QString, QString> unchanged;
    const QString path = QDir(dataFolder).filePath(recordFileName());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unchanged;
    const QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    QFile::remove(path);
    for (const QByteArray &line : lines) {
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

void writeRecord(const QString &dataFolder, const QStringList &fileNames) {
    QByteArray text;
    for (const QString &name : fileNames) {
        const QString fileStamp = stamp(QDir(dataFolder).filePath(name));
        if (!fileStamp.isEmpty())
            text += name.toUtf8() + '\t' + fileStamp.toUtf8() + '\n';
    }
    const QString path = QDir(dataFolder).filePath(recordFileName());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(text);
    file.commit();
}

} // namespace CleanClose
