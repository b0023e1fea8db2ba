// The main window's toolbar: 20 buttons shown at 16 x 16 (drawn at 32 x 32) and the filler tile.

#include "Canvas.h"
#include "Catalogue.h"
#include "Glyphs.h"

using namespace Canvas;

namespace {

struct ToolbarIcon {
    int number;
    GlyphFunction glyph;
    const char *tooltip;
};

const ToolbarIcon ToolbarIcons[] = {
    {100, Glyph::tables, "Les tables"},
    {101, Glyph::stethoscope, "Consultation"},
    {102, Glyph::prescription, "Ordonnance"},
    {103, Glyph::letterOnward, "Lettre de recommandation"},
    {104, Glyph::testTubes, "Analyses médicales"},
    {105, Glyph::xray, "Radiologie"},
    {106, Glyph::sickLeave, "Congé de maladie"},
    {107, Glyph::certificate, "Certificat médical"},
    {108, Glyph::patientCard, "Fiche médicale du patient"},
    {109, Glyph::consultationsJournal, "Journal des consultations"},
    {110, Glyph::analysesJournal, "Journal des analyses médicales"},
    {111, Glyph::radiosJournal, "Journal des radios"},
    {112, Glyph::camera, "Photos du malade"},
    {113, Glyph::medicalFolder, "Fiche médicale du patient"},
    {114, Glyph::backup, "Sauvegarde"},
    {115, Glyph::restore, "Restauration"},
    {116, Glyph::gear, "Paramètres"},
    {117, Glyph::databaseReset, "Initialisation de la base"},
    {118, Glyph::help, "?Aide"},
    {119, Glyph::power, "Fin de session"},
};

// The filler buttons only extend the toolbar across the screen: a quiet grey tile with a soft bevel.
QImage fillerTile() {
    const QSize size(128, 128);
    Drawing drawing(size);
    QPainter &painter = drawing.painter;
    fillShape(painter, box(QRectF(0, 0, 128, 128)), QColor(0xf3, 0xf5, 0xf7), QColor(0xe1, 0xe5, 0xe9), Qt::transparent,
              0);
    stroke(painter, QPointF(2, 2), QPointF(126, 2), QColor(255, 255, 255, 200), 4);
    stroke(painter, QPointF(2, 2), QPointF(2, 126), QColor(255, 255, 255, 200), 4);
    stroke(painter, QPointF(126, 2), QPointF(126, 126), QColor(0xc9, 0xcf, 0xd6), 4);
    stroke(painter, QPointF(2, 126), QPointF(126, 126), QColor(0xc9, 0xcf, 0xd6), 4);
    return drawing.finish();
}

} // namespace

QList<Picture> toolbarPictures() {
    QList<Picture> pictures;
    for (const ToolbarIcon &icon : ToolbarIcons)
        pictures.append({icon.number, iconImage(QSize(32, 32), icon.glyph)});
    pictures.append({200, fillerTile()});
    return pictures;
}
