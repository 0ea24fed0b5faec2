#include "Looks.h"
#include "core/model/Model.h"
#include "views/kit/Dialogs.h"
#include "views/kit/GrowingTextEdit.h"
#include "views/kit/Style.h"
#include "views/kit/TextLine.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStyleOptionButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A button's face inside its frame, where its text stands.
QRect faceOf(const QWidget* button) {
    return button->rect().adjusted(4, 4, -4, -4);
}

} // namespace

// Every colour a status or a metric may take, wherever the kit draws text in it or under it: the text as
// drawn reads on its background, and keeps the colour's hue.
TEST(ReadableLooks, EveryColourReadsAsTextAndUnderText) {
    const CrispText crisp;
    QFont bigBold;
    bigBold.setPointSizeF(QApplication::font().pointSizeF() * 1.7);
    bigBold.setBold(true);
    for (const AppColor appColor : allAppColors) {
        const QColor hue = Style::color(appColor);
        const bool coloured = hue.hslSaturationF() > 0.2;
        SCOPED_TRACE(hue.name().toStdString());

        // A status's button: its text on the fill of the status's colour.
        QToolButton status;
        status.setText(u"Оплачен"_s);
        Style::makeProminent(&status, hue, Style::ButtonSize::compact);
        const MeasuredText onFill = measuredText(shown(&status));
        EXPECT_GE(onFill.ratio(), Contrast::required(status.font())) << "status button";
        EXPECT_EQ(onFill.text, QColor(Qt::white));
        if (coloured) {
            EXPECT_TRUE(sameHue(onFill.background, hue)) << onFill.background.name().toStdString();
        }

        // Text in the colour on a window and on the boxes over it, in a light palette and a dark one, at
        // text size and as a large bold figure.
        for (const QPalette& palette : {QApplication::palette(), darkPalette()}) {
            for (const QFont& font : {QApplication::font(), bigBold}) {
                QWidget window;
                window.setPalette(palette);
                window.setAutoFillBackground(true);
                auto* label = new QLabel(u"Новых 12"_s, &window);
                label->setFont(font);
                Style::setTextColor(label, Style::readable(hue, label));
                new QHBoxLayout(&window);
                window.layout()->addWidget(label);
                const MeasuredText onWindow = measuredText(shown(&window));
                EXPECT_GE(onWindow.ratio(), Contrast::required(font))
                    << "on " << palette.color(QPalette::Window).name().toStdString() << " at "
                    << font.pointSizeF() << " pt";
                EXPECT_GE(Contrast::ratio(onWindow.text, palette.color(QPalette::Base)),
                          Contrast::required(font));
                if (coloured) {
                    EXPECT_TRUE(sameHue(onWindow.text, hue)) << onWindow.text.name().toStdString();
                }
            }
        }
    }
}

// The accent under its text, the destructive colour on a button and in a box: as drawn.
TEST(ReadableLooks, AccentAndDestructiveTextRead) {
    const CrispText crisp;
    QPushButton primary(u"Сохранить"_s);
    Style::makeProminent(&primary);
    const MeasuredText accent = measuredText(shown(&primary));
    EXPECT_GE(accent.ratio(), Contrast::normalText) << "a default button";
    EXPECT_TRUE(sameHue(accent.background, QApplication::palette().color(QPalette::Highlight)));

    QFrame segments;
    segments.setObjectName(u"segments"_s);
    Style::makeSegmented(&segments);
    auto* row = new QHBoxLayout(&segments);
    auto* checked = new QToolButton(&segments);
    checked->setText(u"Отгружен"_s);
    checked->setCheckable(true);
    checked->setChecked(true);
    row->addWidget(checked);
    shown(&segments);
    EXPECT_GE(measuredText(checked->grab().toImage()).ratio(), Contrast::normalText) << "a checked segment";

    QStandardItemModel rows(1, 1);
    rows.setItem(0, 0, new QStandardItem(u"Кружка"_s));
    QTableView table;
    table.setModel(&rows);
    table.selectRow(0);
    shown(&table);
    const QRect cell = table.visualRect(rows.index(0, 0));
    EXPECT_GE(measuredText(table.viewport()->grab().toImage(), cell).ratio(), Contrast::normalText)
        << "a selected row";

    QPushButton remove(u"Удалить"_s);
    Style::makeDestructive(&remove);
    const QImage removeLook = shown(&remove);
    const MeasuredText red = measuredText(removeLook, faceOf(&remove));
    EXPECT_GE(red.ratio(), Contrast::normalText) << "a destructive button";
    EXPECT_TRUE(sameHue(red.text, Style::destructive()))
        << red.text.name().toStdString() << " on " << red.background.name().toStdString();

    QWidget window;
    QMessageBox* box = Dialogs::question(
        &window,
        {.title = u"Удалить запись?"_s, .action = u"Удалить"_s, .actionRole = QMessageBox::DestructiveRole},
        [] {});
    QAbstractButton* action = box->buttons().first();
    for (QAbstractButton* b : box->buttons())
        if (box->buttonRole(b) == QMessageBox::DestructiveRole)
            action = b;
    box->show();
    const MeasuredText inBox = measuredText(action->grab().toImage(), faceOf(action));
    EXPECT_GE(inBox.ratio(), Contrast::normalText) << "a box's destructive button";
    EXPECT_TRUE(sameHue(inBox.text, Style::destructive()));
    box->close();
}

