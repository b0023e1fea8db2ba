#pragma once

#include "patients/ReferenceListKinds.h"

#include <QWidget>

class QLineEdit;
class ReportList;

// A page of the tables window that maintains one reference list: an entry field, Validate and Delete,
// and the list; a click on a row copies its text into the entry field, ready to be deleted.
class ReferenceListPage : public QWidget {
    Q_OBJECT
public:
    ReferenceListPage(const ReferenceListKind &kind, QWidget *parent);

    const ReferenceListKind &kind() const { return m_kind; }
    QLineEdit *entryField() const { return m_entry; }
    ReportList *list() const { return m_list; }

    // Reads the list again from its table.
    void fill();
    // Adds the typed text once (Validate, F5, Enter in the entry field).
    void save();
    // Deletes the typed text (Delete, Alt+Delete).
    void remove();

private:
    void takeRow(int row);

    const ReferenceListKind &m_kind;
    QLineEdit *m_entry = nullptr;
    ReportList *m_list = nullptr;
};
