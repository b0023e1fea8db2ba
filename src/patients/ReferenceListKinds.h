#pragma once

#include "store/Tables.h"

#include <QColor>
#include <QPoint>
#include <QStringList>

// A reference list the tables window maintains (medicines, diseases, prescriptions): one text column,
// each text once. Everything that tells the three pages apart.
struct ReferenceListKind {
    const char *objectName;
    const char *tabCaption;
    int picture;
    QPoint picturePlace;
    int headingX;
    const char *heading;
    const char *caption;
    const char *listTitle;
    QColor listBackground;
    int listTop;

    Db db;
    const char *fillQuery;   // every entry, sorted; column 0 is the text
    const char *existsQuery; // the text
    const char *insert;      // the text
    const char *remove;      // the text

    const char *emptyDeleteMessage; // refused delete of an empty field; nullptr: the delete runs with it
    bool focusAfterRepeatedAdd;     // the entry field takes the focus even when the text was listed already
    bool focusAfterDelete;
};

const ReferenceListKind &medicinesKind();
const ReferenceListKind &diseasesKind();
const ReferenceListKind &prescriptionsKind();

// Every entry, in the list's order.
QStringList referenceEntries(const ReferenceListKind &kind);

enum class AddOutcome {
    Empty,   // nothing typed: nothing done
    Present, // the list holds the text already: nothing written, nothing said
    Added,
    Failed, // the store refused it and said why
};

// Adds the text exactly as typed, once.
AddOutcome addReferenceEntry(const ReferenceListKind &kind, const QString &text);

// Deletes the text (an empty text deletes an empty entry); no question is asked. False when the store
// refused it.
bool deleteReferenceEntry(const ReferenceListKind &kind, const QString &text);
