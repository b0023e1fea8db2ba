// Measures Vireska's operations on a large practice, each beside its floor measured in the same run: the
// same rows read directly through SQLite with statements prepared once, or, for start-up and memory, a
// bare Qt Widgets window process. Run by hand: see the README.

#include "BenchData.h"
#include "Measure.h"

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "common/ProgramState.h"
#include "journals/JournalsWindow.h"
#include "patients/PatientRecords.h"
#include "patients/PatientWindow.h"
#include "patients/TablesWindow.h"
#include "platform/FilePrivacy.h"
#include "platform/Messages.h"
#include "record/DatedLineKinds.h"
#include "record/DatedLines.h"
#include "record/MedicalRecordWindow.h"
#include "record/Sections.h"
#include "store/Store.h"
#include "ui/FormWindow.h"
#include "ui/ReportList.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QMainWindow>
#include <QProcess>
#include <QTimer>
#include <cstdio>
#include <sqlite3.h>

namespace {

// The floor's side: plain SQLite connections on the same files, each statement prepared once and every
// column read as text.
class DirectSqlite {
public:
    explicit DirectSqlite(const QString &dataFolder) : m_folder(dataFolder) {}
    ~DirectSqlite() {
        for (sqlite3_stmt *statement : std::as_const(m_statements))
            sqlite3_finalize(statement);
        for (sqlite3 *db : std::as_const(m_connections))
            sqlite3_close(db);
    }

    int run(Db file, const QString &sql, const QStringList &values = {}) {
        sqlite3_stmt *statement = prepared(file, sql);
        QList<QByteArray> texts;
        for (const QString &value : values)
            texts << value.toUtf8();
        for (int i = 0; i < texts.size(); ++i)
            sqlite3_bind_text(statement, i + 1, texts[i].constData(), int(texts[i].size()), SQLITE_STATIC);
        int rows = 0;
        const int columns = sqlite3_column_count(statement);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c)
                sqlite3_column_text(statement, c);
            ++rows;
        }
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
        return rows;
    }

    void execute(Db file, const char *sql) { sqlite3_exec(connection(file), sql, nullptr, nullptr, nullptr); }

private:
    sqlite3 *connection(Db file) {
        if (!m_connections.contains(file)) {
            sqlite3 *db = nullptr;
            sqlite3_open(QDir(m_folder).filePath(tableDefinition(file).file).toUtf8().constData(), &db);
            sqlite3_busy_timeout(db, 5000);
            m_connections.insert(file, db);
        }
        return m_connections.value(file);
    }

    sqlite3_stmt *prepared(Db file, const QString &sql) {
        const QString key = QString::number(int(file)) + u'|' + sql;
        if (sqlite3_stmt *statement = m_statements.value(key))
            return statement;
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v3(connection(file), sql.toUtf8().constData(), -1, SQLITE_PREPARE_PERSISTENT, &statement,
                           nullptr);
        m_statements.insert(key, statement);
        return statement;
    }

    QString m_folder;
    QHash<Db, sqlite3 *> m_connections;
    QHash<QString, sqlite3_stmt *> m_statements;
};

void settle() {
    QCoreApplication::processEvents();
}

// Ends the event loop once the window has been painted: the moment the user sees it.
class QuitWhenPainted : public QObject {
public:
    explicit QuitWhenPainted(const std::function<bool(QObject *)> &isTheWindow) : m_isTheWindow(isTheWindow) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && m_isTheWindow(watched))
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        return false;
    }

private:
    std::function<bool(QObject *)> m_isTheWindow;
};

void silenceMessages() {
    Messages::setHandler([](const Messages::Message &message) {
        std::fprintf(stderr, "message: %s / %s\n", qPrintable(message.title), qPrintable(message.text));
        return Messages::Answer::Ok;
    });
}

// The program itself, in the working folder, until its main window is painted.
int startProgram(QApplication &application) {
    QApplication::setApplicationName(QStringLiteral("Vireska"));
    QuitWhenPainted quit([](QObject *watched) { return qobject_cast<MainWindow *>(watched) != nullptr; });
    return runProgram(application);
}

