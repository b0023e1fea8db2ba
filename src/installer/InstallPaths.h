#pragma once

#include <QString>

// Where an installation goes and where its pieces come from.
namespace Install {

// Names the installation folder, the program file and the shortcut.
inline const QString ProductWord = QStringLiteral("Vireska");
inline const QString ShortcutDescription = QStringLiteral("Logiciel de gestion médicale");

// The folder the field shows at start: the user's home followed by the product word.
QString defaultFolder();

// The folder rule: a path that already ends with the product word (same letter case) is kept; otherwise
// the product word is appended, with a "/" between them when the path does not end with one.
QString destinationFor(const QString &path);

// What the user typed, as an absolute path: a leading "~" is the home folder and a relative path is read
// from the home folder. Empty when nothing was typed.
QString typedFolder(const QString &text);

QString programFileOf(const QString &destination);
QString iconFileOf(const QString &destination);
QString dataFolderOf(const QString &destination);

// The places one installation works with; tests give temporary folders.
struct Places {
    QString medium;        // the installer's own folder: DataFile and PathFile.txt
    QString desktopFolder; // the user's desktop, where the shortcut goes
    QString menuFolder;    // the user's applications menu, which gets the same entry

    QString sourceFolder() const; // medium/DataFile
    QString pathRecord() const;   // medium/PathFile.txt
};

// The places of this computer: the folder holding the running installer, the user's desktop folder (as the
// system names it, ~/Desktop or ~/Bureau) and the user's applications folder.
Places systemPlaces();

// Deletes the path record and writes it anew: the destination followed by CR LF, UTF-8 without a
// byte-order mark. False when the medium cannot be written (the installation goes on without it).
bool writePathRecord(const QString &file, const QString &destination);

} // namespace Install
