#include "documents/SevenLineWindow.h"

#include "documents/DocumentPrint.h"
#include "print/ScreenFonts.h"
#include "record/ActWindowParts.h"
#include "ui/ReportList.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QColor LinesBackground{253, 229, 179};

QStringList emptyDocument() {
    return QStringList(DocumentLineCount, QString());
}

} // namespace

SevenLineWindow::SevenLineWindow(const SevenLineKind &kind, MedicalRecordWindow &record)
    : DocumentWindow(QString::fromUtf8(kind.windowTitle), kind.objectName, kind.section, record, {700, 500}),
      m_kind(kind), m_document(emptyDocument()) {
    Place::frame(this, {10, 10, 550, 210});
    const ActDateRow dateRow = placeActDateRow(this, {{20, 23, 140, 20}, {160, 23, 90, 20}, {320, 23, 150, 20}},
                                               QString::fromUtf8(kind.heading), ScreenFont::Trebuchet9Bold);
    m_date = dateRow.date;
    m_chooser = dateRow.chooser;
    connect(m_chooser, &QComboBox::activated, this, [this](int index) { chooseDate(m_chooser->itemText(index)); });

    Place::centredLabel(this, {20, 53, 500, 20}, QStringLiteral("T   E   X   T   E "));
    for (int line = 0; line < TypedLineCount; ++line) {
        m_inputs[line] = Place::capitalsField(this, {30, 75 + 22 * line, 500, 20});
        m_inputs[line]->setObjectName(QStringLiteral("line%1").arg(line + 1));
    }

    placeButtons(245, QString::fromUtf8(kind.deleteCaption), kind.deleteWidth);

    m_lines = Place::list(this, {10, 280, 550, 150}, {{QStringLiteral("T E X T E"), kind.textColumnWidth}, {{}, 4}});
    m_lines->setObjectName(QStringLiteral("linesList"));
    m_lines->setColours(m_lines->palette().color(QPalette::Text), LinesBackground);
    connect(m_lines, &ReportList::rowChosen, this, &SevenLineWindow::takeListedLines);

    placePrintButton(440);

    fillDateChooser(m_chooser, documentDates(kind.table, patientCode()));
    showDocument();
    m_inputs[0]->setFocus();
}

QString SevenLineWindow::documentDate() const {
    return m_date->text();
}

// The line list shows every stored line of the date; the document takes the first stored row's lines,
// so that line 7 is saved back as it was stored.
void SevenLineWindow::showDocument() {
    const QStringList stored = sevenLinesOf(documentRows(m_kind.table, patientCode(), documentDate()));
    m_lines->clearRows();
    for (const QString &line : stored)
        m_lines->addRow({line});
    m_document = stored.isEmpty() ? emptyDocument() : stored.mid(0, DocumentLineCount);
    reloadRecordSection();
}

void SevenLineWindow::clearInputLines() {
    for (QLineEdit *input : m_inputs)
        input->clear();
}

// The listed lines go, in order, into the document's lines; only the first seven when a date holds
// more than one stored document.
void SevenLineWindow::takeListedLines() {
    if (m_lines->currentRowIndex() < 0)
        return;
    for (int line = 0; line < DocumentLineCount && line < m_lines->rowCount(); ++line)
        m_document[line] = m_lines->cell(line, 0);
    for (int line = 0; line < TypedLineCount; ++line)
        m_inputs[line]->setText(m_document[line]);
    m_inputs[0]->setFocus();
}

void SevenLineWindow::save() {
    QStringList lines;
    for (const QLineEdit *input : m_inputs)
        lines << input->text();
    lines << m_document[DocumentLineCount - 1];
    const SaveOutcome outcome = saveSevenLineDocument(m_kind, patientCode(), documentDate(), lines);
    if (outcome == SaveOutcome::Refused)
        return;
    // When the store refused, its error has been shown and the typed lines stay. After a save the
    // next document is typed from the first line.
    if (outcome == SaveOutcome::Saved) {
        clearInputLines();
        m_inputs[0]->setFocus();
    }
    showDocument();
}

// The list keeps the deleted lines until the document is shown again: they can still be printed.
void SevenLineWindow::remove() {
    if (!takeActDate(documentDate()))
        return;
    if (deleteDocument(m_kind.table, patientCode(), documentDate()) == Removal::Removed)
        clearInputLines();
    reloadRecordSection();
}

void SevenLineWindow::chooseDate(const QString &date) {
    if (date.isEmpty())
        return;
    m_date->setText(date);
    showDocument();
}

void SevenLineWindow::print() {
    QStringList lines;
    for (int row = 0; row < m_lines->rowCount(); ++row)
        lines << m_lines->cell(row, 0);
    printSingleDocument({m_kind.letterhead, m_kind.printedDateY, documentDate(), std::nullopt, lines});
}

void SevenLineWindow::enterPressed(QWidget *focused) {
    for (int line = 0; line < TypedLineCount - 1; ++line)
        if (focused == m_inputs[line]) {
            m_inputs[line + 1]->setFocus();
            return;
        }
    if (focused == m_inputs[TypedLineCount - 1])
        save();
}

void openSevenLineWindow(const SevenLineKind &kind, MedicalRecordWindow &record) {
    SevenLineWindow window(kind, record);
    window.run();
}
