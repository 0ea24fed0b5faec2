#include "ShellFixture.h"
#include "ShellSamples.h"
#include "core/templates/Templates.h"
#include "views/shell/SidebarView.h"
#include "views/shell/WelcomeView.h"

#include <QDialog>
#include <QLabel>

using namespace TestSupport;
using namespace Qt::StringLiterals;

// The window keeps its minimum size, and the detail column's content never takes width from the sidebar.
TEST(ContentView, WindowSizeAndSidebarWidth) {
    Shell shell({named(Templates::blank(), u"Журнал с очень длинным названием "_s.repeated(12))});
    EXPECT_EQ(shell.window->size(), QSize(1440, 860));
    EXPECT_EQ(shell.sidebar()->width(), 270);
    shell.window->resize(600, 400);
    EXPECT_GE(shell.content().width(), 1050);
    EXPECT_GE(shell.content().height(), 680);
    EXPECT_GE(shell.sidebar()->width(), 240);
}

// How a selection is repaired is a rule tested without widgets; here that the window applies it.
TEST(ContentView, KeepsASelectedJournal) {
    const Journal a = named(Templates::blank(), u"А"_s);
    const Journal b = named(Templates::tasks(), u"Б"_s);
    Shell shell({a, b});
    EXPECT_EQ(shell.router->selectedJournalID(), a.id);
    shell.router->setSelectedJournalID(b.id);
    shell.store->deleteJournal(b.id);
    EXPECT_EQ(shell.router->selectedJournalID(), a.id);

    // A selection the user clears stays clear; with no journal left the welcome screen stays.
    shell.router->setSelectedJournalID(std::nullopt);
    EXPECT_TRUE(shell.shown<WelcomeView>());
    shell.store->deleteJournal(a.id);
    EXPECT_FALSE(shell.router->selectedJournalID());
    EXPECT_TRUE(shell.shown<WelcomeView>());
    EXPECT_EQ(shell.window->windowTitle(), u"Vostrel Учёт");
}

