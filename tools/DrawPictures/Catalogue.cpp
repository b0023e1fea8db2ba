#include "Catalogue.h"

#include "Canvas.h"

#include <QMap>
#include <QTextStream>

#include <algorithm>

namespace {

// The numbers the program carries and the size it expects under each.
QMap<int, QSize> expectedSizes() {
    QMap<int, QSize> sizes;
    sizes[0] = {1046, 552};
    sizes[1] = {64, 64};
    sizes[2] = {703, 173};
    sizes[3] = {24, 24};
    sizes[4] = {703, 205};
    sizes[5] = {40, 40};
    sizes[6] = {32, 32};
    for (int number = 7; number <= 20; ++number)
        sizes[number] = {32, 32};
    sizes[21] = {54, 36};
    sizes[22] = {62, 48};
    sizes[23] = {48, 49};
    for (int number = 24; number <= 26; ++number)
        sizes[number] = {140, 40};
    for (int number : {27, 28, 29, 30, 39, 48, 50, 51, 52, 53, 54, 55, 56, 57})
        sizes[number] = {32, 32};
    sizes[31] = {703, 251};
    sizes[32] = {899, 176};
    sizes[33] = {703, 235};
    sizes[34] = {703, 845};
    sizes[35] = {703, 235};
    for (int number = 100; number <= 119; ++number)
        sizes[number] = {32, 32};
    sizes[200] = {128, 128};
    return sizes;
}

} // namespace

QImage iconImage(QSize size, GlyphFunction glyph) {
    Canvas::Drawing drawing(size);
    Canvas::mapDesign(drawing.painter, size, QSizeF(32, 32));
    glyph(drawing.painter);
    return drawing.finish();
}

QList<Picture> allPictures() {
    QList<Picture> pictures;
    for (const auto &family :
         {logoPictures, letterheadPictures, tablePictures, recordPictures, smallPictures, toolbarPictures})
        pictures += family();
    std::sort(pictures.begin(), pictures.end(), [](const Picture &a, const Picture &b) { return a.number < b.number; });

    QTextStream errors(stderr);
    QMap<int, QSize> expected = expectedSizes();
    bool complete = true;
    for (const Picture &picture : pictures) {
        if (!expected.contains(picture.number)) {
            errors << "picture " << picture.number << " is not expected or is drawn twice\n";
            complete = false;
            continue;
        }
        if (picture.image.size() != expected[picture.number]) {
            errors << "picture " << picture.number << " has the wrong size\n";
            complete = false;
        }
        expected.remove(picture.number);
    }
    for (int missing : expected.keys()) {
        errors << "picture " << missing << " is missing\n";
        complete = false;
    }
    return complete ? pictures : QList<Picture>();
}
