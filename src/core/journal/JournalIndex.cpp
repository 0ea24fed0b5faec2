#include "core/journal/JournalIndex.h"

#include "core/journal/TextNormalizer.h"
#include "core/model/DateFormat.h"

#include <QHash>

#include <algorithm>
#include <string>
#include <unordered_map>

using namespace Qt::StringLiterals;

namespace {

template <typename Column> struct Entry {
    QUuid fieldID;
    std::unique_ptr<Column> column;
};

// The column of a field in the list, built and added when it is not there yet.
template <typename Column, typename Make>
Column& columnOf(std::vector<Entry<Column>>& list, const QUuid& fieldID, Make make) {
    for (Entry<Column>& e : list) {
        if (e.fieldID == fieldID)
            return *e.column;
    }
    list.push_back(Entry<Column>{fieldID, make()});
    return *list.back().column;
}

TextColumn::Source sourceOf(FieldType type) {
    switch (type) {
    case FieldType::number:
        return TextColumn::Source::number;
    case FieldType::date:
        return TextColumn::Source::date;
    case FieldType::checkbox:
        return TextColumn::Source::flag;
    case FieldType::text:
    case FieldType::longText:
    case FieldType::link:
    case FieldType::choice:
        return TextColumn::Source::text;
    }
    return TextColumn::Source::text;
}

// What the number, date and tick columns read from a record.
std::optional<double> numberOf(const Record& record, const QString& key) {
    return record.number(key);
}

std::optional<qint64> dateOf(const Record& record, const QString& key) {
    const std::optional<QDateTime> date = record.date(key);
    return date ? std::optional(date->toMSecsSinceEpoch()) : std::nullopt;
}

quint8 flagOf(const Record& record, const QString& key) {
    return record.flag(key);
}

} // namespace

struct JournalIndex::Columns {
    std::vector<Entry<TextColumn>> texts;
    // Shown numbers, ticks and dates; dates once per calendar.
    struct Shown {
        QUuid fieldID;
        TextColumn::Source source;
        Calendar calendar;
        std::unique_ptr<TextColumn> column;
    };
    std::vector<Shown> shown;
    std::vector<Entry<NumberColumn>> numbers;
    std::vector<Entry<DateColumn>> dates;
    std::vector<Entry<FlagColumn>> flags;
    std::unique_ptr<StatusColumn> statuses;
    std::unique_ptr<CreatedColumn> created;
};

// Group keys join the comparison keys of the group fields' values with "|", the title's key standing in
// for an empty last value. Such a key is known by the ids of its parts: equal ids mean equal keys, and
// when no part holds a "|" equal keys mean equal ids. Keys with a "|" inside a part are compared whole.
// They never equal a key whose parts hold none, which has exactly one "|" fewer than it has parts.
struct JournalIndex::Groups {
    QList<TextColumn*> parts;
    TextColumn* name = nullptr; // the title field when it is not a group field
    std::vector<int> nameKeys;  // by the name column's text id: the key id of "n:" and the name's key
    int emptyKey = -1;
    PerRecord<int> ids; // >= 0: ids of parts (one part) or of lists of parts; < 0: -1 - id of a whole key
    std::unordered_map<std::string, int> lists;
    TextIds wholeKeys;
    QHash<QUuid, int> recordIDs; // a journal without group fields: a record is a group of its own
    std::vector<quint32> seen, seenWhole;
    quint32 stamp = 0;
};

JournalIndex::JournalIndex(const Calendar& calendar) : m_calendar(calendar) {
    startAfresh();
}

JournalIndex::~JournalIndex() = default;

void JournalIndex::startAfresh() {
    m_keys = KeyIds();
    m_columns = std::make_unique<Columns>();
    m_groups.reset();
    m_distinct.clear();
}

