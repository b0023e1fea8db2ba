#include "record/ActWindowParts.h"

#include "common/ProgramState.h"
#include "print/ScreenFonts.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

ActDateRow placeActDateRow(QWidget *window, const ActDatePlaces &places, const QString &title, int font) {
    ActDateRow row{};
    row.title = Place::label(window, places.title, title);
    row.title->setObjectName(QStringLiteral("actTitle"));
    row.date = Place::label(window, places.date);
    row.date->setObjectName(QStringLiteral("dateLabel"));
    row.date->setText(programState().today);
    for (QLabel *label : {row.title, row.date}) {
        label->setFont(screenFont(font));
        setTextColour(label, ActTitleColour);
    }
    Place::label(window, places.prompt, QStringLiteral("Sélectionnez une date >>"));
    row.chooser = Place::dateChooser(window, {460, 23, 90, 20});
    row.chooser->setObjectName(QStringLiteral("dateChooser"));
    return row;
}

void fillDateChooser(QComboBox *chooser, const QStringList &dates) {
    chooser->clear();
    chooser->addItems(dates);
    chooser->setCurrentIndex(-1);
}

ActButtons placeActButtons(QWidget *window, int y) {
    ActButtons buttons{};
    buttons.quit = Place::button(window, {10, y, 120, 30}, QStringLiteral("(#ESC) Quitter"));
    buttons.quit->setObjectName(QStringLiteral("quitButton"));
    buttons.remove = Place::button(window, {200, y, 180, 30}, QStringLiteral("(#ALT+SUP) Supprimer la ligne"));
    buttons.remove->setObjectName(QStringLiteral("deleteButton"));
    buttons.validate = Place::button(window, {450, y, 110, 30}, QStringLiteral("(#F5) Valider"));
    buttons.validate->setObjectName(QStringLiteral("validateButton"));
    return buttons;
}
