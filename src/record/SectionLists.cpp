#include "record/SectionLists.h"

#include "store/Store.h"
#include "ui/CompactRows.h"

#include <sqlite3.h>

namespace {

constexpr int DateColumn = 1;

QByteArrayView storedBytes(sqlite3_stmt *statement, int column) {
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
    return text ? QByteArrayView(text, sqlite3_column_bytes(statement, column)) : QByteArrayView();
}

void addCell(CompactRows &rows, QByteArrayView text) {
    rows.addUtf8Cell(text.data(), text.size());
}

// One row per written line of the four, beside the examination's date.
void addExaminationRows(CompactRows &rows, sqlite3_stmt *statement) {
    for (int line = 3; line <= 6; ++line) {
        const QByteArrayView text = storedBytes(statement, line);
        if (text.isEmpty())
            continue;
        rows.startRow(2);
        addCell(rows, storedBytes(statement, DateColumn));
        addCell(rows, text);
    }
}

// One row per line, acts of different dates parted by one empty row.
class DatedLineRows {
public:
    explicit DatedLineRows(CompactRows &rows) : m_rows(rows) {}
    void add(sqlite3_stmt *statement) {
        const QByteArrayView date = storedBytes(statement, DateColumn);
        if (!m_started || date != QByteArrayView(m_previous)) {
            if (m_started)
                m_rows.startRow(0);
            m_started = true;
            m_previous = date.toByteArray();
        }
        m_rows.startRow(3);
        addCell(m_rows, date);
        addCell(m_rows, storedBytes(statement, 4));
        addCell(m_rows, storedBytes(statement, 5));
    }

private:
    CompactRows &m_rows;
    QByteArray m_previous;
    bool m_started = false;
};

} // namespace

std::optional<CompactRows> compactSectionRows(Section section, const QString &patientCode) {
    const SectionDescriptor &descriptor = sectionDescriptor(section);
    const QString query = QString::fromLatin1(descriptor.query);
    CompactRows rows;
    switch (section) {
    case Section::Examination:
        db(descriptor.db).forEachStatementRow(query, {patientCode}, [&rows](sqlite3_stmt *statement) {
            addExaminationRows(rows, statement);
        });
        return rows;
    case Section::Prescription:
    case Section::Analyses:
    case Section::Radiology: {
        DatedLineRows lines(rows);
        db(descriptor.db).forEachStatementRow(query, {patientCode}, [&lines](sqlite3_stmt *statement) {
            lines.add(statement);
        });
        return rows;
    }
    default:
        return std::nullopt;
    }
}
