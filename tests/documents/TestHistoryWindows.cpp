#include "WindowChecks.h"
#include "documents/HistoryWindow.h"
#include "print/ScreenFonts.h"
#include "record/ClinicalTestHelpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString Today = QStringLiteral("15/03/2024");
const QString TodayNumber = QStringLiteral("1710460800");
const QString WrongDate = QStringLiteral("La date est incorrecte! (doit être sous la forme JJ/MM/AAAA)");

const HistoryKind &kindNamed(const QString &name) {
    if (name == "surgical")
        return surgicalHistoryKind();
    if (name == "family")
        return familyHistoryKind();
    return medicalHistoryKind();
}

QList<const HistoryKind *> allKinds() {
    return {&medicalHistoryKind(), &surgicalHistoryKind(), &familyHistoryKind()};
}

// date, date number and text of every stored entry of the kind.
Rows storedEntries(const HistoryKind &kind) {
    return storedRows(kind.table.db, QStringLiteral("select dateEx,datenum,texte from %1 order by datenum")
                                         .arg(QLatin1String(tableDefinition(kind.table.db).table)));
}

void storeEntry(const HistoryKind &kind, const QString &date, const QString &text) {
    storeRow(kind.table.db, {"7", date, dateNumberText(date), text});
}

QLineEdit *field(QWidget &window, const QString &name) {
    return window.findChild<QLineEdit *>(name);
}

void addKinds() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("medical") << "medical";
    QTest::newRow("surgical") << "surgical";
    QTest::newRow("family") << "family";
}

} // namespace

class TestHistoryWindows : public QObject {
    Q_OBJECT

private slots:
    void init() { m_program = std::make_unique<ClinicalProgram>(); }
    void cleanup() { m_program.reset(); }

