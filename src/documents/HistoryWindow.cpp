#include "documents/HistoryWindow.h"

#include "ui/ReportList.h"
#include "ui/Widgets.h"

#include <QLineEdit>

namespace {

const QColor ListBackground{167, 184, 254};

} // namespace

HistoryWindow::HistoryWindow(const HistoryKind &kind, MedicalRecordWindow &record)
    : DocumentWindow(QString::fromUtf8(kind.title), kind.objectName, kind.section, record, {700, 510}), m_kind(kind) {
    m_date = placeHeadingAndTypedDate(QString::fromUtf8(kind.title));
    Place::label(this, {20, 40, 100, 20}, QStringLiteral("Désignation:"));
    m_text = Place::capitalsField(this, {100, 40, 400, 20});
    m_text->setObjectName(QStringLiteral("textField"));

    placeButtons(65, QStringLiteral("(#ALT+SUP) Supprimer"), 180);

    m_entries =
        Place::list(this, {10, 100, 550, 150}, {{QStringLiteral("Date"), 80}, {QStringLiteral("T E X T E"), 450}});
    m_entries->setObjectName(QStringLiteral("historyList"));
    m_entries->setColours(m_entries->palette().color(QPalette::Text), ListBackground);
    connect(m_entries, &ReportList::rowChosen, this, &HistoryWindow::showTextOfRow);

    fillHistoryList();
    m_date->setFocus();
}

void HistoryWindow::fillHistoryList() {
    m_entries->clearRows();
    m_entries->addRows(historyListRows(m_kind, patientDocuments(m_kind.table, patientCode())));
    reloadRecordSection();
}

// The date field keeps its date: to change or delete an earlier entry, its date is typed.
void HistoryWindow::showTextOfRow(int row) {
    if (m_entries->currentRowIndex() < 0)
        return;
    m_text->clear();
    if (const std::optional<Row> stored = documentOf(m_kind.table, patientCode(), m_entries->cell(row, 0)))
        m_text->setText(historyTextOf(*stored));
}

void HistoryWindow::save() {
    const SaveOutcome outcome = saveHistoryEntry(m_kind, patientCode(), m_date->text(), m_text->text());
    if (outcome == SaveOutcome::Refused)
        return;
    // When the store refused, its error has been shown and the typed text stays.
    if (outcome == SaveOutcome::Saved)
        m_text->clear();
    fillHistoryList();
}

// The list keeps the deleted entry until it is filled again.
void HistoryWindow::remove() {
    if (!takeActDate(m_date->text()))
        return;
    if (deleteDocument(m_kind.table, patientCode(), m_date->text()) == Removal::Removed)
        m_text->clear();
    reloadRecordSection();
}

void HistoryWindow::enterPressed(QWidget *focused) {
    if (focused == m_date)
        m_text->setFocus();
    else if (focused == m_text)
        save();
}

void openHistoryWindow(const HistoryKind &kind, MedicalRecordWindow &record) {
    HistoryWindow window(kind, record);
    window.run();
}
