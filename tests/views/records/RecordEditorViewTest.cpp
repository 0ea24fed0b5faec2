#include "records/RecordEditorView.h"
#include "RecordFixtures.h"
#include "SheetTyping.h"
#include "ShellFixture.h"
#include "cells/OptionalDateRow.h"
#include "cells/WarningLabel.h"
#include "records/EditorRows.h"
#include "FormSection.h"
#include "records/StatusPicker.h"
#include "templates/Templates.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace testsupport;

namespace {

// Orders with a unique number, a title, an amount and `statuses` statuses, over the whole shell.
struct Editor : Shell {
    FieldDef number = fieldOf(FieldType::text, u"Номер"_s, u"u");
    FieldDef item = fieldOf(FieldType::text, u"Товар"_s);
    FieldDef amount = fieldOf(FieldType::number, u"Сумма"_s);
    Journal journal;
    RecordEditorView* view = nullptr;

    explicit Editor(int statuses = 1, const QList<Record>& stored = {}, const QList<FieldDef>& more = {})
        : Shell({}, false) {
        QList<StatusDef> list;
        for (int i = 0; i < statuses; ++i)
            list.append(statusNamed(u"Статус "_s + QString::number(i + 1)));
        journal = journalOf(QList<FieldDef>{number, item, amount} + more, list);
        journal.id = QUuid::createUuid();
        journal.name = u"Заказы"_s;
        journal.titleFieldID = item.id;
        journal.records = stored;
        store->addJournal(journal);
        show();
    }
    explicit Editor(const Journal& j) : Shell({j}), journal(j) {}

    RecordEditorView* open(const Record& record, bool isNew) {
        router->setEditor(EditorItem{QUuid::createUuid(), journal.id, record, isNew});
        view = qobject_cast<RecordEditorView*>(content().editorSheet());
        if (view)
            (void)QTest::qWaitForWindowExposed(view);
        return view;
    }
    RecordEditorView* openNew() { return open(journal.newRecord(folder.now), true); }
    Record order(const QString& n, const QString& what) const { return typed({{&number, n}, {&item, what}}); }
    QLineEdit* box(const FieldDef& field) const {
        return qobject_cast<QLineEdit*>(view->row(field.id)->focusBox());
    }
    QList<Record> stored() const { return store->journal(journal.id)->records; }
    bool closed() const { return !content().editorSheet() && !router->editor(); }
};

} // namespace

TEST(RecordEditorView, SectionsAndStatusPickerFollowTheJournal) {
    const struct {
        int statuses;
        QList<FieldDef> more;
        QStringList sections;
    } cases[] = {
        {5, {}, {u"Поля"_s, u"Статус"_s}},
        {6, {fieldOf(FieldType::longText, u"Примечание"_s)}, {u"Поля"_s, u"Статус"_s, u"Дополнительно"_s}},
        {0, {}, {u"Поля"_s}},
    };
    for (const auto& c : cases) {
        Editor e(c.statuses, {}, c.more);
        // A record without status: the picker shows nothing chosen, in either style.
        ASSERT_TRUE(e.open(e.order(u"1"_s, u"Чай"_s), true));
        QStringList shown;
        for (FormSection* s : e.view->findChildren<FormSection*>())
            if (!s->isHidden())
                shown.append(s->title());
        EXPECT_EQ(shown, c.sections) << c.statuses;
        if (StatusPicker* picker = e.view->statusPicker()) {
            EXPECT_EQ(picker->buttons() != nullptr, c.statuses <= 5);
            EXPECT_EQ(picker->buttons() ? picker->buttons()->checkedId() : picker->combo()->currentIndex(),
                      -1);
        }
    }

    // Without fields nothing can be added, and Return does nothing.
    Journal empty = journalOf({});
    empty.id = QUuid::createUuid();
    Editor e(empty);
    ASSERT_TRUE(e.openNew());
    EXPECT_FALSE(e.view->saveButton()->isEnabled());
    QTest::keyClick(e.view, Qt::Key_Return);
    EXPECT_FALSE(e.closed());
    EXPECT_TRUE(e.stored().isEmpty());
}

