#include "app/settings/SettingsRules.h"

#include "RecordFixtures.h"
#include "StoreSupport.h"
#include "TestSupport.h"
#include "core/store/AppStore.h"
#include "core/templates/Templates.h"

using namespace TestSupport;
using namespace Qt::StringLiterals;
using namespace Settings;

namespace {

const NounForms orders{u"заказ"_s, u"заказа"_s, u"заказов"_s};

Journal withNames(const QString& name, const QStringList& fields, const QStringList& statuses) {
    QList<FieldDef> f;
    for (const QString& n : fields)
        f.append(fieldOf(FieldType::text, n));
    QList<StatusDef> s;
    for (const QString& n : statuses)
        s.append(statusNamed(n));
    Journal journal = journalOf(f, s);
    journal.name = name;
    return journal;
}

} // namespace

TEST(SettingsSave, FirstFailureOfTheTrimmedCopyAndItsPage) {
    const QString noName = u"Укажите название журнала."_s;
    const QString noFieldName = u"У каждого поля должно быть название."_s;
    const QString repeated = u"Названия полей повторяются — так их не различить при импорте CSV."_s;
    const QString noStatusName = u"У каждого статуса должно быть название."_s;
    const struct {
        const char* what;
        Journal draft;
        std::optional<SettingsRules::SaveFailure> failure;
    } cases[] = {
        {"good", withNames(u"Продажи"_s, {u"Сумма"_s, u"Сумма 2"_s}, {u"Новый"_s}), std::nullopt},
        {"no fields, repeated statuses", withNames(u"Я"_s, {}, {u"Новый"_s, u"Новый"_s}), std::nullopt},
        {"a blank name, before fields",
         withNames(u" \n "_s, {u""_s}, {u""_s}),
         {{noName, SettingsTab::general}}},
        {"a dash is no name", withNames(u"Я"_s, {u"—"_s}, {}), {{noFieldName, SettingsTab::fields}}},
        {"blanks are no name",
         withNames(u"Я"_s, {u"А"_s, u"   "_s}, {}),
         {{noFieldName, SettingsTab::fields}}},
        {"ё and case", withNames(u"Я"_s, {u"Счёт"_s, u"счет"_s}, {}), {{repeated, SettingsTab::fields}}},
        {"blank and hyphen",
         withNames(u"Я"_s, {u"Дата продажи"_s, u"дата-продажи"_s}, {}),
         {{repeated, SettingsTab::fields}}},
        {"field names before statuses",
         withNames(u"Я"_s, {u"А"_s, u"а"_s}, {u" "_s}),
         {{repeated, SettingsTab::fields}}},
        {"blank status",
         withNames(u"Я"_s, {u"А"_s}, {u"Новый"_s, u"\t"_s}),
         {{noStatusName, SettingsTab::statuses}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SettingsRules::check(SettingsRules::trimmed(c.draft)), c.failure) << c.what;
}

TEST(SettingsSave, TrimmedCopyCleansNamesOptionsAndAliases) {
    Journal draft = withNames(u"  Продажи \n"_s, {u" Размер "_s}, {u" Новый "_s});
    draft.fields[0].type = FieldType::choice;
    draft.fields[0].options = {u" S "_s, u""_s, u"   "_s, u"M"_s};
    draft.fields[0].aliases = {u"size"_s, u" "_s, u" размер"_s};
    draft.fields[0].prompt = u" как есть "_s;
    const Journal copy = SettingsRules::trimmed(draft);
    EXPECT_EQ(copy.name, u"Продажи");
    EXPECT_EQ(copy.fields[0].name, u"Размер");
    EXPECT_EQ(copy.fields[0].options, (QStringList{u"S"_s, u"M"_s}));
    EXPECT_EQ(copy.fields[0].aliases, (QStringList{u"size"_s, u"размер"_s}));
    EXPECT_EQ(copy.fields[0].prompt, u" как есть "); // only names, options and aliases are trimmed
    EXPECT_EQ(copy.statuses[0].name, u"Новый");
}

TEST(SettingsConfirmations, CountRecordsWithTheItemNoun) {
    const FieldDef amount = fieldOf(FieldType::number, u"Сумма"_s);
    const StatusDef paid = statusNamed(u"Оплачен"_s);
    const struct {
        int count;
        QString fieldTitle;
        QString statusMessage;
    } cases[] = {
        {0, u"Удалить поле «Сумма»?"_s, u"Записей с этим статусом нет."_s},
        {21, u"Удалить поле «Сумма»? Оно заполнено в 21 заказ."_s, u"У 21 заказ статус станет пустым."_s},
    };
    for (const auto& c : cases) {
        Journal draft = journalOf({amount}, {paid, statusNamed(u"Новый"_s)});
        draft.itemNoun = orders;
        // Records holding the value and the status, and others that hold neither.
        for (int i = 0; i < c.count; ++i) {
            Record r = labelled(u"x"_s, {{amount, FieldValue::ofNumber(i)}});
            r.statusID = paid.id;
            draft.records.append(r);
        }
        Record other = labelled(u"y"_s);
        other.statusID = draft.statuses[1].id;
        draft.records.append(other);
        EXPECT_EQ(SettingsRules::deleteFieldTitle(draft, amount), c.fieldTitle) << c.count;
        EXPECT_EQ(SettingsRules::deleteStatusMessage(draft, paid), c.statusMessage) << c.count;
    }
    EXPECT_EQ(SettingsRules::deleteFieldTitle(Journal{}, std::nullopt), u"Удалить поле?");
    EXPECT_EQ(SettingsRules::deleteStatusTitle(statusNamed(u" Оплачен"_s)), u"Удалить статус « Оплачен»?");
}

// The question before a save counts exactly the records whose values the store then drops.
TEST(SettingsConfirmations, TypeChangeCountsWhatTheStoreDrops) {
    TempDataFolder folder;
    const FieldDef amount = fieldOf(FieldType::text, u"Сумма"_s);
    const FieldDef due = fieldOf(FieldType::date, u"Срок"_s);
    const FieldDef paid = fieldOf(FieldType::checkbox, u"Оплачено"_s);
    Journal journal = journalOf({amount, due, paid});
    journal.itemNoun = orders;
    journal.records = {
        typed({{&amount, u"1 500,5"_s}, {&due, u"05.03.2024"_s}}),
        typed({{&amount, u"abc"_s}}),
        typed({{&amount, u"7"_s}, {&paid, u"да"_s}}),
        typed({{&due, u"01.01.2024"_s}}),
        typed({}),
    };
    const struct {
        const char* what;
        QList<std::pair<FieldDef, FieldType>> changes;
        SettingsRules::TypeChangeLoss loss;
        QString title;
    } cases[] = {
        {"text to number drops one",
         {{amount, FieldType::number}},
         {{u"Сумма"_s}, 1},
         u"Изменить тип поля «Сумма»?"_s},
        {"to text keeps everything", {{amount, FieldType::longText}, {due, FieldType::text}}, {}, {}},
        {"date to number drops both", {{due, FieldType::number}}, {{u"Срок"_s}, 2}, {}},
        {"a record counts once",
         {{amount, FieldType::date}, {due, FieldType::checkbox}},
         {{u"Сумма"_s, u"Срок"_s}, 4},
         u"Изменить тип полей?"_s},
        {"a ticked box becomes «да»", {{paid, FieldType::text}}, {}, {}},
    };
    for (const auto& c : cases) {
        AppStore store(folder.dataPath(), folder.clock());
        store.setJournals({journal});
        Journal edited = journal;
        for (const auto& [field, type] : c.changes) {
            for (FieldDef& f : edited.fields)
                if (f.id == field.id)
                    f.type = type;
        }
        const SettingsRules::TypeChangeLoss loss =
            SettingsRules::typeChangeLoss(journal.fields, edited, store.calendar(), store.clock());
        EXPECT_EQ(loss, c.loss) << c.what;
        if (!c.title.isEmpty()) {
            EXPECT_EQ(SettingsRules::typeChangeTitle(loss), c.title) << c.what;
        }

        store.updateSettings(edited);
        qsizetype emptied = 0;
        for (qsizetype i = 0; i < journal.records.size(); ++i)
            emptied +=
                store.journals()[0].records[i].values.size() < journal.records[i].values.size() ? 1 : 0;
        EXPECT_EQ(emptied, loss.records) << c.what;
    }
    EXPECT_EQ(SettingsRules::typeChangeMessage({{u"Сумма"_s}, 21}, orders),
              u"Значения в 21 заказ не подходят к новому типу и будут удалены.");
}
