#include "RecordStory.h"

using namespace Qt::StringLiterals;

void RecordStory::text(const QString& key, const QString& value) {
    if (!value.isEmpty())
        values.insert(key, FieldValue::ofText(value));
}

void RecordStory::number(const QString& key, double value) {
    values.insert(key, FieldValue::ofNumber(value));
}

void RecordStory::day(const QString& key, const QDateTime& moment) {
    values.insert(key, FieldValue::ofDate(calendar.startOfDay(moment)));
}

void RecordStory::flag(const QString& key) {
    values.insert(key, FieldValue::ofFlag(true));
}

RecordStory::Outcome RecordStory::move(Draw& draw, const Step& step) {
    if (!draw.chance(step.percent))
        return Outcome::declined;
    const QDateTime when = draw.later(last(), step.minDays, step.maxDays);
    if (when > end)
        return Outcome::pending;
    statuses.append({step.status, when});
    return Outcome::taken;
}

RecordStory::Outcome RecordStory::follow(Draw& draw, std::initializer_list<Step> steps) {
    for (const Step& step : steps) {
        if (const Outcome outcome = move(draw, step); outcome != Outcome::taken)
            return outcome;
    }
    return Outcome::taken;
}

namespace RecordStories {

Teller tellerFor(QStringView templateKey) {
    static const std::pair<QStringView, Teller> tellers[] = {
        {u"sales", sales},         {u"finance", finance},   {u"crm", crm},
        {u"warehouse", warehouse}, {u"services", services}, {u"tasks", tasks},
        {u"content", content},     {u"cards", cards},       {u"blank", blank}};
    for (const auto& [key, teller] : tellers) {
        if (key == templateKey)
            return teller;
    }
    return nullptr;
}

} // namespace RecordStories
