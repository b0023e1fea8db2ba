#pragma once

#include <QString>

// The values the windows share: each window sets what it owns before use, none of them is saved.
struct ProgramState {
    QString currentPatientCode; // patient every section window works on
    QString today;              // JJ/MM/AAAA, set when the medical record window opens
    QString actDate;            // date of the act being saved
    QString actDateNumber;      // its date number, written beside it
    int page = 0;               // page, tab or journal the main menu asked for
    QString ageValue;           // age of the patient form being typed
    bool birthDateError = false;
    int desktopWidth = 1366; // primary screen, read once at start-up
    int desktopHeight = 768;
};

ProgramState &programState();

// Back to the values of a fresh start (tests).
void resetProgramState();
