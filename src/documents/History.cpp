#include "documents/History.h"

#include "common/ProgramState.h"
#include "platform/Messages.h"

namespace {

constexpr int TextColumn = 3;

} // namespace

const HistoryKind &medicalHistoryKind() {
    static const HistoryKind kind{
        Section::MedicalHistory,
        "medicalHistoryWindow",
        "ANTECEDENTS MEDICAUX",
        {Db::DbAntM, "Select * from fAntM where codepatient=? order by datenum",
         "Select * from fAntM where codepatient=? and dateEx=?", "Delete from fAntM where codepatient=? and dateEx=?",
         "insert into fAntM (Codepatient,dateEx,datenum,texte) values(?,?,?,?)"},
    };
    return kind;
}

const HistoryKind &surgicalHistoryKind() {
    static const HistoryKind kind{
        Section::SurgicalHistory,
        "surgicalHistoryWindow",
        "ANTECEDENTS CHIRURGICAUX",
        {Db::DbAntC, "Select * from fAntC where codepatient=? order by datenum",
         "Select * from fAntC where codepatient=? and dateEx=?", "Delete from fAntC where codepatient=? and dateEx=?",
         "insert into fAntC (Codepatient,dateEx,datenum,texte) values(?,?,?,?)"},
    };
    return kind;
}

const HistoryKind &familyHistoryKind() {
    static const HistoryKind kind{
        Section::FamilyHistory,
        "familyHistoryWindow",
        "ANTECEDENTS FAMILIAUX",
        {Db::DbAntF, "Select * from fAntF where codepatient=? order by datenum",
         "Select * from fAntF where codepatient=? and dateEx=?", "Delete from fAntF where codepatient=? and dateEx=?",
         "insert into fAntF (Codepatient,dateEx,datenum,texte) values(?,?,?,?)"},
    };
    return kind;
}

QList<QStringList> historyListRows(const HistoryKind &kind, const Rows &stored) {
    return sectionRowsFrom(kind.section, stored).rows;
}

QString historyTextOf(const Row &row) {
    return row.value(TextColumn);
}

SaveOutcome saveHistoryEntry(const HistoryKind &kind, const QString &patientCode, const QString &date,
                             const QString &text) {
    if (!takeActDate(date))
        return SaveOutcome::Refused;
    if (text.isEmpty()) {
        Messages::error(WrongTextMessage);
        return SaveOutcome::Refused;
    }
    const bool written = replaceDocument(kind.table, patientCode, date, programState().actDateNumber, {text});
    return written ? SaveOutcome::Saved : SaveOutcome::StoreFailed;
}
