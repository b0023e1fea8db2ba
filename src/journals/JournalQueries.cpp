#include "journals/JournalQueries.h"

#include "accounts/AccountLines.h"
#include "common/FieldRules.h"
#include "store/Store.h"

#include <QHash>
#include <QSet>
#include <optional>

namespace {

const QString AllPatients = QStringLiteral("0");

// Column positions in the tables the journals read.
namespace PatientColumn {
constexpr int Code = 0;
constexpr int Name = 1;
constexpr int Age = 2;
constexpr int AgeUnit = 3;
constexpr int Family = 4;
constexpr int Children = 5;
} // namespace PatientColumn
const QString PatientCells = QStringLiteral("Select Codepatient,nom,age,umage,sf,enf from fpatient");

// The patients the rows of a journal name. A long journal reads the patient table once; a short
// one looks up each patient it meets, once.
class PatientDirectory {
public:
    explicit PatientDirectory(qsizetype expectedRows) : m_preloaded(expectedRows > PreloadAbove) {
        if (!m_preloaded)
            return;
        db(Db::Dbpatient).forEachRow(PatientCells, {}, [this](const Row &row) {
            // The first row of a code is the one a lookup would find.
            if (!m_patients.contains(row.value(PatientColumn::Code)))
                m_patients.insert(row.value(PatientColumn::Code), row);
        });
    }

    std::optional<Row> find(const QString &code) {
        const auto found = m_patients.constFind(code);
        if (found != m_patients.constEnd())
            return *found;
        if (m_preloaded || m_missing.contains(code))
            return std::nullopt;
        const Rows rows = db(Db::Dbpatient).query(PatientCells + QStringLiteral(" where codepatient=?"), {code});
        if (rows.isEmpty()) {
            m_missing.insert(code);
            return std::nullopt;
        }
        m_patients.insert(code, rows.first());
        return rows.first();
    }

private:
    static constexpr qsizetype PreloadAbove = 2000;
    bool m_preloaded;
    QHash<QString, Row> m_patients;
    QSet<QString> m_missing;
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

// The acts of the period for one patient or for all, by date and then in the order of the act's lines.
struct ActSource {
    Db db;
    const char *allPatients;
    const char *onePatient;
};

ActSource actSource(Journal journal) {
    switch (journal) {
    case Journal::Consultations:
        return {Db::Dbexamen, "Select * from fExamen where datenum>=? and datenum<=? order by datenum",
                "Select * from fExamen where datenum>=? and datenum<=? and codepatient=? order by datenum"};
    case Journal::Analyses:
        return {Db::Dbanal, "Select * from fanal where datenum>=? and datenum<=? order by datenum,ordre",
                "Select * from fanal where datenum>=? and datenum<=? and codepatient=? order by datenum,ordre"};
    default:
        return {Db::Dbradio, "Select * from fradio where datenum>=? and datenum<=? order by datenum,ordre",
                "Select * from fradio where datenum>=? and datenum<=? and codepatient=? order by datenum,ordre"};
    }
}

QStringList consultationRow(const Row &act, const Row &patient) {
    QStringList diagnoses;
    for (int column = 3; column <= 7; ++column)
        diagnoses << trimSpaces(act.value(column));
    return {act.value(0),
            act.value(1),
            patient.value(PatientColumn::Name),
            patient.value(PatientColumn::Age) + u' ' + patient.value(PatientColumn::AgeUnit),
            trimSpaces(patient.value(PatientColumn::Family) + u' ' + patient.value(PatientColumn::Children)),
            diagnoses.join(u'.')};
}

QStringList actLineRow(int number, const Row &act, const Row &patient) {
    return {QString::number(number), act.value(1), patient.value(PatientColumn::Name), act.value(4), act.value(5)};
}

JournalResult actsJournal(Journal journal, const QString &patientCode, const QStringList &bounds,
                          const JournalProgress &progress) {
    const ActSource source = actSource(journal);
    const bool everyone = patientCode == AllPatients;
    const Rows acts =
        everyone ? db(source.db).query(QString::fromLatin1(source.allPatients), bounds)
                 : db(source.db).query(QString::fromLatin1(source.onePatient), bounds + QStringList{patientCode});
    PatientDirectory patients(acts.size());
    JournalResult result;
    for (qsizetype i = 0; i < acts.size(); ++i) {
        const Row &act = acts[i];
        if (progress)
            progress(i, acts.size());
        // Acts of a patient who has been deleted are left out and take no number.
        const std::optional<Row> patient = patients.find(act.value(0));
        if (!patient)
            continue;
        ++result.count;
        result.rows.append(journal == Journal::Consultations ? consultationRow(act, *patient)
                                                             : actLineRow(result.count, act, *patient));
    }
    if (progress)
        progress(acts.size(), acts.size());
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
    QSet<QString> withAccount;
    db(Db::DbReg).forEachRow(QStringLiteral("Select distinct Codepatient from fReg"), {},
                             [&withAccount](const Row &row) { withAccount.insert(row.value(0)); });
    JournalPatientNames names;
    db(Db::Dbpatient)
        .forEachRow(QStringLiteral("Select Codepatient,nom from fpatient order by nom"), {}, [&](const Row &row) {
            names.all << row.value(1);
            if (withAccount.contains(row.value(0)))
                names.withAccount << row.value(1);
        });
    return names;
}
