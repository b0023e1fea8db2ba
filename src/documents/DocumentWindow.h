#pragma once

#include "record/Sections.h"
#include "ui/FormWindow.h"

class MedicalRecordWindow;
class QLineEdit;
class QPushButton;

// What the document windows of the record share (certificate, sick leave, letters, appointments,
// history): they work on the record's current patient, keep the record's list of their section
// current, and take the same keys: F5 saves, Alt+Delete and the Delete button delete, F4 prints
// where the window has a Print button, Escape and the Quit button close.
class DocumentWindow : public FormWindow {
    Q_OBJECT
public:
    DocumentWindow(const QString &title, const char *objectName, Section section, MedicalRecordWindow &record,
                   const QSize &size);

    virtual void save() = 0;
    virtual void remove() = 0;
    virtual void print() {}

protected:
    void functionKeyPressed(int number) override;
    void deletePressed() override { remove(); }
    void escapePressed() override { closeWindow(); }

    static QString patientCode();
    MedicalRecordWindow &record() { return m_record; }
    void reloadRecordSection();

    // "(#ESC) Quitter", the window's delete button and "(#F5) Valider" along the row at y.
    void placeButtons(int y, const QString &deleteCaption, int deleteWidth);
    // "(#F4) Imprimer" at (260, y); F4 does what it does.
    void placePrintButton(int y);

    // The heading of the windows whose date is typed (letters, history) at the top left, in Ms
    // Trebuchet 11 bold, and the date field at the right, holding today. Returns the date field.
    QLineEdit *placeHeadingAndTypedDate(const QString &heading);

private:
    void printFromWindow();

    MedicalRecordWindow &m_record;
    const Section m_section;
    bool m_prints = false;
};
