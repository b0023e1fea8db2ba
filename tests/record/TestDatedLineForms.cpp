#include "ClinicalTestHelpers.h"
#include "print/ScreenFonts.h"
#include "record/DatedLineWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString Today = QStringLiteral("15/03/2024");
const QString TodayNumber = QStringLiteral("1710460800");
const QString WrongDate = QStringLiteral("La date est incorrecte! (doit être sous la forme JJ/MM/AAAA)");

const DatedLineKind &kindNamed(const QString &name) {
    if (name == "analyses")
        return analysesKind();
    if (name == "radiology")
        return radiologyKind();
    return prescriptionKind();
}

QString tableOf(Db file) {
    return QLatin1String(tableDefinition(file).table);
}

// The stored lines of the patient's acts: date, date number, order, designation, second text.
Rows storedLines(const DatedLineKind &kind) {
    return storedRows(kind.db, QStringLiteral("select dateEx,datenum,ordre,%1 from %2 order by datenum,ordre")
                                   .arg(tableDefinition(kind.db).columns.mid(4).join(','), tableOf(kind.db)));
}

QStringList referenceEntries(const ReferenceList &list) {
    QStringList entries;
    for (const Row &row : storedRows(list.db, QStringLiteral("select * from %1").arg(tableOf(list.db))))
        entries << row.join('|');
    entries.sort();
    return entries;
}

void storeLine(const DatedLineKind &kind, const QString &date, const QString &order, const QString &designation,
               const QString &second) {
    storeRow(kind.db, {"7", date, dateNumberText(date), order, designation, second});
}

} // namespace

class TestDatedLineForms : public QObject {
    Q_OBJECT

private slots:
    void init() { m_program = std::make_unique<ClinicalProgram>(); }
    void cleanup() { m_program.reset(); }

