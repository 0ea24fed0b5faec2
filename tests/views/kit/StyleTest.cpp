#include "views/kit/Style.h"

#include <QFrame>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Style::Role;

namespace {

QColor withAlpha(QColor c, qreal alpha) {
    c.setAlphaF(alpha);
    return c;
}

} // namespace

// The roles keep the colours the screens drew before they shared them, in any palette: the text roles
// follow the text they start from, the signal colours stay fixed.
TEST(Style, EachRoleHasOneColourThatFollowsThePalette) {
    QPalette palette;
    palette.setColor(QPalette::WindowText, QColor(10, 20, 30));
    palette.setColor(QPalette::HighlightedText, QColor(250, 240, 230));
    palette.setColor(QPalette::Window, QColor(200, 200, 200));
    palette.setColor(QPalette::Link, QColor(0, 0, 200));
    const struct {
        Role role;
        QPalette::ColorRole text;
        QColor expected;
    } cases[] = {
        {Role::secondary, QPalette::WindowText, withAlpha(QColor(10, 20, 30), 0.55)},
        {Role::secondary, QPalette::HighlightedText, withAlpha(QColor(250, 240, 230), 0.55)},
        {Role::tertiary, QPalette::WindowText, withAlpha(QColor(10, 20, 30), 0.30)},
        {Role::separator, QPalette::WindowText, withAlpha(QColor(10, 20, 30), 0.14)},
        {Role::destructive, QPalette::WindowText, Style::color(AppColor::red)},
        {Role::warning, QPalette::HighlightedText, Style::color(AppColor::orange)},
        {Role::success, QPalette::WindowText, Style::color(AppColor::green)},
        {Role::link, QPalette::WindowText, QColor(0, 0, 200)},
        {Role::sidebar, QPalette::WindowText, QColor(200, 200, 200).darker(104)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Style::color(c.role, palette, c.text), c.expected) << int(c.role) << " from " << c.text;
}

// The separator, the text colour and the button looks that several screens share.
TEST(Style, LooksComeFromTheKit) {
    QWidget window;
    QFrame* line = Style::separatorLine(&window);
    EXPECT_EQ(line->frameShape(), QFrame::HLine);
    EXPECT_EQ(line->palette().color(QPalette::WindowText), Style::separator(&window));

    // A label paints with its window text and a text box with its text: the one setter colours both.
    Style::setTextColor(&window, Qt::red);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        EXPECT_EQ(window.palette().color(role), QColor(Qt::red)) << role;

    auto* link = new QPushButton(&window);
    Style::makeLink(link);
    EXPECT_TRUE(link->isFlat());
    EXPECT_EQ(link->palette().color(QPalette::ButtonText), window.palette().color(QPalette::Link));

    auto* add = new QPushButton(&window);
    Style::makeBigAdd(add);
    EXPECT_FALSE(add->autoDefault());
    EXPECT_FALSE(add->icon().isNull());
    EXPECT_TRUE(add->styleSheet().startsWith(u"QPushButton { background-color: "_s +
                                             add->palette().color(QPalette::Highlight).name()));

    // A status's button: white text on its fill, in the room of a tool button row (how the fill reads is
    // measured as drawn).
    auto* status = new QToolButton(&window);
    Style::makeProminent(status, QColor(0x34, 0xC7, 0x59), Style::ButtonSize::compact);
    EXPECT_TRUE(status->styleSheet().startsWith(u"QToolButton { background-color: #"_s));
    EXPECT_TRUE(status->styleSheet().contains(u"; color: #ffffff;"_s));
    EXPECT_TRUE(status->styleSheet().contains(u"padding: 3px 10px;"_s));
}
