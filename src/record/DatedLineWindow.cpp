#include "record/DatedLineWindow.h"

#include "common/ProgramState.h"
#include "record/ActWindowParts.h"
#include "record/DatedLinePrint.h"
#include "record/MedicalRecordWindow.h"
#include "ui/ReportList.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor SuggestionBackground{129, 179, 234};

QString patientCode() {
    return programState().currentPatientCode;
}

void colourList(ReportList *list, const QColor &text, const QColor &background) {
    list->setColours(text.isValid() ? text : list->palette().color(QPalette::Text),
                     background.isValid() ? background : list->palette().color(QPalette::Base));
}

} // namespace

DatedLineWindow::DatedLineWindow(const DatedLineKind &kind, MedicalRecordWindow &record)
    : FormWindow(QString::fromUtf8(kind.windowTitle)), m_kind(kind), m_record(record) {
    setObjectName(QString::fromLatin1(kind.objectName));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    centre({700, 500});

    Place::frame(this, kind.frame);
    const ActDateRow dateRow =
        placeActDateRow(this, kind.datePlaces, QString::fromUtf8(kind.dateTitle), kind.dateTitleFont);
    m_date = dateRow.date;
    m_chooser = dateRow.chooser;
    connect(m_chooser, &QComboBox::activated, this, [this](int index) { chooseDate(m_chooser->itemText(index)); });

    m_first = Place::capitalsField(this, {20, 53, 300, 20});
    m_first->setObjectName(QStringLiteral("firstField"));
    Place::centredLabel(this, {20, 75, 300, 20}, QString::fromUtf8(kind.firstCaption));
    m_second = Place::capitalsField(this, {380, 53, 160, 20});
    m_second->setObjectName(QStringLiteral("secondField"));
    Place::centredLabel(this, {380, 75, 160, 20}, QString::fromUtf8(kind.secondCaption));

    const ActButtons buttons = placeActButtons(this, 113);
    connect(buttons.quit, &QPushButton::clicked, this, &FormWindow::closeWindow);
    connect(buttons.remove, &QPushButton::clicked, this, &DatedLineWindow::deleteLine);
    connect(buttons.validate, &QPushButton::clicked, this, &DatedLineWindow::save);

    m_lines = Place::list(this, {10, 148, 550, 150}, kind.lineColumns);
    m_lines->setObjectName(QStringLiteral("linesList"));
    colourList(m_lines, kind.linesText, kind.linesBackground);
    connect(m_lines, &ReportList::rowChosen, this, &DatedLineWindow::takeLine);

    m_suggestions = Place::list(this, {10, 308, 550, 140},
                                {{QStringLiteral("         Sélectionnez ..."), 540}, {QStringLiteral("N°"), 10}});
    m_suggestions->setObjectName(QStringLiteral("suggestionList"));
    colourList(m_suggestions, QColor(), SuggestionBackground);
    // Its columns fill the list exactly; the frame alone would call for a scroll bar.
    m_suggestions->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_suggestions, &ReportList::rowChosen, this, &DatedLineWindow::takeSuggestion);

    QPushButton *printButton = Place::button(this, {260, 458, 120, 30}, QStringLiteral("(#F4) Imprimer"));
    printButton->setObjectName(QStringLiteral("printButton"));
    connect(printButton, &QPushButton::clicked, this, &DatedLineWindow::print);

    // The suggestions follow whichever field reported last: a change of its text, or the focus
    // coming or going.
    onFieldEvent(m_first, [this] { suggestFor(m_kind.first, m_first); });
    onFieldEvent(m_second, [this] { suggestFor(m_kind.second, m_second); });

    fillDateChooser(m_chooser, datedLineDates(kind, patientCode()));
    loadActLines();
    m_first->setFocus();
}

QString DatedLineWindow::actDate() const {
    return m_date->text();
}

void DatedLineWindow::showLines(const QList<DatedLine> &lines) {
    m_lines->clearRows();
    for (const DatedLine &line : lines)
        m_lines->addRow({line.designation, line.second});
}

void DatedLineWindow::loadActLines() {
    programState().actDate = actDate();
    showLines(actLines(m_kind, patientCode(), actDate()));
    m_record.loadSection(m_kind.section);
}

void DatedLineWindow::clearFields() {
    m_first->clear();
    m_second->clear();
}

void DatedLineWindow::suggestFor(const ReferenceList &list, const QLineEdit *field) {
    if (field->text().isEmpty())
        return;
    m_suggestions->clearRows();
    for (const QString &suggestion : referenceSuggestions(list, field->text()))
        m_suggestions->addRow({suggestion});
    m_suggestionMode = QString::fromLatin1(list.mode);
}

void DatedLineWindow::takeLine(int row) {
    if (m_lines->currentRowIndex() < 0)
        return;
    const QString designation = m_lines->cell(row, 0);
    const QString second = m_lines->cell(row, 1);
    if (m_kind.lineClickClearsSuggestions)
        m_suggestions->clearRows();
    m_first->setText(designation);
    m_second->setText(second);
    m_first->setFocus();
}

void DatedLineWindow::takeSuggestion(int row) {
    if (m_suggestions->currentRowIndex() < 0)
        return;
    const QString suggestion = m_suggestions->cell(row, 0);
    if (m_suggestionMode == QLatin1String(m_kind.first.mode)) {
        m_first->setText(suggestion);
        m_second->setFocus();
    } else if (m_suggestionMode == QLatin1String(m_kind.second.mode)) {
        m_second->setText(suggestion);
        if (m_kind.secondSuggestionFocusesSecond)
            m_second->setFocus();
    }
}

void DatedLineWindow::save() {
    const SaveOutcome outcome = saveDatedLine(m_kind, patientCode(), actDate(), {m_first->text(), m_second->text()});
    if (outcome == SaveOutcome::Refused)
        return;
    // A store failure has been reported; the fields keep what was typed. After a save the next line
    // is typed from the first field.
    if (outcome == SaveOutcome::Saved) {
        clearFields();
        m_first->setFocus();
    }
    loadActLines();
}

void DatedLineWindow::deleteLine() {
    // The line named by the field, not the selected row: a click in the lines list copies it there.
    deleteDatedLine(m_kind, patientCode(), actDate(), m_first->text());
    clearFields();
    loadActLines();
}

void DatedLineWindow::chooseDate(const QString &date) {
    if (date.isEmpty())
        return;
    m_date->setText(date);
    programState().actDate = date;
    showLines(chosenDateLines(m_kind, patientCode(), date));
}

void DatedLineWindow::print() {
    const PatientHeader patient = m_record.header();
    DatedLineDocument document{actDate(), patient.name, patient.age, QString::fromUtf8(m_kind.printTitle), {}};
    for (int row = 0; row < m_lines->rowCount(); ++row)
        document.lines.append({m_lines->cell(row, 0), m_lines->cell(row, 1)});
    printDatedLineDocument(document);
}

void DatedLineWindow::enterPressed(QWidget *focused) {
    if (focused == m_first)
        m_second->setFocus();
    else if (focused == m_second)
        save();
}

void DatedLineWindow::functionKeyPressed(int number) {
    if (number == 4)
        print();
    else if (number == 5)
        save();
}

void openDatedLineWindow(const DatedLineKind &kind, MedicalRecordWindow &record) {
    DatedLineWindow window(kind, record);
    window.run();
}
