#include "utilities/UtilitiesWindow.h"

#include "common/OwnerOnlyFiles.h"
#include "common/ProgramState.h"
#include "platform/FolderPicker.h"
#include "platform/Messages.h"
#include "platform/Pauses.h"
#include "print/ScreenFonts.h"
#include "ui/Widgets.h"
#include "utilities/DataBackup.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

namespace {

constexpr int Calibri13 = 17; // of the screen font set
constexpr int ProgressEnd = 1000;
constexpr int ProgressPause = 20; // milliseconds per step

struct TabDescriptor {
    const char *caption;
    const char *title;
    const char *action;
    const char *objectName;
};

const TabDescriptor Tabs[] = {
    {" SAUVEGARDE", "SAUVEGARDE", "Sauvegarder", "backupTab"},
    {" RESTAURATION", "RESTAURATION", "Restaurer", "restoreTab"},
};

} // namespace

UtilitiesWindow::UtilitiesWindow() : FormWindow(QStringLiteral("Logiciel de gestion médicale - Utilitaires")) {
    setObjectName(QStringLiteral("utilitiesWindow"));
    setMainMenuWindowLook(QColor(189, 216, 66));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->setGeometry(10, 10, 920, 300);
    for (int tab = Backup; tab <= Restore; ++tab) {
        const TabDescriptor &descriptor = Tabs[tab];
        auto *page = new QWidget(m_tabs);
        page->setObjectName(QLatin1String(descriptor.objectName));
        QLabel *title = Place::label(page, {20, 30, 560, 30}, QString::fromUtf8(descriptor.title));
        title->setObjectName(QStringLiteral("title"));
        title->setFont(screenFont(Calibri13));
        Place::frame(page, {10, 60, 800, 60})->setObjectName(QStringLiteral("frame"));
        TabParts &parts = m_parts[tab];
        parts.progress = new QProgressBar(page);
        parts.progress->setObjectName(QStringLiteral("progress"));
        parts.progress->setGeometry(20, 80, 670, 20);
        parts.progress->setRange(0, ProgressEnd);
        parts.progress->setValue(0);
        parts.action = Place::button(page, {700, 76, 100, 30}, QString::fromUtf8(descriptor.action));
        parts.action->setObjectName(QStringLiteral("action"));
        connect(parts.action, &QPushButton::clicked, this,
                tab == Backup ? &UtilitiesWindow::backUp : &UtilitiesWindow::restore);
        parts.status = Place::label(page, {10, 120, 200, 20});
        parts.status->setObjectName(QStringLiteral("status"));
        m_tabs->addTab(page, QString::fromUtf8(descriptor.caption));
    }
    m_tabs->addTab(new QWidget(m_tabs), QStringLiteral(" FERMER"));
    m_tabs->setCurrentIndex(programState().page == Restore ? Restore : Backup);
    connect(m_tabs, &QTabWidget::currentChanged, this, &UtilitiesWindow::tabChosen);
}

void UtilitiesWindow::tabChosen(int tab) {
    programState().page = tab;
    if (tab == Close)
        closeWindow();
}

void UtilitiesWindow::backUp() {
    const QString sauve = defaultBackupFolder();
    makeOwnerOnlyFolder(sauve);
    const QString destination =
        FolderPicker::choose(QStringLiteral("Sélectionnez un dossier de destination..."), sauve);
    if (destination.isEmpty())
        return;
    showProgress(Backup, QStringLiteral("Sauvegarde en cours..."));
    finish(Backup, backUpData(destination), QStringLiteral("Sauvegarde terminée ! "));
}

void UtilitiesWindow::restore() {
    const QString sauve = defaultBackupFolder();
    const QString source = FolderPicker::choose(QStringLiteral("Sélectionnez la sauvegarde à restaurer..."),
                                                holdsDatabaseFiles(sauve) ? sauve : QString());
    if (source.isEmpty())
        return;
    if (!restoreSourceProblem(source).isEmpty()) {
        Messages::error(QStringLiteral("Le dossier sélectionné n'est pas une sauvegarde valide ! "));
        return;
    }
    const Messages::Answer answer = Messages::show(
        QStringLiteral("ATTENTION !"),
        QStringLiteral("Vous êtes sur le point de supprimer entièrement vos données. Si vous n'avez pas encore "
                       "sauvegardé votre travail actuel, c'est le moment de le faire. Etes-vous sûr de vouloir "
                       "restaurer MAINTENANT la sauvegarde sélectionnée?"),
        Messages::Buttons::YesNo);
    if (answer != Messages::Answer::Yes)
        return;
    showProgress(Restore, QStringLiteral("Restauration en cours..."));
    finish(Restore, restoreData(source), QStringLiteral("La base de données a été restaurée avec succès ! "));
}

void UtilitiesWindow::showProgress(Tab tab, const QString &status) {
    QProgressBar *bar = m_parts[tab].progress;
    bar->setValue(0);
    m_parts[tab].status->setText(status);
    for (int step = 1; step <= ProgressEnd; ++step) {
        bar->setValue(step);
        Pauses::pause(ProgressPause);
    }
}

void UtilitiesWindow::finish(Tab tab, const QString &error, const QString &success) {
    if (error.isEmpty())
        Messages::show(QStringLiteral("Terminé"), success);
    else
        Messages::error(error);
    m_parts[tab].status->clear();
}

void openUtilitiesWindow() {
    UtilitiesWindow window;
    window.run();
}