RecordChanges JournalIndex::update(const Journal& journal) {
    const bool sameShape = m_started && journal.id == m_journal.id && journal.fields == m_journal.fields &&
                           journal.statuses == m_journal.statuses &&
                           journal.titleFieldID == m_journal.titleFieldID;
    if (!sameShape) {
        RecordChanges changes = RecordChanges::all(m_journal.records.size(), journal.records.size());
        m_journal = journal;
        m_started = true;
        ++m_version;
        startAfresh();
        return changes;
    }
    RecordChanges changes = RecordChanges::between(m_journal.records, journal.records);
    m_journal = journal;
    if (changes.none())
        return changes;
    ++m_version;
    const QList<Record>& records = m_journal.records;
    const int n = count();
    Columns& c = *m_columns;
    for (auto& e : c.texts)
        e.column->follow(records, changes);
    for (auto& e : c.shown)
        e.column->follow(records, changes);
    const auto followAll = [&](auto& list, auto read) {
        for (auto& e : list) {
            const QString key = fieldKey(e.fieldID);
            e.column->follow(n, changes, [&](int at) { return read(records[at], key); });
        }
    };
    followAll(c.numbers, numberOf);
    followAll(c.dates, dateOf);
    followAll(c.flags, flagOf);
    if (c.statuses)
        c.statuses->follow(records, changes);
    if (c.created)
        c.created->follow(n, changes, [&](int at) { return records[at].createdAt.toMSecsSinceEpoch(); });
    if (m_groups)
        m_groups->ids.follow(n, changes, [&](int at) { return groupOf(at); });
    m_distinct.clear();
    return changes;
}

TextColumn& JournalIndex::storedTexts(const QUuid& fieldID, bool keyed) {
    return columnOf(m_columns->texts, fieldID, [&] {
        auto made = std::make_unique<TextColumn>(TextColumn::Source::text, fieldID, m_calendar);
        if (keyed)
            made->keys(m_keys);
        buildOrDefer(*made);
        return made;
    });
}

void JournalIndex::buildOrDefer(TextColumn& column) {
    if (m_deferred)
        m_deferred->push_back(&column);
    else
        column.build(m_journal.records);
}

void JournalIndex::prepare(const std::optional<FieldDef>& valueField, const QList<QUuid>& numberFields) {
    // Group keys read values as the journal shows them in the user's zone, and so do the picker's values.
    const Calendar& shownIn = DateFormat::defaultCalendar();
    std::vector<TextColumn*> deferred;
    m_deferred = &deferred;
    for (const FieldDef& f : m_journal.fields) {
        if (f.inGroup)
            shownTexts(f, shownIn, true);
    }
    // The title stands in for an empty group value: its keys are needed for a few records only.
    if (const std::optional<FieldDef> title = m_journal.titleField(); title && !title->inGroup)
        shownTexts(*title, shownIn);
    if (valueField)
        shownTexts(*valueField, shownIn, true);
    m_deferred = nullptr;

    // Number columns not built yet, filled by the same pass.
    std::vector<std::pair<NumberColumn*, QString>> numbers;
    for (const QUuid& id : numberFields) {
        columnOf(m_columns->numbers, id, [&] {
            auto made = std::make_unique<NumberColumn>();
            made->reserve(count());
            numbers.emplace_back(made.get(), fieldKey(id));
            return made;
        });
    }
    if (deferred.empty() && numbers.empty())
        return;
    const QList<Record>& records = m_journal.records;
    TextColumn::buildAll(records, deferred, [&](int at) {
        for (const auto& [column, key] : numbers)
            column->append(numberOf(records[at], key));
    });
}

TextColumn* JournalIndex::builtStoredTexts(const QUuid& fieldID) {
    for (Entry<TextColumn>& e : m_columns->texts) {
        if (e.fieldID == fieldID)
            return e.column.get();
    }
    return nullptr;
}

TextColumn& JournalIndex::shownTexts(const FieldDef& field, const Calendar& calendar, bool keyed) {
    const TextColumn::Source source = sourceOf(field.type);
    if (source == TextColumn::Source::text)
        return storedTexts(field.id, keyed);
    for (Columns::Shown& e : m_columns->shown) {
        if (e.fieldID == field.id && e.source == source &&
            (source != TextColumn::Source::date || e.calendar == calendar))
            return *e.column;
    }
    auto made = std::make_unique<TextColumn>(source, field.id, calendar);
    if (keyed)
        made->keys(m_keys);
    buildOrDefer(*made);
    m_columns->shown.push_back(Columns::Shown{field.id, source, calendar, std::move(made)});
    return *m_columns->shown.back().column;
}

namespace {

template <typename Column, typename Read>
Column& valuesOf(std::vector<Entry<Column>>& list, const QUuid& fieldID, const QList<Record>& records,
                 Read read) {
    return columnOf(list, fieldID, [&] {
        auto made = std::make_unique<Column>();
        const QString key = fieldKey(fieldID);
        made->build(int(records.size()), [&](int at) { return read(records[at], key); });
        return made;
    });
}

} // namespace

const NumberColumn& JournalIndex::numbers(const QUuid& fieldID) {
    return valuesOf(m_columns->numbers, fieldID, m_journal.records, numberOf);
}

