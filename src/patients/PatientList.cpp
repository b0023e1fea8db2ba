#include "patients/PatientList.h"

#include "store/Store.h"
#include "ui/CompactRows.h"

#include <sqlite3.h>

namespace {

// Where each cell of a list row comes from in a stored fpatient row (PatientFields::fromStored reads the
// same positions); the age cell joins the age and its unit.
constexpr int AgeCell = -1;
constexpr int StoredAge = 6;
constexpr int StoredAgeUnit = 7;
constexpr int ListCellSources[] = {0, 1, 4, AgeCell, 8, 9, 10, 11, 2, 3, 13, 14};

// The text first, then its length: the engine measures the text it has just made.
QByteArrayView storedText(sqlite3_stmt *statement, int column) {
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
    return text ? QByteArrayView(text, sqlite3_column_bytes(statement, column)) : QByteArrayView();
}

} // namespace

void fillPatientList(ReportList &list) {
    // The list of the last opening tells how much room this one needs (a little more for new patients).
    static int lastRows = 0;
    static qsizetype lastBytes = 0;
    CompactRows rows;
    rows.reserve(lastRows + lastRows / 64, lastBytes + lastBytes / 64);
    db(Db::Dbpatient)
        .forEachStatementRow(QStringLiteral("Select * from fpatient order by nom"), {}, [&rows](sqlite3_stmt *row) {
            rows.startRow(int(std::size(ListCellSources)));
            for (const int source : ListCellSources) {
                if (source == AgeCell)
                    rows.addUtf8Cell({storedText(row, StoredAge), " ", storedText(row, StoredAgeUnit)});
                else
                    rows.addUtf8Cell({storedText(row, source)});
            }
        });
    lastRows = rows.size();
    lastBytes = rows.byteSize();
    list.clearRows();
    list.addRows(std::move(rows));
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
