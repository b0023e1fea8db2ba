#include "record/ClinicalTestHelpers.h"

#include <QApplication>
#include <QTimer>
#include <QToolButton>

class TestDocumentWindowsOpen : public QObject {
    Q_OBJECT

private slots:
    void init() { m_program = std::make_unique<ClinicalProgram>(); }
    void cleanup() { m_program.reset(); }

    // The section button and the icon of the section open its window on the current patient; the
    // window is closed as soon as its own loop runs, and the record's list is then current.
    void eachDocumentSectionOpensItsWindow_data() {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        const QList<std::pair<Section, QString>> sections{
            {Section::SickLeave, "CONGE DE MALADIE"},          {Section::Appointments, "RENDEZ-VOUS"},
            {Section::Certificate, "CERTIFICAT MEDICAL"},      {Section::Letters, "LETTRE DE RECOMMANDATION"},
            {Section::MedicalHistory, "ANTECEDENTS MEDICAUX"}, {Section::SurgicalHistory, "ANTECEDENTS CHIRURGICAUX"},
            {Section::FamilyHistory, "ANTECEDENTS FAMILIAUX"},
        };
        for (const auto &[section, title] : sections) {
            QTest::addRow("%s, section button", qPrintable(title))
                << int(section) << QStringLiteral("sectionButton%1").arg(int(section)) << title;
            QTest::addRow("%s, icon", qPrintable(title))
                << int(section) << QStringLiteral("icon%1").arg(int(section) + 1) << title;
        }
    }
    void eachDocumentSectionOpensItsWindow() {
        QFETCH(int, section);
        QFETCH(QString, button);
        QFETCH(QString, title);
        storeRow(Db::Dbconge, {"7", "15/03/2024", "1710460800", "REPOS", "", "", "", "", "", ""});
        storeRow(Db::Dbcertif, {"7", "15/03/2024", "1710460800", "APTE", "", "", "", "", "", ""});
        storeRow(Db::DbLR, {"7", "15/03/2024", "1710460800", "DR", "OBJET", "CHER", "", "", "", "", "", ""});
        storeRow(Db::Dbrv, {"7", "15/01/2025", "1736899200", "10H", "CONTROLE", ""});
        for (Db history : {Db::DbAntM, Db::DbAntC, Db::DbAntF})
            storeRow(history, {"7", "15/03/2024", "1710460800", "ENTREE"});
        QString opened;
        Qt::WindowFlags flags;
        QTimer::singleShot(0, this, [&] {
            if (QWidget *window = QApplication::activeModalWidget()) {
                opened = window->windowTitle();
                flags = window->windowFlags();
                window->close();
            }
        });
        m_program->record.findChild<QToolButton *>(button)->click();
        QCOMPARE(opened, title);
        // A system menu and a close box, no minimise or maximise box.
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(m_program->record.sectionList(Section(section))->rowCount(), 1);
    }

    // Before a patient is chosen the header shows only sample texts: no document window opens.
    void nothingOpensWithoutACurrentPatient() {
        m_program.reset();
        TestEnvironment environment;
        MedicalRecordWindow record;
        bool opened = false;
        QTimer::singleShot(0, this, [&opened] {
            if (QWidget *window = QApplication::activeModalWidget()) {
                opened = true;
                window->close();
            }
        });
        for (Section section : {Section::SickLeave, Section::Appointments, Section::Certificate, Section::Letters,
                                Section::MedicalHistory, Section::SurgicalHistory, Section::FamilyHistory})
            record.openSection(section);
        QCoreApplication::processEvents();
        QVERIFY(!opened);
    }

private:
    std::unique_ptr<ClinicalProgram> m_program;
};

QTEST_MAIN(TestDocumentWindowsOpen)
#include "TestDocumentWindowsOpen.moc"
