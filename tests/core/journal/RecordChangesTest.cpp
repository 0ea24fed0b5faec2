#include "core/journal/RecordChanges.h"
#include "RecordFixtures.h"
#include "TestSupport.h"
#include "core/journal/RecordColumns.h"

#include <functional>

using namespace Qt::StringLiterals;
using namespace TestSupport;

// Records that stayed are mapped to where they are now, equal and in their order; every other record is
// fresh, and only those. A value kept per record and carried through the changes is what reading every
// record afresh gives.
TEST(RecordChanges, KeepExactlyTheRecordsThatStayed) {
    QList<Record> before;
    for (int i = 0; i < 300; ++i)
        before.append(labelled(QString::number(i)));
    const struct {
        const char* what;
        std::function<void(QList<Record>&)> change;
        size_t fresh;
        bool inPlace;
    } cases[] = {
        {"nothing", [](QList<Record>&) {}, 0, true},
        {"appended", [](QList<Record>& r) { r.append(labelled(u"new"_s)); }, 1, false},
        {"one changed in place", [](QList<Record>& r) { r[7].statusID = QUuid::createUuid(); }, 1, true},
        {"the last one changed", [](QList<Record>& r) { r[299].updatedAt = utc(2025, 1, 1); }, 1, true},
        {"a few removed", [](QList<Record>& r) { r.remove(5, 3); }, 0, false},
        {"the last one removed", [](QList<Record>& r) { r.removeLast(); }, 0, false},
        {"a long run removed, then one changed",
         [](QList<Record>& r) {
             r.remove(10, 200);
             r[50].updatedAt = utc(2025, 1, 1);
         },
         1, false},
        {"one replaced by a record with a new id", [](QList<Record>& r) { r[3].id = QUuid::createUuid(); }, 1,
         true},
        // Records never move: past one that did, the rest are read again.
        {"one moved to the front", [](QList<Record>& r) { r.move(299, 0); }, 299, false},
        {"an id repeated", [](QList<Record>& r) { r[9].id = r[8].id; }, 1, true},
        {"all gone", [](QList<Record>& r) { r.clear(); }, 0, false},
    };
    // What a column keeps of a record, different for every record and after every change of one.
    const auto valueOf = [](const Record& r) {
        return labels({r}).value(0) + r.id.toString() + r.statusID.value_or(QUuid()).toString() +
               r.updatedAt.toString(Qt::ISODate);
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QList<Record> after = before;
        c.change(after);
        const RecordChanges changes = RecordChanges::between(before, after);
        EXPECT_EQ(changes.fresh.size(), c.fresh);
        EXPECT_EQ(changes.none(), c.fresh == 0 && after.size() == before.size());
        std::vector<bool> reached(size_t(after.size()));
        int last = -1;
        for (size_t i = 0; i < changes.newPosition.size(); ++i) {
            const int at = changes.newPosition[i];
            if (at < 0)
                continue;
            EXPECT_GT(at, last) << "in order";
            last = at;
            EXPECT_EQ(after[at], before[qsizetype(i)]);
            reached[size_t(at)] = true;
        }
        for (const int at : changes.fresh)
            reached[size_t(at)] = !reached[size_t(at)];
        EXPECT_TRUE(std::all_of(reached.begin(), reached.end(), [](bool r) { return r; }))
            << "each record now is either kept or fresh, never both";
        EXPECT_EQ(changes.inPlace(), c.inPlace);
        PerRecord<QString> kept, afresh;
        kept.build(int(before.size()), [&](int at) { return valueOf(before[at]); });
        kept.follow(int(after.size()), changes, [&](int at) { return valueOf(after[at]); });
        afresh.build(int(after.size()), [&](int at) { return valueOf(after[at]); });
        ASSERT_EQ(kept.size(), afresh.size());
        for (int at = 0; at < afresh.size(); ++at)
            ASSERT_EQ(kept[at], afresh[at]) << at;
    }
}
