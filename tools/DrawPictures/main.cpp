// Draws every numbered picture of Vireska into a folder as NNN.png (000.png, 001.png, ..., 200.png), and
// beside them the installation artwork (installer-banner.jpg, program-icon.png).
// Usage: DrawPictures <output folder>   (run with QT_QPA_PLATFORM=offscreen on a machine without a display)

#include "Catalogue.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[]) {
    QGuiApplication application(argc, argv);
    QTextStream errors(stderr);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        errors << "usage: DrawPictures <output folder>\n";
        return 2;
    }
    QDir folder(arguments.at(1));
    if (!folder.mkpath(".")) {
        errors << "cannot create " << folder.path() << "\n";
        return 1;
    }

    const QList<Picture> pictures = allPictures();
    if (pictures.isEmpty())
        return 1;
    for (const Picture &picture : pictures) {
        const QString name = QStringLiteral("%1.png").arg(picture.number, 3, 10, QLatin1Char('0'));
        if (!picture.image.save(folder.filePath(name), "PNG")) {
            errors << "cannot write " << folder.filePath(name) << "\n";
            return 1;
        }
    }
    for (const NamedPicture &picture : installationPictures()) {
        if (!picture.image.save(folder.filePath(picture.fileName), nullptr, 92)) {
            errors << "cannot write " << folder.filePath(picture.fileName) << "\n";
            return 1;
        }
    }
    QTextStream(stdout) << pictures.size() << " pictures written to " << folder.path() << "\n";
    return 0;
}
