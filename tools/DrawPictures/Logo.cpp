// The logo in the middle of the main window: the emblem, the program's name and what it does, on white.

#include "Canvas.h"
#include "Catalogue.h"
#include "Emblem.h"

#include <QFontMetricsF>

using namespace Canvas;

namespace {

QImage logo() {
    const QSize size(1046, 552);
    Drawing drawing(size, Qt::white);
    QPainter &painter = drawing.painter;

    const QString name = QStringLiteral("Vireska");
    const QString purpose = QStringLiteral("Logiciel de gestion médicale");
    const QFont nameFont = font("Carlito", 188, true);
    const QFont purposeFont = font("Carlito", 47);
    const QFontMetricsF nameMetrics(nameFont);
    const QFontMetricsF purposeMetrics(purposeFont);

    const qreal emblemDiameter = 300;
    const qreal gap = 58;
    const qreal textWidth = qMax(nameMetrics.horizontalAdvance(name), purposeMetrics.horizontalAdvance(purpose));
    const qreal left = (size.width() - (emblemDiameter + gap + textWidth)) / 2;
    const qreal middle = size.height() / 2.0;

    Emblem::draw(painter, QPointF(left + emblemDiameter / 2, middle), emblemDiameter, Emblem::Style::Colour);

    // The text block (name, rule, purpose) is centred on the emblem's middle.
    const qreal capHeight = nameMetrics.capHeight();
    const qreal ruleGap = 34;
    const qreal ruleHeight = 6;
    const qreal purposeGap = 30 + purposeMetrics.capHeight();
    const qreal blockHeight = capHeight + ruleGap + ruleHeight + purposeGap + purposeMetrics.descent();
    const qreal nameBaseline = middle - blockHeight / 2 + capHeight;
    const qreal textLeft = left + emblemDiameter + gap;
    fillText(painter, QPointF(textLeft - 4, nameBaseline), nameFont, name, Palette::Navy.base);

    const QRectF rule(textLeft, nameBaseline + ruleGap, textWidth, ruleHeight);
    QLinearGradient accent(rule.topLeft(), rule.topRight());
    accent.setColorAt(0, Palette::Teal.base);
    accent.setColorAt(1, QColor(Palette::Blue.base.red(), Palette::Blue.base.green(), Palette::Blue.base.blue(), 40));
    painter.fillRect(rule, accent);

    fillText(painter, QPointF(textLeft, rule.bottom() + purposeGap), purposeFont, purpose, Palette::Slate.base);
    return drawing.finish();
}

} // namespace

QList<Picture> logoPictures() {
    return {{0, logo()}};
}
