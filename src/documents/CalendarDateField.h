#pragma once

#include <QDateEdit>

// A date field whose date is chosen in its drop-down calendar, never typed: it always shows a real
// date as JJ/MM/AAAA, within the dates that have a date number (01/01/1970 to 19/01/2038). The
// keyboard only moves the focus or opens the calendar, so Enter and the window's keys still reach
// the window.
class CalendarDateField : public QDateEdit {
    Q_OBJECT
public:
    CalendarDateField(QWidget *parent, const QDate &date);

    QDate chosenDate() const { return m_chosen; }

    // Sets the date from the program (a list row): the calendar's last choice is not changed. A text
    // that is not a date of the range is ignored.
    void showDate(const QString &text);

    // Back to the date last chosen in the calendar.
    void showChosenDate();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QDate m_chosen;
    bool m_settingFromProgram = false;
};
