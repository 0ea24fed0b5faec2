#include "NewJournalView.h"
#include "ShellFixture.h"
#include "StoreSupport.h"
#include "TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The sheet as the root view presents it over the main window.
struct Sheet : Shell {
    NewJournalView* view = nullptr;

    explicit Sheet(const QList<Journal>& journals = {}) : Shell(journals) {
        router->requestNewJournal();
        view = qobject_cast<NewJournalView*>(content().newJournalSheet());
        if (view)
            (void)QTest::qWaitForWindowExposed(view);
    }
    QAbstractButton* tile(const QString& key) const {
        return view->findChild<QAbstractButton*>(u"template."_s + key);
    }
    // Replaces the name as typing does: the whole text selected, then each character as a key press
    // (QTest::keyClicks knows only ASCII).
    void typeName(const QString& text) const {
        QLineEdit* field = view->nameField();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
        }
    }
};

} // namespace

TEST(NewJournalView, PickerListsTheCatalogueInOrderWithSalesChosen) {
    Sheet s;
    ASSERT_TRUE(s.view);
    EXPECT_EQ(s.view->windowModality(), Qt::WindowModal);
    const QList<QAbstractButton*> tiles = s.view->templateTiles();
    const QList<JournalTemplate>& catalogue = Templates::all();
    ASSERT_EQ(tiles.size(), 9);
    ASSERT_EQ(catalogue.size(), 9);
    for (qsizetype i = 0; i < tiles.size(); ++i) {
        EXPECT_EQ(tiles[i]->objectName(), u"template."_s + catalogue[i].key);
        EXPECT_EQ(tiles[i]->text(), catalogue[i].name);
        EXPECT_TRUE(tiles[i]->isVisible()) << i;
    }
    // Three to a row, in reading order.
    EXPECT_LT(tiles[1]->x(), tiles[2]->x());
    EXPECT_EQ(tiles[3]->x(), tiles[0]->x());
    EXPECT_GT(tiles[3]->y(), tiles[0]->y());

    EXPECT_EQ(s.view->choice().selectedKey, u"sales"_s);
    EXPECT_EQ(s.view->nameField()->text(), u"Продажи"_s);
    EXPECT_TRUE(s.view->createButton()->isEnabled());
    EXPECT_EQ(s.view->width(), 900);
}

TEST(NewJournalView, ChoosingTemplatesSetsTheNameUntilOneIsTyped) {
    Sheet s;
    QTest::mouseClick(s.tile(u"crm"_s), Qt::LeftButton);
    EXPECT_EQ(s.view->choice().selectedKey, u"crm"_s);
    EXPECT_EQ(s.view->nameField()->text(), u"Клиенты и сделки"_s);

    s.typeName(u"Мой журнал"_s);
    QTest::mouseClick(s.tile(u"tasks"_s), Qt::LeftButton);
    EXPECT_EQ(s.view->choice().selectedKey, u"tasks"_s);
    EXPECT_EQ(s.view->nameField()->text(), u"Мой журнал"_s);

    s.typeName({});
    QTest::mouseClick(s.tile(u"blank"_s), Qt::LeftButton);
    EXPECT_EQ(s.view->nameField()->text(), u"Свой журнал"_s);
    EXPECT_TRUE(s.view->createButton()->isEnabled());
}

TEST(NewJournalView, BlankNameDisablesCreationAndReturnDoesNothing) {
    Sheet s;
    s.typeName(u"   "_s);
    EXPECT_FALSE(s.view->createButton()->isEnabled());
    QTest::keyClick(s.view->nameField(), Qt::Key_Return);
    EXPECT_EQ(s.content().newJournalSheet(), s.view);
    EXPECT_TRUE(s.view->isVisible());
    EXPECT_TRUE(s.store->journals().isEmpty());

    // Only the creating button answers Return; none other may take it over.
    for (QPushButton* button : s.view->findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->autoDefault()) << button->text().toStdString();
        EXPECT_EQ(button->isDefault(), button == s.view->createButton()) << button->text().toStdString();
    }
}

TEST(NewJournalView, ReturnCreatesSelectsAndCloses) {
    // A name another journal already has is no obstacle.
    Sheet s({testsupport::sampleJournal(u"Салон"_s)});
    s.router->setTab(JournalTab::records);
    QTest::mouseClick(s.tile(u"services"_s), Qt::LeftButton);
    s.typeName(u"  Салон  "_s);
    QTest::keyClick(s.view->nameField(), Qt::Key_Return);

    EXPECT_EQ(s.content().newJournalSheet(), nullptr);
    EXPECT_FALSE(s.router->showNewJournal());
    ASSERT_EQ(s.store->journals().size(), 2);
    const Journal& made = s.store->journals().last();
    EXPECT_EQ(made.name, u"Салон"_s);
    EXPECT_EQ(made.templateKey, u"services"_s);
    EXPECT_EQ(s.router->selectedJournalID(), made.id);
    EXPECT_EQ(s.router->tab(), JournalTab::dashboard);
    EXPECT_FALSE(s.content().showsWelcome());
    EXPECT_EQ(testsupport::readDataFile(s.folder.read(u"data.json"_s))->size(), 2);
}

TEST(NewJournalView, CancelAndEscapeLeaveNoTrace) {
    for (const bool escape : {false, true}) {
        Sheet s;
        QTest::mouseClick(s.tile(u"crm"_s), Qt::LeftButton);
        if (escape)
            QTest::keyClick(s.view->nameField(), Qt::Key_Escape);
        else
            QTest::mouseClick(s.view->cancelButton(), Qt::LeftButton);
        EXPECT_EQ(s.content().newJournalSheet(), nullptr) << escape;
        EXPECT_FALSE(s.router->showNewJournal()) << escape;
        EXPECT_TRUE(s.store->journals().isEmpty()) << escape;
        EXPECT_FALSE(s.folder.exists(u"data.json"_s)) << escape;
        EXPECT_EQ(s.router->selectedJournalID(), std::nullopt) << escape;
    }
}
