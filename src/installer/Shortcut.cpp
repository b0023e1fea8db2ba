#include "installer/Shortcut.h"

#include "installer/InstallPaths.h"

#include <QDir>
#include <QSaveFile>

#include <algorithm>

namespace Install {
namespace {

// A value of the entry file: backslashes and control characters are escaped.
QString entryString(const QString &text) {
    QString escaped;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            escaped += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            escaped += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            escaped += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            escaped += QStringLiteral("\\r");
        else
            escaped += c;
    }
    return escaped;
}

// The command of the Exec key: a path holding a reserved character is quoted, and inside the quotes
// '"', '`', '$' and '\' are escaped; '%' is doubled so it is not read as a field code.
QString execCommand(const QString &program) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString command = program;
    command.replace(QLatin1Char('%'), QStringLiteral("%%"));
    const bool needsQuotes = std::any_of(command.begin(), command.end(), [](QChar c) { return reserved.contains(c); });
    if (needsQuotes) {
        QString quoted;
        for (const QChar c : command) {
            if (QStringLiteral("\"`$\\").contains(c))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        command = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    return entryString(command);
}

} // namespace

QString shortcutFileName() {
    return ProductWord + QStringLiteral(".desktop");
}

QString desktopEntry(const QString &destination) {
    const QStringList lines{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Version=1.0"),
        QStringLiteral("Name=") + entryString(ProductWord),
        QStringLiteral("Comment=") + entryString(ShortcutDescription),
        QStringLiteral("Exec=") + execCommand(programFileOf(destination)),
        QStringLiteral("Path=") + entryString(destination + QLatin1Char('/')),
        QStringLiteral("Icon=") + entryString(iconFileOf(destination)),
        QStringLiteral("Terminal=false"),
        QStringLiteral("Categories=Office;MedicalSoftware;"),
    };
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool writeShortcut(const QString &folder, const QString &entry) {
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    QSaveFile file(folder + QLatin1Char('/') + shortcutFileName());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(entry.toUtf8());
    if (!file.commit())
        return false;
    return QFile::setPermissions(file.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner | QFileDevice::ReadUser |
                                                      QFileDevice::WriteUser | QFileDevice::ExeUser |
                                                      QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                                      QFileDevice::ReadOther | QFileDevice::ExeOther);
}

} // namespace Install
