#include "JournalDetailView.h"
#include "ShellFixture.h"
#include "ShellRules.h"
#include "ShellSamples.h"
#include "SidebarView.h"
#include "templates/Templates.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplitter>

using namespace testsupport;
using namespace Qt::StringLiterals;

TEST(ContentView, WithoutJournalsShowsWelcome) {
    Shell shell;
    EXPECT_FALSE(shell.router->selectedJournalID());
    EXPECT_TRUE(shell.content().showsWelcome());
    EXPECT_EQ(shell.window->windowTitle(), u"Vostrel Учёт");
    EXPECT_EQ(shell.window->size(), QSize(1440, 860));
    shell.window->resize(600, 400);
    EXPECT_GE(shell.content().width(), 1050);
    EXPECT_GE(shell.content().height(), 680);
    EXPECT_GE(shell.content().sidebar()->width(), 240);
}

// The detail column's content never takes width from the sidebar.
TEST(ContentView, ALongJournalNameLeavesTheSidebarItsWidth) {
    Shell shell({named(Templates::blank(), u"Журнал с очень длинным названием "_s.repeated(12))});
    EXPECT_EQ(shell.content().sidebar()->width(), 270);
    EXPECT_EQ(shell.window->width(), 1440);
}

TEST(ContentView, KeepsASelectedJournal) {
    const Journal a = named(Templates::blank(), u"А"_s);
    const Journal b = named(Templates::tasks(), u"Б"_s);
    const Journal c = named(Templates::crm(), u"В"_s);
    Shell shell({a, b, c});
    EXPECT_EQ(shell.router->selectedJournalID(), a.id);
    EXPECT_FALSE(shell.content().showsWelcome());
    EXPECT_EQ(shell.window->windowTitle(), u"А");

    shell.router->setSelectedJournalID(b.id);
    shell.store->moveJournals({0}, 3);
    EXPECT_EQ(shell.router->selectedJournalID(), b.id) << "a move keeps the selection";

    shell.store->deleteJournal(b.id);
    EXPECT_EQ(shell.router->selectedJournalID(), c.id) << "the first remaining journal (after the move)";

    // A selection the user clears stays clear until the list changes.
    shell.router->setSelectedJournalID(std::nullopt);
    EXPECT_TRUE(shell.content().showsWelcome());
    shell.store->deleteJournal(c.id);
    shell.store->deleteJournal(a.id);
    EXPECT_FALSE(shell.router->selectedJournalID());
    EXPECT_TRUE(shell.content().showsWelcome());
    EXPECT_EQ(shell.window->windowTitle(), u"Vostrel Учёт");
}

