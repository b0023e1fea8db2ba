// The installation artwork: the installer's banner and the installed program's icon. They travel with the
// installer and the installed program, not among the program's numbered pictures.

#include "Canvas.h"
#include "Catalogue.h"
#include "Emblem.h"

#include <QFontMetricsF>

using namespace Canvas;

namespace {

// 512 x 173: the emblem on a light tile at the left of a blue band, the program's name and what it does.
QImage installerBanner() {
    const QSize size(512, 173);
    Drawing drawing(size, Qt::white);
    QPainter &painter = drawing.painter;

    QLinearGradient band(0, 0, size.width(), size.height());
    band.setColorAt(0, Palette::Navy.dark);
    band.setColorAt(0.55, Palette::Blue.dark);
    band.setColorAt(1, Palette::Teal.dark);
    painter.fillRect(QRect(QPoint(0, 0), size), band);

    // Soft rings behind the text, echoing the emblem's ring.
    painter.setPen(QPen(QColor(255, 255, 255, 22), 18));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(430, 40), 120, 120);
    painter.drawEllipse(QPointF(470, 170), 70, 70);

    const QRectF tile(26, 26, 121, 121);
    fillShape(painter, roundedBox(tile, 18), Palette::Paper.light, Palette::Paper.base, Palette::Paper.dark, 1.5);
    Emblem::draw(painter, tile.center(), 101, Emblem::Style::Colour);

    const qreal textLeft = 172;
    fillText(painter, QPointF(textLeft, 84), font("Carlito", 62, true), QStringLiteral("Vireska"), Qt::white);
    painter.fillRect(QRectF(textLeft + 2, 98, 300, 3), Palette::Teal.light);
    fillText(painter, QPointF(textLeft + 2, 128), font("Carlito", 22), QStringLiteral("Logiciel de gestion médicale"),
             QColor(0xe4, 0xee, 0xf8));
    fillText(painter, QPointF(textLeft + 2, 154), font("Carlito", 15, true), QStringLiteral("INSTALLATION  ·  V.3"),
             Palette::Teal.light);
    return drawing.finish();
}

// 256 x 256: the emblem on a white rounded tile, shown by the desktop and the applications menu.
QImage programIcon() {
    const QSize size(256, 256);
    Drawing drawing(size);
    const QRectF tile(8, 8, 240, 240);
    fillShape(drawing.painter, roundedBox(tile, 44), Palette::Paper.light, Palette::Paper.base, Palette::Paper.dark, 3);
    Emblem::draw(drawing.painter, tile.center(), 200, Emblem::Style::Colour);
    return drawing.finish();
}

} // namespace

QList<NamedPicture> installationPictures() {
    return {{QStringLiteral("installer-banner.jpg"), installerBanner()},
            {QStringLiteral("program-icon.png"), programIcon()}};
}
