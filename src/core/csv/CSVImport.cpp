#include "core/csv/CSVImport.h"

#include "core/csv/ImportHeader.h"
#include "core/csv/ImportIndex.h"
#include "core/csv/RowSource.h"
#include "core/model/Ids.h"

#include <QHash>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

QString DuplicateKind::description() const {
    switch (kind) {
    case Kind::uniqueInDatabase:
        return u"Дубль в базе: "_s + text;
    case Kind::uniqueInFile:
        return u"Дубль "_s + text + u" в файле (строка "_s + QString::number(line) + u')';
    case Kind::sameInDatabase:
        return u"Возможный дубль в базе: "_s + text;
    case Kind::sameInFile:
        return u"Возможный дубль в файле (строка "_s + QString::number(line) + u')';
    case Kind::sameID:
        return u"Уже есть в базе (та же запись)"_s;
    }
    return QString();
}

const QStringList& ImportRow::warnings() const {
    static const QStringList none;
    return m_findings ? m_findings->warnings : none;
}

const std::optional<QString>& ImportRow::error() const {
    static const std::optional<QString> none;
    return m_findings ? m_findings->error : none;
}

const std::optional<DuplicateKind>& ImportRow::duplicate() const {
    static const std::optional<DuplicateKind> none;
    return m_findings ? m_findings->duplicate : none;
}

ImportRow::Findings& ImportRow::findings() {
    if (!m_findings)
        m_findings = new Findings;
    return *m_findings;
}

void ImportRow::addWarning(const QString& warning) {
    findings().warnings.append(warning);
}

void ImportRow::setError(const QString& error) {
    findings().error = error;
}

void ImportRow::setDuplicate(const std::optional<DuplicateKind>& duplicate) {
    if (duplicate || m_findings)
        findings().duplicate = duplicate;
}

bool ImportRow::shareFindings(const ImportRow& other) {
    if (!m_findings || !other.m_findings || !(*m_findings == *other.m_findings))
        return false;
    m_findings = other.m_findings;
    return true;
}

bool ImportRow::operator==(const ImportRow& other) const {
    return id == other.id && line == other.line && include == other.include && record == other.record &&
           warnings() == other.warnings() && error() == other.error() && duplicate() == other.duplicate();
}

QString ImportRow::checkText() const {
    if (error())
        return u"Ошибка: "_s + *error();
    if (duplicate())
        return duplicate()->description();
    return warnings().isEmpty() ? u"Новая"_s : u"Новая (есть замечания)"_s;
}

qsizetype ImportResult::newCount() const {
    return std::count_if(rows.cbegin(), rows.cend(),
                         [](const ImportRow& r) { return !r.error() && !r.duplicate(); });
}

qsizetype ImportResult::duplicateCount() const {
    return std::count_if(rows.cbegin(), rows.cend(),
                         [](const ImportRow& r) { return !r.error() && r.duplicate(); });
}

qsizetype ImportResult::errorCount() const {
    return std::count_if(rows.cbegin(), rows.cend(),
                         [](const ImportRow& r) { return r.error().has_value(); });
}

namespace {

bool isSelected(const ImportRow& row) {
    return row.include && !row.error();
}

} // namespace

qsizetype ImportResult::selectedCount() const {
    return std::count_if(rows.cbegin(), rows.cend(), isSelected);
}

QList<Record> ImportResult::selected() const {
    QList<Record> out;
    out.reserve(selectedCount());
    for (const ImportRow& r : rows) {
        if (isSelected(r))
            out.append(r.record);
    }
    return out;
}

QString CSVImportError::errorDescription() const {
    switch (m_kind) {
    case Kind::noKnownColumns:
        return u"Не удалось распознать заголовки. Ожидаются столбцы: "_s + m_expected.join(u", "_s) +
               u". Найдено: "_s + m_found.join(u", "_s);
    case Kind::empty:
        return u"Файл пустой."_s;
    case Kind::unreadable:
        return u"Не удалось прочитать файл как текст (поддерживаются UTF-8 и Windows-1251)."_s;
    }
    return QString();
}

