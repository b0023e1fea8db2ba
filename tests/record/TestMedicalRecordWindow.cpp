#include "common/ProgramState.h"
#include "record/MedicalRecordWindow.h"
#include "support/TestEnvironment.h"

#include <QHeaderView>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

class TestMedicalRecordWindow : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_env = std::make_unique<TestEnvironment>();
        programState().desktopWidth = 1366; // W = 1316, C = 438
    }
    void cleanup() { m_env.reset(); }

    void opensWithTheSampleHeaderAndTwelveEmptyLists() {
        MedicalRecordWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Logiciel de gestion médicale - Dossier médical"));
        const PatientHeader header = window.header();
        QCOMPARE(header.code, QStringLiteral("999999"));
        QCOMPARE(header.name, QStringLiteral("MMMMMMMMMM FFFFFFFF"));
        QCOMPARE(header.age, QStringLiteral("42"));
        QCOMPARE(header.telephone, QStringLiteral("07 77 77 77 77 "));
        QCOMPARE(header.disease, QStringLiteral("DIABETE"));
        QVERIFY(!window.hasPatient());
        QCOMPARE(window.patientCodeForSections(), QString());
        for (Section section : allSections())
            QCOMPARE(window.sectionList(section)->rowCount(), 0);
        QCOMPARE(window.findChild<QLabel *>("headerCode")->palette().color(QPalette::WindowText), QColor(8, 73, 164));
        QCOMPARE(window.findChild<QLabel *>("headerDisease")->palette().color(QPalette::WindowText),
                 QColor(122, 29, 133));
        QCOMPARE(window.findChild<QToolButton *>("selectPatientButton")->toolTip(),
                 QStringLiteral("Sélectionnez (ou créer) un patient"));
        QCOMPARE(window.findChild<QToolButton *>("closeRecordButton")->geometry(), QRect(1266, 12, 46, 46));
    }

    void sectionsStandInAGridOfThreeColumns_data() {
        QTest::addColumn<int>("section");
        QTest::addColumn<QRect>("listPlace");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<QColor>("background");
        QTest::newRow("examination, top left") << 0 << QRect(36, 78, 403, 100) << QStringList{"Date", "Compte rendu"}
                                               << QList<int>{90, 338} << QColor(27, 109, 166);
        QTest::newRow("prescription, top middle")
            << 1 << QRect(474, 78, 403, 100) << QStringList{"Date", "PRESCRIPTION", "POSOLOGIE"}
            << QList<int>{80, 170, 220} << QColor(27, 109, 166);
        QTest::newRow("appointments, second row right")
            << 5 << QRect(912, 198, 403, 100) << QStringList{"DATE RV", "Heure", "MOTIF", "OBSERVATIONS"}
            << QList<int>{90, 70, 120, 200} << QColor(194, 124, 17);
        QTest::newRow("payments, third row right")
            << 8 << QRect(912, 318, 403, 100) << QStringList{"Date", "DESIGNATION", "TARIF", "VERSEMENT", "SOLDE"}
            << QList<int>{80, 200, 80, 80, 80} << QColor(110, 52, 160);
        QTest::newRow("family history, bottom right")
            << 11 << QRect(912, 438, 403, 100) << QStringList{"Date", "T E X T E"} << QList<int>{80, 400}
            << QColor(40, 118, 100);
    }
    void sectionsStandInAGridOfThreeColumns() {
        QFETCH(int, section);
        QFETCH(QRect, listPlace);
        QFETCH(QStringList, titles);
        QFETCH(QList<int>, widths);
        QFETCH(QColor, background);
        MedicalRecordWindow window;
        ReportList *list = window.sectionList(Section(section));
        QCOMPARE(list->geometry(), listPlace);
        QCOMPARE(list->palette().color(QPalette::Base), background);
        QCOMPARE(list->palette().color(QPalette::Text), QColor(Qt::white));
        QCOMPARE(list->columnCount(), titles.size());
        for (int c = 0; c < titles.size(); ++c) {
            QCOMPARE(list->headerText(c), titles[c]);
            QCOMPARE(list->columnWidth(c), widths[c]);
        }
        const QToolButton *button = window.findChild<QToolButton *>(QStringLiteral("sectionButton%1").arg(section));
        QCOMPARE(button->geometry(), QRect(listPlace.x() - 26, listPlace.y() - 18, 25, 25));
    }

    void sectionTitlesAreWhiteOnTheirColours() {
        MedicalRecordWindow window;
        QStringList titles;
        for (QLabel *label : window.findChildren<QLabel *>())
            if (label->autoFillBackground())
                titles << label->text() + " " + label->palette().color(QPalette::Window).name();
        QCOMPARE(titles.size(), 12);
        QVERIFY(titles.contains("EXAMEN ET DIAGNOSTIC #144d86"));
        QVERIFY(titles.contains("CERTIFICAT MEDICAL #08384e"));
        QVERIFY(titles.contains("O R D O N N A N C E #144d86"));
        QVERIFY(titles.contains("ANTECEDENTS FAMILIAUX #144d86"));
    }

    void iconBarHasThirtyTwoButtonsWithFourteenTooltips() {
        MedicalRecordWindow window;
        QList<QToolButton *> bar;
        for (QToolButton *button : window.findChildren<QToolButton *>())
            if (button->y() == 543)
                bar << button;
        std::sort(bar.begin(), bar.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
        QCOMPARE(bar.size(), 32);
        QCOMPARE(bar.first()->geometry(), QRect(35, 543, 40, 40));
        QCOMPARE(bar.last()->x(), 35 + 31 * 40);
        QStringList tooltips;
        for (QToolButton *button : bar)
            tooltips << button->toolTip();
        QCOMPARE(tooltips.mid(0, 9), QStringList(9, QString()));
        QCOMPARE(tooltips.mid(23), QStringList(9, QString()));
        QCOMPARE(tooltips.mid(9, 14),
                 QStringList({"Sélectionnez un patient", "Examen, diagnostic...", "Ordonnance", "Analyses médicales",
                              "Radiologie, échographie", "Congé de maladie", "Rendez-vous", "Certificat médical",
                              "Lettre d'orientation", "Règlement et solde", "Antécédents médicaux",
                              "Antécédents chirurgicaux", "Antécédents familiaux", "Fermer le dossier médical"}));
    }

    void showingAPatientFillsTheHeader() {
        MedicalRecordWindow window;
        window.showPatient({"12", "DUPONT JEAN", "45 ans", "0601020304", "HTA"});
        QVERIFY(window.hasPatient());
        QCOMPARE(window.patientCodeForSections(), QStringLiteral("12"));
        QCOMPARE(window.findChild<QLabel *>("headerAge")->text(), QStringLiteral("45 ans"));
    }

    void escapeTheCloseButtonAndTheIconCloseTheWindow_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Escape") << "escape";
        QTest::newRow("close button") << "closeRecordButton";
        QTest::newRow("last icon") << "icon13";
    }
    void escapeTheCloseButtonAndTheIconCloseTheWindow() {
        QFETCH(QString, how);
        MedicalRecordWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (how == "escape")
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            window.findChild<QToolButton *>(how)->click();
        QVERIFY(window.isClosing());
        QVERIFY(!window.isVisible());
    }

private:
    std::unique_ptr<TestEnvironment> m_env;
};

QTEST_MAIN(TestMedicalRecordWindow)
#include "TestMedicalRecordWindow.moc"
