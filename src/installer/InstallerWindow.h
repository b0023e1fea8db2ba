#pragma once

#include "installer/InstallPaths.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The installer's window: the banner, the installation folder with its picker, the install button, and a
// progress bar with its status line. One installation at most; the window closes when it is done.
class InstallerWindow : public QWidget {
    Q_OBJECT
public:
    explicit InstallerWindow(const Install::Places &places, QWidget *parent = nullptr);

    // The choose button: the folder picker, then the folder rule; a cancelled picker changes nothing.
    void chooseFolder();

    // The install button (InstallProgram).
    void installProgram();

signals:
    // The installation is done and the window closes.
    void installationEnded();

private:
    void setStatus(const QString &text);
    void advance(int steps);
    // Puts the window back for another try after an installation that stopped.
    void stopInstallation(const QString &message);
    bool copyProgram(const QString &destination);
    void showCopiedEntries();
    void writeShortcuts(const QString &destination);

    Install::Places m_places;
    QLineEdit *m_folderField = nullptr;
    QPushButton *m_installButton = nullptr;
    QPushButton *m_chooseButton = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QLabel *m_statusLabel = nullptr;
};
