#include "CardsData.h"

#include "core/format/ModelJsonReader.h"
#include "core/format/ModelJsonWriter.h"
#include "core/templates/Templates.h"

#include <cstdlib>

using namespace Qt::StringLiterals;

QString benchCardsValue(const QString& key, int i) {
    static const QStringList sizes{u"44"_s, u"46"_s, u"48"_s, u"50"_s};
    static const QStringList usSizes{u"S"_s, u"M"_s, u"L"_s, u"XL"_s};
    if (key == u"brand")
        return u"Бренд "_s + QString::number(i % 50);
    if (key == u"productName")
        return u"Платье летнее "_s + QString::number(i / 4);
    if (key == u"modelArticle")
        return u"M-"_s + QString::number(i / 4);
    if (key == u"sku")
        return i % 2 == 0 ? u"SKU-"_s + QString::number(i) : QString();
    if (key == u"sizeRU")
        return sizes[i % 4];
    if (key == u"sizeUS")
        return usSizes[i % 4];
    if (key == u"color")
        return i % 3 == 0 ? u"Синий"_s : u"Зелёный"_s;
    return QString();
}

namespace {

// The journal as the application holds it after reading its data file (where records share their keys).
Journal reloaded(const Journal& journal, const QDateTime& now) {
    rapidjson::StringBuffer buffer;
    ModelJson::Writer::Output output(buffer);
    ModelJson::Writer writer(output);
    if (!writer.write(journal, {}))
        std::abort();
    rapidjson::Document doc;
    doc.Parse(buffer.GetString(), buffer.GetSize());
    Journal out;
    ModelJson::Reader reader(now);
    if (!reader.read(doc, {}, out))
        std::abort();
    return out;
}

} // namespace

Journal benchCardsJournal(int recordCount) {
    const QDateTime now = QDateTime(QDate(2024, 3, 5), QTime(12, 0), Qt::UTC);
    Journal journal = Templates::cards([now] { return now; });
    journal.records.reserve(recordCount);
    for (int i = 0; i < recordCount; ++i) {
        Record r;
        r.id = QUuid::createUuid();
        r.createdAt = r.updatedAt = now;
        for (const FieldDef& f : journal.fields) {
            const QString text = benchCardsValue(f.key, i);
            if (!text.isEmpty())
                Journal::assign(text, f, r);
        }
        journal.records.append(r);
    }
    return reloaded(journal, now);
}
