#include "common/Amounts.h"

#include <QStringList>

namespace {

bool isZeroAmount(const QString &text) {
    for (const QChar c : text)
        if (c >= u'1' && c <= u'9')
            return false;
    return true;
}

} // namespace

QString AmountToCents(const QString &entered) {
    const QString amount = trimSpaces(entered);
    qsizetype point = 0;
    while (point < amount.size() && amount[point] != u'.' && amount[point] != u',')
        ++point;
    QString cents;
    if (point == amount.size()) {
        cents = amount + QStringLiteral("00");
    } else {
        const QString fraction = trimSpaces(amount.mid(point + 1, 2));
        cents = trimSpaces(amount.left(point)) + fraction.leftJustified(2, u'0');
    }
    return cents.remove(u' ');
}

QString CentsToAmount(const QString &stored) {
    QString cents = trimSpaces(stored);
    cents.remove(u'.');
    cents.remove(u',');
    cents = trimSpaces(cents);
    if (isZeroAmount(cents))
        return QStringLiteral("0.00");
    // The sign is set aside so that a few cents keep it in front: -5 shows as -0.05.
    const bool negative = cents.startsWith(u'-');
    const QString digits = negative ? cents.mid(1) : cents;
    QString amount;
    if (digits.size() == 1)
        amount = QStringLiteral("0.0") + digits;
    else if (digits.size() == 2)
        amount = QStringLiteral("0.") + digits;
    else
        amount = trimSpaces(digits.left(digits.size() - 2) + u'.' + digits.right(2));
    return negative ? u'-' + amount : amount;
}

QString GroupThousands(const QString &display) {
    QString text = display;
    text.remove(u' ');
    const qsizetype n = text.size();
    const bool hasTail = n >= 3 && (text[n - 3] == u'.' || text[n - 3] == u',');
    const QString tail = hasTail ? text.right(3) : QString();
    const QString integerPart = hasTail ? text.left(n - 3) : text;

    // Integer parts longer than eighteen characters keep being grouped the same way.
    QStringList groups;
    for (qsizetype end = integerPart.size(); end > 0; end -= 3) {
        const qsizetype begin = qMax<qsizetype>(0, end - 3);
        groups.prepend(integerPart.mid(begin, end - begin));
    }
    const QString grouped = trimSpaces(groups.join(u' ') + tail);
    return grouped == QStringLiteral("0") ? QStringLiteral("0.00") : grouped;
}
