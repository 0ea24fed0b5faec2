#include "RecordFixtures.h"
#include "SettingsFixture.h"
#include "core/templates/Templates.h"
#include "views/settings/FieldEditor.h"

#include <QAction>
#include <QCheckBox>
#include <QMimeData>
#include <QToolButton>

#include <memory>

using namespace TestSupport;
using namespace Qt::StringLiterals;
using namespace Settings;

namespace {

struct FieldsSheet : SettingsSheet {
    explicit FieldsSheet(const Journal& journal) : SettingsSheet(journal) { showTab(SettingsTab::fields); }
    QListView* fields() const { return list(u"fieldList"_s); }
    // The editor of the selected field; null while none is selected.
    FieldEditor* editor() const { return find<FieldEditor>(); }
    bool shown(const QString& name) const { return find<QWidget>(name)->isVisible(); }
};

} // namespace

TEST(FieldsPage, AddedFieldsRowsByTypeComeAndGoKeepingWhatWasTyped) {
    FieldsSheet sheet(Templates::sales());
    sheet.find<QAction>(u"addField.choice"_s)->trigger();
    EXPECT_EQ(SettingsSheet::rows(sheet.fields()).last(), u"Новое поле");
    ASSERT_TRUE(sheet.editor());
    EXPECT_EQ(SettingsSheet::selected(sheet.fields()), SettingsSheet::ids(sheet.fields()).last());
    EXPECT_EQ(sheet.editor()->itemID(), SettingsSheet::ids(sheet.fields()).last());
    SettingsSheet::type(sheet.find<QPlainTextEdit>(u"fieldOptions"_s), u"S\n\u00A0M\n"_s);
    SettingsSheet::type(sheet.find<QLineEdit>(u"fieldAliases"_s), u"size, размер"_s);
    EXPECT_EQ(sheet.find<QLineEdit>(u"fieldAliases"_s)->text(), u"size, размер")
        << "typed text is not rewritten";

    auto* type = sheet.find<QComboBox>(u"fieldType"_s);
    SettingsSheet::choose(type, u"Число"_s);
    EXPECT_FALSE(sheet.shown(u"fieldOptions"_s));
    EXPECT_TRUE(sheet.shown(u"fieldUnit"_s));
    SettingsSheet::type(sheet.find<QLineEdit>(u"fieldUnit"_s), u"кг"_s);
    SettingsSheet::choose(type, u"Выбор из списка"_s);
    EXPECT_TRUE(sheet.shown(u"fieldOptions"_s));
    EXPECT_FALSE(sheet.shown(u"fieldUnit"_s));
    // What was typed is kept through the type changes, and stored trimmed.
    sheet.saveButton()->click();
    const FieldDef& field = sheet.stored().fields.last();
    EXPECT_EQ(std::tuple(field.type, field.unit, field.options, field.aliases),
              std::tuple(FieldType::choice, u"кг"_s, QStringList{u"S"_s, u"M"_s},
                         QStringList{u"size"_s, u"размер"_s}));
}

TEST(FieldsPage, TitleToggleFollowsTheTypeAndMovesBetweenFields) {
    Journal journal = Templates::sales();
    FieldsSheet sheet(journal);
    SettingsSheet::select(sheet.fields(), 2); // the title field
    auto* isTitle = sheet.find<QCheckBox>(u"fieldIsTitle"_s);
    EXPECT_TRUE(isTitle->isChecked());
    auto* type = sheet.find<QComboBox>(u"fieldType"_s);
    for (const auto& [entry, enabled] :
         {std::pair{u"Число"_s, false}, std::pair{u"Дата"_s, false}, std::pair{u"Флажок (да/нет)"_s, false},
          std::pair{u"Ссылка"_s, true}}) {
        SettingsSheet::choose(type, entry);
        EXPECT_EQ(isTitle->isEnabled(), enabled) << entry.toStdString();
        EXPECT_TRUE(isTitle->isChecked()) << entry.toStdString();
    }
    EXPECT_EQ(sheet.generalPick(u"titleField"_s), journal.fields[2].name);

    SettingsSheet::select(sheet.fields(), 1);
    isTitle = sheet.find<QCheckBox>(u"fieldIsTitle"_s);
    EXPECT_FALSE(isTitle->isChecked());
    isTitle->click();
    EXPECT_EQ(sheet.generalPick(u"titleField"_s), journal.fields[1].name);
    SettingsSheet::select(sheet.fields(), 2);
    EXPECT_FALSE(sheet.find<QCheckBox>(u"fieldIsTitle"_s)->isChecked());
    SettingsSheet::select(sheet.fields(), 1);
    sheet.find<QCheckBox>(u"fieldIsTitle"_s)->click();
    EXPECT_EQ(sheet.generalPick(u"titleField"_s), u"—");
}

