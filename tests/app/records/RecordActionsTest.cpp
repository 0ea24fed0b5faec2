#include "app/records/RecordActions.h"
#include "RecordFixtures.h"
#include "TestSupport.h"

using namespace TestSupport;
using namespace Qt::StringLiterals;
using namespace Records;

namespace {

// Seven statuses; the third is the default, stamping the payment date.
struct Orders {
    FieldDef number = fieldOf(FieldType::text, u"Номер"_s, u"u");
    FieldDef code = fieldOf(FieldType::number, u"Код"_s, u"u");
    FieldDef amount = fieldOf(FieldType::number, u"Сумма"_s);
    FieldDef paid = fieldOf(FieldType::date, u"Дата оплаты"_s);
    FieldDef link = fieldOf(FieldType::link, u"Ссылка"_s);
    Journal journal;
    Orders() {
        QList<StatusDef> statuses;
        for (const char* name : {"Новый", "Собран", "Оплачен", "Отгружен", "Закрыт", "Возврат", "Архив"})
            statuses.append(statusNamed(QString::fromUtf8(name)));
        statuses[2].dateFieldID = paid.id;
        journal = journalOf({number, code, amount, paid, link}, statuses);
        journal.defaultStatusID = statuses[2].id;
        journal.counterFieldID = amount.id;
        journal.counterTitle = u"+1"_s;
    }
};

QStringList keyTexts(const QList<QuickStatus>& quick) {
    QStringList texts;
    for (const QuickStatus& q : quick)
        texts.append(QKeySequence::listToString(q.keys) + (q.primary ? u" *"_s : QString()));
    return texts;
}

QStringList titles(const QList<RecordActions::MenuEntry>& menu) {
    QStringList out;
    for (const auto& entry : menu)
        out.append(entry.kind == RecordActions::MenuEntry::Kind::separator ? u"—"_s : entry.title);
    return out;
}

} // namespace

TEST(RecordActions, BarFollowsTheSelectionAndTheJournal) {
    Orders o;
    const struct {
        qsizetype selected, links;
        bool any, link, single;
    } cases[] = {{0, 0, false, false, false},
                 {1, 0, true, false, true},
                 {1, 2, true, true, true},
                 {2, 2, true, true, false}};
    for (const auto& c : cases) {
        const ActionBarContent bar = RecordActions::actionBar(o.journal, c.selected, c.links);
        EXPECT_EQ(bar.enabled, c.any);
        EXPECT_EQ(bar.remove.enabled, c.any);
        EXPECT_EQ(bar.link->enabled, c.link) << c.selected << " selected, " << c.links << " links";
        EXPECT_EQ(bar.copy.enabled, c.single);
        EXPECT_EQ(bar.edit.enabled, c.single);
    }
    const ActionBarContent bar = RecordActions::actionBar(o.journal, 1, 0);
    // The primary status's digit goes to nobody.
    EXPECT_EQ(keyTexts(bar.quick),
              (QStringList{u"Meta+Ctrl+1"_s, u"Meta+Ctrl+2"_s, u"Ctrl+Return; Ctrl+Enter *"_s,
                           u"Meta+Ctrl+4"_s, u"Meta+Ctrl+5"_s}));
    EXPECT_EQ(bar.more.size(), 2);
    EXPECT_EQ(bar.quick[2].help,
              u"Статус «Оплачен» (Ctrl+Return). Пустое поле «Дата оплаты» заполнится сегодняшней датой");
    EXPECT_EQ(bar.counterDown.help, u"Сумма: \u22121 (Ctrl+\u2212)");
    EXPECT_EQ(bar.edit.help, u"Изменить запись (Ctrl+E или двойной щелчок)");
}

