#include "core/statistics/MetricColumns.h"
#include "RecordFixtures.h"
#include "core/templates/Templates.h"

#include <QHash>
#include <QSet>

#include <random>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

// Texts whose keys meet (case, blanks, "ё") or come out empty, so that titles stand in for them, and a
// text of signs alone.
FieldValue pooled(std::mt19937& rng) {
    static const QStringList texts{u"Чай"_s, u" чай "_s, u"ЁЛКА"_s, u"елка"_s, u"   "_s,
                                   u""_s,    u"a|b"_s,   u"—"_s,    u"a"_s};
    return FieldValue::ofText(texts[qsizetype(rng() % texts.size())]);
}

} // namespace

// Two records share a group number exactly when their group keys are equal, however the journal makes
// its keys: one or two group fields, a title standing in for an empty value, a title that is a group field.
TEST(MetricColumns, GroupsRecordsExactlyByTheirGroupKeys) {
    std::mt19937 rng(5);
    QList<Journal> journals;
    for (const JournalTemplate& t : Templates::all())
        journals.append(t.make());
    Journal titled = Templates::sales();
    for (FieldDef& f : titled.fields)
        f.inGroup = f.id == titled.titleFieldID;
    journals.append(titled);
    for (Journal& j : journals) {
        SCOPED_TRACE(j.name.toStdString());
        for (int i = 0; i < 120; ++i) {
            Record r{QUuid::createUuid(), {}, {}, QDateTime(QDate(2024, 3, 1), QTime(9, 0)), {}};
            for (const FieldDef& f : j.fields) {
                if (f.type == FieldType::text || f.type == FieldType::choice)
                    put(r, f, pooled(rng));
            }
            j.records.append(r);
        }
        const MetricColumns::Table table(j, j.records, {});
        QHash<QString, qint32> numberOfKey;
        for (qsizetype i = 0; i < j.records.size(); ++i) {
            const QString key = j.groupKey(j.records[i]);
            const qint32 number = table.groups[size_t(i)];
            ASSERT_EQ(numberOfKey.value(key, number), number) << i;
            numberOfKey.insert(key, number);
        }
        EXPECT_EQ(table.groupCount, numberOfKey.size());
        EXPECT_EQ(QSet<qint32>(table.groups.cbegin(), table.groups.cend()).size(), numberOfKey.size());
    }
}
