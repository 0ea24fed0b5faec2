#include "CellContent.h"
#include "LinkActions.h"
#include "ShellFixture.h"
#include "ShellSamples.h"
#include "TestSupport.h"
#include "UrlRecorder.h"
#include "cells/CellDelegate.h"
#include "cells/LinkConfirmation.h"
#include "cells/LinkEditRow.h"
#include "cells/OptionalDateRow.h"
#include "cells/WarningLabel.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QTextDocument>

using namespace Qt::StringLiterals;
using testsupport::utc;

namespace {

// `count` links, the last of them on plain http.
QList<QUrl> urls(int count) {
    QList<QUrl> list;
    for (int i = 1; i < count; ++i)
        list.append(QUrl(u"https://example.com/%1"_s.arg(i)));
    list.append(QUrl(u"http://example.org/last"_s));
    return list;
}

} // namespace

TEST(LinkActions, OpensUpToFiveInListOrderWithoutAsking) {
    UrlRecorder recorder;
    LinkActions::open({});
    EXPECT_TRUE(recorder.opened.isEmpty());
    LinkActions::open(urls(2));
    EXPECT_EQ(recorder.opened, urls(2));
    recorder.opened.clear();
    QWidget window;
    EXPECT_EQ(LinkActions::openConfirmingMany(&window, urls(5)), nullptr);
    EXPECT_EQ(recorder.opened, urls(5));
}

TEST(LinkActions, AsksBeforeOpeningSixOrMore) {
    struct Case {
        QString press; // the button clicked, or empty for Escape
        bool opens;
    };
    for (const Case& c : {Case{u"Открыть все"_s, true}, Case{u"Отмена"_s, false}, Case{{}, false}}) {
        UrlRecorder recorder;
        QWidget window;
        window.show();
        QPointer<QMessageBox> box = LinkActions::openConfirmingMany(&window, urls(6));
        ASSERT_TRUE(box);
        EXPECT_TRUE(recorder.opened.isEmpty());
        EXPECT_EQ(box->text(), u"Открыть 6 ссылок в браузере?"_s);
        EXPECT_EQ(box->windowModality(), Qt::WindowModal);
        EXPECT_TRUE(box->isVisible());
        ASSERT_EQ(box->buttons().size(), 2);
        QAbstractButton* openAll = boxButton(box, u"Открыть все"_s);
        QAbstractButton* cancel = boxButton(box, u"Отмена"_s);
        ASSERT_TRUE(openAll && cancel);
        EXPECT_EQ(box->buttonRole(openAll), QMessageBox::ActionRole);
        EXPECT_EQ(box->buttonRole(cancel), QMessageBox::RejectRole);
        // Return opens nothing by accident.
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_TRUE(box->isVisible());

        if (c.press.isEmpty())
            QTest::keyClick(box, Qt::Key_Escape);
        else
            boxButton(box, c.press)->click();
        EXPECT_EQ(recorder.opened, c.opens ? urls(6) : QList<QUrl>()) << c.press.toStdString();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(box.isNull());
    }
    // Space on the button that has the focus when the box opens cancels rather than opening everything.
    UrlRecorder recorder;
    QWidget window;
    window.show();
    QPointer<QMessageBox> box = LinkActions::openConfirmingMany(&window, urls(6));
    ASSERT_TRUE(box && box->focusWidget());
    QTest::keyClick(box->focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(recorder.opened.isEmpty());
}

TEST(CellDelegate, OpensTheLinkClickedInATable) {
    UrlRecorder recorder;
    QStandardItemModel model(2, 1);
    const CellContent link = LinkCell::content(u"example.com/a"_s);
    const CellContent broken = LinkCell::content(u"localhost"_s);
    for (int row = 0; row < 2; ++row) {
        const CellContent& content = row == 0 ? link : broken;
        for (int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole), CellContentRole})
            model.setData(model.index(row, 0), cellData(content, role), role);
    }
    QTableView table;
    CellDelegate delegate;
    table.setItemDelegate(&delegate);
    table.setModel(&model);
    table.setColumnWidth(0, 200);
    table.resize(300, 200);
    table.show();

    QStyleOptionViewItem option;
    option.initFrom(table.viewport());
    option.rect = table.visualRect(model.index(0, 0));
    const QRect area = CellDelegate::linkArea(option, link);
    ASSERT_FALSE(area.isEmpty());
    // Beside the button, and on the warning cell, a click only selects.
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                      QPoint(option.rect.right() - 5, area.center().y()));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(model.index(1, 0)).center());
    EXPECT_TRUE(recorder.opened.isEmpty());
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, area.center());
    EXPECT_EQ(recorder.opened, QList<QUrl>{QUrl(u"https://example.com/a"_s)});
}

// A tooltip quoting data shows it as typed, even when it looks like markup.
TEST(CellContent, ToolTipsShowDataAsTyped) {
    const auto shown = [](const QVariant& tip) {
        if (!Qt::mightBeRichText(tip.toString()))
            return tip.toString();
        QTextDocument document;
        document.setHtml(tip.toString());
        return document.toPlainText();
    };
    const QString marked = u"<b>Важно</b>: a &lt; b\nвторая строка"_s;
    CellContent longText;
    longText.text = marked;
    longText.help = marked;
    EXPECT_EQ(shown(cellData(longText, Qt::ToolTipRole)), marked);
    EXPECT_EQ(shown(cellData(LinkCell::content(u"<i>адрес</i>"_s), Qt::ToolTipRole)),
              u"Ссылка не похожа на адрес сайта: <i>адрес</i>"_s);
}