// Every kind of box the screens type into or tick, on a window in a light and a dark palette: its border
// shows where it is against the box's inside and the window around it, as a mark must; in the application's
// palette a placeholder reads as text as drawn, and a button drawn as a link reads in the accent's hue.
TEST(ReadableLooks, BoxesShowWhereTheyAreAndWhatTheyAskFor) {
    for (const QPalette& palette : {QApplication::palette(), darkPalette()}) {
        const bool light = palette == QApplication::palette();
        SCOPED_TRACE(light ? "light" : "dark");
        QWidget window;
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        auto* line = new TextLine(&window);
        line->setPlaceholderText(u"Название"_s);
        auto* lines = new GrowingTextEdit(2, 4, &window);
        lines->setPlaceholderText(u"Ярлыки через запятую"_s);
        auto* date = new QDateEdit(&window);
        auto* check = new QCheckBox(u"Статус новых записей"_s, &window);
        auto* link = new QPushButton(u"Сегодня"_s, &window);
        Style::makeLink(link);
        auto* column = new QVBoxLayout(&window);
        for (QWidget* widget : std::initializer_list<QWidget*>{line, lines, date, check, link}) {
            widget->setFocusPolicy(Qt::NoFocus); // a focused box draws its border in the accent
            column->addWidget(widget);
        }
        const QImage drawn = shown(&window);
        QStyleOptionButton option;
        option.initFrom(check);
        const QRect indicator = check->style()
                                    ->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check)
                                    .translated(check->pos());
        const struct {
            const char* name;
            QRect rect;
        } boxes[] = {{"line", line->geometry()},
                     {"lines", lines->geometry()},
                     {"date", date->geometry()},
                     {"check", indicator}};
        for (const auto& b : boxes) {
            // The left edge halfway down, the box's inside beside it and the window before it.
            const QPoint edge(b.rect.left(), b.rect.center().y());
            const QColor border = drawn.pixelColor(edge);
            EXPECT_GE(Contrast::ratio(border, drawn.pixelColor(edge + QPoint(3, 0))), Contrast::marks)
                << b.name;
            EXPECT_GE(Contrast::ratio(border, drawn.pixelColor(edge - QPoint(2, 0))), Contrast::marks)
                << b.name << ": " << border.name().toStdString();
        }
        if (!light)
            continue;
        // Opaque, so that it is drawn as it is also without antialiasing; as drawn smoothed, it reads.
        EXPECT_EQ(line->palette().color(QPalette::PlaceholderText).alpha(), 255);
        for (const QImage& box : {line->grab().toImage(), lines->viewport()->grab().toImage()}) {
            const MeasuredText text = smoothedText(box, box.rect().adjusted(4, 4, -4, -4));
            EXPECT_GE(text.ratio(), Contrast::normalText) << text.text.name().toStdString();
        }
        const MeasuredText today = smoothedText(link->grab().toImage(), faceOf(link));
        EXPECT_GE(today.ratio(), Contrast::normalText);
        EXPECT_TRUE(sameHue(today.text, link->palette().color(QPalette::Highlight)))
            << today.text.name().toStdString();
    }
}
