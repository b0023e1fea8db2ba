#pragma once

#include "common/FieldRules.h"
#include "patients/PatientFields.h"
#include "store/Store.h"

#include <QtTest>

// Patients as a form holds them, and rows written straight into the tables, for the patient tests.

inline PatientFields typedPatient(const QString &name = QStringLiteral("BENALI KARIM"),
                                  const QString &birthDate = QStringLiteral("12/05/1979")) {
    return {QString(),
            name,
            birthDate,
            QStringLiteral("44"),
            QStringLiteral("ans"),
            QStringLiteral("M"),
            QStringLiteral("M"),
            QStringLiteral("2"),
            QStringLiteral("CARDIOLOGUE"),
            QStringLiteral("12 RUE DES LILAS"),
            QStringLiteral("0555 12 34 56"),
            QStringLiteral("HTA"),
            QStringLiteral("1790512345678")};
}

// Writes a row of every column of a table, in order.
inline void storeRow(Db file, const QStringList &values) {
    const TableDefinition &definition = tableDefinition(file);
    const QStringList marks(values.size(), QStringLiteral("?"));
    QVERIFY(db(file).update(
        QStringLiteral("insert into %1 values(%2)").arg(QLatin1String(definition.table), marks.join(u',')), values));
}

// A patient stored as a save would store it.
inline void storePatient(const PatientFields &p) {
    storeRow(Db::Dbpatient,
             {p.code, p.name, p.address, p.telephone, p.birthDate, dateNumberText(p.birthDate), p.age, p.ageUnit, p.sex,
              p.familySituation, p.children, p.profession, QString(), p.category, p.socialSecurity});
}

inline PatientFields storedPatientWith(const QString &code, const QString &name, const QString &birthDate,
                                       const QString &telephone = QStringLiteral("0555 00 00 00")) {
    PatientFields p = typedPatient(name, birthDate);
    p.code = code;
    p.telephone = telephone;
    storePatient(p);
    return p;
}

inline Rows tableRows(Db file, const QString &orderedQuery) {
    return db(file).query(orderedQuery);
}

inline Rows patientRows() {
    return tableRows(Db::Dbpatient, QStringLiteral("Select * from fpatient order by Codepatient"));
}

inline QStringList professions() {
    QStringList list;
    for (const Row &row : tableRows(Db::tablefonc, QStringLiteral("Select * from TableFonc order by fonc")))
        list << row.value(0);
    return list;
}
