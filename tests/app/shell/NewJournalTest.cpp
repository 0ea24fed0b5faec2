#include "app/shell/NewJournal.h"
#include "TestSupport.h"
#include "core/templates/Templates.h"

using namespace Qt::StringLiterals;

TEST(NewJournalRules, NameFollowsTheTemplateUntilTheUserTypesOne) {
    const NewJournal::Choice start = NewJournal::initialChoice();
    EXPECT_EQ(start, (NewJournal::Choice{u"sales"_s, u"Продажи"_s}));

    struct Case {
        const char* what;
        NewJournal::Choice before;
        QString chosen;
        QString nameAfter;
    };
    const Case cases[] = {
        {"template name is replaced", start, u"finance"_s, u"Доходы и расходы"_s},
        {"typed name is kept", {u"sales"_s, u"Мои продажи"_s}, u"crm"_s, u"Мои продажи"_s},
        {"empty name follows again", {u"crm"_s, u""_s}, u"tasks"_s, u"Задачи"_s},
        {"blanks are not empty", {u"crm"_s, u"   "_s}, u"tasks"_s, u"   "_s},
        {"another template's name counts as typed", {u"sales"_s, u"Склад"_s}, u"crm"_s, u"Склад"_s},
    };
    for (const Case& c : cases) {
        const NewJournal::Choice after =
            NewJournal::choose(c.before, Templates::templateFor(c.chosen).value());
        EXPECT_EQ(after.selectedKey, c.chosen) << c.what;
        EXPECT_EQ(after.name, c.nameAfter) << c.what;
    }
}

TEST(NewJournalRules, BlankNamesCannotCreate) {
    for (const QString& name : {u""_s, u"\n\t "_s, u"\u00A0"_s})
        EXPECT_FALSE(NewJournal::canCreate(name)) << name.toStdString();
    EXPECT_TRUE(NewJournal::canCreate(u" a "_s));
}
