#pragma once

#include "patients/PatientFields.h"
#include "patients/PatientRecords.h"

#include <QColor>
#include <QHash>
#include <QObject>
#include <QRect>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QWidget;
class ReportList;

// Where a window puts its patient form. The two patient forms of the program share one arrangement and
// differ in these few places.
struct PatientFormLayout {
    int top;                  // y of the first row (code and name); the rows are 22 pixels apart
    int ageUnitX;             // x of the age unit label
    int childrenCaptionWidth; // width of the "N/Enf.:" caption
    QString categoryCaption;  // caption of the category field
    QColor codeBackground;
    bool codeCentred;
    QRect choiceList; // the list of proposed values beside the form
    QColor choiceBackground;
};

// A patient form: its thirteen widgets and the choice list, placed on a window or a page, with the typing
// aids both patient forms share — the Enter chain, the fields that jump ahead on a valid value, the
// proposed values of the sex, family situation and profession fields — and its save and delete.
class PatientForm : public QObject {
    Q_OBJECT
public:
    PatientForm(QWidget *parent, const PatientFormLayout &layout);

    PatientFields fields() const;

    // Shows a patient (no field rule runs on the texts put there) and makes its age the program-wide
    // age value, which decides where Enter in the sex field goes.
    void fill(const PatientFields &patient);

    // Empties the choice list and every field, the code label and the age unit label included.
    void clear();

    // Shows the stored patient with this code; false (and nothing changes) when there is none.
    bool showPatient(const QString &code);

    // A row of the window's patient list chosen: its code becomes the current patient code, and the
    // patient is shown when the code is not empty.
    void showListedPatient(const ReportList &list, int row);

    // Empties the form, shows a new code in the code label and puts the focus in the name field.
    void startNewPatient();

    enum class EnterResult { Ignored, Moved, SaveRequested };
    // Enter moves to the next field (computing the age from the birth date on the way); Enter in the
    // category field asks the window to save.
    EnterResult enterPressed(QWidget *focused);

    // Saves the form into the store and the window's patient list (nothing when the form is refused).
    std::optional<SavedPatient> saveTo(ReportList &list);

    // Deletes the patient of the code label from the store and the window's list; the form is emptied
    // once the user has answered the question.
    DeleteOutcome deleteFrom(ReportList &list);

    // Shows proposed values for a field; a value chosen in the list is then copied into that field.
    void offerChoices(QLineEdit *field, const QStringList &values);
    QLineEdit *servedField() const { return m_served; }

    // Runs a rule on every event of a field: its text typed, the focus coming or going. Rules do not run
    // while the program fills the form, nor when the whole window loses or regains the input.
    void watchField(QLineEdit *field, std::function<void()> rule);

    QLabel *codeLabel() const { return m_code; }
    QLineEdit *nameField() const { return m_name; }
    QLineEdit *birthDateField() const { return m_birthDate; }
    QLineEdit *ageField() const { return m_age; }
    QLabel *ageUnitLabel() const { return m_ageUnit; }
    QLineEdit *sexField() const { return m_sex; }
    QLineEdit *familySituationField() const { return m_familySituation; }
    QLineEdit *childrenField() const { return m_children; }
    QLineEdit *professionField() const { return m_profession; }
    QLineEdit *addressField() const { return m_address; }
    QLineEdit *telephoneField() const { return m_telephone; }
    QLineEdit *categoryField() const { return m_category; }
    QLineEdit *socialSecurityField() const { return m_socialSecurity; }
    ReportList *choiceList() const { return m_choices; }

signals:
    // A value chosen in the choice list was copied into the field.
    void choiceTaken(QLineEdit *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build(QWidget *parent, const PatientFormLayout &layout);
    void watchSharedFields();
    void runRule(QObject *field);
    void takeChoice(int row);
    void moveFocus(QWidget *to);
    void setQuietly(QLineEdit *field, const QString &text);
    QList<QLineEdit *> inputFields() const;

    QLabel *m_code = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_birthDate = nullptr;
    QLineEdit *m_age = nullptr;
    QLabel *m_ageUnit = nullptr;
    QLineEdit *m_sex = nullptr;
    QLineEdit *m_familySituation = nullptr;
    QLineEdit *m_children = nullptr;
    QLineEdit *m_profession = nullptr;
    QLineEdit *m_address = nullptr;
    QLineEdit *m_telephone = nullptr;
    QLineEdit *m_category = nullptr;
    QLineEdit *m_socialSecurity = nullptr;
    ReportList *m_choices = nullptr;
    QLineEdit *m_served = nullptr;

    QHash<QObject *, std::function<void()>> m_rules;
    bool m_quiet = false; // the program is writing into the fields
    int m_ruleDepth = 0;  // rules running, one inside another when a rule moves the focus
};
