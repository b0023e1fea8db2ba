#pragma once

#include <QString>
#include <memory>

class QApplication;
class MainWindow;

// The start-up steps up to the built main window: pictures, the 23 data files of the working folder,
// screen fonts, desktop size. Returns nullptr when the program must end at once (a data file could not
// be opened; its message has been shown).
std::unique_ptr<MainWindow> startUp(const QString &workingFolder);

// The whole program: start-up, the main window until the user quits, then release everything.
// The exit code is 0 in every case the program itself ends.
int runProgram(QApplication &application);

// Qt's own French texts for the standard dialogs ("Oui", "Non", "Annuler"...).
void installFrenchTranslations(QApplication &application);
