#include "journals/JournalsWindow.h"

#include "common/Amounts.h"
#include "common/ProgramState.h"
#include "journals/JournalPrint.h"
#include "journals/JournalQueries.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "print/ScreenFonts.h"
#include "ui/ColumnAlignment.h"
#include "ui/ReportList.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStringListModel>
#include <QTabWidget>

namespace {

const QColor WindowBackground{188, 153, 205};
const QColor CountBackground{247, 227, 155};
const QColor TotalsBackground{255, 222, 173};
constexpr int CloseTab = JournalCount; // " FERMER"
constexpr int ProgressSteps = 300;
constexpr int ProgressEveryMs = 50;

QDateEdit *datePicker(QWidget *parent, const QRect &place, const char *name) {
    auto *picker = new QDateEdit(Clock::today(), parent);
    picker->setObjectName(QLatin1String(name));
    picker->setGeometry(place);
    picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    picker->setCalendarPopup(true);
    // The dates that have a date number.
    picker->setDateRange(QDate(1970, 1, 1), QDate(2038, 1, 19));
    return picker;
}

QComboBox *patientChoice(QWidget *parent, const QRect &place) {
    auto *choice = new QComboBox(parent);
    choice->setObjectName(QStringLiteral("patientName"));
    choice->setGeometry(place);
    choice->setEditable(true);
    choice->setLineEdit(Place::capitalsField(choice, {}));
    choice->setInsertPolicy(QComboBox::NoInsert);
    // Thousands of names: the box is not sized from its entries.
    choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return choice;
}

} // namespace

