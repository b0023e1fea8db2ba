#pragma once

// A small practice written straight into the tables, for the journal tests.

#include "common/FieldRules.h"
#include "record/ClinicalTestHelpers.h"
#include "ui/CompactRows.h"

inline void storePatient(const QString &code, const QString &name, const QString &age, const QString &unit,
                         const QString &family, const QString &children) {
    storeRow(Db::Dbpatient, {code, name, "1 RUE DES LILAS", "0555", "01/01/1980", dateNumberText("01/01/1980"), age,
                             unit, "M", family, children, "", "", "", ""});
}

inline void storeExamination(const QString &code, const QString &date, const QStringList &diagnoses) {
    storeRow(Db::Dbexamen, QStringList{code, date, dateNumberText(date)} + diagnoses);
}

inline void storeActLine(Db file, const QString &code, const QString &date, const QString &order,
                         const QString &designation, const QString &result) {
    storeRow(file, {code, date, dateNumberText(date), order, designation, result});
}

inline void storeAccountLine(const QString &code, const QString &date, const QString &designation, const QString &debit,
                             const QString &credit) {
    storeRow(Db::DbReg, {code, date, dateNumberText(date), designation, debit, credit});
}

// Patients 1 to 3 (1 and 3 share a name), their January 2024, and acts of patient 9, who was deleted.
inline void storeJanuaryPractice() {
    storePatient("1", "BENALI KARIM", "44", "ans", "M", "2");
    storePatient("2", "MARTIN ANNE", "8", "mois", "", "");
    storePatient("3", "BENALI KARIM", "20", "ans", "C", "0");
    storeExamination("1", "10/01/2024", {" ANGINE ", "", "FIEVRE", "", ""});
    storeExamination("9", "12/01/2024", {"GRIPPE", "", "", "", ""});
    storeExamination("2", "15/01/2024", {"", "", "", "", ""});
    storeExamination("3", "31/01/2024", {"HTA", "", "", "", ""});
    storeExamination("1", "01/02/2024", {"CONTROLE", "", "", "", ""});
    storeActLine(Db::Dbanal, "1", "10/01/2024", "1", "NFS", "NORMALE");
    storeActLine(Db::Dbanal, "1", "10/01/2024", "2", "GLYCEMIE", "1,10");
    storeActLine(Db::Dbanal, "9", "12/01/2024", "1", "TSH", "");
    storeActLine(Db::Dbanal, "2", "15/01/2024", "1", "VS", "12");
    storeActLine(Db::Dbradio, "2", "20/01/2024", "1", "ECHO ABDOMINALE", "NORMALE");
}

// The rows of a journal as texts.
inline QList<QStringList> rowTexts(const CompactRows &rows) {
    QList<QStringList> texts;
    for (int row = 0; row < rows.size(); ++row)
        texts << rows.cells(row);
    return texts;
}
