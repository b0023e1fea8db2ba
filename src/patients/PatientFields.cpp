#include "patients/PatientFields.h"

namespace {

// Positions of the fpatient columns; 12 is reserved and never read.
enum Column {
    Code = 0,
    Name = 1,
    Address = 2,
    Telephone = 3,
    BirthDate = 4,
    Age = 6,
    AgeUnit = 7,
    Sex = 8,
    FamilySituation = 9,
    Children = 10,
    Profession = 11,
    Category = 13,
    SocialSecurity = 14,
};

} // namespace

PatientFields PatientFields::fromStored(const Row &row) {
    PatientFields fields;
    fields.code = row.value(Code);
    fields.name = row.value(Name);
    fields.birthDate = row.value(BirthDate);
    fields.age = row.value(Age);
    fields.ageUnit = row.value(AgeUnit);
    fields.sex = row.value(Sex);
    fields.familySituation = row.value(FamilySituation);
    fields.children = row.value(Children);
    fields.profession = row.value(Profession);
    fields.address = row.value(Address);
    fields.telephone = row.value(Telephone);
    fields.category = row.value(Category);
    fields.socialSecurity = row.value(SocialSecurity);
    return fields;
}

QString PatientFields::ageText() const {
    return age + u' ' + ageUnit;
}

QStringList PatientFields::listRow() const {
    return {code,     name,       birthDate, ageText(), sex,      familySituation,
            children, profession, address,   telephone, category, socialSecurity};
}
