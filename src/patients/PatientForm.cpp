#include "patients/PatientForm.h"

#include "common/FieldRules.h"
#include "common/ProgramState.h"
#include "patients/PatientList.h"
#include "ui/ReportList.h"
#include "ui/Widgets.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int RowStep = 22;

// Rules move the focus forward only, so a chain of them is short; this bound is a safety net.
constexpr int DeepestRuleChain = 16;

const QStringList SexChoices{QStringLiteral("Masculin"), QStringLiteral("Féminin")};
const QStringList FamilySituationChoices{QStringLiteral("Célibataire"), QStringLiteral("Marié (e)"),
                                         QStringLiteral("Divorcé (e)"), QStringLiteral("Veuf (ve)")};

QLineEdit *namedField(QLineEdit *field, const char *name) {
    field->setObjectName(QLatin1String(name));
    return field;
}

} // namespace

PatientForm::PatientForm(QWidget *parent, const PatientFormLayout &layout) : QObject(parent) {
    build(parent, layout);
    watchSharedFields();
}

void PatientForm::build(QWidget *parent, const PatientFormLayout &layout) {
    const QList<ListColumn> choiceColumns{{QStringLiteral("   Sélectionnez..."), 290}, {QString(), 5}};
    m_choices = Place::list(parent, layout.choiceList, choiceColumns);
    m_choices->setObjectName(QStringLiteral("choiceList"));
    m_choices->setColours(Qt::black, layout.choiceBackground);
    // A click in the list must not take the focus from the field it serves: leaving that field would
    // run its rule and refill the list under the click.
    m_choices->setFocusPolicy(Qt::NoFocus);
    connect(m_choices, &ReportList::rowChosen, this, &PatientForm::takeChoice);

    const int y0 = layout.top;
    const int y1 = y0 + RowStep;
    const int y2 = y1 + RowStep;
    const int y3 = y2 + RowStep;
    const int y4 = y3 + RowStep;
    const int y5 = y4 + RowStep;

    Place::label(parent, {20, y0, 80, 20}, QStringLiteral("Code interne:"));
    m_code =
        layout.codeCentred ? Place::centredLabel(parent, {110, y0, 70, 20}) : Place::label(parent, {110, y0, 70, 20});
    m_code->setObjectName(QStringLiteral("codeLabel"));
    setBackgroundColour(m_code, layout.codeBackground);
    Place::label(parent, {230, y0, 90, 20}, QStringLiteral("Nom et prénoms:"));
    m_name = namedField(Place::capitalsField(parent, {330, y0, 190, 20}), "nameField");

    Place::label(parent, {20, y1, 100, 20}, QStringLiteral("Date nais.:"));
    m_birthDate = namedField(Place::field(parent, {110, y1, 70, 20}), "birthDateField");
    Place::label(parent, {260, y1, 50, 20}, QStringLiteral("Age:"));
    m_age = namedField(Place::field(parent, {330, y1, 30, 20}), "ageField");
    m_ageUnit = Place::label(parent, {layout.ageUnitX, y1, 50, 20}, QStringLiteral("ans"));
    m_ageUnit->setObjectName(QStringLiteral("ageUnitLabel"));
    Place::label(parent, {450, y1, 60, 20}, QStringLiteral("Sexe:"));
    m_sex = namedField(Place::capitalsField(parent, {500, y1, 20, 20}), "sexField");

    Place::label(parent, {20, y2, 80, 20}, QStringLiteral("Sit. fam.:"));
    m_familySituation = namedField(Place::capitalsField(parent, {110, y2, 30, 20}), "familySituationField");
    Place::label(parent, {260, y2, layout.childrenCaptionWidth, 20}, QStringLiteral("N/Enf.:"));
    m_children = namedField(Place::field(parent, {330, y2, 30, 20}), "childrenField");

    Place::label(parent, {20, y3, 100, 20}, QStringLiteral("Profession:"));
    m_profession = namedField(Place::capitalsField(parent, {110, y3, 130, 20}), "professionField");
    Place::label(parent, {260, y3, 80, 20}, QStringLiteral("Adresse:"));
    m_address = namedField(Place::capitalsField(parent, {330, y3, 190, 20}), "addressField");

    Place::label(parent, {20, y4, 90, 20}, QStringLiteral("N° Téléphone:"));
    m_telephone = namedField(Place::field(parent, {110, y4, 130, 20}), "telephoneField");
    Place::label(parent, {260, y4, 80, 20}, layout.categoryCaption);
    m_category = namedField(Place::capitalsField(parent, {330, y4, 190, 20}), "categoryField");

    Place::label(parent, {20, y5, 90, 20}, QStringLiteral("N° s.sociale:"));
    m_socialSecurity = namedField(Place::field(parent, {110, y5, 130, 20}), "socialSecurityField");
}

