#include "documents/CalendarDateField.h"

#include "common/FieldRules.h"

#include <QKeyEvent>
#include <QWheelEvent>

namespace {

const QDate FirstNumberedDate{1970, 1, 1};
const QDate LastNumberedDate{2038, 1, 19};

} // namespace

CalendarDateField::CalendarDateField(QWidget *parent, const QDate &date) : QDateEdit(parent) {
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    setDateRange(FirstNumberedDate, LastNumberedDate);
    m_settingFromProgram = true;
    setDate(date);
    m_settingFromProgram = false;
    m_chosen = this->date();
    // Dates outside the range cannot be picked in the calendar; every other change comes from it.
    connect(this, &QDateEdit::dateChanged, this, [this](const QDate &chosen) {
        if (!m_settingFromProgram)
            m_chosen = chosen;
    });
}

void CalendarDateField::showDate(const QString &text) {
    const qint64 number = dateNumber(text);
    if (number < 0)
        return;
    m_settingFromProgram = true;
    setDate(FirstNumberedDate.addDays(number / 86400));
    m_settingFromProgram = false;
}

void CalendarDateField::showChosenDate() {
    m_settingFromProgram = true;
    setDate(m_chosen);
    m_settingFromProgram = false;
}

void CalendarDateField::keyPressEvent(QKeyEvent *event) {
    const bool opensCalendar = event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier;
    const bool movesFocus = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (opensCalendar || movesFocus)
        QDateEdit::keyPressEvent(event);
    else
        event->ignore();
}

void CalendarDateField::wheelEvent(QWheelEvent *event) {
    event->ignore();
}