// The floor of start-up and memory: a bare Qt Widgets main window, maximised, until painted.
int startBareWindow(QApplication &application) {
    QMainWindow window;
    QuitWhenPainted quit([&window](QObject *watched) { return watched == &window; });
    window.showMaximized();
    const int code = application.exec();
    std::printf("peak %.1f\n", processMegabytes("VmHWM"));
    return code;
}

QString largePatientCode(int index) {
    return QString::number(BenchLargePatientFirstCode + index);
}

// The program's memory with its main window, the record of the largest patient and the patient window,
// then what 50 openings of the patient window keep.
int measureMemory(QApplication &application) {
    installFrenchTranslations(application);
    FilePrivacy::restrictNewFilesToOwner();
    std::unique_ptr<MainWindow> window = startUp(QDir::currentPath());
    if (!window)
        return 1;
    showMaximisedOnScreen(window.get());
    settle();
    {
        MedicalRecordWindow record;
        programState().currentPatientCode = largePatientCode(2);
        record.show();
        record.loadAllSections();
        settle();
        // As the user does it: the window opens with its list painted, and is closed.
        const auto openAndClose = [&record] {
            QTimer::singleShot(0, [] {
                for (QWidget *window : QApplication::topLevelWidgets())
                    if (window->objectName() == QLatin1String("patientWindow") && window->isVisible())
                        window->close();
            });
            openPatientWindow(record);
        };
        {
            PatientWindow patients(record);
            patients.show();
            settle();
            std::printf("peak %.1f\n", processMegabytes("VmHWM"));
        }
        for (int i = 0; i < 5; ++i) // the first openings fill what stays (fonts, the style's cache)
            openAndClose();
        const double before = processMegabytes("VmRSS");
        for (int i = 0; i < 50; ++i)
            openAndClose();
        std::printf("kept %.2f\n", processMegabytes("VmRSS") - before);
    }
    window.reset();
    store().close();
    return 0;
}

// Runs this program again in `mode` in the working folder; its time from start to end, and what it printed.
double runChild(const QString &mode, const QString &working, QByteArray *output = nullptr) {
    QProcess child;
    child.setWorkingDirectory(working);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), {mode});
    child.waitForFinished(60000);
    const double elapsed = timer.nsecsElapsed() / 1e6;
    if (output)
        *output = child.readAllStandardOutput();
    return elapsed;
}

double printedValue(const QByteArray &output, const char *name) {
    for (const QByteArray &line : output.split('\n'))
        if (line.startsWith(QByteArray(name) + ' '))
            return line.mid(qstrlen(name) + 1).toDouble();
    return -1;
}

void measureStartUp(const QString &working) {
    runChild(QStringLiteral("--start-up"), working); // warm the file cache of both
    runChild(QStringLiteral("--bare-window"), working);
    QList<double> ours, floor;
    for (int i = 0; i < 7; ++i) { // alternated, so both see the same machine
        ours << runChild(QStringLiteral("--start-up"), working);
        floor << runChild(QStringLiteral("--bare-window"), working);
    }
    std::sort(ours.begin(), ours.end());
    std::sort(floor.begin(), floor.end());
    printTimeLine(QStringLiteral("start-up as a process, until the main window is painted"), ours[3], floor[3], 1.5);
}

void measureMemoryLines(const QString &working) {
    QByteArray bare, ours;
    runChild(QStringLiteral("--bare-window"), working, &bare);
    runChild(QStringLiteral("--memory"), working, &ours);
    const QString beside = QStringLiteral("bare Qt window: %1 MB").arg(printedValue(bare, "peak"), 0, 'f', 1);
    printMemoryLine(QStringLiteral("memory: peak, main window + record 5,000 + patient window"),
                    printedValue(ours, "peak"), 70, beside);
    printMemoryLine(QStringLiteral("memory: kept by 50 openings of the patient window"), printedValue(ours, "kept"), 2);
}

// Where start-up time goes in the store: opening the 23 files with their checks, and the engine's
// quick check alone on the same files.
void measureFileChecks(const QString &data, DirectSqlite &direct) {
    const double opening = medianMilliseconds(
        [&] {
            store().open(data);
            store().close();
        },
        5);
    const double quickCheck = medianMilliseconds(
        [&] {
            for (const TableDefinition &definition : tableDefinitions())
                direct.run(definition.db, QStringLiteral("PRAGMA quick_check"));
        },
        5);
    std::printf("%-58s %7.2f ms, of which the quick check %.2f ms\n", "start-up part: open and check the 23 files",
                opening, quickCheck);
    std::fflush(stdout);
}

