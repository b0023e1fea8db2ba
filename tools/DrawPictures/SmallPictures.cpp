// Small pictures that the program carries for its windows without a fixed role: neutral medical pictograms.

#include "Catalogue.h"
#include "Glyphs.h"

namespace {

struct SmallPicture {
    int number;
    GlyphFunction glyph;
};

const SmallPicture SmallPictures[] = {
    {27, Glyph::syringe},    {28, Glyph::thermometer},   {29, Glyph::printer},   {30, Glyph::heartPulse},
    {39, Glyph::medicalBag}, {48, Glyph::pillBottle},    {50, Glyph::bloodDrop}, {51, Glyph::clockFace},
    {52, Glyph::telephone},  {53, Glyph::search},        {54, Glyph::hospital},  {55, Glyph::bandage},
    {56, Glyph::eye},        {57, Glyph::weighingScale},
};

} // namespace

QList<Picture> smallPictures() {
    QList<Picture> pictures;
    for (const SmallPicture &small : SmallPictures)
        pictures.append({small.number, iconImage(QSize(32, 32), small.glyph)});
    return pictures;
}
