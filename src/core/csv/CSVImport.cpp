#include "csv/CSVImport.h"

#include "journal/TextNormalizer.h"
#include "model/Ids.h"

#include <QHash>
#include <QSet>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

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

// What a recognised column holds.
struct Column {
    enum class Kind { field, status, id };
    Kind kind = Kind::field;
    QUuid fieldID;          // for a field column; two field columns are the same column when ids agree
    qsizetype fieldAt = -1; // the position of the matched field in the journal, for reading its cells

    bool operator==(const Column& other) const {
        return kind == other.kind && (kind != Kind::field || fieldID == other.fieldID);
    }
};

// The grapheme clusters of a text, so that prefixes are measured in whole characters.
QList<QStringView> charactersOf(const QString& text) {
    QList<QStringView> out;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = finder.toNextBoundary();
        if (end <= start)
            end = text.size();
        out.append(QStringView(text).sliced(start, end - start));
        start = end;
    }
    return out;
}

// The header and status names of a journal by their reduced keys, worked out once per import.
class Names {
public:
    explicit Names(const Journal& journal) : m_journal(journal) {
        for (const FieldDef& f : journal.fields) {
            m_fieldNames.append(TextNormalizer::reduced(f.name));
            QStringList aliases;
            for (const QString& alias : f.aliases)
                aliases.append(TextNormalizer::reduced(alias));
            m_fieldAliases.append(aliases);
        }
        for (const StatusDef& s : journal.statuses) {
            m_statusNames.append(TextNormalizer::reduced(s.name));
            m_statusChars.append(charactersOf(m_statusNames.last()));
        }
    }

    // The column a header cell names: a field by name (all names before any alias), then the status or
    // the id column.
    std::optional<Column> match(const QString& header) const {
        const QString key = TextNormalizer::reduced(header);
        if (key.isEmpty())
            return std::nullopt;
        for (qsizetype i = 0; i < m_fieldNames.size(); ++i) {
            if (m_fieldNames[i] == key)
                return fieldColumn(i);
        }
        for (qsizetype i = 0; i < m_fieldAliases.size(); ++i) {
            if (m_fieldAliases[i].contains(key))
                return fieldColumn(i);
        }
        if (key == u"статус" || key == u"status" || key == u"состояние")
            return Column{Column::Kind::status, {}, -1};
        if (key == u"id" || key == u"идентификатор" || key == u"uuid")
            return Column{Column::Kind::id, {}, -1};
        return std::nullopt;
    }

    // The position of the status a status text names: equal reduced keys, else the longest common start
    // of at least 5 characters (the earlier status on a tie). Files repeat a handful of status texts, so
    // each text is worked out once.
    std::optional<qsizetype> matchStatus(const QString& text) {
        const auto cached = m_statusOfText.constFind(text);
        if (cached != m_statusOfText.cend())
            return *cached;
        const std::optional<qsizetype> found = statusFor(TextNormalizer::reduced(text));
        m_statusOfText.insert(text, found);
        return found;
    }

private:
    Column fieldColumn(qsizetype i) const { return Column{Column::Kind::field, m_journal.fields[i].id, i}; }

    std::optional<qsizetype> statusFor(const QString& key) const {
        if (key.isEmpty())
            return std::nullopt;
        const qsizetype exact = m_statusNames.indexOf(key);
        if (exact >= 0)
            return exact;
        const QList<QStringView> chars = charactersOf(key);
        qsizetype best = -1, bestLength = 0;
        for (qsizetype i = 0; i < m_statusChars.size(); ++i) {
            const QList<QStringView>& name = m_statusChars[i];
            const qsizetype n = std::min(name.size(), chars.size());
            qsizetype length = 0;
            while (length < n && name[length] == chars[length])
                ++length;
            if (best < 0 || length > bestLength) {
                best = i;
                bestLength = length;
            }
        }
        if (best >= 0 && bestLength >= 5)
            return best;
        return std::nullopt;
    }

