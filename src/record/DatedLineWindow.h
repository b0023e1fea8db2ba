#pragma once

#include "record/DatedLines.h"
#include "ui/FormWindow.h"

class MedicalRecordWindow;
class QComboBox;
class QLabel;
class QLineEdit;
class ReportList;

// The form of an act made of dated lines (prescription, analyses, radiology): two capital fields
// helped by suggestions from reference lists, the act's lines, a date chooser, and the printed
// sheet. What tells the three apart is their DatedLineKind. The record's list of the section follows
// every change.
class DatedLineWindow : public FormWindow {
    Q_OBJECT
public:
    DatedLineWindow(const DatedLineKind &kind, MedicalRecordWindow &record);

    const DatedLineKind &kind() const { return m_kind; }
    QString actDate() const;
    // Which field the suggestion list serves: the mode of its reference list, empty before any.
    QString suggestionMode() const { return m_suggestionMode; }

    void save();
    void deleteLine();
    void print();
    void chooseDate(const QString &date);

protected:
    void enterPressed(QWidget *focused) override;
    void functionKeyPressed(int number) override;
    void deletePressed() override { deleteLine(); }
    void escapePressed() override { closeWindow(); }

private:
    void loadActLines();
    void showLines(const QList<DatedLine> &lines);
    void clearFields();
    void suggestFor(const ReferenceList &list, const QLineEdit *field);
    void takeLine(int row);
    void takeSuggestion(int row);

    const DatedLineKind &m_kind;
    MedicalRecordWindow &m_record;
    QLabel *m_date = nullptr;
    QComboBox *m_chooser = nullptr;
    QLineEdit *m_first = nullptr;
    QLineEdit *m_second = nullptr;
    ReportList *m_lines = nullptr;
    ReportList *m_suggestions = nullptr;
    QString m_suggestionMode;
};

// Opens the form of that kind on the record's current patient and runs it until it closes.
void openDatedLineWindow(const DatedLineKind &kind, MedicalRecordWindow &record);
