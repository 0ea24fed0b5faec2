#include "RecordFixtures.h"
#include "TestSupport.h"
#include "core/model/Model.h"

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

const Calendar moscow{zone("Europe/Moscow")};
const QDateTime now = utc(2026, 6, 15, 12);
const Clock fixedNow = [] { return now; };

StatusDef stamping(const std::optional<QUuid>& dateField) {
    return StatusDef{QUuid::createUuid(), {}, AppColor::gray, dateField, false};
}

// Statuses A, B, C, each stamping its own date field; C fills the dates before it.
struct Stages {
    Journal journal;
    FieldDef dates[3];
    Stages() {
        for (FieldDef& f : dates) {
            f = fieldOf(FieldType::date);
            journal.fields.append(f);
            journal.statuses.append(stamping(f.id));
        }
        journal.statuses[2].fillsPreviousDates = true;
    }
    QUuid status(int i) const { return journal.statuses[i].id; }
    Record set(std::optional<QUuid> status, const Record& r, const QDateTime& date,
               const Calendar& calendar = moscow) const {
        return journal.settingStatus(status, r, date, calendar, fixedNow);
    }
};

} // namespace

TEST(JournalDisplay, ValuesAndTitles) {
    Journal j;
    const FieldDef note = fieldOf(FieldType::longText), name = fieldOf(FieldType::text),
                   sum = fieldOf(FieldType::number), day = fieldOf(FieldType::date),
                   done = fieldOf(FieldType::checkbox);
    j.fields = {note, sum, day, name, done};
    Record r;
    r.values.insert(idText(sum.id), FieldValue::ofNumber(1050));
    r.values.insert(idText(day.id), FieldValue::ofDate(at("Europe/Moscow", 2024, 3, 5)));
    r.values.insert(idText(done.id), FieldValue::ofFlag(true));
    EXPECT_EQ(j.displayValue(r, day, moscow), u"05.03.2024");
    EXPECT_EQ(j.displayValue(r, done), u"да");
    EXPECT_EQ(j.displayValue(r, name), QString());

    // The first text field names records (a long text never does); when it is empty, the first non-empty
    // value.
    EXPECT_EQ(j.titleField()->id, name.id);
    EXPECT_EQ(j.title(r), u"1050");
    r.setText(u" Иван "_s, name.id);
    EXPECT_EQ(j.title(r), u" Иван ");
    j.titleFieldID = day.id;
    EXPECT_EQ(j.title(r), u"05.03.2024");
    j.titleFieldID = QUuid::createUuid(); // a deleted field
    EXPECT_EQ(j.titleField()->id, name.id);

    // Values left from an earlier type, and an unticked box, show as nothing.
    Record stale;
    stale.values.insert(idText(sum.id), FieldValue::ofText(u"12"_s));
    stale.values.insert(idText(day.id), FieldValue::ofText(u"05.03.2024"_s));
    stale.values.insert(idText(name.id), FieldValue::ofNumber(5));
    stale.values.insert(idText(note.id), FieldValue::ofFlag(true));
    stale.values.insert(idText(done.id), FieldValue::ofText(u"да"_s));
    EXPECT_EQ(j.title(stale), u"Без названия");
    stale.values.insert(idText(done.id), FieldValue::ofFlag(false));
    EXPECT_EQ(j.title(stale), u"Без названия");
    j.fields = {note};
    EXPECT_FALSE(j.titleField());
}

