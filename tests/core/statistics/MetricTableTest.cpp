#include "core/statistics/MetricTable.h"
#include "RecordFixtures.h"
#include "TestSupport.h"
#include "core/journal/NaturalOrder.h"
#include "core/journal/TextNormalizer.h"
#include "core/templates/Templates.h"

#include <QSet>

#include <cmath>
#include <functional>
#include <limits>
#include <random>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

// The figures as the rules state them, record by record and with nothing prepared.
namespace Plain {

bool counts(const MetricDef& m, const Record& r, const std::optional<DateInterval>& range, const Journal& j) {
    const auto field = j.field(m.filterFieldID);
    if ((m.statusFilterID && r.statusID != m.statusFilterID) ||
        (field && !m.filterValue.trimmed().isEmpty() &&
         TextNormalizer::compare(j.displayValue(r, *field)) != TextNormalizer::compare(m.filterValue)))
        return false;
    const auto date = m.dateFieldID ? r.date(*m.dateFieldID) : std::optional(r.createdAt);
    return date && (!range || range->contains(*date));
}

QList<MetricResult> compute(const Journal& j, const std::optional<DateInterval>& range,
                            const QList<Record>& records) {
    QList<MetricResult> results;
    for (const MetricDef& m : j.metrics) {
        QSet<QString> groups;
        double total = 0, count = 0, numbers = 0;
        for (const Record& r : records) {
            if (isFormula(m.kind) || !counts(m, r, range, j))
                continue;
            ++count;
            groups.insert(j.groupKey(r));
            if (const auto n = m.sumFieldID ? r.number(*m.sumFieldID) : std::nullopt) {
                total += *n;
                ++numbers;
            }
        }
        const double value = m.kind == MetricKind::count                    ? count
                             : m.kind == MetricKind::uniqueGroups           ? double(groups.size())
                             : m.kind == MetricKind::sum                    ? total
                             : m.kind == MetricKind::average && numbers > 0 ? total / numbers
                                                                            : 0;
        results.append(MetricResult{m, value, groups.size()});
    }
    const auto operand = [&](const std::optional<QUuid>& id) {
        const auto it = std::find_if(results.cbegin(), results.cend(), [&](auto& r) { return r.id() == id; });
        return it == results.cend() ? 0 : it->value;
    };
    for (MetricResult& r : results) {
        const double a = operand(r.metric.operandA), b = operand(r.metric.operandB);
        if (r.metric.kind == MetricKind::difference)
            r.value = a - b;
        else if (r.metric.kind == MetricKind::ratio)
            r.value = b != 0 ? a / b * 100 : 0;
    }
    return results;
}

QList<BreakdownRow> breakdown(const Journal& j, const FieldDef& field,
                              const std::optional<DateInterval>& range) {
    QList<BreakdownRow> groups;
    QList<QList<Record>> members;
    for (const Record& r : j.records) {
        const QString text = j.displayValue(r, field), key = TextNormalizer::compare(text);
        const qsizetype g =
            std::find_if(groups.cbegin(), groups.cend(), [&](auto& g) { return g.key == key; }) -
            groups.cbegin();
        if (g == groups.size()) {
            groups.append(BreakdownRow{key, {}, {}});
            members.append(QList<Record>());
        }
        groups[g].title = groups[g].title.isEmpty() ? text : groups[g].title;
        members[g].append(r);
    }
    QList<BreakdownRow> rows;
    for (qsizetype g = 0; g < groups.size() && !j.metrics.isEmpty(); ++g) {
        BreakdownRow row{groups[g].key, groups[g].title.isEmpty() ? u"Не указано"_s : groups[g].title, {}};
        for (const MetricResult& r : compute(j, range, members[g]))
            row.values.append(r.value);
        if (std::any_of(row.values.cbegin(), row.values.cend(), [](double v) { return v != 0; }))
            rows.append(row);
    }
    // Greater values first, not-a-number after every number, then titles in natural order.
    std::stable_sort(rows.begin(), rows.end(), [](const BreakdownRow& a, const BreakdownRow& b) {
        for (qsizetype i = 0; i < a.values.size(); ++i) {
            const double x = a.values[i], y = b.values[i];
            if (std::isnan(x) != std::isnan(y))
                return std::isnan(y);
            if (x != y && !std::isnan(x))
                return x > y;
        }
        return naturalCompare(a.title, b.title) < 0;
    });
    return rows;
}

} // namespace Plain

// Figures as text, so that not-a-number equals itself, a negative zero differs from zero, and a failure
// shows what differs.
QStringList texts(const QList<MetricResult>& results) {
    QStringList out;
    for (const MetricResult& r : results)
        out.append(u"%1 %2 in %3"_s.arg(r.metric.title).arg(r.value, 0, 'g', 17).arg(r.groups));
    return out;
}
QStringList texts(const QList<BreakdownRow>& rows) {
    QStringList out;
    for (const BreakdownRow& r : rows) {
        out.append(r.key + u'|' + r.title);
        for (double v : r.values)
            out.last() += u' ' + QString::number(v, 'g', 17);
    }
    return out;
}

