#include "WindowChecks.h"
#include "documents/SevenLineWindow.h"
#include "print/ScreenFonts.h"
#include "record/ClinicalTestHelpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString Today = QStringLiteral("15/03/2024");
const QString TodayNumber = QStringLiteral("1710460800");
const QString WrongDate = QStringLiteral("La date est incorrecte! (doit être sous la forme JJ/MM/AAAA)");

const SevenLineKind &kindNamed(const QString &name) {
    return name == "sick leave" ? sickLeaveKind() : certificateKind();
}

QString tableOf(const SevenLineKind &kind) {
    return QLatin1String(tableDefinition(kind.table.db).table);
}

// Every stored document: date, date number and the seven lines.
Rows storedDocuments(const SevenLineKind &kind) {
    return storedRows(kind.table.db, QStringLiteral("select dateEx,datenum,txt1,txt2,txt3,txt4,txt5,txt6,txt7 "
                                                    "from %1 order by datenum")
                                         .arg(tableOf(kind)));
}

void storeDocument(const SevenLineKind &kind, const QString &date, const QStringList &lines) {
    storeRow(kind.table.db, QStringList{"7", date, dateNumberText(date)} + lines);
}

QLineEdit *inputLine(QWidget &window, int line) {
    return window.findChild<QLineEdit *>(QStringLiteral("line%1").arg(line));
}

void typeLines(QWidget &window, const QStringList &lines) {
    for (int line = 0; line < lines.size(); ++line)
        inputLine(window, line + 1)->setText(lines[line]);
}

QStringList inputTexts(QWidget &window) {
    QStringList texts;
    for (int line = 1; line <= TypedLineCount; ++line)
        texts << inputLine(window, line)->text();
    return texts;
}

void addKinds() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("certificate") << "certificate";
    QTest::newRow("sick leave") << "sick leave";
}

} // namespace

class TestSevenLineWindows : public QObject {
    Q_OBJECT

private slots:
    void init() { m_program = std::make_unique<ClinicalProgram>(); }
    void cleanup() { m_program.reset(); }

