#pragma once

#include "ui/ReportList.h"

#include <QColor>
#include <QList>

// The four journals of the practice's activity over a period, in the order of their tabs.
enum class Journal { Consultations, Analyses, Radiology, Credits };

constexpr int JournalCount = 4;

// One column of a printed journal: its title, drawn at the column's left boundary plus titleOffset,
// and its cells, drawn at the left boundary plus cellOffset or, for amounts, right-aligned against
// the column's right boundary one character at a time.
struct JournalPrintColumn {
    const char *title;
    double titleOffset;
    double cellOffset;
    bool rightAligned = false;
};

// How a journal prints, in units: the left border and the column boundaries c0..cn, the right border
// R, the boundary the period is drawn at, and the columns.
struct JournalPrintLayout {
    const char *title;
    QList<double> boundaries; // c0, c1, ... one per column
    double right;
    int periodBoundary;
    QList<JournalPrintColumn> columns;
};

// A journal's tab: its captions, its list and how it prints.
struct JournalKind {
    Journal journal;
    const char *tabCaption;
    const char *title;
    QList<ListColumn> columns;
    QColor listBackground;
    bool allPatientsBox;
    const char *countCaption; // nullptr: the journal shows no count
    int countCaptionWidth;
    int countValueX;
    JournalPrintLayout print;
};

const JournalKind &journalKind(Journal journal);

// The patient's account statement, printed from the payments window like the credits journal.
const JournalPrintLayout &accountStatementLayout();
