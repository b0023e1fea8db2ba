#include "patients/TablesWindow.h"

#include "common/FieldRules.h"
#include "common/ProgramState.h"
#include "patients/PatientForm.h"
#include "patients/PatientList.h"
#include "patients/PatientRecords.h"
#include "patients/ReferenceListPage.h"
#include "print/ScreenFonts.h"
#include "store/ReferenceLists.h"
#include "ui/Pictures.h"
#include "ui/Widgets.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>

namespace {

// The dialog font the window was drawn for (a sans-serif of 8 points), as in the patient window.
constexpr int DialogFont = 0;

const QColor WindowBackground{250, 218, 142};
const QColor PatientListBackground{196, 195, 233};
const QColor WomanName{236, 192, 205};

const PatientFormLayout FormLayout{
    .top = 110,
    .ageUnitX = 370,
    .childrenCaptionWidth = 60,
    .categoryCaption = QStringLiteral("Maladie:"),
    .codeBackground = QColor(159, 230, 245),
    .codeCentred = false,
    .choiceList = QRect(550, 90, 280, 150),
    .choiceBackground = QColor(227, 238, 172),
};

const QList<ListColumn> PatientColumns{
    {QStringLiteral("Code"), 40},       {QStringLiteral("Nom et prénoms du patient"), 200},
    {QStringLiteral("Date nais."), 80}, {QStringLiteral("Age"), 50},
    {QStringLiteral("Sexe"), 40},       {QStringLiteral("Sf"), 25},
    {QStringLiteral("Enf."), 40},       {QStringLiteral("Profession"), 90},
    {QStringLiteral("Adresse"), 100},   {QStringLiteral("N° Téléphone"), 90},
    {QStringLiteral("Maladie"), 100},   {QStringLiteral("N° s.sociale"), 80},
};

constexpr int SexColumn = 4;
constexpr int NameColumn = 1;

QSize firstScreenSize() {
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return screen->geometry().size();
    return {programState().desktopWidth, programState().desktopHeight};
}

} // namespace

TablesWindow::TablesWindow() : FormWindow(QStringLiteral("Logiciel de gestion cabinet médical  - Tables ")) {
    setObjectName(QStringLiteral("tablesWindow"));
    setMainMenuWindowLook(WindowBackground);
    setFont(screenFont(DialogFont));
    programState().today = todayText();

    const QSize screen = firstScreenSize();
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    m_pages->setGeometry(10, 10, screen.width() - 90, screen.height() - 100);
    m_pages->addTab(buildPatientPage(), QStringLiteral(" Table des patients"));
    const std::array<const ReferenceListKind *, 3> kinds{&medicinesKind(), &diseasesKind(), &prescriptionsKind()};
    for (int i = 0; i < 3; ++i) {
        m_referencePages[i] = new ReferenceListPage(*kinds[i], m_pages);
        m_pages->addTab(m_referencePages[i], QString::fromUtf8(kinds[i]->tabCaption));
    }
    m_pages->addTab(new QWidget(m_pages), QStringLiteral(" FERMER"));

    const int page = programState().page;
    m_pages->setCurrentIndex(page >= Patients && page < Close ? page : Patients);
    connect(m_pages, &QTabWidget::currentChanged, this, &TablesWindow::pageChosen);
    focusFirstField();
}

