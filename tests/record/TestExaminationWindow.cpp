#include "ClinicalTestHelpers.h"
#include "print/ScreenFonts.h"
#include "record/ExaminationWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString Today = QStringLiteral("15/03/2024");
const QString TodayNumber = QStringLiteral("1710460800");

QStringList examinationRow(const QString &code, const QString &date, const QString &dateNumber,
                           const QStringList &lines) {
    return QStringList{code, date, dateNumber} + lines + QStringList{QString()};
}

} // namespace

class TestExaminationWindow : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_program = std::make_unique<ClinicalProgram>();
        m_window = std::make_unique<ExaminationWindow>(m_program->record);
    }
    void cleanup() {
        m_window.reset();
        m_program.reset();
    }

    void showsItsWidgetsAtTheirPlaces() {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("EXAMEN ET DIAGNOSTIC"));
        QCOMPARE(m_window->size(), QSize(700, 500));
        const QLabel *title = m_window->findChild<QLabel *>("actTitle");
        QCOMPARE(title->text(), QStringLiteral("EXAMEN/DIAGNOSTIC DU "));
        QCOMPARE(title->geometry(), QRect(20, 23, 160, 20));
        QCOMPARE(title->font(), screenFont(ScreenFont::Trebuchet9Bold));
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(2, 97, 141));
        const QLabel *date = m_window->findChild<QLabel *>("dateLabel");
        QCOMPARE(date->text(), Today);
        QCOMPARE(date->geometry(), QRect(170, 23, 90, 20));
        QCOMPARE(date->font(), screenFont(ScreenFont::Trebuchet9Bold));
        QCOMPARE(m_window->findChild<QComboBox *>("dateChooser")->geometry(), QRect(460, 23, 90, 20));
        QVERIFY(!m_window->findChild<QComboBox *>("dateChooser")->isEditable());
        for (int line = 1; line <= 4; ++line)
            QCOMPARE(field(line)->geometry(), QRect(150, 47 + 22 * (line - 1), 350, 20));
        const QList<std::pair<const char *, QRect>> buttons{{"quitButton", {10, 163, 120, 30}},
                                                            {"deleteButton", {200, 163, 180, 30}},
                                                            {"validateButton", {450, 163, 110, 30}}};
        QStringList captions;
        for (const auto &[name, place] : buttons) {
            const QPushButton *button = m_window->findChild<QPushButton *>(name);
            QCOMPARE(button->geometry(), place);
            captions << button->text();
        }
        QCOMPARE(captions, QStringList({"(#ESC) Quitter", "(#ALT+SUP) Supprimer la ligne", "(#F5) Valider"}));
        const ReportList *report = reportList();
        QCOMPARE(report->geometry(), QRect(10, 198, 550, 150));
        QCOMPARE(report->headerText(0), QStringLiteral("COMPTE RENDU"));
        QCOMPARE(report->columnWidth(0), 500);
        QCOMPARE(report->headerText(1), QString());
        QCOMPARE(report->columnWidth(1), 5);
        QCOMPARE(report->palette().color(QPalette::Base), QColor(250, 185, 86));
        QCOMPARE(report->palette().color(QPalette::Text), QColor(32, 26, 110));
        QStringList texts;
        for (const QLabel *label : m_window->findChildren<QLabel *>())
            texts << label->text();
        QVERIFY(texts.contains(QStringLiteral("Sélectionnez une date >>")));
    }

    void savingStoresTheLinesInTheirPositions_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("four lines") << QStringList{"TOUX", "FIEVRE", "ANGINE", "REPOS"}
                                    << QStringList{"TOUX", "FIEVRE", "ANGINE", "REPOS"}
                                    << QStringList{"TOUX", "FIEVRE", "ANGINE", "REPOS"};
        QTest::newRow("line 2 only leaves diag1 empty")
            << QStringList{"", "ANGINE", "", ""} << QStringList{"", "ANGINE", "", ""} << QStringList{"ANGINE"};
        QTest::newRow("lower case is shown and stored in capitals")
            << QStringList{"toux sèche", "", "fièvre 39", ""} << QStringList{"TOUX SÈCHE", "", "FIÈVRE 39", ""}
            << QStringList{"TOUX SÈCHE", "FIÈVRE 39"};
    }
    void savingStoresTheLinesInTheirPositions() {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, shown);
        QVERIFY(showActive(*m_window));
        // The user types each line and goes on with Enter; Enter in line 4 saves.
        for (int line = 1; line <= 4; ++line) {
            QCOMPARE(QApplication::focusWidget(), field(line));
            typeText(field(line), typed[line - 1]);
            QCOMPARE(field(line)->text(), stored[line - 1]);
            QTest::keyClick(field(line), Qt::Key_Return);
        }
        QVERIFY(m_program->environment.messages().isEmpty());
        QCOMPARE(storedRows(Db::Dbexamen, "select * from fexamen"),
                 Rows({QStringList{"7", Today, TodayNumber} + stored + QStringList{""}}));
        QCOMPARE(listColumn(reportList(), 0), shown);
        QCOMPARE(listRows(recordList()).size(), shown.size());
        QCOMPARE(listColumn(recordList(), 1), shown);
        for (int line = 1; line <= 4; ++line)
            QCOMPARE(field(line)->text(), QString());
    }

    void aRefusedSaveWritesNothing_data() {
        QTest::addColumn<QString>("actDate");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("four empty lines")
            << Today << QStringList{"", "", "", ""} << "Vous devez saisir au moins une ligne de diagnostic !";
        QTest::newRow("no act date") << "" << QStringList{"TOUX", "", "", ""}
                                     << "La date est incorrecte! (doit être sous la forme JJ/MM/AAAA)";
    }
    void aRefusedSaveWritesNothing() {
        QFETCH(QString, actDate);
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        programState().today = actDate;
        ExaminationWindow window(m_program->record);
        QVERIFY(showActive(window));
        for (int line = 0; line < 4; ++line)
            window.findChild<QLineEdit *>(QStringLiteral("line%1").arg(line + 1))->setText(typed[line]);
        QTest::keyClick(&window, Qt::Key_F5);
        QCOMPARE(m_program->environment.messages().titles(), QStringList{"Erreur"});
        QCOMPARE(m_program->environment.messages().texts(), QStringList{message});
        QCOMPARE(db(Db::Dbexamen).queryInteger("select count(*) from fexamen"), 0);
        QCOMPARE(window.findChild<QLineEdit *>("line1")->text(), typed[0]);
    }

    void savingAgainOnTheSameDateReplacesTheLines() {
        QVERIFY(showActive(*m_window));
        field(1)->setText("TOUX");
        field(3)->setText("ANGINE");
        QTest::keyClick(m_window.get(), Qt::Key_F5);
        // diag5 belongs to the insert only: a later save never touches it.
        QVERIFY(db(Db::Dbexamen).update("update fexamen set diag5='ANCIEN'"));
        field(2)->setText("GRIPPE");
        m_window->findChild<QPushButton *>("validateButton")->click();
        QCOMPARE(storedRows(Db::Dbexamen, "select * from fexamen"),
                 Rows({{"7", Today, TodayNumber, "", "GRIPPE", "", "", "ANCIEN"}}));
        QCOMPARE(listColumn(reportList(), 0), QStringList{"GRIPPE"});
        QCOMPARE(listColumn(recordList(), 1), QStringList{"GRIPPE"});
    }

    void opensOnTheExaminationOfTodayAndListsEachDateOnce() {
        storeRow(Db::Dbexamen, examinationRow("7", "10/01/2024", "1704844800", {"OTITE", "", "", ""}));
        storeRow(Db::Dbexamen, examinationRow("7", "05/02/2023", "1675555200", {"ANGINE", "", "", ""}));
        storeRow(Db::Dbexamen, examinationRow("7", Today, TodayNumber, {"", "TOUX", "", "FIEVRE"}));
        storeRow(Db::Dbexamen, examinationRow("8", "01/01/2024", "1704067200", {"AUTRE PATIENT", "", "", ""}));
        ExaminationWindow window(m_program->record);
        QCOMPARE(chooserDates(window.findChild<QComboBox *>("dateChooser")),
                 QStringList({"05/02/2023", "10/01/2024", Today}));
        QCOMPARE(window.findChild<QComboBox *>("dateChooser")->currentText(), QString());
        QCOMPARE(listColumn(window.findChild<ReportList *>("reportList"), 0), QStringList({"TOUX", "FIEVRE"}));
        QCOMPARE(listColumn(recordList(), 1), QStringList({"ANGINE", "OTITE", "TOUX", "FIEVRE"}));
    }

    void choosingADateShowsItsLinesThenAClickFillsTheLinesInPlace() {
        storeRow(Db::Dbexamen, examinationRow("7", "10/01/2024", "1704844800", {"", "OTITE", "", "REPOS"}));
        storeRow(Db::Dbexamen, examinationRow("7", Today, TodayNumber, {"TOUX", "FIEVRE", "GRIPPE", "ASPIRINE"}));
        ExaminationWindow window(m_program->record);
        QVERIFY(showActive(window));
        window.findChild<QLineEdit *>("line1")->setText("EN COURS");
        chooseDate(window.findChild<QComboBox *>("dateChooser"), "10/01/2024");
        QCOMPARE(window.findChild<QLabel *>("dateLabel")->text(), QStringLiteral("10/01/2024"));
        ReportList *report = window.findChild<ReportList *>("reportList");
        QCOMPARE(listColumn(report, 0), QStringList({"OTITE", "REPOS"}));
        for (int line = 1; line <= 4; ++line)
            QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("line%1").arg(line))->text(), QString());

        clickRow(report, 1);
        QStringList fields;
        for (int line = 1; line <= 4; ++line)
            fields << window.findChild<QLineEdit *>(QStringLiteral("line%1").arg(line))->text();
        QCOMPARE(fields, QStringList({"", "OTITE", "", "REPOS"}));

        // Saving right away keeps every line where it was, on the chosen date.
        QTest::keyClick(&window, Qt::Key_F5);
        QCOMPARE(storedRows(Db::Dbexamen, "select diag1,diag2,diag3,diag4 from fexamen where dateEx=?", {"10/01/2024"}),
                 Rows({{"", "OTITE", "", "REPOS"}}));
        QCOMPARE(db(Db::Dbexamen).queryInteger("select count(*) from fexamen"), 2);
    }

    void deletingRemovesTheExaminationOfTheActDateOnly_data() {
        QTest::addColumn<bool>("todayHasOne");
        QTest::newRow("a date with an examination") << true;
        QTest::newRow("a date without examination") << false;
    }
    void deletingRemovesTheExaminationOfTheActDateOnly() {
        QFETCH(bool, todayHasOne);
        storeRow(Db::Dbexamen, examinationRow("7", "10/01/2024", "1704844800", {"OTITE", "", "", ""}));
        storeRow(Db::Dbexamen, examinationRow("8", Today, TodayNumber, {"AUTRE PATIENT", "", "", ""}));
        if (todayHasOne)
            storeRow(Db::Dbexamen, examinationRow("7", Today, TodayNumber, {"TOUX", "", "", ""}));
        ExaminationWindow window(m_program->record);
        QVERIFY(showActive(window));
        window.findChild<QLineEdit *>("line2")->setText("NON SAUVE");
        QTest::keyClick(&window, Qt::Key_Delete, Qt::AltModifier);
        QVERIFY(m_program->environment.messages().isEmpty());
        QCOMPARE(storedRows(Db::Dbexamen, "select codepatient,dateEx from fexamen order by codepatient"),
                 Rows({{"7", "10/01/2024"}, {"8", Today}}));
        QCOMPARE(window.findChild<ReportList *>("reportList")->rowCount(), 0);
        QCOMPARE(window.findChild<QLineEdit *>("line2")->text(), QString());
        QCOMPARE(listColumn(recordList(), 1), QStringList{"OTITE"});
    }

    void aNewDateJoinsTheChooserAtTheNextOpening() {
        storeRow(Db::Dbexamen, examinationRow("7", "10/01/2024", "1704844800", {"OTITE", "", "", ""}));
        {
            ExaminationWindow window(m_program->record);
            window.findChild<QLineEdit *>("line1")->setText("TOUX");
            window.save();
            QCOMPARE(chooserDates(window.findChild<QComboBox *>("dateChooser")), QStringList{"10/01/2024"});
        }
        ExaminationWindow reopened(m_program->record);
        QCOMPARE(chooserDates(reopened.findChild<QComboBox *>("dateChooser")), QStringList({"10/01/2024", Today}));
    }

    void enterOutsideTheLinesDoesNothing() {
        QVERIFY(showActive(*m_window));
        field(1)->setText("TOUX");
        m_window->findChild<QComboBox *>("dateChooser")->setFocus();
        QTest::keyClick(m_window->findChild<QComboBox *>("dateChooser"), Qt::Key_Return);
        QCOMPARE(db(Db::Dbexamen).queryInteger("select count(*) from fexamen"), 0);
        QCOMPARE(field(1)->text(), QStringLiteral("TOUX"));
    }

    void escapeTheQuitButtonAndTheCloseBoxCloseTheWindow_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Escape") << "escape";
        QTest::newRow("quit button") << "button";
        QTest::newRow("close box") << "close";
    }
    void escapeTheQuitButtonAndTheCloseBoxCloseTheWindow() {
        QFETCH(QString, how);
        QVERIFY(showActive(*m_window));
        if (how == "escape")
            QTest::keyClick(m_window.get(), Qt::Key_Escape);
        else if (how == "button")
            m_window->findChild<QPushButton *>("quitButton")->click();
        else
            m_window->close();
        QVERIFY(m_window->isClosing());
        QVERIFY(!m_window->isVisible());
    }

private:
    QLineEdit *field(int line) const { return m_window->findChild<QLineEdit *>(QStringLiteral("line%1").arg(line)); }
    ReportList *reportList() const { return m_window->findChild<ReportList *>("reportList"); }
    ReportList *recordList() const { return m_program->record.sectionList(Section::Examination); }

    std::unique_ptr<ClinicalProgram> m_program;
    std::unique_ptr<ExaminationWindow> m_window;
};

QTEST_MAIN(TestExaminationWindow)
#include "TestExaminationWindow.moc"
