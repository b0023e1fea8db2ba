#include "app/MainWindow.h"
#include "print/PracticeSettings.h"
#include "app/PracticeWindow.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(PracticeDetails)

namespace {

const PracticeDetails Lilas{"Cabinet Médical des Lilas", "Pédiatrie",
                            "3, allée de l'Orangerie",   "44000 Nantes",
                            "Tél. : 02 40 11 22 33",     "Consultations sur rendez-vous"};

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Types a text key by key, accented letters included.
void typeText(QWidget *widget, const QString &text) {
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestPracticeSettings : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_env = std::make_unique<TestEnvironment>();
        m_path = QDir(m_env->dataFolder()).filePath(QString::fromLatin1(PracticeSettings::FileName));
    }
    void cleanup() { m_env.reset(); }

    void detailsRoundTripThroughTheFile_data() {
        QTest::addColumn<PracticeDetails>("details");
        QTest::newRow("accents and apostrophes") << Lilas;
        PracticeDetails emptyLines = Lilas;
        emptyLines.addressLine2.clear();
        emptyLines.freeLine.clear();
        QTest::newRow("empty lines stay empty") << emptyLines;
        QTest::newRow("quotes, backslash and braces")
            << PracticeDetails{"Dr \"Jo\" O'Neil", "C:\\cabinet {1}", "", "", "", "  espaces  "};
    }
    void detailsRoundTripThroughTheFile() {
        QFETCH(PracticeDetails, details);
        QVERIFY(PracticeSettings::write(m_path, details));
        PracticeDetails read = samplePracticeDetails();
        QCOMPARE(PracticeSettings::read(m_path, read), PracticeSettings::ReadResult::Read);
        QCOMPARE(read, details);
        // Patient practice data is kept from the other accounts of the computer.
        QCOMPARE(QFile::permissions(m_path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser | QFile::ReadOwner |
                                                QFile::WriteOwner | QFile::ExeOwner),
                 QFileDevice::Permissions());
        QVERIFY(QFile::permissions(m_path) & QFile::ReadOwner);
    }

    void startUpReadsTheFileOrFallsBackToTheSample_data() {
        QTest::addColumn<QByteArray>("content"); // "missing": no file at all
        QTest::addColumn<bool>("sample");
        QTest::addColumn<bool>("reported");
        QTest::newRow("no file") << QByteArray("missing") << true << false;
        QTest::newRow("an empty file from a write cut short") << QByteArray("") << true << false;
        QTest::newRow("the practice's own file")
            << QByteArray(R"({"medecin": "Docteur Ana RUIZ", "specialite": "Cardiologie"})") << false << false;
        QTest::newRow("damaged text") << QByteArray("{\"medecin\": \"Docteur") << true << true;
        QTest::newRow("not our file") << QByteArray("[1, 2, 3]") << true << true;
        QTest::newRow("a detail that is not text") << QByteArray(R"({"medecin": 12})") << true << true;
    }
    void startUpReadsTheFileOrFallsBackToTheSample() {
        QFETCH(QByteArray, content);
        QFETCH(bool, sample);
        QFETCH(bool, reported);
        if (content != "missing")
            writeFile(m_path, content);
        setPracticeDetails(Lilas);
        PracticeSettings::load(m_env->dataFolder());
        if (sample) {
            QCOMPARE(practiceDetails(), samplePracticeDetails());
        } else {
            QCOMPARE(practiceDetails().doctor, QStringLiteral("Docteur Ana RUIZ"));
            QCOMPARE(practiceDetails().addressLine1, QString());
        }
        QCOMPARE(m_env->messages().titles(), reported ? QStringList{"Info"} : QStringList{});
        // Reading never changes the file: a damaged one is still there to be looked at.
        if (content != "missing")
            QCOMPARE(readFile(m_path), content);
        else
            QVERIFY(!QFile::exists(m_path));
    }