QWidget *TablesWindow::buildPatientPage() {
    auto *page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("patientsPage"));
    Place::pictureLabel(page, {10, 10}, Picture::Patients)->setObjectName(QStringLiteral("pagePicture"));
    QLabel *heading = Place::label(page, {80, 30, 200, 30}, QStringLiteral("TABLE DES PATIENTS"));
    heading->setObjectName(QStringLiteral("heading"));
    heading->setFont(screenFont(ScreenFont::Arial11Bold));
    Place::frame(page, {10, 90, 1000, 170})->setObjectName(QStringLiteral("formFrame"));

    m_form = new PatientForm(page, FormLayout);
    // The category field proposes the known diseases; one chosen there saves the patient at once.
    m_form->watchField(m_form->categoryField(), [this] {
        m_form->offerChoices(m_form->categoryField(),
                             referenceSuggestions(Db::tablemal,
                                                  QStringLiteral("Select * from Tablemal order by maladie"),
                                                  m_form->categoryField()->text()));
    });
    connect(m_form, &PatientForm::choiceTaken, this, [this](QLineEdit *field) {
        // Saved once the click is over: the save empties the list that was clicked.
        if (field == m_form->categoryField())
            QMetaObject::invokeMethod(this, &TablesWindow::savePatient, Qt::QueuedConnection);
    });

    const auto button = [this, page](const QRect &place, int picture, const char *name,
                                     void (TablesWindow::*action)()) {
        QToolButton *widget = Place::pictureButton(page, place, picture);
        widget->setObjectName(QLatin1String(name));
        connect(widget, &QToolButton::clicked, this, action);
    };
    button({10, 280, 120, 30}, Picture::ButtonDelete, "deleteButton", &TablesWindow::removePatient);
    button({360, 280, 130, 30}, Picture::ButtonNewPatient, "newPatientButton", &TablesWindow::newPatient);
    button({710, 280, 120, 30}, Picture::ButtonValidate, "validateButton", &TablesWindow::savePatient);

    m_patients = Place::list(page, {10, 320, 1000, 250}, PatientColumns);
    m_patients->setObjectName(QStringLiteral("patientList"));
    m_patients->setColours(Qt::black, PatientListBackground);
    fillPatientList(*m_patients);
    for (int row = 0; row < m_patients->rowCount(); ++row)
        if (m_patients->cell(row, SexColumn) == u"F")
            m_patients->setCellBackground(row, NameColumn, WomanName);
    connect(m_patients, &ReportList::rowChosen, this, &TablesWindow::choosePatient);
    return page;
}

ReferenceListPage *TablesWindow::referencePage(int page) const {
    return page >= Medicines && page <= Prescriptions ? m_referencePages[page - Medicines] : nullptr;
}

void TablesWindow::pageChosen(int page) {
    programState().page = page;
    if (page == Close) {
        closeWindow();
        return;
    }
    focusFirstField();
}

void TablesWindow::focusFirstField() {
    const int page = m_pages->currentIndex();
    if (ReferenceListPage *reference = referencePage(page))
        reference->entryField()->setFocus();
    else
        m_form->nameField()->setFocus();
}

void TablesWindow::enterPressed(QWidget *focused) {
    for (ReferenceListPage *page : m_referencePages)
        if (focused == page->entryField()) {
            page->save();
            return;
        }
    if (m_form->enterPressed(focused) == PatientForm::EnterResult::SaveRequested)
        savePatient();
}

void TablesWindow::functionKeyPressed(int number) {
    const int page = m_pages->currentIndex();
    if (number == 5) {
        if (ReferenceListPage *reference = referencePage(page))
            reference->save();
        else if (page == Patients)
            savePatient();
    } else if (number == 6 && page == Patients) {
        newPatient();
    }
}

void TablesWindow::deletePressed() {
    const int page = m_pages->currentIndex();
    if (ReferenceListPage *reference = referencePage(page))
        reference->remove();
    else if (page == Patients)
        removePatient();
}

void TablesWindow::savePatient() {
    const std::optional<SavedPatient> saved = m_form->saveTo(*m_patients);
    if (!saved)
        return;
    colourNameCell(patientRowOf(*m_patients, saved->fields.code));
    m_form->clear();
    m_form->nameField()->setFocus();
}

void TablesWindow::colourNameCell(int row) {
    if (row >= 0)
        m_patients->setCellBackground(row, NameColumn,
                                      m_patients->cell(row, SexColumn) == u"F" ? WomanName : PatientListBackground);
}

void TablesWindow::newPatient() {
    m_form->startNewPatient();
}

void TablesWindow::removePatient() {
    m_form->deleteFrom(*m_patients);
}

void TablesWindow::choosePatient(int row) {
    m_form->showListedPatient(*m_patients, row);
}

void openTablesWindow() {
    TablesWindow window;
    if (!window.isClosing())
        window.run();
}
