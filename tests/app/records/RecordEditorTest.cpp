#include "app/records/RecordEditor.h"
#include "RecordFixtures.h"
#include "TestSupport.h"
#include "core/journal/DuplicateIndex.h"

using namespace Qt::StringLiterals;
using namespace TestSupport;
using namespace Records;

namespace {

// Orders with a unique number and a title; `count` stored orders all numbered "7", every other one paid.
struct Orders {
    FieldDef number = fieldOf(FieldType::text, u"Номер"_s, u"u");
    FieldDef item = fieldOf(FieldType::text, u"Товар"_s);
    StatusDef paid = statusNamed(u"Оплачен"_s);
    Journal journal;

    explicit Orders(int count = 0) {
        journal = journalOf({number, item}, {paid});
        journal.titleFieldID = item.id;
        for (int i = 1; i <= count; ++i) {
            Record r = typed({{&number, u"7"_s}, {&item, u"Чай "_s + QString::number(i)}});
            r.statusID = i % 2 ? std::optional(paid.id) : std::nullopt;
            journal.records.append(r);
        }
    }
};

} // namespace

TEST(RecordEditorRules, NumberDraftWarningsAndSteps) {
    const struct {
        std::optional<QString> draft;
        std::optional<QString> warning;
    } drafts[] = {
        {std::nullopt, std::nullopt},          {u""_s, std::nullopt},
        {u"1 000,5"_s, std::nullopt},          {u"   "_s, u"«   » — не число"_s},
        {u"1e999"_s, u"«1e999» — не число"_s},
    };
    for (const auto& c : drafts)
        EXPECT_EQ(RecordEditor::numberWarning(c.draft), c.warning) << c.draft.value_or(u"-"_s).toStdString();

    const struct {
        std::optional<double> number;
        double delta, result;
    } steps[] = {{std::nullopt, 1, 1}, {std::nullopt, -1, 0}, {2.5, 1, 3.5}, {0.5, -1, 0}, {-3, 1, 0}};
    for (const auto& c : steps)
        EXPECT_EQ(RecordEditor::stepped(c.number, c.delta), c.result) << c.number.value_or(-99) << c.delta;
}

TEST(RecordEditorRules, CursorStartsOnlyInAFirstTextOrNumberBox) {
    using enum FieldType;
    const struct {
        QList<FieldType> types;
        int focused; // position of the focused field, -1 for none
    } cases[] = {
        {{date, checkbox, text}, 2},
        {{number, text}, 0},
        {{link, text}, -1},
        {{longText, text}, -1},
        {{}, -1},
    };
    for (const auto& c : cases) {
        QList<FieldDef> fields;
        for (FieldType t : c.types)
            fields.append(fieldOf(t));
        const Journal journal = journalOf(fields);
        EXPECT_EQ(RecordEditor::initialFocus(journal, true),
                  c.focused < 0 ? std::nullopt : std::optional(fields[c.focused].id))
            << c.types.size();
        EXPECT_EQ(RecordEditor::initialFocus(journal, false), std::nullopt);
    }
}

TEST(RecordEditorRules, DuplicatesOfTheRecordAsStoredPassingOverItself) {
    Orders o(1);
    const FieldDef site = fieldOf(FieldType::link, u"Сайт"_s, u"u");
    o.journal.fields.append(site);
    put(o.journal.records[0], site, FieldValue::ofText(u"https://example.com"_s));
    // Typed without its scheme and with blanks, the link is found as the store would keep it.
    Record working;
    working.id = QUuid::createUuid();
    put(working, site, FieldValue::ofText(u" example.com "_s));
    EXPECT_EQ(RecordEditor::duplicates(o.journal, working, DuplicateIndex(o.journal)).size(), 1);
    EXPECT_TRUE(
        RecordEditor::duplicates(o.journal, o.journal.records[0], DuplicateIndex(o.journal)).isEmpty());
}

TEST(RecordEditorRules, DuplicateTextsAreBoundedAndNameTheStatus) {
    Orders o(7);
    o.journal.records[1].statusID = QUuid::createUuid(); // a status the journal no longer has
    const auto found =
        RecordEditor::duplicates(o.journal, typed({{&o.number, u"7"_s}}), DuplicateIndex(o.journal));
    ASSERT_EQ(found.size(), 7);
    EXPECT_EQ(RecordEditor::duplicateSection(o.journal, found),
              (QStringList{u"Номер «7» уже есть: Чай 1, Номер 7 — Оплачен"_s,
                           u"Номер «7» уже есть: Чай 2, Номер 7 — без статуса"_s,
                           u"Номер «7» уже есть: Чай 3, Номер 7 — Оплачен"_s}));
    QStringList bullets;
    for (int i = 1; i <= 5; ++i)
        bullets.append(u"• Номер «7» уже есть: Чай "_s + QString::number(i) + u", Номер 7"_s);
    EXPECT_EQ(RecordEditor::duplicateAlertText(o.journal, found),
              bullets.join(u'\n') + u"\n\nЕсли дубль намеренный, запись можно сохранить."_s);
    EXPECT_EQ(RecordEditor::duplicateAlertText(o.journal, found.first(4)).count(u"• "_s), 4);
}