    // A settings file that cannot be written is reported; the printed details stay as they were.
    void aFailedSaveIsReportedAndChangesNothing_data() {
        QTest::addColumn<bool>("folderInPlaceOfTheFile");
        QTest::newRow("the data folder has gone") << false;
        QTest::newRow("a folder in place of the file") << true;
    }
    void aFailedSaveIsReportedAndChangesNothing() {
        QFETCH(bool, folderInPlaceOfTheFile);
        QString dataFolder = m_env->dataFolder() + QStringLiteral("/gone");
        if (folderInPlaceOfTheFile) {
            dataFolder = m_env->dataFolder();
            QVERIFY(QDir().mkdir(m_path));
        }
        PracticeSettings::load(dataFolder);
        QCOMPARE(m_env->messages().titles(), folderInPlaceOfTheFile ? QStringList{"Info"} : QStringList{});
        m_env->messages().clear();
        QVERIFY(!PracticeSettings::save(Lilas));
        QCOMPARE(m_env->messages().titles(), QStringList{"Erreur"});
        QCOMPARE(m_env->messages().texts(),
                 QStringList{QStringLiteral("Les paramètres du cabinet n'ont pas pu être enregistrés.")});
        QCOMPARE(practiceDetails(), samplePracticeDetails());
        QCOMPARE(QFileInfo(m_path).isDir(), folderInPlaceOfTheFile);
    }

    // Enter goes down the fields and saves from the last one.
    void theWindowShowsTheCurrentDetailsAndEnterMovesDown() {
        PracticeSettings::load(m_env->dataFolder());
        setPracticeDetails(Lilas);
        PracticeWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Paramètres du cabinet"));
        QCOMPARE(window.typedDetails(), Lilas);
        const QStringList order{"doctor", "speciality", "addressLine1", "addressLine2", "telephone", "freeLine"};
        for (const QString &name : order) {
            QTRY_COMPARE(QApplication::focusWidget()->objectName(), name);
            QVERIFY(!window.isClosing());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QVERIFY(window.isClosing());
        PracticeDetails read;
        QCOMPARE(PracticeSettings::read(m_path, read), PracticeSettings::ReadResult::Read);
        QCOMPARE(read, Lilas);
    }

    // Typing a name redraws the preview; F5 saves, the details print at once and the file carries them.
    void typingUpdatesThePreviewAndF5Saves() {
        PracticeSettings::load(m_env->dataFolder());
        PracticeWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QImage before = window.preview();
        QVERIFY(!before.isNull());
        auto *name = window.findChild<QLineEdit *>(QStringLiteral("doctor"));
        name->clear();
        typeText(name, QStringLiteral("Cabinet Médical des Lilas"));
        QVERIFY(window.preview() != before);
        QCOMPARE(practiceDetails(), samplePracticeDetails()); // nothing saved while typing

        QTest::keyClick(&window, Qt::Key_F5);
        QVERIFY(window.isClosing());
        QCOMPARE(practiceDetails().doctor, QStringLiteral("Cabinet Médical des Lilas"));
        PracticeDetails read;
        QCOMPARE(PracticeSettings::read(m_path, read), PracticeSettings::ReadResult::Read);
        QCOMPARE(read.doctor, QStringLiteral("Cabinet Médical des Lilas"));
        QVERIFY(m_env->messages().isEmpty());
    }

    void escapeClosesWithoutSaving() {
        PracticeSettings::load(m_env->dataFolder());
        PracticeWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *name = window.findChild<QLineEdit *>(QStringLiteral("doctor"));
        QTest::keyClicks(name, QStringLiteral(" bis"));
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isClosing());
        QCOMPARE(practiceDetails(), samplePracticeDetails());
        QVERIFY(!QFile::exists(m_path));
    }

    // The toolbar's "Paramètres" button opens the window.
    void theParametersButtonOpensTheWindow() {
        MainWindow main;
        QString opened;
        QTimer::singleShot(0, [&opened] {
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (auto *window = qobject_cast<PracticeWindow *>(widget)) {
                    opened = window->windowTitle();
                    window->closeWindow();
                }
        });
        main.dispatch(116);
        QCOMPARE(opened, QStringLiteral("Paramètres du cabinet"));
    }

private:
    std::unique_ptr<TestEnvironment> m_env;
    QString m_path;
};

QTEST_MAIN(TestPracticeSettings)
#include "TestPracticeSettings.moc"