TEST(JournalAssign, ValuesAndWarnings) {
    const FieldDef number = fieldOf(FieldType::number, u"Сумма"_s),
                   date = fieldOf(FieldType::date, u"Дата Оплаты"_s),
                   link = fieldOf(FieldType::link, u"Сайт"_s), bare = fieldOf(FieldType::choice, u"Метка"_s),
                   text = fieldOf(FieldType::text);
    FieldDef choice = fieldOf(FieldType::choice, u"Этап"_s);
    choice.options = {u"Новый"_s, u"В работе"_s};
    const struct {
        const FieldDef& field;
        QString text;
        std::optional<FieldValue> stored;
        std::optional<QString> warning;
    } cases[] = {
        {number, u"12,5"_s, FieldValue::ofNumber(12.5), {}},
        {number, u" abc "_s, {}, u"«abc» в поле «Сумма» не число"_s},
        {date, u"завтра"_s, {}, u"не распознана дата «завтра» (дата оплаты)"_s},
        {date, u"05.03.24"_s, FieldValue::ofDate(at("Europe/Moscow", 2024, 3, 5)), {}},
        {link, u" example.com "_s, FieldValue::ofText(u"https://example.com"_s), {}},
        {link, u" слово "_s, FieldValue::ofText(u"слово"_s), u"ссылка «слово» не похожа на адрес сайта"_s},
        {choice, u" в   работе "_s, FieldValue::ofText(u"в   работе"_s), {}},
        {choice, u"Готово"_s, FieldValue::ofText(u"Готово"_s),
         u"«Готово» нет в списке значений поля «Этап»"_s},
        {bare, u"что-то"_s, FieldValue::ofText(u"что-то"_s),
         u"«что-то» нет в списке значений поля «Метка»"_s},
        {text, u"\t Иван  Петров \n"_s, FieldValue::ofText(u"Иван  Петров"_s), {}},
    };
    for (const auto& c : cases) {
        Record r;
        r.values.insert(idText(c.field.id), FieldValue::ofDate(now)); // always replaced or removed
        r.values.insert(u"other"_s, FieldValue::ofNumber(1));
        EXPECT_EQ(Journal::assign(c.text, c.field, r, moscow, fixedNow), c.warning) << c.text.toStdString();
        EXPECT_EQ(valueOf(r, c.field), c.stored) << c.text.toStdString();
        EXPECT_EQ(r.values.size(), c.stored ? 2 : 1);
    }

    const FieldDef box = fieldOf(FieldType::checkbox);
    // A tick word, trailing punctuation aside, ticks the box; anything else (a Cyrillic "х" too) clears it.
    const std::pair<QString, bool> ticks[] = {{u"да."_s, true},    {u"Yes"_s, true},  {u"1"_s, true},
                                              {u"есть"_s, true},   {u"  ✓ "_s, true}, {u"нет"_s, false},
                                              {u"да да"_s, false}, {u"1.0"_s, false}, {u"х"_s, false}};
    for (const auto& [t, ticked] : ticks) {
        Record r;
        if (!ticked)
            r.values.insert(idText(box.id), FieldValue::ofFlag(true));
        EXPECT_EQ(Journal::assign(t, box, r), std::nullopt);
        EXPECT_EQ(r.values.value(idText(box.id)), ticked ? FieldValue::ofFlag(true) : FieldValue{})
            << t.toStdString();
        EXPECT_EQ(r.values.size(), ticked ? 1 : 0);
    }
}

TEST(JournalNormalize, CleansTextAndCountsContent) {
    Journal j;
    const FieldDef text = fieldOf(FieldType::text), link = fieldOf(FieldType::link),
                   choice = fieldOf(FieldType::choice), number = fieldOf(FieldType::number),
                   date = fieldOf(FieldType::date), box = fieldOf(FieldType::checkbox),
                   note = fieldOf(FieldType::longText);
    j.fields = {text, link, choice, number, date, box, note};
    const QString gone = idText(QUuid::createUuid());
    Record r;
    r.values.insert(idText(text.id), FieldValue::ofText(u" \n "_s));
    r.values.insert(idText(link.id), FieldValue{u" www.example.com "_s, 5.0, {}, {}});
    r.values.insert(idText(choice.id), FieldValue::ofNumber(3)); // left from an earlier type
    r.values.insert(idText(note.id), FieldValue::ofText(u"\tдве\nстроки "_s));
    r.values.insert(idText(number.id), FieldValue{u"x"_s, 0.0, {}, {}});
    r.values.insert(gone, FieldValue::ofText(u"  kept  "_s));
    const Record n = j.normalized(r);
    EXPECT_FALSE(valueOf(n, text) || valueOf(n, choice));
    EXPECT_EQ(valueOf(n, link), FieldValue::ofText(u"https://www.example.com"_s));
    EXPECT_EQ(valueOf(n, note), FieldValue::ofText(u"две\nстроки"_s));
    EXPECT_EQ(valueOf(n, number), valueOf(r, number));
    EXPECT_EQ(n.values.value(gone), r.values.value(gone));
    EXPECT_EQ(j.normalized(n), n);

    // Dates, ticks and values of another kind are no content; a number, even 0, is.
    EXPECT_TRUE(Journal{}.isEmptyContent(r));
    Record content;
    content.values.insert(idText(date.id), FieldValue::ofDate(now));
    content.values.insert(idText(box.id), FieldValue::ofFlag(true));
    content.values.insert(idText(choice.id), FieldValue::ofNumber(3));
    content.values.insert(idText(text.id), FieldValue::ofText(u"\t"_s));
    EXPECT_TRUE(j.isEmptyContent(content));
    content.values.insert(idText(number.id), FieldValue::ofNumber(0));
    EXPECT_FALSE(j.isEmptyContent(content));
}

