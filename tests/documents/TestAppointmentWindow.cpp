#include "WindowChecks.h"
#include "documents/AppointmentWindow.h"
#include "documents/CalendarDateField.h"
#include "print/ScreenFonts.h"
#include "record/ClinicalTestHelpers.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString Today = QStringLiteral("15/03/2024");
const QString WrongDate = QStringLiteral("La date est incorrecte! (doit être sous la forme JJ/MM/AAAA)");

// date, date number, hour, reason, observations of every stored appointment.
Rows storedAppointments() {
    return storedRows(Db::Dbrv, QStringLiteral("select dateEx,datenum,heure,motif,obs from fRv order by datenum"));
}

void storeAppointment(const QString &date, const QString &number, const QString &hour, const QString &reason,
                      const QString &observations) {
    storeRow(Db::Dbrv, {"7", date, number, hour, reason, observations});
}

QLineEdit *field(QWidget &window, const QString &name) {
    return window.findChild<QLineEdit *>(name);
}

CalendarDateField *dateField(QWidget &window) {
    return window.findChild<CalendarDateField *>("dateField");
}

// The date, hour, reason and observations as they stand.
QStringList fieldTexts(QWidget &window) {
    return {dateField(window)->text(), field(window, "hourField")->text(), field(window, "reasonField")->text(),
            field(window, "observationsField")->text()};
}

} // namespace

class TestAppointmentWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { m_program = std::make_unique<ClinicalProgram>(); }
    void cleanup() { m_program.reset(); }

    void showsItsWidgetsAtTheirPlaces() {
        AppointmentWindow window(m_program->record);
        QCOMPARE(window.windowTitle(), QStringLiteral("RENDEZ-VOUS"));
        QCOMPARE(window.size(), QSize(700, 500));
        const QHash<QString, QLabel *> labels = labelsOf(window);
        QCOMPARE(labels.value("heading")->text(), QStringLiteral("RENDEZ-VOUS"));
        QCOMPARE(labels.value("heading")->geometry(), QRect(220, 23, 200, 20));
        QCOMPARE(labels.value("heading")->font(), screenFont(ScreenFont::Trebuchet11Bold));
        QCOMPARE(labels.value("DATE RV:")->geometry(), QRect(20, 53, 60, 20));
        QCOMPARE(labels.value("MOTIF DU RV:")->geometry(), QRect(180, 53, 100, 20));
        QCOMPARE(labels.value("HEURE:")->geometry(), QRect(20, 78, 60, 20));
        QCOMPARE(labels.value("OBSERVATIONS:")->geometry(), QRect(180, 78, 100, 20));
        QCOMPARE(dateField(window)->geometry(), QRect(80, 53, 80, 20));
        QVERIFY(dateField(window)->calendarPopup());
        QCOMPARE(dateField(window)->text(), Today);
        QCOMPARE(field(window, "reasonField")->geometry(), QRect(290, 53, 250, 20));
        QCOMPARE(field(window, "hourField")->geometry(), QRect(80, 78, 70, 20));
        QCOMPARE(field(window, "observationsField")->geometry(), QRect(290, 78, 250, 20));
        QCOMPARE(framesOf(window), QList<QRect>{QRect(10, 10, 550, 110)});
        checkButtons(window, {{"quitButton", {10, 128, 120, 30}, "(#ESC) Quitter"},
                              {"deleteButton", {200, 128, 180, 30}, "(#ALT+SUP) Supprimer le RV"},
                              {"validateButton", {450, 128, 110, 30}, "(#F5) Valider"},
                              {"printButton", {260, 323, 120, 30}, "(#F4) Imprimer"}});
        const ReportList *list = window.findChild<ReportList *>("appointmentList");
        QCOMPARE(list->geometry(), QRect(10, 163, 550, 150));
        checkColumns(list, {{"Date RV", 90}, {"HEURE", 60}, {"MOTIF", 200}, {"COMPTE RENDU DU MEDECIN", 350}});
        QCOMPARE(list->palette().color(QPalette::Base), QColor(234, 174, 87));
        QCOMPARE(list->palette().color(QPalette::Text), QColor(90, 14, 66));
    }

    // Enter goes date, reason, hour, observations and saves; the second save on the date changes the
    // first appointment and keeps its date number.
    void twoSavesOnADateLeaveOneAppointmentWithTheSecondHour() {
        storeAppointment(Today, "1710460800", "9H", "ANCIEN", "");
        AppointmentWindow window(m_program->record);
        QVERIFY(showActive(window));
        QCOMPARE(QApplication::focusWidget(), dateField(window));
        for (const QString hour : {"10h30", "11h"}) {
            dateField(window)->setFocus();
            QTest::keyClick(dateField(window), Qt::Key_Return);
            const QStringList typed{"controle", hour, "a jeun"};
            for (const QString &text : typed) {
                typeText(QApplication::focusWidget(), text);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }
            QCOMPARE(fieldTexts(window), QStringList({Today, "", "", ""}));
        }
        QVERIFY(m_program->environment.messages().isEmpty());
        QCOMPARE(storedAppointments(), Rows({{Today, "1710460800", "11H", "CONTROLE", "A JEUN"}}));
        const QList<QStringList> listed{{Today, "11H", "CONTROLE", "A JEUN"}};
        QCOMPARE(listRows(window.findChild<ReportList *>("appointmentList")), listed);
        QCOMPARE(listRows(m_program->record.sectionList(Section::Appointments)), listed);
    }

    void anUpdateKeepsTheStoredDateNumber() {
        storeAppointment(Today, "42", "", "ANCIEN", "");
        AppointmentWindow window(m_program->record);
        field(window, "reasonField")->setText("NOUVEAU");
        window.save();
        QCOMPARE(storedAppointments(), Rows({{Today, "42", "", "NOUVEAU", ""}}));
    }

    // Appointments may be booked in a later year; the calendar offers no date without a date number.
    void aDateOfALaterYearIsBooked() {
        AppointmentWindow window(m_program->record);
        QVERIFY(showActive(window));
        QCalendarWidget *calendar = dateField(window)->calendarWidget();
        QCOMPARE(calendar->minimumDate(), QDate(1970, 1, 1));
        QCOMPARE(calendar->maximumDate(), QDate(2038, 1, 19));
        dateField(window)->setDate(QDate(2025, 1, 15));
        QCOMPARE(dateField(window)->text(), QStringLiteral("15/01/2025"));
        field(window, "reasonField")->setText("BILAN ANNUEL");
        QTest::keyClick(&window, Qt::Key_F5);
        QVERIFY(m_program->environment.messages().isEmpty());
        QCOMPARE(storedAppointments(), Rows({{"15/01/2025", "1736899200", "", "BILAN ANNUEL", ""}}));
        QCOMPARE(listRows(m_program->record.sectionList(Section::Appointments)),
                 QList<QStringList>({{"15/01/2025", "", "BILAN ANNUEL", ""}}));
        // After the save the date stays the one chosen in the calendar.
        QCOMPARE(dateField(window)->text(), QStringLiteral("15/01/2025"));
    }

    // The date is chosen, never typed: keys typed in the field change nothing.
    void theDateCannotBeTyped() {
        AppointmentWindow window(m_program->record);
        QVERIFY(showActive(window));
        dateField(window)->setFocus();
        QTest::keyClicks(dateField(window), "01012023");
        QTest::keyClick(dateField(window), Qt::Key_Up);
        QTest::keyClick(dateField(window), Qt::Key_Backspace);
        QCOMPARE(dateField(window)->text(), Today);
    }

    void anEmptyReasonIsRefused() {
        AppointmentWindow window(m_program->record);
        field(window, "hourField")->setText("10H");
        window.findChild<QPushButton *>("validateButton")->click();
        QCOMPARE(m_program->environment.messages().titles(), QStringList{"Erreur"});
        QCOMPARE(m_program->environment.messages().texts(), QStringList{"Indiquez le motif du rendez-vous !"});
        QCOMPARE(storedAppointments(), Rows());
        QCOMPARE(field(window, "hourField")->text(), QStringLiteral("10H"));
    }

    // A row's cells go into the fields as listed, without reading the table and without moving the
    // focus; saving then changes that appointment, whose date stays the same.
    void clickingARowCopiesItsCells() {
        storeAppointment("01/02/2024", "1706745600", "8H", "VACCIN", "RAPPEL");
        storeAppointment("20/03/2024", "1710892800", "", "RESULTATS", "");
        AppointmentWindow window(m_program->record);
        QVERIFY(showActive(window));
        dateField(window)->setDate(QDate(2024, 4, 2)); // chosen in the calendar
        QVERIFY(db(Db::Dbrv).update(QStringLiteral("update fRv set heure='CHANGE'")));
        field(window, "observationsField")->setFocus();
        ReportList *list = window.findChild<ReportList *>("appointmentList");
        clickRow(list, 0);
        QCOMPARE(fieldTexts(window), QStringList({"01/02/2024", "8H", "VACCIN", "RAPPEL"}));
        QCOMPARE(QApplication::focusWidget(), field(window, "observationsField"));

        field(window, "reasonField")->setText("VACCIN GRIPPE");
        QTest::keyClick(&window, Qt::Key_F5);
        QCOMPARE(storedAppointments(), Rows({{"01/02/2024", "1706745600", "8H", "VACCIN GRIPPE", "RAPPEL"},
                                             {"20/03/2024", "1710892800", "CHANGE", "RESULTATS", ""}}));
        // The fields empty and the date goes back to the one chosen in the calendar.
        QCOMPARE(fieldTexts(window), QStringList({"02/04/2024", "", "", ""}));
    }

    void deletingCancelsTheAppointmentOfTheDate_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Alt+Delete") << true;
        QTest::newRow("Delete button") << false;
    }
    void deletingCancelsTheAppointmentOfTheDate() {
        QFETCH(bool, byKey);
        storeAppointment("01/02/2024", "1706745600", "8H", "VACCIN", "");
        storeAppointment(Today, "1710460800", "9H", "CONTROLE", "");
        AppointmentWindow window(m_program->record);
        QVERIFY(showActive(window));
        clickRow(window.findChild<ReportList *>("appointmentList"), 0);
        if (byKey)
            QTest::keyClick(&window, Qt::Key_Delete, Qt::AltModifier);
        else
            window.findChild<QPushButton *>("deleteButton")->click();
        QVERIFY(m_program->environment.messages().isEmpty());
        QCOMPARE(storedAppointments(), Rows({{Today, "1710460800", "9H", "CONTROLE", ""}}));
        QCOMPARE(fieldTexts(window), QStringList({Today, "", "", ""}));
        QCOMPARE(window.findChild<ReportList *>("appointmentList")->rowCount(), 2);
        QCOMPARE(listColumn(m_program->record.sectionList(Section::Appointments), 0), QStringList{Today});

        // A date without appointment: nothing happens.
        field(window, "hourField")->setText("10H");
        window.remove();
        window.remove();
        QCOMPARE(storedAppointments(), Rows());
        QCOMPARE(field(window, "hourField")->text(), QString());
        QVERIFY(m_program->environment.messages().isEmpty());
    }

private:
    std::unique_ptr<ClinicalProgram> m_program;
};

QTEST_MAIN(TestAppointmentWindow)
#include "TestAppointmentWindow.moc"
