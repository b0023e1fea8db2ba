#pragma once

#include <QString>
#include <functional>

// The system's folder picker; tests give the folder.
namespace FolderPicker {

// The chosen folder, or an empty text when the user cancels. The picker opens on the start folder when
// one is given, otherwise on the user's home folder.
QString choose(const QString &title, const QString &startFolder = {});

using Handler = std::function<QString(const QString &title)>;
void setHandler(Handler handler);

} // namespace FolderPicker
