#include "journals/JournalKinds.h"

#include <array>

namespace {

// Analyses and radiology print the same columns.
const QList<JournalPrintColumn> ActLineColumns{
    {"N°", 0.1, 0.1}, {"Date", 0.5, 0.2}, {"Nom du patient", 0.9, 0.2}, {"Type", 0.1, 0.2}, {"Résultats", 0.1, 0.2}};

const JournalPrintLayout CreditsLayout{"JOURNAL DES CREDITS",
                                       {1.2, 3.2, 14, 16, 18},
                                       20,
                                       2,
                                       {{"Date", 0.4, 0.1},
                                        {"Libellé de l'opération", 0.5, 0.2},
                                        {"Débit", 0.5, 0, true},
                                        {"Crédit", 0.5, 0, true},
                                        {"Solde", 0.5, 0, true}}};

} // namespace

const JournalKind &journalKind(Journal journal) {
    static const std::array<JournalKind, JournalCount> kinds{{
        {Journal::Consultations,
         " Journal des consultations",
         "JOURNAL DES CONSULTATIONS",
         {{"N° Cons.", 60},
          {"Date de cons.", 100},
          {"Nom du patient", 200},
          {"Age", 60},
          {"Sit.Fam.", 60},
          {"Etat du malade", 280}},
         QColor(240, 230, 140),
         true,
         "NOMBRE DE CONSULTATIONS:",
         180,
         200,
         {"JOURNAL DES CONSULTATIONS",
          {1.2, 2, 4, 11, 12, 13},
          20,
          3,
          {{"N°", 0.2, 0.1},
           {"Date", 0.5, 0.1},
           {"Nom du patient", 0.8, 0.1},
           {"Age", 0.2, 0.1},
           {"Sit.F.", 0.2, 0.1},
           {"Etat du malade", 0.2, 0.1}}}},
        {Journal::Analyses,
         " Journal des analyses médicales",
         "JOURNAL DES ANALYSES MEDICALES",
         {{"N°", 60},
          {"Date", 100},
          {"Nom du patient", 200},
          {"Type d'analyses", 150},
          {"Résultats des analyses", 200}},
         QColor(175, 238, 238),
         true,
         "NOMBRE D'ANALYSES:",
         150,
         180,
         {"JOURNAL DES ANALYSES MEDICALES", {1.2, 1.8, 4.5, 14, 16}, 20, 3, ActLineColumns}},
        {Journal::Radiology,
         " Journal des radios/echographies",
         "JOURNAL DES RADIOS/ECHOGRAPHIES",
         {{"N°", 60}, {"Date", 100}, {"Nom du patient", 200}, {"Type de radios", 150}, {"Résultats des radios", 300}},
         QColor(152, 251, 152),
         true,
         "NOMBRE DE RADIOS:",
         150,
         180,
         {"JOURNAL DES RADIOS ET ECHOGRAPHIES", {1.2, 1.8, 4, 13, 16}, 20, 3, ActLineColumns}},
        {Journal::Credits,
         " Journal des crédits",
         "JOURNAL DES CREDITS",
         {{"Date", 100}, {"Libellé de l'opération", 250}, {"Débit", 90}, {"Crédit", 90}, {"Solde", 90}},
         QColor(255, 192, 203),
         false,
         nullptr,
         0,
         0,
         CreditsLayout},
    }};
    return kinds[static_cast<int>(journal)];
}

const JournalPrintLayout &accountStatementLayout() {
    static const JournalPrintLayout layout = [] {
        JournalPrintLayout statement = CreditsLayout;
        statement.title = "RELEVE DE COMPTE";
        return statement;
    }();
    return layout;
}
