#pragma once

#include "documents/DocumentWindow.h"
#include "documents/SevenLineDocuments.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class ReportList;

// The window of a seven-line document (certificate, sick leave): the date label and its chooser,
// six typed lines, the stored document of the date in the line list, and its printed page. The date
// changes only through the chooser, so a new document always takes today's date.
class SevenLineWindow : public DocumentWindow {
    Q_OBJECT
public:
    SevenLineWindow(const SevenLineKind &kind, MedicalRecordWindow &record);

    const SevenLineKind &kind() const { return m_kind; }
    QString documentDate() const;

    void save() override;
    void remove() override;
    void print() override;
    void chooseDate(const QString &date);

protected:
    void enterPressed(QWidget *focused) override;

private:
    void showDocument();
    void clearInputLines();
    void takeListedLines();

    const SevenLineKind &m_kind;
    QLabel *m_date = nullptr;
    QComboBox *m_chooser = nullptr;
    std::array<QLineEdit *, TypedLineCount> m_inputs{};
    ReportList *m_lines = nullptr;
    QStringList m_document; // the seven lines of the document shown; line 7 is saved from here
};

// Opens the window of that kind on the record's current patient and runs it until it closes.
void openSevenLineWindow(const SevenLineKind &kind, MedicalRecordWindow &record);