TEST(RecordEditorView, NumberBoxKeepsTheDraftAndNeverRoundsAStoredValue) {
    Editor e;
    Record stored = e.order(u"1"_s, u"Чай"_s);
    put(stored, e.amount, FieldValue::ofNumber(0.125));
    e.store->addRecords({stored}, e.journal.id);
    ASSERT_TRUE(e.open(stored, false));
    EXPECT_EQ(e.box(e.amount)->text(), u"0,12"_s);
    WarningLabel* warning = e.view->row(e.amount.id)->findChild<WarningLabel*>();
    QToolButton* up = e.view->row(e.amount.id)->findChild<QToolButton*>(u"stepUp"_s);

    const struct {
        QString typed;
        std::optional<double> number;
    } drafts[] = {{u"1 000,5"_s, 1000.5}, {u"12abc"_s, std::nullopt}, {u""_s, std::nullopt}};
    for (const auto& c : drafts) {
        typeText(e.box(e.amount), c.typed);
        EXPECT_EQ(e.view->record().number(e.amount.id), c.number) << c.typed.toStdString();
        EXPECT_EQ(warning->isHidden(), c.typed != u"12abc"_s) << c.typed.toStdString();
        // Typing elsewhere keeps the draft as typed.
        typeText(e.box(e.item), u"Кофе"_s);
        EXPECT_EQ(e.box(e.amount)->text(), c.typed);
    }
    // A step replaces the draft: from no number up gives 1; a negative number steps to 0.
    typeText(e.box(e.amount), u"12abc"_s);
    up->click();
    EXPECT_EQ(e.view->record().number(e.amount.id), 1.0);
    EXPECT_EQ(e.box(e.amount)->text(), u"1"_s);
    EXPECT_TRUE(warning->isHidden());
    typeText(e.box(e.amount), u"-3"_s);
    up->click();
    EXPECT_EQ(e.view->record().number(e.amount.id), 0.0);

    // Saved after editing the title only, the stored 0.125 stays exact.
    ASSERT_TRUE(e.open(stored, false));
    typeText(e.box(e.item), u"Чай зелёный"_s);
    QTest::keyClick(e.box(e.item), Qt::Key_Return);
    ASSERT_TRUE(e.closed());
    EXPECT_EQ(e.stored().first().number(e.amount.id), 0.125);
    EXPECT_EQ(e.stored().first().text(e.item.id), u"Чай зелёный"_s);
}

TEST(RecordEditorView, RowsShowTheItemsValuesAndAStatusStampsOnlyEmptyDates) {
    Journal sales = Templates::sales();
    sales.id = QUuid::createUuid();
    const auto field = [&](const QString& key) -> const FieldDef& {
        return *std::find_if(sales.fields.cbegin(), sales.fields.cend(),
                             [&](const FieldDef& f) { return f.key == key; });
    };
    const QDateTime ordered = at("Europe/Moscow", 2023, 10, 1);
    // A copy made for a new record: its unique number removed, the rest kept.
    Record copy = typed({{&field(u"item"_s), u"Чай"_s}, {&field(u"channel"_s), u"Ярмарка"_s}});
    put(copy, field(u"orderDate"_s), FieldValue::ofDate(ordered));
    copy.statusID = sales.statuses[0].id;
    Editor e(sales);
    ASSERT_TRUE(e.open(copy, true));
    EXPECT_EQ(e.view->title(), u"Новая запись · Продажи"_s);
    EXPECT_TRUE(e.box(field(u"number"_s))->text().isEmpty());
    EXPECT_EQ(e.box(field(u"item"_s))->text(), u"Чай"_s);
    // A choice from outside the list is listed last and selected.
    QComboBox* channel = e.view->row(field(u"channel"_s).id)->findChild<QComboBox*>();
    EXPECT_EQ(channel->currentText(), u"Ярмарка"_s);
    EXPECT_EQ(channel->currentIndex(), channel->count() - 1);

    // "Оплачен" fills the previous statuses' dates too, but never one already set.
    e.view->statusPicker()->buttons()->button(1)->click();
    EXPECT_EQ(e.view->record().date(field(u"orderDate"_s).id), ordered);
    EXPECT_EQ(e.view->record().date(field(u"paidDate"_s).id), at("Europe/Moscow", 2023, 11, 15));
    EXPECT_TRUE(e.view->row(field(u"paidDate"_s).id)->findChild<OptionalDateRow*>()->toggle()->isChecked());
    // Nothing is stored until the user saves; Escape stores nothing at all.
    const QByteArray file = readFile(e.store->fileURL());
    QTest::keyClick(e.view, Qt::Key_Escape);
    EXPECT_TRUE(e.closed());
    EXPECT_EQ(readFile(e.store->fileURL()), file);
}

