#pragma once

#include "store/Connection.h"

#include <QString>
#include <QStringList>

// The thirteen fields of a patient form, as typed (the code and the age unit are labels the form fills).
struct PatientFields {
    QString code;
    QString name;
    QString birthDate;
    QString age;
    QString ageUnit;
    QString sex;
    QString familySituation;
    QString children;
    QString profession;
    QString address;
    QString telephone;
    QString category;
    QString socialSecurity;

    // A stored fpatient row, read by the positions of its columns.
    static PatientFields fromStored(const Row &row);

    // The age and its unit as the lists and the record header show them ("45 ans").
    QString ageText() const;

    // The row of a patient list: code, name, birth date, age, sex, family situation, children,
    // profession, address, telephone, category, social-security number.
    QStringList listRow() const;

    bool operator==(const PatientFields &) const = default;
};
