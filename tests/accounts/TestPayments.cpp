#include "accounts/PaymentWindow.h"
#include "accounts/Payments.h"
#include "print/ScreenFonts.h"
#include "record/ClinicalTestHelpers.h"
#include "support/PrintCapture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

const QString Today = QStringLiteral("15/03/2024");
const QString WrongDate = QStringLiteral("La date est incorrecte! (doit être sous la forme JJ/MM/AAAA)");
const QColor BalanceBackground{12, 74, 182};
const QColor BalanceText{255, 209, 93};

Rows storedAccount() {
    return storedRows(Db::DbReg, "select Codepatient,dateEx,datenum,des,debit,credit from fReg order by datenum");
}

QStringList column0(Db file) {
    QStringList values;
    for (const Row &row : storedRows(file, QStringLiteral("select * from %1").arg(tableDefinition(file).table)))
        values << row.value(0);
    return values;
}

void storeLine(const QString &code, const QString &date, const QString &designation, const QString &debit,
               const QString &credit) {
    storeRow(Db::DbReg, {code, date, dateNumberText(date), designation, debit, credit});
}

} // namespace

class TestPayments : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_program = std::make_unique<ClinicalProgram>();
        m_window = std::make_unique<PaymentWindow>(m_program->record);
    }
    void cleanup() {
        m_window.reset();
        m_program.reset();
    }

    void showsItsWidgetsAtTheirPlaces() {
        PaymentWindow &window = *m_window;
        QCOMPARE(window.windowTitle(), QStringLiteral("REGLEMENTS ET SOLDES"));
        QCOMPARE(window.size(), QSize(700, 510));
        QHash<QString, QLabel *> labels;
        for (QLabel *label : window.findChildren<QLabel *>())
            labels.insert(label->text(), label);
        const QList<std::pair<QString, QRect>> captions{{"REGLEMENTS / SOLDES", {20, 10, 300, 20}},
                                                        {"Date:", {420, 10, 65, 20}},
                                                        {"DESIGNATION", {20, 102, 250, 20}},
                                                        {"TARIF A PAYER", {280, 102, 100, 20}},
                                                        {"MONTANT VERSE", {440, 102, 100, 20}}};
        for (const auto &[text, place] : captions)
            QCOMPARE(labels.value(text)->geometry(), place);
        QCOMPARE(labels["REGLEMENTS / SOLDES"]->font(), screenFont(ScreenFont::Trebuchet11Bold));
        QCOMPARE(labels["TARIF A PAYER"]->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);

        const QList<std::pair<const char *, QRect>> fields{{"dateField", {470, 10, 80, 20}},
                                                           {"designationField", {20, 58, 250, 20}},
                                                           {"tariffField", {280, 58, 100, 20}},
                                                           {"paidField", {440, 58, 100, 20}}};
        for (const auto &[name, place] : fields)
            QCOMPARE(window.findChild<QLineEdit *>(name)->geometry(), place);
        QCOMPARE(window.findChild<QLineEdit *>("dateField")->text(), Today);
        QCOMPARE(window.findChild<QComboBox *>("designationChoice")->geometry(), QRect(20, 80, 250, 20));
        QCOMPARE(window.findChild<QComboBox *>("tariffChoice")->geometry(), QRect(280, 80, 100, 20));
        const QList<std::tuple<const char *, QRect, QString>> buttons{
            {"quitButton", {10, 138, 120, 30}, "(#ESC) Quitter"},
            {"deleteButton", {200, 138, 180, 30}, "(#ALT+SUP) Supprimer"},
            {"validateButton", {450, 138, 110, 30}, "(#F5) Valider"},
            {"printButton", {260, 438, 120, 30}, "(#F4) Imprimer"}};
        for (const auto &[name, place, caption] : buttons) {
            QCOMPARE(window.findChild<QPushButton *>(name)->geometry(), place);
            QCOMPARE(window.findChild<QPushButton *>(name)->text(), caption);
        }

        const ReportList *lines = window.findChild<ReportList *>("linesList");
        QCOMPARE(lines->geometry(), QRect(10, 178, 550, 250));
        const QList<std::tuple<QString, int, Qt::Alignment>> columns{{"Date", 80, Qt::AlignHCenter},
                                                                     {"Designation", 200, Qt::AlignLeft},
                                                                     {"Débit", 80, Qt::AlignRight},
                                                                     {"Crédit", 80, Qt::AlignRight},
                                                                     {"Solde", 80, Qt::AlignRight}};
        for (int c = 0; c < columns.size(); ++c) {
            QCOMPARE(lines->headerText(c), std::get<0>(columns[c]));
            QCOMPARE(lines->columnWidth(c), std::get<1>(columns[c]));
            QCOMPARE(lines->columnAlignment(c), std::get<2>(columns[c]));
        }
        QCOMPARE(lines->palette().color(QPalette::Text), QColor(255, 255, 255));
        QCOMPARE(lines->palette().color(QPalette::Base), QColor(102, 12, 65));
    }

    // The user types the line, going on with Enter; Enter in the paid field saves.
    void theEnterChainSavesAndTheBalanceRuns() {
        QVERIFY(showActive(*m_window));
        auto *date = m_window->findChild<QLineEdit *>("dateField");
        auto *designation = m_window->findChild<QLineEdit *>("designationField");
        auto *tariff = m_window->findChild<QLineEdit *>("tariffField");
        auto *paid = m_window->findChild<QLineEdit *>("paidField");
        const QList<QStringList> typed{{"02/01/2023", "consultation", "1500", ""},
                                       {"05/01/2023", "versement", "0", "1000"}};
        for (const QStringList &line : typed) {
            QCOMPARE(QApplication::focusWidget(), date);
            date->selectAll();
            typeText(date, line[0]);
            QTest::keyClick(date, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), designation);
            typeText(designation, line[1]);
            QTest::keyClick(designation, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), tariff);
            typeText(tariff, line[2]);
            QTest::keyClick(tariff, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), paid);
            typeText(paid, line[3]);
            QTest::keyClick(paid, Qt::Key_Return);
            QCOMPARE(designation->text(), QString());
            QCOMPARE(date->text(), line[0]);
        }
        QVERIFY(m_program->environment.messages().isEmpty());
        QCOMPARE(storedAccount(), Rows({{"7", "02/01/2023", "1672617600", "CONSULTATION", "150000", "000"},
                                        {"7", "05/01/2023", "1672876800", "VERSEMENT", "000", "100000"}}));
        const ReportList *lines = m_window->findChild<ReportList *>("linesList");
        QCOMPARE(listRows(lines), QList<QStringList>({{"02/01/2023", "CONSULTATION", "1 500.00", "0.00", "1 500.00"},
                                                      {"05/01/2023", "VERSEMENT", "0.00", "1 000.00", "500.00"}}));
        QCOMPARE(lines->cellBackground(1, 4), BalanceBackground);
        QCOMPARE(lines->cellTextColour(1, 4), BalanceText);
        QCOMPARE(lines->cellBackground(0, 4), QColor());
        // The record's payments list follows.
        QCOMPARE(listColumn(m_program->record.sectionList(Section::Payments), 4), QStringList({"1 500.00", "500.00"}));
    }

    void aSingleLineKeepsTheListColours() {
        QVERIFY(savePaymentLine("7", {Today, "CONSULTATION", "1500", ""}) == SaveOutcome::Saved);
        m_window = std::make_unique<PaymentWindow>(m_program->record);
        const ReportList *lines = m_window->findChild<ReportList *>("linesList");
        QCOMPARE(lines->rowCount(), 1);
        QCOMPARE(lines->cellBackground(0, 4), QColor());
        QCOMPARE(lines->cellTextColour(0, 4), QColor());
    }

    void aLineSavedOnADateReplacesItsLineAndLinesRunInDateOrder() {
        for (const PaymentEntry &entry : {PaymentEntry{"10/03/2024", "ECHO", "3000", ""},
                                          PaymentEntry{"01/02/2024", "CONSULTATION", "1500", "1500"},
                                          PaymentEntry{"10/03/2024", "ECHOGRAPHIE", "2500,5", "500"}})
            QVERIFY(savePaymentLine("7", entry) == SaveOutcome::Saved);
        QCOMPARE(storedAccount(), Rows({{"7", "01/02/2024", "1706745600", "CONSULTATION", "150000", "150000"},
                                        {"7", "10/03/2024", "1710028800", "ECHOGRAPHIE", "250050", "50000"}}));
        const AccountLines lines = paymentLines("7");
        QCOMPARE(lines.rows, QList<QStringList>({{"01/02/2024", "CONSULTATION", "1 500.00", "1 500.00", "0.00"},
                                                 {"10/03/2024", "ECHOGRAPHIE", "2 500.50", "500.00", "2 000.50"}}));
        QCOMPARE(lines.balance, 200050);
    }

    void aRefusedSaveWritesNothing_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("designation");
        QTest::addColumn<QString>("tariff");
        QTest::addColumn<QString>("paid");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong date") << "31/02/2024"
                                    << "CONSULTATION"
                                    << "1500"
                                    << "" << WrongDate;
        QTest::newRow("no designation") << Today << ""
                                        << "1500"
                                        << ""
                                        << "Indiquez la designation !";
        QTest::newRow("both amounts empty") << Today << "CONSULTATION"
                                            << ""
                                            << ""
                                            << "Valeurs incorrectes ! ";
        QTest::newRow("both amounts 0") << Today << "CONSULTATION"
                                        << "0"
                                        << "0"
                                        << "Valeurs incorrectes ! ";
        QTest::newRow("no whole unit") << Today << "CONSULTATION"
                                       << "0.50"
                                       << "0,50"
                                       << "Valeurs incorrectes ! ";
        QTest::newRow("a tariff that is no number") << Today << "CONSULTATION"
                                                    << "mille"
                                                    << "1000"
                                                    << "Valeurs incorrectes ! ";
        QTest::newRow("a payment that is no number") << Today << "CONSULTATION"
                                                     << "1500"
                                                     << "15OO"
                                                     << "Valeurs incorrectes ! ";
    }
    void aRefusedSaveWritesNothing() {
        QFETCH(QString, date);
        QFETCH(QString, designation);
        QFETCH(QString, tariff);
        QFETCH(QString, paid);
        QFETCH(QString, message);
        QVERIFY(showActive(*m_window));
        const QList<std::pair<const char *, QString>> typed{
            {"dateField", date}, {"designationField", designation}, {"tariffField", tariff}, {"paidField", paid}};
        for (const auto &[name, text] : typed)
            m_window->findChild<QLineEdit *>(name)->setText(text);
        QTest::keyClick(m_window.get(), Qt::Key_F5);
        QCOMPARE(m_program->environment.messages().titles(), QStringList{"Erreur"});
        QCOMPARE(m_program->environment.messages().texts(), QStringList{message});
        QVERIFY(storedAccount().isEmpty());
        QVERIFY(column0(Db::tableDes).isEmpty());
        for (const auto &[name, text] : typed)
            QCOMPARE(m_window->findChild<QLineEdit *>(name)->text(), text); // the fields keep what was typed
    }

    void designationsAndTariffsJoinTheirChoicesOnce() {
        for (const PaymentEntry &entry :
             {PaymentEntry{"01/02/2024", "CONSULTATION", "1500", ""},
              PaymentEntry{"02/02/2024", "CONSULTATION", "1 500,00", ""},
              PaymentEntry{"03/02/2024", "VERSEMENT", "", "2000"}, PaymentEntry{"04/02/2024", "VISITE", "0", "100"}})
            QVERIFY(savePaymentLine("7", entry) == SaveOutcome::Saved);
        QCOMPARE(column0(Db::tableDes), QStringList({"CONSULTATION", "VERSEMENT", "VISITE"}));
        QCOMPARE(column0(Db::tableTarif), QStringList{"1500.00"});

        // Offered from the next opening on; a choice fills its field and moves on.
        auto *designationChoice = m_window->findChild<QComboBox *>("designationChoice");
        QCOMPARE(designationChoice->count(), 0);
        PaymentWindow window(m_program->record);
        QVERIFY(showActive(window));
        designationChoice = window.findChild<QComboBox *>("designationChoice");
        auto *tariffChoice = window.findChild<QComboBox *>("tariffChoice");
        QCOMPARE(chooserDates(designationChoice), QStringList({"CONSULTATION", "VERSEMENT", "VISITE"}));
        QCOMPARE(designationChoice->currentIndex(), -1);
        designationChoice->setCurrentIndex(2);
        QCOMPARE(window.findChild<QLineEdit *>("designationField")->text(), QStringLiteral("VISITE"));
        QCOMPARE(designationChoice->currentIndex(), -1);
        QCOMPARE(QApplication::focusWidget(), window.findChild<QLineEdit *>("tariffField"));
        tariffChoice->setCurrentIndex(0);
        QCOMPARE(window.findChild<QLineEdit *>("tariffField")->text(), QStringLiteral("1500.00"));
        QCOMPARE(QApplication::focusWidget(), window.findChild<QLineEdit *>("paidField"));
    }

    // A click on a line brings it back into the form; F5 then stores the same amounts again.
    void aClickedLineSavesUnchanged() {
        storeLine("7", "02/01/2023", "CONSULTATION", "150050", "5");
        m_window = std::make_unique<PaymentWindow>(m_program->record);
        QVERIFY(showActive(*m_window));
        clickRow(m_window->findChild<ReportList *>("linesList"), 0);
        QCOMPARE(m_window->findChild<QLineEdit *>("dateField")->text(), QStringLiteral("02/01/2023"));
        QCOMPARE(m_window->findChild<QLineEdit *>("designationField")->text(), QStringLiteral("CONSULTATION"));
        QCOMPARE(m_window->findChild<QLineEdit *>("tariffField")->text(), QStringLiteral("1500.50"));
        QCOMPARE(m_window->findChild<QLineEdit *>("paidField")->text(), QStringLiteral("0.05"));
        QTest::keyClick(m_window.get(), Qt::Key_F5);
        QCOMPARE(storedAccount(), Rows({{"7", "02/01/2023", "1672617600", "CONSULTATION", "150050", "005"}}));
    }

    void deletingTakesTheLineOfTheDateField_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<bool>("withButton");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("Alt+Delete") << "02/01/2023" << false << QStringList{"05/01/2023"} << QStringList{};
        QTest::newRow("the delete button") << "05/01/2023" << true << QStringList{"02/01/2023"} << QStringList{};
        QTest::newRow("a date without line")
            << "03/01/2023" << false << QStringList{"02/01/2023", "05/01/2023"} << QStringList{};
        QTest::newRow("a wrong date") << "32/01/2023" << false << QStringList{"02/01/2023", "05/01/2023"}
                                      << QStringList{WrongDate};
    }
    void deletingTakesTheLineOfTheDateField() {
        QFETCH(QString, date);
        QFETCH(bool, withButton);
        QFETCH(QStringList, left);
        QFETCH(QStringList, messages);
        storeLine("7", "02/01/2023", "CONSULTATION", "150000", "0");
        storeLine("7", "05/01/2023", "VERSEMENT", "0", "100000");
        storeLine("8", "02/01/2023", "CONSULTATION", "150000", "0");
        m_window = std::make_unique<PaymentWindow>(m_program->record);
        QVERIFY(showActive(*m_window));
        m_window->findChild<QLineEdit *>("dateField")->setText(date);
        m_window->findChild<QLineEdit *>("designationField")->setText("X");
        if (withButton)
            m_window->findChild<QPushButton *>("deleteButton")->click();
        else
            QTest::keyClick(m_window.get(), Qt::Key_Delete, Qt::AltModifier);
        QCOMPARE(m_program->environment.messages().texts(), messages);
        QCOMPARE(listColumn(m_window->findChild<ReportList *>("linesList"), 0), left);
        QCOMPARE(listColumn(m_program->record.sectionList(Section::Payments), 0), left);
        QCOMPARE(storedRows(Db::DbReg, "select * from fReg where Codepatient=8").size(), 1);
        const bool deleted = left.size() == 1;
        QCOMPARE(m_window->findChild<QLineEdit *>("designationField")->text(), deleted ? QString() : "X");
    }

    // F4 prints the account statement on the journals' page: the lines, then the totals.
    void printsTheAccountStatement() {
        PrintCapture capture;
        QVERIFY(showActive(*m_window));
        QTest::keyClick(m_window.get(), Qt::Key_F4);
        QCOMPARE(m_program->environment.messages().texts(), QStringList{"Il n'y a rien à imprimer ! "});
        QCOMPARE(capture.dialogsAsked(), 0);

        storeLine("7", "02/01/2023", "CONSULTATION", "150000", "0");
        storeLine("7", "05/01/2023", "VERSEMENT", "0", "100000");
        m_window->findChild<QPushButton *>("printButton")->click();
        QCOMPARE(capture.dialogsAsked(), 1);
        const RecordingPage *page = capture.lastRecording();
        QVERIFY(page);
        for (const QString &text : {"RELEVE DE COMPTE", "Période du 02/01/2023 au 05/01/2023", "DUPONT JEAN",
                                    "VERSEMENT", "               T O T A U X ... "})
            QVERIFY2(page->findText(text), qPrintable(text));
    }

    void theSectionButtonOpensItOnTheCurrentPatient() {
        m_window.reset();
        QString opened;
        QTimer::singleShot(0, this, [&opened] {
            if (QWidget *window = QApplication::activeModalWidget()) {
                opened = window->windowTitle();
                window->close();
            }
        });
        m_program->record.findChild<QToolButton *>(QStringLiteral("icon9"))->click();
        QCOMPARE(opened, QStringLiteral("REGLEMENTS ET SOLDES"));
        QCOMPARE(programState().currentPatientCode, QStringLiteral("7"));
    }

    void nothingOpensWithoutAPatient() {
        m_window.reset();
        MedicalRecordWindow record; // shows its sample header only
        bool opened = false;
        QTimer::singleShot(0, this, [&opened] {
            if (QWidget *window = QApplication::activeModalWidget()) {
                opened = true;
                window->close();
            }
        });
        record.findChild<QToolButton *>(QStringLiteral("sectionButton%1").arg(int(Section::Payments)))->click();
        QCoreApplication::processEvents();
        QVERIFY(!opened);
    }

private:
    std::unique_ptr<ClinicalProgram> m_program;
    std::unique_ptr<PaymentWindow> m_window;
};

QTEST_MAIN(TestPayments)
#include "TestPayments.moc"
