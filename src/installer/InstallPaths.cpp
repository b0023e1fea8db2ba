#include "installer/InstallPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace Install {

QString defaultFolder() {
    return QDir::homePath() + QLatin1Char('/') + ProductWord;
}

QString destinationFor(const QString &path) {
    if (path.endsWith(ProductWord))
        return path;
    return path.endsWith(QLatin1Char('/')) ? path + ProductWord : path + QLatin1Char('/') + ProductWord;
}

QString typedFolder(const QString &text) {
    const QString path = text.trimmed();
    if (path.isEmpty())
        return {};
    if (path == QLatin1String("~"))
        return QDir::homePath();
    if (path.startsWith(QLatin1String("~/")))
        return QDir::homePath() + path.mid(1);
    if (QDir::isRelativePath(path))
        return QDir::homePath() + QLatin1Char('/') + path;
    return path;
}

QString programFileOf(const QString &destination) {
    return destination + QLatin1Char('/') + ProductWord;
}

QString iconFileOf(const QString &destination) {
    return programFileOf(destination) + QStringLiteral(".png");
}

QString dataFolderOf(const QString &destination) {
    return destination + QStringLiteral("/data");
}

QString Places::sourceFolder() const {
    return medium + QStringLiteral("/DataFile");
}

QString Places::pathRecord() const {
    return medium + QStringLiteral("/PathFile.txt");
}

Places systemPlaces() {
    Places places;
    places.medium = QCoreApplication::applicationDirPath();
    // Qt reads the desktop's name from the user's XDG folder settings (~/Bureau on a French system).
    places.desktopFolder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QString bureau = QDir::homePath() + QStringLiteral("/Bureau");
    if (!QDir(places.desktopFolder).exists() && QDir(bureau).exists())
        places.desktopFolder = bureau;
    places.menuFolder = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    return places;
}

bool writePathRecord(const QString &file, const QString &destination) {
    QFile::remove(file);
    QFile record(file);
    if (!record.open(QIODevice::WriteOnly))
        return false;
    const QByteArray line = destination.toUtf8() + "\r\n";
    const bool written = record.write(line) == line.size();
    return record.flush() && written;
}

} // namespace Install
