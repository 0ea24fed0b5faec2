#include "RecordFixtures.h"
#include "app/records/BatchEntry.h"
#include "app/records/RecordEditor.h"
#include "core/templates/Templates.h"

using namespace Qt::StringLiterals;
using namespace TestSupport;
using namespace Records;

namespace {

FieldDef keyed(FieldType type, const QString& key, QStringView roles = {}) {
    FieldDef f = fieldOf(type, key, roles);
    f.key = key;
    return f;
}

// "Title*: key key | Title: key", the star marking the section that holds the status picker.
QString described(const QList<FieldSection>& sections) {
    QStringList parts;
    for (const FieldSection& s : sections) {
        QStringList keys;
        for (const FieldDef& f : s.fields)
            keys.append(f.key);
        parts.append(s.title + (s.holdsStatus ? u"*"_s : QString()) + u": "_s + keys.join(u' '));
    }
    return parts.join(u" | "_s);
}

const StatusDef fresh = statusNamed(u"Новая"_s);

} // namespace

// The editor keeps long texts below the status; batch entry puts the shared dates with the status.
TEST(FieldSections, EditorAndBatchEntrySplitTheFields) {
    using enum FieldType;
    const struct {
        const char* what;
        Journal journal;
        QString editor, batch;
    } cases[] = {
        {"sales", Templates::sales(),
         u"Поля: number client item quantity amount channel orderDate paidDate shippedDate returnDate link | "
         u"Статус*:  | Дополнительно: note"_s,
         u"Общие поля: client channel link note | "
         u"Статус и даты для всех*: orderDate paidDate shippedDate returnDate"_s},
        {"cards: a per-item link is shared too", Templates::cards(),
         u"Поля: brand productName modelArticle sku sizeRU sizeUS color link fixedDate transferredDate "
         u"minorEdits | Статус*:  | Дополнительно: note"_s,
         u"Общие поля: brand productName modelArticle color link note | "
         u"Статус и даты для всех*: fixedDate transferredDate"_s},
        {"crm: nothing per item", Templates::crm(),
         u"Поля: client contact deal amount source manager nextDate wonDate lostDate | Статус*:  | "
         u"Дополнительно: note"_s,
         u"Общие поля: client contact deal amount source manager note | "
         u"Статус и даты для всех*: nextDate wonDate lostDate"_s},
        {"tasks", Templates::tasks(),
         u"Поля: title project owner due doneDate hours link | Статус*:  | Дополнительно: note"_s,
         u"Общие поля: project owner hours link note | Статус и даты для всех*: due doneDate"_s},
        {"no statuses, no long texts, a per-item date",
         journalOf({keyed(text, u"a"_s), keyed(checkbox, u"b"_s), keyed(date, u"d"_s, u"p")}),
         u"Поля: a b d"_s, u"Общие поля: a b"_s},
        {"long texts and shared dates without statuses",
         journalOf({keyed(longText, u"n"_s), keyed(date, u"d"_s)}), u"Поля: d | Дополнительно: n"_s,
         u"Общие поля: n | Статус и даты для всех: d"_s},
        {"statuses and only per-item dates", journalOf({keyed(date, u"d"_s, u"p")}, {fresh}),
         u"Поля: d | Статус*: "_s, u"Общие поля:  | Статус и даты для всех*: "_s},
        {"nothing at all", journalOf({}), u"Поля: "_s, u"Общие поля: "_s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(described(RecordEditor::sections(c.journal)), c.editor) << c.what;
        EXPECT_EQ(described(BatchEntry::sharedSections(c.journal)), c.batch) << c.what;
    }
    EXPECT_EQ(BatchEntry::sharedTitle(keyed(link, u"Ссылка"_s, u"p")), u"Ссылка (общая)"_s);
    EXPECT_EQ(BatchEntry::sharedTitle(keyed(text, u"Клиент"_s)), u"Клиент"_s);
}
