// The pictures of the medical record window: the open-folder buttons, the close button and the icon bar.

#include "Canvas.h"
#include "Catalogue.h"
#include "Glyphs.h"

using namespace Canvas;

namespace {

// The 14 icons of the icon bar, in the order of their tooltips.
struct RecordIcon {
    int number;
    GlyphFunction glyph;
    const char *tooltip;
};

const RecordIcon RecordIcons[] = {
    {7, Glyph::patientSelect, "Sélectionnez un patient"},
    {8, Glyph::stethoscope, "Examen, diagnostic..."},
    {9, Glyph::prescription, "Ordonnance"},
    {10, Glyph::testTubes, "Analyses médicales"},
    {11, Glyph::xray, "Radiologie, échographie"},
    {12, Glyph::sickLeave, "Congé de maladie"},
    {13, Glyph::appointment, "Rendez-vous"},
    {14, Glyph::certificate, "Certificat médical"},
    {15, Glyph::letterOnward, "Lettre d'orientation"},
    {16, Glyph::payment, "Règlement et solde"},
    {17, Glyph::medicalHistory, "Antécédents médicaux"},
    {18, Glyph::surgicalHistory, "Antécédents chirurgicaux"},
    {19, Glyph::familyHistory, "Antécédents familiaux"},
    {20, Glyph::closeRecord, "Fermer le dossier médical"},
};

// The close button of the record: a round blue button with a white arrow pointing out of the window.
QImage closeArrow() {
    const QSize size(40, 40);
    Drawing drawing(size);
    QPainter &painter = drawing.painter;
    fillShape(painter, circle(QPointF(20, 20), 18.5), Palette::Blue, 1.2);
    strokePath(painter, circle(QPointF(20, 20), 17), QColor(255, 255, 255, 70), 1.0);
    Glyph::arrowRight(painter, QRectF(10, 10.5, 21, 19), Hue{Qt::white, QColor(0xe4, 0xee, 0xf9), Palette::Blue.dark});
    return drawing.finish();
}

// The empty places of the icon bar: a plain grey square.
QImage blankTile() {
    return blankImage(QSize(32, 32), QColor(0xc0, 0xc0, 0xc0));
}

} // namespace

QList<Picture> recordPictures() {
    QList<Picture> pictures{
        {3, iconImage(QSize(24, 24), Glyph::folderOpen)},
        {5, closeArrow()},
        {6, blankTile()},
    };
    for (const RecordIcon &icon : RecordIcons)
        pictures.append({icon.number, iconImage(QSize(32, 32), icon.glyph)});
    return pictures;
}
