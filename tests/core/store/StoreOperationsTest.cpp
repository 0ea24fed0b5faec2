#include "StoreSupport.h"
#include "TestSupport.h"
#include "core/store/AppStore.h"

#include <QFile>
#include <QSignalSpy>

#include <functional>

using namespace TestSupport;
using namespace Qt::StringLiterals;

namespace {

// A journal of every field type with two records, and a second journal without records.
class StoreOperations : public ::testing::Test {
protected:
    TempDataFolder data;
    std::unique_ptr<AppStore> store;
    Journal journal;
    Journal empty;
    QUuid text, number, date, check, link, link2, done;

    void SetUp() override {
        journal = sampleJournal(u"Продажи"_s);
        text = journal.fields[0].id;
        number = journal.fields[1].id;
        for (auto [id, type] : {std::pair{&date, FieldType::date}, std::pair{&check, FieldType::checkbox},
                                std::pair{&link, FieldType::link}, std::pair{&link2, FieldType::link}}) {
            FieldDef f;
            f.id = *id = QUuid::createUuid();
            f.type = type;
            journal.fields.append(f);
        }
        StatusDef status;
        status.id = done = QUuid::createUuid();
        status.dateFieldID = date;
        journal.statuses.append(status);
        empty = sampleJournal(u"Пустой"_s, 0);
        store = std::make_unique<AppStore>(data.dataPath(), data.clock(), Calendar{zone("Europe/Moscow")});
        store->setJournals({journal, empty});
    }

    const Journal& stored(qsizetype i = 0) const { return store->journals()[i]; }
    const Record& record(qsizetype i) const { return stored().records[i]; }
    // Runs the operation on a folder without a data file: true when it wrote one.
    bool writes(const std::function<void()>& operation) {
        QFile::remove(data.dataPath());
        operation();
        return data.exists(u"data.json"_s);
    }
};

} // namespace

TEST_F(StoreOperations, SaveExactlyWhenTheOperationSays) {
    const QUuid missing = QUuid::createUuid();
    const QUuid r0 = journal.records[0].id;
    const QUuid j = journal.id, e = empty.id;
    Record unknown = journal.records[0];
    unknown.id = missing;
    const struct {
        const char* name;
        std::function<void(AppStore&)> operation;
        bool writes;
    } cases[] = {
        {"journal", [&](AppStore& s) { s.journal(j); }, false},
        {"links", [&](AppStore& s) { s.links({r0}, j); }, false},
        {"addJournal", [&](AppStore& s) { s.addJournal(sampleJournal(u"Новый"_s)); }, true},
        {"deleteJournal", [&](AppStore& s) { s.deleteJournal(e); }, true},
        {"deleteJournal missing", [&](AppStore& s) { s.deleteJournal(missing); }, true},
        {"moveJournals outside", [&](AppStore& s) { s.moveJournals({9}, 12); }, true},
        {"renameJournal", [&](AppStore& s) { s.renameJournal(j, u"Х"_s, u"cart"_s); }, true},
        {"renameJournal missing", [&](AppStore& s) { s.renameJournal(missing, u"Х"_s, u"cart"_s); }, false},
        {"updateSettings", [&](AppStore& s) { s.updateSettings(journal); }, true},
        {"updateSettings missing", [&](AppStore& s) { s.updateSettings(sampleJournal(u"Х"_s)); }, false},
        {"addRecords", [&](AppStore& s) { s.addRecords({unknown}, j); }, true},
        {"addRecords none", [&](AppStore& s) { s.addRecords({}, j); }, false},
        {"addRecords missing", [&](AppStore& s) { s.addRecords({unknown}, missing); }, false},
        {"updateRecord", [&](AppStore& s) { s.updateRecord(journal.records[0], j); }, true},
        {"updateRecord unknown record", [&](AppStore& s) { s.updateRecord(unknown, j); }, false},
        {"updateRecord missing", [&](AppStore& s) { s.updateRecord(journal.records[0], missing); }, false},
        {"deleteRecords", [&](AppStore& s) { s.deleteRecords({r0}, j); }, true},
        {"deleteRecords unmatched", [&](AppStore& s) { s.deleteRecords({missing}, j); }, true},
        {"deleteRecords empty set", [&](AppStore& s) { s.deleteRecords({}, j); }, false},
        {"deleteRecords missing", [&](AppStore& s) { s.deleteRecords({r0}, missing); }, false},
        {"setStatus", [&](AppStore& s) { s.setStatus(done, {r0}, j, data.now); }, true},
        {"setStatus unmatched", [&](AppStore& s) { s.setStatus(done, {missing}, j, data.now); }, true},
        {"setStatus empty set", [&](AppStore& s) { s.setStatus(done, {}, j, data.now); }, false},
        {"setStatus missing", [&](AppStore& s) { s.setStatus(done, {r0}, missing, data.now); }, false},
        {"changeNumber", [&](AppStore& s) { s.changeNumber(number, 1, {r0}, j); }, true},
        {"changeNumber unmatched", [&](AppStore& s) { s.changeNumber(number, 1, {missing}, j); }, true},
        {"changeNumber empty set", [&](AppStore& s) { s.changeNumber(number, 1, {}, j); }, false},
        {"changeNumber missing", [&](AppStore& s) { s.changeNumber(number, 1, {r0}, missing); }, false},
    };
    for (const auto& c : cases) {
        store->setJournals({journal, empty});
        QSignalSpy changed(store.get(), &AppStore::journalsChanged);
        EXPECT_EQ(writes([&] { c.operation(*store); }), c.writes) << c.name;
        // Whatever writes has told the views first (a save of unchanged journals tells nobody).
        if (!c.writes) {
            EXPECT_EQ(changed.count(), 0) << c.name;
        }
        EXPECT_FALSE(store->lastError()) << c.name;
    }
}

