#include "patients/PatientRecords.h"

#include "common/FieldRules.h"
#include "common/ProgramState.h"
#include "platform/Messages.h"
#include "store/PatientCodes.h"
#include "store/ReferenceLists.h"
#include "store/Store.h"
#include "store/WritePatterns.h"

namespace {

const QString ByCode = QStringLiteral("Select * from fpatient where codepatient=?");

} // namespace

QString patientFormError(const PatientFields &fields) {
    if (fields.name.isEmpty())
        return QStringLiteral("Le nom du patient est incorrect ! ");
    if (!fields.birthDate.isEmpty() && !checkDate(fields.birthDate))
        return QStringLiteral("La date de naissance est incorrecte! (doit être sous la forme JJ/MM/AAAA)");
    if (!checkNumber(fields.age))
        return QStringLiteral("L'âge du patient est incorrect ! (Appuyez sur la touche (ENTREE) en plaçant le "
                              "curseur sur la case date de naissance.)");
    static const QStringList familySituations{QStringLiteral("M"), QStringLiteral("C"), QStringLiteral("V"),
                                              QStringLiteral("D")};
    if (!familySituations.contains(fields.familySituation))
        return QStringLiteral("La situation familiale est incorrecte !");
    if (!fields.children.isEmpty() && !checkNumber(fields.children))
        return QStringLiteral("Le nombre d'enfants est incorrect !");
    return {};
}

