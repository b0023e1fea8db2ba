// Saves patients and prescription lines through the program's own save functions, writing one line
// to its standard output after each save the program reports done; or, with --verify, checks a data
// folder against such logs. Used by tools/crash-test.sh and by the concurrent-writers test.
//
//   store-writer <working folder> <patients> <tag> [--no-lock]
//   store-writer --verify <working folder> <log>...
//
// The verification prints "saves S missing M damaged D" and exits 1 when anything is missing or
// damaged.

#include "patients/PatientRecords.h"
#include "platform/FilePrivacy.h"
#include "platform/Messages.h"
#include "record/DatedLineKinds.h"
#include "record/DatedLines.h"
#include "store/DataFolderLock.h"
#include "store/Store.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <sqlite3.h>

namespace {

QString today() {
    return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
}

void say(const QString &line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

int write(const QString &workingFolder, int patients, const QString &tag, bool lock) {
    const QString data = dataFolderOf(workingFolder);
    FilePrivacy::makeOwnerOnlyFolder(data);
    DataFolderLock folderLock(data);
    if (lock && !folderLock.tryLock()) {
        say(QStringLiteral("LOCKED"));
        return 3;
    }
    if (!store().open(data))
        return 2;
    for (int i = 0; i < patients; ++i) {
        const QString name = QStringLiteral("PATIENT %1 %2").arg(tag).arg(i);
        const PatientFields typed{{},
                                  name,
                                  QStringLiteral("01/01/1980"),
                                  QStringLiteral("44"),
                                  QStringLiteral("ans"),
                                  "M",
                                  "M",
                                  "0",
                                  "ESSAI",
                                  {},
                                  {},
                                  {},
                                  {}};
        const std::optional<SavedPatient> saved = savePatient(typed);
        if (!saved)
            continue;
        say(QStringLiteral("P\t%1\t%2").arg(saved->fields.code, name));
        const DatedLine line{QStringLiteral("MEDICAMENT %1 %2").arg(tag).arg(i), QStringLiteral("1 CP")};
        if (saveDatedLine(prescriptionKind(), saved->fields.code, today(), line) == SaveOutcome::Saved)
            say(QStringLiteral("L\t%1\t%2\t%3").arg(saved->fields.code, today(), line.designation));
    }
    store().close();
    return 0;
}

bool undamaged(Connection &connection) {
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(connection.handle(), "PRAGMA integrity_check", -1, &statement, nullptr) != SQLITE_OK)
        return false;
    bool ok = sqlite3_step(statement) == SQLITE_ROW &&
              QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0))) == "ok";
    sqlite3_finalize(statement);
    return ok;
}

int verify(const QString &workingFolder, const QStringList &logs) {
    if (!store().open(dataFolderOf(workingFolder))) {
        say(QStringLiteral("saves 0 missing 0 damaged 1"));
        return 1;
    }
    int damaged = 0;
    for (const TableDefinition &definition : tableDefinitions())
        damaged += undamaged(db(definition.db)) ? 0 : 1;
    int saves = 0;
    int missing = 0;
    for (const QString &log : logs) {
        QFile file(log);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QTextStream in(&file);
        QString line;
        while (in.readLineInto(&line)) {
            const QStringList fields = line.split(QLatin1Char('\t'));
            bool present = true;
            if (fields.value(0) == u"P" && fields.size() == 3)
                present = db(Db::Dbpatient)
                              .exists(QStringLiteral("Select * from fpatient where codepatient=? and nom=?"),
                                      {fields[1], fields[2]});
            else if (fields.value(0) == u"L" && fields.size() == 4)
                present = db(Db::Dbord).exists(
                    QStringLiteral("Select * from fOrd where codepatient=? and dateEx=? and pres=?"),
                    {fields[1], fields[2], fields[3]});
            else
                continue; // a line cut short by the kill was never reported done
            ++saves;
            missing += present ? 0 : 1;
        }
    }
    store().close();
    say(QStringLiteral("saves %1 missing %2 damaged %3").arg(saves).arg(missing).arg(damaged));
    return missing == 0 && damaged == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("store-writer"));
    // A refusal is written where the script can read it, and answered at once.
    Messages::setHandler([](const Messages::Message &message) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(message.title), qPrintable(message.text));
        return Messages::Answer::Ok;
    });
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.value(0) == u"--verify" && arguments.size() >= 2)
        return verify(arguments[1], arguments.mid(2));
    if (arguments.size() >= 3)
        return write(arguments[0], arguments[1].toInt(), arguments[2], !arguments.contains(u"--no-lock"));
    std::fprintf(stderr, "usage: store-writer <working folder> <patients> <tag> [--no-lock]\n"
                         "       store-writer --verify <working folder> <log>...\n");
    return 64;
}
