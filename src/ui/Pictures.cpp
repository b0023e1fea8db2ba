#include "ui/Pictures.h"

#include <QImage>
#include <future>
#include <list>
#include <map>
#include <thread>

static void initialisePictureResources() {
    Q_INIT_RESOURCE(pictures);
}

namespace {
// A node map: a picture handed out stays where it is while later ones are added.
std::map<int, QPixmap> &pictures() {
    static std::map<int, QPixmap> loaded;
    return loaded;
}
// Pictures being decoded away from the windows' thread, each handed over when first asked for. A
// QImage may be decoded on any thread; only the QPixmap is made on the windows' thread.
std::map<int, std::shared_future<QImage>> &picturesAhead() {
    static std::map<int, std::shared_future<QImage>> ahead;
    return ahead;
}

QString resourcePath(int number) {
    return QStringLiteral(":/pictures/%1.png").arg(number, 3, 10, QLatin1Char('0'));
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

void decodePicturesAhead(const QList<int> &numbers) {
    loadPictures();
    QList<int> wanted;
    for (int number : numbers)
        if (pictureNumbers().contains(number) && !pictures().count(number) && !picturesAhead().count(number))
            wanted << number;
    if (wanted.isEmpty())
        return;
    // One thread decodes them in the order given, so the first needed is the first ready.
    auto batch = std::make_shared<std::vector<std::promise<QImage>>>(wanted.size());
    for (int i = 0; i < wanted.size(); ++i)
        picturesAhead().emplace(wanted[i], (*batch)[i].get_future().share());
    static std::list<std::jthread> decoders; // joined when the program ends
    decoders.emplace_back([batch, wanted] {
        for (int i = 0; i < wanted.size(); ++i)
            (*batch)[i].set_value(QImage(resourcePath(wanted[i])));
    });
}

// Each picture is decoded the first time a window or a page asks for it: start-up decodes only what
// the main window shows, and pictures no window of the session shows take no memory.
const QPixmap &picture(int number) {
    static const QPixmap none;
    if (const auto found = pictures().find(number); found != pictures().end())
        return found->second;
    if (!pictureNumbers().contains(number))
        return none;
    if (const auto ahead = picturesAhead().find(number); ahead != picturesAhead().end()) {
        const QImage decoded = ahead->second.get();
        picturesAhead().erase(ahead);
        return pictures().emplace(number, QPixmap::fromImage(decoded)).first->second;
    }
    loadPictures();
    const QPixmap decoded(resourcePath(number));
    return pictures().emplace(number, decoded).first->second;
}
