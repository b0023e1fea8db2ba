// The pictures of the tables and patient windows: the page pictures and the three blue buttons.

#include "Canvas.h"
#include "Catalogue.h"
#include "Glyphs.h"

#include <QFontMetricsF>

using namespace Canvas;

namespace {

// Medicines page: two capsules and a scored tablet.
QImage capsules() {
    Drawing scene(QSize(54, 36));
    Glyph::capsule(scene.painter, QPointF(19, 13), 30, 11, -22, Palette::Red, Palette::Paper);
    Glyph::capsule(scene.painter, QPointF(33, 24), 28, 10, 14, Palette::Blue, Palette::Yellow);
    // The tablet is seen from above at a slant: its rim below, the scored face on top.
    fillShape(scene.painter, ellipse(QPointF(45, 11.5), 7, 4.6), Palette::Steel.base, Palette::Steel.dark,
              Palette::Paper.dark, 0.9);
    fillShape(scene.painter, ellipse(QPointF(45, 9.5), 7, 4.6), Palette::Paper, 0.9);
    stroke(scene.painter, QPointF(41.2, 10.8), QPointF(48.8, 8.2), Palette::Steel.base, 0.9);
    return scene.finish();
}

// Diseases page: a patient lying in bed under a blue blanket.
QImage patientInBed() {
    Drawing scene(QSize(62, 48));
    QPainter &painter = scene.painter;
    fillShape(painter, roundedBox(QRectF(3, 13, 7, 32), 2), Palette::Wood, 1.0);
    fillShape(painter, roundedBox(QRectF(52, 23, 6, 22), 1.5), Palette::Wood, 1.0);
    fillShape(painter, box(QRectF(10, 32, 42, 5)), Palette::Wood, 1.0);
    fillShape(painter, box(QRectF(10, 28, 42, 4)), Palette::Paper, 0.9);
    fillShape(painter, roundedBox(QRectF(11, 20.5, 14, 8.5), 3.5), Palette::Paper, 0.9);
    fillShape(painter, circle(QPointF(18.5, 19), 5.6), Palette::Skin, 1.0);
    QPainterPath hair;
    hair.moveTo(13, 18.5);
    hair.cubicTo(13, 13, 24, 12, 24, 17.5);
    hair.cubicTo(21, 15.5, 16, 15.5, 13, 18.5);
    fillShape(painter, hair, Palette::Wood.base, Palette::Wood.dark, Palette::Wood.dark, 0.6);
    fillShape(painter, Glyph::topRoundedBox(QRectF(22, 20, 30, 11), 5.5), Palette::Blue, 1.0);
    stroke(painter, QPointF(25, 23.5), QPointF(48.5, 23.5), QColor(255, 255, 255, 160), 1.2);
    fillShape(painter, roundedBox(QRectF(45, 2, 13, 13), 2.5), Palette::Red, 1.0);
    Glyph::crossMark(painter, QPointF(51.5, 8.5), 9, Qt::white);
    return scene.finish();
}

// Prescriptions page: a hand writing with a pen on a sheet.
QImage handWriting() {
    Drawing scene(QSize(48, 49));
    QPainter &painter = scene.painter;
    painter.save();
    painter.translate(20, 25);
    painter.rotate(-6);
    fillShape(painter, box(QRectF(-17, -21, 32, 42)), Palette::Paper, 1.0);
    QPainterPath writing;
    writing.moveTo(-12, -10);
    for (int loop = 0; loop < 5; ++loop) {
        const qreal x = -12 + loop * 4.6;
        writing.cubicTo(x + 1.5, -15, x + 3.5, -15, x + 2.3, -10);
        writing.cubicTo(x + 1.8, -8, x + 3.5, -8, x + 4.6, -10);
    }
    writing.moveTo(-12, -1);
    for (int loop = 0; loop < 3; ++loop) {
        const qreal x = -12 + loop * 4.6;
        writing.cubicTo(x + 1.5, -6, x + 3.5, -6, x + 2.3, -1);
        writing.cubicTo(x + 1.8, 1, x + 3.5, 1, x + 4.6, -1);
    }
    strokePath(painter, writing, Palette::Blue.base, 1.2);
    painter.restore();

    // The pen, its tip at the end of the second line of writing.
    const QPointF tip(17.5, 24.5);
    painter.save();
    painter.translate(tip);
    painter.rotate(-52);
    QPainterPath nib;
    nib.moveTo(0, 0);
    nib.lineTo(5, -2);
    nib.lineTo(5, 2);
    nib.closeSubpath();
    fillShape(painter, nib, Palette::Steel, 0.7);
    fillShape(painter, roundedBox(QRectF(5, -2.2, 30, 4.4), 1.5), Palette::Navy, 0.9);
    painter.restore();

    // The hand holding it, the sleeve cuff at the lower right.
    const Hue &skin = Palette::Skin;
    fillShape(painter, roundedBox(QRectF(36, 36, 14, 15), 3), Palette::Blue, 1.0);
    QPainterPath hand;
    hand.moveTo(21, 28);
    hand.cubicTo(21, 22, 27, 18.5, 32, 20.5);
    hand.cubicTo(37, 22, 41, 27, 40.5, 33);
    hand.lineTo(39.5, 40);
    hand.cubicTo(35, 42, 29, 41.5, 26, 37.5);
    hand.cubicTo(23.5, 34.5, 21, 32, 21, 28);
    hand.closeSubpath();
    fillShape(painter, hand, skin, 1.0);
    QPainterPath finger;
    finger.moveTo(20, 27.5);
    finger.cubicTo(21.5, 24, 25, 21.5, 28.5, 22.5);
    strokePath(painter, finger, skin.dark, 4.2);
    strokePath(painter, finger, skin.light, 2.6);
    QPainterPath thumb;
    thumb.moveTo(22.5, 31.5);
    thumb.cubicTo(24.5, 29.5, 27.5, 29, 30, 30.5);
    strokePath(painter, thumb, skin.dark, 1.0);
    return scene.finish();
}

// A blue button picture with its caption: the shortcut in a lighter tone, then the action in bold.
QImage blueButton(const QString &shortcut, const QString &action) {
    const QSize size(140, 40);
    Drawing scene(size);
    QPainter &painter = scene.painter;
    const QRectF body(0.5, 0.5, size.width() - 1, size.height() - 1);
    fillShape(painter, roundedBox(body, 6), QColor(0x5a, 0x9e, 0xe6), QColor(0x1d, 0x5a, 0xa3),
              QColor(0x15, 0x45, 0x80), 1.0);
    fillShape(painter, roundedBox(QRectF(2, 2, size.width() - 4, 17), 5), QColor(255, 255, 255, 70),
              QColor(255, 255, 255, 10), Qt::transparent, 0);

    // The caption stays inside the middle 116 x 24 pixels, so that it shows whole in a smaller button.
    int actionSize = 15;
    QFont shortcutFont;
    QFont actionFont;
    qreal width = 0;
    for (;; --actionSize) {
        shortcutFont = font("Carlito", actionSize - 2);
        actionFont = font("Carlito", actionSize, true);
        width = textWidth(shortcutFont, shortcut + ' ') + textWidth(actionFont, action);
        if (width <= 116 || actionSize <= 10)
            break;
    }
    const qreal left = (size.width() - width) / 2;
    const qreal baseline = size.height() / 2.0 + QFontMetricsF(actionFont).capHeight() / 2;
    const qreal actionLeft = left + textWidth(shortcutFont, shortcut + ' ');
    const QColor shadow(0x0d, 0x30, 0x5c, 150);
    fillText(painter, QPointF(left, baseline + 1), shortcutFont, shortcut, shadow);
    fillText(painter, QPointF(actionLeft, baseline + 1), actionFont, action, shadow);
    fillText(painter, QPointF(left, baseline), shortcutFont, shortcut, QColor(0xd4, 0xe6, 0xfa));
    fillText(painter, QPointF(actionLeft, baseline), actionFont, action, Qt::white);
    return scene.finish();
}

} // namespace

QList<Picture> tablePictures() {
    return {
        {1, iconImage(QSize(64, 64), Glyph::patients)},
        {21, capsules()},
        {22, patientInBed()},
        {23, handWriting()},
        {24, blueButton(QStringLiteral("(Alt+Sup)"), QStringLiteral("Supprimer"))},
        {25, blueButton(QStringLiteral("(#F6)"), QStringLiteral("Nouveau Patient"))},
        {26, blueButton(QStringLiteral("(#F5)"), QStringLiteral("Valider"))},
    };
}