TEST(FieldsPage, DroppingTheLastRowOnTopKeepsTheSelectedEditor) {
    FieldsSheet sheet(Templates::sales());
    SettingsSheet::select(sheet.fields(), 3);
    FieldEditor* editor = sheet.editor();
    DraftListModel* model = qobject_cast<DraftListModel*>(sheet.fields()->model());
    std::unique_ptr<QMimeData> dragged(model->mimeData({model->index(model->rowCount() - 1)}));
    model->dropMimeData(dragged.get(), Qt::MoveAction, 0, 0, {});
    EXPECT_EQ(SettingsSheet::ids(sheet.fields()).first(), sheet.journal.fields.last().id);
    EXPECT_EQ(std::pair(sheet.editor(), sheet.fields()->currentIndex().row()), std::pair(editor, 4));
}

// A save that would drop values of a retyped field asks first; "Отмена" keeps the sheet open.
TEST(FieldsPage, RetypingThatDropsValuesAsksBeforeSaving) {
    Journal journal = Templates::sales();
    journal.records.append(typed({{&journal.fields[1], u"ООО Ромашка"_s}}));
    FieldsSheet sheet(journal);
    SettingsSheet::select(sheet.fields(), 1);
    SettingsSheet::choose(sheet.find<QComboBox>(u"fieldType"_s), u"Число"_s);
    sheet.saveButton()->click();
    sheet.answer(u"Отмена"_s);
    EXPECT_TRUE(sheet.view->isVisible());
    EXPECT_EQ(sheet.stored(), journal);
}

TEST(StatusesPage, EditorTogglesPickerAndRemoval) {
    Journal journal = Templates::sales();
    SettingsSheet sheet(journal);
    // A date field retyped on the fields page names no choice of "Ставить дату" any more.
    sheet.showTab(SettingsTab::fields);
    SettingsSheet::select(sheet.list(u"fieldList"_s), 6);
    SettingsSheet::choose(sheet.find<QComboBox>(u"fieldType"_s), u"Текст"_s);
    sheet.showTab(SettingsTab::statuses);
    QListView* statuses = sheet.list(u"statusList"_s);
    EXPECT_EQ(sheet.find<QComboBox>(u"statusDateField"_s)->currentIndex(), -1);
    EXPECT_EQ(SettingsSheet::entries(sheet.find<QComboBox>(u"statusDateField"_s)),
              (QStringList{u"Не ставить"_s, u"Дата оплаты"_s, u"Дата отгрузки"_s, u"Дата возврата"_s}));
    EXPECT_TRUE(sheet.find<QCheckBox>(u"statusIsDefault"_s)->isChecked());

    // The default moves to the second status.
    SettingsSheet::select(statuses, 1);
    sheet.find<QCheckBox>(u"statusIsDefault"_s)->click();
    EXPECT_EQ(sheet.generalPick(u"defaultStatus"_s), journal.statuses[1].name);
    SettingsSheet::select(statuses, 0);
    EXPECT_FALSE(sheet.find<QCheckBox>(u"statusIsDefault"_s)->isChecked());

    sheet.find<QAction>(u"addStatus"_s)->trigger();
    ASSERT_EQ(SettingsSheet::ids(statuses).size(), journal.statuses.size() + 1);
    EXPECT_EQ(SettingsSheet::selected(statuses), SettingsSheet::ids(statuses).last());
    sheet.find<QAction>(u"removeStatus"_s)->trigger();
    sheet.answer(u"Удалить статус"_s);
    EXPECT_EQ(SettingsSheet::rows(statuses).size(), journal.statuses.size());
    EXPECT_EQ(SettingsSheet::selected(statuses), journal.statuses[0].id);
}