// Moments around the edges of March 2024 in Moscow, where the test's ranges start and end.
const QList<QDateTime> moments{
    at("Europe/Moscow", 2024, 3, 1),      at("Europe/Moscow", 2024, 2, 29, 23, 59, 59),
    at("Europe/Moscow", 2024, 3, 15, 12), at("Europe/Moscow", 2024, 3, 31, 23, 59, 59),
    at("Europe/Moscow", 2024, 4, 1),      utc(2023, 12, 31, 21)};

// Values from small pools, so that texts share keys (case, "ё", blanks) and records share groups.
FieldValue drawValue(FieldType type, std::mt19937& rng) {
    static const QStringList texts{u"Чай"_s, u" чай  "_s, u"ЧАЙ"_s, u"ёлка"_s, u"Елка"_s,
                                   u"   "_s, u"Кофе"_s,   u"2,5"_s, u"да"_s,   u"01.03.2024"_s};
    if (type == FieldType::number)
        return FieldValue::ofNumber(std::array{1.0, 2.5, 0.1, -3.0, 0.0, 1e15}[rng() % 6]);
    if (type == FieldType::date)
        return FieldValue::ofDate(moments[qsizetype(rng() % moments.size())]);
    if (type == FieldType::checkbox)
        return FieldValue::ofFlag(rng() % 2);
    return FieldValue::ofText(texts[qsizetype(rng() % texts.size())]);
}

// A record of the journal with a status and values drawn from the pools.
Record drawRecord(const Journal& j, std::mt19937& rng) {
    Record r{QUuid::createUuid(), {}, {}, moments[qsizetype(rng() % moments.size())], {}};
    if (!j.statuses.isEmpty() && rng() % 5)
        r.statusID = j.statuses[qsizetype(rng() % j.statuses.size())].id;
    for (const FieldDef& f : j.fields) {
        if (rng() % 4)
            put(r, f, drawValue(f.type, rng));
    }
    return r;
}

// A journal of the template with records, and two metrics beside its own: an average by status and by a
// text value, and a share of it.
Journal withRecords(Journal j, std::mt19937& rng) {
    MetricDef filtered{.id = QUuid::createUuid(), .title = u"отобранные"_s, .kind = MetricKind::average};
    for (const FieldDef& f : j.fields) {
        if (f.type == FieldType::number && !filtered.sumFieldID)
            filtered.sumFieldID = f.id;
        if ((f.type == FieldType::text || f.type == FieldType::choice) && !filtered.filterFieldID)
            filtered.filterFieldID = f.id;
    }
    filtered.filterValue = u" ЧАЙ "_s;
    filtered.statusFilterID = j.statuses.isEmpty() ? std::nullopt : std::optional(j.statuses.last().id);
    j.metrics += {filtered, MetricDef{.id = QUuid::createUuid(),
                                      .title = u"доля"_s,
                                      .kind = MetricKind::ratio,
                                      .operandA = filtered.id,
                                      .operandB = j.metrics.value(0).id}};
    for (int i = 0; i < 80; ++i)
        j.records.append(drawRecord(j, rng));
    return j;
}

const FieldDef& ofType(const Journal& j, FieldType type) {
    return *std::find_if(j.fields.cbegin(), j.fields.cend(),
                         [type](const FieldDef& f) { return f.type == type; });
}

