#pragma once

#include "accounts/AccountLines.h"
#include "record/Acts.h"

#include <QString>
#include <QStringList>
#include <optional>

// The account of one patient: one line per date with a designation, the amount due that day (the
// tariff) and the amount paid, kept in `fReg`.

inline const QString MissingDesignationMessage = QStringLiteral("Indiquez la designation !");
inline const QString WrongAmountsMessage = QStringLiteral("Valeurs incorrectes ! ");

// A line as the payments form holds it: amounts as typed, or in display form when read back.
struct PaymentEntry {
    QString date;
    QString designation;
    QString tariff;
    QString paid;
    bool operator==(const PaymentEntry &other) const = default;
};

// The patient's lines in date order with the running balance.
AccountLines paymentLines(const QString &patientCode);

// The stored line of that date, amounts in display form ("1500.00").
std::optional<PaymentEntry> storedPayment(const QString &patientCode, const QString &date);

// Stores the entry as the line of its date, replacing the one the date held. A wrong date, a missing
// designation, an amount that is not a number or two amounts without a whole unit are reported and
// nothing is written; an empty amount is 0. The designation and a tariff above 0 join their
// reference lists once.
SaveOutcome savePaymentLine(const QString &patientCode, const PaymentEntry &entry);

enum class DeleteOutcome { Refused, Deleted, NoLine };

// Deletes the line of that date; a wrong date is reported.
DeleteOutcome deletePaymentLine(const QString &patientCode, const QString &date);

// The choices the form offers: every designation and every tariff ever saved, sorted.
QStringList designationChoices();
QStringList tariffChoices();