    void showsItsWidgetsAtTheirPlaces_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("dateTitle");
        QTest::addColumn<int>("font");
        QTest::addColumn<QList<QRect>>("places"); // frame, title, date, prompt
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QColor>("linesText");
        QTest::addColumn<QColor>("linesBackground");
        const QColor defaultText = QPalette().color(QPalette::Text);
        const QColor defaultBase = QPalette().color(QPalette::Base);
        QTest::newRow("prescription")
            << "prescription"
            << "ORDONNANCE"
            << "ORDONNANCE DU " << ScreenFont::Trebuchet11Bold
            << QList<QRect>{{10, 10, 550, 85}, {20, 23, 140, 20}, {160, 23, 90, 20}, {300, 23, 150, 20}}
            << QStringList{"PRESCRIPTION", "POSOLOGIE"} << QStringList{"Prescription", "Posologie"}
            << QColor(133, 77, 154) << defaultBase;
        QTest::newRow("analyses") << "analyses"
                                  << "ANALYSES MEDICALES"
                                  << "ANALYSES MEDICALES DU " << ScreenFont::Trebuchet9Bold
                                  << QList<QRect>{{10, 10, 550, 100},
                                                  {20, 23, 160, 20},
                                                  {180, 23, 90, 20},
                                                  {300, 23, 150, 20}}
                                  << QStringList{"ANALYSE", "RESULTAT"} << QStringList{"ANALYSES", "RESULTATS"}
                                  << defaultText << QColor(253, 229, 179);
        QTest::newRow("radiology") << "radiology"
                                   << "RADIOLOGIE / ECHOGRAPHIE"
                                   << "RADIOLOGIE/ECHOGRAPHIE DU" << ScreenFont::Trebuchet9Bold
                                   << QList<QRect>{{10, 10, 550, 100},
                                                   {20, 23, 180, 20},
                                                   {200, 23, 90, 20},
                                                   {320, 23, 150, 20}}
                                   << QStringList{"DESIGNATION", "RESULTAT"} << QStringList{"DESIGNATION", "RESULTATS"}
                                   << defaultText << QColor(253, 229, 179);
    }
    void showsItsWidgetsAtTheirPlaces() {
        QFETCH(QString, kind);
        QFETCH(QString, title);
        QFETCH(QString, dateTitle);
        QFETCH(int, font);
        QFETCH(QList<QRect>, places);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, columns);
        QFETCH(QColor, linesText);
        QFETCH(QColor, linesBackground);
        DatedLineWindow window(kindNamed(kind), m_program->record);
        QCOMPARE(window.windowTitle(), title);
        QCOMPARE(window.size(), QSize(700, 500));

        QList<QRect> frames;
        QHash<QString, QLabel *> labels;
        for (QFrame *frame : window.findChildren<QFrame *>())
            if (QLatin1String(frame->metaObject()->className()) == QLatin1String("QFrame"))
                frames << frame->geometry();
        for (QLabel *label : window.findChildren<QLabel *>())
            labels.insert(label->objectName().isEmpty() ? label->text() : label->objectName(), label);
        QCOMPARE(frames, QList<QRect>{places[0]});
        QCOMPARE(labels["actTitle"]->text(), dateTitle);
        QCOMPARE(labels["actTitle"]->geometry(), places[1]);
        QCOMPARE(labels["dateLabel"]->text(), Today);
        QCOMPARE(labels["dateLabel"]->geometry(), places[2]);
        for (const char *name : {"actTitle", "dateLabel"}) {
            QCOMPARE(labels[name]->font(), screenFont(font));
            QCOMPARE(labels[name]->palette().color(QPalette::WindowText), QColor(2, 97, 141));
        }
        QCOMPARE(labels["Sélectionnez une date >>"]->geometry(), places[3]);
        QCOMPARE(window.findChild<QComboBox *>("dateChooser")->geometry(), QRect(460, 23, 90, 20));

        QCOMPARE(window.findChild<QLineEdit *>("firstField")->geometry(), QRect(20, 53, 300, 20));
        QCOMPARE(window.findChild<QLineEdit *>("secondField")->geometry(), QRect(380, 53, 160, 20));
        QCOMPARE(labels[captions[0]]->geometry(), QRect(20, 75, 300, 20));
        QCOMPARE(labels[captions[1]]->geometry(), QRect(380, 75, 160, 20));
        QCOMPARE(labels[captions[0]]->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);

        const QList<std::tuple<const char *, QRect, QString>> buttons{
            {"quitButton", {10, 113, 120, 30}, "(#ESC) Quitter"},
            {"deleteButton", {200, 113, 180, 30}, "(#ALT+SUP) Supprimer la ligne"},
            {"validateButton", {450, 113, 110, 30}, "(#F5) Valider"},
            {"printButton", {260, 458, 120, 30}, "(#F4) Imprimer"}};
        for (const auto &[name, place, caption] : buttons) {
            QCOMPARE(window.findChild<QPushButton *>(name)->geometry(), place);
            QCOMPARE(window.findChild<QPushButton *>(name)->text(), caption);
        }

        const ReportList *lines = window.findChild<ReportList *>("linesList");
        QCOMPARE(lines->geometry(), QRect(10, 148, 550, 150));
        QCOMPARE(lines->headerText(0), columns[0]);
        QCOMPARE(lines->headerText(1), columns[1]);
        QCOMPARE(lines->columnWidth(0), kind == "prescription" ? 300 : 250);
        QCOMPARE(lines->columnWidth(1), kind == "prescription" ? 200 : 150);
        QCOMPARE(lines->palette().color(QPalette::Text), linesText);
        QCOMPARE(lines->palette().color(QPalette::Base), linesBackground);

        const ReportList *suggestions = window.findChild<ReportList *>("suggestionList");
        QCOMPARE(suggestions->geometry(), QRect(10, 308, 550, 140));
        QCOMPARE(suggestions->headerText(0), QStringLiteral("         Sélectionnez ..."));
        QCOMPARE(suggestions->columnWidth(0), 540);
        QCOMPARE(suggestions->headerText(1), QStringLiteral("N°"));
        QCOMPARE(suggestions->columnWidth(1), 10);
        QCOMPARE(suggestions->palette().color(QPalette::Base), QColor(129, 179, 234));
    }

    // The user types both texts, going on with Enter; Enter in the second field saves.
    void savingTheSameDesignationAgainReplacesItsLine_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("designation");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("otherSecond");
        QTest::newRow("prescription") << "prescription"
                                      << "doliprane 1g"
                                      << "DOLIPRANE 1G"
                                      << "1 CP MATIN"
                                      << "2 CP SOIR";
        QTest::newRow("analyses") << "analyses"
                                  << "glycémie"
                                  << "GLYCÉMIE"
                                  << "1,10"
                                  << "0,95";
        QTest::newRow("radiology") << "radiology"
                                   << "echo abdominale"
                                   << "ECHO ABDOMINALE"
                                   << "NORMALE"
                                   << "KYSTE";
    }
    void savingTheSameDesignationAgainReplacesItsLine() {
        QFETCH(QString, kind);
        QFETCH(QString, typed);
        QFETCH(QString, designation);
        QFETCH(QString, second);
        QFETCH(QString, otherSecond);
        const DatedLineKind &lineKind = kindNamed(kind);
        DatedLineWindow window(lineKind, m_program->record);
        QVERIFY(showActive(window));
        auto *first = window.findChild<QLineEdit *>("firstField");
        auto *secondField = window.findChild<QLineEdit *>("secondField");
        for (const QString &text : {second, second, otherSecond}) {
            QCOMPARE(QApplication::focusWidget(), first);
            typeText(first, typed);
            QCOMPARE(first->text(), designation);
            QTest::keyClick(first, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), secondField);
            typeText(secondField, text.toLower());
            QTest::keyClick(secondField, Qt::Key_Return);
            QCOMPARE(first->text(), QString());
            QCOMPARE(secondField->text(), QString());
        }
        QVERIFY(m_program->environment.messages().isEmpty());
        QCOMPARE(storedLines(lineKind), Rows({{Today, TodayNumber, "1", designation, otherSecond}}));
        QCOMPARE(listRows(window.findChild<ReportList *>("linesList")),
                 QList<QStringList>({{designation, otherSecond}}));
        QCOMPARE(listRows(m_program->record.sectionList(lineKind.section)),
                 QList<QStringList>({{Today, designation, otherSecond}}));
        QCOMPARE(referenceEntries(lineKind.first), QStringList{designation});
        QStringList seconds{second, otherSecond};
        if (lineKind.second.kind)
            seconds = QStringList{second + "|" + lineKind.second.kind, otherSecond + "|" + lineKind.second.kind};
        seconds.sort();
        QCOMPARE(referenceEntries(lineKind.second), seconds);
    }

    void aRefusedSaveWritesNothing_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("actDate");
        QTest::addColumn<QString>("designation");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("message");
        QTest::newRow("prescription without item") << "prescription" << Today << ""
                                                   << "1 CP"
                                                   << "Prescription incorrecte !";
        QTest::newRow("prescription without posology") << "prescription" << Today << "DOLIPRANE"
                                                       << ""
                                                       << "Posologie incorrecte !";
        QTest::newRow("prescription without date") << "prescription"
                                                   << ""
                                                   << "DOLIPRANE"
                                                   << "1 CP" << WrongDate;
        QTest::newRow("analyses without analysis") << "analyses" << Today << ""
                                                   << "NORMALE"
                                                   << "type d'analyse incorrecte !";
        QTest::newRow("analyses without date") << "analyses"
                                               << ""
                                               << "NFS"
                                               << "" << WrongDate;
        QTest::newRow("radiology without designation") << "radiology" << Today << ""
                                                       << "NORMALE"
                                                       << "La désignation est incorrecte !";
    }
    void aRefusedSaveWritesNothing() {
        QFETCH(QString, kind);
        QFETCH(QString, actDate);
        QFETCH(QString, designation);
        QFETCH(QString, second);
        QFETCH(QString, message);
        programState().today = actDate;
        const DatedLineKind &lineKind = kindNamed(kind);
        DatedLineWindow window(lineKind, m_program->record);
        QVERIFY(showActive(window));
        window.findChild<QLineEdit *>("firstField")->setText(designation);
        window.findChild<QLineEdit *>("secondField")->setText(second);
        QTest::keyClick(&window, Qt::Key_F5);
        QCOMPARE(m_program->environment.messages().titles(), QStringList{"Erreur"});
        QCOMPARE(m_program->environment.messages().texts(), QStringList{message});
        QCOMPARE(storedLines(lineKind), Rows());
        QCOMPARE(referenceEntries(lineKind.first), QStringList());
        QCOMPARE(referenceEntries(lineKind.second), QStringList());
        QCOMPARE(window.findChild<QLineEdit *>("firstField")->text(), designation);
    }

    void anEmptyResultIsSavedAndStoredOnce_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("analyses") << "analyses";
        QTest::newRow("radiology") << "radiology";
    }
    void anEmptyResultIsSavedAndStoredOnce() {
        QFETCH(QString, kind);
        const DatedLineKind &lineKind = kindNamed(kind);
        DatedLineWindow window(lineKind, m_program->record);
        for (const QString designation : {"PREMIER", "SECOND"}) {
            window.findChild<QLineEdit *>("firstField")->setText(designation);
            window.save();
        }
        QVERIFY(m_program->environment.messages().isEmpty());
        QCOMPARE(listRows(window.findChild<ReportList *>("linesList")),
                 QList<QStringList>({{"PREMIER", ""}, {"SECOND", ""}}));
        QCOMPARE(referenceEntries(lineKind.second), QStringList{QStringLiteral("|") + lineKind.second.kind});
    }

    // A result stored by one window is offered by the other, which neither stores it again nor
    // changes its kind.
    void aResultIsSharedByAnalysesAndRadiology_data() {
        QTest::addColumn<QString>("storedBy");
        QTest::addColumn<QString>("offeredIn");
        QTest::addColumn<QString>("resultKind");
        QTest::newRow("first saved from radiology") << "radiology"
                                                    << "analyses"
                                                    << "R";
        QTest::newRow("first saved from analyses") << "analyses"
                                                   << "radiology"
                                                   << "A";
    }
    void aResultIsSharedByAnalysesAndRadiology() {
        QFETCH(QString, storedBy);
        QFETCH(QString, offeredIn);
        QFETCH(QString, resultKind);
        {
            DatedLineWindow first(kindNamed(storedBy), m_program->record);
            first.findChild<QLineEdit *>("firstField")->setText("EXAMEN");
            first.findChild<QLineEdit *>("secondField")->setText("NORMAL");
            first.save();
        }
        DatedLineWindow other(kindNamed(offeredIn), m_program->record);
        QVERIFY(showActive(other));
        other.findChild<QLineEdit *>("firstField")->setText("AUTRE EXAMEN");
        auto *result = other.findChild<QLineEdit *>("secondField");
        result->setFocus();
        typeText(result, "nor");
        QCOMPARE(listColumn(other.findChild<ReportList *>("suggestionList"), 0), QStringList{"NORMAL"});
        clickRow(other.findChild<ReportList *>("suggestionList"), 0);
        QCOMPARE(result->text(), QStringLiteral("NORMAL"));
        QTest::keyClick(result, Qt::Key_Return);
        QCOMPARE(listRows(other.findChild<ReportList *>("linesList")),
                 QList<QStringList>({{"AUTRE EXAMEN", "NORMAL"}}));
        QCOMPARE(referenceEntries(analysesKind().second), QStringList{"NORMAL|" + resultKind});
    }

    void typedTextListsEachMatchingEntryOnceInOrder_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("inSecondField");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("suggestions");
        QTest::addColumn<QString>("mode");
        const QStringList medicines{"DOLIPRANE 500", "DAFALGAN",        "DOLIPRANE 1G",
                                    "DOLIPRANE 500", "doliprane sirop", "ASPIRINE"};
        QTest::newRow("prescription, lower case matched as capitals")
            << "prescription" << false << medicines << "dol"
            << "DOL" << QStringList{"DOLIPRANE 1G", "DOLIPRANE 500"} << "PRES";
        QTest::newRow("prescription, nothing begins so") << "prescription" << false << medicines << "x"
                                                         << "X" << QStringList{} << "PRES";
        QTest::newRow("posology") << "prescription" << true << QStringList{"2 CP", "1 CP SOIR", "1 CP MATIN"} << "1 c"
                                  << "1 C" << QStringList{"1 CP MATIN", "1 CP SOIR"} << "POSOL";
        QTest::newRow("analysis") << "analyses" << false << QStringList{"NFS", "GLYCEMIE", "GLYCEMIE", "GAMMA GT"}
                                  << "g"
                                  << "G" << QStringList{"GAMMA GT", "GLYCEMIE"} << "ANAL";
        QTest::newRow("analysis result") << "analyses" << true << QStringList{"NORMALE", "NEGATIF", ""} << "n"
                                         << "N" << QStringList{"NEGATIF", "NORMALE"} << "RES";
        QTest::newRow("radiology designation")
            << "radiology" << false << QStringList{"ECHO REINS", "ECHO FOIE", "IRM"} << "echo"
            << "ECHO" << QStringList{"ECHO FOIE", "ECHO REINS"} << "Radio";
        QTest::newRow("radiology result") << "radiology" << true << QStringList{"KYSTE", "NORMALE"} << "k"
                                          << "K" << QStringList{"KYSTE"} << "Res";
    }
    void typedTextListsEachMatchingEntryOnceInOrder() {
        QFETCH(QString, kind);
        QFETCH(bool, inSecondField);
        QFETCH(QStringList, entries);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QStringList, suggestions);
        QFETCH(QString, mode);
        const DatedLineKind &lineKind = kindNamed(kind);
        const ReferenceList &list = inSecondField ? lineKind.second : lineKind.first;
        for (const QString &entry : entries)
            storeRow(list.db, list.kind ? QStringList{entry, "A"} : QStringList{entry});
        DatedLineWindow window(lineKind, m_program->record);
        QVERIFY(showActive(window));
        auto *field = window.findChild<QLineEdit *>(inSecondField ? "secondField" : "firstField");
        field->setFocus();
        typeText(field, typed);
        QCOMPARE(field->text(), shown);
        QCOMPARE(listColumn(window.findChild<ReportList *>("suggestionList"), 0), suggestions);
        QCOMPARE(listColumn(window.findChild<ReportList *>("suggestionList"), 1), QStringList(suggestions.size(), ""));
        QCOMPARE(window.suggestionMode(), mode);
    }

    void clickingASuggestionFillsTheFieldItServes_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("forSecondField");
        QTest::addColumn<QString>("focusAfter");
        QTest::newRow("prescribed item") << "prescription" << false << "secondField";
        QTest::newRow("posology") << "prescription" << true << "suggestionList";
        QTest::newRow("analysis") << "analyses" << false << "secondField";
        QTest::newRow("analysis result") << "analyses" << true << "secondField";
        QTest::newRow("radiology result") << "radiology" << true << "secondField";
    }
    void clickingASuggestionFillsTheFieldItServes() {
        QFETCH(QString, kind);
        QFETCH(bool, forSecondField);
        QFETCH(QString, focusAfter);
        const DatedLineKind &lineKind = kindNamed(kind);
        const ReferenceList &list = forSecondField ? lineKind.second : lineKind.first;
        storeRow(list.db, list.kind ? QStringList{"ZINC", "A"} : QStringList{"ZINC"});
        DatedLineWindow window(lineKind, m_program->record);
        QVERIFY(showActive(window));
        auto *first = window.findChild<QLineEdit *>("firstField");
        auto *second = window.findChild<QLineEdit *>("secondField");
        QLineEdit *served = forSecondField ? second : first;
        served->setFocus();
        typeText(served, "z");
        clickRow(window.findChild<ReportList *>("suggestionList"), 0);
        QCOMPARE(served->text(), QStringLiteral("ZINC"));
        QCOMPARE((forSecondField ? first : second)->text(), QString());
        QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
    }

    void deletingRemovesTheLineNamedInTheField_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("prescription") << "prescription";
        QTest::newRow("analyses") << "analyses";
        QTest::newRow("radiology") << "radiology";
    }
    void deletingRemovesTheLineNamedInTheField() {
        QFETCH(QString, kind);
        const DatedLineKind &lineKind = kindNamed(kind);
        storeLine(lineKind, Today, "1", "UN", "A");
        storeLine(lineKind, Today, "2", "DEUX", "B");
        storeLine(lineKind, Today, "3", "TROIS", "C");
        storeLine(lineKind, "01/02/2024", "1", "DEUX", "AUTRE DATE");
        DatedLineWindow window(lineKind, m_program->record);
        QVERIFY(showActive(window));
        ReportList *lines = window.findChild<ReportList *>("linesList");

        // Nothing named, nothing deleted.
        QTest::keyClick(&window, Qt::Key_Delete, Qt::AltModifier);
        QCOMPARE(storedLines(lineKind).size(), 4);

        // A click copies the line into the fields; the delete then removes exactly that line.
        clickRow(lines, 1);
        QCOMPARE(window.findChild<QLineEdit *>("firstField")->text(), QStringLiteral("DEUX"));
        QCOMPARE(window.findChild<QLineEdit *>("secondField")->text(), QStringLiteral("B"));
        QCOMPARE(QApplication::focusWidget(), window.findChild<QLineEdit *>("firstField"));
        window.findChild<QPushButton *>("deleteButton")->click();
        QVERIFY(m_program->environment.messages().isEmpty());
        QCOMPARE(listRows(lines), QList<QStringList>({{"UN", "A"}, {"TROIS", "C"}}));
        QCOMPARE(window.findChild<QLineEdit *>("firstField")->text(), QString());
        QCOMPARE(storedLines(lineKind), Rows({{"01/02/2024", "1706745600", "1", "DEUX", "AUTRE DATE"},
                                              {Today, TodayNumber, "1", "UN", "A"},
                                              {Today, TodayNumber, "3", "TROIS", "C"}}));
        QCOMPARE(listColumn(m_program->record.sectionList(lineKind.section), 1),
                 QStringList({"DEUX", "", "UN", "TROIS"}));
    }

    void linesComeBackInTheOrderTheyWereEntered_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("prescription") << "prescription";
        QTest::newRow("analyses") << "analyses";
        QTest::newRow("radiology") << "radiology";
    }
    void linesComeBackInTheOrderTheyWereEntered() {
        QFETCH(QString, kind);
        const DatedLineKind &lineKind = kindNamed(kind);
        const QList<QStringList> entered{{"ZINC", "1"}, {"ASPIRINE", "2"}, {"MAGNESIUM", "3"}, {"ASPIRINE", "4"}};
        const QList<QStringList> shown{{"ZINC", "1"}, {"ASPIRINE", "4"}, {"MAGNESIUM", "3"}};
        {
            DatedLineWindow window(lineKind, m_program->record);
            for (const QStringList &line : entered) {
                window.findChild<QLineEdit *>("firstField")->setText(line[0]);
                window.findChild<QLineEdit *>("secondField")->setText(line[1]);
                window.save();
            }
            QCOMPARE(listRows(window.findChild<ReportList *>("linesList")), shown);
        }
        QCOMPARE(storedLines(lineKind), Rows({{Today, TodayNumber, "1", "ZINC", "1"},
                                              {Today, TodayNumber, "2", "ASPIRINE", "4"},
                                              {Today, TodayNumber, "3", "MAGNESIUM", "3"}}));
        QList<QStringList> inRecord;
        for (const QStringList &line : shown)
            inRecord << QStringList{Today} + line;
        QCOMPARE(listRows(m_program->record.sectionList(lineKind.section)), inRecord);

        DatedLineWindow reopened(lineKind, m_program->record);
        QCOMPARE(listRows(reopened.findChild<ReportList *>("linesList")), shown);
        chooseDate(reopened.findChild<QComboBox *>("dateChooser"), Today);
        QCOMPARE(listRows(reopened.findChild<ReportList *>("linesList")), shown);
    }

    // Files made elsewhere may hold lines without an order: they read as 0, so they come first, each
    // group in the order the rows were written; a new line still goes after the last numbered one.
    void linesWithoutAnOrderComeFirstInTheOrderTheyWereWritten() {
        const DatedLineKind &lineKind = prescriptionKind();
        for (const QStringList &line : QList<QStringList>{{"2", "B"}, {"", "E1"}, {"1", "A"}, {"", "E2"}, {"10", "C"}})
            storeRow(lineKind.db, {"7", Today, TodayNumber, line[0], line[1], "1 CP"});
        const QStringList expected{"E1", "E2", "A", "B", "C"};
        QStringList read;
        for (const DatedLine &line : actLines(lineKind, "7", Today))
            read << line.designation;
        QCOMPARE(read, expected);

        DatedLineWindow window(lineKind, m_program->record);
        window.findChild<QLineEdit *>("firstField")->setText("D");
        window.findChild<QLineEdit *>("secondField")->setText("1 CP");
        window.save();
        QCOMPARE(listColumn(window.findChild<ReportList *>("linesList"), 0), expected + QStringList{"D"});
        QCOMPARE(listColumn(m_program->record.sectionList(lineKind.section), 1), expected + QStringList{"D"});
    }

    void choosingAnotherDateShowsItsLinesAndSavingAddsToIt_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("prescription") << "prescription";
        QTest::newRow("analyses") << "analyses";
        QTest::newRow("radiology") << "radiology";
    }
    void choosingAnotherDateShowsItsLinesAndSavingAddsToIt() {
        QFETCH(QString, kind);
        const DatedLineKind &lineKind = kindNamed(kind);
        storeLine(lineKind, Today, "1", "DU JOUR", "X");
        storeLine(lineKind, "01/02/2024", "1", "ANCIEN", "Y");
        storeLine(lineKind, "01/02/2024", "2", "ANCIEN BIS", "Z");
        storeLine(lineKind, "05/02/2023", "1", "PLUS ANCIEN", "W");
        DatedLineWindow window(lineKind, m_program->record);
        QComboBox *chooser = window.findChild<QComboBox *>("dateChooser");
        QCOMPARE(chooserDates(chooser), QStringList({"05/02/2023", "01/02/2024", Today}));
        ReportList *lines = window.findChild<ReportList *>("linesList");
        QCOMPARE(listRows(lines), QList<QStringList>({{"DU JOUR", "X"}}));

        chooseDate(chooser, "01/02/2024");
        QCOMPARE(window.actDate(), QStringLiteral("01/02/2024"));
        QCOMPARE(listRows(lines), QList<QStringList>({{"ANCIEN", "Y"}, {"ANCIEN BIS", "Z"}}));

        window.findChild<QLineEdit *>("firstField")->setText("NOUVEAU");
        window.findChild<QLineEdit *>("secondField")->setText("V");
        window.save();
        QCOMPARE(listRows(lines), QList<QStringList>({{"ANCIEN", "Y"}, {"ANCIEN BIS", "Z"}, {"NOUVEAU", "V"}}));
        QCOMPARE(storedRows(lineKind.db,
                            QStringLiteral("select datenum,ordre from %1 where %2=?")
                                .arg(tableOf(lineKind.db), tableDefinition(lineKind.db).columns[4]),
                            {"NOUVEAU"}),
                 Rows({{"1706745600", "3"}}));
        QCOMPARE(chooserDates(chooser), QStringList({"05/02/2023", "01/02/2024", Today}));
    }

    void escapeAndTheQuitButtonCloseTheWindow_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Escape") << true;
        QTest::newRow("quit button") << false;
    }
    void escapeAndTheQuitButtonCloseTheWindow() {
        QFETCH(bool, byEscape);
        DatedLineWindow window(prescriptionKind(), m_program->record);
        QVERIFY(showActive(window));
        if (byEscape)
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            window.findChild<QPushButton *>("quitButton")->click();
        QVERIFY(window.isClosing());
        QVERIFY(!window.isVisible());
    }

private:
    std::unique_ptr<ClinicalProgram> m_program;
};

QTEST_MAIN(TestDatedLineForms)
#include "TestDatedLineForms.moc"