TEST(RecordEditorView, SaveRoadAddsUpdatesAndAsksAboutDuplicates) {
    Editor e;
    Record first = e.order(u"7"_s, u"Чай"_s);
    first.statusID = e.journal.statuses[0].id;
    e.store->addRecords({first}, e.journal.id);

    // A repeated number shows in the form, and saving asks first; going back keeps every edit.
    ASSERT_TRUE(e.openNew());
    EXPECT_EQ(e.view->focusWidget(), e.box(e.number));
    typeText(e.box(e.number), u"7"_s);
    typeText(e.box(e.amount), u"5x"_s);
    EXPECT_EQ(e.view->duplicateLines(), QStringList{u"Номер «7» уже есть: Чай, Номер 7 — Статус 1"_s});
    QTest::keyClick(e.box(e.number), Qt::Key_Return);
    QMessageBox* alert = e.view->openBox();
    ASSERT_TRUE(alert && alert->focusWidget());
    EXPECT_EQ(alert->informativeText(),
              u"• Номер «7» уже есть: Чай, Номер 7\n\nЕсли дубль намеренный, запись можно сохранить."_s);
    QTest::keyClick(alert->focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(alert->isVisible());
    alert->findChild<QPushButton*>(u"back"_s)->click();
    EXPECT_EQ(e.box(e.amount)->text(), u"5x"_s);
    EXPECT_EQ(e.stored().size(), 1);
    e.view->saveButton()->click();
    e.view->openBox()->findChild<QPushButton*>(u"confirm"_s)->click();
    ASSERT_TRUE(e.closed());
    ASSERT_EQ(e.stored().size(), 2);
    EXPECT_EQ(e.stored()[1].text(e.number.id), u"7"_s);

    // Updating replaces the record in place, changed now; editing starts with no box focused.
    e.folder.now = e.folder.now.addSecs(60);
    ASSERT_TRUE(e.open(e.stored()[1], false));
    EXPECT_EQ(e.view->focusWidget(), e.view->form());
    EXPECT_EQ(e.view->duplicateLines().size(), 1);
    typeText(e.box(e.number), u"8"_s);
    typeText(e.box(e.item), u"Кофе"_s);
    EXPECT_EQ(e.view->title(), u"Изменить: Кофе"_s);
    e.view->saveButton()->click();
    ASSERT_TRUE(e.closed());
    EXPECT_EQ(e.stored()[1].text(e.item.id), u"Кофе"_s);
    EXPECT_EQ(e.stored()[1].updatedAt, e.folder.now);
}

TEST(RecordEditorView, DeleteAsksWithAWayOut) {
    Editor e;
    const Record first = e.order(u"1"_s, u"Чай"_s);
    e.store->addRecords({first}, e.journal.id);
    ASSERT_TRUE(e.open(first, true));
    EXPECT_FALSE(e.view->deleteButton());

    ASSERT_TRUE(e.open(first, false));
    e.view->deleteButton()->click();
    QMessageBox* box = e.view->openBox();
    ASSERT_TRUE(box && box->focusWidget());
    EXPECT_EQ(box->text(), u"Удалить запись?"_s);
    // Space on the focused button cancels; so does Escape.
    QTest::keyClick(box->focusWidget(), Qt::Key_Space);
    EXPECT_FALSE(e.view->openBox());
    e.view->deleteButton()->click();
    QTest::keyClick(e.view->openBox(), Qt::Key_Escape);
    EXPECT_EQ(e.stored().size(), 1);
    e.view->deleteButton()->click();
    e.view->openBox()->findChild<QPushButton*>(u"confirm"_s)->click();
    EXPECT_TRUE(e.closed());
    EXPECT_TRUE(e.stored().isEmpty());
}
