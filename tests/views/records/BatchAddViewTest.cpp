#include "records/BatchAddView.h"
#include "FormSection.h"
#include "RecordFixtures.h"
#include "SheetTyping.h"
#include "ShellFixture.h"
#include "cells/GrowingTextEdit.h"
#include "records/BatchRowWidget.h"
#include "records/StatusPicker.h"
#include "templates/Templates.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace testsupport;

namespace {

// Batch entry of the sales journal over the whole shell; one order "ЗК-1" is stored. The counts, titles,
// warnings and duplicate texts are rules tested without the sheet; here the sheet's own behaviour.
struct Batch : Shell {
    Journal journal = Templates::sales();
    BatchAddView* view = nullptr;

    Batch() : Shell({}, false) {
        journal.id = QUuid::createUuid();
        journal.records.append(typed({{&field(u"number"_s), u"ЗК-1"_s}, {&field(u"item"_s), u"Чай"_s}}));
        store->addJournal(journal);
        show();
    }
    const FieldDef& field(const QString& key) const {
        return *std::find_if(journal.fields.cbegin(), journal.fields.cend(),
                             [&](const FieldDef& f) { return f.key == key; });
    }
    BatchAddView* open(const std::optional<Record>& like = std::nullopt) {
        router->setBatch(BatchItem{QUuid::createUuid(), journal.id, like});
        view = shown<BatchAddView>();
        if (view)
            (void)QTest::qWaitForWindowExposed(view);
        return view;
    }
    // A field's box in the form section with this title.
    template <class T = QWidget> T* in(const QString& section, const QString& key) const {
        for (FormSection* s : view->findChildren<FormSection*>()) {
            if (s->title() == section)
                return visibleIn<T>(s, field(key).name);
        }
        return nullptr;
    }
    QWidget* quick(const QString& key) const { return in(u"Быстрый ввод списком"_s, key); }
    QWidget* shared(const QString& key) const { return in(u"Общие поля"_s, key); }
    QList<BatchRowWidget*> rows() const {
        QCoreApplication::sendPostedEvents(nullptr,
                                           QEvent::MetaCall); // rows come on screen with the next pass
        QList<BatchRowWidget*> shownRows;
        for (BatchRowWidget* row : view->findChildren<BatchRowWidget*>())
            if (row->isVisible())
                shownRows.append(row);
        return shownRows;
    }
    QStringList column(const QString& key) const {
        QStringList cells;
        for (BatchRowWidget* row : rows())
            cells.append(row->cell(field(key).id)->text());
        return cells;
    }
    void click(const QString& name) const { visibleIn<QPushButton>(view, name)->click(); }
    QMessageBox* box() const { return visibleIn<QMessageBox>(view); }
    QList<Record> stored() const { return store->journal(journal.id)->records; }
    bool closed() const { return !shown<BatchAddView>() && !router->batch(); }
};

} // namespace

TEST(BatchAddView, SetupRunsOncePerPresentation) {
    Batch b;
    // A fresh batch: the default status with its date stamped, the first shared text focused, nothing to
    // save yet.
    ASSERT_TRUE(b.open());
    EXPECT_EQ(b.in<QDateEdit>(u"Статус и даты для всех"_s, u"orderDate"_s)->date(), QDate(2023, 11, 15));
    EXPECT_EQ(b.view->focusWidget(), b.shared(u"client"_s));
    EXPECT_FALSE(b.view->findChild<QAction*>(u"saveBatch"_s)->isEnabled());
    // A later show keeps what was typed and where the cursor is.
    typeText(b.shared(u"client"_s), u"Иванов"_s);
    b.quick(u"amount"_s)->setFocus();
    b.view->hide();
    b.view->show();
    EXPECT_EQ(qobject_cast<QLineEdit*>(b.shared(u"client"_s))->text(), u"Иванов"_s);
    EXPECT_EQ(b.view->focusWidget(), b.quick(u"amount"_s));

    // Like a stored record: its status and shared values kept (a choice from outside the list shown), the
    // first list focused.
    Record like = b.stored().first();
    like.statusID = b.journal.statuses[2].id;
    like.setText(u"Ярмарка"_s, b.field(u"channel"_s).id);
    ASSERT_TRUE(b.open(like));
    EXPECT_EQ(b.view->title(), u"Ещё записи с такими же общими полями"_s);
    auto* channel = b.in<QComboBox>(u"Общие поля"_s, u"channel"_s);
    EXPECT_EQ(std::pair(channel->currentText(), channel->currentIndex()),
              std::pair(u"Ярмарка"_s, channel->count() - 1));
    EXPECT_EQ(visibleIn<StatusPicker>(b.view)->combo()->currentText(), b.journal.statuses[2].name);
    EXPECT_EQ(b.view->focusWidget(), b.quick(u"number"_s));
}