void measureRecords(DirectSqlite &direct) {
    MedicalRecordWindow record;
    record.show();
    settle();
    const auto load = [&record](const QString &code) {
        programState().currentPatientCode = code;
        record.loadAllSections();
    };
    const auto sectionQueries = [&direct](const QString &code) {
        for (Section section : allSections()) {
            const SectionDescriptor &descriptor = sectionDescriptor(section);
            direct.run(descriptor.db, QString::fromLatin1(descriptor.query), {code});
        }
    };
    for (int i = 0; i < int(std::size(BenchPatientSizes)); ++i) {
        const QString code = largePatientCode(i);
        measure(
            QStringLiteral("record: whole record, %1 examination dates").arg(BenchPatientSizes[i]), [&] { load(code); },
            [&] { sectionQueries(code); }, 2, 5, [&] { load(largePatientCode(0)); });
    }
    // Each side reads the largest record first through its own connections, whose page caches it fills.
    const QString small = largePatientCode(0);
    measure(
        QStringLiteral("record: 18 examination dates right after 5,000"), [&] { load(small); },
        [&] { sectionQueries(small); }, 2, 5, [&] { load(largePatientCode(2)); },
        [&] { sectionQueries(largePatientCode(2)); });

    // A prescription line saved on the largest record: the save, the act's lines and the section
    // shown again, beside the same statements run directly.
    const DatedLineKind &kind = prescriptionKind();
    const QString code = largePatientCode(2);
    const QDate lastDay = QDate(2005, 1, 1).addDays(BenchPatientSizes[2] - 1);
    const QString date = lastDay.toString(QStringLiteral("dd/MM/yyyy"));
    const QString dateNumber = QString::number(QDate(1970, 1, 1).daysTo(lastDay) * 86400);
    const DatedLine line{QStringLiteral("ASPIRINE 500"), QStringLiteral("1 CP LE MATIN")};
    programState().currentPatientCode = code;
    const auto text = [](const char *sql) { return QString::fromUtf8(sql); };
    measure(
        QStringLiteral("save a prescription line, 15,000 lines stored"),
        [&] {
            saveDatedLine(kind, code, date, line);
            actLines(kind, code, date);
            record.loadSection(Section::Prescription);
        },
        [&] {
            direct.execute(kind.db, "BEGIN IMMEDIATE");
            direct.run(kind.db, text(kind.lastOrder), {code, date});
            const QStringList key{code, date, line.designation};
            direct.run(kind.db, text(kind.lineExists), key);
            direct.run(kind.db, text(kind.updateLine),
                       kind.updateChangesDesignation ? QStringList{dateNumber, line.designation, line.second} + key
                                                     : QStringList{dateNumber, line.second} + key);
            direct.execute(kind.db, "COMMIT");
            direct.run(kind.first.db, text(kind.first.lookup), {line.designation});
            direct.run(kind.second.db, text(kind.second.lookup), {line.second});
            direct.run(kind.db, text(kind.actLinesQuery), {code, date});
            direct.run(kind.db, text(sectionDescriptor(Section::Prescription).query), {code});
        },
        2);
    measure(
        QStringLiteral("date chooser of the prescriptions, 5,000 dates"), [&] { datedLineDates(kind, code); },
        [&] {
            direct.run(
                kind.db,
                QStringLiteral("Select min(datenum),dateEx from fOrd where codepatient=? group by dateEx order by 1"),
                {code});
        },
        2);
}

void measurePatientWindow(DirectSqlite &direct) {
    MedicalRecordWindow record;
    programState().currentPatientCode = largePatientCode(0);
    measure(
        QStringLiteral("patient window: open with 20,003 patients"),
        [&] {
            PatientWindow patients(record);
            patients.show();
            settle();
        },
        [&] { direct.run(Db::Dbpatient, QStringLiteral("Select * from fpatient order by nom")); }, 2);
}

