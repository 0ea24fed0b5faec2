#include "views/shell/NewJournalView.h"
#include "ShellFixture.h"
#include "TestSupport.h"
#include "records/SheetTyping.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// The sheet as the root view presents it over the main window. How the name follows the chosen template
// is a rule tested without the sheet.
struct Sheet : Shell {
    NewJournalView* view = nullptr;

    Sheet() {
        router->requestNewJournal();
        view = shown<NewJournalView>();
        if (view)
            (void)QTest::qWaitForWindowExposed(view);
    }
    QAbstractButton* tile(const QString& key) const {
        return view->findChild<QAbstractButton*>(u"template."_s + key);
    }
    QLineEdit* name() const { return view->findChild<QLineEdit*>(u"journalName"_s); }
    QPushButton* create() const { return view->findChild<QPushButton*>(u"createJournal"_s); }
};

} // namespace

TEST(NewJournalView, PickerListsTheCatalogueThreeToARow) {
    Sheet s;
    ASSERT_TRUE(s.view);
    QList<QAbstractButton*> tiles;
    for (const JournalTemplate& entry : Templates::all()) {
        tiles.append(s.tile(entry.key));
        ASSERT_TRUE(tiles.last() && tiles.last()->isVisible()) << entry.key.toStdString();
        EXPECT_EQ(tiles.last()->text(), entry.name);
    }
    EXPECT_LT(tiles[1]->x(), tiles[2]->x());
    EXPECT_EQ(tiles[3]->x(), tiles[0]->x());
    EXPECT_GT(tiles[3]->y(), tiles[0]->y());
    EXPECT_EQ(s.name()->text(), u"Продажи"_s);
    QTest::mouseClick(s.tile(u"crm"_s), Qt::LeftButton);
    EXPECT_EQ(s.name()->text(), u"Клиенты и сделки"_s);

    // Only the creating button answers Return; none other may take it over.
    for (QPushButton* button : s.view->findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->autoDefault()) << button->text().toStdString();
        EXPECT_EQ(button->isDefault(), button == s.create()) << button->text().toStdString();
    }
}

TEST(NewJournalView, BlankNameDisablesCreationAndReturnDoesNothing) {
    Sheet s;
    typeText(s.name(), u"   "_s);
    EXPECT_FALSE(s.create()->isEnabled());
    QTest::keyClick(s.name(), Qt::Key_Return);
    EXPECT_EQ(s.shown<NewJournalView>(), s.view);
    EXPECT_TRUE(s.store->journals().isEmpty());
}
