// The store rewrites the whole data file after every change, so its reading and writing are measured at
// 50,000 records beside references on the same bytes: two floors (bare RapidJSON parsing, serialising,
// writing and syncing; and the ready bytes written, synced and renamed into place with nothing to encode)
// and the road through Qt's QJsonDocument. Their peak memory is measured in StorePeakMemoryBench.
#include "StoreBenchFile.h"
#include "core/store/AppStore.h"
#include "core/store/DataFile.h"
#include "core/store/SafeFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <benchmark/benchmark.h>
#include <rapidjson/document.h>
#include <rapidjson/prettywriter.h>

#include <malloc.h>

using namespace Qt::StringLiterals;
using namespace StoreBenchFile;

namespace {

// ---- The store ----

// Start-up: the store reads and decodes the file. Freeing it again is not part of start-up.
void BM_StoreLoad(benchmark::State& state) {
    const QString path = fixture().dataPath;
    for (auto _ : state) {
        auto store = std::make_unique<AppStore>(path);
        if (store->lastError())
            state.SkipWithError("the data file did not read");
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
    fileCounters(state);
}
BENCHMARK(BM_StoreLoad)->Unit(benchmark::kMillisecond);

void BM_StoreSave(benchmark::State& state) {
    AppStore store(fixture().copy(u"save"_s));
    store.save(); // the run's backup copy is made once, before the measured saves
    for (auto _ : state) {
        if (!store.save())
            state.SkipWithError("the save failed");
    }
    fileCounters(state);
}
BENCHMARK(BM_StoreSave)->Unit(benchmark::kMillisecond);

// The full road of one quick status change: the record changes, the whole file is written and synced.
void BM_StoreSetStatusAndSave(benchmark::State& state) {
    AppStore store(fixture().copy(u"status"_s));
    store.save();
    const Journal& sales = store.journals()[0];
    const QUuid journal = sales.id, record = sales.records[sales.records.size() / 2].id;
    const QList<StatusDef> statuses = sales.statuses;
    qsizetype next = 0;
    for (auto _ : state) {
        store.setStatus(statuses[next++ % statuses.size()].id, {record}, journal,
                        QDateTime::currentDateTimeUtc());
        if (store.lastError())
            state.SkipWithError("the save failed");
    }
    fileCounters(state);
}
BENCHMARK(BM_StoreSetStatusAndSave)->Unit(benchmark::kMillisecond);

// The heap a store holds for the file once it has read it and saved a change, counted by the allocator
// itself (the resident size keeps freed pages).
void BM_StoreMemory(benchmark::State& state) {
    const auto inUse = [] {
        const struct mallinfo2 info = mallinfo2();
        return double(info.uordblks + info.hblkhd);
    };
    const QString path = fixture().copy(u"memory"_s);
    double held = 0;
    for (auto _ : state) {
        const double before = inUse();
        AppStore store(path);
        const Journal& sales = store.journals().value(0);
        if (sales.statuses.isEmpty() || sales.records.isEmpty()) {
            state.SkipWithError("the data file did not read");
            break;
        }
        store.setStatus(sales.statuses[0].id, {sales.records[0].id}, sales.id,
                        QDateTime::currentDateTimeUtc());
        held = inUse() - before;
    }
    state.counters["held_MB"] = held / 1e6;
    state.counters["x_file"] = held / double(fixture().bytes.size());
}
BENCHMARK(BM_StoreMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

// ---- The floor: bare RapidJSON on the same bytes ----

void BM_FloorRapidJsonParse(benchmark::State& state) {
    const QByteArray& bytes = fixture().bytes;
    for (auto _ : state) {
        rapidjson::Document doc;
        doc.Parse<rapidjson::kParseFullPrecisionFlag | rapidjson::kParseValidateEncodingFlag>(
            bytes.constData(), bytes.size());
        benchmark::DoNotOptimize(doc.IsObject());
    }
    fileCounters(state);
}
BENCHMARK(BM_FloorRapidJsonParse)->Unit(benchmark::kMillisecond);

void BM_FloorRapidJsonSerialiseWriteSync(benchmark::State& state) {
    rapidjson::Document doc;
    doc.Parse(fixture().bytes.constData(), fixture().bytes.size());
    const QString path = fixture().dir.filePath(u"floor.json"_s);
    for (auto _ : state) {
        rapidjson::StringBuffer buffer;
        rapidjson::PrettyWriter<rapidjson::StringBuffer> writer(buffer);
        writer.SetIndent(' ', 2);
        doc.Accept(writer);
        writeAndSync(path, buffer.GetString(), buffer.GetSize());
    }
    fileCounters(state);
}
BENCHMARK(BM_FloorRapidJsonSerialiseWriteSync)->Unit(benchmark::kMillisecond);

// What a save cannot go below: bytes already encoded, written, synced and renamed over the data file by
// the same checked steps as the store's.
void BM_FloorReadyBytesWriteSyncRename(benchmark::State& state) {
    const QString path = fixture().copy(u"ready"_s);
    for (auto _ : state) {
        if (!SafeFile::replace(path, fixture().bytes))
            state.SkipWithError("the write failed");
    }
    fileCounters(state);
}
BENCHMARK(BM_FloorReadyBytesWriteSyncRename)->Unit(benchmark::kMillisecond);

// ---- The road through QJsonDocument ----

void BM_QJsonDocumentLoad(benchmark::State& state) {
    for (auto _ : state) {
        const QJsonDocument doc = QJsonDocument::fromJson(fixture().bytes);
        benchmark::DoNotOptimize(doc.isObject());
    }
    fileCounters(state);
}
BENCHMARK(BM_QJsonDocumentLoad)->Unit(benchmark::kMillisecond);

// What the store's save would be with Qt's JSON: the journals become a QJsonDocument, then its text.
void putId(QJsonObject& o, const char* key, const std::optional<QUuid>& id) {
    if (id)
        o.insert(QLatin1String(key), idText(*id));
}

QJsonObject qjsonNoun(const NounForms& n) {
    return {{u"one"_s, n.one}, {u"few"_s, n.few}, {u"many"_s, n.many}};
}

QJsonObject qjsonJournal(const Journal& j) {
    QJsonObject o{{u"id"_s, idText(j.id)},
                  {u"name"_s, j.name},
                  {u"icon"_s, j.icon},
                  {u"templateKey"_s, j.templateKey},
                  {u"itemNoun"_s, qjsonNoun(j.itemNoun)},
                  {u"groupNoun"_s, qjsonNoun(j.groupNoun)},
                  {u"reportTemplate"_s, j.reportTemplate},
                  {u"batchTitle"_s, j.batchTitle},
                  {u"hint"_s, j.hint},
                  {u"counterTitle"_s, j.counterTitle},
                  {u"createdAt"_s, storedDateText(j.createdAt)}};
    for (auto [key, id] : {std::pair{"titleFieldID", j.titleFieldID},
                           {"defaultStatusID", j.defaultStatusID},
                           {"counterFieldID", j.counterFieldID},
                           {"filterFieldID", j.filterFieldID},
                           {"breakdownFieldID", j.breakdownFieldID}})
        putId(o, key, id);
    QJsonArray fields, statuses, metrics, records;
    for (const FieldDef& f : j.fields)
        fields.append(QJsonObject{{u"id"_s, idText(f.id)},
                                  {u"key"_s, f.key},
                                  {u"name"_s, f.name},
                                  {u"type"_s, rawValue(f.type)},
                                  {u"options"_s, QJsonArray::fromStringList(f.options)},
                                  {u"aliases"_s, QJsonArray::fromStringList(f.aliases)},
                                  {u"prompt"_s, f.prompt},
                                  {u"isUnique"_s, f.isUnique},
                                  {u"inGroup"_s, f.inGroup},
                                  {u"inIdentity"_s, f.inIdentity},
                                  {u"isPerItem"_s, f.isPerItem},
                                  {u"showInTable"_s, f.showInTable},
                                  {u"unit"_s, f.unit}});
    for (const StatusDef& st : j.statuses) {
        QJsonObject so{{u"id"_s, idText(st.id)},
                       {u"name"_s, st.name},
                       {u"color"_s, rawValue(st.color)},
                       {u"fillsPreviousDates"_s, st.fillsPreviousDates}};
        putId(so, "dateFieldID", st.dateFieldID);
        statuses.append(so);
    }
    for (const MetricDef& m : j.metrics) {
        QJsonObject mo{{u"id"_s, idText(m.id)},
                       {u"title"_s, m.title},
                       {u"kind"_s, rawValue(m.kind)},
                       {u"subtitle"_s, m.subtitle},
                       {u"color"_s, rawValue(m.color)},
                       {u"symbol"_s, m.symbol},
                       {u"unit"_s, m.unit},
                       {u"filterValue"_s, m.filterValue}};
        for (auto [key, id] : {std::pair{"dateFieldID", m.dateFieldID},
                               {"sumFieldID", m.sumFieldID},
                               {"filterFieldID", m.filterFieldID},
                               {"statusFilterID", m.statusFilterID},
                               {"operandA", m.operandA},
                               {"operandB", m.operandB}})
            putId(mo, key, id);
        metrics.append(mo);
    }
    for (const Record& r : j.records) {
        QJsonObject values;
        for (auto it = r.values.cbegin(); it != r.values.cend(); ++it) {
            QJsonObject v;
            if (it->text)
                v.insert(u"text"_s, *it->text);
            if (it->number)
                v.insert(u"number"_s, *it->number);
            if (it->date)
                v.insert(u"date"_s, storedDateText(*it->date));
            if (it->flag)
                v.insert(u"flag"_s, *it->flag);
            values.insert(it.key(), v);
        }
        QJsonObject ro{{u"id"_s, idText(r.id)},
                       {u"values"_s, values},
                       {u"createdAt"_s, storedDateText(r.createdAt)},
                       {u"updatedAt"_s, storedDateText(r.updatedAt)}};
        putId(ro, "statusID", r.statusID);
        records.append(ro);
    }
    o.insert(u"fields"_s, fields);
    o.insert(u"statuses"_s, statuses);
    o.insert(u"metrics"_s, metrics);
    o.insert(u"records"_s, records);
    return o;
}

// The same change as BM_StoreSetStatusAndSave, saved through QJsonDocument instead.
void BM_QJsonDocumentSetStatusAndSave(benchmark::State& state) {
    QString error;
    QList<Journal> journals = *DataFile::decode(fixture().bytes, QDateTime::currentDateTimeUtc(), &error);
    const QString path = fixture().dir.filePath(u"qjson.json"_s);
    Journal& sales = journals[0];
    const qsizetype record = sales.records.size() / 2;
    qsizetype next = 0;
    for (auto _ : state) {
        sales.records[record] =
            sales.settingStatus(sales.statuses[next++ % sales.statuses.size()].id, sales.records[record],
                                QDateTime::currentDateTimeUtc(), Calendar::current());
        QJsonArray array;
        for (const Journal& j : journals)
            array.append(qjsonJournal(j));
        const QJsonDocument doc(QJsonObject{{u"version"_s, 2},
                                            {u"savedAt"_s, storedDateText(QDateTime::currentDateTimeUtc())},
                                            {u"journals"_s, array}});
        const QByteArray out = doc.toJson(QJsonDocument::Indented);
        writeAndSync(path, out.constData(), std::size_t(out.size()));
    }
    fileCounters(state);
}
BENCHMARK(BM_QJsonDocumentSetStatusAndSave)->Unit(benchmark::kMillisecond);

} // namespace
