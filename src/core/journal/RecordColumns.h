#pragma once

#include "core/journal/KeyIds.h"
#include "core/journal/RecordChanges.h"
#include "core/journal/TextIds.h"
#include "core/model/Calendar.h"
#include "core/model/Model.h"

#include <QHash>
#include <QList>

#include <functional>
#include <optional>
#include <vector>

// Values read once from every record of a journal and kept by position (journal order), so that filters,
// sorts and counts over many records compare compact values instead of looking into records.

// One value per record, carried along as the records change: a record that stayed keeps its value, a
// fresh one is read again.
template <typename T> class PerRecord {
public:
    const T& operator[](int position) const { return m_values[size_t(position)]; }
    int size() const { return int(m_values.size()); }

    void reserve(int count) { m_values.reserve(size_t(count)); }
    void append(T value) { m_values.push_back(std::move(value)); }

    // read(position) gives the value of the record at a position.
    template <typename Read> void build(int count, Read read) {
        m_values.clear();
        m_values.reserve(size_t(count));
        for (int at = 0; at < count; ++at)
            m_values.push_back(read(at));
    }

    template <typename Read> void follow(int count, const RecordChanges& changes, Read read) {
        // The usual edit changes records where they stand: only theirs are read again, in their places.
        if (m_values.size() == size_t(count) && changes.inPlace()) {
            for (const int at : changes.fresh)
                m_values[size_t(at)] = read(at);
            return;
        }
        std::vector<T> next(static_cast<size_t>(count));
        for (size_t i = 0; i < changes.newPosition.size(); ++i) {
            if (const int to = changes.newPosition[i]; to >= 0)
                next[size_t(to)] = std::move(m_values[i]);
        }
        for (const int at : changes.fresh)
            next[size_t(at)] = read(at);
        m_values = std::move(next);
    }

private:
    std::vector<T> m_values;
};

// A field's stored numbers, dates (as milliseconds since 1970) and ticks.
using NumberColumn = PerRecord<std::optional<double>>;
using DateColumn = PerRecord<std::optional<qint64>>;
using FlagColumn = PerRecord<quint8>;
// Each record's creation time in milliseconds since 1970.
using CreatedColumn = PerRecord<qint64>;

// Each record's status, as a number for each different status id met (-1: none).
class StatusColumn {
public:
    void build(const QList<Record>& records);
    void follow(const QList<Record>& records, const RecordChanges& changes);
    int at(int position) const { return m_numbers[position]; }
    // The status ids, by number.
    const QList<QUuid>& ids() const { return m_ids; }

private:
    int numberOf(const Record& record);

    PerRecord<int> m_numbers;
    QList<QUuid> m_ids;
};

// A text per record, by one of the rules a journal shows values by: the stored text, or the plain text of
// a number, of a date's day in a calendar, of a ticked box (Journal::displayValue). Texts are kept as ids
// of the different texts met; each different text is ranked, and given its comparison key, once.
class TextColumn {
public:
    enum class Source { text, number, date, flag };

    TextColumn(Source source, const QUuid& fieldID, const Calendar& calendar);

    void build(const QList<Record>& records) { buildAll(records, {this}); }
    // Builds new columns in one pass over the records, so that each record's values are fetched once. The
    // keyed ones among them give their keys from one KeyIds. `alongside`, when given, is called with each
    // position in turn while that record's values are being fetched, to read more of them in the pass.
    static void buildAll(const QList<Record>& records, const std::vector<TextColumn*>& columns,
                         const std::function<void(int)>& alongside = {});
    void follow(const QList<Record>& records, const RecordChanges& changes);

    // The id of the record's text; 0 for the empty text.
    int idAt(int position) const { return m_ids[position]; }
    // The key of the field's values in a record.
    const QString& key() const { return m_key; }
    const TextIds& texts() const { return m_texts; }
    // Where the texts stand in natural order (naturalRanks), by text id.
    const std::vector<int>& ranks();
    // The comparison key of each text, by text id; from then on each new text gets its key as it is met.
    const std::vector<int>& keys(KeyIds& keyIds);

private:
    int read(const Record& record);
    // Gives the texts, by column and id, their keys in that order, as read would have one by one.
    static void keyNewTexts(const std::vector<std::pair<TextColumn*, int>>& newTexts);
    // The read of the record's value, without a key for a new text; `textHash` is TextIds::hashOf its
    // stored text, when it has one.
    int readValue(const FieldValue* value, size_t textHash);
    // Whether new texts get their keys as they are met (keys()); other columns' keys catch up when asked.
    bool keysNew() const { return m_keyIds && m_source == Source::text; }

    Source m_source;
    QString m_key;
    Calendar m_calendar;
    PerRecord<int> m_ids;
    TextIds m_texts;
    // Numbers (by their bits) and days (by their number) already shown, so that each is written once.
    QHash<qint64, int> m_shown;
    std::vector<int> m_ranks;
    std::vector<int> m_keys;
    KeyIds* m_keyIds = nullptr;
};
