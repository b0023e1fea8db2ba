#include "ui/Pictures.h"

#include <map>

static void initialisePictureResources() {
    Q_INIT_RESOURCE(pictures);
}

namespace {
// A node map: a picture handed out stays where it is while later ones are added.
std::map<int, QPixmap> &pictures() {
    static std::map<int, QPixmap> loaded;
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
    static const bool registered = [] {
        initialisePictureResources();
        return true;
    }();
    Q_UNUSED(registered);
}

// Each picture is decoded the first time a window or a page asks for it: start-up decodes only what
// the main window shows, and pictures no window of the session shows take no memory.
const QPixmap &picture(int number) {
    static const QPixmap none;
    if (const auto found = pictures().find(number); found != pictures().end())
        return found->second;
    if (!pictureNumbers().contains(number))
        return none;
    loadPictures();
    const QPixmap decoded(QStringLiteral(":/pictures/%1.png").arg(number, 3, 10, QLatin1Char('0')));
    return pictures().emplace(number, decoded).first->second;
}
