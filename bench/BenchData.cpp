#include "BenchData.h"

#include "store/Store.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QStandardPaths>
#include <cstdio>
#include <random>
#include <sqlite3.h>

namespace {

constexpr int Patients = 20000;
constexpr int Examinations = 200000;
constexpr int PrescriptionLines = 400000;
constexpr int Analyses = 100000;
constexpr int AccountLines = 100000;
const char *const Marker = "complete-1";
// The three patients of many sizes and the long medicine list came later: a practice generated
// before them gets them added once.
const char *const LargePatientsMarker = "large-patients-1";
constexpr int StoredMedicines = 5000;

const char *const LastNames[] = {"BENALI",  "MARTIN",  "BERNARD", "DUBOIS",   "THOMAS", "ROBERT",   "RICHARD",
                                 "PETIT",   "DURAND",  "LEROY",   "MOREAU",   "SIMON",  "LAURENT",  "LEFEBVRE",
                                 "MICHEL",  "GARCIA",  "DAVID",   "BERTRAND", "ROUX",   "VINCENT",  "FOURNIER",
                                 "MOREL",   "GIRARD",  "ANDRE",   "MERCIER",  "BONNET", "FRANCOIS", "MARTINEZ",
                                 "LEGRAND", "GARNIER", "FAURE",   "ROUSSEL"};
const char *const FirstNames[] = {"JEAN",  "MARIE", "PIERRE", "ANNE",  "PAUL",  "SOPHIE", "LUC",   "CLAIRE", "MARC",
                                  "JULIE", "ALI",   "FATIMA", "KARIM", "NADIA", "YOUCEF", "LEILA", "OMAR",   "SARAH"};
const char *const Medicines[] = {"ASPIRINE 500", "DOLIPRANE 1G", "AMOXICILLINE 1G", "IBUPROFENE 400", "SPASFON",
                                 "SMECTA",       "VENTOLINE",    "METFORMINE 850",  "AMLODIPINE 5",   "OMEPRAZOLE 20"};
const char *const Posologies[] = {"1 CP 3 FOIS PAR JOUR", "1 CP LE MATIN", "2 CP PAR JOUR PENDANT 7 JOURS",
                                  "1 SACHET 3 FOIS PAR JOUR", "2 BOUFFEES SI BESOIN"};
const char *const AnalysisTypes[] = {"GLYCEMIE", "NFS", "CHOLESTEROL", "TRIGLYCERIDES", "CREATININE", "TSH", "VS"};
const char *const Diagnoses[] = {"ANGINE", "HTA", "DIABETE TYPE 2", "BRONCHITE", "LOMBALGIE", "GASTRITE", "GRIPPE"};

QString cacheFolder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return QDir(base.isEmpty() ? QDir::homePath() + "/.cache" : base).filePath("vireska-bench");
}

class Generator {
public:
    explicit Generator(const QString &dataFolder) : m_folder(dataFolder) {}

    void run() {
        insertInto("Dbpatient.db", 15, Patients, [this](int i) { return patient(i + 1); });
        insertInto("Dbexamen.db", 8, Examinations, [this](int i) { return examination(i); });
        insertInto("Dbord.db", 6, PrescriptionLines, [this](int i) { return prescriptionLine(i); });
        insertInto("Dbanal.db", 6, Analyses, [this](int i) { return analysis(i); });
        insertInto("DbReg.db", 6, AccountLines, [this](int i) { return accountLine(i); });
        referenceList("tablepres.db", Medicines);
        referenceList("tableposol.db", Posologies);
        referenceList("tableanal.db", AnalysisTypes);
    }