const DateColumn& JournalIndex::dates(const QUuid& fieldID) {
    return valuesOf(m_columns->dates, fieldID, m_journal.records, dateOf);
}

const FlagColumn& JournalIndex::flags(const QUuid& fieldID) {
    return valuesOf(m_columns->flags, fieldID, m_journal.records, flagOf);
}

const StatusColumn& JournalIndex::statuses() {
    if (!m_columns->statuses) {
        m_columns->statuses = std::make_unique<StatusColumn>();
        m_columns->statuses->build(m_journal.records);
    }
    return *m_columns->statuses;
}

const CreatedColumn& JournalIndex::created() {
    if (!m_columns->created) {
        m_columns->created = std::make_unique<CreatedColumn>();
        m_columns->created->build(count(), [&](int at) {
            return std::as_const(m_journal.records)[at].createdAt.toMSecsSinceEpoch();
        });
    }
    return *m_columns->created;
}

void JournalIndex::buildGroups() {
    prepare(std::nullopt);
    m_groups = std::make_unique<Groups>();
    Groups& g = *m_groups;
    const Calendar& shownIn = DateFormat::defaultCalendar();
    for (const FieldDef& f : m_journal.fields) {
        if (f.inGroup)
            g.parts.append(&shownTexts(f, shownIn, true));
    }
    if (const std::optional<FieldDef> title = m_journal.titleField(); title && !title->inGroup)
        g.name = &shownTexts(*title, shownIn);
    g.emptyKey = m_keys.ofKey(QString());
    g.ids.build(count(), [&](int at) { return groupOf(at); });
}

int JournalIndex::groupOf(int position) {
    Groups& g = *m_groups;
    if (g.parts.isEmpty()) {
        const QUuid& id = std::as_const(m_journal.records)[position].id;
        if (const auto it = g.recordIDs.constFind(id); it != g.recordIDs.cend())
            return *it;
        return *g.recordIDs.insert(id, int(g.recordIDs.size()));
    }
    int parts[16];
    std::vector<int> more;
    int* keys = g.parts.size() <= 16 ? parts : (more.resize(size_t(g.parts.size())), more.data());
    bool bar = false;
    for (qsizetype i = 0; i < g.parts.size(); ++i) {
        TextColumn& column = *g.parts[i];
        int key = column.keys(m_keys)[size_t(column.idAt(position))];
        // A record without a value in the last group field belongs with the records of its name.
        if (key == g.emptyKey && g.name && i == g.parts.size() - 1) {
            const int name = g.name->idAt(position);
            if (g.nameKeys.size() <= size_t(name))
                g.nameKeys.resize(size_t(name) + 1, -1);
            if (g.nameKeys[size_t(name)] < 0)
                g.nameKeys[size_t(name)] =
                    m_keys.ofKey(u"n:"_s + TextNormalizer::compare(g.name->texts().text(name)));
            key = g.nameKeys[size_t(name)];
        }
        keys[i] = key;
        bar = bar || m_keys.holdsBar(key);
    }
    if (bar) {
        QStringList whole;
        for (qsizetype i = 0; i < g.parts.size(); ++i)
            whole.append(m_keys.key(keys[i]));
        return -1 - g.wholeKeys.of(whole.join(u'|'));
    }
    if (g.parts.size() == 1)
        return keys[0];
    const std::string list(reinterpret_cast<const char*>(keys), size_t(g.parts.size()) * sizeof(int));
    return g.lists.try_emplace(list, int(g.lists.size())).first->second;
}

qsizetype JournalIndex::groupCount(const std::vector<int>& positions) {
    if (!m_groups)
        buildGroups();
    Groups& g = *m_groups;
    if (++g.stamp == 0) { // the stamps went round: start them again
        std::fill(g.seen.begin(), g.seen.end(), 0);
        std::fill(g.seenWhole.begin(), g.seenWhole.end(), 0);
        g.stamp = 1;
    }
    qsizetype count = 0;
    for (const int at : positions) {
        const int id = g.ids[at];
        std::vector<quint32>& seen = id >= 0 ? g.seen : g.seenWhole;
        const size_t slot = size_t(id >= 0 ? id : -1 - id);
        if (seen.size() <= slot)
            seen.resize(std::max(slot + 1, seen.size() * 2), 0);
        if (seen[slot] != g.stamp) {
            seen[slot] = g.stamp;
            ++count;
        }
    }
    return count;
}
