#include "UserSession.h"

#include "dashboard/DashboardParts.h"
#include "views/dashboard/DashboardView.h"
#include "views/dashboard/StatTile.h"
#include "views/records/RecordEditorView.h"
#include "views/shell/NewJournalView.h"
#include "views/shell/SheetHost.h"
#include "views/shell/SidebarView.h"

using namespace Qt::StringLiterals;

// A data file that no longer reads is put aside whole; the user is told where, starts afresh and works on,
// and nothing ever writes over the file put aside.
TEST(Journey, ADamagedDataFileIsPutAsideAndWorkGoesOn) {
    UserSession user;
    const QByteArray damaged = R"({"version": 2, "savedAt": "2023-11-01T10:00:00Z", "journals": [{"name": )";
    user.folder.write(u"data.json"_s, damaged);
    user.start();

    const QString aside =
        u"data-damaged-"_s + QString::number(user.folder.now.toSecsSinceEpoch()) + u".json"_s;
    const QString alert = answer(u"OK"_s);
    EXPECT_TRUE(alert.startsWith(u"Ошибка данных\nНе удалось прочитать файл данных. Он сохранён как "_s +
                                 aside + u". Ошибка: "_s))
        << alert.toStdString();

    // The welcome screen leads to a journal of tasks, and a first task goes in.
    clickButton(u"Создать журнал"_s);
    auto* sheet = onScreen<NewJournalView>();
    ASSERT_TRUE(sheet);
    click(seen(u"template.tasks"_s, sheet));
    typeInto(u"journalName"_s, u"  Дела  "_s, sheet);
    clickButton(u"Создать журнал"_s, sheet);
    EXPECT_FALSE(onScreen<NewJournalView>());
    EXPECT_EQ(user.window->windowTitle(), u"Дела");

    pressKeys(AppKeys::singleRecord());
    auto* editor = onScreen<RecordEditorView>();
    ASSERT_TRUE(editor);
    typeInto(u"Задача"_s, u"Позвонить поставщику"_s, editor);
    typeInto(u"Часы"_s, u"1,5"_s, editor);
    clickButton(u"Добавить"_s, editor);
    EXPECT_FALSE(onScreen<RecordEditorView>());
    user.quit();

    const QList<Journal> saved = user.dataFile();
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(std::pair(saved[0].name, saved[0].templateKey), std::pair(u"Дела"_s, u"tasks"_s));
    EXPECT_EQ(storedRows(saved[0], {u"Задача"_s, u"Часы"_s}), QStringList{u"Позвонить поставщику;1,5"_s});
    EXPECT_EQ(user.folder.read(aside), damaged) << "the file put aside is never written";
}

// The earlier card application's file becomes a journal on the first start; the note says so once, and
// the cards are then worked on like any records.
TEST(Journey, TheEarlierCardFileBecomesAJournal) {
    UserSession user;
    const QByteArray cards = R"({"records": [
        {"id": "0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0", "brand": "Северный ветер", "productName": "Куртка",
         "modelArticle": "K-100", "sizeRU": "48", "status": "Исправлена", "fixedDate": "2023-11-03T09:00:00Z",
         "minorEdits": 2, "createdAt": "2023-10-20T08:00:00Z"},
        {"brand": "Северный ветер", "productName": "Куртка", "modelArticle": "K-100", "sizeRU": "50",
         "status": "В работе"}
    ]})";
    user.folder.write(u"cards.json"_s, cards);
    user.start();

    // The note comes a moment after the window, in the one alert.
    ASSERT_TRUE(QTest::qWaitFor([] { return onScreen<QMessageBox>() != nullptr; }));
    EXPECT_EQ(answer(u"OK"_s), u"Vostrel Учёт\nДанные прежней версии перенесены в журнал «Карточки товаров»: "
                               u"2 карточки. Исходный файл сохранён: "_s +
                                   user.folder.path(u"cards.json"_s));
    auto* dashboard = seen<DashboardView>(u"tabContent_dashboard"_s);
    ASSERT_TRUE(dashboard);
    EXPECT_EQ(tilesOf(dashboard).first()->valueText(), u"1") << "one card corrected this month";

    // A new card goes in corrected today, so the month counts two.
    pressKeys(AppKeys::singleRecord());
    auto* editor = onScreen<RecordEditorView>();
    ASSERT_TRUE(editor);
    typeInto(u"Бренд"_s, u"Северный ветер"_s, editor);
    typeInto(u"Название товара"_s, u"Куртка"_s, editor);
    typeInto(u"Артикул модели"_s, u"K-100"_s, editor);
    typeInto(u"Размер RU"_s, u"52"_s, editor);
    clickButton(u"Добавить"_s, editor);
    dashboard = seen<DashboardView>(u"tabContent_dashboard"_s);
    EXPECT_EQ(tilesOf(dashboard).first()->valueText(), u"2");
    user.quit();

    const QList<Journal> saved = user.dataFile();
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved[0].templateKey, u"cards");
    EXPECT_EQ(
        storedRows(saved[0], {u"Размер RU"_s, u"Мелкие правки"_s, u"Дата исправления"_s, u"Статус"_s}),
        (QStringList{u"48;2;03.11.2023;Исправлена"_s, u"50;;;В работе"_s, u"52;;15.11.2023;Исправлена"_s}));
    EXPECT_EQ(saved[0].records[0].id, QUuid::fromString(u"0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0"_s));
    EXPECT_EQ(user.folder.read(u"cards.json"_s), cards) << "the earlier file stays as it was";

    // The next start reads the journal and has nothing more to say.
    user.start();
    QTest::qWait(SheetHost::migrationNoteDelayMs + 200);
    EXPECT_FALSE(onScreen<QMessageBox>());
    EXPECT_EQ(seen<QListView>(u"journalList"_s)->model()->rowCount(), 1);
}
