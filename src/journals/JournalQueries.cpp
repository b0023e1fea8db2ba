#include "journals/JournalQueries.h"

#include "accounts/AccountLines.h"
#include "common/FieldRules.h"
#include "store/Store.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <optional>

namespace {

const QString AllPatients = QStringLiteral("0");

// What a journal shows of a patient, composed once per patient.
struct PatientCells {
    QString name;
    QString age;    // age and unit
    QString family; // family situation and children
};

// Codepatient, nom, age, umage, sf, enf.
const QString PatientColumns = QStringLiteral("Select Codepatient,nom,age,umage,sf,enf from fpatient");

PatientCells patientCells(const Row &row) {
    return {row.value(1), row.value(2) + u' ' + row.value(3), trimSpaces(row.value(4) + u' ' + row.value(5))};
}

// The patients the rows of a journal name. A long journal reads the patient table once; a short
// one looks up each patient it meets, once.
class PatientDirectory {
public:
    explicit PatientDirectory(qsizetype expectedRows) : m_preloaded(expectedRows > PreloadAbove) {
        if (!m_preloaded)
            return;
        m_patients.reserve(expectedRows);
        db(Db::Dbpatient).forEachRow(PatientColumns, {}, [this](const Row &row) {
            // The first row of a code is the one a lookup would find.
            if (!m_patients.contains(row.value(0)))
                m_patients.insert(row.value(0), patientCells(row));
        });
    }

    // Nothing for a code no longer in the patient table.
    const PatientCells *find(const QString &code) {
        auto found = m_patients.constFind(code);
        if (found == m_patients.constEnd()) {
            if (m_preloaded)
                return nullptr;
            const Rows rows = db(Db::Dbpatient).query(PatientColumns + QStringLiteral(" where codepatient=?"), {code});
            found = m_patients.insert(code, rows.isEmpty() ? std::nullopt : std::optional(patientCells(rows.first())));
        }
        return found->has_value() ? &**found : nullptr;
    }

private:
    static constexpr qsizetype PreloadAbove = 2000;
    bool m_preloaded;
    QHash<QString, std::optional<PatientCells>> m_patients;
};

// The patient a journal is asked for: "0" for every patient, nothing when the name is unknown.
std::optional<QString> requestedPatient(const QString &name) {
    if (name.isEmpty())
        return AllPatients;
    const Rows rows = db(Db::Dbpatient).query(QStringLiteral("Select * from fpatient where nom=?"), {name});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first().value(0);
}

QStringList period(const JournalRequest &request) {
    return {dateNumberText(request.from.toString(QStringLiteral("dd/MM/yyyy"))),
            dateNumberText(request.to.toString(QStringLiteral("dd/MM/yyyy")))};
}

// The acts of the period for one patient or for all, by date and then in the order of the act's lines:
// the patient code, the date and the journal's own cells.
struct ActSource {
    Db db;
    const char *columns;
    const char *table;
    const char *order;
};

ActSource actSource(Journal journal) {
    switch (journal) {
    case Journal::Consultations:
        return {Db::Dbexamen, "Codepatient,dateEx,diag1,diag2,diag3,diag4,diag5", "fExamen", "datenum"};
    case Journal::Analyses:
        return {Db::Dbanal, "Codepatient,dateEx,anal,Res", "fanal", "datenum,ordre"};
    default:
        return {Db::Dbradio, "Codepatient,dateEx,Radio,Res", "fradio", "datenum,ordre"};
    }
}

QStringList consultationRow(const Row &act, const PatientCells &patient) {
    QStringList diagnoses;
    diagnoses.reserve(5);
    for (int column = 2; column <= 6; ++column)
        diagnoses << trimSpaces(act.value(column));
    return {act.value(0), act.value(1), patient.name, patient.age, patient.family, diagnoses.join(u'.')};
}

QStringList actLineRow(int number, const Row &act, const PatientCells &patient) {
    return {QString::number(number), act.value(1), patient.name, act.value(2), act.value(3)};
}

JournalResult actsJournal(Journal journal, const QString &patientCode, const QStringList &bounds,
                          const JournalProgress &progress) {
    const ActSource source = actSource(journal);
    const bool everyone = patientCode == AllPatients;
    QString where = QStringLiteral(" from %1 where datenum>=? and datenum<=?").arg(QLatin1String(source.table));
    QStringList values = bounds;
    if (!everyone) {
        where += QStringLiteral(" and codepatient=?");
        values << patientCode;
    }
    Connection &acts = db(source.db);
    const qsizetype total = acts.queryInteger(QStringLiteral("Select count(*)") + where, values);
    PatientDirectory patients(total);
    JournalResult result;
    result.rows.reserve(total);
    qsizetype done = 0;
    acts.forEachRow(QStringLiteral("Select %1%2 order by %3")
                        .arg(QLatin1String(source.columns), where, QLatin1String(source.order)),
                    values, [&](const Row &act) {
                        if (progress)
                            progress(done, total);
                        ++done;
                        // Acts of a patient who has been deleted are left out and take no number.
                        const PatientCells *patient = patients.find(act.value(0));
                        if (!patient)
                            return;
                        ++result.count;
                        result.rows.append(journal == Journal::Consultations ? consultationRow(act, *patient)
                                                                             : actLineRow(result.count, act, *patient));
                    });
    if (progress)
        progress(total, total);
    return result;
}

JournalResult creditsJournal(const QString &patientCode, const QStringList &bounds) {
    // Every patient together has no account: without a name only the totals line shows.
    const AccountLines lines = accountLinesFrom(db(Db::DbReg).query(
        QStringLiteral("Select * from fReg where codepatient=? and datenum>=? and datenum<=? order by datenum"),
        QStringList{patientCode} + bounds));
    JournalResult result;
    result.rows = lines.rows;
    result.count = int(lines.rows.size());
    result.rows.append(accountTotalsRow(lines));
    result.totalsHighlighted = result.rows.size() >= 2;
    return result;
}

} // namespace

JournalResult runJournal(Journal journal, const JournalRequest &request, const JournalProgress &progress) {
    const std::optional<QString> patientCode = requestedPatient(request.patientName);
    if (!patientCode) {
        JournalResult unknown;
        unknown.patientFound = false;
        return unknown;
    }
    const QStringList bounds = period(request);
    if (journal == Journal::Credits)
        return creditsJournal(*patientCode, bounds);
    return actsJournal(journal, *patientCode, bounds, progress);
}

JournalPatientNames journalPatientNames() {
    // Read in table order and sorted here: the names' index would fetch every row out of order.
    struct Patient {
        QString code;
        QString name;
    };
    QList<Patient> patients;
    db(Db::Dbpatient)
        .forEachRow(QStringLiteral("Select Codepatient,nom from fpatient"), {}, [&patients](const Row &row) {
            patients.append({row.value(0), row.value(1)});
        });
    std::stable_sort(patients.begin(), patients.end(),
                     [](const Patient &a, const Patient &b) { return a.name < b.name; });
    QSet<QString> withAccount;
    withAccount.reserve(patients.size());
    db(Db::DbReg).forEachRow(QStringLiteral("Select distinct Codepatient from fReg"), {},
                             [&withAccount](const Row &row) { withAccount.insert(row.value(0)); });
    JournalPatientNames names;
    names.all.reserve(patients.size());
    for (const Patient &patient : std::as_const(patients)) {
        names.all << patient.name;
        if (withAccount.contains(patient.code))
            names.withAccount << patient.name;
    }
    return names;
}
