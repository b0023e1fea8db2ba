#pragma once

#include "Palette.h"

#include <QPainter>
#include <QPainterPath>

// Pictograms drawn in a 32 x 32 design space (the painter is scaled to the picture's size beforehand).
// They are kept bold and simple: the toolbar shows them at 16 x 16.
namespace Glyph {

// Building blocks shared by several pictograms.
void sheet(QPainter &painter, const QRectF &box, qreal fold = 6);
void writingLines(QPainter &painter, qreal left, qreal right, qreal top, qreal step, int count);
void person(QPainter &painter, const QPointF &headCentre, qreal scale, const Hue &clothes);
void magnifier(QPainter &painter, const QPointF &centre, qreal radius);
void roundBadge(QPainter &painter, const QPointF &centre, qreal radius, const Hue &hue);
void crossMark(QPainter &painter, const QPointF &centre, qreal size, const QColor &colour);
void closeBadge(QPainter &painter, const QPointF &centre, qreal radius);
void arrowRight(QPainter &painter, const QRectF &box, const Hue &hue);
void arrowDown(QPainter &painter, const QRectF &box, const Hue &hue);
void circularArrow(QPainter &painter, const QPointF &centre, qreal radius, const Hue &hue);
void capsule(QPainter &painter, const QPointF &centre, qreal length, qreal width, qreal angle, const Hue &first,
             const Hue &second);
QPainterPath topRoundedBox(const QRectF &box, qreal radius);

// People.
void patientSelect(QPainter &painter);
void patients(QPainter &painter);
void family(QPainter &painter);
void patientCard(QPainter &painter);

// Documents.
void prescription(QPainter &painter);
void certificate(QPainter &painter);
void letterOnward(QPainter &painter);
void medicalHistory(QPainter &painter);
void surgicalHistory(QPainter &painter);
void familyHistory(QPainter &painter);
void tables(QPainter &painter);
void medicalFolder(QPainter &painter);
void consultationsJournal(QPainter &painter);
void analysesJournal(QPainter &painter);
void radiosJournal(QPainter &painter);

// Clinical.
void stethoscope(QPainter &painter);
void testTubes(QPainter &painter);
void xray(QPainter &painter);
void sickLeave(QPainter &painter);
void syringe(QPainter &painter);
void thermometer(QPainter &painter);
void heartPulse(QPainter &painter);
void scalpel(QPainter &painter);
void medicalBag(QPainter &painter);
void pillBottle(QPainter &painter);
void bloodDrop(QPainter &painter);
void bandage(QPainter &painter);
void eye(QPainter &painter);
void weighingScale(QPainter &painter);
void hospital(QPainter &painter);

// Office.
void folderOpen(QPainter &painter);
void folderClosed(QPainter &painter, const Hue &hue);
void closeRecord(QPainter &painter);
void calendar(QPainter &painter);
void appointment(QPainter &painter);
void clockFace(QPainter &painter);
void payment(QPainter &painter);
void camera(QPainter &painter);
void backup(QPainter &painter);
void restore(QPainter &painter);
void databaseReset(QPainter &painter);
void gear(QPainter &painter);
void help(QPainter &painter);
void power(QPainter &painter);
void printer(QPainter &painter);
void telephone(QPainter &painter);
void search(QPainter &painter);

} // namespace Glyph
