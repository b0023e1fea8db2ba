#include "common/ProgramState.h"
#include "patients/PatientForm.h"
#include "patients/PatientSamples.h"
#include "patients/PatientWindow.h"
#include "record/MedicalRecordWindow.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

using Answer = Messages::Answer;

QWidget *focused() {
    return QApplication::focusWidget();
}

QString focusedName() {
    return focused() ? focused()->objectName() : QString();
}

// Types into whatever field has the focus, as the user does.
void type(const QString &text) {
    QTest::keyClicks(focused(), text);
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(focused(), key, modifiers);
}

void clickRow(ReportList *list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(row).center());
}

QStringList column(const ReportList *list, int column) {
    QStringList cells;
    for (int row = 0; row < list->rowCount(); ++row)
        cells << list->cell(row, column);
    return cells;
}

QLabel *labelWithText(QWidget &window, const QString &text) {
    for (QLabel *label : window.findChildren<QLabel *>())
        if (label->text() == text)
            return label;
    return nullptr;
}

} // namespace

class TestPatientWindow : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_env = std::make_unique<TestEnvironment>();
        programState().desktopWidth = 1366;
        m_record = std::make_unique<MedicalRecordWindow>();
    }
    void cleanup() {
        m_window.reset();
        m_record.reset();
        m_env.reset();
    }

    void opensCentredWithItsTitleAndSize() {
        PatientWindow &window = open(false);
        QCOMPARE(window.windowTitle(), QStringLiteral("Table des patients"));
        QCOMPARE(window.size(), QSize(900, 500));
        QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        // The inner area, not the frame, is centred.
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(window.geometry().topLeft(),
                 available.topLeft() + QPoint(available.width() - 900, available.height() - 500) / 2);
    }

    void widgetsStandAtTheirPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::newRow("corner picture") << "cornerPicture" << QRect(10, 5, 64, 64);
        QTest::newRow("title") << "titleLabel" << QRect(80, 5, 200, 30);
        QTest::newRow("frame") << "formFrame" << QRect(10, 80, 820, 170);
        QTest::newRow("choice list") << "choiceList" << QRect(550, 80, 280, 150);
        QTest::newRow("code label") << "codeLabel" << QRect(110, 100, 70, 20);
        QTest::newRow("name") << "nameField" << QRect(330, 100, 190, 20);
        QTest::newRow("birth date") << "birthDateField" << QRect(110, 122, 70, 20);
        QTest::newRow("age") << "ageField" << QRect(330, 122, 30, 20);
        QTest::newRow("age unit") << "ageUnitLabel" << QRect(380, 122, 50, 20);
        QTest::newRow("sex") << "sexField" << QRect(500, 122, 20, 20);
        QTest::newRow("family situation") << "familySituationField" << QRect(110, 144, 30, 20);
        QTest::newRow("children") << "childrenField" << QRect(330, 144, 30, 20);
        QTest::newRow("profession") << "professionField" << QRect(110, 166, 130, 20);
        QTest::newRow("address") << "addressField" << QRect(330, 166, 190, 20);
        QTest::newRow("telephone") << "telephoneField" << QRect(110, 188, 130, 20);
        QTest::newRow("category") << "categoryField" << QRect(330, 188, 190, 20);
        QTest::newRow("social security") << "socialSecurityField" << QRect(110, 210, 130, 20);
        QTest::newRow("delete") << "deleteButton" << QRect(10, 260, 120, 30);
        QTest::newRow("search") << "searchButton" << QRect(260, 260, 120, 30);
        QTest::newRow("new patient") << "newPatientButton" << QRect(500, 260, 120, 30);
        QTest::newRow("validate") << "validateButton" << QRect(710, 260, 120, 30);
        QTest::newRow("patient list") << "patientList" << QRect(10, 300, 820, 180);
    }
    void widgetsStandAtTheirPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        PatientWindow &window = open(false);
        const QWidget *widget = window.findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), place);
    }

    void captionsColoursAndFonts() {
        PatientWindow &window = open(false);
        const QList<std::pair<QString, QRect>> captions{
            {"Code interne:", {20, 100, 80, 20}}, {"Nom et prénoms:", {230, 100, 90, 20}},
            {"Date nais.:", {20, 122, 100, 20}},  {"Age:", {260, 122, 50, 20}},
            {"Sexe:", {450, 122, 60, 20}},        {"Sit. fam.:", {20, 144, 80, 20}},
            {"N/Enf.:", {260, 144, 70, 20}},      {"Profession:", {20, 166, 100, 20}},
            {"Adresse:", {260, 166, 80, 20}},     {"N° Téléphone:", {20, 188, 90, 20}},
            {"Catégorie:", {260, 188, 80, 20}},   {"N° s.sociale:", {20, 210, 90, 20}},
        };
        for (const auto &[text, place] : captions) {
            const QLabel *caption = labelWithText(window, text);
            QVERIFY2(caption, qPrintable(text));
            QCOMPARE(caption->geometry(), place);
        }
        const QLabel *title = labelWithText(window, "TABLE DES PATIENTS");
        QCOMPARE(title->font().family(), QStringLiteral("Ms Trebuchet"));
        QCOMPARE(title->font().pointSize(), 11);
        QVERIFY(title->font().bold());

        const QLabel *code = window.form().codeLabel();
        QCOMPARE(code->text(), QString());
        QCOMPARE(code->palette().color(QPalette::Window), QColor(244, 241, 183));
        QVERIFY(code->alignment() & Qt::AlignHCenter);
        QCOMPARE(window.form().ageUnitLabel()->text(), QStringLiteral("ans"));

        const QStringList buttons{"(#ALT+SUP) Supprimer", "(#F7) Rechercher", "(#F6) Nouveau patient", "(#F5) Valider"};
        QStringList captionsShown;
        for (const char *name : {"deleteButton", "searchButton", "newPatientButton", "validateButton"})
            captionsShown << window.findChild<QPushButton *>(name)->text();
        QCOMPARE(captionsShown, buttons);

        const ReportList *choices = window.form().choiceList();
        QCOMPARE(choices->headerText(0), QStringLiteral("   Sélectionnez..."));
        QCOMPARE(choices->columnWidth(0), 290);
        QCOMPARE(choices->columnWidth(1), 5);
        QCOMPARE(choices->palette().color(QPalette::Base), QColor(199, 240, 211));
        QCOMPARE(choices->rowCount(), 0);

        const ReportList *patients = window.patientList();
        QCOMPARE(patients->palette().color(QPalette::Base), QColor(250, 214, 174));
        QCOMPARE(patients->selectionBehavior(), QAbstractItemView::SelectRows);
        const QStringList titles{"Code",       "Nom et prénoms du patient",
                                 "Date nais.", "Age",
                                 "Sexe",       "Sf",
                                 "Enf.",       "Profession",
                                 "Adresse",    "N° Téléphone",
                                 "Maladie",    "N° s.sociale"};
        const QList<int> widths{40, 200, 80, 35, 40, 25, 40, 120, 150, 100, 100, 100};
        QCOMPARE(patients->columnCount(), 12);
        for (int c = 0; c < 12; ++c) {
            QCOMPARE(patients->headerText(c), titles[c]);
            QCOMPARE(patients->columnWidth(c), widths[c]);
        }
    }

    void patientListShowsEveryPatientInNameOrder() {
        storedPatientWith("1", "ZITOUNI AMEL", "01/02/1990");
        const PatientFields benali = storedPatientWith("2", "BENALI KARIM", "12/05/1979");
        storedPatientWith("3", "ABDOU SALIM", "07/07/2001");
        PatientWindow &window = open(false);
        QCOMPARE(column(window.patientList(), 1), QStringList({"ABDOU SALIM", "BENALI KARIM", "ZITOUNI AMEL"}));
        QCOMPARE(window.patientList()->rowCells(1), benali.listRow());
        QCOMPARE(window.patientList()->cell(1, 3), QStringLiteral("44 ans"));
    }

    void enterInTheBirthDateComputesTheAge_data() {
        QTest::addColumn<QString>("birthDate");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("unit");
        QTest::newRow("born four years ago") << "15/03/2020"
                                             << "4"
                                             << "ans";
        QTest::newRow("born this year") << "20/01/2024"
                                        << "1"
                                        << "mois";
    }
    void enterInTheBirthDateComputesTheAge() {
        QFETCH(QString, birthDate);
        QFETCH(QString, age);
        QFETCH(QString, unit);
        PatientWindow &window = open();
        type("DURAND PAUL");
        press(Qt::Key_Return);
        QCOMPARE(focusedName(), QStringLiteral("birthDateField"));
        type(birthDate);
        press(Qt::Key_Return);
        QCOMPARE(window.form().ageField()->text(), age);
        QCOMPARE(window.form().ageUnitLabel()->text(), unit);
        QCOMPARE(programState().ageValue, age);
        QCOMPARE(focusedName(), QStringLiteral("sexField"));
        QVERIFY(m_env->messages().isEmpty());
    }

    void aWrongBirthDateKeepsTheFocusThere() {
        PatientWindow &window = open();
        window.form().birthDateField()->setFocus();
        type("31/13/2020");
        press(Qt::Key_Return);
        QCOMPARE(m_env->messages().titles(), QStringList{"Erreur"});
        QCOMPARE(m_env->messages().texts(), QStringList{"Date de naissance incorrecte ! "});
        QCOMPARE(focusedName(), QStringLiteral("birthDateField"));
        QCOMPARE(window.form().ageField()->text(), QString());
        QVERIFY(programState().birthDateError);
    }

    void enterInTheSexFieldFollowsTheAge_data() {
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("familySituation");
        QTest::addColumn<QString>("children");
        QTest::addColumn<QString>("focus");
        QTest::newRow("a child of 12") << "12"
                                       << "C"
                                       << "0"
                                       << "professionField";
        QTest::newRow("20 is still young") << "20"
                                           << "C"
                                           << "0"
                                           << "professionField";
        QTest::newRow("an adult of 21") << "21"
                                        << ""
                                        << ""
                                        << "familySituationField";
    }
    void enterInTheSexFieldFollowsTheAge() {
        QFETCH(QString, age);
        QFETCH(QString, familySituation);
        QFETCH(QString, children);
        QFETCH(QString, focus);
        PatientWindow &window = open();
        window.form().ageField()->setFocus();
        type(age);
        press(Qt::Key_Return);
        QCOMPARE(focusedName(), QStringLiteral("sexField"));
        QCOMPARE(programState().ageValue, age);
        press(Qt::Key_Return);
        QCOMPARE(window.form().familySituationField()->text(), familySituation);
        QCOMPARE(window.form().childrenField()->text(), children);
        QCOMPARE(focusedName(), focus);
    }

    void theSexFieldTakesMOrF_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("focus");
        QTest::newRow("F jumps at once") << "F"
                                         << "familySituationField";
        QTest::newRow("m is typed as M and jumps") << "m"
                                                   << "familySituationField";
        QTest::newRow("X keeps the user there") << "X"
                                                << "sexField";
    }
    void theSexFieldTakesMOrF() {
        QFETCH(QString, typed);
        QFETCH(QString, focus);
        PatientWindow &window = open();
        window.form().sexField()->setFocus();
        QCOMPARE(column(window.form().choiceList(), 0), QStringList({"Masculin", "Féminin"}));
        type(typed);
        QCOMPARE(focusedName(), focus);
        QCOMPARE(window.form().sexField()->text(), typed.toUpper());
        press(Qt::Key_Tab); // leaving with a refused letter is not possible either
        QCOMPARE(focusedName(), focus == u"sexField" ? focus : QStringLiteral("childrenField"));
    }

    void theFamilySituationTakesOneOfFourLetters_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("focus");
        QTest::newRow("C jumps to the children") << "C"
                                                 << "childrenField";
        QTest::newRow("V jumps to the children") << "V"
                                                 << "childrenField";
        QTest::newRow("X keeps the user there") << "X"
                                                << "familySituationField";
    }
    void theFamilySituationTakesOneOfFourLetters() {
        QFETCH(QString, typed);
        QFETCH(QString, focus);
        PatientWindow &window = open();
        window.form().familySituationField()->setFocus();
        QCOMPARE(column(window.form().choiceList(), 0),
                 QStringList({"Célibataire", "Marié (e)", "Divorcé (e)", "Veuf (ve)"}));
        type(typed);
        QCOMPARE(focusedName(), focus);
    }

    void twoCharactersOfChildrenMoveOn() {
        PatientWindow &window = open();
        window.form().childrenField()->setFocus();
        type("1");
        QCOMPARE(focusedName(), QStringLiteral("childrenField"));
        type("2");
        QCOMPARE(focusedName(), QStringLiteral("professionField"));
        QCOMPARE(window.form().childrenField()->text(), QStringLiteral("12"));
    }

    void theProfessionProposesTheKnownOnesOnce() {
        for (const char *profession : {"CHAUFFEUR", "CARRELEUR", "CARDIOLOGUE", "CARRELEUR", "ACARISTE"})
            storeRow(Db::tablefonc, {profession});
        PatientWindow &window = open();
        window.form().professionField()->setFocus();
        QCOMPARE(window.form().choiceList()->rowCount(), 0);
        type("car");
        QCOMPARE(window.form().professionField()->text(), QStringLiteral("CAR"));
        QCOMPARE(column(window.form().choiceList(), 0), QStringList({"CARDIOLOGUE", "CARRELEUR"}));
        type("R");
        QCOMPARE(column(window.form().choiceList(), 0), QStringList({"CARRELEUR"}));
        window.form().professionField()->clear();
        QCOMPARE(window.form().choiceList()->rowCount(), 0);
    }

    void aProposedValueIsCopiedIntoItsField_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("focus");
        QTest::newRow("Féminin gives F") << "sexField"
                                         << "" << 1 << "F"
                                         << "familySituationField";
        QTest::newRow("Marié (e) gives M") << "familySituationField"
                                           << "" << 1 << "M"
                                           << "childrenField";
        QTest::newRow("Veuf (ve) gives V") << "familySituationField"
                                           << "" << 3 << "V"
                                           << "childrenField";
        QTest::newRow("a whole profession") << "professionField"
                                            << "CA" << 0 << "CARDIOLOGUE"
                                            << "categoryField";
    }
    void aProposedValueIsCopiedIntoItsField() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(int, row);
        QFETCH(QString, value);
        QFETCH(QString, focus);
        storeRow(Db::tablefonc, {"CARDIOLOGUE"});
        PatientWindow &window = open();
        window.findChild<QLineEdit *>(field)->setFocus();
        type(typed);
        clickRow(window.form().choiceList(), row);
        QCOMPARE(window.findChild<QLineEdit *>(field)->text(), value);
        QCOMPARE(focusedName(), focus);
    }

    void twoRefusedLettersDoNotFightOverTheFocus() {
        PatientWindow &window = open();
        window.form().familySituationField()->setFocus();
        type("X");
        QTest::keyClicks(window.form().sexField(), "X");
        QCOMPARE(focusedName(), QStringLiteral("sexField"));
        window.form().familySituationField()->setFocus(Qt::MouseFocusReason); // a click in the other field
        QCOMPARE(focusedName(), QStringLiteral("sexField"));
        QVERIFY(window.isVisible());
    }

    void aRefusedLetterDoesNotHoldTheWindowOpen() {
        PatientWindow &window = open();
        window.form().sexField()->setFocus();
        type("X");
        window.close();
        QVERIFY(window.isClosing());
        QVERIFY(!window.isVisible());
    }

    void searchHandsTheFirstMatchToTheRecord_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::newRow("name beginning with BEN, first in name order") << "BEN"
                                                                      << "2";
        QTest::newRow("no criteria: the first patient") << ""
                                                        << "3";
    }
    void searchHandsTheFirstMatchToTheRecord() {
        QFETCH(QString, name);
        QFETCH(QString, code);
        storedPatientWith("1", "BENOIT MARC", "03/03/1990");
        storedPatientWith("2", "BENALI KARIM", "12/05/1979", "0555 22 22 22");
        storedPatientWith("3", "ABDOU SALIM", "07/07/2001", "0555 33 33 33");
        storeRow(Db::Dbexamen, {code, "10/03/2024", dateNumberText("10/03/2024"), "ANGINE", "", "", "", ""});
        PatientWindow &window = open();
        type(name);
        press(Qt::Key_F7);

        QVERIFY(window.isClosing());
        QVERIFY(!window.isVisible());
        QCOMPARE(programState().currentPatientCode, code);
        const PatientFields found = *storedPatient(code);
        QCOMPARE(window.form().fields(), found);
        const PatientHeader header = m_record->header();
        QCOMPARE(header.code, code);
        QCOMPARE(header.name, found.name);
        QCOMPARE(header.age, QStringLiteral("44 ans"));
        QCOMPARE(header.telephone, found.telephone);
        QCOMPARE(header.disease, QStringLiteral("HTA"));
        QCOMPARE(m_record->sectionList(Section::Examination)->rowCount(), 1);
        QVERIFY(m_env->messages().isEmpty());
    }

    void searchWithoutMatchChangesNothing() {
        storedPatientWith("1", "BENOIT MARC", "03/03/1990");
        PatientWindow &window = open();
        type("BENOIT");
        window.form().sexField()->setText("F");
        window.findChild<QPushButton *>("searchButton")->click();
        QVERIFY(window.isVisible());
        QVERIFY(!m_record->hasPatient());
        QCOMPARE(m_record->header().code, QStringLiteral("999999"));
        QCOMPARE(window.form().nameField()->text(), QStringLiteral("BENOIT"));
        QVERIFY(m_env->messages().isEmpty());
    }

    void aNewPatientTypedThroughTheFormIsSavedAndBecomesTheRecordsPatient_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("F5") << "F5";
        QTest::newRow("Enter in the category") << "Enter";
        QTest::newRow("the Validate button") << "button";
    }
    void aNewPatientTypedThroughTheFormIsSavedAndBecomesTheRecordsPatient() {
        QFETCH(QString, how);
        storedPatientWith("1", "BENOIT MARC", "03/03/1990");
        PatientWindow &window = open();
        press(Qt::Key_F6);
        QCOMPARE(window.form().codeLabel()->text(), QStringLiteral("2"));
        QCOMPARE(focusedName(), QStringLiteral("nameField"));
        type("durand paul");
        press(Qt::Key_Return);
        type("10/06/1980");
        press(Qt::Key_Return);
        type("m"); // jumps to the family situation
        type("m"); // jumps to the children
        type("3");
        press(Qt::Key_Return);
        type("ingenieur");
        press(Qt::Key_Return);
        type("rue des lilas");
        press(Qt::Key_Return);
        type("0555 44 44 44");
        press(Qt::Key_Return);
        QCOMPARE(focusedName(), QStringLiteral("categoryField"));
        type("asthme");
        window.form().socialSecurityField()->setText("1800612345678");
        if (how == u"F5")
            press(Qt::Key_F5);
        else if (how == u"Enter")
            press(Qt::Key_Return);
        else
            window.findChild<QPushButton *>("validateButton")->click();

        QVERIFY(m_env->messages().isEmpty());
        QVERIFY(!window.isVisible());
        QCOMPARE(patientRows().last(),
                 Row({"2", "DURAND PAUL", "RUE DES LILAS", "0555 44 44 44", "10/06/1980", dateNumberText("10/06/1980"),
                      "43", "ans", "M", "M", "3", "INGENIEUR", "", "ASTHME", "1800612345678"}));
        const PatientHeader header = m_record->header();
        QCOMPARE(header.code, QStringLiteral("2"));
        QCOMPARE(header.name, QStringLiteral("DURAND PAUL"));
        QCOMPARE(header.age, QStringLiteral("43 ans"));
        QCOMPARE(header.telephone, QStringLiteral("0555 44 44 44"));
        QCOMPARE(header.disease, QStringLiteral("ASTHME"));
        QCOMPARE(programState().currentPatientCode, QStringLiteral("2"));
        QCOMPARE(professions(), QStringList{"INGENIEUR"});
        QCOMPARE(window.form().fields(), PatientFields());
        QCOMPARE(window.patientList()->rowCount(), 2);
        QCOMPARE(window.patientList()->cell(1, 1), QStringLiteral("DURAND PAUL"));
    }

    void theRecordGetsTheCodeThePatientIsStoredUnder_data() {
        QTest::addColumn<bool>("showFirst");
        QTest::newRow("typed without asking for a new code") << false;
        QTest::newRow("a shown patient renamed") << true;
    }
    void theRecordGetsTheCodeThePatientIsStoredUnder() {
        QFETCH(bool, showFirst);
        storedPatientWith("1", "BENOIT MARC", "03/03/1990");
        PatientWindow &window = open();
        if (showFirst)
            clickRow(window.patientList(), 0);
        PatientFields typed = typedPatient("DURAND PAUL", "10/06/1980");
        typed.code = window.form().codeLabel()->text();
        window.form().fill(typed);
        press(Qt::Key_F5);

        QVERIFY(!window.isVisible());
        QCOMPARE(patientRows().size(), 2);
        QCOMPARE(patientRows().first()[1], QStringLiteral("BENOIT MARC"));
        QCOMPARE(m_record->header().code, QStringLiteral("2"));
        QCOMPARE(m_record->patientCodeForSections(), QStringLiteral("2"));
        QCOMPARE(programState().currentPatientCode, QStringLiteral("2"));
    }

    void aWriteTheStoreRefusesIsNotTakenForASave() {
        QVERIFY(db(Db::Dbpatient)
                    .execute("CREATE TRIGGER refuse BEFORE INSERT ON fpatient BEGIN SELECT RAISE(ABORT, 'disque "
                             "plein'); END"));
        PatientWindow &window = open();
        window.form().fill(typedPatient());
        press(Qt::Key_F5);

        QCOMPARE(m_env->messages().titles(), QStringList{"Erreur Check DatabaseUpdate"});
        QCOMPARE(m_env->messages().texts(),
                 QStringList{"La base de données a refusé l'opération. (Dbpatient.db)\ndisque plein"});
        QVERIFY(window.isVisible());
        QCOMPARE(window.patientList()->rowCount(), 0);
        QCOMPARE(window.form().nameField()->text(), QStringLiteral("BENALI KARIM"));
        QVERIFY(!m_record->hasPatient());
        QCOMPARE(professions(), QStringList());
    }

    void savingAChosenPatientUpdatesItAndLoadsItsRecord() {
        storedPatientWith("1", "BENOIT MARC", "03/03/1990");
        storedPatientWith("2", "ZITOUNI AMEL", "01/02/1990");
        storeRow(Db::Dbexamen, {"2", "10/03/2024", dateNumberText("10/03/2024"), "ANGINE", "", "", "", ""});
        storeRow(Db::Dbexamen, {"2", "12/03/2024", dateNumberText("12/03/2024"), "CONTROLE", "", "", "", ""});
        PatientWindow &window = open();
        clickRow(window.patientList(), 1);
        QCOMPARE(window.form().nameField()->text(), QStringLiteral("ZITOUNI AMEL"));
        window.form().telephoneField()->setText("0666 00 00 00");
        press(Qt::Key_F5);

        QVERIFY(!window.isVisible());
        QCOMPARE(patientRows().size(), 2);
        QCOMPARE(patientRows().last()[3], QStringLiteral("0666 00 00 00"));
        QCOMPARE(window.patientList()->cell(1, 9), QStringLiteral("0666 00 00 00"));
        QCOMPARE(m_record->header().code, QStringLiteral("2"));
        QCOMPARE(m_record->header().telephone, QStringLiteral("0666 00 00 00"));
        QCOMPARE(m_record->sectionList(Section::Examination)->rowCount(), 2);
    }

    void aRefusedSaveKeepsTheWindowAndTheForm() {
        PatientWindow &window = open();
        type("DURAND PAUL");
        window.form().ageField()->setText("40");
        press(Qt::Key_F5);
        QCOMPARE(m_env->messages().texts(), QStringList{"La situation familiale est incorrecte !"});
        QVERIFY(window.isVisible());
        QVERIFY(!window.isClosing());
        QCOMPARE(window.form().nameField()->text(), QStringLiteral("DURAND PAUL"));
        QVERIFY(!m_record->hasPatient());
        QCOMPARE(patientRows().size(), 0);
    }

    void choosingARowThenTheCloseBoxLeavesTheRecordAsItWas() {
        storedPatientWith("1", "BENOIT MARC", "03/03/1990");
        programState().currentPatientCode = "7";
        PatientWindow &window = open();
        clickRow(window.patientList(), 0);
        QCOMPARE(window.form().codeLabel()->text(), QStringLiteral("1"));
        QCOMPARE(programState().currentPatientCode, QStringLiteral("1"));
        window.close();
        QVERIFY(!window.isVisible());
        QVERIFY(!m_record->hasPatient());
        QCOMPARE(m_record->header().code, QStringLiteral("999999"));
        QCOMPARE(programState().currentPatientCode, QStringLiteral("7"));
        QCOMPARE(patientRows().size(), 1);
    }

    void newPatientAfterShowingOneEmptiesEveryField() {
        storedPatientWith("4", "BENOIT MARC", "03/03/1990");
        storedPatientWith("11", "ZITOUNI AMEL", "01/02/1990");
        PatientWindow &window = open();
        clickRow(window.patientList(), 0);
        QCOMPARE(window.form().socialSecurityField()->text(), QStringLiteral("1790512345678"));
        window.findChild<QPushButton *>("newPatientButton")->click();
        PatientFields expected;
        expected.code = "12";
        QCOMPARE(window.form().fields(), expected);
        QCOMPARE(window.form().choiceList()->rowCount(), 0);
        QCOMPARE(focusedName(), QStringLiteral("nameField"));
        QCOMPARE(programState().currentPatientCode, QStringLiteral("12"));
    }

    void deletingFromTheWindow_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("examination");
        QTest::addColumn<int>("patientsLeft");
        QTest::addColumn<bool>("formEmptied");
        QTest::newRow("Yes deletes the patient and its row") << int(Answer::Yes) << false << 1 << true;
        QTest::newRow("No keeps the patient and its row") << int(Answer::No) << false << 2 << true;
        QTest::newRow("Cancel keeps the patient and its row") << int(Answer::Cancel) << false << 2 << true;
        QTest::newRow("a medical record forbids it") << int(Answer::Yes) << true << 2 << false;
    }
    void deletingFromTheWindow() {
        QFETCH(int, answer);
        QFETCH(bool, examination);
        QFETCH(int, patientsLeft);
        QFETCH(bool, formEmptied);
        storedPatientWith("1", "BENOIT MARC", "03/03/1990");
        storedPatientWith("2", "ZITOUNI AMEL", "01/02/1990");
        if (examination)
            storeRow(Db::Dbexamen, {"1", "10/03/2024", dateNumberText("10/03/2024"), "ANGINE", "", "", "", ""});
        PatientWindow &window = open();
        clickRow(window.patientList(), 0);
        m_env->messages().queueAnswer(Answer(answer));
        press(Qt::Key_Delete, Qt::AltModifier);

        QCOMPARE(m_env->messages().shown.size(), 1);
        QCOMPARE(patientRows().size(), patientsLeft);
        QCOMPARE(window.patientList()->rowCount(), patientsLeft);
        QCOMPARE(window.patientList()->cell(patientsLeft - 1, 1), QStringLiteral("ZITOUNI AMEL"));
        QCOMPARE(window.form().nameField()->text(), formEmptied ? QString() : QStringLiteral("BENOIT MARC"));
        QVERIFY(window.isVisible());
    }

    void deletingAnEmptyFormIsAnUnknownCode() {
        PatientWindow &window = open();
        window.findChild<QPushButton *>("deleteButton")->click();
        QCOMPARE(m_env->messages().titles(), QStringList{"Erreur inattendue"});
    }

    void escapeAndTheOtherFunctionKeysDoNothing() {
        PatientWindow &window = open();
        type("DURAND");
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_F1, Qt::Key_F4, Qt::Key_F8, Qt::Key_F12})
            press(key);
        QVERIFY(window.isVisible());
        QCOMPARE(window.form().nameField()->text(), QStringLiteral("DURAND"));
        QVERIFY(m_env->messages().isEmpty());
    }

private:
    // The patient window over the record window, shown and taking the input when focus matters.
    PatientWindow &open(bool show = true) {
        m_window = std::make_unique<PatientWindow>(*m_record);
        if (show) {
            m_window->show();
            m_window->activateWindow();
            [&] { QVERIFY(QTest::qWaitForWindowActive(m_window.get())); }();
            m_window->form().nameField()->setFocus();
        }
        return *m_window;
    }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<MedicalRecordWindow> m_record;
    std::unique_ptr<PatientWindow> m_window;
};

QTEST_MAIN(TestPatientWindow)
#include "TestPatientWindow.moc"
