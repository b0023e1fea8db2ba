#pragma once

#include "documents/DocumentWindow.h"
#include "documents/History.h"

class QLineEdit;
class ReportList;

// The window of one kind of history: a typed date, one line of text, and the list of the kind's
// entries. Save and delete act on the date typed; a click in the list only shows an entry's text.
class HistoryWindow : public DocumentWindow {
    Q_OBJECT
public:
    HistoryWindow(const HistoryKind &kind, MedicalRecordWindow &record);

    const HistoryKind &kind() const { return m_kind; }

    void save() override;
    void remove() override;

protected:
    void enterPressed(QWidget *focused) override;

private:
    void fillHistoryList();
    void showTextOfRow(int row);

    const HistoryKind &m_kind;
    QLineEdit *m_date = nullptr;
    QLineEdit *m_text = nullptr;
    ReportList *m_entries = nullptr;
};

// Opens the window of that kind on the record's current patient and runs it until it closes.
void openHistoryWindow(const HistoryKind &kind, MedicalRecordWindow &record);
