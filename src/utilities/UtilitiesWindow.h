#pragma once

#include "ui/FormWindow.h"

#include <array>

class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;

// Backup and restore of the practice's data, one tab each; the tab " FERMER" or the close box closes the
// window, and no key acts in it.
class UtilitiesWindow : public FormWindow {
    Q_OBJECT
public:
    enum Tab { Backup = 0, Restore = 1, Close = 2 };

    UtilitiesWindow();

    QTabWidget *tabs() const { return m_tabs; }
    QProgressBar *progressBar(Tab tab) const { return m_parts[tab].progress; }
    QLabel *statusLabel(Tab tab) const { return m_parts[tab].status; }
    QPushButton *actionButton(Tab tab) const { return m_parts[tab].action; }

    // Copies the data folder into a folder the user chooses.
    void backUp();
    // Copies a backup the user chooses back into the data, after checking it and asking.
    void restore();

private:
    struct TabParts {
        QProgressBar *progress = nullptr;
        QLabel *status = nullptr;
        QPushButton *action = nullptr;
    };

    void tabChosen(int tab);
    // The bar runs from 0 to its end by fixed pauses while the window takes no input.
    void showProgress(Tab tab, const QString &status);
    // A copy that failed is said, with the file; the status label is emptied either way.
    void finish(Tab tab, const QString &error, const QString &success);

    QTabWidget *m_tabs = nullptr;
    std::array<TabParts, 2> m_parts;
};

// Opens the utilities window on the program-wide tab and runs it until it closes.
void openUtilitiesWindow();
