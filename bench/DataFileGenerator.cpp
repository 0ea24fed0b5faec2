#include "DataFileGenerator.h"

#include "core/store/DataFile.h"
#include "core/templates/Templates.h"

#include <algorithm>
#include <random>

using namespace Qt::StringLiterals;

namespace DataFileGenerator {

namespace {

const QStringList words{u"Футболка"_s,   u"Кружка"_s, u"Худи"_s,    u"Блокнот"_s, u"Рюкзак"_s,
                        u"Шапка"_s,      u"Носки"_s,  u"Свитер"_s,  u"Сумка"_s,   u"Брелок"_s,
                        u"красный"_s,    u"синий"_s,  u"зелёный"_s, u"чёрный"_s,  u"белый"_s,
                        u"хлопок"_s,     u"шерсть"_s, u"детский"_s, u"мужской"_s, u"женский"_s,
                        u"подарочный"_s, u"ООО"_s,    u"Иванов"_s,  u"доставка"_s};

const QStringList notes{u"Позвонить за день до доставки; домофон не работает."_s,
                        u"Оплата частями: половина сейчас, остальное после примерки."_s,
                        u"Клиент просил упаковать как подарок и вложить открытку \"С днём рождения\"."_s,
                        u"Самовывоз со склада"_s, u""_s};

// A value as a business would type it: sums in roubles run to tens of thousands, often with kopecks;
// pieces and hours are a few; other counts run to hundreds.
double number(const FieldDef& field, std::mt19937& rng) {
    if (field.unit == u"₽"_s) {
        const double roubles = double(300 + rng() % 120000);
        return rng() % 3 ? roubles + double(rng() % 100) / 100.0 : roubles;
    }
    if (field.unit == u"шт"_s || field.unit == u"ч"_s)
        return double(1 + rng() % 12);
    return rng() % 3 ? double(rng() % 100000) / 100.0 : double(rng() % 500);
}

void fill(Journal& j, int count, int firstSerial, std::mt19937& rng, const Timeline& timeline) {
    const auto pick = [&rng](const QStringList& list) { return list[qsizetype(rng() % list.size())]; };
    j.records.reserve(j.records.size() + count);
    for (int i = 0; i < count; ++i) {
        const int serial = firstSerial + i;
        Record r;
        r.id = QUuid::createUuid();
        r.createdAt = timeline.first.addSecs(qint64(i) * timeline.spacingSeconds);
        r.updatedAt = r.createdAt.addSecs(qint64(rng() % 86400));
        if (!j.statuses.isEmpty() && rng() % 10 != 0)
            r.statusID = j.statuses[qsizetype(rng() % j.statuses.size())].id;
        for (const FieldDef& f : j.fields) {
            if (rng() % 100 < 22) // some fields are left empty
                continue;
            const QString key = fieldKey(f.id);
            switch (f.type) {
            case FieldType::text:
                r.values.insert(key, FieldValue::ofText(pick(words) + u' ' + pick(words) + u" № "_s +
                                                        QString::number(rng() % 100000)));
                break;
            case FieldType::longText:
                if (const QString note = pick(notes); !note.isEmpty())
                    r.values.insert(key, FieldValue::ofText(note));
                break;
            case FieldType::choice:
                r.values.insert(key, FieldValue::ofText(f.options.isEmpty() ? pick(words) : pick(f.options)));
                break;
            case FieldType::link:
                r.values.insert(key, FieldValue::ofText(u"https://shop.example.com/orders/"_s +
                                                        QString::number(serial) + u"?ref=journal"_s));
                break;
            case FieldType::number:
                r.values.insert(key, FieldValue::ofNumber(number(f, rng)));
                break;
            case FieldType::date:
                // Dates lie in the days before the record was added, as a business's dates do.
                r.values.insert(key, FieldValue::ofDate(r.createdAt.addDays(-qint64(rng() % 14))));
                break;
            case FieldType::checkbox:
                if (rng() % 2)
                    r.values.insert(key, FieldValue::ofFlag(true));
                break;
            }
        }
        // A record's status has stamped its date, as setting it in the application does.
        if (r.statusID) {
            for (const StatusDef& status : j.statuses) {
                if (status.id == *r.statusID && status.dateFieldID)
                    r.values.insert(fieldKey(*status.dateFieldID), FieldValue::ofDate(r.createdAt));
            }
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
    fill(j, records, 0, rng, timeline);
    return j;
}

QList<Journal> journals(int records, unsigned seed, const Timeline& timeline) {
    std::mt19937 rng(seed);
    // Shares of the records: the sales journal is the busiest.
    const struct {
        Journal (*make)(const Clock&);
        int percent;
    } plan[] = {{Templates::sales, 40},     {Templates::finance, 20}, {Templates::crm, 10},
                {Templates::warehouse, 10}, {Templates::tasks, 10},   {Templates::cards, 10}};
    QList<Journal> result;
    int serial = 0;
    for (const auto& part : plan) {
        Journal j = part.make(fixedClock(timeline.first));
        const int n = records * part.percent / 100;
        // Every journal's records span the whole timeline, as journals kept side by side do.
        Timeline spread = timeline;
        spread.spacingSeconds = timeline.spacingSeconds * records / std::max(n, 1);
        fill(j, n, serial, rng, spread);
        serial += n;
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
