#include "documents/Appointments.h"

#include "common/FieldRules.h"
#include "common/ProgramState.h"
#include "platform/Messages.h"
#include "record/Sections.h"
#include "store/Store.h"
#include "store/WritePatterns.h"

const DatedTable &appointmentTable() {
    static const DatedTable table{
        Db::Dbrv,
        "Select * from fRv where codepatient=? order by datenum",
        "Select * from fRv where codepatient=? and dateEx=?",
        "Delete from fRv where codepatient=? and dateEx=?",
        "insert into fRv (Codepatient,dateEx,datenum,heure,motif,obs) values(?,?,?,?,?,?)",
    };
    return table;
}

Appointment appointmentOf(const Row &row) {
    return {row.value(3), row.value(4), row.value(5)};
}

QList<QStringList> appointmentListRows(const Rows &stored) {
    return sectionRowsFrom(Section::Appointments, stored).rows;
}

SaveOutcome saveAppointment(const QString &patientCode, const QString &date, const Appointment &appointment) {
    if (!takeActDate(date, checkAppointmentDate))
        return SaveOutcome::Refused;
    if (appointment.reason.isEmpty()) {
        Messages::error(MissingReasonMessage);
        return SaveOutcome::Refused;
    }
    const DatedTable &table = appointmentTable();
    const QStringList key{patientCode, date};
    const Statement update{QStringLiteral("Update fRv set heure=?,motif=?,obs=? where codepatient=? And dateEx=?"),
                           QStringList{appointment.hour, appointment.reason, appointment.observations} + key};
    const Statement insert{QString::fromUtf8(table.insert),
                           QStringList{patientCode, date, programState().actDateNumber, appointment.hour,
                                       appointment.reason, appointment.observations}};
    const bool written = updateOrInsert(db(table.db), {QString::fromUtf8(table.select), key}, update, insert);
    return written ? SaveOutcome::Saved : SaveOutcome::StoreFailed;
}

QStringList appointmentCardLines(const QString &patientName, const QString &date, const Appointment &appointment) {
    QStringList lines{QStringLiteral("PATIENT : ") + patientName, QStringLiteral("DATE DU RENDEZ-VOUS : ") + date};
    if (!appointment.hour.isEmpty())
        lines << QStringLiteral("HEURE : ") + appointment.hour;
    lines << QStringLiteral("MOTIF : ") + appointment.reason;
    return lines;
}
