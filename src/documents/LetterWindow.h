#pragma once

#include "documents/DocumentWindow.h"
#include "documents/SevenLineDocuments.h"

#include <array>

class QLineEdit;
class ReportList;

// The letters window: a typed date, the recipient, the subject and six typed lines; the list of all
// the patient's letters; the printed letter of the date typed.
class LetterWindow : public DocumentWindow {
    Q_OBJECT
public:
    explicit LetterWindow(MedicalRecordWindow &record);

    void save() override;
    void remove() override;
    void print() override;

protected:
    void enterPressed(QWidget *focused) override;

private:
    void fillLetterList();
    void clearLetterFields();
    void loadLetterOfRow(int row);

    QLineEdit *m_date = nullptr;
    QLineEdit *m_recipient = nullptr;
    QLineEdit *m_subject = nullptr;
    std::array<QLineEdit *, TypedLineCount> m_inputs{};
    ReportList *m_letters = nullptr;
    QString m_lastLine; // line 7 of the letter loaded: it has no field and is saved back as loaded
};

// Opens the letters window on the record's current patient and runs it until it closes.
void openLetterWindow(MedicalRecordWindow &record);
