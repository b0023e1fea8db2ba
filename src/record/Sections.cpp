#include "record/Sections.h"

#include "accounts/AccountLines.h"
#include "store/Store.h"

#include <array>

namespace {

const QColor SectionTitle{20, 77, 134};
const QColor CertificateTitle{8, 56, 78};
const QColor Blue{27, 109, 166};
const QColor Ochre{194, 124, 17};
const QColor Violet{110, 52, 160};
const QColor Green{40, 118, 100};

constexpr int DateColumn = 1;

// Acts of different dates are parted by one empty row; the first act has none before it.
class DateGroups {
public:
    explicit DateGroups(QList<QStringList> &rows) : m_rows(rows) {}
    void startAct(const QString &date) {
        if (m_started && date != m_previous)
            m_rows.append(QStringList{});
        m_started = true;
        m_previous = date;
    }

private:
    QList<QStringList> &m_rows;
    QString m_previous;
    bool m_started = false;
};

QList<QStringList> examinationRows(const Rows &stored) {
    QList<QStringList> rows;
    for (const Row &row : stored)
        for (int line = 3; line <= 6; ++line)
            if (!row.value(line).isEmpty())
                rows.append({row[DateColumn], row[line]});
    return rows;
}

// Prescription, analyses and radiology: one row per line, acts parted by date.
QList<QStringList> datedLineRows(const Rows &stored) {
    QList<QStringList> rows;
    DateGroups groups(rows);
    for (const Row &row : stored) {
        groups.startAct(row.value(DateColumn));
        rows.append({row.value(DateColumn), row.value(4), row.value(5)});
    }
    return rows;
}

// Sick leave, certificate and letters: one row per shown text line, the act's fixed cells first.
QList<QStringList> textRows(const Rows &stored, const QList<int> &fixedColumns, int firstLine) {
    QList<QStringList> rows;
    DateGroups groups(rows);
    for (const Row &row : stored) {
        groups.startAct(row.value(DateColumn));
        QStringList fixed{row.value(DateColumn)};
        for (int column : fixedColumns)
            fixed << row.value(column);
        for (const QString &line : shownTextLines(row, firstLine))
            rows.append(fixed + QStringList{line});
    }
    return rows;
}

QList<QStringList> plainRows(const Rows &stored, const QList<int> &columns) {
    QList<QStringList> rows;
    for (const Row &row : stored) {
        QStringList cells;
        for (int column : columns)
            cells << row.value(column);
        rows.append(cells);
    }
    return rows;
}

SectionRows paymentRows(const Rows &stored) {
    SectionRows result{accountLinesFrom(stored).rows};
    if (!result.rows.isEmpty()) {
        result.highlightedRow = int(result.rows.size()) - 1;
        result.highlightedColumn = 4;
    }
    return result;
}

} // namespace

QStringList shownTextLines(const Row &row, int first) {
    QStringList shown;
    for (int j = 0; j < 7; ++j) {
        const QString line = row.value(first + j);
        const bool nextHoldsText = j < 6 && !row.value(first + j + 1).isEmpty();
        if (!line.isEmpty() || nextHoldsText)
            shown << line;
    }
    return shown;
}

QList<Section> allSections() {
    QList<Section> sections;
    for (int i = 0; i < SectionCount; ++i)
        sections << Section(i);
    return sections;
}

