#include "journals/JournalQueries.h"

#include "accounts/AccountLines.h"
#include "common/FieldRules.h"
#include "store/Store.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

const QString AllPatients = QStringLiteral("0");

// A stored text as the engine hands it over, in UTF-8: the text first, then its length.
QByteArrayView storedText(sqlite3_stmt *row, int column) {
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(row, column));
    return text ? QByteArrayView(text, sqlite3_column_bytes(row, column)) : QByteArrayView();
}

QByteArrayView withoutOuterSpaces(QByteArrayView text) {
    while (!text.isEmpty() && text.front() == ' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == ' ')
        text.chop(1);
    return text;
}

// Codepatient, nom, age, umage, sf, enf.
const QString PatientColumns = QStringLiteral("Select Codepatient,nom,age,umage,sf,enf from fpatient");

// A value for each patient code met. Codes written as plain numbers (as the practice allocates them) are
// found by their number, any other code by its text; a code not met yet reads as a new T.
template <typename T> class CodeTable {
public:
    explicit CodeTable(qsizetype expectedCodes = 0) : m_numberedBelow(std::max<qsizetype>(4 * expectedCodes, 65536)) {}

    T &operator[](QByteArrayView code) {
        qsizetype number = 0;
        bool plain = !code.isEmpty() && code.size() <= 9 && code.front() != '0';
        for (qsizetype i = 0; plain && i < code.size(); ++i) {
            plain = code[i] >= '0' && code[i] <= '9';
            number = number * 10 + (code[i] - '0');
        }
        if (plain && number < m_numberedBelow) {
            if (number >= qsizetype(m_byNumber.size()))
                m_byNumber.resize(size_t(std::max(number + 1, 2 * qsizetype(m_byNumber.size()))));
            return m_byNumber[size_t(number)];
        }
        return m_byText[std::string(code.data(), size_t(code.size()))];
    }

private:
    qsizetype m_numberedBelow;
    std::vector<T> m_byNumber;
    std::unordered_map<std::string, T> m_byText;
};

// What a journal shows of a patient: the name, the age and its unit, the family situation and children.
struct PatientCells {
    QByteArrayView name;
    QByteArrayView age;
    QByteArrayView family;
};

// The patients the rows of a journal name, their cells composed once each and kept end to end in UTF-8.
// A long journal reads the patient table once; a short one looks up each patient it meets, once.
class PatientDirectory {
public:
    explicit PatientDirectory(qsizetype expectedRows)
        : m_preloaded(expectedRows > PreloadAbove), m_entries(expectedRows) {
        if (!m_preloaded)
            return;
        m_text.reserve(expectedRows * PatientBytesGuess);
        db(Db::Dbpatient).forEachStatementRow(PatientColumns, {}, [this](sqlite3_stmt *row) {
            add(storedText(row, 0), row);
        });
    }

    // Nothing for a code no longer in the patient table.
    std::optional<PatientCells> find(QByteArrayView code) {
        if (entry(code).start == NotRead && !m_preloaded) {
            db(Db::Dbpatient)
                .forEachStatementRow(PatientColumns + QStringLiteral(" where codepatient=?"), {QString::fromUtf8(code)},
                                     [this, code](sqlite3_stmt *row) { add(code, row); });
            if (entry(code).start == NotRead)
                entry(code).start = Missing;
        }
        const Entry &found = entry(code);
        if (found.start < 0)
            return std::nullopt;
        const QByteArrayView text(m_text);
        return PatientCells{text.sliced(found.start, found.nameEnd - found.start),
                            text.sliced(found.nameEnd, found.ageEnd - found.nameEnd),
                            text.sliced(found.ageEnd, found.familyEnd - found.ageEnd)};
    }

private:
    static constexpr qsizetype NotRead = -2;
    static constexpr qsizetype Missing = -1;

    struct Entry {
        qsizetype start = NotRead;
        qsizetype nameEnd = 0;
        qsizetype ageEnd = 0;
        qsizetype familyEnd = 0;
    };

    Entry &entry(QByteArrayView code) { return m_entries[code]; }

    void add(QByteArrayView code, sqlite3_stmt *row) {
        Entry &added = entry(code);
        // The first row of a code is the one a lookup would find.
        if (added.start >= 0)
            return;
        const QByteArrayView name = storedText(row, 1);
        const QByteArrayView age = storedText(row, 2);
        const QByteArrayView unit = storedText(row, 3);
        const auto [situation, children] = familyCell(storedText(row, 4), storedText(row, 5));
        const bool spaceBetween = !situation.isEmpty() && !children.isEmpty();
        const qsizetype familySize = situation.size() + (spaceBetween ? 1 : 0) + children.size();
        added.start = m_text.size();
        added.nameEnd = added.start + name.size();
        added.ageEnd = added.nameEnd + age.size() + 1 + unit.size();
        added.familyEnd = added.ageEnd + familySize;
        m_text.resize(added.familyEnd);
        char *place = m_text.data() + added.start;
        place = std::copy(name.begin(), name.end(), place);
        place = std::copy(age.begin(), age.end(), place);
        *place++ = ' ';
        place = std::copy(unit.begin(), unit.end(), place);
        place = std::copy(situation.begin(), situation.end(), place);
        if (spaceBetween)
            *place++ = ' ';
        std::copy(children.begin(), children.end(), place);
    }

    // The family situation and the children joined by a space, the whole without outer spaces: the two parts
    // left to write, a space going between them when both are there.
    static std::pair<QByteArrayView, QByteArrayView> familyCell(QByteArrayView situation, QByteArrayView children) {
        situation = withoutOuterSpaces(situation).isEmpty() ? QByteArrayView() : situation;
        children = withoutOuterSpaces(children).isEmpty() ? QByteArrayView() : children;
        if (situation.isEmpty())
            return {QByteArrayView(), withoutOuterSpaces(children)};
        while (situation.front() == ' ')
            situation = situation.sliced(1);
        if (children.isEmpty())
            return {withoutOuterSpaces(situation), QByteArrayView()};
        while (children.back() == ' ')
            children.chop(1);
        return {situation, children};
    }

    static constexpr qsizetype PreloadAbove = 2000;
    static constexpr qsizetype PatientBytesGuess = 40;
    bool m_preloaded;
    CodeTable<Entry> m_entries;
    QByteArray m_text;
};

// The patient a journal is asked for: "0" for every patient, nothing when the name is unknown.
std::optional<QString> requestedPatient(const QString &name) {
    if (name.isEmpty())
        return AllPatients;
    const std::optional<Row> first = db(Db::Dbpatient)
                                         .findRow(QStringLiteral("Select Codepatient from fpatient where nom=?"),
                                                  {name}, [](const Row &) { return true; });
    if (!first)
        return std::nullopt;
    return first->value(0);
}

QStringList period(const JournalRequest &request) {
    return {QString::number(dateNumber(request.from)), QString::number(dateNumber(request.to))};
}

// The acts of the period for one patient or for all, by date and then in the order of the act's lines:
// the patient code, the date and the journal's own cells.
struct ActSource {
    Db db;
    const char *columns;
    const char *table;
    const char *order;
};

// About what a journal row takes, so a long journal is filled without being moved as it grows.
constexpr qsizetype RowBytesGuess = 96;

// A long journal reports its progress every so many rows, often enough for the bar, not on each row.
constexpr qsizetype ProgressEveryRows = 64;

// Where the diagnoses of a consultation start among its columns.
constexpr int FirstDiagnosis = 2;

ActSource actSource(Journal journal) {
    switch (journal) {
    case Journal::Consultations:
        return {Db::Dbexamen, "Codepatient,dateEx,diag1,diag2,diag3,diag4,diag5", "fExamen", "datenum"};
    case Journal::Analyses:
        return {Db::Dbanal, "Codepatient,dateEx,anal,Res", "fanal", "datenum,ordre"};
    default:
        return {Db::Dbradio, "Codepatient,dateEx,Radio,Res", "fradio", "datenum,ordre"};
    }
}

// The five diagnoses, each without outer spaces, joined by "." even when empty; `joined` is room reused row
// after row.
QByteArrayView diagnosesCell(sqlite3_stmt *act, std::string &joined) {
    joined.clear();
    for (int column = FirstDiagnosis; column < FirstDiagnosis + 5; ++column) {
        if (column > FirstDiagnosis)
            joined += '.';
        const QByteArrayView diagnosis = withoutOuterSpaces(storedText(act, column));
        joined.append(diagnosis.data(), size_t(diagnosis.size()));
    }
    return QByteArrayView(joined.data(), qsizetype(joined.size()));
}

void addActRow(Journal journal, CompactRows &rows, int number, sqlite3_stmt *act, const PatientCells &patient,
               std::string &room) {
    if (journal == Journal::Consultations) {
        rows.appendRow({storedText(act, 0), storedText(act, 1), patient.name, patient.age, patient.family,
                        diagnosesCell(act, room)});
        return;
    }
    char numberText[16];
    const auto written = std::to_chars(std::begin(numberText), std::end(numberText), number);
    rows.appendRow({QByteArrayView(numberText, written.ptr - numberText), storedText(act, 1), patient.name,
                    storedText(act, 2), storedText(act, 3)});
}

JournalResult actsJournal(Journal journal, const QString &patientCode, const QStringList &bounds,
                          const JournalProgress &progress) {
    const ActSource source = actSource(journal);
    const bool everyone = patientCode == AllPatients;
    QString where = QStringLiteral(" from %1 where datenum>=? and datenum<=?").arg(QLatin1String(source.table));
    QStringList values = bounds;
    if (!everyone) {
        where += QStringLiteral(" and codepatient=?");
        values << patientCode;
    }
    Connection &acts = db(source.db);
    const qsizetype total = acts.queryInteger(QStringLiteral("Select count(*)") + where, values);
    PatientDirectory patients(total);
    JournalResult result;
    result.rows.reserve(int(total), total * RowBytesGuess);
    qsizetype done = 0;
    std::string room;
    acts.forEachStatementRow(QStringLiteral("Select %1%2 order by %3")
                                 .arg(QLatin1String(source.columns), where, QLatin1String(source.order)),
                             values, [&](sqlite3_stmt *act) {
                                 if (progress && done % ProgressEveryRows == 0)
                                     progress(done, total);
                                 ++done;
                                 // Acts of a patient who has been deleted are left out and take no number.
                                 const std::optional<PatientCells> patient = patients.find(storedText(act, 0));
                                 if (!patient)
                                     return;
                                 ++result.count;
                                 addActRow(journal, result.rows, result.count, act, *patient, room);
                             });
    if (progress)
        progress(total, total);
    return result;
}

JournalResult creditsJournal(const QString &patientCode, const QStringList &bounds) {
    // Every patient together has no account: without a name only the totals line shows.
    const AccountLines lines = accountLinesFrom(db(Db::DbReg).query(
        QStringLiteral("Select * from fReg where codepatient=? and datenum>=? and datenum<=? order by datenum"),
        QStringList{patientCode} + bounds));
    JournalResult result;
    for (const QStringList &row : lines.rows)
        result.rows.append(row);
    result.count = int(lines.rows.size());
    result.rows.append(accountTotalsRow(lines));
    result.totalsHighlighted = result.rows.size() >= 2;
    return result;
}

} // namespace

