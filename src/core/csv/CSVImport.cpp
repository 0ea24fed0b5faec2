#include "csv/CSVImport.h"

#include "csv/ImportHeader.h"
#include "csv/ImportIndex.h"
#include "model/Ids.h"

#include <algorithm>

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

QString ImportRow::checkText() const {
    if (error)
        return u"Ошибка: "_s + *error;
    if (duplicate)
        return duplicate->description();
    return warnings.isEmpty() ? u"Новая"_s : u"Новая (есть замечания)"_s;
}

qsizetype ImportResult::newCount() const {
    return std::count_if(rows.cbegin(), rows.cend(),
                         [](const ImportRow& r) { return !r.error && !r.duplicate; });
}

qsizetype ImportResult::duplicateCount() const {
    return std::count_if(rows.cbegin(), rows.cend(),
                         [](const ImportRow& r) { return !r.error && r.duplicate; });
}

qsizetype ImportResult::errorCount() const {
    return std::count_if(rows.cbegin(), rows.cend(), [](const ImportRow& r) { return r.error.has_value(); });
}

QList<Record> ImportResult::selected() const {
    QList<Record> out;
    for (const ImportRow& r : rows) {
        if (r.include && !r.error)
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

// The rows holding at least one cell that is not blank: the header first, then the data rows.
QList<QStringList> rowsWithContent(const QString& text) {
    QList<QStringList> rows = parseRows(text, detectDelimiter(text));
    rows.removeIf([](const QStringList& row) {
        return std::all_of(row.cbegin(), row.cend(),
                           [](const QString& cell) { return cell.trimmed().isEmpty(); });
    });
    return rows;
}

// The column of each header cell: the first cell naming a column takes it, later ones naming the same
// column are ignored. Fills the result's recognised and ignored titles. Nothing, with `error` set, when no
// cell names a field.
std::optional<QList<std::optional<ImportColumn>>> readHeader(const QStringList& header, const Journal& into,
                                                             const ImportNames& names, ImportResult& result,
                                                             QString* error) {
    QList<std::optional<ImportColumn>> columns;
    bool anyField = false;
    for (const QString& cell : header) {
        std::optional<ImportColumn> column = names.match(cell);
        if (column && !columns.contains(column)) {
            result.recognizedColumns.append(cell.trimmed());
            anyField = anyField || column->kind == ImportColumn::Kind::field;
        } else {
            if (!cell.trimmed().isEmpty())
                result.ignoredColumns.append(cell.trimmed());
            column.reset();
        }
        columns.append(column);
    }
    if (anyField)
        return columns;
    QStringList found, expected;
    for (const QString& cell : header)
        found.append(cell.trimmed());
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

// Reads the row's cells into the record's values, keeping every warning.
RowCells readCells(const QStringList& cells, const QList<std::optional<ImportColumn>>& columns,
                   const Journal& into, const Calendar& calendar, const Clock& atNow, ImportRow& row) {
    RowCells read;
    for (qsizetype p = 0; p < columns.size(); ++p) {
        if (!columns[p])
            continue;
        const QString cell = p < cells.size() ? cells[p] : QString();
        switch (columns[p]->kind) {
        case ImportColumn::Kind::field:
            if (std::optional<QString> warning =
                    Journal::assign(cell, into.fields[columns[p]->fieldAt], row.record, calendar, atNow))
                row.warnings.append(*warning);
            break;
        case ImportColumn::Kind::status:
            read.statusText = cell.trimmed();
            break;
        case ImportColumn::Kind::id:
            read.importedID = parseId(cell.trimmed());
            break;
        }
    }
    return read;
}

// The row's status: the one its status text names; else the furthest status whose date the row holds,
// else the first. Warns of an unknown status text and of the dates the status would have filled.
void readStatus(const QString& statusText, const Journal& into, ImportNames& names, ImportRow& row) {
    Record& record = row.record;
    if (const std::optional<qsizetype> s = names.matchStatus(statusText)) {
        record.statusID = into.statuses[*s].id;
    } else {
        if (!statusText.isEmpty())
            row.warnings.append(u"неизвестный статус «"_s + statusText + u'»');
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
            const std::optional<FieldDef> dateField = into.field(st.dateFieldID);
            if (dateField && !record.date(dateField->id))
                row.warnings.append(u"нет даты «"_s + dateField->name +
                                    u"» — запись не попадёт в итоги по этой дате"_s);
        }
    }
}

} // namespace

std::optional<ImportResult> prepareImport(const QString& text, const Journal& into, const Calendar& calendar,
                                          const Clock& clock, QString* error) {
    const QList<QStringList> rows = rowsWithContent(text);
    if (rows.isEmpty()) {
        *error = CSVImportError::empty().errorDescription();
        return std::nullopt;
    }
    ImportResult result;
    ImportNames names(into);
    const std::optional<QList<std::optional<ImportColumn>>> columns =
        readHeader(rows.first(), into, names, result, error);
    if (!columns)
        return std::nullopt;

    ImportIndex index(into);
    // One reading of the clock serves the whole import: the records' times and the window in which
    // two-digit years are read, so rows read around midnight agree with each other.
    const QDateTime now = clock();
    const Clock atNow = [now] { return now; };

    result.rows.reserve(rows.size() - 1);
    for (qsizetype k = 1; k < rows.size(); ++k) {
        ImportRow& row = result.rows.emplace_back();
        row.id = QUuid::createUuid();
        row.line = k + 1;
        row.record.id = QUuid::createUuid();
        row.record.createdAt = row.record.updatedAt = now;
        const RowCells cells = readCells(rows[k], *columns, into, calendar, atNow, row);
        readStatus(cells.statusText, into, names, row);
        if (into.isEmptyContent(row.record)) {
            row.error = u"нет ни одного заполненного поля"_s;
            continue;
        }
        const ImportIndex::Keys keys = index.keysOf(row.record);
        row.duplicate = index.duplicateOf(keys, cells.importedID);
        row.include = !row.duplicate;
        // Every row without an error is remembered, duplicates too, so later repeats point at it.
        if (cells.importedID && index.adopt(*cells.importedID))
            row.record.id = *cells.importedID;
        index.remember(keys, row.line);
    }
    return result;
}

} // namespace CSVService
