#include "ui/Pictures.h"

#include <QHash>

static void initialisePictureResources() {
    Q_INIT_RESOURCE(pictures);
}

namespace {
QHash<int, QPixmap> &pictures() {
    static QHash<int, QPixmap> loaded;
    return loaded;
}
} // namespace

const QList<int> &pictureNumbers() {
    static const QList<int> numbers = [] {
        QList<int> list;
        for (int n = 0; n <= 34; ++n)
            list << n;
        list << Picture::LetterheadCard;
        list << 39 << 48;
        for (int n = 50; n <= 57; ++n)
            list << n;
        for (int n = Picture::ToolbarFirst; n < Picture::ToolbarFirst + Picture::ToolbarCount; ++n)
            list << n;
        list << Picture::ToolbarFiller;
        return list;
    }();
    return numbers;
}

void loadPictures() {
    if (!pictures().isEmpty())
        return;
    initialisePictureResources();
    for (int number : pictureNumbers())
        pictures().insert(number, QPixmap(QStringLiteral(":/pictures/%1.png").arg(number, 3, 10, QLatin1Char('0'))));
}

const QPixmap &picture(int number) {
    static const QPixmap none;
    loadPictures();
    const auto found = pictures().constFind(number);
    return found == pictures().constEnd() ? none : *found;
}
