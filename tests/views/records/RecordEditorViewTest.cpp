#include "views/records/RecordEditorView.h"
#include "RecordFixtures.h"
#include "SheetTyping.h"
#include "ShellFixture.h"
#include "core/templates/Templates.h"
#include "views/cells/WarningLabel.h"
#include "views/kit/FormSection.h"
#include "views/records/StatusPicker.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

// Orders with a unique number, a title, an amount and `statuses` statuses, over the whole shell. What the
// form shows and checks is worked out by rules tested without it; here the sheet's own behaviour.
struct Editor : Shell {
    FieldDef number = fieldOf(FieldType::text, u"Номер"_s, u"u");
    FieldDef item = fieldOf(FieldType::text, u"Товар"_s);
    FieldDef amount = fieldOf(FieldType::number, u"Сумма"_s);
    Journal journal;
    RecordEditorView* view = nullptr;

    explicit Editor(int statuses = 1, const QList<FieldDef>& more = {}) : Shell({}, false) {
        QList<StatusDef> list;
        for (int i = 0; i < statuses; ++i)
            list.append(statusNamed(u"Статус "_s + QString::number(i + 1)));
        journal = journalOf(QList<FieldDef>{number, item, amount} + more, list);
        journal.id = QUuid::createUuid();
        journal.name = u"Заказы"_s;
        journal.titleFieldID = item.id;
        store->addJournal(journal);
        show();
    }

    RecordEditorView* open(const Record& record, bool isNew) {
        router->setEditor(EditorItem{QUuid::createUuid(), journal.id, record, isNew});
        view = shown<RecordEditorView>();
        if (view)
            (void)QTest::qWaitForWindowExposed(view);
        return view;
    }
    RecordEditorView* openNew() { return open(journal.newRecord(folder.now), true); }
    Record order(const QString& n, const QString& what) const { return typed({{&number, n}, {&item, what}}); }
    template <class T = QLineEdit> T* in(const QString& name) const { return visibleIn<T>(view, name); }
    QMessageBox* box() const { return visibleIn<QMessageBox>(view); }
    QList<Record> stored() const { return store->journal(journal.id)->records; }
    bool closed() const { return !shown<RecordEditorView>() && !router->editor(); }
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
        Editor e(c.statuses, c.more);
        // A record without status: the picker shows nothing chosen, buttons up to five statuses.
        ASSERT_TRUE(e.open(e.order(u"1"_s, u"Чай"_s), true));
        QStringList shown;
        for (FormSection* s : e.view->findChildren<FormSection*>())
            if (!s->isHidden())
                shown.append(s->title());
        EXPECT_EQ(shown, c.sections) << c.statuses;
        if (auto* picker = e.in<StatusPicker>({})) {
            EXPECT_EQ(picker->findChild<QButtonGroup*>(u"statusButtons"_s) != nullptr, c.statuses <= 5);
            EXPECT_EQ(picker->findChild<QButtonGroup*>(u"statusButtons"_s)
                          ? picker->findChild<QButtonGroup*>(u"statusButtons"_s)->checkedId()
                          : picker->findChild<QComboBox*>(u"statusCombo"_s)->currentIndex(),
                      -1);
        }
    }
}

// The chosen status stands out plainly, in the accent colour; the others stay on the picker's plain ground.
TEST(RecordEditorView, TheChosenStatusStandsOut) {
    Editor e(3);
    ASSERT_TRUE(e.openNew());
    QButtonGroup* group = e.in<StatusPicker>({})->findChild<QButtonGroup*>(u"statusButtons"_s);
    const QColor accent = e.view->palette().color(QPalette::Highlight);
    const auto filled = [&](QAbstractButton* b) {
        return b->grab().toImage().pixelColor(6, b->height() / 2) == accent;
    };
    for (int chosen : {0, 2, 1}) {
        group->button(chosen)->click();
        for (QAbstractButton* b : group->buttons())
            EXPECT_EQ(filled(b), group->id(b) == chosen) << chosen << " " << group->id(b);
    }
}

