#include "patients/PatientList.h"

void fillPatientList(ReportList &list, const QList<PatientFields> &patients) {
    QList<QStringList> rows;
    rows.reserve(patients.size());
    for (const PatientFields &patient : patients)
        rows << patient.listRow();
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