QList<QLineEdit *> PatientForm::inputFields() const {
    return {m_name,       m_birthDate, m_age,       m_sex,      m_familySituation, m_children,
            m_profession, m_address,   m_telephone, m_category, m_socialSecurity};
}

PatientFields PatientForm::fields() const {
    return {m_code->text(),          m_name->text(),    m_birthDate->text(),       m_age->text(),
            m_ageUnit->text(),       m_sex->text(),     m_familySituation->text(), m_children->text(),
            m_profession->text(),    m_address->text(), m_telephone->text(),       m_category->text(),
            m_socialSecurity->text()};
}

void PatientForm::fill(const PatientFields &patient) {
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    m_code->setText(patient.code);
    m_name->setText(patient.name);
    m_birthDate->setText(patient.birthDate);
    m_age->setText(patient.age);
    m_ageUnit->setText(patient.ageUnit);
    m_sex->setText(patient.sex);
    m_familySituation->setText(patient.familySituation);
    m_children->setText(patient.children);
    m_profession->setText(patient.profession);
    m_address->setText(patient.address);
    m_telephone->setText(patient.telephone);
    m_category->setText(patient.category);
    m_socialSecurity->setText(patient.socialSecurity);
    m_quiet = wasQuiet;
    programState().ageValue = patient.age;
}

void PatientForm::clear() {
    m_choices->clearRows();
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    m_code->clear();
    m_ageUnit->clear();
    for (QLineEdit *field : inputFields())
        field->clear();
    m_quiet = wasQuiet;
}

bool PatientForm::showPatient(const QString &code) {
    const std::optional<PatientFields> patient = storedPatient(code);
    if (!patient)
        return false;
    fill(*patient);
    return true;
}

void PatientForm::showListedPatient(const ReportList &list, int row) {
    const QString code = list.cell(row, 0);
    programState().currentPatientCode = code;
    if (!code.isEmpty())
        showPatient(code);
}

void PatientForm::startNewPatient() {
    clear();
    m_code->setText(nextPatientCode());
    moveFocus(m_name);
}

PatientForm::EnterResult PatientForm::enterPressed(QWidget *focused) {
    const QHash<QWidget *, QWidget *> next{
        {m_name, m_birthDate},     {m_familySituation, m_children}, {m_children, m_profession},
        {m_profession, m_address}, {m_address, m_telephone},        {m_telephone, m_category},
    };
    if (QWidget *to = next.value(focused)) {
        moveFocus(to);
    } else if (focused == m_birthDate) {
        // A refused birth date has been reported; the user corrects it where it is.
        if (computeAge(m_birthDate, m_age, m_ageUnit))
            moveFocus(m_sex);
    } else if (focused == m_age) {
        programState().ageValue = m_age->text();
        moveFocus(m_sex);
    } else if (focused == m_sex) {
        if (integerValue(programState().ageValue) > 20) {
            moveFocus(m_familySituation);
        } else {
            // A child: single, no children.
            setQuietly(m_familySituation, QStringLiteral("C"));
            setQuietly(m_children, QStringLiteral("0"));
            moveFocus(m_profession);
        }
    } else if (focused == m_category) {
        return EnterResult::SaveRequested;
    } else {
        return EnterResult::Ignored;
    }
    return EnterResult::Moved;
}

