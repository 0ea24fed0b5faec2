#include "ShellFixture.h"
#include "ShellSamples.h"
#include "UrlRecorder.h"
#include "app/cells/CellContent.h"
#include "app/cells/LinkActions.h"
#include "views/cells/CellDelegate.h"
#include "views/cells/LinkEditRow.h"
#include "views/cells/OptionalDateRow.h"
#include "views/cells/WarningLabel.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTextDocument>

using namespace Qt::StringLiterals;
using TestSupport::utc;

namespace {} // namespace

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
    const QDateTime now = utc(2024, 3, 5, 22, 30), todayStart = utc(2024, 3, 5, 21, 0);
    OptionalDateRow row(u"Дата оплаты"_s, Calendar{TestSupport::zone("Europe/Moscow")},
                        [now] { return now; });
    auto* toggle = row.findChild<QCheckBox*>();
    auto* picker = row.findChild<QDateEdit*>();
    auto* today = row.findChild<QPushButton*>();
    QSignalSpy edited(&row, &OptionalDateRow::dateEdited);
    // The date the row handed out last.
    const auto handedOut = [&edited] {
        return edited.isEmpty() ? std::optional<QDateTime>(QDateTime())
                                : edited.last().at(0).value<std::optional<QDateTime>>();
    };

    row.setDate(utc(2024, 1, 10, 9, 15));
    EXPECT_EQ(picker->date(), QDate(2024, 1, 10));
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_EQ(edited.count(), 0);

    toggle->click();
    EXPECT_EQ(handedOut(), std::nullopt);
    EXPECT_TRUE(picker->isHidden() && today->isHidden());
    EXPECT_EQ(row.findChild<QLabel*>()->text(), u"не указана"_s);
    toggle->click();
    EXPECT_EQ(handedOut(), todayStart);
    EXPECT_EQ(picker->date(), QDate(2024, 3, 6));

    // Stepping the picker to another day stores that day's midnight, never a time of day.
    picker->setFocus();
    picker->setCurrentSection(QDateTimeEdit::DaySection);
    picker->stepUp();
    EXPECT_EQ(handedOut(), utc(2024, 3, 6, 21, 0));
    today->click();
    EXPECT_EQ(handedOut(), todayStart);
    ASSERT_EQ(edited.count(), 4);
    EXPECT_EQ(edited.at(0).at(0).value<std::optional<QDateTime>>(), std::nullopt);
    EXPECT_EQ(edited.at(3).at(0).value<std::optional<QDateTime>>(), todayStart);
}

TEST(LinkEditRow, CompletesOnReturnAndPastesOnlyText) {
    UrlRecorder recorder;
    LinkEditRow row(u"Ссылка"_s, u"https://…"_s);
    auto* field = row.findChild<QLineEdit*>();
    auto* open = row.findChild<QPushButton*>(u"openLink"_s);
    auto* paste = row.findChild<QPushButton*>(u"pasteLink"_s);
    QSignalSpy edited(&row, &LinkEditRow::linkEdited);
    EXPECT_TRUE(open->isHidden());

    // Typing keeps the text as typed; the open button already offers the completed address.
    QTest::keyClicks(field, u"example.com/x"_s);
    EXPECT_EQ(row.link(), u"example.com/x"_s);
    EXPECT_EQ(open->toolTip(), u"https://example.com/x"_s);
    open->click();
    EXPECT_EQ(recorder.opened, QList<QUrl>{QUrl(u"https://example.com/x"_s)});
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(edited.last().at(0).toString(), u"https://example.com/x"_s);

    row.setLink(u"нет адреса"_s);
    EXPECT_TRUE(open->isHidden());
    EXPECT_FALSE(row.findChild<WarningLabel*>()->isHidden());

    // An empty clipboard or an image pastes nothing; a text is pasted completed.
    QClipboard* clipboard = QGuiApplication::clipboard();
    const qsizetype before = edited.count();
    clipboard->clear();
    paste->click();
    auto* image = new QMimeData;
    image->setImageData(QImage(2, 2, QImage::Format_RGB32));
    clipboard->setMimeData(image);
    paste->click();
    EXPECT_EQ(edited.count(), before);
    clipboard->clear();
    clipboard->setText(u"  www.example.org/item "_s);
    paste->click();
    EXPECT_EQ(row.link(), u"https://www.example.org/item"_s);
    clipboard->clear();
}

// Field names are data: an "&" in them is drawn, not taken for the mark of an Alt key.
TEST(Cells, FieldNamesAreShownAsTyped) {
    const QString name = u"Цена & доставка"_s;
    OptionalDateRow dateRow(name);
    EXPECT_EQ(TestSupport::drawnText(dateRow.findChild<QCheckBox*>()->text()), name);
    LinkEditRow linkRow(name, {});
    EXPECT_EQ(TestSupport::drawnText(linkRow.titleLabel()->text()), name);
}
