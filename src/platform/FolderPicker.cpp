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

QString choose(const QString &title) {
    if (handler())
        return handler()(title);
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, QDir::homePath());
}

void setHandler(Handler newHandler) {
    handler() = std::move(newHandler);
}

} // namespace FolderPicker
