#pragma once

#include "journals/JournalKinds.h"
#include "ui/FormWindow.h"

#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QProgressBar;
class QStringListModel;
class QTabWidget;
class ReportList;

// The practice's activity over a period: one tab per journal, each with a patient choice, a period,
// a list filled on demand and its printout; the last tab closes the window.
class JournalsWindow : public FormWindow {
    Q_OBJECT
public:
    // Opens on the tab the main menu asked for.
    JournalsWindow();

    void showJournal(Journal journal);
    void printJournal(Journal journal);

    // Fills the patient choices of the four tabs (done when the window opens).
    void loadPatientNames();

    QTabWidget *tabs() const { return m_tabs; }
    QWidget *page(Journal journal) const;

private:
    // The widgets of one journal's tab.
    struct Tab {
        QComboBox *patientName = nullptr;
        QCheckBox *allPatients = nullptr;
        QDateEdit *from = nullptr;
        QDateEdit *to = nullptr;
        QProgressBar *progress = nullptr;
        ReportList *list = nullptr;
        QLabel *count = nullptr;
    };

    QWidget *buildTab(const JournalKind &kind);
    void tabChosen(int index);
    Tab &tab(Journal journal) { return m_journals[static_cast<int>(journal)]; }

    QTabWidget *m_tabs = nullptr;
    QStringListModel *m_everyone = nullptr; // every patient, shared by the three journals of acts
    QStringListModel *m_withAccount = nullptr;
    std::array<Tab, JournalCount> m_journals{};
};

// Opens the journals window on the tab the program-wide page names and runs it until it closes.
void openJournalsWindow();

// The main menu's entry: opens the window on that journal.
void openJournal(Journal journal);
