#include "documents/Letters.h"

#include "common/ProgramState.h"
#include "documents/SevenLineDocuments.h"
#include "platform/Messages.h"
#include "record/Sections.h"

namespace {

constexpr int DateColumn = 1;
constexpr int RecipientColumn = 3;
constexpr int SubjectColumn = 4;
constexpr int FirstLineColumn = 5;

} // namespace

const DatedTable &letterTable() {
    static const DatedTable table{
        Db::DbLR,
        "Select * from fLR where codepatient=? order by datenum",
        "Select * from fLR where codepatient=? and dateEx=?",
        "Delete from fLR where codepatient=? and dateEx=?",
        "insert into fLR (Codepatient,dateEx,datenum,dest,objet,txt1,txt2,txt3,txt4,txt5,txt6,txt7) "
        "values(?,?,?,?,?,?,?,?,?,?,?,?)",
    };
    return table;
}

Letter letterOf(const Row &row) {
    return {row.value(RecipientColumn), row.value(SubjectColumn), asSevenLines(row.mid(FirstLineColumn))};
}

LetterListRows letterListRows(const Rows &stored) {
    LetterListRows list;
    auto addSeparator = [&list] {
        list.separators << int(list.rows.size());
        list.rows.append(QStringList(4, QString()));
    };
    QString previous;
    for (const Row &row : stored) {
        const QString date = row.value(DateColumn);
        if (previous.isEmpty())
            previous = date;
        if (date != previous) {
            addSeparator();
            previous = date;
        }
        for (const QString &line : shownTextLines(row, FirstLineColumn))
            list.rows.append({date, row.value(RecipientColumn), row.value(SubjectColumn), line});
    }
    if (!list.rows.isEmpty())
        addSeparator();
    return list;
}

SaveOutcome saveLetter(const QString &patientCode, const QString &date, const Letter &letter) {
    if (!takeActDate(date))
        return SaveOutcome::Refused;
    const QString refusal = letter.recipient.isEmpty() ? MissingRecipientMessage
                            : letter.subject.isEmpty() ? WrongSubjectMessage
                            : !anyFilled(letter.lines) ? WrongTextsMessage
                                                       : QString();
    if (!refusal.isEmpty()) {
        Messages::error(refusal);
        return SaveOutcome::Refused;
    }
    const bool written = replaceDocument(letterTable(), patientCode, date, programState().actDateNumber,
                                         QStringList{letter.recipient, letter.subject} + asSevenLines(letter.lines));
    return written ? SaveOutcome::Saved : SaveOutcome::StoreFailed;
}
