#include "accounts/Payments.h"

#include "common/Amounts.h"
#include "common/FieldRules.h"
#include "common/ProgramState.h"
#include "platform/Messages.h"
#include "store/Store.h"
#include "store/WritePatterns.h"

namespace {

const QString LineOfDate = QStringLiteral("Select * from fReg where codepatient=? and dateEx=?");
const QString DeleteLineOfDate = QStringLiteral("Delete from fReg where codepatient=? and dateEx=?");
const QString InsertLine =
    QStringLiteral("insert into fReg (Codepatient,dateEx,datenum,des,debit,credit) values(?,?,?,?,?,?)");

QStringList firstColumn(Db file, const QString &sql) {
    QStringList values;
    db(file).forEachRow(sql, {}, [&values](const Row &row) { values << row.value(0); });
    return values;
}

// An empty amount is 0; text that is no number is refused rather than stored as 0, so a fee or a
// payment is never lost without a word.
std::optional<QString> enteredAmount(const QString &typed) {
    if (typed.isEmpty())
        return QStringLiteral("0");
    if (!checkNumber(typed))
        return std::nullopt;
    return typed;
}

} // namespace

AccountLines paymentLines(const QString &patientCode) {
    return accountLinesFrom(
        db(Db::DbReg).query(QStringLiteral("Select * from fReg where codepatient=? order by datenum"), {patientCode}));
}

std::optional<PaymentEntry> storedPayment(const QString &patientCode, const QString &date) {
    const Rows rows = db(Db::DbReg).query(LineOfDate, {patientCode, date});
    if (rows.isEmpty())
        return std::nullopt;
    const Row &row = rows.first();
    return PaymentEntry{row.value(1), row.value(3), CentsToAmount(row.value(4)), CentsToAmount(row.value(5))};
}

SaveOutcome savePaymentLine(const QString &patientCode, const PaymentEntry &entry) {
    if (!takeActDate(entry.date))
        return SaveOutcome::Refused;
    if (entry.designation.isEmpty()) {
        Messages::error(MissingDesignationMessage);
        return SaveOutcome::Refused;
    }
    const std::optional<QString> tariff = enteredAmount(entry.tariff);
    const std::optional<QString> paid = enteredAmount(entry.paid);
    // The test reads whole units: a line needs a tariff or a payment of at least one.
    if (!tariff || !paid || (integerValue(*tariff) <= 0 && integerValue(*paid) <= 0)) {
        Messages::error(WrongAmountsMessage);
        return SaveOutcome::Refused;
    }
    const QString debit = AmountToCents(*tariff);
    const QString credit = AmountToCents(*paid);
    const QStringList key{patientCode, entry.date};
    Connection &account = db(Db::DbReg);
    if (!replaceRow(
            account, {LineOfDate, key}, {DeleteLineOfDate, key},
            {InsertLine, {patientCode, entry.date, programState().actDateNumber, entry.designation, debit, credit}}))
        return SaveOutcome::StoreFailed;

    insertIfMissing(db(Db::tableDes), {QStringLiteral("Select * from ftabledes where des=?"), {entry.designation}},
                    {QStringLiteral("insert into ftabledes (des) values(?)"), {entry.designation}});
    if (integerValue(debit) > 0) {
        const QString tariffText = CentsToAmount(debit);
        insertIfMissing(db(Db::tableTarif), {QStringLiteral("Select * from ftableTarif where Tarif=?"), {tariffText}},
                        {QStringLiteral("insert into ftableTarif (Tarif) values(?)"), {tariffText}});
    }
    return SaveOutcome::Saved;
}

DeleteOutcome deletePaymentLine(const QString &patientCode, const QString &date) {
    if (!checkDate(date)) {
        Messages::error(WrongActDateMessage);
        return DeleteOutcome::Refused;
    }
    Connection &account = db(Db::DbReg);
    if (!account.exists(LineOfDate, {patientCode, date}))
        return DeleteOutcome::NoLine;
    return account.update(DeleteLineOfDate, {patientCode, date}) ? DeleteOutcome::Deleted : DeleteOutcome::NoLine;
}

QStringList designationChoices() {
    return firstColumn(Db::tableDes, QStringLiteral("Select * from ftableDes order by des"));
}

QStringList tariffChoices() {
    return firstColumn(Db::tableTarif, QStringLiteral("Select * from ftabletarif order by tarif"));
}
