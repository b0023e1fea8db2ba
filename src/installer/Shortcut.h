#pragma once

#include <QString>

// The desktop shortcut to the installed program: a desktop entry file that starts the program in its own
// folder, so that the program finds its data folder there.
namespace Install {

// The shortcut's file name in the desktop and menu folders.
QString shortcutFileName();

// The entry's text: the program as its command, no arguments, the product word as its name, the
// description as its comment, the program's folder (with a final "/") as its working folder, the
// program's icon.
QString desktopEntry(const QString &destination);

// Writes the entry into the folder (created when missing) and marks it executable, as desktops require
// of a trusted launcher. False when it cannot be written.
bool writeShortcut(const QString &folder, const QString &entry);

} // namespace Install