    void showsItsWidgetsAtTheirPlaces_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("title");
        QTest::newRow("medical") << "medical"
                                 << "ANTECEDENTS MEDICAUX";
        QTest::newRow("surgical") << "surgical"
                                  << "ANTECEDENTS CHIRURGICAUX";
        QTest::newRow("family") << "family"
                                << "ANTECEDENTS FAMILIAUX";
    }
    void showsItsWidgetsAtTheirPlaces() {
        QFETCH(QString, kind);
        QFETCH(QString, title);
        HistoryWindow window(kindNamed(kind), m_program->record);
        QCOMPARE(window.windowTitle(), title);
        QCOMPARE(window.size(), QSize(700, 510));
        const QHash<QString, QLabel *> labels = labelsOf(window);
        QCOMPARE(labels.value("heading")->text(), title);
        QCOMPARE(labels.value("heading")->geometry(), QRect(20, 10, 300, 20));
        QCOMPARE(labels.value("heading")->font(), screenFont(ScreenFont::Trebuchet11Bold));
        QCOMPARE(labels.value("Date:")->geometry(), QRect(420, 10, 65, 20));
        QCOMPARE(labels.value("Désignation:")->geometry(), QRect(20, 40, 100, 20));
        QCOMPARE(field(window, "dateField")->geometry(), QRect(470, 10, 80, 20));
        QCOMPARE(field(window, "dateField")->text(), Today);
        QCOMPARE(field(window, "textField")->geometry(), QRect(100, 40, 400, 20));
        checkButtons(window, {{"quitButton", {10, 65, 120, 30}, "(#ESC) Quitter"},
                              {"deleteButton", {200, 65, 180, 30}, "(#ALT+SUP) Supprimer"},
                              {"validateButton", {450, 65, 110, 30}, "(#F5) Valider"}});
        QVERIFY(!window.findChild<QPushButton *>("printButton"));
        const ReportList *list = window.findChild<ReportList *>("historyList");
        QCOMPARE(list->geometry(), QRect(10, 100, 550, 150));
        QCOMPARE(list->headerText(0), QStringLiteral("Date"));
        QCOMPARE(list->columnWidth(0), 80);
        QCOMPARE(list->headerText(1), QStringLiteral("T E X T E"));
        QCOMPARE(list->columnWidth(1), 450);
        QCOMPARE(list->palette().color(QPalette::Base), QColor(167, 184, 254));
    }

    // Enter goes from the date to the text and saves from there; a second save on the date replaces
    // the entry. The entry shows in its own kind only, in the window and in the record.
    void anEntryIsSavedInItsOwnKindOnly_data() { addKinds(); }
    void anEntryIsSavedInItsOwnKindOnly() {
        QFETCH(QString, kind);
        const HistoryKind &historyKind = kindNamed(kind);
        HistoryWindow window(historyKind, m_program->record);
        QVERIFY(showActive(window));
        for (const QString text : {"appendicite", "appendicectomie; \"1998\" l'hôpital"}) {
            field(window, "dateField")->setFocus();
            QTest::keyClick(field(window, "dateField"), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), field(window, "textField"));
            typeText(field(window, "textField"), text);
            QTest::keyClick(field(window, "textField"), Qt::Key_Return);
            QCOMPARE(field(window, "textField")->text(), QString());
        }
        QVERIFY(m_program->environment.messages().isEmpty());
        const QString stored = QStringLiteral("APPENDICECTOMIE; \"1998\" L'HÔPITAL");
        for (const HistoryKind *other : allKinds()) {
            const bool same = other == &historyKind;
            QCOMPARE(storedEntries(*other), same ? Rows({{Today, TodayNumber, stored}}) : Rows());
            QCOMPARE(m_program->record.sectionList(other->section)->rowCount(), same ? 1 : 0);
        }
        QCOMPARE(listRows(window.findChild<ReportList *>("historyList")), QList<QStringList>({{Today, stored}}));
        QCOMPARE(listRows(m_program->record.sectionList(historyKind.section)), QList<QStringList>({{Today, stored}}));
    }

    void aRefusedSaveWritesNothing_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("short date") << "1/2/2023"
                                    << "ASTHME" << WrongDate;
        QTest::newRow("year to come") << "01/01/2025"
                                      << "ASTHME" << WrongDate;
        QTest::newRow("empty text") << Today << ""
                                    << "Texte incorrect !";
    }
    void aRefusedSaveWritesNothing() {
        QFETCH(QString, date);
        QFETCH(QString, text);
        QFETCH(QString, message);
        HistoryWindow window(medicalHistoryKind(), m_program->record);
        field(window, "dateField")->setText(date);
        field(window, "textField")->setText(text);
        window.findChild<QPushButton *>("validateButton")->click();
        QCOMPARE(m_program->environment.messages().titles(), QStringList{"Erreur"});
        QCOMPARE(m_program->environment.messages().texts(), QStringList{message});
        QCOMPARE(storedEntries(medicalHistoryKind()), Rows());
    }

    // A click shows the entry's text and leaves the date field alone: a save then stores that text
    // under today's date, and the earlier entry stays.
    void clickingAnEarlierEntryShowsItsTextOnly_data() { addKinds(); }
    void clickingAnEarlierEntryShowsItsTextOnly() {
        QFETCH(QString, kind);
        const HistoryKind &historyKind = kindNamed(kind);
        storeEntry(historyKind, "02/01/2023", "DIABETE");
        HistoryWindow window(historyKind, m_program->record);
        QVERIFY(showActive(window));
        clickRow(window.findChild<ReportList *>("historyList"), 0);
        QCOMPARE(field(window, "textField")->text(), QStringLiteral("DIABETE"));
        QCOMPARE(field(window, "dateField")->text(), Today);
        QTest::keyClick(&window, Qt::Key_F5);
        QCOMPARE(storedEntries(historyKind),
                 Rows({{"02/01/2023", "1672617600", "DIABETE"}, {Today, TodayNumber, "DIABETE"}}));
    }

    // The entry of the date typed goes; the list keeps it until it is filled again.
    void deletingRemovesTheEntryOfTheDateTyped_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Alt+Delete") << true;
        QTest::newRow("Delete button") << false;
    }
    void deletingRemovesTheEntryOfTheDateTyped() {
        QFETCH(bool, byKey);
        storeEntry(familyHistoryKind(), "02/01/2023", "HTA PERE");
        storeEntry(familyHistoryKind(), Today, "DIABETE MERE");
        HistoryWindow window(familyHistoryKind(), m_program->record);
        QVERIFY(showActive(window));
        field(window, "dateField")->setText("02/01/2023");
        field(window, "textField")->setText("X");
        if (byKey)
            QTest::keyClick(&window, Qt::Key_Delete, Qt::AltModifier);
        else
            window.findChild<QPushButton *>("deleteButton")->click();
        QVERIFY(m_program->environment.messages().isEmpty());
        QCOMPARE(storedEntries(familyHistoryKind()), Rows({{Today, TodayNumber, "DIABETE MERE"}}));
        QCOMPARE(field(window, "textField")->text(), QString());
        QCOMPARE(window.findChild<ReportList *>("historyList")->rowCount(), 2);
        QCOMPARE(listColumn(m_program->record.sectionList(Section::FamilyHistory), 1), QStringList{"DIABETE MERE"});

        field(window, "dateField")->setText("1/2/2023");
        window.remove();
        QCOMPARE(m_program->environment.messages().texts(), QStringList{WrongDate});
    }

    // The replacement is written in one go: when the new entry cannot be written the old one stays.
    void aWriteThatFailsKeepsTheStoredEntry() {
        storeEntry(surgicalHistoryKind(), Today, "ANCIEN");
        QVERIFY(db(Db::DbAntC)
                    .execute(QStringLiteral(
                        "create trigger refuse before insert on fAntC begin select raise(abort, 'refus'); end")));
        HistoryWindow window(surgicalHistoryKind(), m_program->record);
        field(window, "textField")->setText("NOUVEAU");
        window.save();
        QCOMPARE(m_program->environment.messages().shown.size(), 1);
        QCOMPARE(storedEntries(surgicalHistoryKind()), Rows({{Today, TodayNumber, "ANCIEN"}}));
        QCOMPARE(field(window, "textField")->text(), QStringLiteral("NOUVEAU"));
    }

private:
    std::unique_ptr<ClinicalProgram> m_program;
};

QTEST_MAIN(TestHistoryWindows)
#include "TestHistoryWindows.moc"
