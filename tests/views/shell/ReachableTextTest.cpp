#include "Looks.h"
#include "RecordFixtures.h"
#include "ShellFixture.h"
#include "UrlRecorder.h"
#include "core/csv/CSVImport.h"
#include "core/templates/Templates.h"
#include "views/dashboard/DashboardView.h"
#include "views/importing/ImportPreviewView.h"
#include "views/kit/Style.h"
#include "views/records/BatchAddView.h"
#include "views/records/RecordEditorView.h"
#include "views/records/RecordsListView.h"
#include "views/records/RecordsTableView.h"
#include "views/settings/JournalSettingsView.h"
#include "views/shell/NewJournalView.h"
#include "views/shell/SidebarView.h"
#include "views/shell/WelcomeView.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QToolButton>

using namespace TestSupport;
using namespace Qt::StringLiterals;
using namespace Settings;

namespace {

// The Latin words of a text a user reads, but for the product's name, the alert's "OK", the CSV column
// "ID", the file format (a file's extension too), the article number "SKU" of the product-card template's
// summary, web addresses and shortcut texts ("Ctrl+Shift+I").
QStringList latinWords(QString text) {
    static const QRegularExpression address(u"https?://\\S*"_s);
    static const QRegularExpression keys(u"(?:(?:Ctrl|Shift|Alt|Meta)\\+)+\\S+"_s);
    static const QRegularExpression word(u"[A-Za-z]+"_s);
    static const QStringList allowed{u"Vostrel"_s, u"OK"_s, u"ID"_s, u"CSV"_s, u"SKU"_s};
    text.remove(address).remove(keys);
    QStringList found;
    for (const QRegularExpressionMatch& m : word.globalMatch(text))
        if (!allowed.contains(m.captured(), Qt::CaseInsensitive))
            found.append(m.captured());
    return found;
}

void readActions(const QList<QAction*>& actions, QStringList& texts) {
    for (const QAction* a : actions) {
        texts << a->text() << a->toolTip() << a->statusTip() << a->whatsThis();
        if (a->menu())
            readActions(a->menu()->actions(), texts);
    }
}

// Every text of a window a user can read or hear: titles, labels, help, placeholders, items, actions (a
// button's menu is a child widget holding its actions).
QStringList readableTexts(QWidget* window) {
    QStringList texts;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        texts << w->toolTip() << w->whatsThis() << w->statusTip() << w->accessibleName()
              << w->accessibleDescription();
        if (w->isWindow())
            texts << w->windowTitle();
        readActions(w->actions(), texts);
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            texts << edit->placeholderText();
        if (auto* edit = qobject_cast<QPlainTextEdit*>(w))
            texts << edit->placeholderText();
        if (auto* edit = qobject_cast<QTextEdit*>(w))
            texts << edit->placeholderText();
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i) << combo->itemData(i, Qt::ToolTipRole).toString();
        }
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
            const QAbstractItemModel* model = view->model();
            for (int column = 0; column < model->columnCount(); ++column)
                for (int role : {Qt::DisplayRole, Qt::ToolTipRole})
                    texts << model->headerData(column, Qt::Horizontal, role).toString();
            for (int row = 0; row < model->rowCount(); ++row)
                texts << model->index(row, 0).data(Qt::ToolTipRole).toString();
        }
    }
    return texts;
}

// Sales with every field type, seven orders with links, a counter and Russian choices throughout, over the
// whole shell.
struct Walk : Shell {
    Journal journal;
    UrlRecorder links;

    Walk() : Shell({}, false) {
        journal = Templates::sales();
        journal.name = u"Продажи"_s;
        journal.fields.append(fieldOf(FieldType::checkbox, u"Срочно"_s));
        for (FieldDef& f : journal.fields) {
            if (f.type == FieldType::choice)
                f.options = {u"Сайт"_s, u"Магазин"_s};
            if (f.type == FieldType::number)
                journal.counterFieldID = f.id;
        }
        journal.counterTitle = u"+1 шт"_s;
        for (int i = 0; i < 7; ++i) {
            Record r = labelled(u"Заказ "_s + QString::number(i));
            put(r, journal.fields[0], FieldValue::ofText(u"№ "_s + QString::number(i)));
            put(r, *journal.field(*journal.counterFieldID), FieldValue::ofNumber(i));
            for (const FieldDef& f : journal.fields)
                if (f.type == FieldType::link)
                    put(r, f, FieldValue::ofText(u"https://example.com/"_s + QString::number(i)));
            r.statusID = journal.statuses[i % journal.statuses.size()].id;
            journal.records.append(r);
        }
        store->addJournal(journal);
        show();
    }
    // The records tab with every record selected, as the user selects them.
    RecordsTableView* selectAll() const {
        router->setTab(JournalTab::records);
        auto* table = shown<RecordsTableView>(u"recordsTable"_s);
        if (table)
            table->selectAll();
        return table;
    }
    QAction* command(const QString& name) const { return window->findChild<QAction*>(name); }
    // Clicks the shown button of that name, when there is one.
    void click(const QString& name) const {
        if (QAbstractButton* button = shown<QAbstractButton>(name))
            button->click();
    }
    // Shows a page of the settings sheet; nothing when the sheet is not open.
    JournalSettingsView* showSettingsTab(SettingsTab tab) const {
        auto* sheet = shown<JournalSettingsView>();
        if (sheet)
            sheet->findChild<QAbstractButton*>(u"tab."_s + rawValue(tab))->click();
        return sheet;
    }
    // Each row of a settings page's list chosen in turn, the texts of each editor read. Gives the sheet,
    // or nothing when the sheet or its list is not there to walk.
    JournalSettingsView* walkList(SettingsTab tab, const QString& listName, QStringList& texts) const {
        auto* sheet = showSettingsTab(tab);
        auto* list = sheet ? visibleIn<QListView>(sheet, listName) : nullptr;
        if (!list || list->model()->rowCount() == 0)
            return nullptr;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                                    QItemSelectionModel::ClearAndSelect);
            texts += readableTexts(sheet);
        }
        return sheet;
    }
    // The message box up over the window or one of its sheets, if any.
    static QMessageBox* box() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
                return box;
        }
        return nullptr;
    }
    // The context menu up over a widget, if any.
    static QMenu* menuOver(QAbstractItemView* view, const QPoint& at) {
        emit view->customContextMenuRequested(at);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* menu = qobject_cast<QMenu*>(w); menu && menu->isVisible())
                return menu;
        }
        return nullptr;
    }
};

