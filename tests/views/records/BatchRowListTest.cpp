#include "views/records/BatchRowList.h"
#include "BatchSheet.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

namespace {

// A sheet with `count` rows made from a pasted list of order numbers "N-0", "N-1", …
struct ManyRows : Batch {
    explicit ManyRows(int count) {
        open();
        QStringList numbers;
        for (int i = 0; i < count; ++i)
            numbers.append(u"N-"_s + QString::number(i));
        pasteText(quick(u"number"_s), numbers.join(u", "_s));
        click(u"fillFromQuick"_s);
        QCoreApplication::processEvents();
    }
    QScrollArea* form() const { return view->findChild<QScrollArea*>(u"batchForm"_s); }
    // The rows on screen: their widgets within the form's view.
    QList<BatchRowWidget*> inView() const {
        const QWidget* viewport = form()->viewport();
        const QRect shown(list()->mapFrom(viewport, QPoint()), viewport->size());
        QList<BatchRowWidget*> rowsInView;
        for (BatchRowWidget* row : rows()) {
            if (row->geometry().intersects(shown))
                rowsInView.append(row);
        }
        return rowsInView;
    }
    BatchRowList* list() const { return view->findChild<BatchRowList*>(); }
    QLineEdit* cell(int row, const QString& key) const { return view->showRow(row)->cell(field(key).id); }
    QString number(int row) const { return view->rows()[row].values.value(field(u"number"_s).id); }
    QWidget* focus() const { return view->focusWidget(); }
    void tab(bool back = false) const {
        QTest::keyClick(focus(), Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    }
    // The text of the number column of a row's widget.
    static QString shownNumber(const BatchRowWidget* row) {
        return row->findChildren<QLabel*>(Qt::FindDirectChildrenOnly).first()->text();
    }
};

} // namespace

// Thousands of rows are a list of a few widgets that follow the view: wherever the form is scrolled, every
// row in view stands in its place with its own number and values, and the number column fits "5000".
TEST(BatchRowList, ManyRowsShowWhereverTheFormScrolls) {
    ManyRows b(5000);
    QScrollBar* bar = b.form()->verticalScrollBar();
    const QWidget* viewport = b.form()->viewport();
    for (const int value : {0, bar->maximum() / 3, bar->maximum() / 2 + 17, bar->maximum()}) {
        bar->setValue(value);
        QCoreApplication::processEvents();
        EXPECT_LT(b.view->findChildren<BatchRowWidget*>().size(), 200);
        const QRect view(b.list()->mapFrom(viewport, QPoint()), viewport->size());
        const QList<BatchRowWidget*> inView = b.inView();
        ASSERT_FALSE(inView.isEmpty()) << value;
        int bottom = inView.first()->geometry().top();
        const int first = ManyRows::shownNumber(inView.first()).toInt() - 1;
        for (qsizetype k = 0; k < inView.size(); ++k) {
            // Consecutive rows, each after the last without a gap, showing its own values.
            EXPECT_EQ(ManyRows::shownNumber(inView[k]), QString::number(first + k + 1)) << value;
            EXPECT_EQ(inView[k]->cell(b.field(u"number"_s).id)->text(), b.number(int(first + k))) << value;
            EXPECT_LE(inView[k]->geometry().top() - bottom, 6) << value;
            bottom = inView[k]->geometry().bottom() + 1;
        }
        EXPECT_TRUE(inView.first()->geometry().top() <= view.top() + 6 || first == 0) << value;
        EXPECT_TRUE(bottom + 6 > view.bottom() || first + inView.size() == 5000) << value;
    }
    const BatchRowWidget* last = b.view->showRow(4999);
    const QLabel* number = last->findChildren<QLabel*>(Qt::FindDirectChildrenOnly).first();
    EXPECT_EQ(number->text(), u"5000"_s);
    EXPECT_GE(number->width(), number->fontMetrics().horizontalAdvance(u"5000"_s));
    // The column titles stand over the cells.
    for (const QLabel* title : b.list()->findChildren<QLabel*>()) {
        if (title->text() == b.field(u"amount"_s).name) {
            EXPECT_EQ(title->mapTo(b.list(), QPoint()).x(),
                      last->cell(b.field(u"amount"_s).id)->mapTo(b.list(), QPoint()).x());
        }
    }
}

// A key in a row far down the list changes its lines, and the lines of later rows that repeat it, while the
// focus stays in the cell and the other rows keep their widgets.
TEST(BatchRowList, TypingInARowUpdatesItsLinesInPlace) {
    ManyRows b(3000);
    QLineEdit* cell = b.cell(1500, u"number"_s);
    const QList<BatchRowWidget*> before = b.inView();
    cell->setFocus();
    typeText(cell, u"n-10"_s);
    EXPECT_EQ(b.focus(), cell);
    EXPECT_EQ(b.inView(), before);
    BatchRowWidget* row = b.view->showRow(1500);
    EXPECT_EQ(row->lines(), QStringList{u"Номер заказа «n-10» повторяется в этой форме"_s});
    typeText(b.cell(1500, u"amount"_s), u"x"_s);
    EXPECT_EQ(row->lines(), (QStringList{u"«x» в поле «Сумма» не число"_s,
                                         u"Номер заказа «n-10» повторяется в этой форме"_s}));
    // The earlier row changes: the later one no longer repeats it.
    typeText(b.cell(10, u"number"_s), u"ЗК-1"_s);
    EXPECT_EQ(b.view->showRow(10)->lines().size(), 1);
    EXPECT_EQ(b.view->showRow(1500)->lines(), QStringList{u"«x» в поле «Сумма» не число"_s});
    EXPECT_EQ(b.number(1500), u"n-10"_s);
    EXPECT_EQ(b.number(10), u"ЗК-1"_s);
}

// Deleting a row in the middle takes that row alone; the focus in it goes to the row taking its place.
TEST(BatchRowList, DeletingARowInTheMiddleKeepsTheOthers) {
    ManyRows b(2000);
    typeText(b.cell(1000, u"amount"_s), u"7"_s);
    QStringList expected;
    for (int i = 0; i < 2000; ++i)
        expected.append(u"N-"_s + QString::number(i));
    expected.removeAt(1000);
    b.cell(1000, u"amount"_s)->setFocus();
    b.view->showRow(1000)->findChild<QToolButton*>(u"deleteRow"_s)->click();
    QStringList numbers;
    for (int i = 0; i < 1999; ++i)
        numbers.append(b.number(i));
    EXPECT_EQ(numbers, expected);
    EXPECT_EQ(b.focus(), b.cell(1000, u"amount"_s));
    for (const int row : {999, 1000, 1998}) {
        EXPECT_EQ(ManyRows::shownNumber(b.view->showRow(row)), QString::number(row + 1));
        EXPECT_EQ(b.cell(row, u"number"_s)->text(), expected[row]);
        EXPECT_TRUE(b.cell(row, u"amount"_s)->text().isEmpty());
    }
}

// Tab walks the cells in the order shown, row after row, making the next row when the form has scrolled
// away from it; the list stands between the quick lists and "Добавить строку".
TEST(BatchRowList, TabWalksTheRowsInOrder) {
    ManyRows b(300);
    b.quick(u"amount"_s)->setFocus();
    typeText(b.quick(u"amount"_s), u"1"_s);
    b.tab();
    QWidget* fill = visibleIn<QPushButton>(b.view, u"fillFromQuick"_s);
    EXPECT_EQ(b.focus(), fill);
    b.tab();
    EXPECT_EQ(b.focus(), b.cell(0, u"number"_s));
    const QList<QWidget*> stops = b.view->showRow(0)->focusStops();
    for (qsizetype k = 1; k < stops.size(); ++k) {
        b.tab();
        EXPECT_EQ(b.focus(), stops[k]) << k;
    }
    b.tab();
    EXPECT_EQ(b.focus(), b.cell(1, u"number"_s));
    b.tab(true);
    EXPECT_EQ(b.focus(), b.view->showRow(0)->findChild<QToolButton*>(u"deleteRow"_s));

    // The row typed in stays while the form scrolls to the top; the next one comes with Tab, in view.
    b.view->showRow(150)->findChild<QToolButton*>(u"deleteRow"_s)->setFocus();
    b.form()->verticalScrollBar()->setValue(0);
    QCoreApplication::processEvents();
    b.tab();
    QWidget* next = b.focus();
    ASSERT_EQ(next, b.view->showRow(151)->focusStops().first());
    const QRect shown(next->mapTo(b.form()->viewport(), QPoint()), next->size());
    EXPECT_TRUE(b.form()->viewport()->rect().contains(shown));

    b.view->showRow(299)->findChild<QToolButton*>(u"deleteRow"_s)->setFocus();
    b.tab();
    EXPECT_EQ(b.focus(), visibleIn<QPushButton>(b.view, u"addRow"_s));
    b.tab(true);
    EXPECT_EQ(b.focus(), b.view->showRow(299)->findChild<QToolButton*>(u"deleteRow"_s));
    b.cell(0, u"number"_s)->setFocus();
    b.tab(true);
    EXPECT_EQ(b.focus(), fill);
}
