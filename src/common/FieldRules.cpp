#include "common/FieldRules.h"

#include "common/ProgramState.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "store/PatientCodes.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <limits>

namespace {

// Day, month and year as check date reads them, from their fixed places.
struct DateParts {
    qint64 day;
    qint64 month;
    qint64 year;
};

DateParts datePartsOf(const QString &trimmed) {
    return {integerValue(trimmed.left(2)), integerValue(trimmed.mid(3, 2)), integerValue(trimmed.right(4))};
}

bool existsOnCalendar(const DateParts &parts) {
    return parts.day >= 1 && parts.day <= 31 && parts.month >= 1 && parts.month <= 12 && parts.year >= 1900 &&
           QDate::isValid(int(parts.year), int(parts.month), int(parts.day));
}

bool checkDateUpTo(const QString &text, qint64 lastYear) {
    const DateParts parts = datePartsOf(trimSpaces(text));
    return existsOnCalendar(parts) && parts.year <= lastYear;
}

const QDate &firstDayWithNumber() {
    static const QDate day(1970, 1, 1);
    return day;
}

const QDate &lastDayWithNumber() {
    static const QDate day(2038, 1, 19);
    return day;
}

// The calendar day a date text names, read field by field between its slashes ("5/11/2024" is the
// fifth of November); an invalid date when the text is not such a day.
QDate calendarDay(const QString &text) {
    static const QRegularExpression mask(QStringLiteral("^([0-9]{1,2})/([0-9]{1,2})/([0-9]{1,4})$"));
    const QRegularExpressionMatch match = mask.match(trimSpaces(text));
    if (!match.hasMatch())
        return {};
    return QDate(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
}

// Whole months from `birth` to `day`: a month counts once its day of the month is reached.
int wholeMonthsBetween(const QDate &birth, const QDate &day) {
    int months = (day.year() - birth.year()) * 12 + day.month() - birth.month();
    if (day.day() < birth.day())
        --months;
    return months;
}

} // namespace

QString trimSpaces(const QString &text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

qint64 integerValue(const QString &text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Accumulated as a negative number, whose range includes the smallest qint64.
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    qint64 value = 0;
    bool saturated = false;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        const int digit = text[i].unicode() - u'0';
        if (value < (lowest + digit) / 10) {
            saturated = true;
            break;
        }
        value = value * 10 - digit;
    }
    if (saturated)
        return negative ? lowest : std::numeric_limits<qint64>::max();
    if (negative)
        return value;
    return value == lowest ? std::numeric_limits<qint64>::max() : -value;
}

QString todayText() {
    const QDate today = Clock::today();
    return QStringLiteral("%1/%2/%3")
        .arg(today.day(), 2, 10, QLatin1Char('0'))
        .arg(today.month(), 2, 10, QLatin1Char('0'))
        .arg(today.year(), 4, 10, QLatin1Char('0'));
}

bool checkDate(const QString &text) {
    return checkDateUpTo(text, Clock::today().year());
}

bool checkActDate(const QString &text) {
    return checkDate(text) && dateNumber(text) != -1;
}

bool checkAppointmentDate(const QString &text) {
    if (checkDate(text))
        return true;
    // A later year is fine while the date can still be sorted and filtered by its number.
    return checkDateUpTo(text, lastDayWithNumber().year()) && dateNumber(text) != -1;
}

qint64 dateNumber(const QDate &date) {
    if (!date.isValid() || date < firstDayWithNumber() || date > lastDayWithNumber())
        return -1;
    return (date.toJulianDay() - firstDayWithNumber().toJulianDay()) * 86400;
}

qint64 dateNumber(const QString &text) {
    return dateNumber(calendarDay(text));
}

QString dateNumberText(const QString &text) {
    return QString::number(dateNumber(text));
}

void computeActDateNumber() {
    programState().actDateNumber = dateNumberText(programState().actDate);
}

AgeResult ageFrom(const QString &birthDate, const QString &today) {
    const QDate day = calendarDay(today);
    const QDate birth = calendarDay(birthDate);
    if (!day.isValid() || !birth.isValid() || !checkDateUpTo(birthDate, day.year()) || birth > day)
        return {};
    // Doses and the printed prescription go by the real age: whole years from one year on, whole
    // months before.
    const int months = wholeMonthsBetween(birth, day);
    if (months >= 12)
        return {true, QString::number(months / 12), QStringLiteral("ans")};
    return {true, QString::number(months), QStringLiteral("mois")};
}

bool computeAge(QLineEdit *birthDate, QLineEdit *age, QLabel *unit) {
    programState().birthDateError = false;
    const AgeResult result = ageFrom(birthDate->text(), todayText());
    if (!result.valid) {
        Messages::error(QStringLiteral("Date de naissance incorrecte ! "));
        programState().birthDateError = true;
        return false;
    }
    age->setText(result.age);
    programState().ageValue = result.age;
    unit->setText(result.unit);
    return true;
}

bool checkNumber(const QString &text) {
    QString number = trimSpaces(text);
    number.remove(u' ');
    if (number.startsWith(u'-'))
        number.remove(0, 1);
    if (number.isEmpty())
        return false;
    int separators = 0;
    for (const QChar c : number) {
        if (c == u',' || c == u'.')
            ++separators;
        else if (c < u'0' || c > u'9')
            return false;
    }
    return separators <= 1;
}

QString nextPatientCode() {
    bool ok = false;
    const qint64 largest = largestPatientCodeInUse(&ok);
    programState().currentPatientCode = ok ? QString::number(largest + 1) : QString();
    return programState().currentPatientCode;
}