// The screens, sheets and boxes of the application, each opened from a fresh window as a user opens it.
// Opening gives what must then be up — the screen, sheet, menu or box itself — or nothing when it did not
// open; walking a list may read texts of its own along the way.
struct Screen {
    const char* name;
    std::function<QWidget*(Walk&, QStringList&)> open;
};

const QList<Screen>& screens() {
    static const QList<Screen> all{
        {"welcome",
         [](Walk& w, QStringList&) -> QWidget* {
             w.store->deleteJournal(w.journal.id);
             return w.shown<WelcomeView>();
         }},
        {"dashboard",
         [](Walk& w, QStringList&) -> QWidget* {
             w.router->setTab(JournalTab::dashboard);
             return w.shown<DashboardView>();
         }},
        {"records with a selection and its menu",
         [](Walk& w, QStringList&) -> QWidget* {
             RecordsTableView* table = w.selectAll();
             return table ? Walk::menuOver(table, table->visualRect(table->model()->index(0, 1)).center())
                          : nullptr;
         }},
        {"sidebar menu",
         [](Walk& w, QStringList&) -> QWidget* {
             auto* list = w.sidebar()->findChild<QListView*>(u"journalList"_s);
             return Walk::menuOver(list, list->visualRect(list->model()->index(0, 0)).center());
         }},
        {"new record",
         [](Walk& w, QStringList&) -> QWidget* {
             w.router->newRecord(w.journal);
             return w.shown<RecordEditorView>();
         }},
        {"record deletion",
         [](Walk& w, QStringList&) -> QWidget* {
             w.router->setEditor(EditorItem{QUuid::createUuid(), w.journal.id, w.journal.records[0], false});
             w.click(u"deleteRecord"_s);
             return Walk::box();
         }},
        {"possible duplicate",
         [](Walk& w, QStringList&) -> QWidget* {
             Record again = w.journal.records[1];
             again.id = QUuid::createUuid();
             w.router->setEditor(EditorItem{QUuid::createUuid(), w.journal.id, again, true});
             w.click(u"saveRecord"_s);
             return Walk::box();
         }},
        {"batch entry",
         [](Walk& w, QStringList&) -> QWidget* {
             w.router->primaryAdd(w.journal);
             return w.shown<BatchAddView>();
         }},
        {"many links",
         [](Walk& w, QStringList&) -> QWidget* {
             w.selectAll();
             w.command(u"openLinks"_s)->trigger();
             return Walk::box();
         }},
        {"records deletion",
         [](Walk& w, QStringList&) -> QWidget* {
             w.selectAll();
             w.command(u"deleteRecords"_s)->trigger();
             return Walk::box();
         }},
        {"settings: general, statuses, report",
         [](Walk& w, QStringList& texts) -> QWidget* {
             w.router->setSettings(SettingsItem{QUuid::createUuid(), w.journal.id});
             JournalSettingsView* sheet = nullptr;
             for (SettingsTab tab : {SettingsTab::general, SettingsTab::statuses, SettingsTab::metrics}) {
                 sheet = w.showSettingsTab(tab);
                 if (sheet)
                     texts += readableTexts(sheet);
             }
             return sheet;
         }},
        {"settings: every field and its removal",
         [](Walk& w, QStringList& texts) -> QWidget* {
             w.router->setSettings(SettingsItem{QUuid::createUuid(), w.journal.id});
             JournalSettingsView* sheet = w.walkList(SettingsTab::fields, u"fieldList"_s, texts);
             if (!sheet)
                 return nullptr;
             sheet->findChild<QAction*>(u"removeField"_s)->trigger();
             return Walk::box();
         }},
        {"settings: a type change that drops values",
         [](Walk& w, QStringList&) -> QWidget* {
             w.router->setSettings(SettingsItem{QUuid::createUuid(), w.journal.id});
             if (!w.showSettingsTab(SettingsTab::fields))
                 return nullptr;
             auto* type = w.shown<QComboBox>(u"fieldType"_s);
             type->setCurrentIndex(int(FieldType::number));
             emit type->activated(type->currentIndex());
             w.click(u"save"_s);
             return Walk::box();
         }},
        {"settings: every metric",
         [](Walk& w, QStringList& texts) -> QWidget* {
             w.router->setSettings(SettingsItem{QUuid::createUuid(), w.journal.id});
             return w.walkList(SettingsTab::metrics, u"metricList"_s, texts);
         }},
        {"new journal",
         [](Walk& w, QStringList&) -> QWidget* {
             w.router->setShowNewJournal(true);
             return w.shown<NewJournalView>();
         }},
        {"import preview",
         [](Walk& w, QStringList&) -> QWidget* {
             QString error;
             const std::optional<ImportResult> result =
                 CSVService::prepareImport(u"Номер заказа;Сумма;Лишний\n№ 1;5;x\n№ 9;abc;y\n"_s, w.journal,
                                           w.router->calendar(), w.router->clock(), &error);
             w.router->setImportPreview(
                 ImportPreviewItem{QUuid::createUuid(), w.journal.id, u"заказы.csv"_s, result.value()});
             return w.shown<ImportPreviewView>();
         }},
        {"journal deletion",
         [](Walk& w, QStringList&) -> QWidget* {
             w.router->setPendingDeleteJournalID(w.journal.id);
             return Walk::box();
         }},
        {"notice",
         [](Walk& w, QStringList&) -> QWidget* {
             w.router->setMessage(u"Импортировано: 2 заказа"_s);
             return Walk::box();
         }},
    };
    return all;
}