    void showsItsWidgetsAtTheirPlaces_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("deleteCaption");
        QTest::addColumn<int>("deleteWidth");
        QTest::addColumn<int>("textWidth");
        QTest::newRow("certificate") << "certificate"
                                     << "CERTIFICAT MEDICAL"
                                     << "CERTIFICAT MEDICAL DU"
                                     << "(#ALT+SUP) Supprimer le certificat" << 200 << 500;
        QTest::newRow("sick leave") << "sick leave"
                                    << "CONGE DE MALADIE"
                                    << "CONGE DE MALADIE DU"
                                    << "(#ALT+SUP) Supprimer le congé" << 180 << 450;
    }
    void showsItsWidgetsAtTheirPlaces() {
        QFETCH(QString, kind);
        QFETCH(QString, title);
        QFETCH(QString, heading);
        QFETCH(QString, deleteCaption);
        QFETCH(int, deleteWidth);
        QFETCH(int, textWidth);
        SevenLineWindow window(kindNamed(kind), m_program->record);
        QCOMPARE(window.windowTitle(), title);
        QCOMPARE(window.size(), QSize(700, 500));

        const QHash<QString, QLabel *> labels = labelsOf(window);
        QCOMPARE(framesOf(window), QList<QRect>{QRect(10, 10, 550, 210)});
        QCOMPARE(labels.value("actTitle")->text(), heading);
        QCOMPARE(labels.value("actTitle")->geometry(), QRect(20, 23, 140, 20));
        QCOMPARE(labels.value("dateLabel")->text(), Today);
        QCOMPARE(labels.value("dateLabel")->geometry(), QRect(160, 23, 90, 20));
        for (const char *name : {"actTitle", "dateLabel"}) {
            QCOMPARE(labels.value(name)->font(), screenFont(ScreenFont::Trebuchet9Bold));
            QCOMPARE(labels.value(name)->palette().color(QPalette::WindowText), QColor(2, 97, 141));
        }
        QCOMPARE(labels.value("Sélectionnez une date >>")->geometry(), QRect(320, 23, 150, 20));
        QCOMPARE(window.findChild<QComboBox *>("dateChooser")->geometry(), QRect(460, 23, 90, 20));
        QCOMPARE(labels.value("T   E   X   T   E ")->geometry(), QRect(20, 53, 500, 20));
        QCOMPARE(labels.value("T   E   X   T   E ")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        for (int line = 1; line <= 6; ++line)
            QCOMPARE(inputLine(window, line)->geometry(), QRect(30, 53 + 22 * line, 500, 20));

        checkButtons(window, {{"quitButton", {10, 245, 120, 30}, "(#ESC) Quitter"},
                              {"deleteButton", {200, 245, deleteWidth, 30}, deleteCaption},
                              {"validateButton", {450, 245, 110, 30}, "(#F5) Valider"},
                              {"printButton", {260, 440, 120, 30}, "(#F4) Imprimer"}});

        const ReportList *lines = window.findChild<ReportList *>("linesList");
        QCOMPARE(lines->geometry(), QRect(10, 280, 550, 150));
        QCOMPARE(lines->headerText(0), QStringLiteral("T E X T E"));
        QCOMPARE(lines->columnWidth(0), textWidth);
        QCOMPARE(lines->headerText(1), QString());
        QCOMPARE(lines->columnWidth(1), 4);
        QCOMPARE(lines->palette().color(QPalette::Base), QColor(253, 229, 179));
        QCOMPARE(lines->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(lines->selectionMode(), QAbstractItemView::SingleSelection);
    }

    // The user types the lines, going on with Enter; Enter in line 6 saves. A second save on the
    // same date replaces the first document.
    void savingTwiceOnADateKeepsOneDocumentWithTheSecondText_data() { addKinds(); }
    void savingTwiceOnADateKeepsOneDocumentWithTheSecondText() {
        QFETCH(QString, kind);
        const SevenLineKind &lineKind = kindNamed(kind);
        SevenLineWindow window(lineKind, m_program->record);
        QVERIFY(showActive(window));
        const QList<QStringList> texts{{"repos de 3 jours", "", "", "", "", "a compter de ce jour"},
                                       {"repos de 5 jours", "sauf complication", "", "", "", ""}};
        for (const QStringList &text : texts) {
            for (int line = 1; line <= 6; ++line) {
                QCOMPARE(QApplication::focusWidget(), inputLine(window, line));
                typeText(inputLine(window, line), text[line - 1]);
                QTest::keyClick(inputLine(window, line), Qt::Key_Return);
            }
            QCOMPARE(inputTexts(window), QStringList(6, QString()));
            QCOMPARE(QApplication::focusWidget(), inputLine(window, 1));
        }
        QVERIFY(m_program->environment.messages().isEmpty());
        const QStringList second{"REPOS DE 5 JOURS", "SAUF COMPLICATION", "", "", "", "", ""};
        QCOMPARE(storedDocuments(lineKind), Rows({QStringList{Today, TodayNumber} + second}));
        QCOMPARE(listColumn(window.findChild<ReportList *>("linesList"), 0), second);
        QCOMPARE(listRows(m_program->record.sectionList(lineKind.section)),
                 QList<QStringList>({{Today, "REPOS DE 5 JOURS"}, {Today, "SAUF COMPLICATION"}}));
        // The chooser was filled when the window opened.
        QCOMPARE(chooserDates(window.findChild<QComboBox *>("dateChooser")), QStringList());
    }

    void whatIsTypedIsStoredAsSevenLines_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("inRecord");
        QTest::newRow("only line 4") << "certificate" << QStringList{"", "", "", "apte"}
                                     << QStringList{"", "", "", "APTE", "", "", ""} << QStringList{"", "APTE"};
        QTest::newRow("a line of spaces")
            << "sick leave" << QStringList{"   "} << QStringList{"   ", "", "", "", "", "", ""} << QStringList{"   "};
        QTest::newRow("quotes, apostrophes, semicolons")
            << "certificate" << QStringList{"l'œil \"droit\"; 2 jours", "a; b"}
            << QStringList{"L'ŒIL \"DROIT\"; 2 JOURS", "A; B", "", "", "", "", ""}
            << QStringList{"L'ŒIL \"DROIT\"; 2 JOURS", "A; B"};
        QTest::newRow("lines 1 and 6") << "sick leave" << QStringList{"un", "", "", "", "", "six"}
                                       << QStringList{"UN", "", "", "", "", "SIX", ""} << QStringList{"UN", "", "SIX"};
    }
    void whatIsTypedIsStoredAsSevenLines() {
        QFETCH(QString, kind);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, inRecord);
        const SevenLineKind &lineKind = kindNamed(kind);
        SevenLineWindow window(lineKind, m_program->record);
        QVERIFY(showActive(window));
        for (int line = 0; line < typed.size(); ++line)
            typeText(inputLine(window, line + 1), typed[line]);
        QTest::keyClick(&window, Qt::Key_F5);
        QVERIFY(m_program->environment.messages().isEmpty());
        QCOMPARE(storedDocuments(lineKind), Rows({QStringList{Today, TodayNumber} + stored}));
        QCOMPARE(listColumn(window.findChild<ReportList *>("linesList"), 0), stored);
        QCOMPARE(listColumn(m_program->record.sectionList(lineKind.section), 1), inRecord);
    }

    void aRefusedSaveWritesNothing_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("today");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("no line") << "certificate" << Today << QStringList{} << "Textes incorrects !";
        QTest::newRow("empty lines") << "sick leave" << Today << QStringList{"", "", ""} << "Textes incorrects !";
        QTest::newRow("no date") << "certificate"
                                 << "" << QStringList{"APTE"} << WrongDate;
        QTest::newRow("a date that does not exist") << "sick leave"
                                                    << "30/02/2024" << QStringList{"REPOS"} << WrongDate;
        QTest::newRow("wrong date and no line") << "certificate"
                                                << "2024-03-15" << QStringList{} << WrongDate;
    }
    void aRefusedSaveWritesNothing() {
        QFETCH(QString, kind);
        QFETCH(QString, today);
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        programState().today = today;
        const SevenLineKind &lineKind = kindNamed(kind);
        SevenLineWindow window(lineKind, m_program->record);
        QVERIFY(showActive(window));
        typeLines(window, typed);
        window.findChild<QPushButton *>("validateButton")->click();
        QCOMPARE(m_program->environment.messages().titles(), QStringList{"Erreur"});
        QCOMPARE(m_program->environment.messages().texts(), QStringList{message});
        QCOMPARE(storedDocuments(lineKind), Rows());
        QCOMPARE(inputTexts(window).mid(0, typed.size()), typed);
    }

    // A click copies the document's lines into the fields; saving right after rewrites the same
    // document, line 7 (which has no field) included.
    void aClickedDocumentIsSavedBackUnchanged_data() { addKinds(); }
    void aClickedDocumentIsSavedBackUnchanged() {
        QFETCH(QString, kind);
        const SevenLineKind &lineKind = kindNamed(kind);
        const QStringList document{"UN", "DEUX", "", "QUATRE", "", "SIX", "SEPT"};
        storeDocument(lineKind, Today, document);
        SevenLineWindow window(lineKind, m_program->record);
        QVERIFY(showActive(window));
        ReportList *lines = window.findChild<ReportList *>("linesList");
        QCOMPARE(listColumn(lines, 0), document);
        QCOMPARE(listColumn(m_program->record.sectionList(lineKind.section), 1), document);
        window.findChild<QPushButton *>("quitButton")->setFocus();
        clickRow(lines, 4);
        QCOMPARE(inputTexts(window), document.mid(0, 6));
        QCOMPARE(QApplication::focusWidget(), inputLine(window, 1));
        QCOMPARE(window.documentDate(), Today);
        QTest::keyClick(&window, Qt::Key_F5);
        QVERIFY(m_program->environment.messages().isEmpty());
        QCOMPARE(storedDocuments(lineKind), Rows({QStringList{Today, TodayNumber} + document}));
    }

    // The chooser lists each date once, oldest first; choosing one shows its document and leaves the
    // typed lines alone. Two documents stored under one date list fourteen lines; a click copies the
    // first seven.
    void choosingADateShowsItsDocument_data() { addKinds(); }
    void choosingADateShowsItsDocument() {
        QFETCH(QString, kind);
        const SevenLineKind &lineKind = kindNamed(kind);
        const QStringList first{"A1", "A2", "A3", "A4", "A5", "A6", "A7"};
        const QStringList second{"B1", "", "", "", "", "", "B7"};
        storeDocument(lineKind, "10/01/2024", first);
        storeDocument(lineKind, "10/01/2024", second);
        storeDocument(lineKind, "05/12/2023", {"ANCIEN", "", "", "", "", "", ""});
        SevenLineWindow window(lineKind, m_program->record);
        QVERIFY(showActive(window));
        QComboBox *chooser = window.findChild<QComboBox *>("dateChooser");
        QCOMPARE(chooserDates(chooser), QStringList({"05/12/2023", "10/01/2024"}));
        ReportList *lines = window.findChild<ReportList *>("linesList");
        QCOMPARE(lines->rowCount(), 0);

        typeLines(window, {"EN COURS"});
        chooseDate(chooser, "10/01/2024");
        QCOMPARE(window.documentDate(), QStringLiteral("10/01/2024"));
        QCOMPARE(listColumn(lines, 0), first + second);
        QCOMPARE(inputLine(window, 1)->text(), QStringLiteral("EN COURS"));

        lines->scrollToBottom();
        clickRow(lines, 13);
        QCOMPARE(inputTexts(window), first.mid(0, 6));
        window.save();
        QCOMPARE(storedRows(lineKind.table.db,
                            QStringLiteral("select txt1,txt7 from %1 where dateEx=?").arg(tableOf(lineKind)),
                            {"10/01/2024"}),
                 Rows({{"A1", "A7"}}));
    }

    // Alt+Delete and the Delete button delete the document of the date shown; the list keeps its
    // lines until the document is shown again, the record's list follows at once.
    void deletingRemovesTheDocumentOfTheDate_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("byKey");
        QTest::newRow("certificate, Alt+Delete") << "certificate" << true;
        QTest::newRow("sick leave, button") << "sick leave" << false;
    }
    void deletingRemovesTheDocumentOfTheDate() {
        QFETCH(QString, kind);
        QFETCH(bool, byKey);
        const SevenLineKind &lineKind = kindNamed(kind);
        storeDocument(lineKind, Today, {"DU JOUR", "", "", "", "", "", ""});
        storeDocument(lineKind, "01/02/2024", {"AUTRE", "", "", "", "", "", ""});
        SevenLineWindow window(lineKind, m_program->record);
        QVERIFY(showActive(window));
        typeLines(window, {"TAPE"});
        if (byKey)
            QTest::keyClick(&window, Qt::Key_Delete, Qt::AltModifier);
        else
            window.findChild<QPushButton *>("deleteButton")->click();
        QVERIFY(m_program->environment.messages().isEmpty());
        QCOMPARE(storedDocuments(lineKind).size(), 1);
        QCOMPARE(storedDocuments(lineKind)[0][2], QStringLiteral("AUTRE"));
        QCOMPARE(inputLine(window, 1)->text(), QString());
        QCOMPARE(listColumn(window.findChild<ReportList *>("linesList"), 0).first(), QStringLiteral("DU JOUR"));
        QCOMPARE(listRows(m_program->record.sectionList(lineKind.section)),
                 QList<QStringList>({{"01/02/2024", "AUTRE"}}));

        // Nothing left for the date: nothing happens.
        typeLines(window, {"TAPE"});
        window.remove();
        QVERIFY(m_program->environment.messages().isEmpty());
        QCOMPARE(inputLine(window, 1)->text(), QStringLiteral("TAPE"));
    }

    void deletingUnderAWrongDateIsRefused() {
        programState().today = QStringLiteral("31/04/2024");
        SevenLineWindow window(certificateKind(), m_program->record);
        window.remove();
        QCOMPARE(m_program->environment.messages().texts(), QStringList{WrongDate});
    }

    // The replacement is written in one go: when the new document cannot be written, the old one
    // stays and so do the typed lines.
    void aWriteThatFailsKeepsTheStoredDocumentAndTheTypedLines_data() { addKinds(); }
    void aWriteThatFailsKeepsTheStoredDocumentAndTheTypedLines() {
        QFETCH(QString, kind);
        const SevenLineKind &lineKind = kindNamed(kind);
        storeDocument(lineKind, Today, {"ANCIEN", "", "", "", "", "", ""});
        QVERIFY(db(lineKind.table.db)
                    .execute(QStringLiteral("create trigger refuse before insert on %1 begin select "
                                            "raise(abort, 'disque plein'); end")
                                 .arg(tableOf(lineKind))));
        SevenLineWindow window(lineKind, m_program->record);
        typeLines(window, {"NOUVEAU"});
        window.save();
        QCOMPARE(m_program->environment.messages().shown.size(), 1);
        QVERIFY(m_program->environment.messages().texts().first().contains("disque plein"));
        QCOMPARE(storedDocuments(lineKind), Rows({{Today, dateNumberText(Today), "ANCIEN", "", "", "", "", "", ""}}));
        QCOMPARE(inputLine(window, 1)->text(), QStringLiteral("NOUVEAU"));
        QCOMPARE(listColumn(window.findChild<ReportList *>("linesList"), 0).first(), QStringLiteral("ANCIEN"));
    }

    void escapeAndTheQuitButtonCloseTheWindow_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Escape") << true;
        QTest::newRow("quit button") << false;
    }
    void escapeAndTheQuitButtonCloseTheWindow() {
        QFETCH(bool, byEscape);
        SevenLineWindow window(sickLeaveKind(), m_program->record);
        QVERIFY(showActive(window));
        typeLines(window, {"NON SAUVE"});
        if (byEscape)
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            window.findChild<QPushButton *>("quitButton")->click();
        QVERIFY(window.isClosing());
        QCOMPARE(storedDocuments(sickLeaveKind()), Rows());
    }

private:
    std::unique_ptr<ClinicalProgram> m_program;
};

QTEST_MAIN(TestSevenLineWindows)
#include "TestSevenLineWindows.moc"