TEST_F(StoreOperations, MoveJournals) {
    QList<Journal> five;
    for (const QString& name : {u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s})
        five.append(sampleJournal(name, 0));
    const struct {
        QList<qsizetype> positions;
        qsizetype destination;
        const char* order;
    } cases[] = {
        {{0, 2}, 4, "BDACE"}, {{3}, 0, "DABCE"},     {{0}, 1, "ABCDE"},      {{4, 0}, 2, "BAECD"},
        {{1, 1}, 0, "BACDE"}, {{7, 1}, 99, "ACDEB"}, {{-1, 2}, -3, "CABDE"},
    };
    for (const auto& c : cases) {
        store->setJournals(five);
        store->moveJournals(c.positions, c.destination);
        QString order;
        for (const Journal& j : store->journals())
            order += j.name;
        EXPECT_EQ(order, QString::fromLatin1(c.order)) << c.positions.size() << " to " << c.destination;
    }
}

TEST_F(StoreOperations, UpdateSettingsRereadsValuesUnderTheirNewTypes) {
    const QString t = idText(text), n = idText(number), d = idText(date), c = idText(check);
    Journal j = journal;
    j.records[0].values = {{n, FieldValue::ofNumber(1500)},
                           {d, FieldValue::ofDate(at("Europe/Moscow", 2024, 3, 5))},
                           {c, FieldValue::ofFlag(true)},
                           {t, FieldValue::ofText(u" 12,5 "_s)}};
    j.records[1].values = {
        {n, FieldValue::ofNumber(2.5)}, {c, FieldValue::ofFlag(false)}, {t, FieldValue::ofText(u"да"_s)}};
    store->setJournals({j});
    const QDateTime updated0 = record(0).updatedAt;

    const auto retype = [&](std::initializer_list<std::pair<QUuid, FieldType>> types) {
        Journal edited = stored();
        edited.records.clear(); // what the sheet carries is never used
        for (auto [id, type] : types) {
            for (FieldDef& f : edited.fields) {
                if (f.id == id)
                    f.type = type;
            }
        }
        store->updateSettings(edited);
    };
    retype({{number, FieldType::text},
            {check, FieldType::text},
            {date, FieldType::text},
            {text, FieldType::number}});
    EXPECT_EQ(record(0).values.value(n), FieldValue::ofText(u"1500"_s));
    EXPECT_EQ(record(1).values.value(n), FieldValue::ofText(u"2,5"_s));
    EXPECT_EQ(record(0).values.value(c), FieldValue::ofText(u"да"_s));
    EXPECT_FALSE(record(1).values.contains(c)); // an unticked box has no text
    EXPECT_EQ(record(0).values.value(d), FieldValue::ofText(u"05.03.2024"_s));
    EXPECT_EQ(record(0).values.value(t), FieldValue::ofNumber(12.5));
    EXPECT_FALSE(record(1).values.contains(t)); // "да" is no number
    EXPECT_EQ(record(0).updatedAt, updated0);

    // Back, they read as typed text (tested with the journal's input); a removed field's values go.
    retype({{number, FieldType::number}});
    EXPECT_EQ(record(1).values.value(n), FieldValue::ofNumber(2.5));
    Journal edited = stored();
    edited.fields.removeIf([&](const FieldDef& f) { return f.id == number; });
    store->updateSettings(edited);
    EXPECT_FALSE(record(0).values.contains(n));
    EXPECT_EQ(stored().records.size(), 2);
}

