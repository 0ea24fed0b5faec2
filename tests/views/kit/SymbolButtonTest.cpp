#include "views/kit/SymbolButton.h"
#include "Looks.h"

#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// A button shows its symbol sharp and in the colour asked for: at the icon size it draws (a scaled
// picture blurs), in its own text colour unless tinted.
TEST(SymbolButton, DrawsTheSymbolAtTheButtonsSizeInItsColour) {
    QWidget parent;
    QPalette palette = parent.palette();
    palette.setColor(QPalette::ButtonText, QColor(0x30, 0x30, 0x90));
    parent.setPalette(palette);
    const QColor tint(0xC0, 0x20, 0x20);
    auto* plain = new QPushButton(u"Вставить"_s, &parent);
    auto* large = new QPushButton(u"Открыть записи"_s, &parent);
    large->setIconSize(QSize(20, 20));
    auto* tinted = new QToolButton(&parent);
    tinted->setIconSize(QSize(22, 22));
    const struct {
        QAbstractButton* button;
        QString symbol;
        QColor tint;
        QColor expected;
    } cases[] = {
        {plain, u"doc.on.clipboard"_s, {}, palette.color(QPalette::ButtonText)},
        {large, u"doc.on.doc"_s, {}, palette.color(QPalette::ButtonText)},
        {tinted, u"minus.circle.fill"_s, tint, tint},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.symbol.toStdString());
        setSymbol(c.button, c.symbol, c.tint);
        const QIcon icon = c.button->icon();
        ASSERT_FALSE(icon.isNull());
        EXPECT_TRUE(icon.availableSizes().contains(c.button->iconSize()));
        EXPECT_TRUE(nearly(soleColour(icon.pixmap(c.button->iconSize()).toImage()), c.expected));
    }
}

// A button showing a symbol alone says what it does in Russian: its help and the name a screen reader
// reads are the text given, and it has no text of its own that could carry the symbol's name.
TEST(SymbolButton, ASymbolAloneSpeaksItsHelp) {
    QWidget parent;
    QToolButton* button = symbolButton(u"minus.circle.fill"_s, u"Удалить строку"_s, &parent);
    EXPECT_EQ(button->toolTip(), u"Удалить строку"_s);
    EXPECT_EQ(button->accessibleName(), u"Удалить строку"_s);
    EXPECT_TRUE(button->text().isEmpty());
    EXPECT_FALSE(button->icon().isNull());
}
