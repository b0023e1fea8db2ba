#include "documents/SevenLineDocuments.h"

#include "common/ProgramState.h"
#include "platform/Messages.h"

namespace {

constexpr int FirstLineColumn = 3;

} // namespace

const SevenLineKind &certificateKind() {
    static const SevenLineKind kind{
        Section::Certificate,
        "certificateWindow",
        "CERTIFICAT MEDICAL",
        "CERTIFICAT MEDICAL DU",
        "(#ALT+SUP) Supprimer le certificat",
        200,
        500,
        {Db::Dbcertif, "Select * from fcertif where codepatient=? order by datenum",
         "Select * from fCertif where codepatient=? and dateEx=?",
         "Delete from fCertif where codepatient=? and dateEx=?",
         "insert into fCertif (Codepatient,dateEx,datenum,txt1,txt2,txt3,txt4,txt5,txt6,txt7) "
         "values(?,?,?,?,?,?,?,?,?,?)"},
        Letterhead::Certificate,
        1.7,
    };
    return kind;
}

const SevenLineKind &sickLeaveKind() {
    static const SevenLineKind kind{
        Section::SickLeave,
        "sickLeaveWindow",
        "CONGE DE MALADIE",
        "CONGE DE MALADIE DU",
        "(#ALT+SUP) Supprimer le congé",
        180,
        450,
        {Db::Dbconge, "Select * from fConge where codepatient=? order by datenum",
         "Select * from fConge where codepatient=? and dateEx=?", "Delete from fConge where codepatient=? and dateEx=?",
         "insert into fConge (Codepatient,dateEx,datenum,txt1,txt2,txt3,txt4,txt5,txt6,txt7) "
         "values(?,?,?,?,?,?,?,?,?,?)"},
        Letterhead::SickLeave,
        1.4,
    };
    return kind;
}

QStringList asSevenLines(const QStringList &lines) {
    QStringList seven = lines.mid(0, DocumentLineCount);
    while (seven.size() < DocumentLineCount)
        seven << QString();
    return seven;
}

QStringList sevenLinesOf(const Rows &rows) {
    QStringList lines;
    for (const Row &row : rows)
        for (int line = 0; line < DocumentLineCount; ++line)
            lines << row.value(FirstLineColumn + line);
    return lines;
}

SaveOutcome saveSevenLineDocument(const SevenLineKind &kind, const QString &patientCode, const QString &date,
                                  const QStringList &lines) {
    if (!takeActDate(date))
        return SaveOutcome::Refused;
    if (!anyFilled(lines)) {
        Messages::error(WrongTextsMessage);
        return SaveOutcome::Refused;
    }
    const bool written =
        replaceDocument(kind.table, patientCode, date, programState().actDateNumber, asSevenLines(lines));
    return written ? SaveOutcome::Saved : SaveOutcome::StoreFailed;
}
