#pragma once

#include "journals/JournalKinds.h"
#include "ui/CompactRows.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

inline const QString UnknownPatientTitle = QStringLiteral("Erreur inattendue");
inline const QString UnknownPatientMessage = QStringLiteral("Nom de malade inexistant dans la table !");

// What a journal is asked for: one patient by name (empty: every patient) over a period, both ends
// included.
struct JournalRequest {
    QString patientName;
    QDate from;
    QDate to;
};

// The rows of a journal as its list shows them, kept compact: a year of acts is tens of thousands of rows.
struct JournalResult {
    bool patientFound = true; // false: the name is not in the patient table and nothing was listed
    CompactRows rows;
    int count = 0;                  // rows listed (credits: account lines, the totals line apart)
    bool totalsHighlighted = false; // credits: the totals line stands out under account lines
};

// Reports how far a long journal has gone: `done` of `total` rows.
using JournalProgress = std::function<void(qsizetype done, qsizetype total)>;

// Consultations, analyses and radiology list the acts of the period (of the named patient, or of every
// patient), leaving out acts of patients no longer in the patient table; analyses and radiology number
// their rows from 1. Credits list the named patient's account lines of the period, the balance running
// from the period's start, closed by a totals line.
JournalResult runJournal(Journal journal, const JournalRequest &request, const JournalProgress &progress = {});

// The names the patient choices offer, sorted: every patient, and the patients who have an account line.
struct JournalPatientNames {
    QStringList all;
    QStringList withAccount;
};

JournalPatientNames journalPatientNames();
