#include "WindowChecks.h"
#include "documents/LetterWindow.h"
#include "documents/Letters.h"
#include "print/ScreenFonts.h"
#include "record/ClinicalTestHelpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString Today = QStringLiteral("15/03/2024");
const QString WrongDate = QStringLiteral("La date est incorrecte! (doit être sous la forme JJ/MM/AAAA)");
const QColor Grey(245, 245, 245);

// date, recipient, subject and the seven lines of every stored letter.
Rows storedLetters() {
    return storedRows(Db::DbLR, QStringLiteral("select dateEx,dest,objet,txt1,txt2,txt3,txt4,txt5,txt6,txt7 from fLR "
                                               "order by datenum"));
}

void storeLetter(const QString &date, const QString &recipient, const QString &subject, const QStringList &lines) {
    storeRow(Db::DbLR, QStringList{"7", date, dateNumberText(date), recipient, subject} + asSevenLines(lines));
}

QLineEdit *field(QWidget &window, const QString &name) {
    return window.findChild<QLineEdit *>(name);
}

QLineEdit *inputLine(QWidget &window, int line) {
    return field(window, QStringLiteral("line%1").arg(line));
}

// The date, recipient, subject and six input lines as they stand.
QStringList fieldTexts(QWidget &window) {
    QStringList texts{field(window, "dateField")->text(), field(window, "recipientField")->text(),
                      field(window, "subjectField")->text()};
    for (int line = 1; line <= 6; ++line)
        texts << inputLine(window, line)->text();
    return texts;
}

void fillLetter(QWidget &window, const QString &date, const QString &recipient, const QString &subject,
                const QStringList &lines) {
    field(window, "dateField")->setText(date);
    field(window, "recipientField")->setText(recipient);
    field(window, "subjectField")->setText(subject);
    for (int line = 0; line < lines.size(); ++line)
        inputLine(window, line + 1)->setText(lines[line]);
}

QList<int> greyRows(const ReportList *list) {
    QList<int> rows;
    for (int row = 0; row < list->rowCount(); ++row) {
        bool grey = true;
        for (int column = 0; column < 4; ++column)
            grey = grey && list->cellBackground(row, column) == Grey;
        if (grey)
            rows << row;
    }
    return rows;
}

} // namespace

class TestLetterWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { m_program = std::make_unique<ClinicalProgram>(); }
    void cleanup() { m_program.reset(); }

    void showsItsWidgetsAtTheirPlaces() {
        LetterWindow window(m_program->record);
        QCOMPARE(window.windowTitle(), QStringLiteral("LETTRE DE RECOMMANDATION"));
        QCOMPARE(window.size(), QSize(700, 510));
        const QHash<QString, QLabel *> labels = labelsOf(window);
        QCOMPARE(labels.value("heading")->text(), QStringLiteral("LETTRE DE RECOMMANDATION"));
        QCOMPARE(labels.value("heading")->geometry(), QRect(20, 10, 300, 20));
        QCOMPARE(labels.value("heading")->font(), screenFont(ScreenFont::Trebuchet11Bold));
        QCOMPARE(labels.value("Date:")->geometry(), QRect(420, 10, 65, 20));
        QCOMPARE(labels.value("Destinataire:")->geometry(), QRect(200, 40, 90, 20));
        QCOMPARE(labels.value("Objet:")->geometry(), QRect(200, 63, 80, 20));
        QCOMPARE(labels.value("T   E   X   T   E ")->geometry(), QRect(20, 101, 500, 20));
        QCOMPARE(field(window, "dateField")->geometry(), QRect(470, 10, 80, 20));
        QCOMPARE(field(window, "dateField")->text(), Today);
        QCOMPARE(field(window, "recipientField")->geometry(), QRect(290, 40, 260, 20));
        QCOMPARE(field(window, "subjectField")->geometry(), QRect(290, 63, 260, 20));
        for (int line = 1; line <= 6; ++line)
            QCOMPARE(inputLine(window, line)->geometry(), QRect(30, 101 + 22 * line, 500, 20));
        QCOMPARE(framesOf(window), QList<QRect>{QRect(10, 88, 550, 170)});
        checkButtons(window, {{"quitButton", {10, 273, 120, 30}, "(#ESC) Quitter"},
                              {"deleteButton", {200, 273, 200, 30}, "(#ALT+SUP) Supprimer la lettre"},
                              {"validateButton", {450, 273, 110, 30}, "(#F5) Valider"},
                              {"printButton", {260, 468, 120, 30}, "(#F4) Imprimer"}});
        const ReportList *letters = window.findChild<ReportList *>("letterList");
        QCOMPARE(letters->geometry(), QRect(10, 308, 550, 150));
        checkColumns(letters, {{"Date", 80}, {"Destinataire", 100}, {"Objet", 100}, {"T E X T E", 450}});
        QCOMPARE(letters->palette().color(QPalette::Base), QColor(167, 184, 254));
    }

    // Enter goes date, recipient, subject, lines 1 to 6, and saves from line 6; the fields then empty
    // except the date, and the list and the record show the letter.
    void aLetterTypedWithEnterIsSavedAndListed() {
        LetterWindow window(m_program->record);
        QVERIFY(showActive(window));
        QCOMPARE(QApplication::focusWidget(), field(window, "dateField"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const QStringList typed{"dr martin", "douleurs l'épaule", "cher confrère", "", "", "merci; cordialement"};
        for (const QString &text : typed) {
            typeText(QApplication::focusWidget(), text);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(QApplication::focusWidget(), inputLine(window, 5));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), inputLine(window, 6));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(m_program->environment.messages().isEmpty());
        QCOMPARE(storedLetters(), Rows({{Today, "DR MARTIN", "DOULEURS L'ÉPAULE", "CHER CONFRÈRE", "", "",
                                         "MERCI; CORDIALEMENT", "", "", ""}}));
        QCOMPARE(fieldTexts(window), QStringList({Today, "", "", "", "", "", "", "", ""}));
        QCOMPARE(QApplication::focusWidget(), field(window, "recipientField"));
        const QList<QStringList> listed{{Today, "DR MARTIN", "DOULEURS L'ÉPAULE", "CHER CONFRÈRE"},
                                        {Today, "DR MARTIN", "DOULEURS L'ÉPAULE", ""},
                                        {Today, "DR MARTIN", "DOULEURS L'ÉPAULE", "MERCI; CORDIALEMENT"},
                                        {"", "", "", ""}};
        QCOMPARE(listRows(window.findChild<ReportList *>("letterList")), listed);
        QCOMPARE(listRows(m_program->record.sectionList(Section::Letters)), listed.mid(0, 3));
    }

    void theListPartsLettersWithGreyRows_data() {
        QTest::addColumn<QList<QStringList>>("letters"); // date, then lines
        QTest::addColumn<QStringList>("listedLines");
        QTest::addColumn<QList<int>>("grey");
        QTest::newRow("three letters of three dates")
            << QList<QStringList>{{"02/01/2023", "A1", "A2"}, {"05/03/2023", "B1"}, {"10/04/2023", "C1", "C2", "C3"}}
            << QStringList{"A1", "A2", "", "B1", "", "C1", "C2", "C3", ""} << QList<int>{2, 4, 8};
        QTest::newRow("lines 1 and 4: one blank row between them")
            << QList<QStringList>{{"02/01/2023", "UN", "", "", "QUATRE"}} << QStringList{"UN", "", "QUATRE", ""}
            << QList<int>{3};
        QTest::newRow("sorted by date number, not by text")
            << QList<QStringList>{{"01/12/2023", "DECEMBRE"}, {"02/01/2024", "JANVIER"}}
            << QStringList{"DECEMBRE", "", "JANVIER", ""} << QList<int>{1, 3};
        QTest::newRow("no letter, no closing row") << QList<QStringList>{} << QStringList{} << QList<int>{};
    }
    void theListPartsLettersWithGreyRows() {
        QFETCH(QList<QStringList>, letters);
        QFETCH(QStringList, listedLines);
        QFETCH(QList<int>, grey);
        for (const QStringList &letter : letters)
            storeLetter(letter[0], "DEST", "OBJET", letter.mid(1));
        LetterWindow window(m_program->record);
        const ReportList *list = window.findChild<ReportList *>("letterList");
        QCOMPARE(listColumn(list, 3), listedLines);
        QCOMPARE(greyRows(list), grey);
        for (int row : grey)
            QCOMPARE(list->rowCells(row), QStringList(4, QString()));
    }

    // A row loads its letter; a grey row empties the fields and leaves the date field alone.
    void clickingARowLoadsItsLetter() {
        storeLetter("02/01/2023", "DR A", "OBJET A", {"A1", "", "A3", "", "", "", "A7"});
        storeLetter("05/03/2023", "DR B", "OBJET B", {"B1"});
        LetterWindow window(m_program->record);
        QVERIFY(showActive(window));
        ReportList *list = window.findChild<ReportList *>("letterList");
        clickRow(list, 1);
        QCOMPARE(fieldTexts(window), QStringList({"02/01/2023", "DR A", "OBJET A", "A1", "", "A3", "", "", ""}));
        QCOMPARE(QApplication::focusWidget(), inputLine(window, 1));

        QCOMPARE(greyRows(list).first(), 5);
        list->scrollTo(list->model()->index(5, 0));
        clickRow(list, 5);
        QCOMPARE(fieldTexts(window), QStringList({"02/01/2023", "", "", "", "", "", "", "", ""}));
        list->scrollToTop();

        // Saved again as loaded, line 7 included.
        clickRow(list, 0);
        QTest::keyClick(&window, Qt::Key_F5);
        QVERIFY(m_program->environment.messages().isEmpty());
        QCOMPARE(storedLetters(), Rows({{"02/01/2023", "DR A", "OBJET A", "A1", "", "A3", "", "", "", "A7"},
                                        {"05/03/2023", "DR B", "OBJET B", "B1", "", "", "", "", "", ""}}));
    }

    // Saving under the date of a stored letter replaces it; the list then shows one letter there.
    void aSecondLetterOnADateReplacesTheFirst() {
        storeLetter(Today, "DR A", "OBJET A", {"ANCIEN"});
        LetterWindow window(m_program->record);
        fillLetter(window, Today, "DR B", "OBJET B", {"NOUVEAU"});
        window.save();
        QCOMPARE(storedLetters(), Rows({{Today, "DR B", "OBJET B", "NOUVEAU", "", "", "", "", "", ""}}));
        QCOMPARE(listColumn(window.findChild<ReportList *>("letterList"), 3), QStringList({"NOUVEAU", ""}));
    }

    // The checks run in order: date, recipient, subject, lines.
    void aRefusedSaveWritesNothing_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("recipient");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong date before all") << "1/2/2023"
                                               << ""
                                               << "" << QStringList{} << WrongDate;
        QTest::newRow("date of another year to come") << "01/01/2025"
                                                      << "DR"
                                                      << "OBJET" << QStringList{"X"} << WrongDate;
        QTest::newRow("empty recipient wins over empty subject")
            << Today << ""
            << "" << QStringList{"X"} << "Indiquez le destinataire !";
        QTest::newRow("empty subject") << Today << "DR"
                                       << "" << QStringList{"X"} << "Objet incorrect !";
        QTest::newRow("no line") << Today << "DR"
                                 << "OBJET" << QStringList{"", ""} << "Textes incorrects !";
    }
    void aRefusedSaveWritesNothing() {
        QFETCH(QString, date);
        QFETCH(QString, recipient);
        QFETCH(QString, subject);
        QFETCH(QStringList, lines);
        QFETCH(QString, message);
        LetterWindow window(m_program->record);
        fillLetter(window, date, recipient, subject, lines);
        window.findChild<QPushButton *>("validateButton")->click();
        QCOMPARE(m_program->environment.messages().titles(), QStringList{"Erreur"});
        QCOMPARE(m_program->environment.messages().texts(), QStringList{message});
        QCOMPARE(storedLetters(), Rows());
        QCOMPARE(field(window, "recipientField")->text(), recipient);
    }

    // The letter named by the date field goes; the list keeps it until it is filled again.
    void deletingRemovesTheLetterOfTheDateTyped_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Alt+Delete") << true;
        QTest::newRow("Delete button") << false;
    }
    void deletingRemovesTheLetterOfTheDateTyped() {
        QFETCH(bool, byKey);
        storeLetter("02/01/2023", "DR A", "OBJET A", {"A1"});
        storeLetter(Today, "DR B", "OBJET B", {"B1"});
        LetterWindow window(m_program->record);
        QVERIFY(showActive(window));
        fillLetter(window, "02/01/2023", "DR", "OBJ", {"X"});
        if (byKey)
            QTest::keyClick(&window, Qt::Key_Delete, Qt::AltModifier);
        else
            window.findChild<QPushButton *>("deleteButton")->click();
        QVERIFY(m_program->environment.messages().isEmpty());
        QCOMPARE(storedLetters(), Rows({{Today, "DR B", "OBJET B", "B1", "", "", "", "", "", ""}}));
        QCOMPARE(fieldTexts(window), QStringList({"02/01/2023", "", "", "", "", "", "", "", ""}));
        QCOMPARE(listColumn(window.findChild<ReportList *>("letterList"), 3), QStringList({"A1", "", "B1", ""}));
        QCOMPARE(listColumn(m_program->record.sectionList(Section::Letters), 3), QStringList({"B1"}));

        field(window, "dateField")->setText("2/1/23");
        window.remove();
        QCOMPARE(m_program->environment.messages().texts(), QStringList{WrongDate});
    }

private:
    std::unique_ptr<ClinicalProgram> m_program;
};

QTEST_MAIN(TestLetterWindow)
#include "TestLetterWindow.moc"