TEST(OptionalDateRow, StoresTheStartOfTheDay) {
    // 01:30 on 6 March in Moscow, still 5 March in UTC.
    const Calendar moscow{testsupport::zone("Europe/Moscow")};
    const QDateTime now = utc(2024, 3, 5, 22, 30);
    OptionalDateRow row(u"Дата оплаты"_s, moscow, [now] { return now; });
    QSignalSpy edited(&row, &OptionalDateRow::dateEdited);

    row.setDate(utc(2024, 1, 10, 9, 15));
    EXPECT_EQ(row.picker()->date(), QDate(2024, 1, 10));
    EXPECT_TRUE(row.toggle()->isChecked());
    EXPECT_EQ(edited.count(), 0);

    row.toggle()->click();
    EXPECT_EQ(row.date(), std::nullopt);
    EXPECT_TRUE(row.picker()->isHidden());
    EXPECT_TRUE(row.todayButton()->isHidden());
    EXPECT_FALSE(row.absentLabel()->isHidden());
    EXPECT_EQ(row.absentLabel()->text(), u"не указана"_s);

    const QDateTime todayStart = utc(2024, 3, 5, 21, 0);
    row.toggle()->click();
    EXPECT_EQ(row.date(), todayStart);
    EXPECT_EQ(row.picker()->date(), QDate(2024, 3, 6));
    EXPECT_FALSE(row.picker()->isHidden());
    EXPECT_TRUE(row.absentLabel()->isHidden());

    // Stepping the picker to another day stores that day's midnight, never a time of day.
    row.picker()->setFocus();
    row.picker()->setCurrentSection(QDateTimeEdit::DaySection);
    row.picker()->stepUp();
    EXPECT_EQ(row.date(), utc(2024, 3, 6, 21, 0));
    row.todayButton()->click();
    EXPECT_EQ(row.date(), todayStart);

    ASSERT_EQ(edited.count(), 4);
    EXPECT_EQ(edited.at(0).at(0).value<std::optional<QDateTime>>(), std::nullopt);
    EXPECT_EQ(edited.at(3).at(0).value<std::optional<QDateTime>>(), todayStart);
}

TEST(LinkEditRow, CompletesOnReturnAndPasteOnly) {
    UrlRecorder recorder;
    LinkEditRow row(u"Ссылка"_s, u"https://…"_s);
    QSignalSpy edited(&row, &LinkEditRow::linkEdited);
    EXPECT_EQ(row.field()->placeholderText(), u"https://…"_s);
    EXPECT_EQ(row.pasteButton()->toolTip(), u"Вставить ссылку из буфера обмена"_s);
    EXPECT_TRUE(row.openButton()->isHidden());
    EXPECT_TRUE(row.warning()->isHidden());

    // Typing keeps the text as typed; the open button already offers the completed address.
    QTest::keyClicks(row.field(), u"example.com/x"_s);
    EXPECT_EQ(row.link(), u"example.com/x"_s);
    EXPECT_FALSE(row.openButton()->isHidden());
    EXPECT_EQ(row.openButton()->toolTip(), u"https://example.com/x"_s);
    row.openButton()->click();
    EXPECT_EQ(recorder.opened, QList<QUrl>{QUrl(u"https://example.com/x"_s)});

    QTest::keyClick(row.field(), Qt::Key_Return);
    EXPECT_EQ(row.link(), u"https://example.com/x"_s);
    EXPECT_EQ(edited.last().at(0).toString(), u"https://example.com/x"_s);

    row.setLink(u"нет адреса"_s);
    EXPECT_TRUE(row.openButton()->isHidden());
    EXPECT_FALSE(row.warning()->isHidden());
    EXPECT_TRUE(row.warning()->text().startsWith(u"Не похоже на адрес сайта. Пример: "_s));
}

TEST(LinkEditRow, PastesOnlyText) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    LinkEditRow row(u"Ссылка"_s, {});
    row.setLink(u"example.com"_s);
    QSignalSpy edited(&row, &LinkEditRow::linkEdited);

    clipboard->clear();
    row.pasteButton()->click();
    EXPECT_EQ(row.link(), u"example.com"_s);
    EXPECT_EQ(edited.count(), 0);

    auto* image = new QMimeData;
    image->setImageData(QImage(2, 2, QImage::Format_RGB32));
    clipboard->setMimeData(image);
    row.pasteButton()->click();
    EXPECT_EQ(row.link(), u"example.com"_s);
    EXPECT_EQ(edited.count(), 0);

    clipboard->clear();
    clipboard->setText(u"  www.example.org/item "_s);
    row.pasteButton()->click();
    EXPECT_EQ(row.link(), u"https://www.example.org/item"_s);
    ASSERT_EQ(edited.count(), 1);
    clipboard->clear();
}

// Field names are data: an "&" in them is drawn, not taken for the mark of an Alt key.
TEST(Cells, FieldNamesAreShownAsTyped) {
    const QString name = u"Цена & доставка"_s;
    OptionalDateRow dateRow(name);
    EXPECT_EQ(testsupport::drawnText(dateRow.toggle()->text()), name);
    LinkEditRow linkRow(name, {});
    QLabel* title = linkRow.findChild<QLabel*>();
    ASSERT_TRUE(title);
    ASSERT_TRUE(title->buddy());
    EXPECT_EQ(testsupport::drawnText(title->text()), name);
}
