#pragma once

#include "record/Examinations.h"
#include "ui/FormWindow.h"

#include <array>

class MedicalRecordWindow;
class QComboBox;
class QLabel;
class QLineEdit;
class ReportList;

// The report of one consultation of the current patient: four lines for the act date, saved over
// the lines already stored for that date. The record's examination list follows every change.
class ExaminationWindow : public FormWindow {
    Q_OBJECT
public:
    explicit ExaminationWindow(MedicalRecordWindow &record);

    QString actDate() const;

    void save();
    void deleteExamination();
    void chooseDate(const QString &date);

protected:
    void enterPressed(QWidget *focused) override;
    void functionKeyPressed(int number) override;
    void deletePressed() override { deleteExamination(); }
    void escapePressed() override { closeWindow(); }

private:
    void loadExamination();
    void clearLines();
    void fillLinesFromStored();

    MedicalRecordWindow &m_record;
    QLabel *m_date = nullptr;
    QComboBox *m_chooser = nullptr;
    std::array<QLineEdit *, 4> m_lines{};
    ReportList *m_report = nullptr;
    ExaminationLines m_stored; // the act date's stored lines, each in its position
};

// Opens the examination window on the record's current patient and runs it until it closes.
void openExaminationWindow(MedicalRecordWindow &record);
