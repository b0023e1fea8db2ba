#include "patients/PatientList.h"

#include "store/Store.h"

namespace {

// The rows of `Select * from fpatient order by nom`, with the engine putting each patient's cells in the
// list's order (PatientFields::listRow): every stored row is a list row as it comes, with no copy.
const QString ListRowsByName = QStringLiteral(
    "Select Codepatient,nom,datenais,coalesce(age,'')||' '||coalesce(umage,''),sexe,sf,enf,prof,ad,tel,maladie,ss "
    "from fpatient order by nom");

} // namespace

void fillPatientList(ReportList &list) {
    QList<QStringList> rows;
    db(Db::Dbpatient).forEachRow(ListRowsByName, {}, [&rows](const Row &row) { rows.append(row); });
    list.clearRows();
    list.addRows(rows);
}

int patientRowOf(const ReportList &list, const QString &code) {
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.cell(row, 0) == code)
            return row;
    return -1;
}

void putPatientRow(ReportList &list, const PatientFields &patient) {
    const int row = patientRowOf(list, patient.code);
    if (row < 0) {
        list.addRow(patient.listRow());
        return;
    }
    QStringList cells = patient.listRow();
    cells[0] = list.cell(row, 0);
    list.setRow(row, cells);
}

void removePatientRow(ReportList &list, const QString &code) {
    if (const int row = patientRowOf(list, code); row >= 0)
        list.removeRow(row);
}
