#include "SettingsFixture.h"
#include "ShellSamples.h"
#include "core/templates/Templates.h"

#include <QPushButton>

using namespace TestSupport;
using namespace Qt::StringLiterals;
using namespace Settings;

namespace {

// A sales journal with records that fill its amount and carry its first status.
Journal salesWithRecords(int count) {
    Journal journal = Templates::sales();
    const FieldDef amount = journal.fields[4];
    for (int i = 0; i < count; ++i) {
        Record r{QUuid::createUuid(), journal.statuses[0].id, {}, journal.createdAt, journal.createdAt};
        r.values.insert(idText(amount.id), FieldValue::ofNumber(100 + i));
        journal.records.append(r);
    }
    return journal;
}

} // namespace

TEST(JournalSettingsView, FailedSaveShowsItsMessageOnItsPageUntilTheNextSave) {
    SettingsSheet sheet(Templates::sales());
    ASSERT_TRUE(sheet.view);
    SettingsSheet::type(sheet.find<QLineEdit>(u"journalName"_s), u"   "_s);
    sheet.showTab(SettingsTab::fields);
    SettingsSheet::type(sheet.find<QLineEdit>(u"fieldName"_s), u"сумма"_s);
    sheet.showTab(SettingsTab::statuses);
    sheet.saveButton()->click();
    EXPECT_TRUE(sheet.find<QAbstractButton>(u"tab.general"_s)->isChecked());
    EXPECT_EQ(sheet.message()->text(), u"Укажите название журнала.");

    // Correcting the draft leaves the message; the next save replaces it.
    SettingsSheet::type(sheet.find<QLineEdit>(u"journalName"_s), u"Продажи"_s);
    sheet.showTab(SettingsTab::statuses);
    EXPECT_TRUE(sheet.message()->isVisible());
    sheet.saveButton()->click();
    EXPECT_TRUE(sheet.find<QAbstractButton>(u"tab.fields"_s)->isChecked());
    EXPECT_EQ(sheet.message()->text(), u"Названия полей повторяются — так их не различить при импорте CSV.");
    EXPECT_EQ(sheet.stored(), sheet.journal) << "a failed save stores nothing";
    EXPECT_TRUE(sheet.view->isVisible());
}

TEST(JournalSettingsView, SaveStoresTheTrimmedDraftKeepsTheRecordsAndCloses) {
    SettingsSheet sheet(salesWithRecords(3));
    // Records changed elsewhere after the sheet opened are the ones kept.
    Record later = sheet.stored().records.first();
    later.values.clear();
    sheet.store->updateRecord(later, sheet.journal.id);
    const QList<Record> records = sheet.stored().records;

    SettingsSheet::type(sheet.find<QLineEdit>(u"journalName"_s), u"  Заказы \t"_s);
    // Return in a single-line box saves.
    QTest::keyClick(sheet.find<QLineEdit>(u"journalName"_s), Qt::Key_Return);
    EXPECT_EQ(sheet.stored().name, u"Заказы");
    EXPECT_EQ(sheet.stored().records, records);
    EXPECT_EQ(sheet.stored().fields, sheet.journal.fields);
    EXPECT_FALSE(sheet.shown<JournalSettingsView>(u"settingsSheet"_s));
}

TEST(JournalSettingsView, LookingAroundAndCancellingChangesNothing) {
    Journal journal = salesWithRecords(2);
    journal.defaultStatusID = QUuid::createUuid(); // names nothing: shown blank, kept as it is
    SettingsSheet sheet(journal);
    const QByteArray file = sheet.folder.read(u"data.json"_s);
    sheet.showTab(SettingsTab::general);
    EXPECT_EQ(sheet.find<QComboBox>(u"defaultStatus"_s)->currentIndex(), -1);

    // Return in a multi-line box adds a line and saves nothing.
    auto* hint = sheet.find<QPlainTextEdit>(u"hint"_s);
    hint->setFocus();
    hint->moveCursor(QTextCursor::End);
    QTest::keyClick(hint, Qt::Key_Return);
    EXPECT_TRUE(sheet.view->isVisible());
    EXPECT_EQ(hint->toPlainText(), journal.hint + u'\n');

    sheet.showTab(SettingsTab::fields);
    sheet.find<QAction>(u"removeField"_s)->trigger();
    sheet.answer(u"Удалить поле"_s);
    ASSERT_EQ(SettingsSheet::rows(sheet.list(u"fieldList"_s)).size(), journal.fields.size() - 1);
    QTest::keyClick(sheet.view, Qt::Key_Escape);
    EXPECT_FALSE(sheet.router->settings());
    EXPECT_EQ(sheet.stored(), journal);
    EXPECT_EQ(sheet.folder.read(u"data.json"_s), file);

    // Showing the pages writes nothing into the draft: saved then, it stores the journal as it was, tidied
    // as every save tidies it.
    sheet.router->setSettings(SettingsItem{QUuid::createUuid(), journal.id});
    sheet.view = sheet.shown<JournalSettingsView>(u"settingsSheet"_s);
    ASSERT_TRUE(sheet.view);
    for (SettingsTab tab : allSettingsTabs)
        sheet.showTab(tab);
    sheet.saveButton()->click();
    EXPECT_FALSE(sheet.router->settings());
    EXPECT_EQ(sheet.stored(), journal.sanitized()) << "showing the pages writes nothing into the draft";
}