TEST(BatchAddView, QuickListsBecomeRowsWithoutSaving) {
    Batch b;
    ASSERT_TRUE(b.open());
    // Three names and two prices: Return in a one-line list makes three rows, the third without price, and
    // saves nothing.
    typeText(b.quick(u"item"_s), u"Худи\nКружка\nНоски"_s);
    typeText(b.quick(u"amount"_s), u"2500, 400"_s);
    QTest::keyClick(b.quick(u"amount"_s), Qt::Key_Return);
    EXPECT_EQ(b.column(u"item"_s), (QStringList{u"Худи"_s, u"Кружка"_s, u"Носки"_s}));
    EXPECT_EQ(b.column(u"amount"_s), (QStringList{u"2500"_s, u"400"_s, QString()}));
    EXPECT_EQ(b.view->focusWidget(), b.rows()[0]->firstCell());
    EXPECT_TRUE(qobject_cast<GrowingTextEdit*>(b.quick(u"item"_s))->toPlainText().isEmpty());
    EXPECT_EQ(b.stored().size(), 1);

    // Cells are edited in place; a blank row counts nowhere; deleting takes only its own row and lines.
    typeText(b.rows()[2]->cell(b.field(u"amount"_s).id), u"x"_s);
    b.click(u"addRow"_s);
    EXPECT_EQ(visibleIn<QLabel>(b.view, u"batchSummary"_s)->text(), u"Будет создано: 3 заказа · 3 клиента"_s);
    b.rows()[1]->deleteButton()->click();
    EXPECT_EQ(b.column(u"item"_s), (QStringList{u"Худи"_s, u"Носки"_s, QString()}));
    EXPECT_EQ(b.rows()[1]->lines(), QStringList{u"«x» в поле «Сумма» не число"_s});
}

TEST(BatchAddView, DuplicatesAskFirstAndGoingBackKeepsTheRows) {
    Batch b;
    ASSERT_TRUE(b.open());
    typeText(b.quick(u"number"_s), u"ЗК-1, зк-1"_s);
    b.click(u"saveBatch"_s);
    ASSERT_TRUE(b.box());
    EXPECT_EQ(b.box()->informativeText().count(u"• "_s), 3);
    // The lists became rows behind the alert; going back keeps them. Escape then stores nothing.
    b.box()->findChild<QPushButton*>(u"back"_s)->click();
    EXPECT_EQ(b.column(u"number"_s), (QStringList{u"ЗК-1"_s, u"зк-1"_s}));
    EXPECT_EQ(b.rows()[1]->lines().size(), 2);
    const QByteArray file = readFile(b.store->fileURL());
    QTest::keyClick(b.view, Qt::Key_Escape);
    EXPECT_TRUE(b.closed());
    EXPECT_EQ(readFile(b.store->fileURL()), file);

    ASSERT_TRUE(b.open());
    typeText(b.quick(u"number"_s), u"ЗК-1"_s);
    b.click(u"saveBatch"_s);
    b.box()->findChild<QPushButton*>(u"confirm"_s)->click();
    EXPECT_TRUE(b.closed());
    EXPECT_EQ(b.stored().size(), 2);
}

// The quick lists sit in a form that also holds a wrapped note; a list growing line by line must push the
// boxes below it down at once, never draw over them.
TEST(BatchAddView, AGrowingQuickListPushesTheBoxesBelowIt) {
    Batch b;
    b.open();
    auto* items = qobject_cast<GrowingTextEdit*>(b.quick(u"item"_s));
    QWidget* quantity = b.quick(u"quantity"_s);
    ASSERT_TRUE(items && quantity);
    for (const QString& line : {u"Tea"_s, u"Coffee"_s, u"Sugar"_s, u"Honey"_s, u"Milk"_s}) {
        QTest::keyClicks(items, line);
        QTest::keyClick(items, Qt::Key_Return);
        QCoreApplication::processEvents();
        EXPECT_GT(quantity->geometry().top(), items->geometry().bottom()) << line.toStdString();
    }
}

// A column of sums pasted from a spreadsheet runs past the 32,767 characters a plain line box keeps: every
// row still gets its own sum, the last ones included, and each is stored as pasted.
TEST(BatchAddView, ALongPastedListGivesEveryRowItsOwnValue) {
    Batch b;
    ASSERT_TRUE(b.open());
    QStringList sums;
    for (int i = 0; i < 6000; ++i)
        sums.append(QString::number(10000 + i) + u".25"_s);
    pasteText(b.quick(u"amount"_s), sums.join(u'\n'));
    b.click(u"fillFromQuick"_s);
    QCoreApplication::processEvents(); // the rows come on screen, as the event loop would show them
    EXPECT_EQ(b.column(u"amount"_s), sums);
    b.click(u"saveBatch"_s);
    const QList<Record> stored = b.stored();
    ASSERT_EQ(stored.size(), 6001);
    for (int i = 0; i < 6000; ++i)
        ASSERT_EQ(stored[i + 1].number(b.field(u"amount"_s).id), 10000.25 + i) << i;
}

// A cell shows its whole placeholder, "Количество, шт" in a number cell included.
TEST(BatchAddView, EveryCellShowsItsWholePlaceholder) {
    Batch b;
    ASSERT_TRUE(b.open());
    b.click(u"addRow"_s);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (const char* key : {"number", "item", "quantity", "amount"}) {
        QLineEdit* cell = b.rows().first()->cell(b.field(QString::fromLatin1(key)).id);
        // The frame and the edit's inner margins take 4 px a side.
        EXPECT_LE(cell->fontMetrics().horizontalAdvance(cell->placeholderText()) + 8, cell->width()) << key;
    }
}