// The number boxes of a form end at one edge, whatever unit follows each, or none.
TEST(RecordEditorView, NumberBoxesLineUpWhateverTheirUnits) {
    FieldDef pieces = fieldOf(FieldType::number, u"Количество"_s);
    pieces.unit = u"шт"_s;
    FieldDef weight = fieldOf(FieldType::number, u"Вес"_s);
    weight.unit = u"кг нетто"_s;
    Editor e(0, {pieces, weight});
    ASSERT_TRUE(e.openNew());
    QSet<int> rightEdges;
    for (const QString& name : {u"Сумма"_s, u"Количество"_s, u"Вес"_s})
        rightEdges.insert(e.in(name)->mapTo(e.view, QPoint(e.in(name)->width(), 0)).x());
    EXPECT_EQ(rightEdges.size(), 1u);
}

// A number box shows at most two fraction digits and never writes its text back unless typed in.
TEST(RecordEditorView, NumberBoxKeepsTheDraftAndNeverRoundsAStoredValue) {
    Editor e;
    Record stored = e.order(u"1"_s, u"Чай"_s);
    put(stored, e.amount, FieldValue::ofNumber(0.125));
    e.store->addRecords({stored}, e.journal.id);
    ASSERT_TRUE(e.open(stored, false));
    EXPECT_EQ(e.in(u"Сумма"_s)->text(), u"0,12"_s);

    // A draft that does not read is kept as typed while the user types elsewhere, with its warning.
    typeText(e.in(u"Сумма"_s), u"12abc"_s);
    typeText(e.in(u"Товар"_s), u"Кофе"_s);
    EXPECT_EQ(e.in(u"Сумма"_s)->text(), u"12abc"_s);
    EXPECT_TRUE(e.in<WarningLabel>({}));
    // A step replaces the draft: from no number up gives 1.
    e.in<QToolButton>(u"Сумма: больше"_s)->click();
    EXPECT_EQ(e.in(u"Сумма"_s)->text(), u"1"_s);
    EXPECT_FALSE(e.in<WarningLabel>({}));

    // Saved after editing the title only, the stored 0.125 stays exact.
    ASSERT_TRUE(e.open(stored, false));
    typeText(e.in(u"Товар"_s), u"Чай зелёный"_s);
    QTest::keyClick(e.in(u"Товар"_s), Qt::Key_Return);
    ASSERT_TRUE(e.closed());
    EXPECT_EQ(e.stored().first().number(e.amount.id), 0.125);
    EXPECT_EQ(e.stored().first().text(e.item.id), u"Чай зелёный"_s);
}

