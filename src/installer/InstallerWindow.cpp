#include "installer/InstallerWindow.h"

#include "installer/FolderCopy.h"
#include "installer/Shortcut.h"
#include "platform/FolderPicker.h"
#include "platform/Messages.h"
#include "platform/Pauses.h"
#include "print/ScreenFonts.h"
#include "ui/Widgets.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>

// The resource initialiser must be named from the global namespace.
static QPixmap banner() {
    Q_INIT_RESOURCE(installer);
    return QPixmap(QStringLiteral(":/installer/banner.jpg"));
}

namespace {

const QString Title = QStringLiteral("Installation du logiciel de gestion médicale V.3 (2023)");
const QString Greeting = QStringLiteral("INSTALLATION DU LOGICIEL DE GESTION MEDICALE V.3 (2023)");
constexpr int WindowHeight = 430;
constexpr int CalibriTwelve = 14; // screen font numbers
constexpr int TrebuchetNine = 4;
const QColor GreetingColour(58, 68, 197);
const QColor WorkColour(150, 97, 160);

int randomStep(int lowest, int highest) {
    return static_cast<int>(QRandomGenerator::global()->bounded(lowest, highest + 1));
}

QString megabytes(qint64 bytes) {
    return QLocale(QLocale::French).toString(double(bytes) / (1024.0 * 1024.0), 'f', 1) + QStringLiteral(" Mo");
}

} // namespace

InstallerWindow::InstallerWindow(const Install::Places &places, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_places(places) {
    setWindowTitle(Title);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("banner"));
    const QPixmap bannerPicture = banner();
    picture->setPixmap(bannerPicture);
    // The banner's size sets the window's width and the rows below it; its drawn size stands in for it
    // should the picture not decode.
    const QSize bannerSize = bannerPicture.isNull() ? QSize(512, 173) : bannerPicture.size();
    picture->setGeometry(QRect(QPoint(2, 2), bannerSize));
    const int width = bannerSize.width();
    const int top = 2 + bannerSize.height();

    auto *separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(5, top + 3, width - 10, 3);

    Place::label(this, QRect(20, top + 23, 120, 20), QStringLiteral("Dossier d'installation:"));
    m_folderField = Place::field(this, QRect(150, top + 23, 360, 20));
    m_folderField->setObjectName(QStringLiteral("folderField"));
    m_folderField->setText(Install::defaultFolder());
    m_installButton = Place::button(this, QRect(360, top + 53, 150, 30), QStringLiteral("Installer"));
    m_installButton->setObjectName(QStringLiteral("installButton"));
    m_chooseButton = Place::button(this, QRect(150, top + 53, 150, 30), QStringLiteral("Choisir un autre dossier..."));
    m_chooseButton->setObjectName(QStringLiteral("chooseButton"));
    for (QPushButton *button : {m_installButton, m_chooseButton})
        button->setFocusPolicy(Qt::StrongFocus);

    auto *progressFrame = new QGroupBox(QString(), this);
    progressFrame->setGeometry(10, top + 83, width - 20, 40);
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setGeometry(20, top + 99, width - 40, 15);
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressBar->setTextVisible(false);

    m_statusLabel = Place::label(this, QRect(20, top + 128, width - 40, 20), Greeting);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    m_statusLabel->setFont(screenFont(CalibriTwelve));
    setTextColour(m_statusLabel, GreetingColour);

    connect(m_installButton, &QPushButton::clicked, this, &InstallerWindow::installProgram);
    connect(m_chooseButton, &QPushButton::clicked, this, &InstallerWindow::chooseFolder);

    setFixedSize(width, WindowHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width / 2, WindowHeight / 2));
}

void InstallerWindow::chooseFolder() {
    const QString picked = FolderPicker::choose(QStringLiteral("Sélectionnez un dossier de destination..."));
    if (picked.isEmpty())
        return;
    m_folderField->setText(Install::destinationFor(QDir::fromNativeSeparators(picked)));
}

void InstallerWindow::setStatus(const QString &text) {
    m_statusLabel->setText(text);
    m_statusLabel->repaint();
}

void InstallerWindow::advance(int steps) {
    m_progressBar->setValue(std::min(m_progressBar->value() + steps, m_progressBar->maximum()));
}

void InstallerWindow::stopInstallation(const QString &message) {
    Messages::error(message);
    setStatus(QString());
    m_progressBar->setValue(0);
    m_installButton->setEnabled(true);
    m_chooseButton->setEnabled(true);
}

