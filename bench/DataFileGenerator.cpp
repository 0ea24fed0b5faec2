#include "DataFileGenerator.h"

#include "core/model/FieldKey.h"
#include "core/store/DataFile.h"
#include "core/templates/Templates.h"
#include "data/BusinessWords.h"
#include "data/RecordStory.h"

#include <QSet>

#include <algorithm>
#include <random>

using namespace Qt::StringLiterals;

namespace DataFileGenerator {

namespace {

// The keys of the fields the journal's template makes; a field the user added has none of them.
QSet<QString> templateKeys(const Journal& j) {
    QSet<QString> keys;
    if (const std::optional<JournalTemplate> entry = Templates::templateFor(j.templateKey)) {
        for (const FieldDef& f : entry->make().fields)
            keys.insert(f.key);
    }
    return keys;
}

// A value for a field no template knows, by its type alone.
std::optional<FieldValue> anyValue(const FieldDef& f, const RecordStory& s, Draw& d) {
    switch (f.type) {
    case FieldType::text:
    case FieldType::longText:
        return FieldValue::ofText(d.pick(BusinessWords::products()).name);
    case FieldType::choice:
        return f.options.isEmpty() ? std::nullopt : std::optional(FieldValue::ofText(d.pick(f.options)));
    case FieldType::link:
        return FieldValue::ofText(u"https://example.com/records/"_s + QString::number(s.serial));
    case FieldType::number:
        return FieldValue::ofNumber(d.between(1, 100));
    case FieldType::date:
        return FieldValue::ofDate(s.calendar.startOfDay(s.created));
    case FieldType::checkbox:
        return d.chance(50) ? std::optional(FieldValue::ofFlag(true)) : std::nullopt;
    }
    return std::nullopt;
}

// Adds `count` records, one every `timeline.spacingSeconds`, whose stories run up to `end`.
void fill(Journal& j, int count, std::mt19937& rng, const Timeline& timeline, const QDateTime& end) {
    const RecordStories::Teller tell = RecordStories::tellerFor(j.templateKey);
    const QSet<QString> told = templateKeys(j);
    QHash<QString, QUuid> statusIDs;
    for (const StatusDef& status : j.statuses)
        statusIDs.insert(status.name, status.id);
    const Calendar calendar = Calendar::current();
    Draw draw(rng);
    j.records.reserve(j.records.size() + count);
    for (int i = 0; i < count; ++i) {
        RecordStory story{.serial = timeline.firstSerial + i,
                          .created = timeline.first.addSecs(qint64(i) * timeline.spacingSeconds),
                          .end = end,
                          .calendar = calendar};
        if (tell)
            tell(story, draw);
        Record r;
        r.id = QUuid::createUuid();
        r.createdAt = r.updatedAt = story.created;
        for (const FieldDef& f : j.fields) {
            std::optional<FieldValue> value;
            if (!told.contains(f.key))
                value = anyValue(f, story, draw);
            else if (const auto given = story.values.constFind(f.key); given != story.values.constEnd())
                value = *given;
            if (value)
                r.values.insert(fieldKey(f.id), *value);
        }
        // The statuses are set in turn as a user sets them, each stamping its date on its own day.
        for (const auto& [name, when] : story.statuses) {
            if (const auto id = statusIDs.constFind(name); id != statusIDs.constEnd())
                r = j.settingStatus(*id, r, when, calendar, [when] { return when; });
        }
        j.records.append(std::move(r));
    }
}

Clock fixedClock(const QDateTime& at) {
    return [at] { return at; };
}

} // namespace

Journal journal(Journal (*make)(const Clock&), int records, unsigned seed, const Timeline& timeline) {
    std::mt19937 rng(seed);
    Journal j = make(fixedClock(timeline.first));
    fill(j, records, rng, timeline, timeline.first.addSecs(qint64(records) * timeline.spacingSeconds));
    return j;
}

QList<Journal> journals(int records, unsigned seed, const Timeline& timeline) {
    std::mt19937 rng(seed);
    // Shares of the records: the sales journal is the busiest.
    const struct {
        Journal (*make)(const Clock&);
        int percent;
    } plan[] = {{Templates::sales, 40},     {Templates::finance, 15}, {Templates::crm, 8},
                {Templates::warehouse, 10}, {Templates::services, 8}, {Templates::tasks, 6},
                {Templates::content, 4},    {Templates::cards, 6},    {Templates::blank, 3}};
    const QDateTime end = timeline.first.addSecs(qint64(records) * timeline.spacingSeconds);
    QList<Journal> result;
    for (const auto& part : plan) {
        Journal j = part.make(fixedClock(timeline.first));
        const int n = records * part.percent / 100;
        // Every journal's records span the whole timeline, as journals kept side by side do.
        Timeline spread = timeline;
        spread.spacingSeconds = timeline.spacingSeconds * records / std::max(n, 1);
        fill(j, n, rng, spread, end);
        result.append(std::move(j));
    }
    return result;
}

QByteArray dataFile(const QList<Journal>& journals) {
    rapidjson::StringBuffer out;
    QString error;
    if (!DataFile::encode(journals, QDateTime(QDate(2024, 6, 1), QTime(12, 0), Qt::UTC), out, &error))
        return {};
    return QByteArray(out.GetString(), qsizetype(out.GetSize()));
}

} // namespace DataFileGenerator