std::optional<SavedPatient> PatientForm::saveTo(ReportList &list) {
    std::optional<SavedPatient> saved = savePatient(fields());
    if (saved)
        putPatientRow(list, saved->fields);
    return saved;
}

DeleteOutcome PatientForm::deleteFrom(ReportList &list) {
    const QString code = m_code->text();
    const DeleteOutcome outcome = deletePatient(code);
    if (outcome == DeleteOutcome::Deleted)
        removePatientRow(list, code);
    if (outcome != DeleteOutcome::Refused)
        clear();
    return outcome;
}

void PatientForm::offerChoices(QLineEdit *field, const QStringList &values) {
    m_choices->clearRows();
    for (const QString &value : values)
        m_choices->addRow({value});
    m_served = field;
}

void PatientForm::watchSharedFields() {
    // Sex and family situation take one letter: the list proposes the values while the field is empty,
    // a valid letter moves on at once, anything else keeps the user in the field.
    watchField(m_sex, [this] {
        m_served = m_sex;
        const QString sex = m_sex->text();
        if (sex.isEmpty())
            offerChoices(m_sex, SexChoices);
        else if (sex == u"M" || sex == u"F")
            moveFocus(m_familySituation);
        else
            moveFocus(m_sex);
    });
    watchField(m_familySituation, [this] {
        static const QStringList valid{QStringLiteral("C"), QStringLiteral("M"), QStringLiteral("D"),
                                       QStringLiteral("V")};
        m_served = m_familySituation;
        const QString situation = m_familySituation->text();
        if (situation.isEmpty())
            offerChoices(m_familySituation, FamilySituationChoices);
        else if (valid.contains(situation))
            moveFocus(m_children);
        else
            moveFocus(m_familySituation);
    });
    watchField(m_children, [this] {
        if (m_children->text().size() == 2)
            moveFocus(m_profession);
    });
    watchField(m_profession, [this] { offerChoices(m_profession, professionSuggestions(m_profession->text())); });
}

void PatientForm::watchField(QLineEdit *field, std::function<void()> rule) {
    m_rules.insert(field, std::move(rule));
    field->installEventFilter(this);
    connect(field, &QLineEdit::textChanged, this, [this, field] { runRule(field); });
}

bool PatientForm::eventFilter(QObject *watched, QEvent *event) {
    const bool focusIn = event->type() == QEvent::FocusIn;
    if (focusIn || event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // The window losing or regaining the input (a message box, another program, the window closing)
        // is no move within the form. Nor is a field losing the focus because a rule sent it elsewhere:
        // its own rule would pull the focus back and the two fields would fight over it.
        const bool windowChange = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
        if (!windowChange && (focusIn || m_ruleDepth == 0))
            runRule(watched);
    }
    return QObject::eventFilter(watched, event);
}

void PatientForm::runRule(QObject *field) {
    if (m_quiet || m_ruleDepth >= DeepestRuleChain)
        return;
    const std::function<void()> rule = m_rules.value(field);
    if (!rule)
        return;
    ++m_ruleDepth;
    rule();
    --m_ruleDepth;
}

void PatientForm::takeChoice(int row) {
    const QString chosen = m_choices->cell(row, 0);
    QLineEdit *field = m_served;
    if (chosen.isEmpty() || !field)
        return;
    if (field == m_sex || field == m_familySituation) {
        setQuietly(field, chosen.left(1));
        moveFocus(field == m_sex ? m_familySituation : m_children);
    } else {
        setQuietly(field, chosen);
        if (field == m_profession)
            moveFocus(m_category);
    }
    emit choiceTaken(field);
}

void PatientForm::moveFocus(QWidget *to) {
    // A window that is closing keeps nobody in it.
    if (to->window()->isVisible())
        to->setFocus(Qt::OtherFocusReason);
}

void PatientForm::setQuietly(QLineEdit *field, const QString &text) {
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    field->setText(text);
    m_quiet = wasQuiet;
}
