#pragma once

#include "store/Connection.h"
#include "store/Tables.h"
#include "ui/ReportList.h"

#include <QColor>
#include <QList>
#include <QStringList>

// The twelve sections of the medical record, in the order "load all sections" runs their loaders.
enum class Section {
    Examination,
    Prescription,
    Analyses,
    Radiology,
    SickLeave,
    Appointments,
    Certificate,
    Letters,
    Payments,
    MedicalHistory,
    SurgicalHistory,
    FamilyHistory,
};

constexpr int SectionCount = 12;

QList<Section> allSections();

// How one section shows in the record window: its place in the grid, title, list and the query its
// loader runs.
struct SectionDescriptor {
    Section section;
    int row;
    int column;
    const char *title;
    QColor titleBackground;
    QColor listBackground;
    Db db;
    const char *query; // one value: the patient code
};

const SectionDescriptor &sectionDescriptor(Section section);

// The list columns, whose widths may follow the width C of one grid column.
QList<ListColumn> sectionColumns(Section section, int gridColumnWidth);

// Alignment kind of each column of the section list, as SetColumnAlignment takes it (1 right, 2 centred,
// other left): payments centre the date and right-align the amounts.
QList<int> sectionAlignmentKinds(Section section);

// The rows of a section's list, computed from the stored rows of one patient.
struct SectionRows {
    QList<QStringList> rows;
    int highlightedRow = -1; // payments: the current balance cell
    int highlightedColumn = -1;
};

SectionRows sectionRowsFrom(Section section, const Rows &stored);

// The seven text lines of a stored row from column `first`, as the lists show them: a line shows when
// it holds text, or when it is empty and the next one holds text, so a blank line inside a text stays
// and trailing blank lines go.
QStringList shownTextLines(const Row &row, int first);

// Runs the section's query for the patient and computes its rows.
SectionRows loadSectionRows(Section section, const QString &patientCode);

// Colour of the payments list's current balance.
inline const QColor BalanceHighlight{113, 232, 252};
