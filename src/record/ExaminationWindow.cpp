#include "record/ExaminationWindow.h"

#include "common/ProgramState.h"
#include "print/ScreenFonts.h"
#include "record/ActWindowParts.h"
#include "record/MedicalRecordWindow.h"
#include "ui/ReportList.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor ReportBackground{250, 185, 86};
const QColor ReportText{32, 26, 110};

QString patientCode() {
    return programState().currentPatientCode;
}

} // namespace

ExaminationWindow::ExaminationWindow(MedicalRecordWindow &record)
    : FormWindow(QStringLiteral("EXAMEN ET DIAGNOSTIC")), m_record(record) {
    setObjectName(QStringLiteral("examinationWindow"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    centre({700, 500});

    Place::frame(this, {10, 10, 550, 140});
    const ActDateRow dateRow = placeActDateRow(this, {{20, 23, 160, 20}, {170, 23, 90, 20}, {300, 23, 150, 20}},
                                               QStringLiteral("EXAMEN/DIAGNOSTIC DU "), ScreenFont::Trebuchet9Bold);
    m_date = dateRow.date;
    m_chooser = dateRow.chooser;
    connect(m_chooser, &QComboBox::activated, this, [this](int index) { chooseDate(m_chooser->itemText(index)); });

    for (int line = 0; line < 4; ++line) {
        m_lines[line] = Place::capitalsField(this, {150, 47 + 22 * line, 350, 20});
        m_lines[line]->setObjectName(QStringLiteral("line%1").arg(line + 1));
    }

    const ActButtons buttons = placeActButtons(this, 163);
    connect(buttons.quit, &QPushButton::clicked, this, &FormWindow::closeWindow);
    connect(buttons.remove, &QPushButton::clicked, this, &ExaminationWindow::deleteExamination);
    connect(buttons.validate, &QPushButton::clicked, this, &ExaminationWindow::save);

    m_report = Place::list(this, {10, 198, 550, 150}, {{QStringLiteral("COMPTE RENDU"), 500}, {QString(), 5}});
    m_report->setObjectName(QStringLiteral("reportList"));
    m_report->setColours(ReportText, ReportBackground);
    connect(m_report, &ReportList::rowChosen, this, &ExaminationWindow::fillLinesFromStored);

    fillDateChooser(m_chooser, examinationDates(patientCode()));
    loadExamination();
    m_lines[0]->setFocus();
}

QString ExaminationWindow::actDate() const {
    return m_date->text();
}

void ExaminationWindow::loadExamination() {
    programState().actDate = actDate();
    m_report->clearRows();
    m_stored = examinationOf(patientCode(), actDate()).value_or(ExaminationLines{});
    for (const QString &line : shownExaminationLines(m_stored))
        m_report->addRow({line});
    m_record.loadSection(Section::Examination);
}

void ExaminationWindow::clearLines() {
    for (QLineEdit *line : m_lines)
        line->clear();
}

// The report list leaves out empty lines, so its rows are not the line positions: the fields take
// the stored lines, each back in its own place, and a save right after keeps every line where it was.
void ExaminationWindow::fillLinesFromStored() {
    if (m_report->currentRowIndex() < 0)
        return;
    for (int line = 0; line < 4; ++line)
        m_lines[line]->setText(m_stored[line]);
}

void ExaminationWindow::save() {
    ExaminationLines lines;
    for (int line = 0; line < 4; ++line)
        lines[line] = m_lines[line]->text();
    const SaveOutcome outcome = saveExamination(patientCode(), actDate(), lines);
    if (outcome == SaveOutcome::Refused)
        return;
    // A store failure has been reported; the typed lines stay so that nothing typed is lost.
    if (outcome == SaveOutcome::Saved)
        clearLines();
    loadExamination();
}

void ExaminationWindow::deleteExamination() {
    ::deleteExamination(patientCode(), actDate());
    clearLines();
    loadExamination();
}

void ExaminationWindow::chooseDate(const QString &date) {
    if (date.isEmpty())
        return;
    m_date->setText(date);
    m_report->clearRows();
    loadExamination();
    clearLines();
}

void ExaminationWindow::enterPressed(QWidget *focused) {
    for (int line = 0; line < 3; ++line)
        if (focused == m_lines[line]) {
            m_lines[line + 1]->setFocus();
            return;
        }
    if (focused == m_lines[3])
        save();
}

void ExaminationWindow::functionKeyPressed(int number) {
    if (number == 5)
        save();
}

void openExaminationWindow(MedicalRecordWindow &record) {
    ExaminationWindow window(record);
    window.run();
}
