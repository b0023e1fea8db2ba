#include "app/MainWindow.h"
#include "common/ProgramState.h"
#include "patients/PatientForm.h"
#include "patients/PatientSamples.h"
#include "patients/ReferenceListPage.h"
#include "patients/TablesWindow.h"
#include "support/TestEnvironment.h"
#include "ui/ReportList.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

QString focusedName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

void type(const QString &text) {
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void clickRow(ReportList *list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(row).center());
}

QStringList column(const ReportList *list, int column = 0) {
    QStringList cells;
    for (int row = 0; row < list->rowCount(); ++row)
        cells << list->cell(row, column);
    return cells;
}

QStringList storedEntries(Db file, const char *table, const char *column) {
    QStringList entries;
    for (const Row &row : db(file).query(QStringLiteral("Select * from %1 order by %2").arg(table, column)))
        entries << row.value(0);
    return entries;
}

TablesWindow *openTablesWindowOnScreen() {
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<TablesWindow *>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

} // namespace

class TestTablesWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() {
        m_window.reset();
        m_env.reset();
    }

    void opensOnThePageItsMenuItemNames_data() {
        QTest::addColumn<int>("event");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("focus");
        QTest::newRow("Table des patients") << 1 << 0 << "nameField";
        QTest::newRow("Table des médicaments") << 2 << 1 << "entryField";
        QTest::newRow("Table des maladies") << 3 << 2 << "entryField";
        QTest::newRow("Table des prescriptions") << 4 << 3 << "entryField";
        QTest::newRow("the toolbar's Les tables") << 100 << 0 << "nameField";
    }
    void opensOnThePageItsMenuItemNames() {
        QFETCH(int, event);
        QFETCH(int, page);
        QFETCH(QString, focus);
        programState().page = 3;
        MainWindow main;
        int shownPage = -1;
        QString shownFocus;
        QTimer::singleShot(0, [&] {
            TablesWindow *window = openTablesWindowOnScreen();
            QVERIFY(window);
            shownPage = window->pages()->currentIndex();
            shownFocus = window->focusWidget() ? window->focusWidget()->objectName() : QString();
            window->pages()->setCurrentIndex(TablesWindow::Close); // " FERMER"
        });
        main.dispatch(event);
        QCOMPARE(shownPage, page);
        QCOMPARE(shownFocus, focus);
        QVERIFY(!openTablesWindowOnScreen());
        QCOMPARE(programState().page, int(TablesWindow::Close));
    }

    void f5OnTheDiseasesPageAddsTheTypedDisease() {
        MainWindow main;
        QStringList listed;
        QTimer::singleShot(0, [&] {
            TablesWindow *window = openTablesWindowOnScreen();
            QVERIFY(window && QTest::qWaitForWindowActive(window));
            QTest::keyClicks(window->focusWidget(), "diabete");
            QTest::keyClick(window->focusWidget(), Qt::Key_F5);
            listed = column(window->referencePage(TablesWindow::Diseases)->list());
            window->close();
        });
        main.dispatch(3);
        QCOMPARE(listed, QStringList{"DIABETE"});
        QCOMPARE(storedEntries(Db::tablemal, "TableMal", "maladie"), QStringList{"DIABETE"});
    }

    void windowPagesAndPlaces() {
        TablesWindow &window = open(TablesWindow::Patients);
        QCOMPARE(window.windowTitle(), QStringLiteral("Logiciel de gestion cabinet médical  - Tables "));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(250, 218, 142));
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(window.pages()->geometry(), QRect(10, 10, screen.width() - 90, screen.height() - 100));
        QStringList captions;
        for (int i = 0; i < window.pages()->count(); ++i)
            captions << window.pages()->tabText(i);
        QCOMPARE(captions, QStringList({" Table des patients", " Table des médicaments", " Table des maladies",
                                        " Table des prescriptions", " FERMER"}));

        QWidget *patients = window.pages()->widget(0);
        const QList<std::pair<const char *, QRect>> places{
            {"pagePicture", {10, 10, 64, 64}},       {"heading", {80, 30, 200, 30}},
            {"formFrame", {10, 90, 1000, 170}},      {"choiceList", {550, 90, 280, 150}},
            {"codeLabel", {110, 110, 70, 20}},       {"nameField", {330, 110, 190, 20}},
            {"ageUnitLabel", {370, 132, 50, 20}},    {"sexField", {500, 132, 20, 20}},
            {"categoryField", {330, 198, 190, 20}},  {"socialSecurityField", {110, 220, 130, 20}},
            {"deleteButton", {10, 280, 120, 30}},    {"newPatientButton", {360, 280, 130, 30}},
            {"validateButton", {710, 280, 120, 30}}, {"patientList", {10, 320, 1000, 250}},
        };
        for (const auto &[name, place] : places) {
            const QWidget *widget = patients->findChild<QWidget *>(name);
            QVERIFY2(widget, name);
            QCOMPARE(widget->geometry(), place);
        }
        QCOMPARE(window.form().codeLabel()->palette().color(QPalette::Window), QColor(159, 230, 245));
        QCOMPARE(window.form().choiceList()->palette().color(QPalette::Base), QColor(227, 238, 172));
        QCOMPARE(window.patientList()->palette().color(QPalette::Base), QColor(196, 195, 233));
        const QList<int> widths{40, 200, 80, 50, 40, 25, 40, 90, 100, 90, 100, 80};
        for (int c = 0; c < widths.size(); ++c)
            QCOMPARE(window.patientList()->columnWidth(c), widths[c]);
        QCOMPARE(window.patientList()->headerText(10), QStringLiteral("Maladie"));
        const QLabel *heading = patients->findChild<QLabel *>("heading");
        QCOMPARE(heading->font().family(), QStringLiteral("arial"));
        QVERIFY(heading->font().bold());
        QVERIFY(patients->findChildren<QLabel *>().size() > 12);
        bool maladieCaption = false;
        for (const QLabel *label : patients->findChildren<QLabel *>())
            maladieCaption |= label->text() == u"Maladie:" && label->geometry() == QRect(260, 198, 80, 20);
        QVERIFY(maladieCaption);
    }

    void referencePagesFollowTheirDescriptors_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("listTitle");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QRect>("picture");
        QTest::addColumn<QRect>("list");
        QTest::newRow("medicines") << 1 << "TABLE DES MEDICAMENTS"
                                   << "DESIGNATION DU MEDICAMENT:"
                                   << "L I S T E    D E S    M E D I C A M E N T S" << QColor(246, 211, 154)
                                   << QRect(10, 20, 54, 36) << QRect(10, 175, 500, 300);
        QTest::newRow("diseases") << 2 << "TABLE DES MALADIES"
                                  << "TYPE DE MALADIE:"
                                  << "L I S T E    D E S    M A L A D I E S" << QColor(205, 239, 212)
                                  << QRect(10, 20, 62, 48) << QRect(10, 175, 500, 300);
        QTest::newRow("prescriptions") << 3 << "TABLE DES PRESCRIPTIONS"
                                       << "PRESCRIPTION:"
                                       << "L I S T E    D E S    P R E S C R I P T I O N S" << QColor(151, 221, 236)
                                       << QRect(10, 15, 48, 49) << QRect(10, 185, 500, 300);
    }
    void referencePagesFollowTheirDescriptors() {
        QFETCH(int, page);
        QFETCH(QString, heading);
        QFETCH(QString, caption);
        QFETCH(QString, listTitle);
        QFETCH(QColor, background);
        QFETCH(QRect, picture);
        QFETCH(QRect, list);
        TablesWindow &window = open(page);
        ReferenceListPage *shown = window.referencePage(page);
        QCOMPARE(shown->findChild<QLabel *>("heading")->text(), heading);
        QCOMPARE(shown->findChild<QLabel *>("heading")->x(), page == 3 ? 70 : 80);
        QCOMPARE(shown->findChild<QLabel *>("caption")->text(), caption);
        QCOMPARE(shown->findChild<QLabel *>("pagePicture")->geometry(), picture);
        QCOMPARE(shown->entryField()->geometry(), QRect(220, 90, 150, 20));
        QCOMPARE(shown->findChild<QToolButton *>("deleteButton")->geometry(), QRect(10, 135, 120, 30));
        QCOMPARE(shown->findChild<QToolButton *>("validateButton")->geometry(), QRect(390, 135, 120, 30));
        QCOMPARE(shown->list()->geometry(), list);
        QCOMPARE(shown->list()->headerText(0), listTitle);
        QCOMPARE(shown->list()->columnWidth(0), 480);
        QCOMPARE(shown->list()->palette().color(QPalette::Base), background);
    }

    void anEntryIsStoredInCapitalsAndOnce_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("file");
        QTest::addColumn<QString>("how");
        QTest::newRow("medicine by F5") << 1 << int(Db::tablemedic) << "F5";
        QTest::newRow("disease by Enter") << 2 << int(Db::tablemal) << "Enter";
        QTest::newRow("prescription by the Validate button") << 3 << int(Db::tablepres) << "button";
    }
    void anEntryIsStoredInCapitalsAndOnce() {
        QFETCH(int, page);
        QFETCH(int, file);
        QFETCH(QString, how);
        TablesWindow &window = open(page);
        ReferenceListPage *shown = window.referencePage(page);
        const auto validate = [&] {
            if (how == u"F5")
                press(Qt::Key_F5);
            else if (how == u"Enter")
                press(Qt::Key_Return);
            else
                shown->findChild<QToolButton *>("validateButton")->click();
        };
        for (const char *typed : {"aspirine", "ASPIRINE"}) {
            shown->entryField()->setFocus();
            type(typed);
            validate();
        }
        const Rows stored =
            db(Db(file)).query(QStringLiteral("Select * from %1").arg(QLatin1String(tableDefinition(Db(file)).table)));
        QCOMPARE(stored, Rows{Row{"ASPIRINE"}});
        QCOMPARE(column(shown->list()), QStringList{"ASPIRINE"});
        // The second add wrote nothing and said nothing; the field keeps the text.
        QCOMPARE(shown->entryField()->text(), QStringLiteral("ASPIRINE"));
        QVERIFY(m_env->messages().isEmpty());
        shown->findChild<QToolButton *>("validateButton")->click(); // still there: nothing
        shown->entryField()->clear();
        press(Qt::Key_F5); // an empty field: nothing
        QCOMPARE(column(shown->list()), QStringList{"ASPIRINE"});
        QVERIFY(m_env->messages().isEmpty());
    }

    void theListIsSortedAndARowClickPicksItsTextForDeletion() {
        storeRow(Db::tablepres, {"PARACETAMOL"});
        storeRow(Db::tablepres, {"AMOXICILLINE"});
        storeRow(Db::tablepres, {"IBUPROFENE"});
        TablesWindow &window = open(TablesWindow::Prescriptions);
        ReferenceListPage *page = window.referencePage(TablesWindow::Prescriptions);
        QCOMPARE(column(page->list()), QStringList({"AMOXICILLINE", "IBUPROFENE", "PARACETAMOL"}));
        clickRow(page->list(), 1);
        QCOMPARE(page->entryField()->text(), QStringLiteral("IBUPROFENE"));
        page->findChild<QToolButton *>("deleteButton")->click();
        QCOMPARE(column(page->list()), QStringList({"AMOXICILLINE", "PARACETAMOL"}));
        QCOMPARE(storedEntries(Db::tablepres, "TablePres", "pres"), QStringList({"AMOXICILLINE", "PARACETAMOL"}));
        QCOMPARE(page->entryField()->text(), QString());
        QCOMPARE(QApplication::focusWidget(), page->entryField());
        QVERIFY(m_env->messages().isEmpty());
    }

    void altDeleteWithAnEmptyField_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("medicines: the user is asked to pick one")
            << 1 << QStringList{"Sélectionnez le médicament à supprimer ! "} << QStringList({"", "ASPIRINE"});
        QTest::newRow("diseases: the empty entry goes, silently") << 2 << QStringList() << QStringList{"ASPIRINE"};
    }
    void altDeleteWithAnEmptyField() {
        QFETCH(int, page);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, left);
        const Db file = page == 1 ? Db::tablemedic : Db::tablemal;
        storeRow(file, {""});
        storeRow(file, {"ASPIRINE"});
        TablesWindow &window = open(page);
        press(Qt::Key_Delete, Qt::AltModifier);
        QCOMPARE(m_env->messages().texts(), messages);
        if (!messages.isEmpty())
            QCOMPARE(m_env->messages().titles(), QStringList{"Erreur"});
        QCOMPARE(column(window.referencePage(page)->list()), left);
    }

    void patientListColoursWomenAndFollowsSaves() {
        storedPatientWith("1", "BENOIT MARC", "03/03/1990");
        PatientFields amel = typedPatient("ZITOUNI AMEL", "01/02/1990");
        amel.code = "2";
        amel.sex = "F";
        storePatient(amel);
        TablesWindow &window = open(TablesWindow::Patients);
        ReportList *list = window.patientList();
        QCOMPARE(column(list, 1), QStringList({"BENOIT MARC", "ZITOUNI AMEL"}));
        QCOMPARE(list->cellBackground(1, 1), QColor(236, 192, 205));
        QVERIFY(list->cellBackground(0, 1) != QColor(236, 192, 205));

        clickRow(list, 1);
        QCOMPARE(window.form().nameField()->text(), QStringLiteral("ZITOUNI AMEL"));
        window.form().telephoneField()->setText("0666 00 00 00");
        press(Qt::Key_F5);
        QVERIFY(m_env->messages().isEmpty());
        QCOMPARE(list->rowCount(), 2);
        QCOMPARE(list->cell(1, 9), QStringLiteral("0666 00 00 00"));
        QCOMPARE(list->cellBackground(1, 1), QColor(236, 192, 205));
        QCOMPARE(window.form().fields(), PatientFields()); // emptied for the next patient
        QVERIFY(window.isVisible());                       // the window stays

        window.form().fill(typedPatient("DURAND PAUL", "10/06/1980"));
        window.pages()->widget(0)->findChild<QToolButton *>("validateButton")->click();
        QCOMPARE(list->rowCount(), 3);
        QCOMPARE(list->cell(2, 0), QStringLiteral("3"));
        QCOMPARE(storedPatient("3")->name, QStringLiteral("DURAND PAUL"));

        clickRow(list, 2);
        m_env->messages().queueAnswer(Messages::Answer::Yes);
        press(Qt::Key_Delete, Qt::AltModifier);
        QCOMPARE(m_env->messages().titles(), QStringList{"Confirmation"});
        QCOMPARE(list->rowCount(), 2);
        QVERIFY(!storedPatient("3"));
    }

    void theSexAndAgeRulesOfTheForm() {
        TablesWindow &window = open(TablesWindow::Patients);
        window.form().sexField()->setFocus();
        QCOMPARE(column(window.form().choiceList()), QStringList({"Masculin", "Féminin"}));
        type("g");
        QCOMPARE(focusedName(), QStringLiteral("sexField"));
        window.form().sexField()->clear();
        type("f");
        QCOMPARE(focusedName(), QStringLiteral("familySituationField"));

        window.form().fill(PatientFields{.age = "12", .ageUnit = "ans"});
        window.form().sexField()->setFocus();
        press(Qt::Key_Return);
        QCOMPARE(window.form().familySituationField()->text(), QStringLiteral("C"));
        QCOMPARE(window.form().childrenField()->text(), QStringLiteral("0"));
        QCOMPARE(focusedName(), QStringLiteral("professionField"));
    }

    void theCategoryProposesDiseasesAndAClickSavesAtOnce() {
        for (const char *disease : {"DIABETE", "ASTHME", "DIALYSE", "DIABETE"})
            storeRow(Db::tablemal, {disease});
        TablesWindow &window = open(TablesWindow::Patients);
        PatientFields typed = typedPatient("DURAND PAUL", "10/06/1980");
        typed.category.clear();
        window.form().fill(typed);
        window.form().categoryField()->setFocus();
        type("dia");
        QCOMPARE(column(window.form().choiceList()), QStringList({"DIABETE", "DIALYSE"}));
        clickRow(window.form().choiceList(), 0);
        QTRY_COMPARE(window.patientList()->rowCount(), 1);
        QCOMPARE(storedPatient("1")->category, QStringLiteral("DIABETE"));
        QCOMPARE(window.patientList()->cell(0, 10), QStringLiteral("DIABETE"));
        QCOMPARE(window.form().fields(), PatientFields());
        QVERIFY(m_env->messages().isEmpty());
    }

    void f6StartsANewPatientOnlyOnThePatientPage() {
        storedPatientWith("4", "BENOIT MARC", "03/03/1990");
        TablesWindow &window = open(TablesWindow::Medicines);
        press(Qt::Key_F6);
        QCOMPARE(window.form().codeLabel()->text(), QString());
        window.pages()->setCurrentIndex(TablesWindow::Patients);
        QCOMPARE(programState().page, 0);
        press(Qt::Key_F6);
        QCOMPARE(window.form().codeLabel()->text(), QStringLiteral("5"));
        QCOMPARE(focusedName(), QStringLiteral("nameField"));
    }

    void escapeDoesNotCloseButFermerAndTheCloseBoxDo_data() {
        QTest::addColumn<bool>("fermer");
        QTest::newRow("the FERMER page") << true;
        QTest::newRow("the close box") << false;
    }
    void escapeDoesNotCloseButFermerAndTheCloseBoxDo() {
        QFETCH(bool, fermer);
        TablesWindow &window = open(TablesWindow::Diseases);
        type("ANGINE");
        press(Qt::Key_Escape);
        QVERIFY(window.isVisible());
        QVERIFY(!window.isClosing());
        if (fermer)
            window.pages()->setCurrentIndex(TablesWindow::Close);
        else
            window.close();
        QVERIFY(window.isClosing());
        QVERIFY(!window.isVisible());
        QCOMPARE(storedEntries(Db::tablemal, "TableMal", "maladie"), QStringList()); // typed, never validated
    }

private:
    TablesWindow &open(int page) {
        programState().page = page;
        m_window = std::make_unique<TablesWindow>();
        m_window->show();
        m_window->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(m_window.get())); }();
        // The window put the focus in the page's first field before it was shown.
        if (ReferenceListPage *reference = m_window->referencePage(page))
            reference->entryField()->setFocus();
        else
            m_window->form().nameField()->setFocus();
        return *m_window;
    }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<TablesWindow> m_window;
};

QTEST_MAIN(TestTablesWindow)
#include "TestTablesWindow.moc"
