#include "SettingsFixture.h"
#include "core/templates/Templates.h"
#include "views/kit/GrowingTextEdit.h"

#include <QLabel>
#include <QToolButton>

#include <functional>

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

namespace {

enum class Control { line, text, picker, button };

// A control of one of the journal's own options, what the user puts into it and what that makes of the
// draft.
struct JournalOption {
    const char* name;
    Control control;
    QString entry;
    std::function<void(Journal&)> written;
    Settings::SettingsTab tab = Settings::SettingsTab::general;
};

const JournalOption journalOptions[] = {
    {"journalName", Control::line, u"Заказы"_s, [](Journal& j) { j.name = u"Заказы"_s; }},
    {"icon.banknote", Control::button, {}, [](Journal& j) { j.icon = u"banknote"_s; }},
    {"titleField", Control::picker, u"Клиент"_s, [](Journal& j) { j.titleFieldID = j.fields[1].id; }},
    {"defaultStatus", Control::picker, u"Оплачен"_s,
     [](Journal& j) { j.defaultStatusID = j.statuses[1].id; }},
    {"itemNoun.few", Control::line, u"сделки"_s, [](Journal& j) { j.itemNoun.few = u"сделки"_s; }},
    {"groupNoun.many", Control::line, u"городов"_s, [](Journal& j) { j.groupNoun.many = u"городов"_s; }},
    {"batchTitle", Control::line, u"Пачка"_s, [](Journal& j) { j.batchTitle = u"Пачка"_s; }},
    {"counterField", Control::picker, u"Сумма"_s, [](Journal& j) { j.counterFieldID = j.fields[4].id; }},
    {"counterTitle", Control::line, u"+1 шт"_s, [](Journal& j) { j.counterTitle = u"+1 шт"_s; }},
    {"filterField", Control::picker, u"Клиент"_s, [](Journal& j) { j.filterFieldID = j.fields[1].id; }},
    {"hint", Control::text, u"Считаем по оплате"_s, [](Journal& j) { j.hint = u"Считаем по оплате"_s; }},
    {"breakdownField", Control::picker, u"Клиент"_s, [](Journal& j) { j.breakdownFieldID = j.fields[1].id; },
     Settings::SettingsTab::metrics},
    {"reportTemplate", Control::text, u"{1} ₽"_s, [](Journal& j) { j.reportTemplate = u"{1} ₽"_s; },
     Settings::SettingsTab::metrics},
};

// Shows the option's entry in its control as a redraw from code does.
void showFromCode(QWidget* control, const JournalOption& option) {
    switch (option.control) {
    case Control::line:
        qobject_cast<QLineEdit*>(control)->setText(option.entry);
        break;
    case Control::text:
        qobject_cast<GrowingTextEdit*>(control)->showText(option.entry);
        break;
    case Control::picker: {
        auto* picker = qobject_cast<QComboBox*>(control);
        picker->setCurrentIndex(picker->findText(option.entry));
        break;
    }
    case Control::button:
        qobject_cast<QAbstractButton*>(control)->setChecked(true);
        break;
    }
}

} // namespace

// Each control writes its own option, and only as the user works it: a value shown from code, as every
// redraw of the page shows the draft, writes nothing back. What the draft holds is what a save stores.
TEST(GeneralPage, EachOptionIsWrittenByTheUsersEditAlone) {
    Journal journal = Templates::sales();
    journal.counterFieldID = journal.fields[3].id; // the caption's row shows only with a counter
    for (const JournalOption& option : journalOptions) {
        SCOPED_TRACE(option.name);
        for (const bool byUser : {false, true}) {
            SettingsSheet sheet(journal);
            ASSERT_TRUE(sheet.view);
            sheet.showTab(option.tab);
            auto* control = sheet.find<QWidget>(QString::fromLatin1(option.name));
            ASSERT_TRUE(control);
            if (byUser && option.control == Control::picker)
                SettingsSheet::choose(qobject_cast<QComboBox*>(control), option.entry);
            else if (byUser && option.control == Control::button)
                qobject_cast<QAbstractButton*>(control)->click();
            else if (byUser)
                SettingsSheet::type(control, option.entry);
            else
                showFromCode(control, option);
            sheet.saveButton()->click();
            Journal expected = journal;
            if (byUser)
                option.written(expected);
            EXPECT_EQ(sheet.stored(), expected.sanitized())
                << (byUser ? "the user's edit writes its option alone"
                           : "a value set from code is not the user's");
        }
    }
}
