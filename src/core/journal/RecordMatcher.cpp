#include "core/journal/RecordMatcher.h"

#include "core/journal/PlainText.h"
#include "core/journal/TextNormalizer.h"

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

// Whether every unit of the word is one of the characters.
bool madeOf(const QString& word, QStringView characters) {
    return std::all_of(word.cbegin(), word.cend(), [&](QChar c) { return characters.contains(c); });
}

// Whether a word can occur in a shown value of the type: numbers show digits, "," and "-", dates digits,
// "." and "-" (a year before 1), a ticked box "да".
bool mayHold(FieldType type, const QString& word) {
    switch (type) {
    case FieldType::number:
        return madeOf(word, u"0123456789,-");
    case FieldType::date:
        return madeOf(word, u"0123456789.-");
    case FieldType::checkbox:
        return u"да"_s.contains(word);
    case FieldType::text:
    case FieldType::longText:
    case FieldType::link:
    case FieldType::choice:
        return true;
    }
    return true;
}

} // namespace

RecordMatcher::RecordMatcher(JournalIndex& index, const RecordFilters& filters)
    : m_index(index), m_journal(index.journal()) {
    if (filters.statusID || !filters.search.isEmpty())
        m_statuses = &index.statuses();
    if (filters.statusID) {
        m_byStatus = true;
        // No record has a status the column has not met.
        const qsizetype number = m_statuses->ids().indexOf(*filters.statusID);
        m_status = number >= 0 ? int(number) : -2;
    }
    // A value field that no longer exists means no value condition: it does not fall back.
    const QString target = TextNormalizer::compare(filters.value);
    const std::optional<FieldDef> valueField =
        m_journal.field(filters.valueFieldID ? filters.valueFieldID : m_journal.filterFieldID);
    if (!target.isEmpty() && valueField) {
        m_valueColumn = &index.shownTexts(*valueField, index.calendar(), true);
        m_valueKeys = &m_valueColumn->keys(index.keys());
        m_target = index.keys().findKey(target);
    }
    if (filters.dateFieldID) {
        // Read under the id directly: a date left by a deleted field still counts.
        m_dates = &index.dates(*filters.dateFieldID);
        const Calendar& calendar = index.calendar();
        const auto [earlier, later] = std::minmax(filters.from, filters.to);
        // Half-open, from the start of the earlier day to the start of the day after the later one.
        m_lower = calendar.startOfDay(earlier).toMSecsSinceEpoch();
        m_upper = calendar.startOfDay(calendar.day(later).addDays(1)).toMSecsSinceEpoch();
    }
    if (filters.linkFilter != RecordFilters::LinkFilter::any) {
        for (const FieldDef& f : m_journal.linkFields())
            m_links.push_back(&index.storedTexts(f.id));
        m_withLink = filters.linkFilter == RecordFilters::LinkFilter::with;
    }
    m_words = TextNormalizer::compare(filters.search).split(u' ', Qt::SkipEmptyParts);
    for (const QString& word : std::as_const(m_words)) {
        std::vector<Place>& places = m_places.emplace_back();
        for (const FieldDef& f : m_journal.fields) {
            if (!mayHold(f.type, word))
                continue;
            if (!isTextual(f.type))
                places.push_back(Place{&index.shownTexts(f, index.calendar()), {}, -1, {}});
            else if (TextColumn* built = index.builtStoredTexts(f.id))
                places.push_back(Place{built, {}, -1, {}});
            else {
                const QString key = fieldKey(f.id);
                qsizetype slot = m_keys.indexOf(key);
                if (slot < 0) {
                    slot = m_keys.size();
                    m_keys.append(key);
                }
                places.push_back(Place{nullptr, key, int(slot), {}});
            }
        }
        places.push_back(Place{}); // the status's name
    }
}

