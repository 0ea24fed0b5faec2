#include "core/journal/DuplicateIndex.h"
#include "RecordFixtures.h"
#include "TestSupport.h"
#include "core/templates/Templates.h"

#include <random>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

// Values drawn from small pools so that keys collide often: texts equal but for case, "ё", blanks or a
// "|", numbers equal in value but typed apart, a few days, ticks.
FieldValue drawValue(const FieldDef& field, std::mt19937& rng) {
    static const QStringList texts{u"Чай"_s, u" чай  "_s, u"ЧАЙ"_s, u"ёлка"_s, u"елка"_s,      u"a|b"_s,
                                   u"a"_s,   u"b|"_s,     u"|b"_s,  u"Кофе"_s, u"кофе зерно"_s};
    switch (field.type) {
    case FieldType::number:
        return FieldValue::ofNumber(std::array{1.0, 2.5, 1e-9, 3.0}[rng() % 4]);
    case FieldType::date:
        return FieldValue::ofDate(utc(2024, 3, 1 + int(rng() % 3), int(rng() % 2) * 22));
    case FieldType::checkbox:
        return FieldValue::ofFlag(rng() % 2);
    default:
        return FieldValue::ofText(texts[rng() % texts.size()]);
    }
}

Record drawRecord(const Journal& journal, std::mt19937& rng) {
    Record r;
    r.id = QUuid::createUuid();
    for (const FieldDef& f : journal.fields) {
        if (rng() % 3)
            put(r, f, drawValue(f, rng));
    }
    return r;
}

Journal withRoles(const QList<FieldDef>& fields, std::optional<qsizetype> title = std::nullopt) {
    Journal j = journalOf(fields);
    if (title)
        j.titleFieldID = fields[*title].id;
    return j;
}

} // namespace

// The index must give what the search gives, record for record and in order, whatever the journal's roles.
TEST(DuplicateIndex, GivesExactlyWhatTheSearchGives) {
    using enum FieldType;
    const struct {
        const char* what;
        Journal journal;
    } journals[] = {
        {"orders: unique number, group client", Templates::sales()},
        {"cards: unique SKU, identity sizes", Templates::cards()},
        {"clients", Templates::crm()},
        {"identity without group fields",
         withRoles({fieldOf(text, u"Имя"_s, u"i"), fieldOf(choice, u"Размер"_s, u"i"),
                    fieldOf(text, u"Код"_s, u"u")})},
        {"title stands in for an empty last group value",
         withRoles(
             {fieldOf(text, u"Клиент"_s, u"g"), fieldOf(text, u"Товар"_s), fieldOf(date, u"День"_s, u"i")},
             1)},
        {"two unique fields, number and link",
         withRoles({fieldOf(number, u"Код"_s, u"u"), fieldOf(link, u"Сайт"_s, u"ug"),
                    fieldOf(checkbox, u"Опт"_s, u"i")})},
        {"no roles at all", withRoles({fieldOf(text), fieldOf(number)})},
    };
    std::mt19937 rng(7);
    for (const auto& c : journals) {
        SCOPED_TRACE(c.what);
        Journal journal = c.journal;
        for (int i = 0; i < 150; ++i)
            journal.records.append(drawRecord(journal, rng));
        // A hand-edited file may repeat an id: such records count once.
        journal.records[5].id = journal.records[4].id;
        const DuplicateIndex index(journal);
        int found = 0;
        for (int i = 0; i < 100; ++i) {
            const bool stored = i % 2;
            const Record query = stored ? journal.records[i] : drawRecord(journal, rng);
            for (const QSet<QUuid>& excluding :
                 {QSet<QUuid>{}, QSet<QUuid>{query.id, journal.records[0].id}}) {
                const QList<Journal::DuplicateFinding> expected =
                    journal.possibleDuplicates(query, excluding);
                ASSERT_EQ(index.findings(query, excluding), expected) << "query " << i;
                found += int(expected.size());
            }
        }
        if (c.journal.canCheckIdentity() || !c.journal.uniqueFields().isEmpty()) {
            EXPECT_GT(found, 0) << "the pools should make some duplicates";
        }
    }
}
