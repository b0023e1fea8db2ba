#include "accounts/PaymentWindow.h"

#include "accounts/AccountStatement.h"
#include "accounts/Payments.h"
#include "common/Amounts.h"
#include "common/ProgramState.h"
#include "print/ScreenFonts.h"
#include "record/MedicalRecordWindow.h"
#include "ui/ColumnAlignment.h"
#include "ui/ReportList.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor LinesText{255, 255, 255};
const QColor LinesBackground{102, 12, 65};
const QColor BalanceText{255, 209, 93};
const QColor BalanceBackground{12, 74, 182};
constexpr int BalanceColumn = 4;

QString patientCode() {
    return programState().currentPatientCode;
}

QComboBox *choice(QWidget *parent, const QRect &place, const char *name) {
    auto *widget = new QComboBox(parent);
    widget->setEditable(false);
    widget->setGeometry(place);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

template <typename Widget> Widget *named(Widget *widget, const char *name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

PaymentWindow::PaymentWindow(MedicalRecordWindow &record)
    : FormWindow(QStringLiteral("REGLEMENTS ET SOLDES")), m_record(record) {
    setObjectName(QStringLiteral("paymentWindow"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    centre({700, 510});

    // Created in the order of the Tab key.
    QLabel *title = Place::label(this, {20, 10, 300, 20}, QStringLiteral("REGLEMENTS / SOLDES"));
    title->setFont(screenFont(ScreenFont::Trebuchet11Bold));
    Place::label(this, {420, 10, 65, 20}, QStringLiteral("Date:"));
    m_date = named(Place::field(this, {470, 10, 80, 20}), "dateField");
    m_date->setText(programState().today);
    Place::frame(this, {10, 45, 550, 85});
    m_designation = named(Place::capitalsField(this, {20, 58, 250, 20}), "designationField");
    m_designationChoice = choice(this, {20, 80, 250, 20}, "designationChoice");
    Place::centredLabel(this, {20, 102, 250, 20}, QStringLiteral("DESIGNATION"));
    m_tariff = named(Place::field(this, {280, 58, 100, 20}), "tariffField");
    m_tariffChoice = choice(this, {280, 80, 100, 20}, "tariffChoice");
    Place::centredLabel(this, {280, 102, 100, 20}, QStringLiteral("TARIF A PAYER"));
    m_paid = named(Place::field(this, {440, 58, 100, 20}), "paidField");
    Place::centredLabel(this, {440, 102, 100, 20}, QStringLiteral("MONTANT VERSE"));

    QPushButton *quit = named(Place::button(this, {10, 138, 120, 30}, QStringLiteral("(#ESC) Quitter")), "quitButton");
    QPushButton *remove =
        named(Place::button(this, {200, 138, 180, 30}, QStringLiteral("(#ALT+SUP) Supprimer")), "deleteButton");
    QPushButton *validate =
        named(Place::button(this, {450, 138, 110, 30}, QStringLiteral("(#F5) Valider")), "validateButton");
    connect(quit, &QPushButton::clicked, this, &FormWindow::closeWindow);
    connect(remove, &QPushButton::clicked, this, &PaymentWindow::deleteLine);
    connect(validate, &QPushButton::clicked, this, &PaymentWindow::save);

    m_lines = named(Place::list(this, {10, 178, 550, 250},
                                {{QStringLiteral("Date"), 80},
                                 {QStringLiteral("Designation"), 200},
                                 {QStringLiteral("Débit"), 80},
                                 {QStringLiteral("Crédit"), 80},
                                 {QStringLiteral("Solde"), 80}}),
                    "linesList");
    m_lines->setColours(LinesText, LinesBackground);
    for (const auto &[column, kind] : {std::pair{0, 2}, {2, 1}, {3, 1}, {4, 1}})
        SetColumnAlignment(m_lines, column, kind);
    connect(m_lines, &ReportList::rowChosen, this, &PaymentWindow::takeLine);

    QPushButton *printButton =
        named(Place::button(this, {260, 438, 120, 30}, QStringLiteral("(#F4) Imprimer")), "printButton");
    connect(printButton, &QPushButton::clicked, this, &PaymentWindow::print);

    loadLines();
    loadChoices();
    connect(m_designationChoice, &QComboBox::currentIndexChanged, this,
            [this] { takeChoice(m_designationChoice, m_designation, m_tariff); });
    connect(m_tariffChoice, &QComboBox::currentIndexChanged, this,
            [this] { takeChoice(m_tariffChoice, m_tariff, m_paid); });
    m_date->setFocus();
}

void PaymentWindow::loadLines() {
    m_lines->clearRows();
    const AccountLines lines = paymentLines(patientCode());
    m_lines->addRows(lines.rows);
    // The final balance stands out once there is a running balance to read.
    if (lines.rows.size() >= 2) {
        const int last = int(lines.rows.size()) - 1;
        m_lines->setCellBackground(last, BalanceColumn, BalanceBackground);
        m_lines->setCellTextColour(last, BalanceColumn, BalanceText);
    }
    m_record.loadSection(Section::Payments);
}

void PaymentWindow::loadChoices() {
    // Filled once: what a save adds is offered from the next opening on.
    for (const auto &[box, entries] :
         {std::pair{m_designationChoice, designationChoices()}, std::pair{m_tariffChoice, tariffChoices()}}) {
        box->clear();
        box->addItems(entries);
        box->setCurrentIndex(-1);
    }
}

void PaymentWindow::clearFields() {
    m_designation->clear();
    m_tariff->clear();
    m_paid->clear();
}

void PaymentWindow::takeLine(int row) {
    if (m_lines->currentRowIndex() < 0)
        return;
    const QString date = m_lines->cell(row, 0);
    clearFields();
    if (const std::optional<PaymentEntry> entry = storedPayment(patientCode(), date)) {
        m_date->setText(entry->date);
        m_designation->setText(entry->designation);
        m_tariff->setText(entry->tariff);
        m_paid->setText(entry->paid);
    }
}

void PaymentWindow::takeChoice(QComboBox *choice, QLineEdit *field, QWidget *next) {
    const QString text = choice->currentText();
    if (choice->currentIndex() < 0 || text.isEmpty())
        return;
    field->setText(text);
    choice->setCurrentIndex(-1);
    next->setFocus();
}

void PaymentWindow::save() {
    const SaveOutcome outcome =
        savePaymentLine(patientCode(), {m_date->text(), m_designation->text(), m_tariff->text(), m_paid->text()});
    if (outcome == SaveOutcome::Refused)
        return;
    // A store failure has been reported; the fields keep what was typed.
    if (outcome == SaveOutcome::Saved) {
        clearFields();
        m_date->setFocus();
    }
    loadLines();
}

void PaymentWindow::deleteLine() {
    const DeleteOutcome outcome = deletePaymentLine(patientCode(), m_date->text());
    if (outcome == DeleteOutcome::Refused)
        return;
    if (outcome == DeleteOutcome::Deleted)
        clearFields();
    loadLines();
}

void PaymentWindow::print() {
    printAccountStatement(patientCode(), m_record.header().name);
}

void PaymentWindow::enterPressed(QWidget *focused) {
    if (focused == m_date)
        m_designation->setFocus();
    else if (focused == m_designation)
        m_tariff->setFocus();
    else if (focused == m_tariff)
        m_paid->setFocus();
    else if (focused == m_paid)
        save();
}

void PaymentWindow::functionKeyPressed(int number) {
    if (number == 4)
        print();
    else if (number == 5)
        save();
}

void openPaymentWindow(MedicalRecordWindow &record) {
    PaymentWindow window(record);
    window.run();
}
