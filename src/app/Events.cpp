#include "app/Events.h"

#include "app/MainWindow.h"
#include "common/ProgramState.h"
#include "journals/JournalsWindow.h"
#include "patients/TablesWindow.h"
#include "app/PracticeWindow.h"
#include "record/MedicalRecordWindow.h"
#include "utilities/HelpWindow.h"
#include "utilities/UtilitiesWindow.h"

const QList<Menu> &mainMenu() {
    static const QList<Menu> menu{
        {"Tables",
         {{1, "Table des patients"},
          {2, "Table des médicaments"},
          {3, "Table des maladies"},
          {4, "Table des prescriptions"},
          {10, "Dossier médical"}}},
        {"Journaux",
         {{30, "Journal des consultations"},
          {31, "Journal des analyses médicales"},
          {32, "Journal des radios/échographie"},
          {0, nullptr},
          {33, "Journal des crédits"},
          {40, "? Aide"}}},
        {"Utilitaires", {{50, "Sauvegarde"}, {51, "Restauration"}}},
        {"Fin de session", {{QuitEvent, "Fermer le logiciel et quitter"}}},
    };
    return menu;
}

const QList<QString> &toolbarTooltips() {
    static const QList<QString> tooltips{
        QStringLiteral("Les tables"),
        QStringLiteral("Consultation"),
        QStringLiteral("Ordonnance"),
        QStringLiteral("Lettre de recommandation"),
        QStringLiteral("Analyses médicales"),
        QStringLiteral("Radiologie"),
        QStringLiteral("Congé de maladie"),
        QStringLiteral("Certificat médical"),
        QStringLiteral("Fiche médicale du patient"),
        QStringLiteral("Journal des consultations"),
        QStringLiteral("Journal des analyses médicales"),
        QStringLiteral("Journal des radios"),
        QStringLiteral("Photos du malade"),
        QStringLiteral("Fiche médicale du patient"),
        QStringLiteral("Sauvegarde"),
        QStringLiteral("Restauration"),
        QStringLiteral("Paramètres"),
        QStringLiteral("Initialisation de la base"),
        QStringLiteral("?Aide"),
        QStringLiteral("Fin de session"),
    };
    return tooltips;
}

std::function<void()> actionForEvent(int event, MainWindow &window) {
    // Menu items and toolbar buttons that open the same window share one entry. The buttons "Photos du
    // malade" and "Initialisation de la base" have none and do nothing.
    // Windows that open on a page, tab or journal read it from the program-wide page number.
    const auto onPage = [](int page, void (*open)()) {
        return [page, open] {
            programState().page = page;
            open();
        };
    };
    const QList<std::pair<QList<int>, std::function<void()>>> table{
        {{1, 100}, onPage(0, openTablesWindow)},
        {{2}, onPage(1, openTablesWindow)},
        {{3}, onPage(2, openTablesWindow)},
        {{4}, onPage(3, openTablesWindow)},
        {{40, 118}, openHelpWindow},
        {{50, 114}, onPage(0, openUtilitiesWindow)},
        {{51, 115}, onPage(1, openUtilitiesWindow)},
        {{10, 101, 102, 103, 104, 105, 106, 107, 108, 113}, openMedicalRecordWindow},
        {{116}, openPracticeWindow},
        {{QuitEvent, 119}, [&window] { emit window.quitRequested(); }},
        {{30, 109}, [] { openJournal(Journal::Consultations); }},
        {{31, 110}, [] { openJournal(Journal::Analyses); }},
        {{32, 111}, [] { openJournal(Journal::Radiology); }},
        {{33}, [] { openJournal(Journal::Credits); }},
    };
    for (const auto &[events, action] : table)
        if (events.contains(event))
            return action;
    return {};
}
