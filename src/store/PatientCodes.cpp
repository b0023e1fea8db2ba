#include "store/PatientCodes.h"

#include "store/Store.h"

qint64 largestPatientCodeInUse(bool *ok) {
    qint64 largest = 0;
    *ok = true;
    for (const TableDefinition &definition : tableDefinitions()) {
        if (definition.columns.value(0) != QLatin1String("Codepatient"))
            continue; // a reference list
        const QString sql = QStringLiteral("Select max(codepatient) from %1").arg(QLatin1String(definition.table));
        bool read = false;
        largest = qMax(largest, db(definition.db).queryInteger(sql, {}, &read));
        if (!read) {
            *ok = false;
            return 0;
        }
    }
    return largest;
}