    const Journal& m_journal;
    QStringList m_fieldNames;
    QList<QStringList> m_fieldAliases;
    QStringList m_statusNames;
    QList<QList<QStringView>> m_statusChars; // views into m_statusNames, which no longer changes
    QHash<QString, std::optional<qsizetype>> m_statusOfText;
};

// The unique fields of a journal, and the comparison keys of a record's values in them.
class UniqueFields {
public:
    struct Value {
        qsizetype slot; // the index this pair goes to: one per field id
        QString key;
        qsizetype field; // the unique field, by its position among them
    };

    explicit UniqueFields(const Journal& journal) : m_journal(journal) {
        for (const FieldDef& f : journal.fields) {
            if (!f.isUnique)
                continue;
            const auto same = std::find_if(m_fields.cbegin(), m_fields.cend(),
                                           [&f](const FieldDef* g) { return g->id == f.id; });
            m_slots.append(same == m_fields.cend() ? m_slotCount++ : m_slots[same - m_fields.cbegin()]);
            m_fields.append(&f);
        }
    }

    qsizetype slotCount() const { return m_slotCount; }
    const QString& name(const Value& v) const { return m_fields[v.field]->name; }

    // Pairs of (field, key) for the unique fields whose value gives a non-empty key, in field order.
    QList<Value> of(const Record& record) const {
        QList<Value> out;
        for (qsizetype i = 0; i < m_fields.size(); ++i) {
            QString key = TextNormalizer::compare(m_journal.displayValue(record, *m_fields[i]));
            if (!key.isEmpty())
                out.append(Value{m_slots[i], std::move(key), i});
        }
        return out;
    }

private:
    const Journal& m_journal;
    QList<const FieldDef*> m_fields;
    QList<qsizetype> m_slots;
    qsizetype m_slotCount = 0;
};

// Enters the key unless it is there already: the first holder of a key is the one every later row names.
void insertFirst(QHash<QString, qsizetype>& index, const QString& key, qsizetype value) {
    if (!index.contains(key))
        index.insert(key, value);
}

} // namespace

