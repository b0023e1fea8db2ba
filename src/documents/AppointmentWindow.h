#pragma once

#include "documents/DocumentWindow.h"

class CalendarDateField;
class QLineEdit;
class ReportList;

// The appointments window: the date chosen in a calendar, the reason, the hour and the doctor's
// observations; the list of every appointment of the patient; the card printed for the patient.
class AppointmentWindow : public DocumentWindow {
    Q_OBJECT
public:
    explicit AppointmentWindow(MedicalRecordWindow &record);

    QString appointmentDate() const;

    void save() override;
    void remove() override;
    void print() override;

protected:
    void enterPressed(QWidget *focused) override;

private:
    void fillAppointmentList();
    void clearAppointmentFields();
    void takeRow(int row);

    CalendarDateField *m_date = nullptr;
    QLineEdit *m_reason = nullptr;
    QLineEdit *m_hour = nullptr;
    QLineEdit *m_observations = nullptr;
    ReportList *m_appointments = nullptr;
};

// Opens the appointments window on the record's current patient and runs it until it closes.
void openAppointmentWindow(MedicalRecordWindow &record);
