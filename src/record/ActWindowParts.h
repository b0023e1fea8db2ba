#pragma once

#include "ui/ReportList.h"

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

// The pieces every act window places the same way: the title and date of the act with the date
// chooser beside them, and the row of quit, delete and validate buttons.

inline const QColor ActTitleColour{2, 97, 141};

struct ActDatePlaces {
    QRect title;
    QRect date;
    QRect prompt; // "Sélectionnez une date >>"
};

struct ActDateRow {
    QLabel *title;
    QLabel *date; // the act date
    QComboBox *chooser;
};

// The title and the date label in the given screen font and the act title colour, the date label
// showing today as the medical record window set it; the chooser is left empty.
ActDateRow placeActDateRow(QWidget *window, const ActDatePlaces &places, const QString &title, int screenFont);

// Lists the dates with nothing chosen: the act date stays the one of the date label until the user
// picks another.
void fillDateChooser(QComboBox *chooser, const QStringList &dates);

struct ActButtons {
    QPushButton *quit;
    QPushButton *remove;
    QPushButton *validate;
};

// "(#ESC) Quitter", "(#ALT+SUP) Supprimer la ligne" and "(#F5) Valider" along the row at y.
ActButtons placeActButtons(QWidget *window, int y);