const SectionDescriptor &sectionDescriptor(Section section) {
    static const std::array<SectionDescriptor, SectionCount> descriptors{{
        {Section::Examination, 0, 0, "EXAMEN ET DIAGNOSTIC", SectionTitle, Blue, Db::Dbexamen,
         "Select * from fexamen where codepatient=? order by datenum"},
        {Section::Prescription, 0, 1, "O R D O N N A N C E", SectionTitle, Blue, Db::Dbord,
         "Select * from fOrd where codepatient=? order by datenum,cast(ordre as integer),rowid"},
        {Section::Analyses, 0, 2, "ANALYSES MEDICALES", SectionTitle, Blue, Db::Dbanal,
         "Select * from fanal where codepatient=? order by datenum,cast(ordre as integer),rowid"},
        {Section::Radiology, 1, 0, "ECHOGRAPHIE / RADIOLOGIE", SectionTitle, Ochre, Db::Dbradio,
         "Select * from fRadio where codepatient=? order by datenum,cast(ordre as integer),rowid"},
        {Section::SickLeave, 1, 1, "CONGE DE MALADIE", SectionTitle, Ochre, Db::Dbconge,
         "Select * from fconge where codepatient=? order by datenum"},
        {Section::Appointments, 1, 2, "RENDEZ-VOUS", SectionTitle, Ochre, Db::Dbrv,
         "Select * from fRv where codepatient=? order by datenum"},
        {Section::Certificate, 2, 0, "CERTIFICAT MEDICAL", CertificateTitle, Violet, Db::Dbcertif,
         "Select * from fCertif where codepatient=? order by datenum"},
        {Section::Letters, 2, 1, "LETTRE DE RECOMMANDATION", SectionTitle, Violet, Db::DbLR,
         "Select * from fLR where codepatient=? order by datenum"},
        {Section::Payments, 2, 2, "REGLEMENTS", SectionTitle, Violet, Db::DbReg,
         "Select * from fReg where codepatient=? order by datenum"},
        {Section::MedicalHistory, 3, 0, "ANTECEDENTS MEDICAUX", SectionTitle, Green, Db::DbAntM,
         "Select * from fAntM where codepatient=? order by datenum"},
        {Section::SurgicalHistory, 3, 1, "ANTECEDENTS CHIRURGICAUX", SectionTitle, Green, Db::DbAntC,
         "Select * from fAntC where codepatient=? order by datenum"},
        {Section::FamilyHistory, 3, 2, "ANTECEDENTS FAMILIAUX", SectionTitle, Green, Db::DbAntF,
         "Select * from fAntF where codepatient=? order by datenum"},
    }};
    return descriptors[static_cast<int>(section)];
}

QList<ListColumn> sectionColumns(Section section, int c) {
    const QString text = QStringLiteral("T E X T E");
    switch (section) {
    case Section::Examination:
        return {{"Date", 90}, {"Compte rendu", c - 100}};
    case Section::Prescription:
        return {{"Date", 80}, {"PRESCRIPTION", 170}, {"POSOLOGIE", 220}};
    case Section::Analyses:
        return {{"Date", 90}, {"TYPE D'ANALYSE", 200}, {"RESULTAT", c - 100}};
    case Section::Radiology:
        return {{"Date", 90}, {"DESIGNATION", 200}, {"RESULTAT", c - 100}};
    case Section::SickLeave:
        return {{"Date", 80}, {text, 440}};
    case Section::Appointments:
        return {{"DATE RV", 90}, {"Heure", 70}, {"MOTIF", 120}, {"OBSERVATIONS", 200}};
    case Section::Certificate:
        return {{"Date", 80}, {text, 400}};
    case Section::Letters:
        return {{"Date", 80}, {"Destinataire", 100}, {"Objet", 100}, {text, 400}};
    case Section::Payments:
        return {{"Date", 80}, {"DESIGNATION", 200}, {"TARIF", 80}, {"VERSEMENT", 80}, {"SOLDE", 80}};
    case Section::MedicalHistory:
    case Section::SurgicalHistory:
    case Section::FamilyHistory:
        return {{"Date", 80}, {text, 400}};
    }
    return {};
}

QList<int> sectionAlignmentKinds(Section section) {
    if (section == Section::Payments)
        return {2, 0, 1, 1, 1};
    return QList<int>(sectionColumns(section, 0).size(), 0);
}

SectionRows sectionRowsFrom(Section section, const Rows &stored) {
    switch (section) {
    case Section::Examination:
        return {examinationRows(stored)};
    case Section::Prescription:
    case Section::Analyses:
    case Section::Radiology:
        return {datedLineRows(stored)};
    case Section::SickLeave:
    case Section::Certificate:
        return {textRows(stored, {}, 3)};
    case Section::Letters:
        return {textRows(stored, {3, 4}, 5)};
    case Section::Appointments:
        return {plainRows(stored, {1, 3, 4, 5})};
    case Section::Payments:
        return paymentRows(stored);
    case Section::MedicalHistory:
    case Section::SurgicalHistory:
    case Section::FamilyHistory:
        return {plainRows(stored, {1, 3})};
    }
    return {};
}

SectionRows loadSectionRows(Section section, const QString &patientCode) {
    const SectionDescriptor &descriptor = sectionDescriptor(section);
    return sectionRowsFrom(section, db(descriptor.db).query(QString::fromLatin1(descriptor.query), {patientCode}));
}