TEST(JournalSettingsView, FieldRemovalAsksCountingTheDraftsRecords) {
    SettingsSheet sheet(salesWithRecords(21));
    sheet.showTab(SettingsTab::fields);
    QListView* fields = sheet.list(u"fieldList"_s);
    SettingsSheet::select(fields, 4);
    sheet.find<QAction>(u"removeField"_s)->trigger();
    QMessageBox* box = SettingsSheet::confirmation(sheet.view);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->informativeText(),
              u"Значения этого поля будут удалены из всех записей после сохранения настроек.");
    EXPECT_EQ(box->focusWidget(), boxButton(box, u"Отмена"_s));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(box->isVisible()) << "Return confirms nothing";

    sheet.answer(u"Отмена"_s);
    QList<QUuid> fieldIDs;
    for (const FieldDef& field : sheet.journal.fields)
        fieldIDs.append(field.id);
    EXPECT_EQ(SettingsSheet::ids(fields), fieldIDs);
    EXPECT_EQ(SettingsSheet::selected(fields), sheet.journal.fields[4].id);
    // The field is no longer waiting for removal: the next question is about what is asked next.
    sheet.showTab(SettingsTab::statuses);
    sheet.find<QAction>(u"removeStatus"_s)->trigger();
    ASSERT_TRUE(SettingsSheet::confirmation(sheet.view));
    EXPECT_TRUE(boxButton(SettingsSheet::confirmation(sheet.view), u"Удалить статус"_s));
    sheet.answer(u"Отмена"_s);
    sheet.showTab(SettingsTab::fields);

    sheet.find<QAction>(u"removeField"_s)->trigger();
    sheet.answer(u"Удалить поле"_s);
    fieldIDs.removeAt(4);
    EXPECT_EQ(SettingsSheet::ids(fields), fieldIDs);
    EXPECT_EQ(SettingsSheet::selected(fields), sheet.journal.fields[0].id);
    EXPECT_EQ(SettingsSheet::rows(fields).size(), sheet.journal.fields.size() - 1);
    // The records keep the field's values until the save, where the store drops them.
    sheet.saveButton()->click();
    QList<Record> cleaned = sheet.journal.records;
    for (Record& record : cleaned)
        record.values.remove(idText(sheet.journal.fields[4].id));
    EXPECT_EQ(sheet.stored().records, cleaned) << "records are cleaned by the store on save";
}

TEST(JournalSettingsView, CounterCaptionRowComesAndGoesKeepingItsText) {
    Journal journal = Templates::sales();
    journal.counterTitle.clear();
    SettingsSheet sheet(journal);
    auto* counter = sheet.find<QComboBox>(u"counterField"_s);
    auto* caption = sheet.find<QLineEdit>(u"counterTitle"_s);
    EXPECT_FALSE(caption->isVisible());
    SettingsSheet::choose(counter, u"Количество"_s);
    EXPECT_TRUE(caption->isVisible());
    EXPECT_EQ(caption->placeholderText(), u"+1 шт");
    SettingsSheet::type(caption, u"+1 шт"_s);
    SettingsSheet::choose(counter, u"Нет"_s);
    EXPECT_FALSE(caption->isVisible());
    SettingsSheet::choose(counter, u"Сумма"_s);
    EXPECT_EQ(caption->text(), u"+1 шт");
    // Without a counter the caption is kept all the same.
    SettingsSheet::choose(counter, u"Нет"_s);
    sheet.saveButton()->click();
    EXPECT_FALSE(sheet.stored().counterFieldID);
    EXPECT_EQ(sheet.stored().counterTitle, u"+1 шт");
}

TEST(JournalSettingsView, SavingAJournalDeletedMeanwhileStoresNothingAndCloses) {
    Shell shell;
    JournalSettingsView view(*shell.store, *shell.router, salesWithRecords(2), shell.window.get());
    view.open();
    view.findChild<QPushButton*>(u"save"_s)->click();
    EXPECT_FALSE(SettingsSheet::confirmation(&view));
    EXPECT_EQ(view.result(), QDialog::Accepted);
    EXPECT_TRUE(shell.store->journals().isEmpty());
}
