#include "platform/FolderPicker.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace FolderPicker {
namespace {
Handler &handler() {
    static Handler current;
    return current;
}
} // namespace

QString choose(const QString &title, const QString &startFolder) {
    if (handler())
        return handler()(title);
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title,
                                             startFolder.isEmpty() ? QDir::homePath() : startFolder);
}

void setHandler(Handler newHandler) {
    handler() = std::move(newHandler);
}

} // namespace FolderPicker
