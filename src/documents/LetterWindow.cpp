#include "documents/LetterWindow.h"

#include "documents/DocumentPrint.h"
#include "documents/Letters.h"
#include "ui/ReportList.h"
#include "ui/Widgets.h"

#include <QLineEdit>

namespace {

const QColor ListBackground{167, 184, 254};

// The letter's date stands level with "DATE :" on its letterhead.
constexpr double LetterDateY = 1.4;

} // namespace

LetterWindow::LetterWindow(MedicalRecordWindow &record)
    : DocumentWindow(QStringLiteral("LETTRE DE RECOMMANDATION"), "letterWindow", Section::Letters, record, {700, 510}) {
    m_date = placeHeadingAndTypedDate(QStringLiteral("LETTRE DE RECOMMANDATION"));
    Place::label(this, {200, 40, 90, 20}, QStringLiteral("Destinataire:"));
    m_recipient = Place::capitalsField(this, {290, 40, 260, 20});
    m_recipient->setObjectName(QStringLiteral("recipientField"));
    Place::label(this, {200, 63, 80, 20}, QStringLiteral("Objet:"));
    m_subject = Place::capitalsField(this, {290, 63, 260, 20});
    m_subject->setObjectName(QStringLiteral("subjectField"));

    Place::frame(this, {10, 88, 550, 170});
    Place::centredLabel(this, {20, 101, 500, 20}, QStringLiteral("T   E   X   T   E "));
    for (int line = 0; line < TypedLineCount; ++line) {
        m_inputs[line] = Place::capitalsField(this, {30, 123 + 22 * line, 500, 20});
        m_inputs[line]->setObjectName(QStringLiteral("line%1").arg(line + 1));
    }

    placeButtons(273, QStringLiteral("(#ALT+SUP) Supprimer la lettre"), 200);

    m_letters = Place::list(this, {10, 308, 550, 150},
                            {{QStringLiteral("Date"), 80},
                             {QStringLiteral("Destinataire"), 100},
                             {QStringLiteral("Objet"), 100},
                             {QStringLiteral("T E X T E"), 450}});
    m_letters->setObjectName(QStringLiteral("letterList"));
    m_letters->setColours(m_letters->palette().color(QPalette::Text), ListBackground);
    connect(m_letters, &ReportList::rowChosen, this, &LetterWindow::loadLetterOfRow);

    placePrintButton(468);

    fillLetterList();
    m_date->setFocus();
}

void LetterWindow::fillLetterList() {
    const LetterListRows list = letterListRows(patientDocuments(letterTable(), patientCode()));
    m_letters->clearRows();
    m_letters->addRows(list.rows);
    for (int row : list.separators)
        for (int column = 0; column < 4; ++column)
            m_letters->setCellBackground(row, column, LetterSeparator);
    reloadRecordSection();
}

void LetterWindow::clearLetterFields() {
    m_subject->clear();
    m_recipient->clear();
    for (QLineEdit *input : m_inputs)
        input->clear();
    m_lastLine.clear();
}

// A separator row has no date: the fields stay cleared and the date field keeps its text.
void LetterWindow::loadLetterOfRow(int row) {
    if (m_letters->currentRowIndex() < 0)
        return;
    const QString date = m_letters->cell(row, 0);
    clearLetterFields();
    const std::optional<Row> stored = documentOf(letterTable(), patientCode(), date);
    if (!stored)
        return;
    const Letter letter = letterOf(*stored);
    m_date->setText(date);
    m_recipient->setText(letter.recipient);
    m_subject->setText(letter.subject);
    for (int line = 0; line < TypedLineCount; ++line)
        m_inputs[line]->setText(letter.lines[line]);
    m_lastLine = letter.lines[DocumentLineCount - 1];
    m_inputs[0]->setFocus();
}

void LetterWindow::save() {
    Letter letter{m_recipient->text(), m_subject->text(), {}};
    for (const QLineEdit *input : m_inputs)
        letter.lines << input->text();
    letter.lines << m_lastLine;
    const SaveOutcome outcome = saveLetter(patientCode(), m_date->text(), letter);
    if (outcome == SaveOutcome::Refused)
        return;
    // When the store refused, its error has been shown and the typed letter stays. After a save the
    // next letter is typed from its recipient.
    if (outcome == SaveOutcome::Saved) {
        clearLetterFields();
        m_recipient->setFocus();
    }
    fillLetterList();
}

// The list keeps the deleted letter until it is filled again.
void LetterWindow::remove() {
    if (!takeActDate(m_date->text()))
        return;
    if (deleteDocument(letterTable(), patientCode(), m_date->text()) == Removal::Removed)
        clearLetterFields();
    reloadRecordSection();
}

// The listed lines of the date typed, with the recipient as it stands in its field. The separator
// rows have no date: an empty date field names no letter.
void LetterWindow::print() {
    const QString date = m_date->text();
    QStringList lines;
    for (int row = 0; row < m_letters->rowCount(); ++row)
        if (!date.isEmpty() && m_letters->cell(row, 0) == date)
            lines << m_letters->cell(row, 3);
    printSingleDocument({Letterhead::Letter, LetterDateY, date, m_recipient->text(), lines});
}

void LetterWindow::enterPressed(QWidget *focused) {
    if (focused == m_date) {
        m_recipient->setFocus();
    } else if (focused == m_recipient) {
        m_subject->setFocus();
    } else if (focused == m_subject) {
        m_inputs[0]->setFocus();
    } else if (focused == m_inputs[TypedLineCount - 1]) {
        save();
    } else {
        for (int line = 0; line < TypedLineCount - 1; ++line)
            if (focused == m_inputs[line])
                m_inputs[line + 1]->setFocus();
    }
}

void openLetterWindow(MedicalRecordWindow &record) {
    LetterWindow window(record);
    window.run();
}
