#pragma once

#include "journals/JournalPrint.h"

#include <QString>

// The patient's account statement: every line of the account with its running balance and the totals
// line, from the first line's date to the last, on the journals' page.
JournalDocument accountStatement(const QString &patientCode, const QString &patientName);

// Prints it; an empty account is reported and asks no printer. True when a job was printed.
bool printAccountStatement(const QString &patientCode, const QString &patientName);