// Edits a hand-edited data file may hold, each made to a sales journal with records.
const struct {
    const char* what;
    std::function<void(Journal&, std::mt19937&)> edit;
} oddities[] = {
    {"repeated status ids",
     [](Journal& j, auto&) {
         j.statuses[1].id = j.statuses[0].id;
         j.metrics[0].statusFilterID = j.statuses[0].id;
     }},
    {"metrics naming deleted fields",
     [](Journal& j, auto&) {
         j.fields.removeIf(
             [](const FieldDef& f) { return f.type == FieldType::number || f.type == FieldType::choice; });
     }},
    {"sum and date fields of the wrong type, values of another kind than their field",
     [](Journal& j, std::mt19937& rng) {
         for (MetricDef& m : j.metrics) {
             m.sumFieldID = m.sumFieldID ? std::optional(ofType(j, FieldType::text).id) : std::nullopt;
             m.dateFieldID = m.dateFieldID ? std::optional(ofType(j, FieldType::number).id) : std::nullopt;
         }
         for (Record& r : j.records) {
             put(r, ofType(j, FieldType::text), drawValue(FieldType::number, rng));
             put(r, ofType(j, FieldType::number), drawValue(FieldType::date, rng));
         }
     }},
    {"not-a-number, infinite and huge numbers",
     [](Journal& j, auto&) {
         const std::array odd{std::nan(""), std::numeric_limits<double>::infinity(), 1.7e308, -1.7e308, -0.0};
         for (qsizetype i = 0; i < j.records.size(); i += 3) // into what the first metric sums
             put(j.records[i], *j.field(j.metrics[0].sumFieldID),
                 FieldValue::ofNumber(odd[std::size_t(i) % 5]));
     }},
    {"formulas naming themselves, later formulas, missing and repeated metrics",
     [](Journal& j, auto&) {
         for (qsizetype i = 0; i < j.metrics.size(); ++i) {
             MetricDef& m = j.metrics[i];
             m.kind = i % 2 ? MetricKind::difference : m.kind;
             m.operandA = i % 3 == 0 ? m.id : j.metrics.value(i + 1).id;
             m.operandB = i % 3 == 1 ? QUuid::createUuid() : j.metrics.value((i + 4) % j.metrics.size()).id;
         }
         j.metrics[4].id = j.metrics[2].id; // the first result with the id is read
         j.metrics[6].operandA = j.metrics[2].id;
     }},
    {"value filters on date, number and checkbox fields, and of blanks",
     [](Journal& j, std::mt19937& rng) {
         j.fields.append(fieldOf(FieldType::checkbox, u"Опт"_s));
         for (Record& r : j.records)
             put(r, j.fields.last(), drawValue(FieldType::checkbox, rng));
         const std::pair<FieldType, QString> filters[] = {{FieldType::date, u"01.03.2024"_s},
                                                          {FieldType::number, u"2,5"_s},
                                                          {FieldType::checkbox, u" ДА"_s}};
         for (int i = 0; i < 3; ++i)
             std::tie(j.metrics[i].filterFieldID, j.metrics[i].filterValue) =
                 std::tuple(ofType(j, filters[i].first).id, filters[i].second);
         j.metrics[3].filterFieldID = ofType(j, FieldType::text).id;
         j.metrics[3].filterValue = u" \t "_s;
     }},
    {"no group fields, records of one id",
     [](Journal& j, auto&) {
         for (FieldDef& f : j.fields)
             f.inGroup = false;
         j.records[3].id = j.records[2].id;
     }},
    {"the title's id on a group field of another type",
     [](Journal& j, auto&) {
         FieldDef code = fieldOf(FieldType::number, u"Код"_s, u"g");
         code.id = *j.titleFieldID;
         j.fields.append(code);
     }},
    {"invalid and missing dates",
     [](Journal& j, auto&) {
         for (qsizetype i = 0; i < j.records.size(); i += 4) {
             j.records[i].createdAt = QDateTime();
             for (const FieldDef& f : j.dateFields()) {
                 put(j.records[i], f, FieldValue::ofDate(QDateTime()));
                 j.records[i + 1].values.remove(idText(f.id));
             }
         }
     }},
    {"no records", [](Journal& j, auto&) { j.records.clear(); }},
    {"no metrics", [](Journal& j, auto&) { j.metrics.clear(); }},
};

} // namespace

// The prepared table must give, for every journal and range, exactly the figures of the plain rules.
TEST(MetricTable, GivesExactlyThePlainFigures) {
    std::mt19937 rng(11);
    std::vector<std::pair<std::string, Journal>> journals;
    for (const JournalTemplate& t : Templates::all())
        journals.emplace_back(t.key.toStdString(), withRecords(t.make(), rng));
    for (const auto& odd : oddities) {
        journals.emplace_back(odd.what, withRecords(Templates::sales(), rng));
        odd.edit(journals.back().second, rng);
    }
    const Calendar moscow{zone("Europe/Moscow")};
    const DateInterval march{moscow.startOfDay(QDate(2024, 3, 1)), moscow.startOfDay(QDate(2024, 4, 1))};
    const std::optional<DateInterval> ranges[] = {std::nullopt,
                                                  march,
                                                  previous(march, moscow),
                                                  DateInterval{moments[2], moments[2].addDays(1)},
                                                  DateInterval{moments[2], moments[2]},
                                                  DateInterval{march.end, march.start},
                                                  DateInterval{QDateTime(), moments[2]}};
    for (const auto& [what, j] : journals) {
        SCOPED_TRACE(what);
        MetricTable table(j);
        for (const auto& range : ranges)
            ASSERT_EQ(texts(table.compute(range)), texts(Plain::compute(j, range, j.records)));
        QList<FieldDef> fields = j.fields;
        if (!fields.isEmpty()) { // a field given with another type than the journal's
            fields.append(fields.first());
            fields.last().type = FieldType::number;
        }
        for (const FieldDef& f : fields) {
            ASSERT_EQ(texts(table.breakdown(f, march)), texts(Plain::breakdown(j, f, march)))
                << f.name.toStdString();
            ASSERT_EQ(texts(table.breakdown(f, std::nullopt)), texts(Plain::breakdown(j, f, std::nullopt)));
        }
        const QList<Record> some = j.records.mid(j.records.size() / 3);
        EXPECT_EQ(texts(Statistics::compute(j, march, some)), texts(Plain::compute(j, march, some)));
        QSet<QString> groups;
        for (const Record& r : j.records)
            groups.insert(j.groupKey(r));
        EXPECT_EQ(table.groupCount(), groups.size());
    }
}

