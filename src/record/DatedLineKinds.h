#pragma once

#include "record/ActWindowParts.h"
#include "record/Sections.h"
#include "store/Tables.h"
#include "ui/ReportList.h"

#include <QColor>
#include <QList>
#include <QRect>

// A reference list that feeds one field of a dated-line form with suggestions and grows with every
// text saved from that field.
struct ReferenceList {
    Db db;
    const char *mode;        // the suggestion mode while the list serves this field
    const char *suggestions; // every entry, sorted; column 0 is the text
    const char *lookup;      // one value: the text
    const char *insert;      // the text, after the kind when there is one
    const char *kind;        // results: "A" (analyses) or "R" (radiology); nullptr elsewhere
};

// One act made of dated lines (prescription, analyses, radiology): a designation and a second text
// per line, one line per designation and act. Everything that tells the three forms apart.
struct DatedLineKind {
    Section section; // the record list refreshed after each change
    const char *objectName;
    const char *windowTitle;
    const char *dateTitle;
    int dateTitleFont; // screen font number
    QRect frame;
    ActDatePlaces datePlaces;
    const char *firstCaption;
    const char *secondCaption;
    QList<ListColumn> lineColumns;
    QColor linesText;       // invalid: the default
    QColor linesBackground; // invalid: the default

    // The lines, in one table: column 1 the date, 3 the order value, 4 the designation, 5 the second text.
    Db db;
    const char *datesQuery;        // patient
    const char *actLinesQuery;     // patient, date: lines shown at opening and after a change
    const char *chosenDateQuery;   // patient, date: lines shown when a date is chosen
    const char *lineExists;        // patient, date, designation
    const char *updateLine;        // see updateChangesDesignation
    bool updateChangesDesignation; // values (datenum, designation, second, ...) or (datenum, second, ...)
    const char *insertLine;        // patient, date, datenum, order, designation, second
    const char *lastOrder;         // patient, date
    const char *deleteLine;        // patient, date, designation

    ReferenceList first;
    ReferenceList second;
    const char *missingFirst;  // message when the designation is empty
    const char *missingSecond; // message when the second text is empty; nullptr: it may be empty

    bool lineClickClearsSuggestions;    // otherwise the suggestion list keeps its rows
    bool secondSuggestionFocusesSecond; // a suggestion taken for the second field keeps the focus there

    const char *printTitle; // title of the printed band of columns
};

const DatedLineKind &prescriptionKind();
const DatedLineKind &analysesKind();
const DatedLineKind &radiologyKind();
