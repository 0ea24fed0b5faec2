#include "core/journal/RecordColumns.h"

#include "core/journal/NaturalRanks.h"
#include "core/model/DateFormat.h"
#include "core/model/NumberFormat.h"

#include <cstring>

using namespace Qt::StringLiterals;

void StatusColumn::build(const QList<Record>& records) {
    m_numbers.build(int(records.size()), [&](int at) { return numberOf(records[at]); });
}

void StatusColumn::follow(const QList<Record>& records, const RecordChanges& changes) {
    m_numbers.follow(int(records.size()), changes, [&](int at) { return numberOf(records[at]); });
}

int StatusColumn::numberOf(const Record& record) {
    if (!record.statusID)
        return -1;
    // A journal has a handful of statuses: a look along the list is quicker than hashing.
    const qsizetype at = m_ids.indexOf(*record.statusID);
    if (at >= 0)
        return int(at);
    m_ids.append(*record.statusID);
    return int(m_ids.size()) - 1;
}

TextColumn::TextColumn(Source source, const QUuid& fieldID, const Calendar& calendar)
    : m_source(source), m_key(fieldKey(fieldID)), m_calendar(calendar) {}

namespace {

// Reading one field of every record waits on memory: each record's values, each text, and the slot a text's
// id is looked up in, lie in blocks of their own. Passes over a run of records first ask for many blocks at
// once, each pass for those the one before made known; the reads then find them at hand.
constexpr int warmRun = 64;

} // namespace

void TextColumn::buildAll(const QList<Record>& records, const std::vector<TextColumn*>& columns,
                          const std::function<void(int)>& alongside) {
    const int n = int(records.size());
    const size_t width = columns.size();
    for (TextColumn* column : columns)
        column->m_ids.reserve(n);
    // By record of the run, then by column: the value read and, for a stored text, its hash.
    std::vector<const FieldValue*> values(warmRun * width);
    std::vector<size_t> hashes(warmRun * width);
    for (int from = 0; from < n; from += warmRun) {
        const int to = std::min(n, from + warmRun);
        char16_t sink = 0;
        for (int at = from, k = 0; at < to; ++at) {
            for (const TextColumn* column : columns) {
                const FieldValue* v = records[at].value(column->key());
                values[size_t(k++)] = v;
                if (v && v->text && !v->text->isEmpty())
                    sink ^= v->text->front().unicode();
            }
            if (alongside)
                alongside(at);
        }
        volatile char16_t keep = sink;
        (void)keep;
        const size_t run = size_t(to - from) * width;
        for (size_t k = 0; k < run; ++k) {
            TextColumn& column = *columns[k % width];
            const FieldValue* v = values[k];
            if (column.m_source == Source::text && v && v->text) {
                hashes[k] = TextIds::hashOf(*v->text);
                column.m_texts.prefetch(hashes[k]);
            }
        }
        // Stored texts met for the first time get their keys after the run's reads, all together, in the
        // order they were met.
        std::vector<std::pair<TextColumn*, int>> newTexts;
        for (size_t k = 0; k < run; ++k) {
            TextColumn& column = *columns[k % width];
            const int texts = column.m_texts.size();
            const int id = column.readValue(values[k], hashes[k]);
            column.m_ids.append(id);
            if (column.keysNew() && column.m_texts.size() > texts)
                newTexts.emplace_back(&column, id);
        }
        keyNewTexts(newTexts);
    }
}

void TextColumn::keyNewTexts(const std::vector<std::pair<TextColumn*, int>>& newTexts) {
    if (newTexts.empty())
        return;
    KeyIds* keyIds = newTexts.front().first->m_keyIds;
    Q_ASSERT(std::all_of(newTexts.cbegin(), newTexts.cend(),
                         [&](const auto& t) { return t.first->m_keyIds == keyIds; }));
    std::vector<const QString*> texts;
    texts.reserve(newTexts.size());
    for (const auto& [column, id] : newTexts)
        texts.push_back(&column->m_texts.text(id));
    const std::vector<int> keys = keyIds->ofTexts(texts);
    for (size_t i = 0; i < keys.size(); ++i)
        newTexts[i].first->m_keys.push_back(keys[i]);
}

void TextColumn::follow(const QList<Record>& records, const RecordChanges& changes) {
    m_ids.follow(int(records.size()), changes, [&](int at) { return read(records[at]); });
}

int TextColumn::read(const Record& record) {
    const FieldValue* v = record.value(m_key);
    const bool stored = m_source == Source::text && v && v->text;
    const int texts = m_texts.size();
    const int id = readValue(v, stored ? TextIds::hashOf(*v->text) : 0);
    // A new text gets its key while it is at hand.
    if (keysNew() && m_texts.size() > texts)
        m_keys.push_back(m_keyIds->ofText(m_texts.text(id)));
    return id;
}

int TextColumn::readValue(const FieldValue* v, size_t textHash) {
    if (!v)
        return 0;
    switch (m_source) {
    case Source::text:
        return v->text ? m_texts.of(*v->text, textHash) : 0;
    case Source::number: {
        if (!v->number)
            return 0;
        qint64 bits = 0;
        std::memcpy(&bits, &*v->number, sizeof bits);
        if (const auto it = m_shown.constFind(bits); it != m_shown.cend())
            return *it;
        return *m_shown.insert(bits, m_texts.of(NumberFormat::string(v->number)));
    }
    case Source::date: {
        if (!v->date)
            return 0;
        const QDate day = DateFormat::day(*v->date, m_calendar);
        if (const auto it = m_shown.constFind(day.toJulianDay()); it != m_shown.cend())
            return *it;
        return *m_shown.insert(day.toJulianDay(), m_texts.of(DateFormat::shortText(day)));
    }
    case Source::flag:
        return v->flag.value_or(false) ? m_texts.of(u"да"_s) : 0;
    }
    return 0;
}

const std::vector<int>& TextColumn::ranks() {
    // Texts only ever come: new ones make every rank stale.
    if (m_ranks.size() != m_texts.texts().size())
        m_ranks = naturalRanks(m_texts.texts());
    return m_ranks;
}

const std::vector<int>& TextColumn::keys(KeyIds& keyIds) {
    m_keyIds = &keyIds;
    const std::vector<QString>& texts = m_texts.texts();
    m_keys.reserve(texts.size());
    while (m_keys.size() < texts.size())
        m_keys.push_back(keyIds.ofText(texts[m_keys.size()]));
    return m_keys;
}
