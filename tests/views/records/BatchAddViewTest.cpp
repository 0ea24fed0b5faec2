#include "BatchSheet.h"
#include "views/kit/GrowingTextEdit.h"
#include "views/records/StatusPicker.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

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
    EXPECT_EQ(visibleIn<StatusPicker>(b.view)->findChild<QComboBox*>(u"statusCombo"_s)->currentText(),
              b.journal.statuses[2].name);
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
    EXPECT_EQ(b.view->focusWidget(), b.rows()[0]->focusStops().first());
    EXPECT_TRUE(qobject_cast<GrowingTextEdit*>(b.quick(u"item"_s))->toPlainText().isEmpty());
    EXPECT_EQ(b.stored().size(), 1);

    // Cells are edited in place; a blank row counts nowhere; deleting takes only its own row and lines.
    typeText(b.rows()[2]->cell(b.field(u"amount"_s).id), u"x"_s);
    b.click(u"addRow"_s);
    EXPECT_EQ(visibleIn<QLabel>(b.view, u"batchSummary"_s)->text(), u"Будет создано: 3 заказа · 3 клиента"_s);
    b.rows()[1]->findChild<QToolButton*>(u"deleteRow"_s)->click();
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
    QStringList made;
    for (const BatchRow& row : b.view->rows())
        made.append(row.values.value(b.field(u"amount"_s).id));
    EXPECT_EQ(made, sums);
    // Each row shows its own, wherever the form is scrolled to.
    for (const int row : {0, 2999, 5999})
        EXPECT_EQ(b.view->showRow(row)->cell(b.field(u"amount"_s).id)->text(), sums[row]) << row;
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