TEST(ContentView, EachSheetFollowsItsRouterField) {
    const Journal journal = named(Templates::sales(), u"Продажи"_s);
    Shell shell({journal});
    AppRouter& router = *shell.router;
    ContentView& content = shell.content();
    const struct {
        const char* name;
        std::function<void()> open;
        std::function<QDialog*()> sheet;
        std::function<bool()> isSet;
        std::function<void()> clear;
    } cases[] = {
        {"new journal", [&] { router.setShowNewJournal(true); }, [&] { return content.newJournalSheet(); },
         [&] { return router.showNewJournal(); }, [&] { router.setShowNewJournal(false); }},
        {"editor", [&] { router.newRecord(journal); }, [&] { return content.editorSheet(); },
         [&] { return router.editor().has_value(); }, [&] { router.setEditor(std::nullopt); }},
        {"batch", [&] { router.primaryAdd(journal); }, [&] { return content.batchSheet(); },
         [&] { return router.batch().has_value(); }, [&] { router.setBatch(std::nullopt); }},
        {"settings",
         [&] {
             router.setSettings(SettingsItem{QUuid::createUuid(), journal.id});
         },
         [&] { return content.settingsSheet(); }, [&] { return router.settings().has_value(); },
         [&] { router.setSettings(std::nullopt); }},
        {"import preview",
         [&] {
             router.setImportPreview(ImportPreviewItem{QUuid::createUuid(), journal.id, u"a.csv"_s, {}});
         },
         [&] { return content.importPreviewSheet(); }, [&] { return router.importPreview().has_value(); },
         [&] { router.setImportPreview(std::nullopt); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.open();
        QDialog* sheet = c.sheet();
        ASSERT_TRUE(sheet);
        EXPECT_TRUE(sheet->isVisible());
        EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
        // Closing the sheet writes the field back.
        sheet->reject();
        EXPECT_FALSE(c.isSet());
        EXPECT_FALSE(c.sheet());
        // Clearing the field closes the sheet.
        c.open();
        QPointer<QDialog> second = c.sheet();
        ASSERT_TRUE(second);
        c.clear();
        EXPECT_FALSE(second && second->isVisible());
        EXPECT_FALSE(c.sheet());
    }

    // A new item replaces the open sheet; the old one's close does not clear the new item.
    router.newRecord(journal);
    QPointer<QDialog> first = content.editorSheet();
    router.newRecord(journal);
    EXPECT_TRUE(router.editor());
    EXPECT_NE(content.editorSheet(), first.data());
    EXPECT_FALSE(first && first->isVisible());
    router.setEditor(std::nullopt);
}

TEST(ContentView, SheetsOfMissingJournalsAreDropped) {
    const Journal journal = named(Templates::blank(), u"Журнал"_s);
    Shell shell({journal});
    shell.router->setSettings(SettingsItem{QUuid::createUuid(), QUuid::createUuid()});
    EXPECT_FALSE(shell.content().settingsSheet());
    EXPECT_FALSE(shell.router->settings());

    shell.router->newRecord(journal);
    ASSERT_TRUE(shell.content().editorSheet());
    shell.store->deleteJournal(journal.id);
    EXPECT_FALSE(shell.content().editorSheet());
    EXPECT_FALSE(shell.router->editor());
}

TEST(ContentView, ImportReadsTheChosenFile) {
    const Journal journal = named(Templates::blank(), u"Журнал"_s);
    Shell shell({journal});
    const QString good = shell.folder.dir.filePath(u"список.csv"_s);
    ASSERT_TRUE(writeFile(good, (journal.fields.first().name + u"\r\nЧай\r\nКофе\r\n"_s).toUtf8()));
    const QString undecodable = shell.folder.dir.filePath(u"bad.csv"_s);
    ASSERT_TRUE(writeFile(undecodable, QByteArray("\xFE\xFF\x00", 3)));

    shell.router->requestImport(journal);
    EXPECT_EQ(shell.panels.opens, 1);
    shell.panels.answerOpen(good);
    EXPECT_FALSE(shell.router->showImporter());
    ASSERT_TRUE(shell.router->importPreview());
    EXPECT_EQ(shell.router->importPreview()->fileName, u"список.csv");
    EXPECT_EQ(shell.router->importPreview()->result.rows.size(), 2);
    ASSERT_TRUE(shell.content().importPreviewSheet());
    shell.content().importPreviewSheet()->reject();

    shell.router->requestImport(journal);
    shell.panels.answerOpen(undecodable);
    EXPECT_EQ(shell.router->message(),
              u"Не удалось прочитать файл как текст (поддерживаются UTF-8 и Windows-1251).");
    ASSERT_TRUE(shell.content().alert());
    EXPECT_EQ(shell.content().alert()->icon(), QMessageBox::Warning);
    shell.content().alert()->accept();
    EXPECT_FALSE(shell.router->message());

    // Cancelling changes nothing; a target deleted while the panel was up gets nothing at all.
    shell.router->requestImport(journal);
    shell.panels.answerOpen(QString());
    shell.router->requestImport(journal);
    shell.store->deleteJournal(journal.id);
    shell.panels.answerOpen(good);
    EXPECT_FALSE(shell.router->message());
    EXPECT_FALSE(shell.router->importPreview());
    EXPECT_EQ(shell.panels.opens, 4);
}

TEST(ContentView, ExportIsReportedOnlyAfterTheFileIsWritten) {
    const Journal journal = named(Templates::blank(), u"Склад/Опт"_s, 2);
    Shell shell({journal});
    shell.router->exportJournal(journal, std::nullopt, QString());
    EXPECT_EQ(shell.panels.saves, 1);
    EXPECT_TRUE(shell.panels.defaultName.startsWith(u"Склад-Опт_"));
    const QString target = shell.folder.dir.filePath(u"out.csv"_s);
    shell.panels.answerSave(target);
    EXPECT_FALSE(shell.router->showExporter());
    EXPECT_EQ(shell.router->message(), u"Экспорт сохранён: "_s + target);
    EXPECT_EQ(shell.content().alert()->icon(), QMessageBox::Information);
    QFile written(target);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), shell.router->exportDocument().data);
    shell.content().alert()->accept();

    shell.router->exportJournal(journal, std::nullopt, QString());
    shell.panels.answerSave(shell.folder.dir.filePath(u"missing/out.csv"_s));
    ASSERT_TRUE(shell.router->message());
    EXPECT_TRUE(shell.router->message()->startsWith(u"Не удалось сохранить файл: "))
        << shell.router->message()->toStdString();
    EXPECT_EQ(shell.content().alert()->icon(), QMessageBox::Warning);
    shell.content().alert()->accept();

    shell.router->exportJournal(journal, std::nullopt, QString());
    shell.panels.answerSave(QString());
    EXPECT_FALSE(shell.router->message());
    EXPECT_FALSE(shell.router->showExporter());
}

