#include "app/settings/SettingsChoices.h"
#include "app/JournalTab.h"
#include "app/settings/ReportPreview.h"
#include "app/settings/SettingsState.h"

#include "RecordFixtures.h"
#include "TestSupport.h"

using namespace TestSupport;
using namespace Qt::StringLiterals;
using namespace Settings;
using SettingsChoices::Choice;

namespace {

// One field of each type, named after its type's title.
Journal everyType() {
    QList<FieldDef> fields;
    for (FieldType type : allFieldTypes)
        fields.append(fieldOf(type, title(type)));
    return journalOf(fields, {statusNamed(u"Новый"_s), statusNamed(u"Оплачен"_s)});
}

QStringList titles(const QList<Choice>& choices) {
    QStringList t;
    for (const Choice& c : choices)
        t.append(c.title);
    return t;
}

} // namespace

TEST(SettingsChoices, PickersOfferFieldsByType) {
    const Journal draft = everyType();
    const struct {
        const char* picker;
        QList<Choice> choices;
        QString expected;
    } cases[] = {
        {"title field", SettingsChoices::titleFields(draft),
         u"— | Текст | Многострочный текст | Ссылка | Выбор из списка"_s},
        {"list filter", SettingsChoices::listFilterFields(draft),
         u"Первое подходящее | Текст | Выбор из списка"_s},
        {"breakdown", SettingsChoices::breakdownFields(draft),
         u"Первое подходящее | Текст | Выбор из списка"_s},
        {"counter", SettingsChoices::counterFields(draft), u"Нет | Число"_s},
        {"sum field", SettingsChoices::sumFields(draft), u"— | Число"_s},
        {"status date", SettingsChoices::stampedDateFields(draft), u"Не ставить | Дата"_s},
        {"metric period", SettingsChoices::periodDateFields(draft), u"Дата добавления записи | Дата"_s},
        {"condition", SettingsChoices::conditionFields(draft),
         u"Без условия | Текст | Выбор из списка | Флажок (да/нет)"_s},
        {"default status", SettingsChoices::defaultStatuses(draft), u"Первый в списке | Новый | Оплачен"_s},
        {"status filter", SettingsChoices::statusFilters(draft), u"Любой статус | Новый | Оплачен"_s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(titles(c.choices).join(u" | "), c.expected) << c.picker;
        EXPECT_FALSE(c.choices.first().id) << c.picker;
    }
    EXPECT_EQ(titles(SettingsChoices::counterFields(Journal{})), QStringList{u"Нет"_s});
}

TEST(SettingsChoices, OptionsAndAliasesSplitAsTyped) {
    const struct {
        QString text;
        QStringList options;
        QStringList aliases;
    } cases[] = {
        {u""_s, {u""_s}, {u""_s}},
        {u"S\n\nM"_s, {u"S"_s, u""_s, u"M"_s}, {u"S\n\nM"_s}},
        {u"a, b"_s, {u"a, b"_s}, {u"a"_s, u" b"_s}},
        {u"a,"_s, {u"a,"_s}, {u"a"_s, u""_s}},
        {u" x \n"_s, {u" x "_s, u""_s}, {u" x \n"_s}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SettingsChoices::splitOptions(c.text), c.options) << c.text.toStdString();
        EXPECT_EQ(SettingsChoices::splitAliases(c.text), c.aliases) << c.text.toStdString();
        // What the box shows again after a split is what was typed.
        EXPECT_EQ(SettingsChoices::joinedOptions(c.options), c.text);
        EXPECT_EQ(SettingsChoices::joinedAliases(c.aliases), c.text);
    }
}

TEST(SettingsState, NewItemsGoLastSelectedWithTheirDefaults) {
    SettingsState state(everyType());
    for (FieldType type : allFieldTypes) {
        state.addField(type);
        const FieldDef& added = state.draft.fields.last();
        EXPECT_EQ(state.selectedFieldID, added.id);
        EXPECT_EQ(added.name, u"Новое поле");
        EXPECT_TRUE(added.key.isEmpty());
        EXPECT_EQ(added.showInTable, type != FieldType::longText) << rawValue(type).toStdString();
    }
    state.addStatus();
    EXPECT_EQ(state.draft.statuses.last(),
              (StatusDef{*state.selectedStatusID, u"Новый статус"_s, AppColor::blue, std::nullopt, true}));

    state.addMetric();
    const MetricDef& metric = *findByID(state.draft.metrics, state.selectedMetricID);
    EXPECT_EQ(metric.title, u"Новый показатель");
    EXPECT_EQ(metric.dateFieldID, state.draft.dateFields().first().id);
    EXPECT_EQ(std::tuple(metric.kind, metric.color, metric.symbol),
              std::tuple(MetricKind::count, AppColor::blue, u"number"_s));
    EXPECT_FALSE(newMetric(Journal{}).dateFieldID);
}

// The example keeps its figures only while what they come from is unchanged.
TEST(ReportPreview, FollowsTheDraftAndTheMonth) {
    const Calendar calendar{zone("Europe/Moscow")};
    const QDateTime now = utc(2024, 3, 15, 12);
    const FieldDef paid = fieldOf(FieldType::date, u"Оплачен"_s);
    Journal draft = journalOf({paid});
    draft.metrics = {MetricDef{.id = QUuid::createUuid(), .title = u"Заказы"_s},
                     MetricDef{.id = QUuid::createUuid(), .title = u"Оплачено"_s, .dateFieldID = paid.id}};
    for (const QDateTime& created : {utc(2024, 3, 1), utc(2024, 3, 10), utc(2024, 2, 29)})
        draft.records.append(labelled(u"r"_s, created));
    // Created in February, paid in March: counted by the payment date only.
    put(draft.records[2], paid, FieldValue::ofDate(utc(2024, 3, 2)));
    draft.reportTemplate = u"{1} {1|заказ|заказа|заказов}, {2}"_s;
    ReportPreview preview;
    EXPECT_EQ(preview.text(draft, now, calendar), u"Пример за этот месяц: 2 заказа, 1");

    draft.reportTemplate = u"  "_s;
    draft.metrics[0].title = u"Сделки"_s;
    draft.metrics[0].unit = u"шт"_s;
    EXPECT_EQ(preview.text(draft, now, calendar),
              u"Пример за этот месяц: За период: сделки — 2 шт, оплачено — 1");
    draft.metrics[0].statusFilterID = QUuid::createUuid();
    EXPECT_EQ(preview.text(draft, now, calendar),
              u"Пример за этот месяц: За период: сделки — 0 шт, оплачено — 1");
    draft.metrics[0].statusFilterID.reset();
    EXPECT_EQ(preview.text(draft, utc(2024, 2, 20), calendar),
              u"Пример за этот месяц: За период: сделки — 1 шт, оплачено — 0");
}

// The tabs' texts come from one table each; a number cast past the cases has none.
TEST(SettingsState, TabTextsAndNoneOutsideTheCases) {
    QStringList texts;
    for (SettingsTab tab : allSettingsTabs)
        texts << rawValue(tab) + u'|' + title(tab);
    for (JournalTab tab : {JournalTab::dashboard, JournalTab::records})
        texts << rawValue(tab);
    EXPECT_EQ(texts.join(u' '),
              u"general|Общее fields|Поля statuses|Статусы metrics|Итоги и отчёт dashboard records");
    for (int outside : {-1, 4, 99}) {
        EXPECT_EQ(rawValue(static_cast<SettingsTab>(outside)) + title(static_cast<SettingsTab>(outside)),
                  QString())
            << outside;
        EXPECT_EQ(rawValue(static_cast<JournalTab>(outside - 2)), QString()) << outside;
    }
}
