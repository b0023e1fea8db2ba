#include "record/MedicalRecordWindow.h"

#include "common/Amounts.h"
#include "common/FieldRules.h"
#include "common/ProgramState.h"
#include "print/ScreenFonts.h"
#include "record/SectionLists.h"
#include "record/SectionWindows.h"
#include "ui/ColumnAlignment.h"
#include "ui/CompactRows.h"
#include "ui/Pictures.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QLabel>
#include <QToolButton>

namespace {

const QColor HeaderValue{8, 73, 164};
const QColor DiseaseValue{122, 29, 133};

constexpr int IconBarTop = 543;
constexpr int IconBarLeft = 35;
constexpr int IconBarStep = 40;
constexpr int BlankTilesEachSide = 9;

const char *const IconTooltips[] = {
    "Sélectionnez un patient", "Examen, diagnostic...",     "Ordonnance",           "Analyses médicales",
    "Radiologie, échographie", "Congé de maladie",          "Rendez-vous",          "Certificat médical",
    "Lettre d'orientation",    "Règlement et solde",        "Antécédents médicaux", "Antécédents chirurgicaux",
    "Antécédents familiaux",   "Fermer le dossier médical",
};

const PatientHeader SampleHeader{"999999", "MMMMMMMMMM FFFFFFFF", "42", "07 77 77 77 77 ", "DIABETE"};

QLabel *headerValue(QWidget *parent, const QRect &place, const QColor &colour, const char *name) {
    QLabel *label = Place::label(parent, place);
    label->setObjectName(QLatin1String(name));
    setTextColour(label, colour);
    return label;
}

} // namespace

