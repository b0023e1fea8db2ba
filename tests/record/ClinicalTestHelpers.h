#pragma once

// What the tests of the clinical section windows share: a program with a current patient shown in
// the medical record window, and the user's gestures on lists and date choosers.

#include "common/FieldRules.h"
#include "common/ProgramState.h"
#include "record/MedicalRecordWindow.h"
#include "store/Store.h"
#include "support/TestEnvironment.h"
#include "ui/ReportList.h"

#include <QComboBox>
#include <QtTest>
#include <memory>

// A fresh program whose record window shows patient 7; today is 15/03/2024.
struct ClinicalProgram {
    TestEnvironment environment;
    MedicalRecordWindow record;

    ClinicalProgram() {
        programState().today = todayText();
        record.showPatient({"7", "DUPONT JEAN", "45 ans", "0601020304", "HTA"});
        programState().currentPatientCode = record.patientCodeForSections();
    }
};

// Shows a window and waits until it takes the keyboard, as the user sees it.
inline bool showActive(QWidget &window) {
    window.show();
    return QTest::qWaitForWindowActive(&window);
}

// Types a text key by key, accented letters included.
inline void typeText(QWidget *widget, const QString &text) {
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

// A mouse click on one row of a list.
inline void clickRow(ReportList *list, int row) {
    QVERIFY2(row >= 0 && row < list->rowCount(), "no such row");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(row).center());
}

// The user picks a date in a date chooser.
inline void chooseDate(QComboBox *chooser, const QString &date) {
    const int index = chooser->findText(date);
    QVERIFY2(index >= 0, qPrintable(date + " is not in the chooser"));
    chooser->setCurrentIndex(index);
    emit chooser->activated(index);
}

inline QStringList chooserDates(const QComboBox *chooser) {
    QStringList dates;
    for (int i = 0; i < chooser->count(); ++i)
        dates << chooser->itemText(i);
    return dates;
}

// The rows of a list, each as its cells.
inline QList<QStringList> listRows(const ReportList *list) {
    QList<QStringList> rows;
    for (int row = 0; row < list->rowCount(); ++row)
        rows << list->rowCells(row);
    return rows;
}

// Column `column` of every row of a list.
inline QStringList listColumn(const ReportList *list, int column) {
    QStringList cells;
    for (int row = 0; row < list->rowCount(); ++row)
        cells << list->cell(row, column);
    return cells;
}

// Writes one stored row straight into a table, every column given in order.
inline void storeRow(Db file, const QStringList &values) {
    const TableDefinition &definition = tableDefinition(file);
    const QStringList marks(values.size(), QStringLiteral("?"));
    QVERIFY(db(file).update(
        QStringLiteral("insert into %1 values(%2)").arg(QLatin1String(definition.table), marks.join(',')), values));
}

inline Rows storedRows(Db file, const QString &sql, const QStringList &values = {}) {
    return db(file).query(sql, values);
}