TEST(RecordEditorView, SaveRoadAddsUpdatesAndAsksAboutDuplicates) {
    Editor e;
    Record first = e.order(u"7"_s, u"Чай"_s);
    first.statusID = e.journal.statuses[0].id;
    e.store->addRecords({first}, e.journal.id);

    // Nothing typed, nothing to add: Return does nothing.
    ASSERT_TRUE(e.openNew());
    EXPECT_EQ(e.view->focusWidget(), e.in(u"Номер"_s));
    EXPECT_FALSE(e.in<QPushButton>(u"saveRecord"_s)->isEnabled());
    QTest::keyClick(e.view, Qt::Key_Return);
    EXPECT_FALSE(e.closed());
    // A repeated number shows in the form, and saving asks first; going back keeps every edit.
    typeText(e.in(u"Номер"_s), u"7"_s);
    typeText(e.in(u"Сумма"_s), u"5x"_s);
    EXPECT_TRUE(e.in<QWidget>(u"duplicates"_s));
    QTest::keyClick(e.in(u"Номер"_s), Qt::Key_Return);
    ASSERT_TRUE(e.box() && e.box()->focusWidget());
    QTest::keyClick(e.box()->focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(e.box()) << "Return must not save";
    e.box()->findChild<QPushButton*>(u"back"_s)->click();
    EXPECT_EQ(e.in(u"Сумма"_s)->text(), u"5x"_s);
    EXPECT_EQ(e.stored().size(), 1);
    e.in<QPushButton>(u"saveRecord"_s)->click();
    e.box()->findChild<QPushButton*>(u"confirm"_s)->click();
    ASSERT_TRUE(e.closed());
    ASSERT_EQ(e.stored().size(), 2);

    // Updating replaces the record in place, changed now; editing starts in the form's first field.
    e.folder.now = e.folder.now.addSecs(60);
    ASSERT_TRUE(e.open(e.stored()[1], false));
    EXPECT_EQ(e.view->focusWidget(), e.in(u"Номер"_s));
    typeText(e.in(u"Номер"_s), u"8"_s);
    typeText(e.in(u"Товар"_s), u"Кофе"_s);
    EXPECT_EQ(e.in<QLabel>(u"editorTitle"_s)->text(), u"Изменить: Кофе"_s);
    e.in<QPushButton>(u"saveRecord"_s)->click();
    ASSERT_TRUE(e.closed());
    EXPECT_EQ(e.stored()[1].text(e.item.id), u"Кофе"_s);
    EXPECT_EQ(e.stored()[1].updatedAt, e.folder.now);
}

TEST(RecordEditorView, DeleteAsksWithAWayOut) {
    Editor e;
    const Record first = e.order(u"1"_s, u"Чай"_s);
    e.store->addRecords({first}, e.journal.id);
    ASSERT_TRUE(e.open(first, true));
    EXPECT_FALSE(e.in<QPushButton>(u"deleteRecord"_s));

    ASSERT_TRUE(e.open(first, false));
    const auto askToDelete = [&] { e.in<QPushButton>(u"deleteRecord"_s)->click(); };
    askToDelete();
    ASSERT_TRUE(e.box() && e.box()->focusWidget());
    EXPECT_EQ(e.box()->text(), u"Удалить запись?"_s);
    // Space on the focused button cancels; so does Escape. ("Удалить" deletes: a journey of the user's.)
    QTest::keyClick(e.box()->focusWidget(), Qt::Key_Space);
    EXPECT_FALSE(e.box());
    askToDelete();
    QTest::keyClick(e.box(), Qt::Key_Escape);
    EXPECT_FALSE(e.box());
    EXPECT_EQ(e.stored().size(), 1);
}

// Up and Down in a number box step it as + and − do, the draft giving way; with Shift they keep their own
// meaning. The buttons take no focus: a click leaves the cursor in the box.
TEST(RecordEditorView, UpAndDownStepANumberLikeItsButtons) {
    const struct {
        std::optional<double> stored;
        QString draft; // typed before the key, when not empty
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString shown;
        std::optional<double> saved;
    } cases[] = {
        {std::nullopt, {}, Qt::Key_Up, Qt::NoModifier, u"1"_s, 1},
        {std::nullopt, {}, Qt::Key_Down, Qt::NoModifier, u"0"_s, 0},
        {2.5, {}, Qt::Key_Up, Qt::KeypadModifier, u"3,5"_s, 3.5},
        {-3, {}, Qt::Key_Up, Qt::NoModifier, u"0"_s, 0},
        {2.5, {}, Qt::Key_Down, Qt::ShiftModifier, u"2,5"_s, 2.5},
        {7, u"12abc"_s, Qt::Key_Down, Qt::NoModifier, u"0"_s, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown.toStdString() + " " + std::to_string(c.key));
        Editor e;
        Record stored = e.order(u"1"_s, u"Чай"_s);
        if (c.stored)
            put(stored, e.amount, FieldValue::ofNumber(*c.stored));
        e.store->addRecords({stored}, e.journal.id);
        ASSERT_TRUE(e.open(stored, false));
        QLineEdit* box = e.in(u"Сумма"_s);
        box->setFocus();
        if (!c.draft.isEmpty())
            typeText(box, c.draft);
        QTest::keyClick(box, c.key, c.modifiers);
        EXPECT_EQ(box->text(), c.shown);
        EXPECT_FALSE(e.in<WarningLabel>({}));
        QTest::mouseClick(e.in<QToolButton>(u"Сумма: больше"_s), Qt::LeftButton);
        EXPECT_EQ(e.view->focusWidget(), box);
        QTest::mouseClick(e.in<QToolButton>(u"Сумма: меньше"_s), Qt::LeftButton);
        e.in<QPushButton>(u"saveRecord"_s)->click();
        ASSERT_TRUE(e.closed());
        EXPECT_EQ(e.stored().first().number(e.amount.id), c.saved);
    }
}

namespace {

// A stop as a user reads it: the name it gives assistive technology, else a button's title.
QString stopName(const QWidget* w) {
    const auto* button = qobject_cast<const QAbstractButton*>(w);
    return !w->accessibleName().isEmpty() ? w->accessibleName() : button ? button->text() : w->objectName();
}

} // namespace

// Tab walks a sales record's fields in their order, then the buttons as they stand; never the frame around
// the form, nor + and −.
TEST(RecordEditorView, TabWalksTheFieldsOfASalesRecord) {
    Shell shell({Templates::sales()});
    const Journal journal = shell.store->journals().first();
    Record order = journal.newRecord(shell.folder.now);
    order.values.clear();
    for (const FieldDef& f : journal.fields.mid(0, 5))
        order.setText(f.key == u"quantity"_s || f.key == u"amount"_s ? u"2"_s : f.name, f.id);
    shell.store->addRecords({order}, journal.id);
    shell.router->setEditor(EditorItem{QUuid::createUuid(), journal.id, order, false});
    auto* view = shell.shown<RecordEditorView>();
    ASSERT_TRUE(view);
    // Focus moves as in a window that has the keyboard.
    QApplication::setActiveWindow(view);
    QStringList stops{stopName(view->focusWidget())};
    for (QWidget* at = view->focusWidget(); stops.size() < 40;) {
        QTest::keyClick(at, Qt::Key_Tab);
        at = view->focusWidget();
        stops.append(stopName(at));
        if (stops.last() == stops.first())
            break;
    }
    EXPECT_EQ(stops,
              (QStringList{u"Номер заказа"_s, u"Клиент"_s, u"Товар или услуга"_s, u"Количество"_s, u"Сумма"_s,
                           u"Канал продаж"_s, u"Дата заказа"_s, u"Дата оплаты"_s, u"Дата отгрузки"_s,
                           u"Дата возврата"_s, u"Ссылка"_s, u"Вставить"_s, u"Новый"_s, u"Примечание"_s,
                           u"Удалить"_s, u"Отмена"_s, u"Сохранить"_s, u"Номер заказа"_s}));
}

// Possible duplicates come into view as they appear, the focus staying in the box typed in; where the form
// fits the sheet, their section adds no scroll bar.
TEST(RecordEditorView, PossibleDuplicatesComeIntoView) {
    for (const QSize window : {QSize(1050, 680), QSize(1440, 860)}) {
        SCOPED_TRACE(window.width());
        Shell shell({Templates::sales()}, false);
        shell.window->resize(window);
        shell.moveTo(screenNamed(u"desktop"_s));
        shell.show();
        const Journal journal = shell.store->journals().first();
        QList<Record> orders;
        for (const QString& client : {u"Иванов Иван Иванович, Москва, улица Тверская, дом 1"_s,
                                      u"Петров Пётр Петрович, Казань, улица Баумана, дом 2"_s}) {
            orders.append(journal.newRecord(shell.folder.now));
            orders.last().setText(u"З-1"_s, journal.fields[0].id);
            orders.last().setText(client, journal.fields[1].id);
        }
        shell.store->addRecords(orders, journal.id);
        shell.router->newRecord(*shell.store->journal(journal.id));
        auto* view = shell.shown<RecordEditorView>();
        ASSERT_TRUE(view && QTest::qWaitForWindowActive(view));
        QLineEdit* number = visibleIn<QLineEdit>(view, u"Номер заказа"_s);
        typeText(number, u"З-1"_s);

        auto* form = view->findChild<QScrollArea*>(u"editorForm"_s);
        const QWidget* section = visibleIn<QWidget>(view, u"duplicates"_s);
        ASSERT_TRUE(section);
        EXPECT_TRUE(form->viewport()->rect().contains(
            QRect(section->mapTo(form->viewport(), QPoint()), section->size())));
        EXPECT_EQ(view->focusWidget(), number);
        if (window.width() == 1440) {
            EXPECT_FALSE(form->verticalScrollBar()->isVisible());
        }
    }
}