TEST(ContentView, DeleteConfirmationDeletesOnlyOnTheDestructiveButton) {
    Journal journal = named(Templates::blank(), u"Старый"_s, 21);
    const Journal other = named(Templates::tasks(), u"Задачи"_s);
    Shell shell({other, journal});

    shell.router->setPendingDeleteJournalID(journal.id);
    QMessageBox* box = shell.content().deleteConfirmation();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text(), u"Удалить журнал «Старый» (21 запись)?");
    EXPECT_EQ(box->informativeText(), deleteJournalMessage());
    EXPECT_EQ(box->buttons().size(), 2);
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(shell.router->pendingDeleteJournalID());
    EXPECT_EQ(shell.store->journals().size(), 2);

    shell.router->setPendingDeleteJournalID(journal.id);
    box = shell.content().deleteConfirmation();
    ASSERT_TRUE(box);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(shell.content().deleteConfirmation()) << "Return must not delete";
    // Nor may Space on the button that has the keyboard focus when the box opens.
    QApplication::setActiveWindow(box);
    ASSERT_TRUE(box->focusWidget());
    QTest::keyClick(box->focusWidget(), Qt::Key_Space);
    EXPECT_EQ(shell.store->journals().size(), 2);
    if (shell.content().deleteConfirmation())
        boxButton(box, u"Отмена"_s)->click();
    EXPECT_EQ(shell.store->journals().size(), 2);

    shell.router->setPendingDeleteJournalID(journal.id);
    boxButton(shell.content().deleteConfirmation(), u"Удалить журнал"_s)->click();
    EXPECT_FALSE(shell.router->pendingDeleteJournalID());
    ASSERT_EQ(shell.store->journals().size(), 1);
    EXPECT_EQ(shell.store->journals().first().id, other.id);
    EXPECT_EQ(shell.router->selectedJournalID(), other.id);
}

TEST(ContentView, OneAlertForErrorsAndNotices) {
    Shell shell;
    shell.router->setMessage(u"Готово"_s);
    QMessageBox* alert = shell.content().alert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->text(), u"Vostrel Учёт");
    EXPECT_EQ(alert->informativeText(), u"Готово");
    EXPECT_EQ(alert->textFormat(), Qt::PlainText);
    EXPECT_EQ(alert->icon(), QMessageBox::Information);

    // A store error takes the open alert over; closing it clears both texts.
    shell.store->setLastError(u"Не удалось сохранить данные: диск заполнен"_s);
    EXPECT_EQ(shell.content().alert(), alert);
    EXPECT_EQ(alert->text(), u"Ошибка данных");
    EXPECT_EQ(alert->informativeText(), u"Не удалось сохранить данные: диск заполнен");
    EXPECT_EQ(alert->icon(), QMessageBox::Warning);
    ASSERT_EQ(alert->buttons().size(), 1);
    EXPECT_EQ(alert->buttons().first()->text(), u"OK");
    alert->buttons().first()->click();
    EXPECT_FALSE(shell.store->lastError());
    EXPECT_FALSE(shell.router->message());
    EXPECT_FALSE(shell.content().alert());

    // A notice raised under a sheet appears once the sheet is gone.
    shell.router->setShowNewJournal(true);
    shell.router->setMessage(u"Импортировано: 3 записи."_s);
    EXPECT_FALSE(shell.content().alert());
    shell.content().newJournalSheet()->reject();
    ASSERT_TRUE(shell.content().alert());
    EXPECT_EQ(shell.content().alert()->informativeText(), u"Импортировано: 3 записи.");
}

TEST(ContentView, MigrationNoteMovesIntoTheAlertAfterTheWindowShows) {
    Shell shell({}, false);
    shell.store->setMigrationNote(u"Данные прежней версии перенесены"_s);
    shell.show();
    shell.router->setMessage(u"старое"_s);
    EXPECT_TRUE(shell.store->migrationNote()) << "not before the delay";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shell.store->migrationNote().has_value(); }, 3000));
    EXPECT_EQ(shell.router->message(), u"Данные прежней версии перенесены");
    ASSERT_TRUE(shell.content().alert());
}

// Messages quote file names, headers and journal names: a text that looks like markup is shown as typed,
// also after the open alert was updated in place (an empty text in between drops Qt's label).
TEST(ContentView, AlertTextIsShownAsTyped) {
    Shell shell;
    const QString marked = u"Не удалось распознать заголовки. Найдено: <b>Имя</b>"_s;
    const auto informativeFormat = [&] {
        QMessageBox* alert = shell.content().alert();
        for (QLabel* label : alert->findChildren<QLabel*>(u"qt_msgbox_informativelabel"_s)) {
            if (label->text() == alert->informativeText())
                return label->textFormat();
        }
        return Qt::AutoText;
    };
    shell.router->setMessage(marked);
    ASSERT_TRUE(shell.content().alert());
    EXPECT_EQ(informativeFormat(), Qt::PlainText);
    shell.router->setMessage(QString());
    shell.router->setMessage(u"<i>снова</i>"_s);
    EXPECT_EQ(shell.content().alert()->informativeText(), u"<i>снова</i>");
    EXPECT_EQ(informativeFormat(), Qt::PlainText);
}