// Opens the screen; one that does not open fails the test, naming it.
bool opened(const Screen& screen, Walk& walk, QStringList& texts) {
    const QWidget* up = screen.open(walk, texts);
    if (!up || !up->isVisible()) {
        ADD_FAILURE() << screen.name << " did not open";
        return false;
    }
    return true;
}

// The windows and boxes up now.
QList<QWidget*> shownWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            windows.append(w);
    return windows;
}

} // namespace

// No English text reaches the user: not in a title, label, help text, placeholder, picker entry, table
// header or command of any screen. A window without a title would show the application's English name.
TEST(ReachableText, EveryScreenSpeaksRussian) {
    for (const Screen& screen : screens()) {
        SCOPED_TRACE(screen.name);
        Walk walk;
        QStringList texts;
        if (!opened(screen, walk, texts))
            continue;
        for (QWidget* window : shownWindows()) {
            if (window->windowType() != Qt::Popup && window->windowType() != Qt::ToolTip) {
                EXPECT_FALSE(window->windowTitle().isEmpty()) << window->metaObject()->className();
            }
            texts += readableTexts(window);
        }
        for (const QString& text : std::as_const(texts))
            EXPECT_TRUE(latinWords(text).isEmpty()) << text.toStdString();
    }
}

// A box never leaves an empty column where its icon would stand, and a button that destroys something
// looks it: in message boxes, the record editor and the action bar alike.
TEST(ReachableText, BoxesShowAnIconAndDestructiveButtonsLookIt) {
    const auto destructive = [](const QAbstractButton* b) {
        return sameHue(b->palette().color(QPalette::Active, QPalette::ButtonText), Style::destructive());
    };
    int boxes = 0;
    int destroying = 0;
    for (const Screen& screen : screens()) {
        SCOPED_TRACE(screen.name);
        Walk walk;
        QStringList texts;
        if (!opened(screen, walk, texts))
            continue;
        for (QWidget* window : shownWindows()) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (!box)
                continue;
            ++boxes;
            EXPECT_NE(box->icon(), QMessageBox::NoIcon) << box->text().toStdString();
            for (QAbstractButton* b : box->buttons()) {
                const bool destroys = box->buttonRole(b) == QMessageBox::DestructiveRole;
                destroying += destroys;
                EXPECT_EQ(destructive(b), destroys) << b->text().toStdString();
            }
        }
        if (QAbstractButton* remove = walk.shown<QAbstractButton>(u"deleteRecord"_s)) {
            EXPECT_TRUE(destructive(remove));
        }
        const QAction* deleteRecords = walk.command(u"deleteRecords"_s);
        for (auto* b : walk.window->findChildren<QToolButton*>()) {
            if (deleteRecords && b->defaultAction() == deleteRecords) {
                EXPECT_TRUE(destructive(b));
            }
        }
    }
    EXPECT_EQ(boxes, 8);
    EXPECT_EQ(destroying, 5) << "the record, the records, the field, the type change and the journal";
}
