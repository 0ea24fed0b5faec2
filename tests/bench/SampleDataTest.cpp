#include "DataFileGenerator.h"
#include "TestSupport.h"
#include "core/model/FieldKey.h"
#include "core/templates/Templates.h"

#include <QSet>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// A sum that is one field times another, by template and field keys.
struct Product {
    QString templateKey;
    QString sum;
    QString price;
    QString quantity;
};
const QList<Product> products{{u"warehouse"_s, u"amount"_s, u"price"_s, u"quantity"_s}};

const FieldDef* fieldByKey(const Journal& j, const QString& key) {
    for (const FieldDef& f : j.fields)
        if (f.key == key)
            return &f;
    return nullptr;
}

// What in the record's dates contradicts its status: the statuses it passed through (all before it where its
// status fills earlier dates, else its own) have stamped their dates, in their order, within the record's
// life: from the day it was added to its last change, which is not after `now`. Statuses after its own have
// stamped nothing yet.
QStringList dateProblems(const Journal& j, const Record& r, const QDateTime& now, const Calendar& calendar) {
    const std::optional<qsizetype> position = j.statusIndex(r.statusID);
    if (!position)
        return {u"no status"_s};
    QSet<QUuid> required;
    for (const StatusDef& s : j.statusesFillingDates(*position))
        required.insert(s.id);
    QStringList problems;
    QDateTime previous = calendar.startOfDay(r.createdAt);
    for (qsizetype i = 0; i < j.statuses.size(); ++i) {
        const StatusDef& s = j.statuses[i];
        if (!s.dateFieldID)
            continue;
        const std::optional<QDateTime> date = r.date(*s.dateFieldID);
        if (i > *position && date)
            problems << s.name + u" dated before it is reached"_s;
        if (i > *position || !date) {
            if (required.contains(s.id))
                problems << s.name + u" not dated"_s;
            continue;
        }
        if (*date < previous)
            problems << s.name + u" dated before the step before it"_s;
        previous = *date;
    }
    if (previous > r.updatedAt || r.updatedAt > now)
        problems << u"dated after the last change or in the future"_s;
    return problems;
}

} // namespace

// The sample journals read as a business's records: one of every template, every field and status in use,
// choices among their options, dates that follow each record's status, and sums that are their factors'
// product.
TEST(SampleData, JournalsFollowTheirStatusesAndSumsAddUp) {
    DataFileGenerator::Timeline timeline;
    timeline.first = QDateTime(QDate(2024, 3, 1), QTime(9, 0), Qt::UTC);
    timeline.spacingSeconds = 900;
    const int records = 3'000;
    const QDateTime now = timeline.first.addSecs(records * timeline.spacingSeconds);
    const Calendar calendar = Calendar::current();
    const QList<Journal> journals = DataFileGenerator::journals(records, 5, timeline);

    QStringList keys, expected;
    for (const Journal& j : journals)
        keys << j.templateKey;
    for (const JournalTemplate& entry : Templates::all())
        expected << entry.key;
    EXPECT_EQ(QSet(keys.begin(), keys.end()), QSet(expected.begin(), expected.end()));

    for (const Journal& j : journals) {
        SCOPED_TRACE(j.templateKey.toStdString());
        QSet<QUuid> filled, held;
        QStringList problems;
        for (const Record& r : j.records) {
            const QString at = u"record "_s + QString::number(&r - j.records.data()) + u": "_s;
            for (const QString& problem : dateProblems(j, r, now, calendar))
                problems << at + problem;
            held.insert(r.statusID.value_or(QUuid()));
            for (const FieldDef& f : j.fields) {
                if (r.value(fieldKey(f.id)))
                    filled.insert(f.id);
                if (f.type == FieldType::choice && !r.text(f.id).isEmpty() &&
                    !f.options.contains(r.text(f.id)))
                    problems << at + f.key + u" is no option: "_s + r.text(f.id);
            }
            for (const Product& p : products) {
                const FieldDef *sum = fieldByKey(j, p.sum), *price = fieldByKey(j, p.price),
                               *quantity = fieldByKey(j, p.quantity);
                if (p.templateKey != j.templateKey || !sum || !price || !quantity)
                    continue;
                const double product = r.number(price->id).value_or(0) * r.number(quantity->id).value_or(0);
                if (std::abs(r.number(sum->id).value_or(0) - product) >= 0.005)
                    problems << at + p.sum + u" is not "_s + p.price + u" × "_s + p.quantity;
            }
        }
        for (const FieldDef& f : j.fields)
            if (!filled.contains(f.id))
                problems << f.key + u" never filled"_s;
        for (const StatusDef& s : j.statuses)
            if (!held.contains(s.id))
                problems << s.name + u" never held"_s;
        EXPECT_EQ(problems.mid(0, 10), QStringList{});
    }
}