MedicalRecordWindow::MedicalRecordWindow()
    : FormWindow(QStringLiteral("Logiciel de gestion médicale - Dossier médical")) {
    setObjectName(QStringLiteral("medicalRecordWindow"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    const int width = programState().desktopWidth - 50;
    setFont(screenFont(ScreenFont::Calibri11));
    buildHeader(width);
    buildSections(width / 3);
    buildIconBar();
    showPatient(SampleHeader);
    m_hasPatient = false;
}

void MedicalRecordWindow::buildHeader(int width) {
    Place::frame(this, {10, 10, width, 50});
    Place::label(this, {20, 23, 140, 20}, QStringLiteral("DOSSIER MEDICAL N°:"));
    m_code = headerValue(this, {160, 23, 60, 20}, HeaderValue, "headerCode");
    QToolButton *select = Place::pictureButton(this, {230, 18, 20, 20}, Picture::OpenFolder,
                                               QStringLiteral("Sélectionnez (ou créer) un patient"));
    select->setObjectName(QStringLiteral("selectPatientButton"));
    connect(select, &QToolButton::clicked, this, &MedicalRecordWindow::selectPatient);
    Place::label(this, {256, 23, 120, 20}, QStringLiteral("NOM DU PATIENT:"));
    m_name = headerValue(this, {380, 23, 180, 20}, HeaderValue, "headerName");
    Place::label(this, {580, 23, 40, 20}, QStringLiteral("AGE:"));
    m_age = headerValue(this, {620, 23, 40, 20}, HeaderValue, "headerAge");
    Place::label(this, {685, 23, 60, 20}, QStringLiteral("N° TEL :"));
    m_telephone = headerValue(this, {740, 23, 100, 20}, HeaderValue, "headerTelephone");
    Place::label(this, {870, 23, 80, 20}, QStringLiteral("MALADIE:"));
    m_disease = headerValue(this, {950, 23, 150, 20}, DiseaseValue, "headerDisease");
    QToolButton *close = Place::pictureButton(this, {width - 50, 12, 46, 46}, Picture::ArrowRight,
                                              QStringLiteral("Fermer le dossier médical"));
    close->setObjectName(QStringLiteral("closeRecordButton"));
    connect(close, &QToolButton::clicked, this, &MedicalRecordWindow::closeWindow);
}

void MedicalRecordWindow::buildSections(int c) {
    for (Section section : allSections()) {
        const SectionDescriptor &descriptor = sectionDescriptor(section);
        const int x = 10 + descriptor.column * c;
        const int y = 63 + 120 * descriptor.row;
        const int index = static_cast<int>(section);

        QToolButton *button = Place::pictureButton(this, {x, y - 3, 25, 25}, Picture::OpenFolder);
        button->setObjectName(QStringLiteral("sectionButton%1").arg(index));
        connect(button, &QToolButton::clicked, this, [this, section] { openSection(section); });

        QLabel *title = Place::centredLabel(this, {x + 26, y, c - 35, 20}, QString::fromUtf8(descriptor.title));
        title->setAlignment(Qt::AlignHCenter | Qt::AlignTop); // the list covers the title's lower 5 pixels
        setTextColour(title, Qt::white);
        setBackgroundColour(title, descriptor.titleBackground);

        ReportList *list = Place::list(this, {x + 26, y + 15, c - 35, 100}, sectionColumns(section, c));
        list->setObjectName(QStringLiteral("sectionList%1").arg(index));
        list->setFont(screenFont(ScreenFont::Arial8Bold));
        list->setColours(Qt::white, descriptor.listBackground);
        const QList<int> kinds = sectionAlignmentKinds(section);
        for (int column = 0; column < kinds.size(); ++column)
            SetColumnAlignment(list, column, kinds[column]);
        list->raise(); // over the lower edge of its title
        m_lists[index] = list;
    }
}

void MedicalRecordWindow::buildIconBar() {
    int x = IconBarLeft;
    const auto addButton = [this, &x](int pictureNumber, const QString &tooltip) {
        QToolButton *button = Place::pictureButton(this, {x, IconBarTop, 40, 40}, pictureNumber, tooltip);
        button->setIconSize({32, 32});
        x += IconBarStep;
        return button;
    };
    for (int i = 0; i < BlankTilesEachSide; ++i)
        addButton(Picture::BlankTile, {});
    for (int i = 0; i < Picture::RecordIconCount; ++i) {
        QToolButton *button = addButton(Picture::RecordIconFirst + i, QString::fromUtf8(IconTooltips[i]));
        button->setObjectName(QStringLiteral("icon%1").arg(i));
        // The icons repeat the header's buttons and the section buttons, in the sections' order.
        if (i == 0)
            connect(button, &QToolButton::clicked, this, &MedicalRecordWindow::selectPatient);
        else if (i == Picture::RecordIconCount - 1)
            connect(button, &QToolButton::clicked, this, &MedicalRecordWindow::closeWindow);
        else
            connect(button, &QToolButton::clicked, this, [this, i] { openSection(Section(i - 1)); });
    }
    for (int i = 0; i < BlankTilesEachSide; ++i)
        addButton(Picture::BlankTile, {});
}

void MedicalRecordWindow::showPatient(const PatientHeader &patient) {
    m_code->setText(patient.code);
    m_name->setText(patient.name);
    m_age->setText(patient.age);
    m_telephone->setText(patient.telephone);
    m_disease->setText(patient.disease);
    m_hasPatient = true;
}

PatientHeader MedicalRecordWindow::header() const {
    return {m_code->text(), m_name->text(), m_age->text(), m_telephone->text(), m_disease->text()};
}

QString MedicalRecordWindow::patientCodeForSections() const {
    return m_hasPatient ? m_code->text() : QString();
}

void MedicalRecordWindow::loadSection(Section section) {
    ReportList *list = sectionList(section);
    list->clearRows();
    if (std::optional<CompactRows> compact = compactSectionRows(section, programState().currentPatientCode)) {
        list->addRows(std::move(*compact));
        return;
    }
    const SectionRows rows = loadSectionRows(section, programState().currentPatientCode);
    list->addRows(rows.rows);
    if (rows.highlightedRow >= 0)
        list->setCellBackground(rows.highlightedRow, rows.highlightedColumn, BalanceHighlight);
}

void MedicalRecordWindow::loadAllSections() {
    for (Section section : allSections())
        loadSection(section);
}

void MedicalRecordWindow::selectPatient() {
    openPatientWindowFor(*this);
}

void MedicalRecordWindow::openSection(Section section) {
    openSectionWindow(section, *this);
}

void openMedicalRecordWindow() {
    programState().today = todayText();
    MedicalRecordWindow window;
    window.setOpensMaximised(true);
    window.run();
}
