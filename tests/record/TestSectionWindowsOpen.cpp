#include "ClinicalTestHelpers.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

class TestSectionWindowsOpen : public QObject {
    Q_OBJECT

private slots:
    void init() { m_program = std::make_unique<ClinicalProgram>(); }
    void cleanup() { m_program.reset(); }

    // The section button opens its window on the current patient; the window is closed as soon as
    // its own loop runs, and the record's list is then current.
    void eachClinicalSectionButtonOpensItsWindow_data() {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("title");
        QTest::newRow("examination") << int(Section::Examination) << "EXAMEN ET DIAGNOSTIC";
        QTest::newRow("prescription") << int(Section::Prescription) << "ORDONNANCE";
        QTest::newRow("analyses") << int(Section::Analyses) << "ANALYSES MEDICALES";
        QTest::newRow("radiology") << int(Section::Radiology) << "RADIOLOGIE / ECHOGRAPHIE";
    }
    void eachClinicalSectionButtonOpensItsWindow() {
        QFETCH(int, section);
        QFETCH(QString, title);
        storeRow(Db::Dbexamen, {"7", "15/03/2024", "1710460800", "TOUX", "", "", "", ""});
        storeRow(Db::Dbord, {"7", "15/03/2024", "1710460800", "1", "DOLIPRANE", "1 CP"});
        storeRow(Db::Dbanal, {"7", "15/03/2024", "1710460800", "1", "NFS", ""});
        storeRow(Db::Dbradio, {"7", "15/03/2024", "1710460800", "1", "ECHO", ""});
        QString opened;
        Qt::WindowFlags flags;
        QRect inner;
        QTimer::singleShot(0, this, [&] {
            if (QWidget *window = QApplication::activeModalWidget()) {
                opened = window->windowTitle();
                flags = window->windowFlags();
                inner = window->geometry();
                window->close();
            }
        });
        m_program->record.findChild<QToolButton *>(QStringLiteral("sectionButton%1").arg(section))->click();
        QCOMPARE(opened, title);
        // A system menu and a sizeable border, no minimise or maximise box; the inner area centred.
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(inner.topLeft() + QPoint(inner.width(), inner.height()) / 2,
                 available.topLeft() + QPoint(available.width(), available.height()) / 2);
        QCOMPARE(m_program->record.sectionList(Section(section))->rowCount(), 1);
    }

private:
    std::unique_ptr<ClinicalProgram> m_program;
};

QTEST_MAIN(TestSectionWindowsOpen)
#include "TestSectionWindowsOpen.moc"
