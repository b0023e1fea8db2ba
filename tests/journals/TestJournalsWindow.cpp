#include "JournalTestHelpers.h"
#include "app/Events.h"
#include "app/MainWindow.h"
#include "journals/JournalsWindow.h"
#include "print/ScreenFonts.h"
#include "support/PrintCapture.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace {

template <typename Widget> Widget *in(JournalsWindow &window, Journal journal, const char *name) {
    return window.page(journal)->findChild<Widget *>(QLatin1String(name));
}

void setPeriod(JournalsWindow &window, Journal journal, const QDate &from, const QDate &to) {
    in<QDateEdit>(window, journal, "periodStart")->setDate(from);
    in<QDateEdit>(window, journal, "periodEnd")->setDate(to);
}

} // namespace

class TestJournalsWindow : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_environment = std::make_unique<TestEnvironment>();
        storeJanuaryPractice();
    }
    void cleanup() { m_environment.reset(); }

    void showsItsTabsAndWidgetsAtTheirPlaces() {
        JournalsWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Logiciel de gestion médicale - Journaux "));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(188, 153, 205));
        QCOMPARE(window.tabs()->geometry(), QRect(10, 10, 1366 - 350, 768 - 100));
        QStringList captions;
        for (int i = 0; i < window.tabs()->count(); ++i)
            captions << window.tabs()->tabText(i);
        QCOMPARE(captions, QStringList({" Journal des consultations", " Journal des analyses médicales",
                                        " Journal des radios/echographies", " Journal des crédits", " FERMER"}));

        const QList<std::tuple<Journal, QString, QList<ListColumn>, QColor, QString, int>> tabs{
            {Journal::Consultations,
             "JOURNAL DES CONSULTATIONS",
             {{"N° Cons.", 60},
              {"Date de cons.", 100},
              {"Nom du patient", 200},
              {"Age", 60},
              {"Sit.Fam.", 60},
              {"Etat du malade", 280}},
             QColor(240, 230, 140),
             "NOMBRE DE CONSULTATIONS:",
             200},
            {Journal::Analyses,
             "JOURNAL DES ANALYSES MEDICALES",
             {{"N°", 60},
              {"Date", 100},
              {"Nom du patient", 200},
              {"Type d'analyses", 150},
              {"Résultats des analyses", 200}},
             QColor(175, 238, 238),
             "NOMBRE D'ANALYSES:",
             180},
            {Journal::Radiology,
             "JOURNAL DES RADIOS/ECHOGRAPHIES",
             {{"N°", 60},
              {"Date", 100},
              {"Nom du patient", 200},
              {"Type de radios", 150},
              {"Résultats des radios", 300}},
             QColor(152, 251, 152),
             "NOMBRE DE RADIOS:",
             180},
            {Journal::Credits,
             "JOURNAL DES CREDITS",
             {{"Date", 100}, {"Libellé de l'opération", 250}, {"Débit", 90}, {"Crédit", 90}, {"Solde", 90}},
             QColor(255, 192, 203),
             "",
             0},
        };
        for (const auto &[journal, title, columns, background, countCaption, countX] : tabs) {
            QWidget *page = window.page(journal);
            QHash<QString, QLabel *> labels;
            for (QLabel *label : page->findChildren<QLabel *>())
                labels.insert(label->objectName().isEmpty() ? label->text() : label->objectName(), label);
            QCOMPARE(labels.value(title)->geometry(), QRect(10, 30, 800, 30));
            QCOMPARE(labels.value(title)->font(), screenFont(ScreenFont::Arial11Bold));
            QCOMPARE(labels.value("Nom du patient:")->geometry(), QRect(20, 75, 100, 20));
            QCOMPARE(labels.value("PERIODE DU : ")->geometry(), QRect(510, 75, 100, 20));
            QCOMPARE(labels.value("AU :")->geometry(), QRect(710, 75, 40, 20));
            QCOMPARE(in<QComboBox>(window, journal, "patientName")->geometry(), QRect(120, 75, 200, 20));
            QVERIFY(in<QComboBox>(window, journal, "patientName")->isEditable());
            for (const auto &[name, place] :
                 {std::pair{"periodStart", QRect(600, 75, 100, 20)}, std::pair{"periodEnd", QRect(740, 75, 100, 20)}}) {
                const QDateEdit *picker = in<QDateEdit>(window, journal, name);
                QCOMPARE(picker->geometry(), place);
                QCOMPARE(picker->text(), QStringLiteral("15/03/2024"));
            }
            QCOMPARE(in<QPushButton>(window, journal, "printButton")->geometry(), QRect(10, 135, 100, 30));
            QCOMPARE(in<QPushButton>(window, journal, "printButton")->text(), QStringLiteral("Imprimer"));
            QCOMPARE(in<QPushButton>(window, journal, "showButton")->geometry(), QRect(770, 135, 100, 30));
            QCOMPARE(in<QPushButton>(window, journal, "showButton")->text(), QStringLiteral("Afficher"));
            const QProgressBar *progress = in<QProgressBar>(window, journal, "progressBar");
            QCOMPARE(progress->geometry(), QRect(130, 145, 620, 12));
            QCOMPARE(progress->maximum(), 300);
            QCOMPARE(progress->value(), 0);

            const ReportList *list = in<ReportList>(window, journal, "journalList");
            QCOMPARE(list->geometry(), QRect(10, 175, 860, 300));
            QCOMPARE(list->palette().color(QPalette::Base), background);
            QCOMPARE(list->columnCount(), columns.size());
            for (int c = 0; c < columns.size(); ++c) {
                QCOMPARE(list->headerText(c), columns[c].title);
                QCOMPARE(list->columnWidth(c), columns[c].width);
            }

            const QCheckBox *box = in<QCheckBox>(window, journal, "allPatients");
            const QLabel *count = in<QLabel>(window, journal, "countValue");
            if (journal == Journal::Credits) {
                QVERIFY(!box);
                QVERIFY(!count);
                QCOMPARE(list->columnAlignment(0), Qt::AlignHCenter);
                QCOMPARE(list->columnAlignment(4), Qt::AlignRight);
                continue;
            }
            QCOMPARE(box->geometry(), QRect(330, 75, 120, 20));
            QCOMPARE(box->text(), QStringLiteral("Tous les patients"));
            QVERIFY(box->isChecked());
            QCOMPARE(labels.value(countCaption)->geometry().topLeft(), QPoint(10, 485));
            QCOMPARE(count->geometry(), QRect(countX, 485, 60, 20));
            QCOMPARE(count->palette().color(QPalette::Window), QColor(247, 227, 155));
        }
        // The patient choices: every patient on the acts' tabs, patients with an account on the credits tab.
        QCOMPARE(in<QComboBox>(window, Journal::Analyses, "patientName")->count(), 3);
        QCOMPARE(in<QComboBox>(window, Journal::Credits, "patientName")->count(), 0);
        QCOMPARE(in<QComboBox>(window, Journal::Analyses, "patientName")->currentText(), QString());
    }

    void opensOnTheTabOfItsMenuItem_data() {
        QTest::addColumn<int>("event");
        QTest::addColumn<int>("tab");
        QTest::newRow("30") << 30 << 0;
        QTest::newRow("31") << 31 << 1;
        QTest::newRow("32") << 32 << 2;
        QTest::newRow("33") << 33 << 3;
        QTest::newRow("toolbar 109") << 109 << 0;
        QTest::newRow("toolbar 110") << 110 << 1;
        QTest::newRow("toolbar 111") << 111 << 2;
    }
    void opensOnTheTabOfItsMenuItem() {
        QFETCH(int, event);
        QFETCH(int, tab);
        programState().page = 3 - tab; // whatever was asked before
        MainWindow main;
        int shown = -1;
        QTimer::singleShot(0, this, [&shown] {
            if (auto *window = qobject_cast<JournalsWindow *>(QApplication::activeModalWidget())) {
                shown = window->tabs()->currentIndex();
                window->close();
            }
        });
        main.dispatch(event);
        QCOMPARE(shown, tab);
    }

    void theCloseTabClosesTheWindowAndIsRemembered() {
        programState().page = 2;
        JournalsWindow window;
        QCOMPARE(window.tabs()->currentIndex(), 2);
        window.tabs()->setCurrentIndex(1);
        QCOMPARE(programState().page, 1);
        window.tabs()->setCurrentIndex(4);
        QVERIFY(window.isClosing());
        QCOMPARE(programState().page, 4);
    }

    // A typed name overrides the all-patients box; checking the box empties the name.
    void theNameAloneChoosesThePatient() {
        JournalsWindow window;
        QVERIFY(showActive(window));
        setPeriod(window, Journal::Consultations, {2024, 1, 1}, {2024, 1, 31});
        QComboBox *name = in<QComboBox>(window, Journal::Consultations, "patientName");
        QCheckBox *box = in<QCheckBox>(window, Journal::Consultations, "allPatients");
        QPushButton *show = in<QPushButton>(window, Journal::Consultations, "showButton");
        const ReportList *list = in<ReportList>(window, Journal::Consultations, "journalList");
        const QLabel *count = in<QLabel>(window, Journal::Consultations, "countValue");

        show->click();
        QCOMPARE(listColumn(list, 0), QStringList({"1", "2", "3"}));
        QCOMPARE(count->text(), QStringLiteral("3"));
        QCOMPARE(in<QProgressBar>(window, Journal::Consultations, "progressBar")->value(), 300);

        typeText(name->lineEdit(), "martin anne");
        QCOMPARE(name->currentText(), QStringLiteral("MARTIN ANNE"));
        QVERIFY(!box->isChecked());
        show->click();
        QCOMPARE(listColumn(list, 2), QStringList{"MARTIN ANNE"});
        QCOMPARE(count->text(), QStringLiteral("1"));

        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(box->isChecked());
        QCOMPARE(name->currentText(), QString());
        show->click();
        QCOMPARE(list->rowCount(), 3);
    }

    void anUnknownNameIsReportedAndTheCountStays() {
        JournalsWindow window;
        setPeriod(window, Journal::Analyses, {2024, 1, 1}, {2024, 1, 31});
        in<QPushButton>(window, Journal::Analyses, "showButton")->click();
        QCOMPARE(in<QLabel>(window, Journal::Analyses, "countValue")->text(), QStringLiteral("3"));
        in<QComboBox>(window, Journal::Analyses, "patientName")->setEditText("DURAND PAUL");
        in<QPushButton>(window, Journal::Analyses, "showButton")->click();
        QCOMPARE(m_environment->messages().titles(), QStringList{"Erreur inattendue"});
        QCOMPARE(m_environment->messages().texts(), QStringList{"Nom de malade inexistant dans la table !"});
        QCOMPARE(in<ReportList>(window, Journal::Analyses, "journalList")->rowCount(), 0);
        QCOMPARE(in<QLabel>(window, Journal::Analyses, "countValue")->text(), QStringLiteral("3"));
    }

    void theCreditsTotalsLineStandsOut() {
        storeAccountLine("2", "02/01/2024", "CONSULTATION", "150000", "000");
        storeAccountLine("2", "05/01/2024", "VERSEMENT", "000", "100000");
        JournalsWindow window;
        QComboBox *name = in<QComboBox>(window, Journal::Credits, "patientName");
        QCOMPARE(chooserDates(name), QStringList{"MARTIN ANNE"});
        name->setCurrentIndex(0);
        setPeriod(window, Journal::Credits, {2024, 1, 1}, {2024, 12, 31});
        in<QPushButton>(window, Journal::Credits, "showButton")->click();
        const ReportList *list = in<ReportList>(window, Journal::Credits, "journalList");
        QCOMPARE(list->rowCells(2),
                 QStringList({"", "               T O T A U X ... ", "1 500.00", "1 000.00", "500.00"}));
        for (int c = 0; c < 5; ++c) {
            QCOMPARE(list->cellBackground(2, c), QColor(255, 222, 173));
            QCOMPARE(list->cellBackground(1, c), QColor());
        }
    }

    // Printing reads the list as shown and the header fields as they stand at the click.
    void printsTheListAsShownUnderTheCurrentHeader() {
        PrintCapture capture;
        JournalsWindow window;
        in<QPushButton>(window, Journal::Radiology, "printButton")->click();
        QCOMPARE(m_environment->messages().texts(), QStringList{"Il n'y a rien à imprimer ! "});
        QCOMPARE(capture.dialogsAsked(), 0);

        setPeriod(window, Journal::Radiology, {2024, 1, 1}, {2024, 1, 31});
        in<QPushButton>(window, Journal::Radiology, "showButton")->click();
        storeActLine(Db::Dbradio, "1", "21/01/2024", "1", "RADIO THORAX", "");
        setPeriod(window, Journal::Radiology, {2023, 1, 1}, {2023, 12, 31});
        in<QPushButton>(window, Journal::Radiology, "printButton")->click();
        const RecordingPage *page = capture.lastRecording();
        QVERIFY(page);
        QVERIFY(page->findText("JOURNAL DES RADIOS ET ECHOGRAPHIES"));
        QVERIFY(page->findText("Période du 01/01/2023 au 31/12/2023"));
        QVERIFY(page->findText("ECHO ABDOMINALE"));
        QVERIFY(!page->findText("RADIO THORAX"));
    }

private:
    std::unique_ptr<TestEnvironment> m_environment;
};

QTEST_MAIN(TestJournalsWindow)
#include "TestJournalsWindow.moc"
