#include "utilities/HelpWindow.h"

#include "print/ScreenFonts.h"
#include "ui/Widgets.h"

#include <QListWidget>

namespace {

const char *const HelpTexts[] = {
    "",
    "",
    "COMMENT UTILISER CE LOGICIEL?",
    "",
    "1. TOUT D'ABORD, DES RECEPTION D'UN PATIENT, IL FAUT TOUJOURS OUVRIR LA TABLE DES PATIENTS POUR:",
    "   - SOIT RECHERCHER LE NOM DU PATIENT (S'IL EXISTE)",
    "   - SOIT SAISIR LES DONNEES RELATIVES AU PATIENT",
    "   CETTE Procedure DOIT SE FAIRE AU DEBUT DE CHAQUE CONSULTATION (SURTOUT POUR LES NOUVEAUX PATIENTS)",
    "  (VOIR MENU TABLES>Cliquez sur le lien TABLE DES PATIENTS)",
    "",
    "2. OUVRIR LA FENETRE (DOSSIER MEDICAL), C'EST LA QUE TOUS LES RENSEIGNEMENTS DU MALADE SONT CONSULTABLES",
    "   AVANT TOUT, SELECTIONNEZ LE NOM DU PATIENT (EN PRINCIPE IL DOIT EXISTER SI VOUS L'AVEZ ENREGISTRE DANS LA "
    "TABLE (1) )",
    "   OUVRIR (EN CLIQUANT SUR L'IMAGE DOSSIER EN HAUT COIN GAUCHE) LA FENETRE QUE VOUS CHOISIREZ PARMI CELLES-CI:",
    " . DIAGNOSTIC, CONSULTATION, EXAMEN ...",
    " . ORDONNANCE",
    " . CONGE DE MALADIE",
    " . LETTRE DE RECOMMANDATION ",
    " . ANALYSES MEDICALES",
    " . RADIOLOGIE / ECHOGRAPHIE",
    " . CERTIFICAT MEDICAL",
    " . RENDEZ-VOUS",
    " . ANTECEDENTS MEDICAUX, CHIRURGICAUX OU FAMILIAUX...",
    " . REGLEMENTS...",
    "",
    "3. PENDANT LA SAISIE DE DONNEES, VEUILLEZ APPUYER SUR LA TOUCHE (ENTREE) APRES CHAQUE CHAMPS SAISI, C'EST "
    "TRES IMPORTANT.",
    "   UNE FOIS LA SAISIE TERMINEE, CONFIRMEZ EN APPUYANT SUR LA TOUCHE (VALIDER).",
    "",
    "4. LE RESTE EST TRES SIMPLE ET TRES FACILE. IL SUFFIT DE REPONDRE AUX MESSAGES OU DE VALIDER OU IMPRIMER "
    "SELON LE CAS.",
    "   IL EST RECOMMANDE DE FAIRE UNE SAUVEGARDE A LA FIN DE LA JOURNEE.",
};

constexpr int Indent = 30;

} // namespace

QStringList helpLines() {
    QStringList lines;
    for (const char *text : HelpTexts) {
        const QString line = QString::fromUtf8(text);
        lines << (line.isEmpty() ? line : QString(Indent, u' ') + line);
    }
    return lines;
}

HelpWindow::HelpWindow() : FormWindow(QStringLiteral("Logiciel de gestion médicale - Aide ")) {
    setObjectName(QStringLiteral("helpWindow"));
    setMainMenuWindowLook(QColor(182, 218, 239));
    m_lines = new QListWidget(this);
    m_lines->setObjectName(QStringLiteral("helpLines"));
    m_lines->setGeometry(10, 20, 1000, 690);
    m_lines->setFont(screenFont(ScreenFont::Calibri11));
    setTextColour(m_lines, QColor(0, 0, 205));
    m_lines->addItems(helpLines());
}

void openHelpWindow() {
    HelpWindow window;
    window.run();
}