TEST(StatusChange, StampsOnlyEmptyDateFieldsOfDateType) {
    Stages st;
    const QDateTime evening = at("Europe/Moscow", 2024, 3, 5, 23, 30), day = at("Europe/Moscow", 2024, 3, 5);
    const QDateTime earlier = at("Europe/Moscow", 2024, 1, 10);
    Record r;
    r.values.insert(idText(st.dates[0].id), FieldValue::ofDate(earlier));
    r.values.insert(idText(st.dates[1].id), FieldValue::ofText(u"старое"_s));
    const Record c = st.set(st.status(2), r, evening);
    EXPECT_EQ(c.statusID, st.status(2));
    EXPECT_EQ(c.updatedAt, now);
    EXPECT_EQ(valueOf(c, st.dates[0]), FieldValue::ofDate(earlier));
    EXPECT_EQ(valueOf(c, st.dates[1]), FieldValue::ofDate(day));
    EXPECT_EQ(valueOf(c, st.dates[2]), FieldValue::ofDate(day));

    // Moving back, setting the same status again, clearing it or an unknown status change no date.
    for (const auto& next : {std::optional(st.status(1)), std::optional(st.status(2)), std::optional<QUuid>(),
                             std::optional(QUuid::createUuid())}) {
        const Record again = st.set(next, c, utc(2025, 1, 1));
        EXPECT_EQ(again.statusID, next);
        EXPECT_EQ(again.values, c.values);
    }
    EXPECT_EQ(st.set(st.status(1), Record{}, evening).values.keys(), QList<QString>{idText(st.dates[1].id)});

    // Santiago has no midnight on 2024-09-08: the day starts at 01:00.
    const Record s = st.set(st.status(1), Record{}, at("America/Santiago", 2024, 9, 8, 20),
                            Calendar{zone("America/Santiago")});
    EXPECT_EQ(s.date(st.dates[1].id), at("America/Santiago", 2024, 9, 8, 1));

    // A status pointing at a text field (hand-edited) or at a deleted field stamps nothing; one without a
    // date field of its own still fills the earlier ones.
    const FieldDef text = fieldOf(FieldType::text);
    st.journal.fields.append(text);
    st.journal.statuses[0].dateFieldID = text.id;
    st.journal.statuses[2].dateFieldID = std::nullopt;
    EXPECT_EQ(st.set(st.status(2), Record{}, evening).values.keys(), QList<QString>{idText(st.dates[1].id)});
    st.journal.statuses[1].dateFieldID = QUuid::createUuid();
    EXPECT_TRUE(st.set(st.status(2), Record{}, evening).values.isEmpty());
}