std::optional<SavedPatient> savePatient(const PatientFields &fields) {
    if (const QString error = patientFormError(fields); !error.isEmpty()) {
        Messages::error(error);
        return std::nullopt;
    }
    Connection &patients = db(Db::Dbpatient);

    // One write transaction from the lookup to the insert: a second writer waits, so two new
    // patients can never be given the same code.
    Transaction transaction(patients);
    if (!transaction.isOpen())
        return std::nullopt;
    // The code shown in the form plays no part: name and birth date say who the patient is. A lookup
    // the store refuses stops here rather than storing a second copy of someone already there.
    bool ok = true;
    const Rows same = patients.query(QStringLiteral("Select * from fpatient where nom=? and datenais=?"),
                                     {fields.name, fields.birthDate}, &ok);
    if (!ok)
        return std::nullopt;
    SavedPatient saved{fields, same.isEmpty()};
    if (same.isEmpty()) {
        const qint64 largest = largestPatientCodeInUse(&ok);
        if (!ok)
            return std::nullopt;
        saved.fields.code = QString::number(largest + 1);
    } else {
        saved.fields.code = same.first().value(0);
    }
    // An age typed without a birth date is in years.
    if (saved.fields.ageUnit.isEmpty())
        saved.fields.ageUnit = QStringLiteral("ans");
    const PatientFields &p = saved.fields;
    const QString dateNumber = dateNumberText(p.birthDate);

    const Statement update{
        QStringLiteral("Update fpatient set nom=?,ad=?,tel=?,Datenais=?,Datenum=?,age=?,umage=?,sexe=?,sf=?,enf=?,"
                       "prof=?,maladie=?,ss=? where codepatient=?"),
        {p.name, p.address, p.telephone, p.birthDate, dateNumber, p.age, p.ageUnit, p.sex, p.familySituation,
         p.children, p.profession, p.category, p.socialSecurity, p.code}};
    const Statement insert{
        QStringLiteral("insert into fpatient (Codepatient,nom,ad,tel,datenais,datenum,age,umage,sexe,sf,enf,prof,"
                       "maladie,ss) values(?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
        {p.code, p.name, p.address, p.telephone, p.birthDate, dateNumber, p.age, p.ageUnit, p.sex, p.familySituation,
         p.children, p.profession, p.category, p.socialSecurity}};
    // A write the store refuses has shown its message; the patient is then not reported as saved.
    if (!updateOrInsert(patients, {ByCode, {p.code}}, update, insert) || !transaction.commit())
        return std::nullopt;

    insertIfMissing(db(Db::tablefonc), {QStringLiteral("Select * from TableFonc where fonc=?"), {p.profession}},
                    {QStringLiteral("insert into TableFonc (fonc) values(?)"), {p.profession}});
    programState().currentPatientCode = p.code;
    return saved;
}

DeleteOutcome deletePatient(const QString &code) {
    programState().currentPatientCode = code;
    if (!db(Db::Dbpatient).exists(ByCode, {code})) {
        Messages::show(QStringLiteral("Erreur inattendue"),
                       QStringLiteral("Code patient introuvable dans la table ! (Il se pourrait que le code soit "
                                      "incorrect)"));
        return DeleteOutcome::Refused;
    }
    if (db(Db::Dbexamen).exists(QStringLiteral("Select * from fexamen where codepatient=?"), {code})) {
        Messages::show(QStringLiteral("Suppression non autorisée"),
                       QStringLiteral("Impossible de supprimer ce patient car il possède un dossier médical "
                                      "(Supprimer d'abord son dossier médical)"));
        return DeleteOutcome::Refused;
    }
    const Messages::Answer answer = Messages::show(QStringLiteral("Confirmation"),
                                                   QStringLiteral("Etes-vous sûr de vouloir supprimer ce patient ?"),
                                                   Messages::Buttons::YesNoCancel);
    if (answer != Messages::Answer::Yes)
        return DeleteOutcome::Kept;
    if (!db(Db::Dbpatient).update(QStringLiteral("delete from fpatient where codepatient=?"), {code}))
        return DeleteOutcome::Kept;
    return DeleteOutcome::Deleted;
}

QList<PatientFields> patientsByName() {
    QList<PatientFields> patients;
    db(Db::Dbpatient)
        .forEachRow(QStringLiteral("Select * from fpatient order by nom"), {},
                    [&patients](const Row &row) { patients << PatientFields::fromStored(row); });
    return patients;
}

std::optional<PatientFields> storedPatient(const QString &code) {
    const Rows rows = db(Db::Dbpatient).query(ByCode, {code});
    if (rows.isEmpty())
        return std::nullopt;
    return PatientFields::fromStored(rows.first());
}

namespace {

// The search as the engine can run it: the typed name as a range of the name index (every name
// beginning with it sorts from it up to the next prefix) and every other criterion as an equality, so a
// search that finds nobody ends without reading the table through. Without a name, the few patients
// meeting the other criteria are sorted for the first one rather than the whole table walked in name
// order; names tie as the name index orders them.
std::pair<QString, QStringList> boundedSearch(const PatientFields &criteria) {
    const bool byName = !criteria.name.isEmpty();
    QString sql = QStringLiteral("Select * from fpatient where %1nom>=?").arg(byName ? "" : "+");
    QStringList values{criteria.name};
    if (const QString upperEnd = nextPrefix(criteria.name); !upperEnd.isEmpty()) {
        sql += QStringLiteral(" and nom<?");
        values << upperEnd;
    }
    const std::pair<const char *, const QString &> equalities[] = {{"datenais", criteria.birthDate},
                                                                   {"sexe", criteria.sex},
                                                                   {"sf", criteria.familySituation},
                                                                   {"prof", criteria.profession},
                                                                   {"tel", criteria.telephone}};
    bool anyEquality = false;
    for (const auto &[column, wanted] : equalities) {
        if (wanted.isEmpty())
            continue;
        sql += QStringLiteral(" and %1=?").arg(QLatin1String(column));
        values << wanted;
        anyEquality = true;
    }
    sql += byName || !anyEquality ? QStringLiteral(" order by nom")
                                  : QStringLiteral(" order by +nom,+datenais,rowid limit 1");
    return {sql, values};
}

} // namespace

std::optional<PatientFields> firstPatientMatching(const PatientFields &criteria) {
    const auto matches = [](const QString &stored, const QString &wanted) {
        return wanted.isEmpty() || stored == wanted;
    };
    bool doubt = false; // a row the engine gave that the criteria, as typed, refuse
    const auto meetsEveryCriterion = [&](const Row &row) {
        const PatientFields patient = PatientFields::fromStored(row);
        const bool met =
            patient.name.startsWith(criteria.name) && matches(patient.birthDate, criteria.birthDate) &&
            matches(patient.sex, criteria.sex) && matches(patient.familySituation, criteria.familySituation) &&
            matches(patient.profession, criteria.profession) && matches(patient.telephone, criteria.telephone);
        doubt = doubt || !met;
        return met;
    };
    const auto [sql, values] = boundedSearch(criteria);
    std::optional<Row> found = db(Db::Dbpatient).findRow(sql, values, meetsEveryCriterion);
    // Should the engine compare a stored value otherwise than as text (a file written by another
    // program), the search walks every name from the typed one on, as typed.
    if (doubt)
        found = db(Db::Dbpatient)
                    .findRow(QStringLiteral("Select * from fpatient where nom>=? order by nom"), {criteria.name},
                             meetsEveryCriterion);
    if (!found)
        return std::nullopt;
    return PatientFields::fromStored(*found);
}

QStringList professionSuggestions(const QString &typed) {
    return referenceSuggestions(Db::tablefonc, QStringLiteral("Select * from TableFonc order by fonc"), typed);
}
