#pragma once

#include "core/csv/CSVService.h"
#include "core/model/Calendar.h"
#include "core/model/Model.h"

#include <QList>
#include <QSharedData>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <optional>

// What a row of an imported file repeats: a record of the journal or an earlier row of the same file.
struct DuplicateKind {
    enum class Kind {
        uniqueInDatabase, // a unique value that a record of the journal holds; text: field name — record
        uniqueInFile,     // a unique value of an earlier row; text: field name, line: that row's line
        sameInDatabase,   // the identity of a record of the journal; text: its description
        sameInFile,       // the identity of an earlier row; line: that row's line
        sameID,           // the id of a record of the journal
    };

    Kind kind = Kind::sameID;
    QString text;
    qsizetype line = 0;

    static DuplicateKind uniqueInDatabase(const QString& text) { return {Kind::uniqueInDatabase, text, 0}; }
    static DuplicateKind uniqueInFile(const QString& fieldName, qsizetype line) {
        return {Kind::uniqueInFile, fieldName, line};
    }
    static DuplicateKind sameInDatabase(const QString& text) { return {Kind::sameInDatabase, text, 0}; }
    static DuplicateKind sameInFile(qsizetype line) { return {Kind::sameInFile, QString(), line}; }
    static DuplicateKind sameID() { return {Kind::sameID, QString(), 0}; }

    // The Russian sentence the import preview shows ("Дубль в базе: …").
    QString description() const;

    bool operator==(const DuplicateKind&) const = default;
};

// One data row of an imported file, as the record it would become. A file may hold millions of rows, and
// most say nothing besides their record or say what many others say: the remarks, the error and the
// duplicate finding are held together apart from the row, absent when there are none, and rows that say
// the same may share them.
struct ImportRow {
    QUuid id; // identifies the row in the preview only
    Record record;
    qint32 line = 0;      // position among the non-blank rows of the file, the header being line 1
    bool include = false; // whether the row is to be imported; the user may change it

    // Values that did not fit, an unknown status, missing dates.
    const QStringList& warnings() const;
    // Set when the row cannot be imported.
    const std::optional<QString>& error() const;
    // The first duplicate finding.
    const std::optional<DuplicateKind>& duplicate() const;

    void addWarning(const QString& warning);
    void setError(const QString& error);
    void setDuplicate(const std::optional<DuplicateKind>& duplicate);
    // Takes `other`'s copy of the findings where the two rows' findings are equal, so that they share it.
    bool shareFindings(const ImportRow& other);

    // The preview's check column: the error, else the duplicate finding, else whether there are remarks.
    QString checkText() const;

    bool operator==(const ImportRow& other) const;

private:
    struct Findings : QSharedData {
        QStringList warnings;
        std::optional<QString> error;
        std::optional<DuplicateKind> duplicate;
        bool operator==(const Findings& other) const {
            return warnings == other.warnings && error == other.error && duplicate == other.duplicate;
        }
    };
    Findings& findings();

    QSharedDataPointer<Findings> m_findings;
};

// The findings of a file about to be imported into a journal.
struct ImportResult {
    QList<ImportRow> rows;         // one per data row, in file order
    QStringList recognizedColumns; // trimmed header titles taken as columns, in header order
    QStringList ignoredColumns;    // the other non-empty trimmed header titles, in header order

    qsizetype newCount() const;       // rows with neither an error nor a duplicate finding
    qsizetype duplicateCount() const; // rows without an error that carry a duplicate finding
    qsizetype errorCount() const;     // rows with an error
    qsizetype selectedCount() const;  // the rows selected() takes
    // The records of the included rows without an error, in row order.
    QList<Record> selected() const;

    bool operator==(const ImportResult&) const = default;
};

// Why a file cannot be imported at all. Problems inside single rows are never errors of the file: they
// stay in the rows as warnings and errors.
class CSVImportError {
public:
    enum class Kind { noKnownColumns, empty, unreadable };

    // The header names no field of the journal: every header title found (trimmed, empty ones too) and
    // the names of the journal's fields.
    static CSVImportError noKnownColumns(const QStringList& found, const QStringList& expected) {
        return CSVImportError(Kind::noKnownColumns, found, expected);
    }
    // The file holds no row with a non-blank cell.
    static CSVImportError empty() { return CSVImportError(Kind::empty, {}, {}); }
    // The file's bytes are no text in a supported encoding; reported by whoever decodes the file.
    static CSVImportError unreadable() { return CSVImportError(Kind::unreadable, {}, {}); }

    Kind kind() const { return m_kind; }
    const QStringList& found() const { return m_found; }
    const QStringList& expected() const { return m_expected; }

    // The Russian sentence shown to the user as it is.
    QString errorDescription() const;

    bool operator==(const CSVImportError&) const = default;

private:
    CSVImportError(Kind kind, QStringList found, QStringList expected)
        : m_kind(kind), m_found(std::move(found)), m_expected(std::move(expected)) {}

    Kind m_kind;
    QStringList m_found;
    QStringList m_expected;
};

namespace CSVService {

class RowSource;

// Reads the decoded text of a CSV file as records for the journal, storing nothing. The header's cells
// are matched to the journal's fields by name, then alias, then to the status and id columns, each by its
// letters and digits only ("Дата_оплаты" is "Дата оплаты"). Every field cell goes through
// Journal::assign, whose warnings the row keeps; a status text is matched by name, or by a common start
// of at least 5 characters. Rows that repeat a record of the journal or an earlier row (same id, equal
// unique value, same identity) are flagged and left out by default; rows without content are errors.
// Every record gets the clock's now, read once, as createdAt and updatedAt; two-digit years and the days
// of dates are read in the calendar and around the clock's today.
// Nothing, with `error` set to the description of CSVImportError::empty() or noKnownColumns(), when the
// file holds no row with content or its header names no field.
std::optional<ImportResult> prepareImport(const QString& text, const Journal& into, const Calendar& calendar,
                                          const Clock& clock, QString* error);
// The same for rows read from elsewhere: the file's bytes read a chunk at a time (ChunkRows).
std::optional<ImportResult> prepareImport(RowSource& rows, const Journal& into, const Calendar& calendar,
                                          const Clock& clock, QString* error);

} // namespace CSVService