void measureSearches(DirectSqlite &direct) {
    struct Search {
        const char *name;
        PatientFields criteria;
        const char *floor; // the bounded query giving the same patient
        QStringList values;
    };
    const auto criteria = [](const QString &name, const QString &birthDate, const QString &sex,
                             const QString &profession, const QString &telephone) {
        PatientFields fields;
        fields.name = name;
        fields.birthDate = birthDate;
        fields.sex = sex;
        fields.profession = profession;
        fields.telephone = telephone;
        return fields;
    };
    const QList<Search> searches{
        {"F7 search that finds: name ROUSSEL",
         criteria("ROUSSEL", {}, {}, {}, {}),
         "Select * from fpatient where nom>=? and nom<? order by nom limit 1",
         {"ROUSSEL", "ROUSSEM"}},
        {"F7 search that finds nobody: name and birth date",
         criteria("ROUSSEL", "01/01/1900", {}, {}, {}),
         "Select * from fpatient where nom>=? and nom<? and datenais=? order by nom limit 1",
         {"ROUSSEL", "ROUSSEM", "01/01/1900"}},
        {"F7 search that finds nobody: full name, birth date",
         criteria("MARTIN JEAN 77", "01/01/1900", {}, {}, {}),
         "Select * from fpatient where nom>=? and nom<? and datenais=? order by nom limit 1",
         {"MARTIN JEAN 77", "MARTIN JEAN 78", "01/01/1900"}},
        {"F7 search on other criteria: sex and profession",
         criteria({}, {}, "F", "ENSEIGNANT", {}),
         "Select * from fpatient where sexe=? and prof=? order by nom limit 1",
         {"F", "ENSEIGNANT"}},
        {"F7 search on other criteria that finds nobody: telephone",
         criteria({}, {}, {}, {}, "0000000000"),
         "Select * from fpatient where tel=? order by nom limit 1",
         {"0000000000"}},
    };
    for (const Search &search : searches)
        measure(
            QString::fromLatin1(search.name), [&] { firstPatientMatching(search.criteria); },
            [&] { direct.run(Db::Dbpatient, QString::fromLatin1(search.floor), search.values); }, 2);
}

void measureSuggestions(DirectSqlite &direct) {
    const ReferenceList &medicines = prescriptionKind().first;
    for (const auto &[typed, next] : {std::pair{"A", "B"}, std::pair{"AMBI", "AMBJ"}})
        measure(
            QStringLiteral("keystroke in a prescription field (5,000 stored), \"%1\"").arg(typed),
            [&] { referenceSuggestions(medicines, QString::fromLatin1(typed)); },
            [&] {
                direct.run(Db::tablepres,
                           QStringLiteral("select pres from TablePres where pres>=? and pres<? order by pres"),
                           {QString::fromLatin1(typed), QString::fromLatin1(next)});
            },
            2, 21);
}

void measureTablesWindow(DirectSqlite &direct) {
    measure(
        QStringLiteral("tables window: opens with every patient listed"),
        [] {
            programState().page = TablesWindow::Patients;
            TablesWindow window;
            settle();
        },
        [&] { direct.run(Db::Dbpatient, QStringLiteral("Select * from fpatient order by nom")); }, 2);
}