// Handed each next copy of its journal, the table reads only the records that changed, and its figures,
// breakdowns and group count are still exactly those of the plain rules over the journal as it is now.
TEST(MetricTable, FollowsEveryChangeOfTheRecords) {
    const auto some = [](const Journal& j, std::mt19937& rng) { return qsizetype(rng() % j.records.size()); };
    const struct {
        const char* what;
        std::function<void(Journal&, std::mt19937&)> change;
    } changes[] = {
        {"values edited",
         [&](Journal& j, std::mt19937& rng) {
             for (int n = 0; n < 3; ++n) {
                 Record& r = j.records[some(j, rng)];
                 for (const FieldDef& f : j.fields)
                     put(r, f, drawValue(f.type, rng));
             }
         }},
        {"a status set, another taken away",
         [&](Journal& j, std::mt19937& rng) {
             j.records[some(j, rng)].statusID = j.statuses.value(0).id;
             j.records[some(j, rng)].statusID.reset();
         }},
        {"a creation time moved",
         [&](Journal& j, std::mt19937& rng) { j.records[some(j, rng)].createdAt = moments[0]; }},
        {"records added",
         [](Journal& j, std::mt19937& rng) {
             for (int n = 0; n < 5; ++n)
                 j.records.append(drawRecord(j, rng));
         }},
        {"the first records deleted, whose texts titled the rows",
         [](Journal& j, auto&) { j.records.remove(0, 6); }},
        {"records deleted here and there",
         [&](Journal& j, std::mt19937& rng) {
             for (int n = 0; n < 4; ++n)
                 j.records.remove(some(j, rng));
         }},
        {"a record's values cleared",
         [&](Journal& j, std::mt19937& rng) { j.records[some(j, rng)].values.clear(); }},
        {"a record given a new id",
         [&](Journal& j, std::mt19937& rng) { j.records[some(j, rng)].id = QUuid::createUuid(); }},
        {"a metric renamed",
         [](Journal& j, auto&) {
             if (!j.metrics.isEmpty())
                 j.metrics.first().title += u" за период"_s;
         }},
        {"the journal renamed, its report worded anew",
         [](Journal& j, auto&) {
             j.name += u" 2024"_s;
             j.reportTemplate = u"Итого {1}"_s;
         }},
        {"every record deleted", [](Journal& j, auto&) { j.records.clear(); }},
        {"records added to none",
         [](Journal& j, std::mt19937& rng) {
             for (int n = 0; n < 30; ++n)
                 j.records.append(drawRecord(j, rng));
         }},
    };
    std::mt19937 rng(5);
    std::vector<std::pair<std::string, Journal>> journals;
    for (const JournalTemplate& t : Templates::all())
        journals.emplace_back(t.key.toStdString(), withRecords(t.make(), rng));
    for (const auto& odd : oddities) {
        journals.emplace_back(odd.what, withRecords(Templates::sales(), rng));
        odd.edit(journals.back().second, rng);
    }
    const Calendar moscow{zone("Europe/Moscow")};
    const DateInterval march{moscow.startOfDay(QDate(2024, 3, 1)), moscow.startOfDay(QDate(2024, 4, 1))};
    for (auto& [what, j] : journals) {
        if (j.records.isEmpty())
            continue;
        MetricTable table;
        table.update(j, j.fields.mid(0, 1));
        for (const auto& c : changes) {
            SCOPED_TRACE(what + ", then " + c.what);
            // Breakdowns asked for before the change are worked out again after it.
            for (const FieldDef& f : j.fields)
                table.breakdown(f, march);
            c.change(j, rng);
            table.update(j);
            ASSERT_EQ(table.journal(), j);
            for (const auto& range : {std::optional<DateInterval>(), std::optional(march)})
                ASSERT_EQ(texts(table.compute(range)), texts(Plain::compute(j, range, j.records)));
            for (const FieldDef& f : j.fields)
                ASSERT_EQ(texts(table.breakdown(f, march)), texts(Plain::breakdown(j, f, march)))
                    << f.name.toStdString();
            QSet<QString> groups;
            for (const Record& r : j.records)
                groups.insert(j.groupKey(r));
            ASSERT_EQ(table.groupCount(), groups.size());
        }
    }
}
