#include "record/DatedLines.h"

#include "common/ProgramState.h"
#include "platform/Messages.h"
#include "store/ReferenceLists.h"
#include "store/Store.h"
#include "store/WritePatterns.h"

namespace {

constexpr int DesignationColumn = 4;
constexpr int SecondColumn = 5;

QString text(const char *statement) {
    return QString::fromUtf8(statement);
}

QList<DatedLine> readLines(const DatedLineKind &kind, const char *query, const QString &patientCode,
                           const QString &date) {
    QList<DatedLine> lines;
    db(kind.db).forEachRow(text(query), {patientCode, date}, [&lines](const Row &row) {
        lines.append({row.value(DesignationColumn), row.value(SecondColumn)});
    });
    return lines;
}

bool addToReference(const ReferenceList &list, const QString &value) {
    const QStringList insertValues = list.kind ? QStringList{text(list.kind), value} : QStringList{value};
    return insertIfMissing(db(list.db), {text(list.lookup), {value}}, {text(list.insert), insertValues});
}

} // namespace

QStringList datedLineDates(const DatedLineKind &kind, const QString &patientCode) {
    return actDates(db(kind.db), text(kind.datesQuery), patientCode);
}

QList<DatedLine> actLines(const DatedLineKind &kind, const QString &patientCode, const QString &date) {
    return readLines(kind, kind.actLinesQuery, patientCode, date);
}

QList<DatedLine> chosenDateLines(const DatedLineKind &kind, const QString &patientCode, const QString &date) {
    return readLines(kind, kind.chosenDateQuery, patientCode, date);
}

QStringList referenceSuggestions(const ReferenceList &list, const QString &typed) {
    return referenceSuggestions(list.db, text(list.suggestions), typed);
}

SaveOutcome saveDatedLine(const DatedLineKind &kind, const QString &patientCode, const QString &date,
                          const DatedLine &line) {
    if (!takeActDate(date))
        return SaveOutcome::Refused;
    if (line.designation.isEmpty()) {
        Messages::error(text(kind.missingFirst));
        return SaveOutcome::Refused;
    }
    if (kind.missingSecond && line.second.isEmpty()) {
        Messages::error(text(kind.missingSecond));
        return SaveOutcome::Refused;
    }
    const QString dateNumber = programState().actDateNumber;
    Connection &lines = db(kind.db);

    // The order value places a new line after the act's last one, so an act reads back in the
    // order it was written; an updated line keeps its place. It is read inside the transaction that
    // writes the line, so no other writer can take the same place in between.
    Transaction transaction(lines);
    if (!transaction.isOpen())
        return SaveOutcome::StoreFailed;
    bool ok = false;
    const qint64 order = lines.queryInteger(text(kind.lastOrder), {patientCode, date}, &ok) + 1;
    if (!ok)
        return SaveOutcome::StoreFailed;
    const QStringList key{patientCode, date, line.designation};
    const QStringList updateValues = kind.updateChangesDesignation
                                         ? QStringList{dateNumber, line.designation, line.second} + key
                                         : QStringList{dateNumber, line.second} + key;
    const bool written =
        updateOrInsert(lines, {text(kind.lineExists), key}, {text(kind.updateLine), updateValues},
                       {text(kind.insertLine),
                        {patientCode, date, dateNumber, QString::number(order), line.designation, line.second}});
    if (!written || !transaction.commit())
        return SaveOutcome::StoreFailed;

    // Each saved text joins its reference list once; the empty result of an analysis is one entry.
    addToReference(kind.first, line.designation);
    addToReference(kind.second, line.second);
    return SaveOutcome::Saved;
}

bool deleteDatedLine(const DatedLineKind &kind, const QString &patientCode, const QString &date,
                     const QString &designation) {
    return db(kind.db).update(text(kind.deleteLine), {patientCode, date, designation});
}