TEST(StatusChange, FillingListsNewRecordsAndPrimaryStatus) {
    Stages st;
    const QDateTime date = at("Europe/Moscow", 2024, 3, 5, 18);
    const Record none = Journal{}.newRecord(date, moscow, fixedNow);
    EXPECT_TRUE(!none.id.isNull() && !none.statusID && none.values.isEmpty());
    EXPECT_EQ(none.createdAt, now);
    EXPECT_EQ(none.updatedAt, now);
    st.journal.defaultStatusID = st.status(2);
    EXPECT_EQ(st.journal.newRecord(date, moscow, fixedNow).values.size(), 3);
    EXPECT_EQ(st.journal.primaryStatusID(), st.status(2));
    // A default that names no status reads as none: the first status.
    st.journal.defaultStatusID = QUuid::createUuid();
    EXPECT_EQ(st.journal.newRecord(date, moscow, fixedNow).statusID, st.status(0));
    EXPECT_EQ(st.journal.primaryStatusID(), st.status(0));

    // The first metric's date field picks the status that stamps it; later metrics are not consulted.
    MetricDef m, second;
    m.dateFieldID = st.dates[1].id;
    second.dateFieldID = st.dates[2].id;
    st.journal.metrics = {m, second};
    EXPECT_EQ(st.journal.primaryStatusID(), st.status(1));
    st.journal.metrics[0].dateFieldID = QUuid::createUuid();
    EXPECT_EQ(st.journal.primaryStatusID(), st.status(0));
    EXPECT_FALSE(Journal{}.primaryStatusID());

    // A repeated status id ranks at its first position.
    st.journal.statuses.append(st.journal.statuses[0]);
    st.journal.statuses[3].fillsPreviousDates = true;
    EXPECT_EQ(st.set(st.status(0), Record{}, date).values.size(), 1);
}

TEST(Sanitize, ClearsEveryDanglingReference) {
    Journal j;
    const FieldDef date = fieldOf(FieldType::date), number = fieldOf(FieldType::number),
                   text = fieldOf(FieldType::text);
    j.fields = {date, number, text};
    const QUuid gone = QUuid::createUuid();
    j.statuses = {stamping(date.id), stamping(number.id), stamping(gone)};
    const auto metric = [](MetricKind kind, std::optional<QUuid> dateField, std::optional<QUuid> sumField) {
        MetricDef m;
        m.id = QUuid::createUuid();
        m.kind = kind;
        m.dateFieldID = dateField;
        m.sumFieldID = sumField;
        return m;
    };
    MetricDef sum = metric(MetricKind::sum, number.id, text.id), ratio = metric(MetricKind::ratio, {}, {});
    sum.filterFieldID = sum.statusFilterID = gone;
    sum.filterValue = u"опт"_s;
    ratio.operandA = ratio.id;
    ratio.operandB = sum.id;
    ratio.filterFieldID = text.id;
    ratio.statusFilterID = j.statuses[0].id;
    MetricDef average = metric(MetricKind::average, date.id, number.id);
    average.operandA = gone;
    j.metrics = {sum, ratio, average};
    j.titleFieldID = number.id;
    j.breakdownFieldID = date.id;
    j.counterFieldID = text.id;
    j.filterFieldID = j.defaultStatusID = gone;
    Record r, clean;
    r.statusID = gone;
    for (const QString& key : {idText(text.id), idText(number.id).toLower(), idText(gone), u"name"_s,
                               u"{"_s + idText(text.id) + u"}"_s})
        r.values.insert(key, FieldValue::ofText(key));
    clean.statusID = j.statuses[1].id;
    clean.values.insert(idText(date.id), FieldValue::ofNumber(5)); // values are not checked against types
    j.records = {r, clean};

    const Journal s = j.sanitized();
    EXPECT_EQ(s.statuses[0].dateFieldID, date.id);
    EXPECT_FALSE(s.statuses[1].dateFieldID || s.statuses[2].dateFieldID);
    MetricDef expected = sum; // a sum without its number field counts; its filter value and texts stay
    expected.kind = MetricKind::count;
    expected.sumFieldID = expected.dateFieldID = expected.filterFieldID = expected.statusFilterID = {};
    EXPECT_EQ(s.metrics[0], expected);
    expected = ratio; // an operand may not be the metric itself
    expected.operandA = {};
    EXPECT_EQ(s.metrics[1], expected);
    expected = average;
    expected.operandA = {};
    EXPECT_EQ(s.metrics[2], expected);
    EXPECT_EQ(s.titleFieldID, number.id);
    EXPECT_EQ(s.breakdownFieldID, date.id);
    EXPECT_FALSE(s.counterFieldID || s.filterFieldID || s.defaultStatusID || s.records[0].statusID);
    // A value key of either letter case stays as written; anything else is dropped.
    QStringList kept{idText(text.id), idText(number.id).toLower()};
    kept.sort();
    EXPECT_EQ(s.records[0].values.keys(), kept);
    EXPECT_EQ(s.records[1], clean);
    EXPECT_EQ(s.fields, j.fields);
    EXPECT_EQ(s.sanitized(), s);
}
