#pragma once

#include <QImage>
#include <QList>

// One drawn picture under its number.
struct Picture {
    int number;
    QImage image;
};

// A pictogram drawn in the 32 x 32 design space of the glyphs.
using GlyphFunction = void (*)(QPainter &);

// An icon of the given size from a glyph: transparent background, glyph scaled to fill it.
QImage iconImage(QSize size, GlyphFunction glyph);

// The families of pictures, each drawn by its own file.
QList<Picture> logoPictures();       // 0
QList<Picture> letterheadPictures(); // 2, 4, 31, 32, 33 and the page 34
QList<Picture> tablePictures();      // 1, 21 to 26
QList<Picture> recordPictures();     // 3, 5, 6, 7 to 20
QList<Picture> smallPictures();      // 27 to 30, 39, 48, 50 to 57
QList<Picture> toolbarPictures();    // 100 to 119, 200

// A picture that travels outside the program's numbered set, written under its own file name (its
// extension sets the format).
struct NamedPicture {
    QString fileName;
    QImage image;
};

// The installer's banner (512 x 173, JPEG) and the installed program's icon (256 x 256).
QList<NamedPicture> installationPictures();

// Every picture of the program, in ascending number. Fails loudly (empty list and a message on stderr) when a
// number is missing, drawn twice or drawn at a size other than the one the program expects.
QList<Picture> allPictures();
