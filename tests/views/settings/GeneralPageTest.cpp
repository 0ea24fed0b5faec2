#include "SettingsFixture.h"
#include "core/templates/Templates.h"

#include <QLabel>
#include <QToolButton>

using namespace Qt::StringLiterals;

// The icons and the noun forms stand like every other row: their titles in the labels' column, their
// controls from the controls' edge of their section.
TEST(GeneralPage, IconsAndNounFormsLineUpWithTheOtherRows) {
    SettingsSheet sheet(Templates::sales());
    ASSERT_TRUE(sheet.view);
    const auto left = [&](const QWidget* widget) { return widget->mapTo(sheet.view, QPoint()).x(); };
    // The label shown whose text or whose control is that one.
    const auto labelOf = [&](const QString& text, const QWidget* buddy = nullptr) {
        for (QLabel* label : sheet.view->findChildren<QLabel*>())
            if (label->isVisible() && (buddy ? label->buddy() == buddy : label->text() == text))
                return label;
        return static_cast<QLabel*>(nullptr);
    };

    auto* name = sheet.find<QLineEdit>(u"journalName"_s);
    ASSERT_TRUE(labelOf(u"Значок"_s));
    EXPECT_EQ(left(labelOf(u"Значок"_s)), left(labelOf(u"Название"_s)));
    // The first icon's button stands centred in a column 40 wide.
    EXPECT_NEAR(left(sheet.find<QToolButton>(u"icon.cart"_s)), left(name), 2);

    const int controls = left(sheet.find<QComboBox>(u"titleField"_s));
    for (const QString& noun : {u"itemNoun"_s, u"groupNoun"_s}) {
        QLabel* one = labelOf({}, sheet.find<QLineEdit>(noun + u".one"_s));
        ASSERT_TRUE(one);
        EXPECT_EQ(left(one), controls) << noun.toStdString();
    }
}