TEST_F(StoreOperations, AddRecordsNormalisesAndKeepsIdsUnique) {
    Record a = journal.records[0]; // its id is taken by the stored record
    a.setText(u"  Чай  "_s, text);
    a.setText(u"example.com/x"_s, link);
    Record b;
    b.id = QUuid::createUuid();
    b.createdAt = b.updatedAt = utc(2020, 1, 1);
    Record c = b; // repeats b's id within the same call
    const Record storedFirst = record(0);
    store->addRecords({a, b, c}, journal.id);
    ASSERT_EQ(stored().records.size(), 5);
    EXPECT_EQ(record(0), storedFirst);
    EXPECT_NE(record(2).id, a.id);
    EXPECT_EQ(record(2).text(text), u"Чай");
    EXPECT_EQ(record(2).text(link), u"https://example.com/x");
    EXPECT_EQ(record(2).createdAt, a.createdAt);
    EXPECT_EQ(record(3).id, b.id);
    EXPECT_NE(record(4).id, b.id);
    EXPECT_EQ(record(4).updatedAt, utc(2020, 1, 1)); // adding changes no time
    QSet<QUuid> ids;
    for (const Record& r : stored().records)
        ids.insert(r.id);
    EXPECT_EQ(ids.size(), 5);

    // The journal's own list, as the store holds it, is added whole although the journal grows meanwhile.
    store->addRecords(stored().records, journal.id);
    ASSERT_EQ(stored().records.size(), 10);
    for (qsizetype i = 0; i < 5; ++i) {
        EXPECT_EQ(record(5 + i).values, record(i).values) << i;
        ids.insert(record(5 + i).id);
    }
    EXPECT_EQ(ids.size(), 10);
}

TEST_F(StoreOperations, UpdateRecordNormalisesInPlaceAndStampsTheChange) {
    Record changed = journal.records[1];
    changed.setText(u" Новое "_s, text);
    changed.createdAt = utc(2019, 1, 1);
    data.now = utc(2024, 6, 1, 12);
    store->updateRecord(changed, journal.id);
    EXPECT_EQ(record(1).text(text), u"Новое");
    EXPECT_EQ(record(1).createdAt, utc(2019, 1, 1));
    EXPECT_EQ(record(1).updatedAt, utc(2024, 6, 1, 12));
    EXPECT_EQ(record(0), journal.records[0]);
}

TEST_F(StoreOperations, ChangeNumberNeverGoesBelowZero) {
    const QString n = idText(number);
    const struct {
        std::optional<FieldValue> start;
        double delta;
        double result;
    } cases[] = {
        {std::nullopt, -1, 0},
        {FieldValue::ofNumber(0.5), -1, 0},
        {FieldValue::ofNumber(2), 1, 3},
        {FieldValue::ofText(u"abc"_s), 1, 1},
    };
    for (const auto& c : cases) {
        Journal j = journal;
        j.records[0].values.remove(n);
        if (c.start)
            j.records[0].values.insert(n, *c.start);
        store->setJournals({j});
        data.now = data.now.addSecs(60);
        store->changeNumber(number, c.delta, {j.records[0].id}, j.id);
        EXPECT_EQ(record(0).values.value(n), FieldValue::ofNumber(c.result)) << c.delta;
        EXPECT_EQ(record(0).updatedAt, data.now);
        EXPECT_EQ(record(1), j.records[1]);
    }
}

TEST_F(StoreOperations, LinksOnceEachInJournalOrder) {
    Journal j = journal;
    j.records[0].setText(u"example.com/a"_s, link);
    j.records[0].setText(u"https://example.com/b"_s, link2);
    j.records[1].setText(u"https://example.com/a"_s, link2); // the same address as record 0's first link
    j.records[1].setText(u"https://example.com/b/"_s, link); // a trailing slash makes another
    Record third = j.records[1];
    third.id = QUuid::createUuid();
    third.setText(u"не ссылка"_s, link);
    third.setText(u"ftp://example.com"_s, link2);
    j.records.append(third);
    store->setJournals({j});
    const QList<QUrl> links = store->links({j.records[1].id, j.records[0].id, third.id}, j.id);
    QStringList texts;
    for (const QUrl& url : links)
        texts << url.toString();
    EXPECT_EQ(texts, (QStringList{u"https://example.com/a"_s, u"https://example.com/b"_s,
                                  u"https://example.com/b/"_s}));
    EXPECT_TRUE(store->links({j.records[0].id}, QUuid::createUuid()).isEmpty());
}