TEST(RecordActions, BadJournalsGiveNoSharedOrFalseKeys) {
    Orders o;
    Journal j = o.journal;
    // A primary status beyond the fifth: no button is prominent, none takes Ctrl+Return.
    j.defaultStatusID = j.statuses[6].id;
    EXPECT_EQ(keyTexts(RecordActions::actionBar(j, 1, 0).quick),
              (QStringList{u"Meta+Ctrl+1"_s, u"Meta+Ctrl+2"_s, u"Meta+Ctrl+3"_s, u"Meta+Ctrl+4"_s,
                           u"Meta+Ctrl+5"_s}));
    // A repeated id is primary at its first position only; a status stamping a text field promises nothing.
    j = o.journal;
    j.statuses[4].id = j.statuses[2].id;
    j.statuses[2].dateFieldID = o.number.id;
    const ActionBarContent bar = RecordActions::actionBar(j, 1, 0);
    EXPECT_EQ(keyTexts(bar.quick)[4], u"Meta+Ctrl+5");
    EXPECT_EQ(bar.quick[2].help, u"Статус «Оплачен» (Ctrl+Return)");
    // A counter on a text field would write numbers over text: no counter.
    j.counterFieldID = o.number.id;
    EXPECT_FALSE(RecordActions::actionBar(j, 1, 0).counter);
    EXPECT_FALSE(RecordActions::actionBar(journalOf({}), 1, 0).link) << "no link fields, no link button";
}

TEST(RecordActions, ContextMenuEntries) {
    Orders o;
    Record r =
        labelled(u"r"_s, {{o.number, FieldValue::ofText(u"A-7"_s)}, {o.code, FieldValue::ofNumber(12)}});
    o.journal.records = {r};
    o.journal.statuses.resize(2);
    o.journal.fields[0].isPerItem = true;
    const QList<QUrl> one{QUrl(u"https://example.com/a"_s)};
    EXPECT_EQ(titles(RecordActions::contextMenu(o.journal, {r.id}, one)),
              (QStringList{u"Статус: Новый"_s, u"Статус: Собран"_s, u"—"_s, u"+1 (сумма)"_s, u"—"_s,
                           u"Открыть ссылку"_s, u"Скопировать ссылку"_s, u"—"_s, u"Изменить…"_s,
                           u"Ещё записи с такими же общими полями…"_s, u"Создать копию…"_s,
                           u"Скопировать Номер"_s, u"Удалить…"_s}));
    EXPECT_EQ(RecordActions::contextMenu(o.journal, {r.id}, one)[6].text, u"https://example.com/a");

    // Several rows, or a row gone: no record items. No statuses: the menu opens with a separator.
    o.journal.statuses.clear();
    o.journal.counterFieldID.reset();
    const QList<QUrl> three{one[0], QUrl(u"https://example.com/b"_s), QUrl(u"https://example.com/c"_s)};
    EXPECT_EQ(titles(RecordActions::contextMenu(o.journal, {r.id, QUuid::createUuid()}, three)),
              (QStringList{u"—"_s, u"Открыть ссылки (3)"_s, u"—"_s, u"Удалить…"_s}));
    EXPECT_EQ(titles(RecordActions::contextMenu(o.journal, {QUuid::createUuid()}, {})),
              (QStringList{u"—"_s, u"Удалить…"_s}));
    EXPECT_TRUE(RecordActions::contextMenu(o.journal, {}, {}).isEmpty());
}

TEST(RecordActions, DuplicateAndDeleteTitle) {
    Orders o;
    o.journal.itemNoun = {u"заказ"_s, u"заказа"_s, u"заказов"_s};
    Record r = labelled(u"r"_s, {{o.number, FieldValue::ofText(u"A-7"_s)},
                                 {o.code, FieldValue::ofNumber(12)},
                                 {o.amount, FieldValue::ofNumber(5)}});
    r.statusID = o.journal.statuses[1].id;
    const Record copy = RecordActions::duplicate(o.journal, r, utc(2025, 6, 1));
    EXPECT_NE(copy.id, r.id);
    EXPECT_EQ(copy.createdAt, utc(2025, 6, 1));
    EXPECT_EQ(copy.statusID, r.statusID);
    QStringList kept{u"label"_s, idText(o.amount.id)};
    kept.sort();
    EXPECT_EQ(copy.values.keys(), kept) << "unique values left out";
    EXPECT_EQ(RecordActions::deleteTitle(o.journal, 5), u"Удалить 5 заказов?");
}