    // Patients 20,001 to 20,003, with 18, 500 and 5,000 examination dates; each date also has three
    // prescription lines, an analysis and an account line. And a medicine list of 5,000 names.
    void addLargePatients() {
        for (int i = 0; i < int(std::size(BenchPatientSizes)); ++i) {
            const int code = Patients + 1 + i;
            const int dates = BenchPatientSizes[i];
            insertInto("Dbpatient.db", 15, 1, [this, code](int) { return patient(code); });
            insertInto("Dbexamen.db", 8, dates, [&](int d) {
                const auto [text, number] = consecutiveDate(d);
                return QStringList{QString::number(code), text, number, Diagnoses[d % 7], "EXAMEN NORMAL", "", "", ""};
            });
            insertInto("Dbord.db", 6, dates * 3, [&](int l) {
                const auto [text, number] = consecutiveDate(l / 3);
                return QStringList{QString::number(code), text, number, QString::number(l % 3 + 1), Medicines[l % 10],
                                   Posologies[l % 5]};
            });
            insertInto("Dbanal.db", 6, dates, [&](int d) {
                const auto [text, number] = consecutiveDate(d);
                return QStringList{QString::number(code), text, number, "1", AnalysisTypes[d % 7], "NORMAL"};
            });
            insertInto("DbReg.db", 6, dates, [&](int d) {
                const auto [text, number] = consecutiveDate(d);
                return QStringList{QString::number(code), text, number, "CONSULTATION", "150000", ""};
            });
        }
        static const char *const Syllables[] = {"AM", "BI", "CO", "DA", "FE", "LO", "MI", "NA", "PRE", "TRA"};
        insertInto("tablepres.db", 1, StoredMedicines, [](int i) {
            return QStringList{QString("%1%2%3 %4 MG")
                                   .arg(Syllables[i % 10], Syllables[(i / 10) % 10], Syllables[(i / 100) % 10])
                                   .arg(i / 1000 * 100 + 50)};
        });
    }

private:
    // One act a day from the first of January 2005.
    static std::pair<QString, QString> consecutiveDate(int index) {
        const QDate day = QDate(2005, 1, 1).addDays(index);
        return {day.toString("dd/MM/yyyy"), QString::number(QDate(1970, 1, 1).daysTo(day) * 86400)};
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    // A date of the last ten years, as text and as date number.
    std::pair<QString, QString> date() {
        const QDate day = QDate(2015, 1, 1).addDays(below(3650));
        const qint64 days = QDate(1970, 1, 1).daysTo(day);
        return {day.toString("dd/MM/yyyy"), QString::number(days * 86400)};
    }

    // Several acts per patient: every few rows share one patient and date.
    int patientOf(int row, int rowsPerPatient) { return (row / rowsPerPatient) % Patients + 1; }

    QStringList patient(int code) {
        const QDate birth = QDate(1930, 1, 1).addDays(below(30000));
        const qint64 days = QDate(1970, 1, 1).daysTo(birth);
        const QString name = QString("%1 %2").arg(LastNames[below(32)], FirstNames[below(18)]);
        return {QString::number(code),
                name + QString(" %1").arg(code),
                "12 RUE DES LILAS",
                "0601020304",
                birth.toString("dd/MM/yyyy"),
                days < 0 ? "-1" : QString::number(days * 86400),
                QString::number(2024 - birth.year()),
                "ans",
                below(2) ? "M" : "F",
                "M",
                "2",
                "ENSEIGNANT",
                "",
                below(5) ? "" : "DIABETE",
                "123456789"};
    }

    QStringList examination(int row) {
        const auto [text, number] = date();
        return {QString::number(patientOf(row, 10)), text, number, Diagnoses[below(7)], "EXAMEN NORMAL", "", "", ""};
    }

    QStringList prescriptionLine(int row) {
        if (row % 4 == 0)
            m_act = date();
        return {QString::number(patientOf(row, 20)), m_act.first,         m_act.second,
                QString::number(row % 4 + 1),        Medicines[row % 10], Posologies[below(5)]};
    }

    QStringList analysis(int row) {
        if (row % 3 == 0)
            m_act = date();
        return {QString::number(patientOf(row, 5)),
                m_act.first,
                m_act.second,
                QString::number(row % 3 + 1),
                AnalysisTypes[row % 7],
                "NORMAL"};
    }

    QStringList accountLine(int row) {
        const auto [text, number] = date();
        const bool fee = row % 2 == 0;
        return {QString::number(patientOf(row, 5)),
                text,
                number,
                fee ? "CONSULTATION" : "VERSEMENT",
                fee ? "150000" : "",
                fee ? "" : "100000"};
    }

    template <typename MakeRow> void insertInto(const char *file, int columns, int rows, MakeRow makeRow) {
        sqlite3 *db = nullptr;
        sqlite3_open(QDir(m_folder).filePath(file).toUtf8().constData(), &db);
        sqlite3_exec(db, "PRAGMA synchronous=OFF; BEGIN", nullptr, nullptr, nullptr);
        const QString table = QString::fromLatin1(tableDefinitions()[tableIndex(file)].table);
        QStringList marks(columns, "?");
        const QByteArray sql = QString("insert into %1 values(%2)").arg(table, marks.join(',')).toUtf8();
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr);
        for (int i = 0; i < rows; ++i) {
            const QStringList values = makeRow(i);
            for (int c = 0; c < columns; ++c)
                sqlite3_bind_text(statement, c + 1, values[c].toUtf8().constData(), -1, SQLITE_TRANSIENT);
            sqlite3_step(statement);
            sqlite3_reset(statement);
        }
        sqlite3_finalize(statement);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }

    template <size_t N> void referenceList(const char *file, const char *const (&values)[N]) {
        insertInto(file, 1, int(N), [&values](int i) { return QStringList{values[i]}; });
    }

    static int tableIndex(const char *file) {
        for (int i = 0; i < DatabaseCount; ++i)
            if (qstrcmp(tableDefinitions()[i].file, file) == 0)
                return i;
        return 0;
    }

    QString m_folder;
    std::mt19937 m_random{20261211};
    std::pair<QString, QString> m_act;
};

} // namespace

namespace {

void mark(const QString &working, const char *marker) {
    QFile file(QDir(working).filePath(marker));
    file.open(QIODevice::WriteOnly);
}

QString withLargePatients(const QString &working) {
    if (!QFile::exists(QDir(working).filePath(LargePatientsMarker))) {
        std::printf("Adding the patients with 18, 500 and 5,000 examination dates (once)...\n");
        std::fflush(stdout);
        Generator(dataFolderOf(working)).addLargePatients();
        mark(working, LargePatientsMarker);
    }
    return working;
}

} // namespace

QString benchWorkingFolder() {
    const QString working = cacheFolder();
    if (QFile::exists(QDir(working).filePath(Marker)))
        return withLargePatients(working);
    std::printf("Generating the benchmark practice in %s (once)...\n", qPrintable(working));
    std::fflush(stdout);
    QDir(working).removeRecursively();
    QDir().mkpath(working);
    const QString data = dataFolderOf(working);
    if (!store().open(data)) // creates the 23 files with their tables and indexes
        qFatal("cannot create %s", qPrintable(data));
    store().close();
    Generator(data).run();
    mark(working, Marker);
    return withLargePatients(working);
}