TEST(ContentView, EachSheetFollowsItsRouterField) {
    const Journal journal = named(Templates::sales(), u"Продажи"_s);
    Shell shell({journal});
    AppRouter& router = *shell.router;
    const struct {
        const char* name;
        std::function<void()> open;
        std::function<bool()> isSet;
        std::function<void()> clear;
    } cases[] = {
        {"new journal", [&] { router.setShowNewJournal(true); }, [&] { return router.showNewJournal(); },
         [&] { router.setShowNewJournal(false); }},
        {"editor", [&] { router.newRecord(journal); }, [&] { return router.editor().has_value(); },
         [&] { router.setEditor(std::nullopt); }},
        {"batch", [&] { router.primaryAdd(journal); }, [&] { return router.batch().has_value(); },
         [&] { router.setBatch(std::nullopt); }},
        {"settings",
         [&] {
             router.setSettings(SettingsItem{QUuid::createUuid(), journal.id});
         },
         [&] { return router.settings().has_value(); }, [&] { router.setSettings(std::nullopt); }},
        {"import preview",
         [&] {
             router.setImportPreview(ImportPreviewItem{QUuid::createUuid(), journal.id, u"a.csv"_s, {}});
         },
         [&] { return router.importPreview().has_value(); }, [&] { router.setImportPreview(std::nullopt); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Closing the sheet clears the field; clearing the field closes the sheet.
        c.open();
        QDialog* sheet = shell.shown<QDialog>();
        ASSERT_TRUE(sheet);
        EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
        sheet->reject();
        EXPECT_FALSE(c.isSet());
        c.open();
        ASSERT_TRUE(shell.shown<QDialog>());
        c.clear();
        EXPECT_FALSE(shell.shown<QDialog>());
    }

    // A new item replaces the open sheet; the old one's close does not clear the new item.
    router.newRecord(journal);
    QPointer<QDialog> first = shell.shown<QDialog>();
    router.newRecord(journal);
    EXPECT_TRUE(router.editor());
    EXPECT_FALSE(first && first->isVisible());
    EXPECT_TRUE(shell.shown<QDialog>());

    // A sheet whose journal is gone is never shown, and an open one closes with its journal.
    router.setSettings(SettingsItem{QUuid::createUuid(), QUuid::createUuid()});
    EXPECT_FALSE(router.settings());
    shell.store->deleteJournal(journal.id);
    EXPECT_FALSE(shell.shown<QDialog>());
    EXPECT_FALSE(router.editor());
}

// A file read and imported, and a file exported, are the user's journeys; here what goes wrong on the way.
TEST(ContentView, ImportAndExportFailuresWarnAndNothingClaimsSuccess) {
    const Journal journal = named(Templates::blank(), u"Журнал"_s, 2);
    Shell shell({journal});
    const QString undecodable = shell.folder.dir.filePath(u"bad.csv"_s);
    ASSERT_TRUE(writeFile(undecodable, QByteArray("\xFE\xFF\x00", 3)));
    const auto warned = [&](const QString& text) {
        QMessageBox* alert = shell.shown<QMessageBox>(u"alert"_s);
        if (!alert || !alert->informativeText().startsWith(text) || alert->icon() != QMessageBox::Warning)
            return false;
        alert->accept();
        return !shell.router->message();
    };
    shell.router->requestImport(journal);
    shell.panels.answerOpen(undecodable);
    EXPECT_TRUE(warned(u"Не удалось прочитать файл как текст (поддерживаются UTF-8 и Windows-1251)."_s));
    EXPECT_FALSE(shell.router->importPreview());

    // Cancelling changes nothing; a target deleted while the panel was up gets nothing at all.
    shell.router->requestImport(journal);
    shell.panels.answerOpen(QString());
    shell.router->requestImport(journal);
    shell.store->deleteJournal(journal.id);
    shell.panels.answerOpen(undecodable);
    EXPECT_FALSE(shell.router->message());
    EXPECT_EQ(shell.panels.opens, 3);

    // The export is reported only once the file is written.
    shell.store->addJournal(journal);
    shell.router->exportJournal(journal, std::nullopt, QString());
    shell.panels.answerSave(shell.folder.dir.filePath(u"missing/out.csv"_s));
    EXPECT_TRUE(warned(u"Не удалось сохранить файл: "_s));
    shell.router->exportJournal(journal, std::nullopt, QString());
    shell.panels.answerSave(QString());
    EXPECT_FALSE(shell.router->message());
    EXPECT_FALSE(shell.router->showExporter());
}

// The journeys delete a journal through its question; here the ways out of it that must delete nothing.
TEST(ContentView, TheDeleteQuestionDeletesNothingByAccident) {
    const Journal journal = named(Templates::blank(), u"Старый"_s, 21);
    Shell shell({journal});
    const auto box = [&] { return shell.shown<QMessageBox>(u"deleteJournalBox"_s); };

    shell.router->setPendingDeleteJournalID(journal.id);
    ASSERT_TRUE(box());
    QTest::keyClick(box(), Qt::Key_Escape);
    EXPECT_FALSE(shell.router->pendingDeleteJournalID());

    // Neither Return nor Space on the button that has the focus when the box opens deletes.
    shell.router->setPendingDeleteJournalID(journal.id);
    QTest::keyClick(box(), Qt::Key_Return);
    ASSERT_TRUE(box()) << "Return must not delete";
    QApplication::setActiveWindow(box());
    ASSERT_TRUE(box()->focusWidget());
    QTest::keyClick(box()->focusWidget(), Qt::Key_Space);
    EXPECT_EQ(shell.store->journals().size(), 1);
}

TEST(ContentView, OneAlertForErrorsAndNotices) {
    Shell shell;
    shell.router->setMessage(u"Готово"_s);
    QMessageBox* alert = shell.shown<QMessageBox>(u"alert"_s);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->text(), u"Vostrel Учёт");
    EXPECT_EQ(alert->informativeText(), u"Готово");
    EXPECT_EQ(alert->icon(), QMessageBox::Information);

    // A store error takes the open alert over; closing it clears both texts.
    shell.store->setLastError(u"Не удалось сохранить данные: диск заполнен"_s);
    EXPECT_EQ(shell.shown<QMessageBox>(u"alert"_s), alert);
    EXPECT_EQ(alert->text(), u"Ошибка данных");
    EXPECT_EQ(alert->informativeText(), u"Не удалось сохранить данные: диск заполнен");
    EXPECT_EQ(alert->icon(), QMessageBox::Warning);
    alert->buttons().first()->click();
    EXPECT_FALSE(shell.store->lastError());
    EXPECT_FALSE(shell.router->message());
    EXPECT_FALSE(shell.shown<QMessageBox>());

    // A notice raised under a sheet appears once the sheet is gone.
    shell.router->setShowNewJournal(true);
    shell.router->setMessage(u"Импортировано: 3 записи."_s);
    EXPECT_FALSE(shell.shown<QMessageBox>());
    shell.shown<QDialog>()->reject();
    ASSERT_TRUE(shell.shown<QMessageBox>(u"alert"_s));
    EXPECT_EQ(shell.shown<QMessageBox>(u"alert"_s)->informativeText(), u"Импортировано: 3 записи.");
}

// Messages quote file names, headers and journal names: a text that looks like markup is shown as typed,
// also after the open alert was updated in place (an empty text in between drops Qt's label).
TEST(ContentView, AlertTextIsShownAsTyped) {
    Shell shell;
    const auto informativeFormat = [&] {
        QMessageBox* alert = shell.shown<QMessageBox>(u"alert"_s);
        for (QLabel* label : alert->findChildren<QLabel*>(u"qt_msgbox_informativelabel"_s)) {
            if (label->text() == alert->informativeText())
                return label->textFormat();
        }
        return Qt::AutoText;
    };
    shell.router->setMessage(u"Не удалось распознать заголовки. Найдено: <b>Имя</b>"_s);
    EXPECT_EQ(informativeFormat(), Qt::PlainText);
    shell.router->setMessage(QString());
    shell.router->setMessage(u"<i>снова</i>"_s);
    EXPECT_EQ(shell.shown<QMessageBox>(u"alert"_s)->informativeText(), u"<i>снова</i>");
    EXPECT_EQ(informativeFormat(), Qt::PlainText);
}
