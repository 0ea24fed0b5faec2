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

// Reading one field of every record waits on memory: each record's values, and each text, lie in blocks
// of their own. A quick pass over a run of records first asks for many blocks at once; reading them then
// finds them at hand.
constexpr int warmRun = 64;

void warm(const QList<Record>& records, int from, int to, const std::vector<TextColumn*>& columns) {
    char16_t sink = 0;
    for (int at = from; at < to; ++at) {
        for (const TextColumn* column : columns) {
            const FieldValue* v = records[at].value(column->key());
            if (v && v->text && !v->text->isEmpty())
                sink ^= v->text->front().unicode();
        }
    }
    volatile char16_t keep = sink;
    (void)keep;
}

} // namespace

void TextColumn::buildAll(const QList<Record>& records, const std::vector<TextColumn*>& columns) {
    const int n = int(records.size());
    for (TextColumn* column : columns)
        column->m_ids.reserve(n);
    for (int from = 0; from < n; from += warmRun) {
        const int to = std::min(n, from + warmRun);
        warm(records, from, to, columns);
        for (int at = from; at < to; ++at) {
            for (TextColumn* column : columns)
                column->m_ids.append(column->read(records[at]));
        }
    }
}

void TextColumn::follow(const QList<Record>& records, const RecordChanges& changes) {
    m_ids.follow(int(records.size()), changes, [&](int at) { return read(records[at]); });
}

QString TextColumn::textOf(const Record& record) const {
    const FieldValue* v = record.value(m_key);
    if (!v)
        return QString();
    switch (m_source) {
    case Source::text:
        return v->text.value_or(QString());
    case Source::number:
        return NumberFormat::string(v->number);
    case Source::date:
        return v->date ? DateFormat::shortText(*v->date, m_calendar) : QString();
    case Source::flag:
        return v->flag.value_or(false) ? u"да"_s : QString();
    }
    return QString();
}

int TextColumn::read(const Record& record) {
    const FieldValue* v = record.value(m_key);
    if (!v)
        return 0;
    switch (m_source) {
    case Source::text: {
        if (!v->text)
            return 0;
        const int id = m_texts.of(*v->text);
        // A new text gets its key while it is at hand.
        if (m_keyIds && size_t(id) == m_keys.size())
            m_keys.push_back(m_keyIds->ofText(*v->text));
        return id;
    }
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