namespace CSVService {

namespace {

bool isBlank(const QList<QStringView>& cells) {
    return std::all_of(cells.cbegin(), cells.cend(),
                       [](QStringView cell) { return cell.trimmed().isEmpty(); });
}

// Moves to the next row holding at least one cell that is not blank; false when none is left.
bool nextWithContent(RowSource& rows) {
    while (rows.next()) {
        if (!isBlank(rows.cells()))
            return true;
    }
    return false;
}

// The column of each header cell: the first cell naming a column takes it, later ones naming the same
// column are ignored. Fills the result's recognised and ignored titles. Nothing, with `error` set, when no
// cell names a field.
std::optional<QList<std::optional<ImportColumn>>> readHeader(const QList<QStringView>& header,
                                                             const Journal& into, const ImportNames& names,
                                                             ImportResult& result, QString* error) {
    QList<std::optional<ImportColumn>> columns;
    bool anyField = false;
    for (const QStringView cell : header) {
        std::optional<ImportColumn> column = names.match(cell.toString());
        if (column && !columns.contains(column)) {
            result.recognizedColumns.append(cell.trimmed().toString());
            anyField = anyField || column->kind == ImportColumn::Kind::field;
        } else {
            if (!cell.trimmed().isEmpty())
                result.ignoredColumns.append(cell.trimmed().toString());
            column.reset();
        }
        columns.append(column);
    }
    if (anyField)
        return columns;
    QStringList found, expected;
    for (const QStringView cell : header)
        found.append(cell.trimmed().toString());
    for (const FieldDef& f : into.fields)
        expected.append(f.name);
    *error = CSVImportError::noKnownColumns(found, expected).errorDescription();
    return std::nullopt;
}

// What the cells of one data row say besides the field values.
struct RowCells {
    QString statusText;
    std::optional<QUuid> importedID;
};

// The entry key of each field column's field, made once, so that every record's value shares it.
QStringList valueKeys(const QList<std::optional<ImportColumn>>& columns, const Journal& into) {
    QStringList keys;
    keys.reserve(columns.size());
    for (const std::optional<ImportColumn>& column : columns)
        keys.append(column && column->kind == ImportColumn::Kind::field
                        ? fieldKey(into.fields[column->fieldAt].id)
                        : QString());
    return keys;
}

// Reads the row's cells into the record's values, keeping every warning.
RowCells readCells(const QList<QStringView>& cells, const QList<std::optional<ImportColumn>>& columns,
                   const QStringList& keys, const Journal& into, const Calendar& calendar, const Clock& atNow,
                   ImportRow& row) {
    RowCells read;
    for (qsizetype p = 0; p < columns.size(); ++p) {
        if (!columns[p])
            continue;
        // Trimmed before it is copied out of the text: assign trims anyway, and the copy is what the
        // record keeps.
        const QStringView cell = p < cells.size() ? cells[p].trimmed() : QStringView();
        switch (columns[p]->kind) {
        case ImportColumn::Kind::field:
            if (std::optional<QString> warning = Journal::assign(
                    cell.toString(), into.fields[columns[p]->fieldAt], keys[p], row.record, calendar, atNow))
                row.addWarning(*warning);
            break;
        case ImportColumn::Kind::status:
            read.statusText = cell.toString();
            break;
        case ImportColumn::Kind::id:
            read.importedID = parseId(cell);
            break;
        }
    }
    return read;
}

// The warning about a missing date, by the date field of each status: one text that every row missing
// that date shares.
QHash<QUuid, QString> missingDateWarnings(const Journal& into) {
    QHash<QUuid, QString> warnings;
    for (const StatusDef& st : into.statuses) {
        if (const std::optional<FieldDef> dateField = into.field(st.dateFieldID))
            warnings.insert(dateField->id, u"нет даты «"_s + dateField->name +
                                               u"» — запись не попадёт в итоги по этой дате"_s);
    }
    return warnings;
}

// The row's status: the one its status text names; else the furthest status whose date the row holds,
// else the first. Warns of an unknown status text and of the dates the status would have filled.
void readStatus(const QString& statusText, const Journal& into, ImportNames& names,
                const QHash<QUuid, QString>& missingDates, ImportRow& row) {
    Record& record = row.record;
    if (const std::optional<qsizetype> s = names.matchStatus(statusText)) {
        record.statusID = into.statuses[*s].id;
    } else {
        if (!statusText.isEmpty())
            row.addWarning(u"неизвестный статус «"_s + statusText + u'»');
        const auto dated =
            std::find_if(into.statuses.crbegin(), into.statuses.crend(), [&](const StatusDef& st) {
                return st.dateFieldID && record.date(*st.dateFieldID).has_value();
            });
        if (dated != into.statuses.crend())
            record.statusID = dated->id;
        else if (!into.statuses.isEmpty())
            record.statusID = into.statuses.first().id;
    }
    if (const std::optional<qsizetype> position = into.statusIndex(record.statusID)) {
        for (const StatusDef& st : into.statusesFillingDates(*position)) {
            const auto warning =
                st.dateFieldID ? missingDates.constFind(*st.dateFieldID) : missingDates.cend();
            if (warning != missingDates.cend() && !record.date(*st.dateFieldID))
                row.addWarning(*warning);
        }
    }
}

// Rows repeat a handful of findings (every row of a status lacking the same dates warns alike), and a
// copy of its own costs a row more than many of its values. A row whose findings equal those of one of
// the last few distinct rows with findings takes that row's copy instead.
class SharedFindings {
public:
    void share(ImportRow& row) {
        if (row.warnings().isEmpty() && !row.error() && !row.duplicate())
            return;
        for (const ImportRow& known : m_recent) {
            if (row.shareFindings(known))
                return;
        }
        ImportRow& kept = m_recent[m_next];
        kept = row;
        kept.record = Record();
        m_next = (m_next + 1) % m_recent.size();
    }

private:
    std::array<ImportRow, 8> m_recent;
    std::size_t m_next = 0;
};

} // namespace

std::optional<ImportResult> prepareImport(const QString& text, const Journal& into, const Calendar& calendar,
                                          const Clock& clock, QString* error) {
    TextRows rows(text);
    return prepareImport(rows, into, calendar, clock, error);
}

std::optional<ImportResult> prepareImport(RowSource& source, const Journal& into, const Calendar& calendar,
                                          const Clock& clock, QString* error) {
    // Rows are read one at a time and each becomes its record at once: only the text and the results are
    // held, never a copy of every cell.
    if (!nextWithContent(source)) {
        *error = CSVImportError::empty().errorDescription();
        return std::nullopt;
    }
    ImportResult result;
    ImportNames names(into);
    const std::optional<QList<std::optional<ImportColumn>>> columns =
        readHeader(source.cells(), into, names, result, error);
    if (!columns)
        return std::nullopt;

    const QStringList entryKeys = valueKeys(*columns, into);
    const QHash<QUuid, QString> missingDates = missingDateWarnings(into);
    ImportIndex index(into, result.rows);
    // One reading of the clock serves the whole import: the records' times and the window in which
    // two-digit years are read, so rows read around midnight agree with each other.
    const QDateTime now = clock();
    const Clock atNow = [now] { return now; };
    SharedFindings findings;

    // Room for every row at once: growing the list would hold it twice while it moves. The bound may
    // exceed the rows (blank lines, line ends inside quotes); the pages of a large list's unused room are
    // never touched, so they take no memory.
    result.rows.reserve(source.rowsAtMost());
    for (qsizetype line = 2; nextWithContent(source); ++line) {
        ImportRow& row = result.rows.emplace_back();
        row.id = QUuid::createUuid();
        row.line = qint32(line);
        row.record.id = QUuid::createUuid();
        row.record.createdAt = row.record.updatedAt = now;
        const RowCells cells = readCells(source.cells(), *columns, entryKeys, into, calendar, atNow, row);
        readStatus(cells.statusText, into, names, missingDates, row);
        if (into.isEmptyContent(row.record)) {
            row.setError(u"нет ни одного заполненного поля"_s);
        } else {
            const ImportIndex::Keys keys = index.keysOf(row.record);
            row.setDuplicate(index.duplicateOf(keys, cells.importedID));
            row.include = !row.duplicate();
            // Every row without an error is remembered, duplicates too, so later repeats point at it.
            if (cells.importedID && index.adopt(*cells.importedID))
                row.record.id = *cells.importedID;
            index.remember(keys, result.rows.size() - 1);
        }
        findings.share(row);
    }
    return result;
}

} // namespace CSVService
