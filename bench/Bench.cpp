// Measures Vireska's operations on a large practice beside the same work done directly through SQLite
// (or, for start-up, a bare Qt window). Run by hand: see the README.

#include "BenchData.h"
#include "Measure.h"

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "common/ProgramState.h"
#include "journals/JournalsWindow.h"
#include "patients/PatientList.h"
#include "patients/PatientRecords.h"
#include "patients/TablesWindow.h"
#include "platform/Messages.h"
#include "record/MedicalRecordWindow.h"
#include "record/Sections.h"
#include "store/Store.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QHash>
#include <QMainWindow>
#include <cstdio>
#include <sqlite3.h>

namespace {

// The reference side: plain SQLite connections on the same files, every column read as text.
class DirectSqlite {
public:
    explicit DirectSqlite(const QString &dataFolder) : m_folder(dataFolder) {}
    ~DirectSqlite() {
        for (sqlite3 *db : std::as_const(m_connections))
            sqlite3_close(db);
    }

    int run(Db file, const QString &sql, const QStringList &values = {}) {
        sqlite3 *db = connection(file);
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr);
        for (int i = 0; i < values.size(); ++i)
            sqlite3_bind_text(statement, i + 1, values[i].toUtf8().constData(), -1, SQLITE_TRANSIENT);
        int rows = 0;
        const int columns = sqlite3_column_count(statement);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c)
                sqlite3_column_text(statement, c);
            ++rows;
        }
        sqlite3_finalize(statement);
        return rows;
    }

private:
    sqlite3 *connection(Db file) {
        if (!m_connections.contains(file)) {
            sqlite3 *db = nullptr;
            sqlite3_open(QDir(m_folder).filePath(tableDefinition(file).file).toUtf8().constData(), &db);
            m_connections.insert(file, db);
        }
        return m_connections.value(file);
    }

    QString m_folder;
    QHash<Db, sqlite3 *> m_connections;
};

void settle() {
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Messages::setHandler([](const Messages::Message &message) {
        std::fprintf(stderr, "message: %s / %s\n", qPrintable(message.title), qPrintable(message.text));
        return Messages::Answer::Ok;
    });
    const QString working = benchWorkingFolder();
    const QString data = dataFolderOf(working);
    DirectSqlite direct(data);
    printMeasureHeader();

    measure(
        "start-up: open 23 files, show main window",
        [&] {
            std::unique_ptr<MainWindow> window = startUp(working);
            window->show();
            settle();
            window.reset();
            store().close();
        },
        [] {
            QMainWindow window;
            window.show();
            settle();
        });

    store().open(data);
    const QString code = QString::number(BenchPatientCode);

    {
        MedicalRecordWindow record;
        programState().currentPatientCode = code;
        measure(
            "record: load all twelve sections", [&] { record.loadAllSections(); },
            [&] {
                for (Section section : allSections()) {
                    const SectionDescriptor &descriptor = sectionDescriptor(section);
                    direct.run(descriptor.db, QString::fromLatin1(descriptor.query), {code});
                }
            });
    }

    {
        ReportList list(nullptr, QList<ListColumn>(12, {"", 50}));
        measure(
            "patient list: all patients by name",
            [&] {
                list.clearRows();
                fillPatientList(list);
            },
            [&] { direct.run(Db::Dbpatient, "Select * from fpatient order by nom"); });
        PatientFields criteria;
        criteria.name = "ROUSSEL";
        measure(
            "patient search: first name beginning ROUSSEL", [&] { firstPatientMatching(criteria); },
            [&] {
                direct.run(Db::Dbpatient, "Select * from fpatient where nom>=? order by nom limit 1", {"ROUSSEL"});
            });
    }

    {
        // The journals read the patient table once for a long journal; the reference runs the same SELECTs.
        const QString patients = "Select Codepatient,nom,age,umage,sf,enf from fpatient";
        const QStringList year2020{"1577836800", "1609372800"}; // 01/01/2020 to 31/12/2020
        JournalsWindow window;
        // The direct way: the names in their order and the patients who have an account.
        measure(
            "journals window: patient-name choices", [&] { window.loadPatientNames(); },
            [&] {
                direct.run(Db::Dbpatient, "Select Codepatient,nom from fpatient order by nom");
                direct.run(Db::DbReg, "Select distinct Codepatient from fReg");
            });
        const auto showYear = [&window](Journal journal) {
            QWidget *page = window.page(journal);
            page->findChild<QDateEdit *>("periodStart")->setDate({2020, 1, 1});
            page->findChild<QDateEdit *>("periodEnd")->setDate({2020, 12, 31});
            window.showJournal(journal);
        };
        measure(
            "journal of consultations: one year, all patients", [&] { showYear(Journal::Consultations); },
            [&] {
                direct.run(Db::Dbexamen, "Select count(*) from fExamen where datenum>=? and datenum<=?", year2020);
                direct.run(Db::Dbexamen,
                           "Select Codepatient,dateEx,diag1,diag2,diag3,diag4,diag5 from fExamen where datenum>=? and "
                           "datenum<=? order by datenum",
                           year2020);
                direct.run(Db::Dbpatient, patients);
            });
        measure(
            "journal of analyses: one year, all patients", [&] { showYear(Journal::Analyses); },
            [&] {
                direct.run(Db::Dbanal, "Select count(*) from fanal where datenum>=? and datenum<=?", year2020);
                direct.run(Db::Dbanal,
                           "Select Codepatient,dateEx,anal,Res from fanal where datenum>=? and datenum<=? order by "
                           "datenum,ordre",
                           year2020);
                direct.run(Db::Dbpatient, patients);
            });
        const QString name =
            db(Db::Dbpatient).query("Select nom from fpatient where Codepatient=?", {code}).value(0).value(0);
        window.page(Journal::Credits)->findChild<QComboBox *>("patientName")->setEditText(name);
        measure(
            "journal of credits: one patient, one year", [&] { showYear(Journal::Credits); },
            [&] {
                direct.run(Db::Dbpatient, "Select * from fpatient where nom=?", {name});
                direct.run(Db::DbReg,
                           "Select * from fReg where codepatient=? and datenum>=? and datenum<=? order by datenum",
                           QStringList{code} + year2020);
            });
    }
    measure(
        "tables window: opens with every patient listed",
        [] {
            programState().page = TablesWindow::Patients;
            TablesWindow window;
            settle();
        },
        [&] { direct.run(Db::Dbpatient, "Select * from fpatient order by nom"); });

    store().close();
    return 0;
}
