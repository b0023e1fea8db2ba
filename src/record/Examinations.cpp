#include "record/Examinations.h"

#include "common/ProgramState.h"
#include "platform/Messages.h"
#include "store/Store.h"
#include "store/WritePatterns.h"

#include <algorithm>

namespace {

Connection &examinations() {
    return db(Db::Dbexamen);
}

const QString SelectExamination = QStringLiteral("Select * from fexamen where codepatient=? and dateEx=?");

} // namespace

QStringList examinationDates(const QString &patientCode) {
    return actDates(
        examinations(),
        QStringLiteral("Select min(datenum),dateEx from fexamen where codepatient=? group by dateEx order by 1"),
        patientCode);
}

std::optional<ExaminationLines> examinationOf(const QString &patientCode, const QString &date) {
    const Rows rows = examinations().query(SelectExamination, {patientCode, date});
    if (rows.isEmpty())
        return std::nullopt;
    ExaminationLines lines;
    for (int line = 0; line < 4; ++line)
        lines[line] = rows.first().value(3 + line);
    return lines;
}

QStringList shownExaminationLines(const ExaminationLines &lines) {
    QStringList shown;
    for (const QString &line : lines)
        if (!line.isEmpty())
            shown << line;
    return shown;
}

SaveOutcome saveExamination(const QString &patientCode, const QString &date, const ExaminationLines &lines) {
    if (!takeActDate(date))
        return SaveOutcome::Refused;
    if (std::all_of(lines.begin(), lines.end(), [](const QString &line) { return line.isEmpty(); })) {
        Messages::error(NoDiagnosisLineMessage);
        return SaveOutcome::Refused;
    }
    const QString dateNumber = programState().actDateNumber;
    // diag5 is written empty with a new examination and never touched afterwards.
    const Statement update{QStringLiteral("Update fexamen set datenum=?,diag1=?,diag2=?,diag3=?,diag4=? where "
                                          "codepatient=? and dateEx=?"),
                           {dateNumber, lines[0], lines[1], lines[2], lines[3], patientCode, date}};
    const Statement insert{QStringLiteral("insert into fexamen (Codepatient,dateEx,datenum,diag1,diag2,diag3,diag4,"
                                          "diag5) values(?,?,?,?,?,?,?,?)"),
                           {patientCode, date, dateNumber, lines[0], lines[1], lines[2], lines[3], QString()}};
    const bool written = updateOrInsert(examinations(), {SelectExamination, {patientCode, date}}, update, insert);
    return written ? SaveOutcome::Saved : SaveOutcome::StoreFailed;
}

bool deleteExamination(const QString &patientCode, const QString &date) {
    return examinations().update(QStringLiteral("Delete from fexamen where codepatient=? and dateEx=?"),
                                 {patientCode, date});
}