bool RecordMatcher::passes(int position) {
    if (m_byStatus && m_statuses->at(position) != m_status)
        return false;
    if (m_valueColumn && (m_target < 0 || (*m_valueKeys)[size_t(m_valueColumn->idAt(position))] != m_target))
        return false;
    if (m_dates) {
        const std::optional<qint64>& date = (*m_dates)[position];
        if (!date || *date < m_lower || *date >= m_upper)
            return false;
    }
    if (!m_links.empty()) {
        const bool hasLink = std::any_of(m_links.cbegin(), m_links.cend(),
                                         [&](const TextColumn* c) { return c->idAt(position) != 0; });
        if (hasLink != m_withLink)
            return false;
    }
    return m_words.isEmpty() || searchPasses(position);
}

std::vector<int> RecordMatcher::matching(const std::vector<int>* candidates) {
    std::vector<int> all;
    if (!candidates) {
        all.resize(size_t(m_index.count()));
        std::iota(all.begin(), all.end(), 0);
        candidates = &all;
    }
    // A search reading records waits on memory, record by record: a run of them is read at once first.
    constexpr size_t run = 32;
    const size_t keys = size_t(m_keys.size());
    std::vector<int> result;
    for (size_t from = 0; from < candidates->size(); from += run) {
        const size_t to = std::min(candidates->size(), from + run);
        if (keys > 0)
            readRun(*candidates, from, to);
        for (size_t i = from; i < to; ++i) {
            if (keys > 0)
                m_current = m_runValues.data() + (i - from) * keys;
            if (passes((*candidates)[i]))
                result.push_back((*candidates)[i]);
        }
    }
    m_current = nullptr;
    return result;
}

void RecordMatcher::readRun(const std::vector<int>& positions, size_t from, size_t to) {
    m_runValues.resize((to - from) * size_t(m_keys.size()));
    const FieldValue** out = m_runValues.data();
    // Touching each text's first unit asks for its characters while the run is still being read.
    char16_t sink = 0;
    for (size_t i = from; i < to; ++i) {
        const Record& record = m_journal.records[positions[i]];
        for (const QString& key : std::as_const(m_keys)) {
            const FieldValue* v = record.value(key);
            if (v && v->text && !v->text->isEmpty())
                sink ^= v->text->front().unicode();
            *out++ = v;
        }
    }
    volatile char16_t keep = sink;
    (void)keep;
}

QString RecordMatcher::statusName(int number) const {
    if (number < 0)
        return QString();
    const std::optional<StatusDef> status = m_journal.status(m_statuses->ids()[number]);
    return status ? status->name : QString();
}

RecordMatcher::Found RecordMatcher::lookUp(Place& place, const QString& word, int position) {
    const auto foundIn = [&](QStringView text) {
        const std::optional<bool> plain = PlainText::keyContains(text, word);
        return plain ? (*plain ? yes : no) : unsure;
    };
    if (place.slot >= 0) {
        const FieldValue* v =
            m_current ? m_current[place.slot] : m_journal.records[position].value(place.key);
        return v && v->text ? foundIn(*v->text) : no;
    }
    const int id = place.column ? place.column->idAt(position) : m_statuses->at(position) + 1;
    if (place.found.size() <= size_t(id))
        place.found.resize(size_t(id) + 1, unknown);
    qint8& found = place.found[size_t(id)];
    if (found == unknown)
        found = foundIn(place.column ? place.column->texts().text(id) : statusName(id - 1));
    return Found(found);
}

bool RecordMatcher::searchPasses(int position) {
    for (size_t w = 0; w < m_places.size(); ++w) {
        bool unsureSeen = false;
        bool hit = false;
        for (Place& place : m_places[w]) {
            const Found found = lookUp(place, m_words[qsizetype(w)], position);
            if (found == yes) {
                hit = true;
                break;
            }
            unsureSeen = unsureSeen || found == unsure;
        }
        if (hit)
            continue;
        // A value outside everyday text may join its neighbours in the record's whole search text: the
        // whole text decides.
        if (unsureSeen) {
            const QString text =
                RecordFilters::searchText(m_journal, m_journal.records[position], m_index.calendar());
            return std::all_of(m_words.cbegin(), m_words.cend(),
                               [&](const QString& word) { return text.contains(word); });
        }
        return false;
    }
    return true;
}