std::optional<ImportResult> prepareImport(const QString& text, const Journal& into, const Calendar& calendar,
                                          const Clock& clock, QString* error) {
    const QList<QStringList> allRows = parseRows(text, detectDelimiter(text));
    QList<const QStringList*> kept;
    for (const QStringList& row : allRows) {
        if (std::any_of(row.cbegin(), row.cend(),
                        [](const QString& cell) { return !cell.trimmed().isEmpty(); }))
            kept.append(&row);
    }
    if (kept.isEmpty()) {
        *error = CSVImportError::empty().errorDescription();
        return std::nullopt;
    }

    ImportResult result;
    Names names(into);
    const QStringList& header = *kept.first();
    QList<std::optional<Column>> columns;
    bool anyField = false;
    for (const QString& cell : header) {
        std::optional<Column> column = names.match(cell);
        if (column && std::find(columns.cbegin(), columns.cend(), column) == columns.cend()) {
            result.recognizedColumns.append(cell.trimmed());
            anyField = anyField || column->kind == Column::Kind::field;
        } else {
            if (!cell.trimmed().isEmpty())
                result.ignoredColumns.append(cell.trimmed());
            column.reset();
        }
        columns.append(column);
    }
    if (!anyField) {
        QStringList found, expected;
        for (const QString& cell : header)
            found.append(cell.trimmed());
        for (const FieldDef& f : into.fields)
            expected.append(f.name);
        *error = CSVImportError::noKnownColumns(found, expected).errorDescription();
        return std::nullopt;
    }

    // The journal's indexes, built once; the file's grow as rows are read.
    const UniqueFields unique(into);
    const bool checksIdentity = into.canCheckIdentity();
    QSet<QUuid> journalIDs;
    std::vector<QHash<QString, qsizetype>> uniqueInJournal(unique.slotCount());
    QHash<QString, qsizetype> identityInJournal;
    for (qsizetype i = 0; i < into.records.size(); ++i) {
        const Record& r = into.records[i];
        journalIDs.insert(r.id);
        const QList<UniqueFields::Value> values = unique.of(r);
        for (const UniqueFields::Value& v : values)
            insertFirst(uniqueInJournal[v.slot], v.key, i);
        if (checksIdentity && values.isEmpty())
            insertFirst(identityInJournal, into.identityKey(r), i);
    }
    std::vector<QHash<QString, qsizetype>> uniqueInFile(unique.slotCount());
    QHash<QString, qsizetype> identityInFile;
    QSet<QUuid> adoptedIDs;
    // One reading of the clock serves the whole import: the records' times and the window in which
    // two-digit years are read, so rows read around midnight agree with each other.
    const QDateTime now = clock();
    const Clock atNow = [now] { return now; };

    result.rows.reserve(kept.size() - 1);
    for (qsizetype k = 1; k < kept.size(); ++k) {
        const QStringList& cells = *kept[k];
        ImportRow row;
        row.id = QUuid::createUuid();
        row.line = k + 1;
        Record& record = row.record;
        record.id = QUuid::createUuid();
        record.createdAt = record.updatedAt = now;
        QString statusText;
        std::optional<QUuid> importedID;
        for (qsizetype p = 0; p < columns.size(); ++p) {
            if (!columns[p])
                continue;
            const QString cell = p < cells.size() ? cells[p] : QString();
            switch (columns[p]->kind) {
            case Column::Kind::field:
                if (std::optional<QString> warning =
                        Journal::assign(cell, into.fields[columns[p]->fieldAt], record, calendar, atNow))
                    row.warnings.append(*warning);
                break;
            case Column::Kind::status:
                statusText = cell.trimmed();
                break;
            case Column::Kind::id:
                importedID = parseId(cell.trimmed());
                break;
            }
        }

        if (const std::optional<qsizetype> s = names.matchStatus(statusText)) {
            record.statusID = into.statuses[*s].id;
        } else {
            if (!statusText.isEmpty())
                row.warnings.append(u"неизвестный статус «"_s + statusText + u'»');
            // The furthest status whose date the row holds, else the first.
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

        if (into.isEmptyContent(record)) {
            row.error = u"нет ни одного заполненного поля"_s;
            result.rows.append(std::move(row));
            continue;
        }

        const QList<UniqueFields::Value> values = unique.of(record);
        const bool byIdentity = values.isEmpty() && checksIdentity;
        const QString identity = byIdentity ? into.identityKey(record) : QString();
        if (importedID && journalIDs.contains(*importedID))
            row.duplicate = DuplicateKind::sameID();
        for (qsizetype i = 0; !row.duplicate && i < values.size(); ++i) {
            const auto hit = uniqueInJournal[values[i].slot].constFind(values[i].key);
            if (hit != uniqueInJournal[values[i].slot].cend())
                row.duplicate = DuplicateKind::uniqueInDatabase(unique.name(values[i]) + u" — "_s +
                                                                into.shortDescription(into.records[*hit]));
        }
        for (qsizetype i = 0; !row.duplicate && i < values.size(); ++i) {
            const auto hit = uniqueInFile[values[i].slot].constFind(values[i].key);
            if (hit != uniqueInFile[values[i].slot].cend())
                row.duplicate = DuplicateKind::uniqueInFile(unique.name(values[i]), *hit);
        }
        if (!row.duplicate && byIdentity) {
            if (const auto hit = identityInJournal.constFind(identity); hit != identityInJournal.cend())
                row.duplicate = DuplicateKind::sameInDatabase(into.shortDescription(into.records[*hit]));
            else if (const auto line = identityInFile.constFind(identity); line != identityInFile.cend())
                row.duplicate = DuplicateKind::sameInFile(*line);
        }
        row.include = !row.duplicate;

        // Every row without an error is remembered, duplicates too, so later repeats point at it.
        if (importedID && !journalIDs.contains(*importedID) && !adoptedIDs.contains(*importedID)) {
            record.id = *importedID;
            adoptedIDs.insert(*importedID);
        }
        for (const UniqueFields::Value& v : values)
            insertFirst(uniqueInFile[v.slot], v.key, row.line);
        if (byIdentity)
            insertFirst(identityInFile, identity, row.line);
        result.rows.append(std::move(row));
    }
    return result;
}

} // namespace CSVService
