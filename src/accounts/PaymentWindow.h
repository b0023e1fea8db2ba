#pragma once

#include "ui/FormWindow.h"

class MedicalRecordWindow;
class QComboBox;
class QLineEdit;
class ReportList;

// The account of the record's current patient: the lines with their running balance, a form that adds
// a line or replaces the line of its date, and the designations and tariffs used before as choices.
// The record's payments list follows every change.
class PaymentWindow : public FormWindow {
    Q_OBJECT
public:
    explicit PaymentWindow(MedicalRecordWindow &record);

    void save();
    void deleteLine();
    void print();

protected:
    void enterPressed(QWidget *focused) override;
    void functionKeyPressed(int number) override;
    void deletePressed() override { deleteLine(); }
    void escapePressed() override { closeWindow(); }

private:
    void loadLines();
    void loadChoices();
    void clearFields();
    void takeLine(int row);
    void takeChoice(QComboBox *choice, QLineEdit *field, QWidget *next);

    MedicalRecordWindow &m_record;
    QLineEdit *m_date = nullptr;
    QLineEdit *m_designation = nullptr;
    QComboBox *m_designationChoice = nullptr;
    QLineEdit *m_tariff = nullptr;
    QComboBox *m_tariffChoice = nullptr;
    QLineEdit *m_paid = nullptr;
    ReportList *m_lines = nullptr;
};

// Opens the payments window on the record's current patient and runs it until it closes.
void openPaymentWindow(MedicalRecordWindow &record);