void InstallerWindow::installProgram() {
    const QString typed = Install::typedFolder(m_folderField->text());
    if (typed.isEmpty()) {
        Messages::error(QStringLiteral("Indiquez le dossier d'installation."));
        return;
    }
    const QString destination = Install::destinationFor(typed);
    const QFileInfo existing(destination);
    if (existing.isDir() && existing.isReadable()) {
        const Messages::Answer answer = Messages::show(
            QStringLiteral("Dossier existant"),
            QStringLiteral("ATTENTION, le dossier (") + destination +
                QStringLiteral(") existe, s'il contient des fichiers ils seront écrasés. Voulez-vous continuer?"),
            Messages::Buttons::YesNoCancel);
        if (answer != Messages::Answer::Yes)
            return;
    }

    m_installButton->setEnabled(false);
    m_chooseButton->setEnabled(false);
    m_statusLabel->setFont(screenFont(TrebuchetNine));
    setTextColour(m_statusLabel, WorkColour);
    if (!copyProgram(destination))
        return;
    showCopiedEntries();

    setStatus(QStringLiteral("Mise à jour des fichiers de configuration.."));
    advance(1);
    Pauses::pause(150);
    QFile::remove(m_places.pathRecord());
    advance(1);
    Pauses::pause(200);
    Install::writePathRecord(m_places.pathRecord(), destination); // a medium that cannot be written is no fault

    setStatus(QStringLiteral("Création des icônes.."));
    writeShortcuts(destination);
    advance(1);
    Pauses::pause(200);

    setStatus(QStringLiteral("Enregistrement des paramètres .."));
    advance(1);
    Pauses::pause(250);

    setStatus(QString());
    m_progressBar->setValue(m_progressBar->maximum());
    Messages::show(QString(), QStringLiteral("Installation terminée!"));
    m_folderField->clear();
    m_installButton->setEnabled(true);
    m_chooseButton->setEnabled(true);
    emit installationEnded();
    close();
}

bool InstallerWindow::copyProgram(const QString &destination) {
    setStatus(QStringLiteral("Vérification de l'espace disque disponible ..."));
    m_progressBar->setValue(1);
    advance(randomStep(0, 5));
    const QString source = m_places.sourceFolder();
    if (!QFileInfo(source).isDir()) {
        stopInstallation(QStringLiteral("Le dossier des fichiers à installer (") + source +
                         QStringLiteral(") est introuvable."));
        return false;
    }
    if (Install::overlapsSource(source, destination)) {
        stopInstallation(QStringLiteral("Le logiciel ne peut pas être installé dans le dossier ") + destination +
                         QStringLiteral(" : il fait partie du support d'installation."));
        return false;
    }
    const QList<Install::CopyEntry> plan = Install::planCopy(source, destination);
    const qint64 needed = Install::bytesNeeded(plan);
    const qint64 available = Install::bytesAvailable(destination);
    if (available >= 0 && needed > available) {
        stopInstallation(QStringLiteral("Espace disque insuffisant : il manque ") + megabytes(needed - available) +
                         QStringLiteral(" pour installer le logiciel dans ") + destination + QLatin1Char('.'));
        return false;
    }

    setStatus(QStringLiteral("Installation en cours..."));
    const Install::CopyResult result = Install::copyFolder(source, destination, plan);
    if (!result.succeeded()) {
        stopInstallation(QStringLiteral("La copie du fichier ") + result.failedFile + QStringLiteral(" a échoué : ") +
                         result.reason + QLatin1Char('.'));
        return false;
    }
    advance(randomStep(1, 6));
    if (!result.kept.isEmpty()) {
        setStatus(
            QStringLiteral("Données existantes conservées : %1 fichier(s) du dossier data").arg(result.kept.size()));
        Pauses::pause(300);
    }
    return true;
}

void InstallerWindow::showCopiedEntries() {
    const QStringList entries =
        QDir(m_places.sourceFolder())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        advance(randomStep(1, 6));
        setStatus(QStringLiteral("Copie du fichier ") + entry);
        Pauses::pause(300);
    }
}

void InstallerWindow::writeShortcuts(const QString &destination) {
    const QString entry = Install::desktopEntry(destination);
    const bool onDesktop = Install::writeShortcut(m_places.desktopFolder, entry);
    const bool inMenu = Install::writeShortcut(m_places.menuFolder, entry);
    if (!onDesktop || !inMenu)
        Messages::error(QStringLiteral("Le raccourci n'a pas pu être créé"));
}