// The journals read the patient table once for a long journal; the floor runs the same SELECTs.
void measureJournals(DirectSqlite &direct) {
    const QString patients = QStringLiteral("Select Codepatient,nom,age,umage,sf,enf from fpatient");
    const QStringList year2020{"1577836800", "1609372800"}; // 01/01/2020 to 31/12/2020
    JournalsWindow window;
    // The floor: the names in their order and the patients who have an account.
    measure(
        QStringLiteral("journals window: patient-name choices"), [&] { window.loadPatientNames(); },
        [&] {
            direct.run(Db::Dbpatient, QStringLiteral("Select Codepatient,nom from fpatient order by nom"));
            direct.run(Db::DbReg, QStringLiteral("Select distinct Codepatient from fReg"));
        },
        1.5);
    const auto showYear = [&window](Journal journal) {
        QWidget *page = window.page(journal);
        page->findChild<QDateEdit *>("periodStart")->setDate({2020, 1, 1});
        page->findChild<QDateEdit *>("periodEnd")->setDate({2020, 12, 31});
        window.showJournal(journal);
    };
    measure(
        QStringLiteral("journal of consultations: one year, all patients"), [&] { showYear(Journal::Consultations); },
        [&] {
            direct.run(Db::Dbexamen, QStringLiteral("Select count(*) from fExamen where datenum>=? and datenum<=?"),
                       year2020);
            direct.run(Db::Dbexamen,
                       QStringLiteral("Select Codepatient,dateEx,diag1,diag2,diag3,diag4,diag5 from fExamen where "
                                      "datenum>=? and datenum<=? order by datenum"),
                       year2020);
            direct.run(Db::Dbpatient, patients);
        },
        1.5);
    measure(
        QStringLiteral("journal of analyses: one year, all patients"), [&] { showYear(Journal::Analyses); },
        [&] {
            direct.run(Db::Dbanal, QStringLiteral("Select count(*) from fanal where datenum>=? and datenum<=?"),
                       year2020);
            direct.run(Db::Dbanal,
                       QStringLiteral("Select Codepatient,dateEx,anal,Res from fanal where datenum>=? and datenum<=? "
                                      "order by datenum,ordre"),
                       year2020);
            direct.run(Db::Dbpatient, patients);
        },
        1.5);
    const QString code = QString::number(BenchPatientCode);
    const QString name = db(Db::Dbpatient)
                             .query(QStringLiteral("Select nom from fpatient where Codepatient=?"), {code})
                             .value(0)
                             .value(0);
    window.page(Journal::Credits)->findChild<QComboBox *>("patientName")->setEditText(name);
    measure(
        QStringLiteral("journal of credits: one patient, one year"), [&] { showYear(Journal::Credits); },
        [&] {
            direct.run(Db::Dbpatient, QStringLiteral("Select Codepatient from fpatient where nom=?"), {name});
            direct.run(Db::DbReg,
                       QStringLiteral("Select * from fReg where codepatient=? and datenum>=? and datenum<=? order by "
                                      "datenum"),
                       QStringList{code} + year2020);
        },
        1.5);
}

// Every journal of 2020 and the patient choices, one row a line, to compare two builds' results.
void dumpJournals(const QString &path) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return;
    JournalsWindow window;
    const QComboBox *names = window.page(Journal::Consultations)->findChild<QComboBox *>("patientName");
    for (int i = 0; i < names->count(); ++i)
        out.write(names->itemText(i).toUtf8() + '\n');
    const QComboBox *accounts = window.page(Journal::Credits)->findChild<QComboBox *>("patientName");
    for (int i = 0; i < accounts->count(); ++i)
        out.write("account " + accounts->itemText(i).toUtf8() + '\n');
    for (const Journal journal : {Journal::Consultations, Journal::Analyses, Journal::Radiology}) {
        QWidget *page = window.page(journal);
        page->findChild<QDateEdit *>("periodStart")->setDate({2020, 1, 1});
        page->findChild<QDateEdit *>("periodEnd")->setDate({2020, 12, 31});
        window.showJournal(journal);
        const ReportList *list = page->findChild<ReportList *>("journalList");
        for (int row = 0; row < list->rowCount(); ++row)
            out.write(list->rowCells(row).join(u'|').toUtf8() + '\n');
    }
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    silenceMessages();
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("--start-up"))
        return startProgram(application);
    if (mode == QLatin1String("--bare-window"))
        return startBareWindow(application);
    if (mode == QLatin1String("--memory"))
        return measureMemory(application);

    const QString working = benchWorkingFolder();
    const QString data = dataFolderOf(working);
    printMeasureHeader();
    // The journals alone, for looking into their time; with a file name, their rows are written there too.
    if (mode == QLatin1String("--journals")) {
        if (argc > 2) {
            store().open(data);
            dumpJournals(QString::fromLocal8Bit(argv[2]));
            store().close();
            return 0;
        }
        {
            DirectSqlite direct(data);
            store().open(data);
            measureJournals(direct);
        }
        store().close();
        return 0;
    }
    measureStartUp(working);
    measureMemoryLines(working);
    {
        DirectSqlite direct(data);
        measureFileChecks(data, direct);
        store().open(data);
        measureRecords(direct);
        measurePatientWindow(direct);
        measureSearches(direct);
        measureSuggestions(direct);
        measureTablesWindow(direct);
        measureJournals(direct);
    }
    store().close();
    return 0;
}