JournalResult runJournal(Journal journal, const JournalRequest &request, const JournalProgress &progress) {
    const std::optional<QString> patientCode = requestedPatient(request.patientName);
    if (!patientCode) {
        JournalResult unknown;
        unknown.patientFound = false;
        return unknown;
    }
    const QStringList bounds = period(request);
    if (journal == Journal::Credits)
        return creditsJournal(*patientCode, bounds);
    return actsJournal(journal, *patientCode, bounds, progress);
}

JournalPatientNames journalPatientNames() {
    struct Account {
        bool exists = false;
    };
    CodeTable<Account> accounts;
    db(Db::DbReg).forEachStatementRow(QStringLiteral("Select distinct Codepatient from fReg"), {},
                                      [&accounts](sqlite3_stmt *row) { accounts[storedText(row, 0)].exists = true; });
    // Read in table order and sorted here: the names' index would fetch every row out of order. The names
    // stay in UTF-8 end to end until they are in their order.
    struct Patient {
        qsizetype start;
        qsizetype size;
        bool hasAccount;
    };
    std::vector<Patient> patients;
    QByteArray text;
    db(Db::Dbpatient)
        .forEachStatementRow(QStringLiteral("Select Codepatient,nom from fpatient"), {}, [&](sqlite3_stmt *row) {
            const QByteArrayView name = storedText(row, 1);
            patients.push_back({text.size(), name.size(), accounts[storedText(row, 0)].exists});
            text.append(name);
        });
    const QByteArrayView names(text);
    const auto nameOf = [&names](const Patient &patient) { return names.sliced(patient.start, patient.size); };
    // UTF-8 bytes sort as the names' texts do, except a character beyond the basic plane (a lead byte from
    // 0xF0) against one near the plane's end: such names are compared as texts.
    const bool beyondBasicPlane =
        std::any_of(names.begin(), names.end(), [](char byte) { return quint8(byte) >= 0xF0; });
    if (beyondBasicPlane)
        std::stable_sort(patients.begin(), patients.end(), [&](const Patient &a, const Patient &b) {
            return QString::fromUtf8(nameOf(a)) < QString::fromUtf8(nameOf(b));
        });
    else
        std::stable_sort(patients.begin(), patients.end(), [&](const Patient &a, const Patient &b) {
            return std::string_view(nameOf(a).data(), size_t(a.size)) <
                   std::string_view(nameOf(b).data(), size_t(b.size));
        });
    JournalPatientNames result;
    result.all.reserve(qsizetype(patients.size()));
    for (const Patient &patient : patients) {
        result.all << QString::fromUtf8(nameOf(patient));
        if (patient.hasAccount)
            result.withAccount << result.all.last();
    }
    return result;
}