JournalsWindow::JournalsWindow() : FormWindow(QStringLiteral("Logiciel de gestion médicale - Journaux ")) {
    setObjectName(QStringLiteral("journalsWindow"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setOpensMaximised(true);
    // The window's own background only: its fields and lists keep theirs.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, WindowBackground);
    setPalette(colours);
    setAutoFillBackground(true);
    m_tabs = new QTabWidget(this);
    QPalette panelColours = QApplication::palette(m_tabs);
    panelColours.setColor(QPalette::Window, panelColours.color(QPalette::Window));
    m_tabs->setPalette(panelColours);
    m_tabs->setObjectName(QStringLiteral("journalTabs"));
    m_tabs->setGeometry(10, 10, programState().desktopWidth - 350, programState().desktopHeight - 100);
    for (int i = 0; i < JournalCount; ++i) {
        const JournalKind &kind = journalKind(Journal(i));
        m_tabs->addTab(buildTab(kind), QString::fromUtf8(kind.tabCaption));
    }
    m_tabs->addTab(new QWidget, QStringLiteral(" FERMER"));

    loadPatientNames();
    m_tabs->setCurrentIndex(qBound(0, programState().page, JournalCount - 1));
    connect(m_tabs, &QTabWidget::currentChanged, this, &JournalsWindow::tabChosen);
}

QWidget *JournalsWindow::buildTab(const JournalKind &kind) {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("journalPage%1").arg(static_cast<int>(kind.journal)));
    Tab &widgets = tab(kind.journal);

    QLabel *title = Place::label(page, {10, 30, 800, 30}, QString::fromUtf8(kind.title));
    title->setFont(screenFont(ScreenFont::Arial11Bold));
    Place::frame(page, {10, 60, 850, 50});
    Place::label(page, {20, 75, 100, 20}, QStringLiteral("Nom du patient:"));
    widgets.patientName = patientChoice(page, {120, 75, 200, 20});
    if (kind.allPatientsBox) {
        widgets.allPatients = new QCheckBox(QStringLiteral("Tous les patients"), page);
        widgets.allPatients->setObjectName(QStringLiteral("allPatients"));
        widgets.allPatients->setGeometry(330, 75, 120, 20);
        widgets.allPatients->setChecked(true);
        // Only a convenience: the journal reads the name alone.
        connect(widgets.allPatients, &QCheckBox::clicked, this, [&widgets] {
            if (widgets.allPatients->isChecked())
                widgets.patientName->setEditText(QString());
        });
        connect(widgets.patientName, &QComboBox::currentTextChanged, this, [&widgets](const QString &name) {
            if (!name.isEmpty())
                widgets.allPatients->setChecked(false);
        });
    }
    Place::label(page, {510, 75, 100, 20}, QStringLiteral("PERIODE DU : "));
    widgets.from = datePicker(page, {600, 75, 100, 20}, "periodStart");
    Place::label(page, {710, 75, 40, 20}, QStringLiteral("AU :"));
    widgets.to = datePicker(page, {740, 75, 100, 20}, "periodEnd");

    QPushButton *print = Place::button(page, {10, 135, 100, 30}, QStringLiteral("Imprimer"));
    print->setObjectName(QStringLiteral("printButton"));
    connect(print, &QPushButton::clicked, this, [this, journal = kind.journal] { printJournal(journal); });
    QPushButton *show = Place::button(page, {770, 135, 100, 30}, QStringLiteral("Afficher"));
    show->setObjectName(QStringLiteral("showButton"));
    connect(show, &QPushButton::clicked, this, [this, journal = kind.journal] { showJournal(journal); });
    auto *progressFrame = new QGroupBox(QString(), page);
    progressFrame->setGeometry(120, 133, 640, 30);
    widgets.progress = new QProgressBar(page);
    widgets.progress->setObjectName(QStringLiteral("progressBar"));
    widgets.progress->setGeometry(130, 145, 620, 12);
    widgets.progress->setRange(0, ProgressSteps);
    widgets.progress->setValue(0);
    widgets.progress->setTextVisible(false);

    widgets.list = Place::list(page, {10, 175, 860, 300}, kind.columns);
    widgets.list->setObjectName(QStringLiteral("journalList"));
    widgets.list->showGridLines();
    widgets.list->setColours(widgets.list->palette().color(QPalette::Text), kind.listBackground);
    if (kind.journal == Journal::Credits)
        for (const auto &[column, alignment] : {std::pair{0, 2}, {2, 1}, {3, 1}, {4, 1}})
            SetColumnAlignment(widgets.list, column, alignment);

    if (kind.countCaption) {
        Place::label(page, {10, 485, kind.countCaptionWidth, 20}, QString::fromUtf8(kind.countCaption));
        widgets.count = Place::centredLabel(page, {kind.countValueX, 485, 60, 20});
        widgets.count->setObjectName(QStringLiteral("countValue"));
        setBackgroundColour(widgets.count, CountBackground);
    }
    return page;
}

QWidget *JournalsWindow::page(Journal journal) const {
    return m_tabs->widget(static_cast<int>(journal));
}

void JournalsWindow::loadPatientNames() {
    const JournalPatientNames names = journalPatientNames();
    // The three journals of acts offer every patient from one shared list.
    if (!m_everyone) {
        m_everyone = new QStringListModel(this);
        m_withAccount = new QStringListModel(this);
    }
    m_everyone->setStringList(names.all);
    m_withAccount->setStringList(names.withAccount);
    for (int i = 0; i < JournalCount; ++i) {
        QComboBox *choice = m_journals[i].patientName;
        const QSignalBlocker quiet(choice);
        choice->setModel(Journal(i) == Journal::Credits ? m_withAccount : m_everyone);
        choice->setCurrentIndex(-1);
        choice->setEditText(QString());
    }
}

void JournalsWindow::tabChosen(int index) {
    programState().page = index;
    if (index == CloseTab)
        closeWindow();
}

void JournalsWindow::showJournal(Journal journal) {
    Tab &widgets = tab(journal);
    widgets.list->clearRows();
    widgets.progress->setValue(0);
    const JournalRequest request{widgets.patientName->currentText(), widgets.from->date(), widgets.to->date()};

    // A long journal shows how far it has gone and keeps the window painted.
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    const auto progress = [&](qsizetype done, qsizetype total) {
        if (sinceRepaint.elapsed() < ProgressEveryMs || total <= 0)
            return;
        widgets.progress->setValue(int(done * ProgressSteps / total));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        sinceRepaint.restart();
    };
    JournalResult result = runJournal(journal, request, progress);
    if (!result.patientFound) {
        Messages::show(UnknownPatientTitle, UnknownPatientMessage);
        return;
    }
    widgets.list->addRows(std::move(result.rows));
    widgets.progress->setValue(ProgressSteps);
    if (widgets.count)
        widgets.count->setText(QString::number(result.count));
    if (result.totalsHighlighted) {
        const int totals = widgets.list->rowCount() - 1;
        for (int column = 0; column < widgets.list->columnCount(); ++column)
            widgets.list->setCellBackground(totals, column, TotalsBackground);
    }
}

void JournalsWindow::printJournal(Journal journal) {
    Tab &widgets = tab(journal);
    JournalDocument document{widgets.from->text(), widgets.to->text(), widgets.patientName->currentText(), {}};
    for (int row = 0; row < widgets.list->rowCount(); ++row)
        document.rows.append(widgets.list->rowCells(row));
    ::printJournal(journalKind(journal).print, document);
}

void openJournalsWindow() {
    JournalsWindow window;
    window.run();
}

void openJournal(Journal journal) {
    programState().page = static_cast<int>(journal);
    openJournalsWindow();
}
