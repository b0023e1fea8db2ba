#pragma once

#include <QString>
#include <functional>

// The system's folder picker; tests give the folder.
namespace FolderPicker {

// The chosen folder, or an empty text when the user cancels.
QString choose(const QString &title);

using Handler = std::function<QString(const QString &title)>;
void setHandler(Handler handler);

} // namespace FolderPicker
