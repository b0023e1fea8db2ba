#pragma once

#include "ui/FormWindow.h"

class QListWidget;

// How to work with the program, one instruction per line; it only displays, and only its close box
// closes it.
class HelpWindow : public FormWindow {
    Q_OBJECT
public:
    HelpWindow();

    QListWidget *lines() const { return m_lines; }

private:
    QListWidget *m_lines = nullptr;
};

// The lines as shown: empty lines stay empty, every other one follows 30 spaces.
QStringList helpLines();

void openHelpWindow();
